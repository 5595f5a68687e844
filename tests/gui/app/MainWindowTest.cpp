// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, driven as a user would, offscreen and in the Russian locale.

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLocale>
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
#include "gui/widgets/Fonts.h"
#include "gui/widgets/OnScreen.h"
#include "support/WindowsFixture.h"

using fundis::testing::readFile;
using fundis::testing::WindowsFixture;

namespace {

// a widget of the window by its object name; a missing one fails the test where it is used
template <typename T>
T* child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList paneTexts(const fundis::MainWindow& main) {
    QStringList texts;
    for (const fundis::ReportLine& line : main.reportLines()) {
        texts << QString::fromStdString(line.text);
    }
    return texts;
}

// a menu item by the texts the user reads, whatever letter Alt chooses it by
QAction* menuAction(const fundis::MainWindow& main, const QString& menu, const QString& text) {
    const auto shown = [](const QAction* action) { return QString(action->text()).remove(QLatin1Char('&')); };
    for (QAction* top : main.menuBar()->actions()) {
        if (shown(top) == menu) {
            for (QAction* action : top->menu()->actions()) {
                if (shown(action) == text) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

// the buttons of the question about unsaved changes
enum { kSave, kDiscard, kCancel };

bool closes(fundis::MainWindow& window) {
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);
    return close.isAccepted();
}

// The layers of a settlement under the typed project, typed into the window's table.
void typeLayers(fundis::SettlementWindow& window) {
    window.addLayer();
    auto* table = child<QTableWidget>(window, "layersTable");
    table->item(0, 0)->setText(QStringLiteral("3"));
    table->item(0, 1)->setText(QStringLiteral("18,5"));
    table->item(0, 2)->setText(QStringLiteral("12"));
}

}  // namespace

// A new window: a useful size, no project, no results
TEST_F(WindowsFixture, StartsUntitled) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Без имени[*] — Фундис"));
    EXPECT_FALSE(main->document().hasUnsavedChanges());
    EXPECT_TRUE(child<QProgressBar>(*main, "progressBar")->isHidden());
    EXPECT_GT(main->width(), main->minimumWidth());
}

// Documents before any calculation say so instead of drawing zeros; in the Russian locale the 1.1
// button still writes numbers for the file, with a point (the report's decimal comma and numbers are
// the acceptance samples' run through the windows)
TEST_F(WindowsFixture, DocumentsWaitAndNumbersInTheUsersLocale) {
    if (QLocale().decimalPoint() != QStringLiteral(",")) {
        GTEST_SKIP() << "no Russian locale on this machine (locale-gen ru_RU.UTF-8)";
    }
    main->showScheme();
    main->saveHtmlReport();
    main->printReport();
    main->exportDxf();
    EXPECT_EQ(dialogs.messages, QStringList(4, QStringLiteral("Сначала выполните расчет.")));
    EXPECT_TRUE(dialogs.shown.isEmpty() && dialogs.requests.empty());

    textEdit(fundis::TextField::MII1)->setText(QStringLiteral("123.45"));
    input->fillReliabilityFactor();
    EXPECT_EQ(textEdit(fundis::TextField::MI1)->text(), QStringLiteral("135.795"));
}

// The documents belong to the last calculation: inputs changed afterwards mark the results out of
// date, and the scheme still shows the calculated base until the next calculation,
// which takes the dialog's present state
TEST_F(WindowsFixture, DocumentsShowTheLastCalculation) {
    calculateProject();
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());

    dialogs.onExec = [this](QDialog& dialog) {
        if (auto* form = qobject_cast<fundis::InputDialog*>(&dialog)) {
            fundis::testing::type(textEdit(fundis::TextField::NII2), QStringLiteral("3900"));
            form->confirmInput();
        }
        return dialog.result();
    };
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
    EXPECT_TRUE(readFile(dataPath(QStringLiteral("report.htm"))).contains("NII=1900"));
    EXPECT_EQ(dialogs.requests.back().filters.filter(QStringLiteral("txt")), QStringList());

    main->startCalculation();
    EXPECT_FLOAT_EQ(main->lastCalculation()->record.NII[2], 3900.0f);
    EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());
}

