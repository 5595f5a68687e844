#include "tools/Screenshots.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <QToolButton>
#include <cstdio>

#include <QMessageBox>
#include <memory>

#include "gui/app/AboutBox.h"
#include "gui/app/MainWindow.h"
#include "gui/app/SplashScreen.h"
#include "gui/input/InputDialog.h"
#include "gui/reports/SchemeWindow.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/settlement/SettlementWindow.h"
#include "gui/widgets/Dialogs.h"
#include "tools/ScriptedDialogs.h"

namespace fundis {

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
}

bool save(QWidget& window, const QString& folder, const QString& name) {
    settle();
    return window.grab().save(QDir(folder).filePath(name));
}

// The window with the frame its window manager gives it, as the user sees it on the screen.
bool saveFramed(QWidget& window, const QString& folder, const QString& name) {
    settle();
    QThread::msleep(300);  // the window manager places and decorates it
    settle();
    const QRect frame = window.frameGeometry();
    QScreen* screen = window.screen();
    return screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(QDir(folder).filePath(name));
}

}  // namespace

bool takeScreenshots(fundis::MainWindow& main, fundis::InputDialog& input,
                     fundis::SettingsDialog& settingsDialog, const QString& folder, const QString& project) {
    QDir().mkpath(folder);
    bool ok = true;

    // the main window as a first start leaves it, framed
    ok = saveFramed(main, folder, QStringLiteral("main-first-start.png")) && ok;
    {
        // the open dialog, in Russian, in the data folder
        QFileDialog dialog(&main, QStringLiteral("Открытие файла с исходными данными"), main.dialogFolder());
        dialog.setNameFilters({QStringLiteral("Данные       (*.dan)"), QStringLiteral("Все файлы  (*.*)")});
        dialog.show();
        ok = saveFramed(dialog, folder, QStringLiteral("file-dialog.png")) && ok;
    }

    // the project comes in through the open command; its input dialog is confirmed with OK
    ScriptedDialogs scripted;
    Dialogs* const previous = setDialogs(&scripted);
    if (!project.isEmpty()) {
        scripted.files << project;
        main.chooseProjectToOpen();
    }
    main.startCalculation();
    // a hint in panel 1, as when the mouse rests on the start button
    QStatusTipEvent tip(main.startButton->statusTip());
    QApplication::sendEvent(main.startButton, &tip);
    ok = save(main, folder, QStringLiteral("main.png")) && ok;
    // the end of the report, where the failure lines stand
    main.reportPane->moveCursor(QTextCursor::End);
    main.reportPane->ensureCursorVisible();
    ok = save(main, folder, QStringLiteral("main-end.png")) && ok;
    main.reportPane->moveCursor(QTextCursor::Start);

    // a comma and a blank where numbers belong: OK lists what they will be read as
    const QString load = input.edit(7)->text();
    input.edit(7)->setText(QStringLiteral("1 900"));
    input.edit(16)->setText(QStringLiteral("18,5"));
    scripted.onQuestion = [&](QWidget* parent, const QString& caption, const QString& text,
                              const QStringList& buttons, int defaultButton, int escapeButton) {
        const std::unique_ptr<QMessageBox> box =
            makeQuestionBox(parent, caption, text, buttons, defaultButton, escapeButton);
        box->show();
        ok = save(*box, folder, QStringLiteral("unreadable-fields.png")) && ok;
        return defaultButton;
    };
    input.show();
    input.OKButtonClick();
    input.hide();
    scripted.onQuestion = nullptr;
    input.edit(16)->setText(QStringLiteral("18.5"));
    input.edit(7)->setText(load);
    // a changed load after the calculation: the results are out of date
    input.edit(7)->setText(load + QStringLiteral("0"));
    emit input.formEdited();
    ok = save(main, folder, QStringLiteral("main-out-of-date.png")) && ok;
    input.edit(7)->setText(load);
    emit input.formEdited();
    setDialogs(previous);

    input.show();
    for (int tab = 0; tab < input.PageControl1->count(); ++tab) {
        input.PageControl1->setCurrentIndex(tab);
        ok = save(input, folder, QStringLiteral("input-%1.png").arg(tab + 1)) && ok;
    }
    input.PageControl1->setCurrentIndex(0);
    input.hide();

    {
        // the settlement window of the project's layers, calculated
        const ProjectRecord* design = main.lastCalculation() ? &main.lastCalculation()->record : nullptr;
        fundis::SettlementWindow settlement(&main, main.settlementInputs(), design, main.decimalSeparator(),
                                            main.printer(), main.dialogFolder());
        settlement.show();
        settlement.calculate();
        ok = saveFramed(settlement, folder, QStringLiteral("settlement.png")) && ok;
    }
    {
        // the scheme window as it opens, fitted, and zoomed in twice
        fundis::SchemeWindow scheme(&main, main.reportContext(), main.printer(), main.dialogFolder());
        scheme.show();
        ok = saveFramed(scheme, folder, QStringLiteral("scheme-fitted.png")) && ok;
        scheme.zoomBy(1.25 * 1.25);
        ok = saveFramed(scheme, folder, QStringLiteral("scheme-zoomed.png")) && ok;
    }

    settingsDialog.show();
    ok = save(settingsDialog, folder, QStringLiteral("settings.png")) && ok;
    // the chooser beside the settings, as "..." of the data folder opens it
    if (auto* dataFolderButton = settingsDialog.findChild<QPushButton*>(QStringLiteral("dataFolderButton"))) {
        dataFolderButton->click();
    }
    ok = save(settingsDialog, folder, QStringLiteral("settings-chooser.png")) && ok;
    settingsDialog.reject();

    fundis::AboutBox about(&main);
    about.show();
    ok = save(about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    fundis::SplashScreen splash;
    splash.show();
    ok = save(splash, folder, QStringLiteral("splash.png")) && ok;
    splash.hide();
    return ok;
}

}  // namespace fundis
