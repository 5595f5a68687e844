// The main window's commands, driven as a user would, offscreen and in the Russian locale.

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "core/files/RecentFiles.h"
#include "gui/reports/SchemeWindow.h"
#include "gui/settlement/SettlementWindow.h"
#include "gui/widgets/ReportPane.h"
#include "support/WindowsFixture.h"

using fundis::testing::readFile;
using fundis::testing::WindowsFixture;

namespace {

QStringList paneTexts(const fundis::MainWindow& main) {
    QStringList texts;
    for (const fundis::ReportLine& line : fundis::reportPaneLines(*main.reportPane)) {
        texts << QString::fromStdString(line.text);
    }
    return texts;
}

bool closes(fundis::MainWindow& window) {
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);
    return close.isAccepted();
}

}  // namespace

// A new window: a useful size, no project, no results; every command one action shared by the menu
// and the toolbar, with its shortcut
TEST_F(WindowsFixture, StartsUntitledWithItsCommands) {
    EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Без имени[*] — Фундис"));
    EXPECT_FALSE(main->hasUnsavedChanges());
    EXPECT_TRUE(main->progressBar->isHidden());
    EXPECT_GE(main->width(), 520);
    EXPECT_GT(main->width(), main->minimumWidth());
    EXPECT_EQ(main->minimumSize(), QSize(520, 358));

    const std::pair<QToolButton*, const char*> buttons[] = {
        {main->openButton, "Ctrl+O"},   {main->saveButton, "Ctrl+S"},  {main->htmlButton, "Ctrl+F"},
        {main->printButton, "Ctrl+P"},  {main->inputButton, "Ctrl+I"}, {main->startButton, "Ctrl+G"},
        {main->schemeButton, "Ctrl+L"}, {main->helpButton, "F1"}};
    const QList<QAction*> menus = main->menuBar()->actions();
    for (const auto& [button, keys] : buttons) {
        QAction* action = button->defaultAction();
        ASSERT_NE(action, nullptr) << button->objectName().toStdString();
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys)));
        const bool inMenu = std::any_of(menus.begin(), menus.end(), [&](QAction* menu) {
            return menu->menu()->actions().contains(action);
        });
        EXPECT_TRUE(inMenu) << keys;
    }
    // the settlement is reachable with the toolbar hidden
    EXPECT_EQ(main->settlementButton->defaultAction()->text(), QStringLiteral("Расчет осадки"));
}

// The numbers of a calculation in the Russian locale are those of fundis-cli: a decimal comma in
// the report, the same base; documents before any calculation say so instead of drawing zeros
TEST_F(WindowsFixture, CalculatesInTheUsersLocale) {
    if (QLocale().decimalPoint() != QStringLiteral(",")) {
        GTEST_SKIP() << "no Russian locale on this machine (locale-gen ru_RU.UTF-8)";
    }
    main->showScheme();
    main->saveHtmlReport();
    main->printReport();
    EXPECT_EQ(dialogs.messages, QStringList(3, QStringLiteral("Сначала выполните расчет.")));
    EXPECT_TRUE(dialogs.shown.isEmpty() && dialogs.requests.empty());

    typeProject();
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation());
    EXPECT_FLOAT_EQ(main->lastCalculation()->record.b, 2.4f);
    EXPECT_FLOAT_EQ(main->lastCalculation()->record.l, 3.3f);
    const QStringList texts = paneTexts(*main);
    EXPECT_TRUE(texts.contains(QStringLiteral("Ширина подошвы\t\t\t\tb= 2,400м")))
        << texts.join('\n').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Длина подошвы\t\t\t\tl= 3,300м")));
    // the 1.1 button writes numbers for the file, with a point
    input->edit(3)->setText(QStringLiteral("123.45"));
    input->Button1Click();
    EXPECT_EQ(input->edit(32)->text(), QStringLiteral("135.795"));
}

