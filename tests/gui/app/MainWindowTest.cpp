// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, driven as a user would, offscreen and in the Russian locale.

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "core/files/Examples.h"
#include "core/files/RecentFiles.h"
#include "gui/app/HelpWindow.h"
#include "gui/reports/SchemeWindow.h"
#include "gui/settlement/SettlementWindow.h"
#include "gui/widgets/OnScreen.h"
#include "support/WindowsFixture.h"

using fundis::testing::child;
using fundis::testing::readFile;
using fundis::testing::WindowsFixture;

namespace {

// the buttons of the question about unsaved changes
enum { kSave, kDiscard, kCancel };

bool closes(fundis::MainWindow& window) {
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);
    return close.isAccepted();
}

}  // namespace

// A new window: a useful size, no project, and in the empty pane how to begin, until "Новый" or a
// calculation; documents before it say so instead of drawing zeros. The 1.1 button writes numbers
// for the file, with a point in the Russian locale too (the report's decimal comma and numbers are
// the acceptance samples' run through the windows)
TEST_F(WindowsFixture, StartsUntitledAndWaitsForACalculation) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Без имени[*] — Фундис"));
    EXPECT_FALSE(main->document().hasUnsavedChanges());
    EXPECT_TRUE(child<QProgressBar>(*main, "progressBar")->isHidden());
    EXPECT_GT(main->width(), main->minimumWidth());
    auto* pane = child<QTextEdit>(*main, "reportPane");
    EXPECT_TRUE(pane->document()->isEmpty());
    EXPECT_FALSE(pane->placeholderText().isEmpty());
    main->showScheme();
    main->saveHtmlReport();
    main->printReport();
    main->exportDxf();
    EXPECT_EQ(dialogs.messages, QStringList(4, QStringLiteral("Сначала выполните расчет.")));
    EXPECT_TRUE(dialogs.shown.isEmpty() && dialogs.requests.empty());

    textEdit(fundis::TextField::MII1)->setText(QStringLiteral("123.45"));
    input->fillReliabilityFactor();
    EXPECT_EQ(textEdit(fundis::TextField::MI1)->text(), QStringLiteral("135.795"));
    dialogs.answers = {kDiscard};
    main->newProject();
    EXPECT_TRUE(pane->placeholderText().isEmpty());
    calculateProject();
    EXPECT_FALSE(pane->document()->isEmpty());
}

// The documents belong to the last calculation: a cancelled input dialog changes neither the project
// nor what is calculated; inputs changed afterwards mark the results out of date (the mark, and the
// line in the HTML report), and the scheme still shows the calculated base until the next
// calculation, which takes the dialog's present state
TEST_F(WindowsFixture, DocumentsShowTheLastCalculation) {
    calculateProject();
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());
    dialogs.onExec = [this](QDialog& dialog) {
        input->show();
        fundis::testing::type(textEdit(fundis::TextField::NII2), QStringLiteral("abc"));
        dialogs.answers = {1};  // "Отменить изменения"
        QTest::keyClick(input, Qt::Key_Escape);
        return dialog.result();
    };
    main->editInput();
    EXPECT_FALSE(main->document().hasUnsavedChanges() || main->resultsOutOfDate());
    dialogs.onExec = nullptr;

    fundis::testing::type(textEdit(fundis::TextField::NII2), QStringLiteral("3900"));
    main->editInput();
    EXPECT_FALSE(child<QLabel>(*main, "staleMark")->isHidden());

    fundis::ProjectRecord shown;
    float shownLength = 0;
    dialogs.onExec = [&](QDialog& dialog) {
        if (qobject_cast<fundis::SchemeWindow*>(&dialog) != nullptr) {
            const fundis::Design design = fundis::shownDesign(main->reportContext());
            shown = design.inputs;
            shownLength = fundis::designedLength(design.result);
        }
        return int(QDialog::Rejected);
    };
    main->showScheme();
    EXPECT_FLOAT_EQ(shownLength, 3.3f);
    EXPECT_FLOAT_EQ(shown.NII[2], 1900.0f);

    dialogs.files = {dataPath(QStringLiteral("report.htm"))};
    main->saveHtmlReport();
    const QByteArray report = readFile(dataPath(QStringLiteral("report.htm")));
    EXPECT_TRUE(report.contains("NII=1900") && report.contains(fundis::kOutOfDateLine));
    EXPECT_EQ(dialogs.requests.back().filters.filter(QStringLiteral("txt")), QStringList());

    main->startCalculation();
    EXPECT_FLOAT_EQ(main->lastCalculation()->record.NII[2], 3900.0f);
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());
}

