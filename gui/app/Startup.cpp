// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/app/MainWindow.h"
#include "gui/app/SplashScreen.h"
#include "gui/input/InputDialog.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/widgets/Fonts.h"

namespace fundis {

namespace {

MainWindow* mainWindow = nullptr;  // owns the input and settings dialogs
SplashScreen* splash = nullptr;

}  // namespace

MainWindow& startWindows(const QString& project) {
    QApplication::setApplicationName(QStringLiteral("fundis"));
    QApplication::setApplicationDisplayName(QStringLiteral("Фундис"));
    QApplication::setApplicationVersion(QStringLiteral(FUNDIS_VERSION));
    QApplication::setFont(windowFont());
    // the program speaks Russian, so do the file, print and message dialogs of Qt
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    mainWindow = new MainWindow;
    if (!project.isEmpty()) {
        mainWindow->openAtStart(project);
    }
    mainWindow->attachDialogs(new InputDialog(mainWindow), new SettingsDialog(mainWindow));
    splash = new SplashScreen;
    splash->showForAMoment();
    mainWindow->show();
    return *mainWindow;
}

void endWindows() {
    delete splash;
    splash = nullptr;
    delete mainWindow;
    mainWindow = nullptr;
}

}  // namespace fundis