// The documents belong to the last calculation: inputs changed afterwards (even without OK) mark the
// results out of date, and the scheme still shows the calculated base until the next calculation,
// which takes the dialog's present state
TEST_F(WindowsFixture, DocumentsShowTheLastCalculation) {
    typeProject();
    main->startCalculation();
    EXPECT_TRUE(main->staleMark->isHidden());

    dialogs.onExec = [](QDialog& dialog) {
        if (auto* form = qobject_cast<fundis::InputDialog*>(&dialog)) {
            form->edit(7)->setText(QStringLiteral("3900"));  // typed, then the dialog left with Esc
            emit form->formEdited();
        }
        return int(QDialog::Rejected);
    };
    main->editInput();
    EXPECT_FALSE(main->staleMark->isHidden());
    EXPECT_TRUE(main->resultsOutOfDate());

    fundis::ProjectRecord shown;
    dialogs.onExec = [&](QDialog& dialog) {
        if (qobject_cast<fundis::SchemeWindow*>(&dialog) != nullptr) {
            shown = *main->reportContext().data;
        }
        return int(QDialog::Rejected);
    };
    main->showScheme();
    EXPECT_FLOAT_EQ(shown.l, 3.3f);
    EXPECT_FLOAT_EQ(shown.NII[2], 1900.0f);

    dialogs.files = {dataPath(QStringLiteral("report.htm"))};
    main->saveHtmlReport();
    EXPECT_TRUE(readFile(dataPath(QStringLiteral("report.htm"))).contains("NII=1900"));

    main->startCalculation();
    EXPECT_FLOAT_EQ(main->lastCalculation()->record.NII[2], 3900.0f);
    EXPECT_TRUE(main->staleMark->isHidden());
}

// A table that cannot be read: no report of numbers from elsewhere, one message naming the file and
// where the folder is set
TEST_F(WindowsFixture, MissingTableStopsTheCalculation) {
    typeProject();
    main->startCalculation();
    main->settings.programDir = dataFolder.path().toStdString();
    main->startCalculation();
    EXPECT_FALSE(main->lastCalculation());
    EXPECT_TRUE(paneTexts(*main).isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(dataPath(QStringLiteral("Rb.dat"))));
    EXPECT_TRUE(dialogs.messages[0].contains(
        QStringLiteral("Настройка → Настройка параметров → Папка с программой")));
}

// Save writes to the project's file and asks a name only the first time; Save As always asks; both
// put the file first in the recent list, kept beside kp.ini
TEST_F(WindowsFixture, SaveAndSaveAs) {
    typeProject();
    emit input->formEdited();
    EXPECT_TRUE(main->hasUnsavedChanges());
    const QString first = dataPath(QStringLiteral("первый.dan"));
    dialogs.files = {first};
    main->saveCurrentProject();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].proposedName.endsWith(QStringLiteral("Фундамент.dan")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("первый.dan[*] — Фундис"));
    EXPECT_FALSE(main->hasUnsavedChanges());

    input->edit(4)->setText(QStringLiteral("1600"));
    main->saveCurrentProject();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(readFile(first).contains("\r\n1600\r\n"));

    const QString second = dataPath(QStringLiteral("второй.dan"));
    dialogs.files = {second};
    main->saveAs();
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[1].proposedName, first);
    EXPECT_EQ(main->fileName, second);
    const std::vector<std::string> recent = fundis::readRecentFiles(fundis::recentFilesPath());
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(QString::fromStdString(recent[0]), second);
    EXPECT_EQ(main->recentMenu->actions().size(), 2);
}

// Closing, "Новый" and "Открыть" ask before unsaved changes are lost: cancel keeps them, discard
// drops them, save writes them first
TEST_F(WindowsFixture, UnsavedChangesAreNotLostWithoutAQuestion) {
    EXPECT_TRUE(closes(*main));  // nothing to lose, nothing asked
    EXPECT_TRUE(dialogs.questions.isEmpty());

    fundis::testing::type(input->edit(13), QStringLiteral("30"));
    ASSERT_TRUE(main->hasUnsavedChanges());
    enum { kSave, kDiscard, kCancel };
    dialogs.answers = {kCancel};
    EXPECT_FALSE(closes(*main));
    dialogs.answers = {kCancel};
    main->newProject();
    EXPECT_EQ(input->edit(13)->text(), QStringLiteral("30"));
    EXPECT_EQ(dialogs.questions.size(), 2);

    const QString saved = dataPath(QStringLiteral("проект.dan"));
    dialogs.answers = {kSave};
    dialogs.files = {saved};
    main->newProject();
    EXPECT_TRUE(readFile(saved).contains("\r\n30\r\n"));
    EXPECT_EQ(input->edit(13)->text(), QString());
    EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));

    fundis::testing::type(input->edit(13), QStringLiteral("31"));
    dialogs.answers = {kDiscard};
    dialogs.files = {saved};
    main->chooseProjectToOpen();
    EXPECT_EQ(input->edit(13)->text(), QStringLiteral("30"));
    EXPECT_FALSE(main->hasUnsavedChanges());
}