// "Файл" → "Экспорт в DXF...": a save dialog offering the project's name with .dxf, then the scheme
// of the last calculation at true size, the base 3300 mm long; a file that cannot be written is named
TEST_F(WindowsFixture, ExportsTheSchemeToDxf) {
    QAction* item = child<QAction>(*main, "exportDxf");
    ASSERT_NE(item, nullptr);
    calculateProject();
    dialogs.files = {dataPath(QStringLiteral("схема.dxf"))};
    item->trigger();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].save);
    EXPECT_TRUE(dialogs.requests[0].proposedName.endsWith(QStringLiteral("Фундамент.dxf")));
    EXPECT_EQ(dialogs.requests[0].defaultSuffix, QStringLiteral("dxf"));
    EXPECT_TRUE(readFile(dataPath(QStringLiteral("схема.dxf")))
                    .contains("\n 10\n3300.0\n"));  // the base's right edge, from the origin at its left
    EXPECT_TRUE(dialogs.messages.isEmpty());

    dialogs.files = {dataPath(QStringLiteral("нет/схема.dxf"))};
    item->trigger();
    // the project's name again, in the folder of the last drawing
    EXPECT_EQ(dialogs.requests.back().proposedName, dataPath(QStringLiteral("Фундамент.dxf")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(dataPath(QStringLiteral("нет/схема.dxf"))));
}

// A calculation refused leaves the documents no calculation to show and no report of numbers: a
// field it cannot go without is one red line in the pane naming the field, and no message box; a
// table that cannot be read is one message naming the file and where the folder is set
TEST_F(WindowsFixture, RefusedCalculationsSayWhy) {
    calculateProject();
    ASSERT_TRUE(main->lastCalculation());
    textEdit(fundis::TextField::NI2)->clear();
    main->startCalculation();
    EXPECT_FALSE(main->lastCalculation());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    const std::vector<fundis::ReportLine> lines = main->reportLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].failure);
    EXPECT_EQ(lines[0].text.rfind("Расчет не выполнен: N, Nmax, I предельное состояние", 0), 0u)
        << lines[0].text;
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());

    calculateProject();
    ASSERT_TRUE(main->lastCalculation());
    main->settings().programDir = dataFolder.path().toStdString();
    main->startCalculation();
    EXPECT_FALSE(main->lastCalculation());
    EXPECT_TRUE(main->reportLines().empty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(dataPath(QStringLiteral("Rb.dat"))) &&
                dialogs.messages[0].contains(
                    QStringLiteral("Настройка → Настройка параметров → Папка с программой")));
}