// "Файл" → "Экспорт в DXF...": a save dialog offering the project's name with .dxf, then the scheme
// of the last calculation at true size, the base 3300 mm long; a file that cannot be written is named
TEST_F(WindowsFixture, ExportsTheSchemeToDxf) {
    QAction* item = menuAction(*main, QStringLiteral("Файл"), QStringLiteral("Экспорт в DXF..."));
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

// A table that cannot be read: no report of numbers from elsewhere, one message naming the file and
// where the folder is set
TEST_F(WindowsFixture, MissingTableStopsTheCalculation) {
    calculateProject();
    main->settings().programDir = dataFolder.path().toStdString();
    main->startCalculation();
    EXPECT_FALSE(main->lastCalculation());
    EXPECT_TRUE(paneTexts(*main).isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(dataPath(QStringLiteral("Rb.dat"))));
    EXPECT_TRUE(dialogs.messages[0].contains(
        QStringLiteral("Настройка → Настройка параметров → Папка с программой")));
}

// A field the calculation cannot go without: no report of numbers and no message box, one red line
// in the pane naming the field by label, group and tab; the documents have no calculation to show
TEST_F(WindowsFixture, EmptyRequiredFieldRefusesTheCalculation) {
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
}

// Save writes to the project's file and asks a name only the first time; Save As always asks; both
// put the file first in the recent list, kept beside kp.ini
TEST_F(WindowsFixture, SaveAndSaveAs) {
    typeProject();
    emit input->formEdited();
    EXPECT_TRUE(main->document().hasUnsavedChanges());
    const QString first = dataPath(QStringLiteral("первый.dan"));
    dialogs.files = {first};
    main->saveProject();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].proposedName.endsWith(QStringLiteral("Фундамент.dan")));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("первый.dan[*] — Фундис"));
    EXPECT_FALSE(main->document().hasUnsavedChanges());

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
    EXPECT_EQ(child<QMenu>(*main, "recentMenu")->actions().size(), 2);
}

// Closing, "Новый" and "Открыть" ask before unsaved changes are lost: cancel keeps them, discard
// drops them, save writes them first
TEST_F(WindowsFixture, UnsavedChangesAreNotLostWithoutAQuestion) {
    EXPECT_TRUE(closes(*main));  // nothing to lose, nothing asked
    EXPECT_TRUE(dialogs.questions.isEmpty());

    fundis::testing::type(textEdit(fundis::TextField::fii), QStringLiteral("30"));
    ASSERT_TRUE(main->document().hasUnsavedChanges());
    dialogs.answers = {kCancel};
    EXPECT_FALSE(closes(*main));
    dialogs.answers = {kCancel};
    main->newProject();
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QStringLiteral("30"));
    EXPECT_EQ(dialogs.questions.size(), 2);

    const QString saved = dataPath(QStringLiteral("проект.dan"));
    dialogs.answers = {kSave};
    dialogs.files = {saved};
    main->newProject();
    EXPECT_TRUE(readFile(saved).contains("\r\n30\r\n"));
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QString());
    EXPECT_EQ(main->document().fileName(), QStringLiteral("Без имени"));

    fundis::testing::type(textEdit(fundis::TextField::fii), QStringLiteral("31"));
    dialogs.answers = {kDiscard};
    dialogs.files = {saved};
    main->openProject();
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QStringLiteral("30"));
    EXPECT_FALSE(main->document().hasUnsavedChanges());
}

// The recent list opens a project as "Открыть" does; a file that has gone is named and dropped
TEST_F(WindowsFixture, RecentFilesOpenOrAreDropped) {
    const QString path = dataPath(QStringLiteral("старый.dan"));
    dialogs.files = {path};
    main->saveProject();
    const QString gone = dataPath(QStringLiteral("пропал.dan"));
    dialogs.files = {gone};
    main->saveProjectAs();
    QFile::remove(gone);

    textEdit(fundis::TextField::fii)->setText(QStringLiteral("12"));
    child<QMenu>(*main, "recentMenu")->actions().at(1)->trigger();  // старый.dan, a step back
    EXPECT_EQ(main->document().fileName(), path);
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QString());
    EXPECT_TRUE(dialogs.shown.contains(QStringLiteral("InputDialog")));

    child<QMenu>(*main, "recentMenu")->actions().at(1)->trigger();  // пропал.dan
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().contains(gone));
    EXPECT_EQ(child<QMenu>(*main, "recentMenu")->actions().size(), 1);
}