// The recent list opens a project as "Открыть" does; a file that has gone is named and dropped
TEST_F(WindowsFixture, RecentFilesOpenOrAreDropped) {
    const QString path = dataPath(QStringLiteral("старый.dan"));
    dialogs.files = {path};
    main->saveCurrentProject();
    const QString gone = dataPath(QStringLiteral("пропал.dan"));
    dialogs.files = {gone};
    main->saveAs();
    QFile::remove(gone);

    input->edit(13)->setText(QStringLiteral("12"));
    main->recentMenu->actions().at(1)->trigger();  // старый.dan, a step back
    EXPECT_EQ(main->fileName, path);
    EXPECT_EQ(input->edit(13)->text(), QString());
    EXPECT_TRUE(dialogs.shown.contains(QStringLiteral("InputDialog")));

    main->recentMenu->actions().at(1)->trigger();  // пропал.dan
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().contains(gone));
    EXPECT_EQ(main->recentMenu->actions().size(), 1);
}

// "fundis FILE.dan" opens the project once the settings are there; the window's place and size come
// back at the next start
TEST_F(WindowsFixture, StartFileAndRememberedGeometry) {
    const QString path = dataPath(QStringLiteral("запуск.dan"));
    dialogs.files = {path};
    main->saveCurrentProject();

    main->setGeometry(QRect(40, 50, 700, 500));
    ASSERT_TRUE(closes(*main));
    // a second start, with the project on the command line
    delete main;
    main = new fundis::MainWindow;
    EXPECT_EQ(main->size(), QSize(700, 500));
    input = new fundis::InputDialog(main);
    settingsDialog = new fundis::SettingsDialog(main);
    main->attachDialogs(input, settingsDialog);
    main->openAtStart(path);
    main->firstActivation();
    QApplication::processEvents();
    EXPECT_EQ(main->fileName, path);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("запуск.dan[*] — Фундис"));
}

// A long hint never widens the window; it leaves with the dialog that showed it
TEST_F(WindowsFixture, StatusBarKeepsTheWindowsWidth) {
    main->show();
    const int width = main->width();
    QStatusTipEvent tip(QString(400, QChar(u'ж')));
    QApplication::sendEvent(input->edit(1), &tip);
    QApplication::processEvents();
    EXPECT_EQ(main->width(), width);
    EXPECT_LT(main->minimumSizeHint().width(), width);
    EXPECT_EQ(main->hintPanel->text().size(), 400);
    main->editInput();
    EXPECT_TRUE(main->hintPanel->text().isEmpty());

    QStatusTipEvent hint(main->startButton->statusTip());
    QApplication::sendEvent(main->startButton, &hint);
    EXPECT_EQ(main->hintPanel->text(), QStringLiteral("Начать расчет"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(main->startButton, &leave);
    EXPECT_TRUE(main->hintPanel->text().isEmpty());
}

// "Расчет осадки" opens the settlement window on the last calculation; the layers typed there
// belong to the project (an unsaved change, saved with it); a program "S" of the user's own in the
// program folder starts instead, as it always did
TEST_F(WindowsFixture, SettlementButtonOpensTheWindowOrTheUsersProgram) {
    typeProject();
    main->startCalculation();
    dialogs.onExec = [](QDialog& dialog) {
        if (auto* window = qobject_cast<fundis::SettlementWindow*>(&dialog)) {
            window->addLayer();
            window->LayersTable->item(0, 0)->setText(QStringLiteral("3"));
            window->LayersTable->item(0, 1)->setText(QStringLiteral("18,5"));
            window->LayersTable->item(0, 2)->setText(QStringLiteral("12"));
            window->calculate();
        }
        return int(QDialog::Rejected);
    };
    main->settlementButton->defaultAction()->trigger();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("SettlementForm")});
    ASSERT_EQ(main->settlementInputs().layers.size(), 1u);
    EXPECT_EQ(main->settlementInputs().layers[0].gamma, "18,5");
    EXPECT_TRUE(main->hasUnsavedChanges());
    ASSERT_TRUE(main->lastCalculation()->settlement);
    EXPECT_GT(main->lastCalculation()->settlement->result.s, 0.0);

    const QString saved = dataPath(QStringLiteral("осадка.dan"));
    dialogs.files = {saved};
    main->saveCurrentProject();
    EXPECT_TRUE(readFile(saved).contains("\r\nS\r\n1\r\n0\r\n#\r\n3\r\n18,5\r\n12"));

    const QString program = dataPath(QStringLiteral("S"));
    const QString started = dataPath(QStringLiteral("started"));
    fundis::testing::writeFile(program, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(started).toUtf8());
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    main->settings.programDir = dataFolder.path().toStdString();
    main->showSettlement();
    for (int i = 0; i < 50 && !QFile::exists(started); ++i) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(QFile::exists(started));
    EXPECT_EQ(dialogs.shown.size(), 1);
}