// Save writes to the project's file and asks a name only the first time; Save As always asks; both
// put the file first in the recent list, kept beside kp.ini; the title's mark and the status bar's
// panel follow the project. The recent list opens a project as "Открыть" does, and a file that has
// gone is named and dropped; "fundis FILE.dan" opens the project once the settings are there
TEST_F(WindowsFixture, SaveSaveAsRecentFilesAndTheStartFile) {
    typeProject();
    emit input->formEdited();
    EXPECT_TRUE(main->document().hasUnsavedChanges() && main->isWindowModified());
    const QString first = dataPath(QStringLiteral("первый.dan"));
    dialogs.files = {first};
    main->saveProject();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].proposedName.endsWith(QStringLiteral("Фундамент.dan")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("первый.dan[*] — Фундис"));
    EXPECT_FALSE(main->document().hasUnsavedChanges() || main->isWindowModified());
    EXPECT_EQ(child<QLabel>(*main, "fileNamePanel")->text(), first);

    textEdit(fundis::TextField::NII1)->setText(QStringLiteral("1600"));
    main->saveProject();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(readFile(first).contains("\r\n1600\r\n"));

    const QString second = dataPath(QStringLiteral("второй.dan"));
    dialogs.files = {second};
    main->saveProjectAs();
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[1].proposedName, first);
    EXPECT_EQ(main->document().fileName(), second);
    const std::vector<std::string> recent = fundis::readRecentFiles(fundis::recentFilesPath());
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(QString::fromStdString(recent[0]), second);

    auto* recentMenu = child<QMenu>(*main, "recentMenu");
    ASSERT_EQ(recentMenu->actions().size(), 2);
    textEdit(fundis::TextField::NII1)->setText(QStringLiteral("1700"));
    recentMenu->actions().at(1)->trigger();  // первый.dan, a step back
    EXPECT_EQ(main->document().fileName(), first);
    EXPECT_EQ(textEdit(fundis::TextField::NII1)->text(), QStringLiteral("1600"));
    EXPECT_TRUE(dialogs.shown.contains(QStringLiteral("InputDialog")));
    QFile::remove(second);
    recentMenu->actions().at(1)->trigger();
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().contains(second));
    EXPECT_EQ(recentMenu->actions().size(), 1);

    ASSERT_TRUE(closes(*main));
    delete main;
    startWindows(first);  // a second start, with the project on the command line
    QApplication::processEvents();
    EXPECT_EQ(main->document().fileName(), first);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("первый.dan[*] — Фундис"));
}

// Closing, "Новый" and "Открыть" ask before unsaved changes are lost: cancel keeps them, discard
// drops them, save writes them first. "Открыть" and "Новый" start clean: the report pane, the last
// calculation, the out-of-date mark and the start's hint go with the project they belonged to, and
// the documents' proposed names are the new project's, in the folder of the last such document
TEST_F(WindowsFixture, UnsavedChangesOpenAndNew) {
    const QString first = dataPath(QStringLiteral("первый.dan"));
    const QString second = dataPath(QStringLiteral("второй.dan"));
    typeProject();
    dialogs.files = {second, first};
    main->saveProject();
    main->saveProjectAs();
    EXPECT_TRUE(closes(*main));  // nothing to lose, nothing asked
    EXPECT_TRUE(dialogs.questions.isEmpty());
    main->startCalculation();
    dialogs.files = {dataPath(QStringLiteral("отчеты/первый.htm"))};
    QDir().mkpath(dataPath(QStringLiteral("отчеты")));
    main->saveHtmlReport();

    fundis::testing::type(textEdit(fundis::TextField::fii), QStringLiteral("31"));
    ASSERT_TRUE(main->document().hasUnsavedChanges());
    ASSERT_FALSE(child<QLabel>(*main, "staleMark")->isHidden());
    dialogs.answers = {kCancel};
    EXPECT_FALSE(closes(*main));
    dialogs.answers = {kCancel};
    main->newProject();
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QStringLiteral("31"));
    EXPECT_TRUE(main->lastCalculation());
    EXPECT_EQ(dialogs.questions.size(), 2);

    const auto expectClean = [&] {
        EXPECT_FALSE(main->lastCalculation());
        EXPECT_TRUE(main->reportLines().empty());
        EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());
        main->saveHtmlReport();
        EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Сначала выполните расчет."));
    };
    dialogs.answers = {kDiscard};
    dialogs.files = {second};
    main->openProject();
    EXPECT_EQ(main->document().fileName(), second);
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QStringLiteral("28"));
    EXPECT_FALSE(main->document().hasUnsavedChanges());
    expectClean();

    main->startCalculation();
    const std::size_t asked = dialogs.requests.size();
    dialogs.files = {};
    main->saveHtmlReport();
    ASSERT_EQ(dialogs.requests.size(), asked + 1);
    EXPECT_EQ(dialogs.requests.back().proposedName, dataPath(QStringLiteral("отчеты/второй.htm")));
    if (QPrinterInfo::availablePrinters().isEmpty()) {  // "Печать" asks for a PDF file
        main->printReport();
        ASSERT_EQ(dialogs.requests.size(), asked + 2);
        EXPECT_TRUE(dialogs.requests.back().proposedName.endsWith(QStringLiteral("/второй.pdf")));
    }

    fundis::testing::type(textEdit(fundis::TextField::fii), QStringLiteral("32"));
    dialogs.answers = {kSave};
    main->newProject();
    EXPECT_TRUE(readFile(second).contains("\r\n32\r\n"));
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QString());
    EXPECT_EQ(main->document().fileName(), QStringLiteral("Без имени"));
    expectClean();
}