// "fundis FILE.dan" opens the project once the settings are there
TEST_F(WindowsFixture, StartFileOpensTheProject) {
    const QString path = dataPath(QStringLiteral("запуск.dan"));
    dialogs.files = {path};
    main->saveProject();

    ASSERT_TRUE(closes(*main));
    // a second start, with the project on the command line
    delete main;
    main = new fundis::MainWindow;
    input = new fundis::InputDialog(main);
    settingsDialog = new fundis::SettingsDialog(main);
    main->attachDialogs(input, settingsDialog);
    main->openAtStart(path);
    main->firstActivation();
    QApplication::processEvents();
    EXPECT_EQ(main->document().fileName(), path);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("запуск.dan[*] — Фундис"));
}

// A long hint never widens the window; it leaves with the dialog that showed it. The panels side by
// side: the progress bar of a calculation at the right end, on neither the file name nor the hint,
// and wider with a larger font
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

    QStatusTipEvent hint(child<QToolButton>(*main, "startButton")->statusTip());
    QApplication::sendEvent(child<QToolButton>(*main, "startButton"), &hint);
    EXPECT_EQ(child<QLabel>(*main, "hintPanel")->text(), QStringLiteral("Начать расчет"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(child<QToolButton>(*main, "startButton"), &leave);
    EXPECT_TRUE(child<QLabel>(*main, "hintPanel")->text().isEmpty());

    auto* status = child<QStatusBar>(*main, "statusLine");
    auto* progress = child<QProgressBar>(*main, "progressBar");
    progress->show();
    status->layout()->activate();
    EXPECT_TRUE(status->rect().contains(progress->geometry()));
    EXPECT_FALSE(progress->geometry().intersects(child<QLabel>(*main, "fileNamePanel")->geometry()));
    EXPECT_GT(progress->x(), child<QLabel>(*main, "hintPanel")->geometry().right());
    const int usualWidth = progress->width();
    status->setFont(fundis::windowFont(17));
    status->layout()->activate();
    EXPECT_GT(progress->width(), usualWidth);
}

// A program "S" of the user's own in the program folder starts instead of the settlement window, as
// it always did
TEST_F(WindowsFixture, SettlementCommandStartsTheUsersProgram) {
    const QString program = dataPath(QStringLiteral("S"));
    const QString started = dataPath(QStringLiteral("started"));
    fundis::testing::writeFile(program, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(started).toUtf8());
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    main->settings().programDir = dataFolder.path().toStdString();
    main->showSettlement();
    for (int i = 0; i < 50 && !QFile::exists(started); ++i) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(QFile::exists(started));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// The empty pane at the start tells how to begin, until the first calculation or "Новый"
TEST_F(WindowsFixture, StartHintUntilTheFirstCalculation) {
    const QString hint = child<QTextEdit>(*main, "reportPane")->placeholderText();
    EXPECT_TRUE(child<QTextEdit>(*main, "reportPane")->document()->isEmpty());
    for (const char* part : {"«Файл» → «Примеры»", "(Ctrl+I)", "(Ctrl+O)"}) {
        EXPECT_TRUE(hint.contains(QString::fromUtf8(part))) << part;
    }
    calculateProject();
    EXPECT_TRUE(child<QTextEdit>(*main, "reportPane")->placeholderText().isEmpty());
    EXPECT_FALSE(child<QTextEdit>(*main, "reportPane")->document()->isEmpty());
}

TEST_F(WindowsFixture, StartHintGoesWithANewProject) {
    main->newProject();
    EXPECT_TRUE(child<QTextEdit>(*main, "reportPane")->placeholderText().isEmpty());
}

// "Файл" → "Примеры" lists the published examples, each file there; one opens as "Открыть" opens a
// file, after the question about unsaved changes (their numbers are the verification tests')
TEST_F(WindowsFixture, ExamplesMenuOpensThePublishedProjects) {
    const QList<QAction*> entries = child<QMenu>(*main, "examplesMenu")->actions();
    ASSERT_EQ(entries.size(), static_cast<int>(fundis::exampleProjects().size()));
    int settlementEntry = -1;
    for (int i = 0; i < entries.size(); ++i) {
        const fundis::ExampleProject& example = fundis::exampleProjects()[static_cast<std::size_t>(i)];
        EXPECT_TRUE(QFile::exists(QDir(QString::fromStdString(fundis::installedExamplesDir()))
                                      .filePath(QString::fromUtf8(example.file))))
            << example.file;
        settlementEntry =
            std::string(example.file) == "settlement_axis_a_ukrbukva56865.dan" ? i : settlementEntry;
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
    EXPECT_EQ(main->document().settlementInputs().layers.size(), 4u);
    EXPECT_TRUE(child<QTextEdit>(*main, "reportPane")->placeholderText().isEmpty());
}

// F1 hands the help page to the desktop's browser, "?" → "Проверка программы" the manual's page;
// with no browser to take it the page shows in a window of the program; a help page that is not
// there is named, with where the folder is set
TEST_F(WindowsFixture, HelpShowsInTheBrowserOrInItsOwnWindow) {
    QAction* manual = menuAction(*main, QStringLiteral("?"), QStringLiteral("Проверка программы"));
    ASSERT_NE(manual, nullptr);
    dialogs.browserAvailable = true;
    manual->trigger();
    ASSERT_EQ(dialogs.opened.size(), 1);
    EXPECT_TRUE(
        readFile(dialogs.opened.front().toLocalFile()).contains("settlement_axis_a_ukrbukva56865.dan"));
    dialogs.opened.clear();
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
    EXPECT_TRUE(shownText.contains(QStringLiteral("Порядок работы")) &&
                shownText.contains(QStringLiteral("Расчет осадки")))
        << shownText.left(300).toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());

    main->settings().programDir = dataFolder.path().toStdString();
    help->trigger();
    EXPECT_EQ(dialogs.opened.size(), 2);
    EXPECT_EQ(dialogs.shown.size(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(dataPath(QStringLiteral("Help/index.htm"))) &&
                dialogs.messages[0].contains(QStringLiteral("Настройка параметров")))
        << dialogs.messages[0].toStdString();
}

// A file that cannot be opened or saved gives one short message naming it once (how the .dan reader
// quotes a first word of megabytes its test checks), a folder that is not there is said once
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
    EXPECT_TRUE(
        dialogs.messages[0].startsWith(QStringLiteral("Не удалось прочитать файл «%1»: строка 1").arg(huge)))
        << dialogs.messages[0].left(300).toStdString();
    EXPECT_LT(dialogs.messages[0].size(), 400);
    EXPECT_EQ(textEdit(fundis::TextField::fii)->text(), QStringLiteral("28"));
    EXPECT_TRUE(
        dialogs.messages[1].startsWith(QStringLiteral("Не удалось сохранить файл «%1»: ").arg(nowhere)));
    EXPECT_TRUE(dialogs.messages[2].contains(QStringLiteral("отчет.htm")));
    for (const QString& message : dialogs.messages) {
        EXPECT_EQ(message.count(QStringLiteral("не удалось"), Qt::CaseInsensitive), 1)
            << message.toStdString();
        EXPECT_EQ(message.count(QStringLiteral(".dan»")) + message.count(QStringLiteral(".htm»")), 1)
            << message.toStdString();
    }
    EXPECT_EQ(main->document().fileName(), QStringLiteral("Без имени"));

    // a settlement part that cannot be read: the design opens, the reason is said once
    const QString project = dataPath(QStringLiteral("проект.dan"));
    dialogs.files = {project};
    main->saveProjectAs();
    // a word the settlement part cannot start with, where the settlement part stands: before the part
    // of the added fields
    QByteArray bytes = readFile(project);
    bytes = bytes.contains("\r\nF\r\n") ? bytes.replace("\r\nF\r\n", "\r\nT\r\n1\r\nF\r\n")
                                        : bytes + QByteArray("\r\nT\r\n1");
    fundis::testing::writeFile(project, bytes);
    dialogs.messages.clear();
    main->openProjectFile(project);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(
        QStringLiteral("Данные расчета осадки в файле «%1» не прочитаны: метка S — вместо нее «T».\n")
            .arg(project)))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(main->document().fileName(), project);
}

// Windows open with their title bar on the screen: a main window kept off the screen's top-left
// comes back onto it with its size, one kept larger than the screen fits it; a dialog placed above
// the screen moves down below a title bar's height
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

    QDialog dialog(main);
    dialog.setGeometry(QRect(available.left() - 80, available.top() - 60, 300, 200));
    fundis::keepOnScreen(dialog);
    EXPECT_EQ(dialog.geometry(), QRect(available.left(), available.top() + titleBar, 300, 200));
}