namespace {

// The layers of a settlement under the typed project.
void typeLayers(fundis::SettlementWindow& window) {
    window.addLayer();
    window.LayersTable->item(0, 0)->setText(QStringLiteral("3"));
    window.LayersTable->item(0, 1)->setText(QStringLiteral("18,5"));
    window.LayersTable->item(0, 2)->setText(QStringLiteral("12"));
}

QString pdfText(const QString& path, int page) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                path, QStringLiteral("-")});
    return text.waitForFinished(30000) ? QString::fromUtf8(text.readAllStandardOutput()).simplified()
                                       : QString();
}

}  // namespace

// "Открыть" and "Новый" start clean: the report pane, the last calculation and the out-of-date mark
// go with the project they belonged to, and the HTML report's proposed name is the new project's
TEST_F(WindowsFixture, OpenAndNewForgetTheLastCalculation) {
    const QString first = dataPath(QStringLiteral("первый.dan"));
    const QString second = dataPath(QStringLiteral("второй.dan"));
    typeProject();
    dialogs.files = {second};
    main->saveCurrentProject();
    dialogs.files = {first};
    main->saveAs();
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation());
    dialogs.files = {dataPath(QStringLiteral("отчеты/первый.htm"))};
    QDir().mkpath(dataPath(QStringLiteral("отчеты")));
    main->saveHtmlReport();
    EXPECT_TRUE(dialogs.requests.back().proposedName.endsWith(QStringLiteral("/первый.htm")));
    fundis::testing::type(input->edit(7), QStringLiteral("3900"));
    ASSERT_FALSE(main->staleMark->isHidden());

    const auto expectClean = [&] {
        EXPECT_FALSE(main->lastCalculation());
        EXPECT_TRUE(paneTexts(*main).isEmpty());
        EXPECT_TRUE(main->staleMark->isHidden());
        main->saveHtmlReport();
        EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Сначала выполните расчет."));
    };
    enum { kSave, kDiscard, kCancel };
    dialogs.answers = {kDiscard};
    dialogs.files = {second};
    main->chooseProjectToOpen();
    EXPECT_TRUE(dialogs.answers.empty());  // asked about the typed change, not kept
    EXPECT_EQ(main->fileName, second);
    expectClean();

    main->startCalculation();
    const std::size_t asked = dialogs.requests.size();
    dialogs.files = {};
    main->saveHtmlReport();
    ASSERT_EQ(dialogs.requests.size(), asked + 1);
    // the folder of the last report, the name of this project
    EXPECT_EQ(dialogs.requests.back().proposedName, dataPath(QStringLiteral("отчеты/второй.htm")));
    if (QPrinterInfo::availablePrinters().isEmpty()) {  // "Печать" asks for a PDF file
        main->printReport();
        ASSERT_EQ(dialogs.requests.size(), asked + 2);
        EXPECT_TRUE(dialogs.requests.back().proposedName.endsWith(QStringLiteral("/второй.pdf")));
    }

    main->newProject();
    EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));
    expectClean();
}

// Documents of an out-of-date calculation say so at their top; the red lines of the calculation
// stand in the HTML before the results, as the pane shows them
TEST_F(WindowsFixture, DocumentsCarryTheVerdict) {
    main->openProject(QStringLiteral(FUNDIS_TEST_DATA_DIR "/heavy_shallow_failure.dan"));
    main->startCalculation();  // a base, punched through its socket bottom, with steps too tall
    std::vector<std::string> red;
    for (const fundis::ReportLine& line : fundis::reportPaneLines(*main->reportPane)) {
        if (line.failure && !line.text.empty()) {
            red.push_back(line.text);
        }
    }
    ASSERT_FALSE(red.empty());
    const QString fresh = dataPath(QStringLiteral("fresh.htm"));
    dialogs.files = {fresh};
    main->saveHtmlReport();
    QString page = QString::fromUtf8(readFile(fresh));
    EXPECT_FALSE(page.contains(QString::fromUtf8(fundis::kOutOfDateLine)));
    const qsizetype results = page.indexOf(QStringLiteral("<li>Площадь подошвы фундамента"));
    for (const std::string& line : red) {
        const qsizetype at = page.indexOf(QString::fromStdString(line));
        EXPECT_TRUE(at > page.indexOf(QStringLiteral("<B>РАСЧЕТНЫЕ ДАННЫЕ</B>")) && at < results) << line;
    }

    input->edit(4)->setText(QStringLiteral("1550"));
    main->editInput();
    EXPECT_TRUE(main->reportContext().outOfDate);
    const QString stale = dataPath(QStringLiteral("stale.htm"));
    dialogs.files = {stale};
    main->saveHtmlReport();
    page = QString::fromUtf8(readFile(stale));
    EXPECT_LT(page.indexOf(QString::fromUtf8(fundis::kOutOfDateLine)),
              page.indexOf(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));
    EXPECT_GT(page.indexOf(QString::fromUtf8(fundis::kOutOfDateLine)), 0);
}