// A long hint never widens the window; it leaves with the dialog that showed it. The panels side by
// side: the progress bar of a calculation at the right end, on neither the file name nor the hint
TEST_F(WindowsFixture, StatusBarHintsAndPanels) {
    main->show();
    const int width = main->width();
    QStatusTipEvent tip(QString(400, QChar(u'ж')));
    QApplication::sendEvent(textEdit(fundis::TextField::Mt), &tip);
    QApplication::processEvents();
    EXPECT_EQ(main->width(), width);
    EXPECT_LT(main->minimumSizeHint().width(), width);
    EXPECT_EQ(child<QLabel>(*main, "hintPanel")->text().size(), 400);
    main->editInput();
    EXPECT_TRUE(child<QLabel>(*main, "hintPanel")->text().isEmpty());

    auto* start = child<QToolButton>(*main, "startButton");
    QStatusTipEvent hint(start->statusTip());
    QApplication::sendEvent(start, &hint);
    EXPECT_FALSE(child<QLabel>(*main, "hintPanel")->text().isEmpty());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(start, &leave);
    EXPECT_TRUE(child<QLabel>(*main, "hintPanel")->text().isEmpty());

    auto* status = child<QStatusBar>(*main, "statusLine");
    auto* progress = child<QProgressBar>(*main, "progressBar");
    progress->show();
    status->layout()->activate();
    EXPECT_TRUE(status->rect().contains(progress->geometry()));
    EXPECT_FALSE(progress->geometry().intersects(child<QLabel>(*main, "fileNamePanel")->geometry()));
    EXPECT_GT(progress->x(), child<QLabel>(*main, "hintPanel")->geometry().right());
}

// "Файл" → "Примеры" lists the published examples; one opens as "Открыть" opens a file, after the
// question about unsaved changes (the files and their numbers are the verification tests')
TEST_F(WindowsFixture, ExamplesMenuOpensThePublishedProjects) {
    const QList<QAction*> entries = child<QMenu>(*main, "examplesMenu")->actions();
    ASSERT_EQ(entries.size(), static_cast<int>(fundis::exampleProjects().size()));
    int settlementEntry = -1;
    for (int i = 0; i < entries.size(); ++i) {
        const char* file = fundis::exampleProjects()[static_cast<std::size_t>(i)].file;
        settlementEntry = std::string(file) == "settlement_axis_a_ukrbukva56865.dan" ? i : settlementEntry;
    }
    ASSERT_GE(settlementEntry, 0);

    fundis::testing::type(textEdit(fundis::TextField::fii), QStringLiteral("30"));
    dialogs.answers = {kDiscard};
    entries[settlementEntry]->trigger();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(main->document().fileName().endsWith(QStringLiteral("/settlement_axis_a_ukrbukva56865.dan")));
    EXPECT_FALSE(main->document().hasUnsavedChanges());
    EXPECT_TRUE(dialogs.shown.contains(QStringLiteral("InputDialog")));
    EXPECT_EQ(textEdit(fundis::TextField::NII1)->text(), QStringLiteral("1550"));
    EXPECT_TRUE(child<QTextEdit>(*main, "reportPane")->placeholderText().isEmpty());
}