// "Открыть" and "Новый" start clean: the report pane, the last calculation and the out-of-date mark
// go with the project they belonged to, and the HTML report's proposed name is the new project's
TEST_F(WindowsFixture, OpenAndNewForgetTheLastCalculation) {
    const QString first = dataPath(QStringLiteral("первый.dan"));
    const QString second = dataPath(QStringLiteral("второй.dan"));
    typeProject();
    dialogs.files = {second};
    main->saveProject();
    dialogs.files = {first};
    main->saveProjectAs();
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation());
    dialogs.files = {dataPath(QStringLiteral("отчеты/первый.htm"))};
    QDir().mkpath(dataPath(QStringLiteral("отчеты")));
    main->saveHtmlReport();
    EXPECT_TRUE(dialogs.requests.back().proposedName.endsWith(QStringLiteral("/первый.htm")));
    fundis::testing::type(textEdit(fundis::TextField::NII2), QStringLiteral("3900"));
    ASSERT_FALSE(child<QLabel>(*main, "staleMark")->isHidden());

    const auto expectClean = [&] {
        EXPECT_FALSE(main->lastCalculation());
        EXPECT_TRUE(paneTexts(*main).isEmpty());
        EXPECT_TRUE(child<QLabel>(*main, "staleMark")->isHidden());
        main->saveHtmlReport();
        EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Сначала выполните расчет."));
    };
    dialogs.answers = {kDiscard};
    dialogs.files = {second};
    main->openProject();
    EXPECT_TRUE(dialogs.answers.empty());  // asked about the typed change, not kept
    EXPECT_EQ(main->document().fileName(), second);
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
    EXPECT_EQ(main->document().fileName(), QStringLiteral("Без имени"));
    expectClean();
}

