// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "gui/app/HelpWindow.h"
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
    scripted.acceptQuestions = true;
    Dialogs* const previous = setDialogs(&scripted);
    if (!project.isEmpty()) {
        scripted.files << project;
        main.openProject();
    }
    main.startCalculation();
    // a hint in panel 1, as when the mouse rests on the start button
    auto* startButton = main.findChild<QToolButton*>(QStringLiteral("startButton"));
    QStatusTipEvent tip(startButton->statusTip());
    QApplication::sendEvent(startButton, &tip);
    ok = save(main, folder, QStringLiteral("main.png")) && ok;
    // the end of the report, where the failure lines stand
    auto* reportPane = main.findChild<QTextEdit*>(QStringLiteral("reportPane"));
    reportPane->moveCursor(QTextCursor::End);
    reportPane->ensureCursorVisible();
    ok = save(main, folder, QStringLiteral("main-end.png")) && ok;
    reportPane->moveCursor(QTextCursor::Start);

    // a comma and a blank where numbers belong, and a required field left empty: OK lists what
    // the numbers will be read as and the fields the calculation cannot go without
    const ProjectForm calculated = input.form();
    ProjectForm typed = calculated;
    typed.text(TextField::NII2) = "1 900";
    typed.text(TextField::Yii) = "18,5";
    typed.text(TextField::Yii1).clear();
    input.setForm(typed);
    scripted.onQuestion = [&](QWidget* parent, const QString& caption, const QString& text,
                              const QStringList& buttons, int defaultButton, int escapeButton) {
        const std::unique_ptr<QMessageBox> box =
            makeQuestionBox(parent, caption, text, buttons, defaultButton, escapeButton);
        box->show();
        ok = saveFramed(*box, folder, QStringLiteral("unreadable-fields.png")) && ok;
        return defaultButton;
    };
    input.show();
    input.confirmInput();
    input.hide();
    scripted.onQuestion = nullptr;
    // calculated as it is: the report pane names the field instead of a report
    main.startCalculation();
    ok = save(main, folder, QStringLiteral("main-refused.png")) && ok;
    input.setForm(calculated);
    main.startCalculation();
    // a changed load after the calculation: the results are out of date
    typed = calculated;
    typed.text(TextField::NII2) += "0";
    input.setForm(typed);
    emit input.formEdited();
    ok = save(main, folder, QStringLiteral("main-out-of-date.png")) && ok;
    input.setForm(calculated);
    emit input.formEdited();
    setDialogs(previous);

    input.show();
    auto* tabs = input.findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        ok = saveFramed(input, folder, QStringLiteral("input-%1.png").arg(tab + 1)) && ok;
    }
    tabs->setCurrentIndex(0);
    input.hide();

    {
        // a warning with an OK button: the tables' folder is gone when the calculation starts
        ScriptedDialogs messages;
        Dialogs* const before = setDialogs(&messages);
        const std::string tables = main.settings().programDir;
        main.settings().programDir = QDir::temp().filePath(QStringLiteral("нет такой папки")).toStdString();
        main.startCalculation();
        main.settings().programDir = tables;
        main.startCalculation();
        setDialogs(before);
        if (!messages.messages.isEmpty()) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Фундис"), messages.messages.constFirst(),
                            QMessageBox::Ok, &main);
            box.show();
            ok = saveFramed(box, folder, QStringLiteral("message.png")) && ok;
        } else {
            ok = false;
        }
    }
    {
        // the calculation note, as "Пояснительная записка" opens it
        ScriptedDialogs note;
        note.onExec = [&](QDialog& window) {
            window.show();
            ok = saveFramed(window, folder, QStringLiteral("note.png")) && ok;
            return static_cast<int>(QDialog::Accepted);
        };
        Dialogs* const before = setDialogs(&note);
        main.showNote();
        setDialogs(before);
    }
    {
        // the settlement window of the project's layers, calculated
        const ReportContext design = main.reportContext();
        fundis::SettlementWindow settlement(&main, main.document().settlementInputs(),
                                            main.lastCalculation() ? &design : nullptr,
                                            main.decimalSeparator(), main.printer(), main.dialogFolder());
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
    ok = saveFramed(settingsDialog, folder, QStringLiteral("settings.png")) && ok;
    // the chooser beside the settings, as "..." of the data folder opens it
    if (auto* dataFolderButton = settingsDialog.findChild<QPushButton*>(QStringLiteral("dataFolderButton"))) {
        dataFolderButton->click();
    }
    ok = saveFramed(settingsDialog, folder, QStringLiteral("settings-chooser.png")) && ok;
    settingsDialog.reject();

    fundis::AboutBox about(&main);
    about.show();
    ok = saveFramed(about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    // F1 on a desktop without a browser
    fundis::HelpWindow help(
        &main, QString::fromStdString(main.settings().programDir) + QStringLiteral("/Help/index.htm"));
    help.show();
    ok = saveFramed(help, folder, QStringLiteral("help.png")) && ok;
    help.hide();

    fundis::SplashScreen splash;
    splash.show();
    ok = save(splash, folder, QStringLiteral("splash.png")) && ok;
    splash.hide();
    return ok;
}

}  // namespace fundis
