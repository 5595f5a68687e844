// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's long-lived windows as it makes them, with every modal dialog answered by the test:
// file dialogs take prepared names, questions prepared answers, messages are kept, and the modal
// showing of a window runs what the test says (by default: the input dialog's OK).

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <deque>
#include <functional>

#include "core/files/DataLocation.h"
#include "core/model/TextCodec.h"
#include "gui/app/MainWindow.h"
#include "gui/input/InputDialog.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/widgets/Dialogs.h"
#include "support/SampleProject.h"
#include "tools/ScriptedDialogs.h"

// readable QString values in failure messages
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace fundis::testing {

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Replaces an edit's text as typing would.
inline void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// A widget of a window by its object name; a missing one fails the test where it is used.
template <typename T>
T* child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class WindowsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dataFolder.isValid());
        QDir(QString::fromStdString(settingsFolder())).removeRecursively();
        writeSettings(QString::fromUtf8(FUNDIS_TABLES_DIR));
        setDialogs(&dialogs);
        startWindows();
    }

    // The windows as the program's start makes them, with the project named on its command line.
    void startWindows(const QString& startFile = QString()) {
        main = new fundis::MainWindow;
        input = new fundis::InputDialog(main);
        settingsDialog = new fundis::SettingsDialog(main);
        main->attachDialogs(input, settingsDialog);
        if (!startFile.isEmpty()) {
            main->openAtStart(startFile);
        }
        main->firstActivation();
    }

    void TearDown() override {
        delete main;
        setDialogs(nullptr);
    }

    // kp.ini with the given tables' folder and the scratch data folder.
    void writeSettings(const QString& tables) {
        const QString text =
            QStringLiteral("5\r\n0\r\n1\r\n%1\r\n75\r\n%2\r\n").arg(dataFolder.path(), tables);
        writeFile(QString::fromStdString(settingsFilePath()),
                  QByteArray::fromStdString(utf8ToCp1251(text.toStdString())));
    }

    // Soil, loads and the column of a design that comes out at 2.4 x 3.3 m.
    void typeProject() { input->setForm(columnProjectForm()); }
    // That project, calculated.
    void calculateProject() {
        typeProject();
        main->startCalculation();
    }

    // The dialog's controls, found by the names of their fields.
    QLineEdit* textEdit(fundis::TextField field) const {
        return input->findChild<QLineEdit*>(QString::fromLatin1(fundis::formField(field).name));
    }
    QComboBox* listBox(fundis::ListField field) const {
        return input->findChild<QComboBox*>(QString::fromLatin1(fundis::formField(field).name));
    }
    QLabel* labelOf(const char* fieldName) const {
        return input->findChild<QLabel*>(QString::fromLatin1(fieldName) + QStringLiteral("Label"));
    }

    QString dataPath(const QString& name) const { return QDir(dataFolder.path()).filePath(name); }

    QTemporaryDir dataFolder;
    fundis::ScriptedDialogs dialogs;
    fundis::MainWindow* main = nullptr;
    fundis::InputDialog* input = nullptr;
    fundis::SettingsDialog* settingsDialog = nullptr;
};

}  // namespace fundis::testing