// The documents carry the verdict of the pane: the red lines of the calculation, and the
// out-of-date line once the inputs changed (where they stand the HTML report's test checks)
TEST_F(WindowsFixture, DocumentsCarryTheVerdict) {
    main->openProjectFile(QStringLiteral(FUNDIS_TEST_DATA_DIR "/heavy_shallow_failure.dan"));
    main->startCalculation();  // a base, punched through its socket bottom, with steps too tall
    const auto page = [&](const char* name) {
        dialogs.files = {dataPath(QString::fromLatin1(name))};
        main->saveHtmlReport();
        return QString::fromUtf8(readFile(dataPath(QString::fromLatin1(name))));
    };
    const QString fresh = page("fresh.htm");
    EXPECT_FALSE(fresh.contains(QString::fromUtf8(fundis::kOutOfDateLine)));
    int red = 0;
    for (const fundis::ReportLine& line : main->reportLines()) {
        red += line.failure && !line.text.empty() ? 1 : 0;
        EXPECT_TRUE(!line.failure || fresh.contains(QString::fromStdString(line.text))) << line.text;
    }
    EXPECT_GT(red, 0);

    textEdit(fundis::TextField::NII1)->setText(QStringLiteral("1550"));
    main->editInput();
    EXPECT_TRUE(page("stale.htm").contains(QString::fromUtf8(fundis::kOutOfDateLine)));
}

