// SPDX-License-Identifier: GPL-3.0-or-later
// fundis-screenshots FOLDER [PROJECT.dan]: starts the program's windows as the program does, saves
// pictures of them into FOLDER and exits (0 when every picture was written). Used by
// scripts/screenshots.sh under a virtual X server; not installed.

#include <QTimer>
#include <cstdio>

#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Startup.h"
#include "gui/input/InputDialog.h"
#include "gui/settings/SettingsDialog.h"
#include "tools/Screenshots.h"

int main(int argc, char** argv) {
    fundis::Application app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fundis-screenshots FOLDER [PROJECT.dan]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString project = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    fundis::MainWindow& window = fundis::startWindows();
    QTimer::singleShot(300, &window, [&window, folder, project] {
        QApplication::exit(
            fundis::takeScreenshots(window, window.inputDialog(), window.settingsDialog(), folder, project)
                ? 0
                : 1);
    });
    const int code = QApplication::exec();
    fundis::endWindows();
    return code;
}
