// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a test executable with widget tests: a scratch home and configuration folder, so the
// user's kp.ini is never read or written, and an offscreen application in the Russian locale when
// the machine has it (the numbers must come out right there).

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <clocale>

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!qEnvironmentVariableIsSet("LC_ALL") && std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr) {
        qputenv("LC_ALL", "ru_RU.UTF-8");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