// "Расчет осадки" opens the settlement window on the last calculation; the layers typed there
// belong to the project (an unsaved change) and the next calculation computes the settlement too;
// "Печать" prints the settlement page too (into a PDF, with no printer installed)
TEST_F(WindowsFixture, SettlementLayersAndThePrintedSettlementPage) {
    calculateProject();
    dialogs.onExec = [](QDialog& dialog) {
        if (auto* window = qobject_cast<fundis::SettlementWindow*>(&dialog)) {
            typeLayers(*window);
            window->calculate();
        }
        return int(QDialog::Rejected);
    };
    child<QToolButton>(*main, "settlementButton")->defaultAction()->trigger();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("SettlementWindow")});
    ASSERT_EQ(main->document().settlementInputs().layers.size(), 1u);
    EXPECT_EQ(main->document().settlementInputs().layers[0].gamma, "18,5");
    EXPECT_TRUE(main->document().hasUnsavedChanges());
    ASSERT_TRUE(main->lastCalculation()->settlement);
    EXPECT_GT(main->lastCalculation()->settlement->result.s, 0.0);
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation() && main->lastCalculation()->settlement);
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the pages would go to it";
    }
    const QString pdf = dataPath(QStringLiteral("печать.pdf"));
    dialogs.files = {pdf};
    main->printReport();
    const QString bytes = QString::fromLatin1(readFile(pdf));
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 5);
}

// The settlement window stands on the last calculation: when the inputs changed since, it says so
// in its own window and before the report of the settlement it computes; after a calculation that
// found no base, it says the foundation was not designed
TEST_F(WindowsFixture, SettlementWindowSaysWhatItStandsOn) {
    calculateProject();
    textEdit(fundis::TextField::NII1)->setText(QStringLiteral("1550"));
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
            for (const fundis::ReportLine& line : window->reportLines()) {
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

    for (fundis::TextField field : {fundis::TextField::NII1, fundis::TextField::NII2, fundis::TextField::NII3,
                                    fundis::TextField::NI1, fundis::TextField::NI2, fundis::TextField::NI3}) {
        textEdit(field)->setText(QStringLiteral("90000"));  // no base up to 10 x 10 m carries it
    }
    main->startCalculation();
    ASSERT_TRUE(main->lastCalculation());
    ASSERT_FALSE(baseFound(main->lastCalculation()->calculation));
    main->showSettlement();
    EXPECT_EQ(notice, QString::fromUtf8(fundis::kFoundationNotDesigned));
    EXPECT_TRUE(report.contains(QString::fromUtf8(fundis::kFoundationNotDesigned) + QStringLiteral(" [red]")))
        << report.join('\n').toStdString();
    EXPECT_FALSE(report.join('\n').contains(QStringLiteral("Сначала выполните расчет")));
}

// Alt and a letter choose every menu item, each letter once in its menu; no two commands share a key;
// every toolbar button is a command of the menus
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
    for (const QObject* item : child<QToolBar>(*main, "mainToolBar")->children()) {
        if (const auto* button = qobject_cast<const QToolButton*>(item); button != nullptr) {
            EXPECT_TRUE(button->defaultAction() == nullptr || items.contains(button->defaultAction()))
                << button->objectName().toStdString();
        }
    }
}

// The project document speaks for the window: its modified flag is the title's mark, its file name
// the status bar's panel; settlement layers typed are an unsaved change that marks the results out
// of date, and a new project drops them
TEST_F(WindowsFixture, ProjectDocumentDrivesTheWindow) {
    fundis::ProjectDocument& document = main->document();
    document.setModified(true);
    EXPECT_TRUE(main->isWindowModified());
    document.setModified(false);
    EXPECT_FALSE(main->isWindowModified());

    typeProject();
    const QString path = dataPath(QStringLiteral("документ.dan"));
    dialogs.files = {path};
    EXPECT_TRUE(document.saveAs());
    EXPECT_EQ(child<QLabel>(*main, "fileNamePanel")->text(), path);
    main->startCalculation();

    fundis::SettlementInputs layers = document.settlementInputs();
    layers.layers.push_back({"3", "18,5", "12"});
    document.setSettlementInputs(layers);
    EXPECT_TRUE(document.hasUnsavedChanges());
    EXPECT_TRUE(main->resultsOutOfDate());
    EXPECT_FALSE(child<QLabel>(*main, "staleMark")->isHidden());

    dialogs.answers = {kDiscard};
    EXPECT_TRUE(document.startNew());
    EXPECT_TRUE(document.untitled() && document.settlementInputs().layers.empty());
}