// "Печать" prints the pages fundis-cli --pdf writes: with the project's layers, the settlement
// page is the fourth (into a PDF, with no printer installed)
TEST_F(WindowsFixture, PrintHasTheSettlementPage) {
    typeProject();
    dialogs.onExec = [](QDialog& dialog) {
        if (auto* window = qobject_cast<fundis::SettlementWindow*>(&dialog)) {
            typeLayers(*window);
        }
        return int(QDialog::Rejected);
    };
    main->showSettlement();
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation() && main->lastCalculation()->settlement);
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the pages would go to it";
    }
    const QString pdf = dataPath(QStringLiteral("печать.pdf"));
    dialogs.files = {pdf};
    main->printReport();
    const QString bytes = QString::fromLatin1(readFile(pdf));
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 4);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils missing: the pages' texts not checked";
    }
    EXPECT_TRUE(pdfText(pdf, 1).contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));
    EXPECT_TRUE(pdfText(pdf, 3).contains(QStringLiteral("Схема фундамента")));
    EXPECT_TRUE(pdfText(pdf, 4).contains(QStringLiteral("РАСЧЕТ ОСАДКИ ФУНДАМЕНТА")));
}

// The settlement window stands on the last calculation: when the inputs changed since, it says so
// in its own window and before the report of the settlement it computes; after a calculation that
// found no base, it says the foundation was not designed
TEST_F(WindowsFixture, SettlementWindowSaysWhatItStandsOn) {
    typeProject();
    main->startCalculation();
    input->edit(4)->setText(QStringLiteral("1550"));
    main->editInput();
    QString notice;
    QStringList report;
    dialogs.onExec = [&](QDialog& dialog) {
        if (auto* window = qobject_cast<fundis::SettlementWindow*>(&dialog)) {
            const auto* label = window->findChild<QLabel*>(QStringLiteral("designNotice"));
            notice = label != nullptr && !label->isHidden() ? label->text() : QString();
            typeLayers(*window);
            window->calculate();
            report.clear();
            for (const fundis::ReportLine& line : fundis::reportPaneLines(*window->findChild<QTextEdit*>())) {
                report << QString::fromStdString(line.text) +
                              (line.failure ? QStringLiteral(" [red]") : QString());
            }
        }
        return int(QDialog::Rejected);
    };
    main->showSettlement();
    EXPECT_TRUE(notice.startsWith(QString::fromUtf8(fundis::kOutOfDateLine))) << notice.toStdString();
    ASSERT_GE(report.size(), 3);
    EXPECT_EQ(report[0], QString::fromUtf8(fundis::kOutOfDateLine) + QStringLiteral(" [red]"));
    EXPECT_TRUE(report.contains(QStringLiteral("РАСЧЕТ ОСАДКИ ФУНДАМЕНТА")));

    for (int number : {4, 7, 10, 33, 36, 39}) {
        input->edit(number)->setText(QStringLiteral("90000"));  // no base up to 10 x 10 m carries it
    }
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation());
    ASSERT_EQ(main->lastCalculation()->record.b, 0.0f);
    main->showSettlement();
    EXPECT_EQ(notice, QString::fromUtf8(fundis::kFoundationNotDesigned));
    EXPECT_TRUE(report.contains(QString::fromUtf8(fundis::kFoundationNotDesigned) + QStringLiteral(" [red]")))
        << report.join('\n').toStdString();
    EXPECT_FALSE(report.join('\n').contains(QStringLiteral("Сначала выполните расчет")));
}