// F1 hands the help page to the desktop's browser; with no browser to take it the page shows in a
// window of the program
TEST_F(WindowsFixture, HelpShowsInTheBrowserOrInItsOwnWindow) {
    dialogs.browserAvailable = true;
    QAction* help = child<QToolButton>(*main, "helpButton")->defaultAction();
    QString shownText;
    dialogs.onExec = [&](QDialog& dialog) {
        if (auto* window = qobject_cast<fundis::HelpWindow*>(&dialog)) {
            shownText = window->shownText();
        }
        return int(QDialog::Rejected);
    };
    help->trigger();
    ASSERT_EQ(dialogs.opened.size(), 1);
    const QString page = dialogs.opened[0].toLocalFile();
    EXPECT_TRUE(page.endsWith(QStringLiteral("/Help/index.htm")) && QFileInfo(page).isFile())
        << page.toStdString();
    EXPECT_TRUE(dialogs.shown.isEmpty());

    dialogs.browserAvailable = false;
    help->trigger();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("HelpWindow")});
    EXPECT_TRUE(shownText.contains(QStringLiteral("Порядок работы"))) << shownText.left(300).toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// A file that cannot be opened or saved gives one short message naming it once (the messages and how
// the .dan reader quotes a first word of megabytes are the file tests'), a folder that is not there
// is said once
TEST_F(WindowsFixture, FileMessagesSayItOnce) {
    const QString huge = dataPath(QStringLiteral("огромный.dan"));
    fundis::testing::writeFile(huge, QByteArray(5 * 1024 * 1024, '9') + QByteArray("x\r\n0\r\n"));
    textEdit(fundis::TextField::fii)->setText(QStringLiteral("28"));
    main->openProjectFile(huge);
    const QString nowhere = dataPath(QStringLiteral("нет такой папки/проект.dan"));
    dialogs.files = {nowhere};
    main->saveProjectAs();
    dialogs.files = {dataPath(QStringLiteral("нет такой папки/отчет.htm"))};
    calculateProject();
    main->saveHtmlReport();

    ASSERT_EQ(dialogs.messages.size(), 3) << dialogs.messages.join('\n').toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(huge) && dialogs.messages[1].contains(nowhere));
    EXPECT_LT(dialogs.messages[0].size(), 400);
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QStringLiteral("28"));
    for (const QString& message : dialogs.messages) {
        EXPECT_EQ(message.count(QStringLiteral("не удалось"), Qt::CaseInsensitive), 1)
            << message.toStdString();
        EXPECT_EQ(message.count(QStringLiteral(".dan»")) + message.count(QStringLiteral(".htm»")), 1)
            << message.toStdString();
    }
    EXPECT_EQ(main->document().fileName(), QStringLiteral("Без имени"));
}

// Windows open with their title bar on the screen: a main window kept off the screen's top-left
// comes back onto it with its size, one kept larger than the screen fits it
TEST_F(WindowsFixture, WindowsOpenWithTheirTitleBarOnTheScreen) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = main->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const auto restarted = [&](const QRect& kept) {
        main->setGeometry(kept);
        EXPECT_TRUE(closes(*main));
        delete main;
        main = new fundis::MainWindow;
        return main->geometry();
    };
    QRect placed = restarted(QRect(available.topLeft() - QPoint(400, 300), QSize(600, 400)));
    EXPECT_GE(placed.top(), available.top() + titleBar);
    EXPECT_GE(placed.left(), available.left());
    EXPECT_EQ(placed.size(), QSize(600, 400));

    placed = restarted(QRect(available.topLeft() + QPoint(50, 50), available.size() * 2));
    EXPECT_TRUE(available.contains(placed)) << placed.width() << "x" << placed.height();
    EXPECT_GE(placed.top(), available.top() + titleBar);
}

