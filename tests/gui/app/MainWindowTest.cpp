// The main window's commands, driven as a user would, offscreen and in the Russian locale.

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

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
        SCOPED_TRACE(keys);
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

// The scheme window opens fitted to its size, zooms by keys, wheel and buttons, and scrolls when
// larger than the window; 100 % is the scale of the settings
TEST_F(WindowsFixture, SchemeWindowZoomsAndScrolls) {
    typeProject();
    main->startCalculation();
    fundis::SchemeWindow scheme(main, main->reportContext(), main->printer(), main->dialogFolder());
    scheme.show();
    QApplication::processEvents();
    const QSize room = scheme.ScrollBox1->viewport()->size();
    EXPECT_LE(scheme.PaintBox1->width(), room.width());
    EXPECT_LE(scheme.PaintBox1->height(), room.height());
    EXPECT_TRUE(scheme.PaintBox1->width() > room.width() * 0.9 ||
                scheme.PaintBox1->height() > room.height() * 0.9);

    const double fitted = scheme.zoom();
    QTest::keyClick(&scheme, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(scheme.zoom(), fitted * 1.25, 1e-9);
    QWheelEvent wheel(QPointF(10, 10), scheme.ScrollBox1->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scheme.ScrollBox1->viewport(), &wheel);
    EXPECT_NEAR(scheme.zoom(), fitted, 1e-9);
    scheme.ActualSize->click();
    EXPECT_DOUBLE_EQ(scheme.zoom(), 1.0);
    EXPECT_EQ(scheme.ZoomLabel->text(), QStringLiteral("100 %"));
    scheme.setZoom(4.0);
    QApplication::processEvents();
    EXPECT_TRUE(scheme.ScrollBox1->horizontalScrollBar()->isVisible());
    scheme.FitToWindow->click();
    EXPECT_DOUBLE_EQ(scheme.zoom(), fitted);
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