// "Расчет осадки" opens the settlement window on the last calculation: the layers typed there
// belong to the project (an unsaved change; changed since the calculation, the results are out of
// date), the settlement calculated there is the calculation's, and the next calculation computes it
// too; "Печать" prints the settlement page too (into a PDF, with no printer installed). When the
// inputs changed since, the window says so in its own window and before the report of the settlement
// it computes; after a calculation that found no base, it says the foundation was not designed;
// "Новый" drops the layers
TEST_F(WindowsFixture, SettlementWindowOnTheLastCalculation) {
    calculateProject();
    QString notice;
    QStringList report;
    dialogs.onExec = [&](QDialog& dialog) {
        auto* window = qobject_cast<fundis::SettlementWindow*>(&dialog);
        if (window == nullptr) {
            return fundis::runScripted(dialog);
        }
        const auto* label = window->findChild<QLabel*>(QStringLiteral("designNotice"));
        notice = label != nullptr && !label->isHidden() ? label->text() : QString();
        if (window->inputs().layers.empty()) {  // the layers of a settlement under the typed project
            window->addLayer();
            auto* table = child<QTableWidget>(*window, "layersTable");
            table->item(0, 0)->setText(QStringLiteral("3"));
            table->item(0, 1)->setText(QStringLiteral("18,5"));
            table->item(0, 2)->setText(QStringLiteral("12"));
        }
        window->calculate();
        report.clear();
        for (const fundis::ReportLine& line : window->reportLines()) {
            report << QString::fromStdString(line.text) +
                          (line.failure ? QStringLiteral(" [red]") : QString());
        }
        return int(QDialog::Rejected);
    };
    child<QToolButton>(*main, "settlementButton")->defaultAction()->trigger();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("SettlementWindow")});
    EXPECT_TRUE(notice.isEmpty());
    ASSERT_EQ(main->document().settlementInputs().layers.size(), 1u);
    EXPECT_EQ(main->document().settlementInputs().layers[0].gamma, "18,5");
    EXPECT_TRUE(main->document().hasUnsavedChanges());
    ASSERT_TRUE(main->lastCalculation()->settlement);
    EXPECT_GT(main->lastCalculation()->settlement->result.s, 0.0);
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());  // calculated for these layers

    fundis::SettlementInputs layers = main->document().settlementInputs();
    layers.layers.push_back({"3", "18,5", "12"});
    main->document().setSettlementInputs(layers);
    EXPECT_FALSE(child<QLabel>(*main, "staleMark")->isHidden());
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation() && main->lastCalculation()->settlement);
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());
    if (QPrinterInfo::availablePrinters().isEmpty()) {  // else the pages would go to the printer
        const QString pdf = dataPath(QStringLiteral("печать.pdf"));
        dialogs.files = {pdf};
        main->printReport();
        const QString bytes = QString::fromLatin1(readFile(pdf));
        EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 5);
    }

    textEdit(fundis::TextField::NII1)->setText(QStringLiteral("1550"));
    main->editInput();
    main->showSettlement();
    EXPECT_TRUE(notice.startsWith(QString::fromUtf8(fundis::kOutOfDateLine))) << notice.toStdString();
    ASSERT_FALSE(report.isEmpty());
    EXPECT_EQ(report[0], QString::fromUtf8(fundis::kOutOfDateLine) + QStringLiteral(" [red]"));

    for (fundis::TextField field : {fundis::TextField::NII1, fundis::TextField::NII2, fundis::TextField::NII3,
                                    fundis::TextField::NI1, fundis::TextField::NI2, fundis::TextField::NI3}) {
        textEdit(field)->setText(QStringLiteral("90000"));  // no base up to 10 x 10 m carries it
    }
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation());
    ASSERT_FALSE(baseFound(main->lastCalculation()->calculation));
    main->showSettlement();
    EXPECT_EQ(notice, QString::fromUtf8(fundis::kFoundationNotDesigned));

    dialogs.answers = {kDiscard};
    main->newProject();
    EXPECT_TRUE(main->document().untitled() && main->document().settlementInputs().layers.empty());
}

// Alt and a letter choose every menu item, each letter once in its menu; no two commands share a key
TEST_F(WindowsFixture, MenusLettersKeysAndButtons) {
    QSet<const QAction*> items;
    QStringList keys;
    for (const QAction* menu : main->menuBar()->actions()) {
        QList<QKeySequence> letters;
        for (QAction* item : menu->menu()->actions()) {
            items.insert(item);
            const QKeySequence letter = QKeySequence::mnemonic(item->text());
            EXPECT_TRUE(item->isSeparator() || !(letter.isEmpty() || letters.contains(letter)))
                << item->text().toStdString();
            letters << letter;
            if (!item->shortcut().isEmpty()) {
                EXPECT_FALSE(keys.contains(item->shortcut().toString())) << item->text().toStdString();
                keys << item->shortcut().toString();
            }
        }
    }
}
