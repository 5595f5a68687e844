#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <functional>

#include "AppFixture.h"
#include "UrlRecorder.h"
#include "app/AboutBox.h"
#include "calc/Calculation.h"
#include "reports/HtmlReport.h"

using fundis::testing::AppFixture;
using fundis::testing::contains;
using fundis::testing::readFile;

namespace {

// Red bold for a failure, black normal for the rest: nothing else may appear.
bool isFailure(const QTextCharFormat& format, const QString& line) {
    const QColor color = format.foreground().color();
    const bool failure = color == QColor(255, 0, 0) && format.fontWeight() == QFont::Bold;
    EXPECT_TRUE(failure || (color == QColor(0, 0, 0) && format.fontWeight() == QFont::Normal))
        << line.toStdString();
    return failure;
}

// The report pane as (text, red bold) lines.
std::vector<std::pair<QString, bool>> paneLines(QTextEdit* pane) {
    std::vector<std::pair<QString, bool>> lines;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        // an empty line has no fragment: its style is the block's
        bool red = block.begin().atEnd() && isFailure(block.charFormat(), block.text());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const bool fragmentRed = isFailure(it.fragment().charFormat(), block.text());
            EXPECT_TRUE(it == block.begin() || fragmentRed == red)
                << "mixed styles in one line: " << block.text().toStdString();
            red = fragmentRed;
        }
        lines.emplace_back(block.text(), red);
    }
    return lines;
}

// The expected lines: the calculation's own, a line with "\n" giving several pane lines.
std::vector<std::pair<QString, bool>> expectedLines(const std::vector<fundis::ReportLine>& report) {
    std::vector<std::pair<QString, bool>> lines;
    for (const fundis::ReportLine& line : report) {
        for (const QString& part : QString::fromStdString(line.text).split(QLatin1Char('\n'))) {
            lines.emplace_back(part, line.failure);
        }
    }
    return lines;
}

}  // namespace

// Start-up state: file name, hidden progress bar, combos reset (the toolbar and the folders
// are the settings tests' business)
TEST_F(AppFixture, FirstActivationSetsTheStartingState) {
    main->record.d = 2.5f;
    input->comboBox(3)->setCurrentIndex(2);
    input->comboBox(9)->setCurrentIndex(1);
    activate();
    EXPECT_EQ(main->StatusPanel0->text(), QStringLiteral("Без имени"));
    EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));
    EXPECT_TRUE(main->ProgressBar->isHidden());
    EXPECT_EQ(main->record.d, 0.0f);
    for (int number = 1; number <= 9; ++number) {
        EXPECT_EQ(input->comboBox(number)->currentIndex(), 0) << number;
    }
}

// Later activations (after a modal window, another window) change nothing
TEST_F(AppFixture, ActivationRunsOnce) {
    activate();
    main->fileName = QStringLiteral("/tmp/a.dan");
    main->StatusPanel0->setText(main->fileName);
    input->comboBox(5)->setCurrentIndex(4);
    main->record.d = 1.5f;

    int activations = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            *count += event->type() == QEvent::WindowActivate;
            return false;
        }
    } counter(&activations);
    main->installEventFilter(&counter);

    input->show();
    QApplication::setActiveWindow(input);
    ASSERT_TRUE(QTest::qWaitForWindowActive(input));
    input->reject();
    QApplication::setActiveWindow(main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    ASSERT_GE(activations, 1);  // the window really was activated again

    EXPECT_EQ(main->StatusPanel0->text(), QStringLiteral("/tmp/a.dan"));
    EXPECT_EQ(input->comboBox(5)->currentIndex(), 4);
    EXPECT_EQ(main->record.d, 1.5f);
}

// The progress bar keeps 150 px from the status bar's right end whatever the width
TEST_F(AppFixture, ProgressBarStaysAtTheRightEnd) {
    activate();
    for (int width : {400, 1200}) {
        SCOPED_TRACE(width);
        main->resize(width, 360);
        QApplication::processEvents();
        const QRect bar = main->ProgressBar->geometry();
        EXPECT_EQ(bar.left(), main->StatusBar1->width() - 150);
        EXPECT_EQ(bar.width(), 135);
        EXPECT_EQ(bar.top(), 2);
        EXPECT_EQ(bar.height(), main->StatusBar1->height() - 2);
    }
    main->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(main->ProgressBar->geometry().left(), main->StatusBar1->width() - 150);
}

// Long hints of all three windows go to status panel 1; a hint starting with "|" gives no tooltip
TEST_F(AppFixture, HintsShowInTheStatusBar) {
    activate();
    const auto check = [this](QWidget* widget, const QString& status, bool tooltip) {
        SCOPED_TRACE(status.toStdString());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(widget, &enter);
        EXPECT_EQ(main->StatusPanel1->text(), status);
        EXPECT_EQ(widget->toolTip(), tooltip ? status : QString());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
        EXPECT_EQ(main->StatusPanel1->text(), QString());
    };
    check(main->ToolButton3, QStringLiteral("Открыть файл с исходными данными"), false);
    check(input->edit(26),
          QStringLiteral("Глубина заложения фундамента, м (если не задана, проводится расчет)"), false);
    check(input->edit(32), QStringLiteral("Момент на уровне верхнего обреза фундамента, кН.м"), true);
    check(settingsDialog->Button1, QStringLiteral("Сохранение выбранных настроек"), true);
}

// The menus, a few shortcuts, the captions that only show Ctrl+A, and the toolbar order
TEST_F(AppFixture, CommandsHaveTheirMenusAndShortcuts) {
    QStringList titles;
    for (QAction* action : main->menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"Файл", "Расчет", "Настройка", "?"}));

    const struct {
        const char* name;
        const char* text;
        const char* keys;
    } rows[] = {
        {"Open1", "Открыть", "Ctrl+O"},
        {"SaveHtml1", "Сохранить в HTML", "Ctrl+F"},
        {"N4", "Настройка параметров", "Ctrl+Alt+S"},
        {"N14", "Помощь", "F1"},
        // shown in the caption only: the report pane and the about box own these keys
        {"N11", "О программе\tCtrl+A", ""},
        {"Select_all", "Выбрать всё\tCtrl+A", ""},
        {"Copy", "Копировать в буфер\tCtrl+C", ""},
    };
    for (const auto& row : rows) {
        auto* action = main->findChild<QAction*>(QString::fromLatin1(row.name));
        ASSERT_NE(action, nullptr) << row.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(row.keys))) << row.name;
    }

    QStringList order;
    for (QToolButton* button : main->ToolBar1->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (!button->objectName().startsWith(QStringLiteral("qt_"))) {
            order << button->objectName();
        }
    }
    EXPECT_EQ(order, (QStringList{"ToolButton3", "ToolButton4", "ToolButton6", "ToolButton2", "ToolButton1",
                                  "ToolButton7", "ToolButton5", "ToolButton8", "BitBtn10"}));
    EXPECT_EQ(main->BitBtn10->text(), QStringLiteral("Расчет осадки"));
    EXPECT_FALSE(main->ToolButton1->icon().pixmap(32, 32).isNull());
}

// Ctrl+A: select all in the report pane, the about box elsewhere
TEST_F(AppFixture, CtrlASelectsAllOnlyInTheReportPane) {
    activate();
    main->appendReportLine(QStringLiteral("первая строка"), false);
    main->appendReportLine(QStringLiteral("вторая строка"), true);

    main->RichEdit1->setFocus();
    QTest::keyClick(main->RichEdit1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(
        main->RichEdit1->textCursor().selectedText(),
        QStringLiteral("первая строка") + QChar(QChar::ParagraphSeparator) + QStringLiteral("вторая строка"));
    EXPECT_TRUE(shown.isEmpty());

    QStringList aboutTexts;
    onModal = [&aboutTexts](QDialog& dialog) {
        auto* about = qobject_cast<TAboutBox*>(&dialog);
        if (about) {
            aboutTexts << about->windowTitle() << about->ProductName->text() << about->Version->text()
                       << about->Memo1->toPlainText();
        }
        return int(QDialog::Accepted);
    };
    main->BitBtn10->setFocus();
    QTest::keyClick(main->BitBtn10, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(shown, QStringList{"AboutBox"});
    EXPECT_EQ(aboutTexts, (QStringList{"О ПРОГРАММЕ", "ФУНДИС", "Версия 1.23",
                                       "  Программа предназначена для\nучебных целей. Составитель не \n"
                                       "берет на себя никакой ответствен-\nности за неправильное использо-\n"
                                       "вание программы"}));
    EXPECT_EQ(AboutBox, nullptr);  // destroyed when it closed
}

// The calculation command writes the report; failures red bold, everything else black
TEST_F(AppFixture, CalculationFillsTheReportPane) {
    const struct {
        const char* columnWidth;
        const char* columnLength;
        const char* failureText;  // a line that must be red, or none
    } rows[] = {
        // no pedestal in sizepdkl.dat for this column
        {"0.35", "0.45", "Не найдены размеры подколонника для колонны 0.450x0.350м."},
        {"0.4", "0.4", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.columnLength);
        restart();
        activate();
        typeProject(QString::fromLatin1(row.columnWidth), QString::fromLatin1(row.columnLength));
        pressOk();

        fundis::TProjectData copy = main->record;
        fundis::CalculationOptions options;
        options.programDir = tablesDir().toStdString();
        options.decimalSeparator = main->decimalSeparator();
        const auto expected = expectedLines(fundis::runCalculation(copy, options));

        main->RichEdit1->setPlainText(QStringLiteral("старый отчет"));
        QTest::mouseClick(main->ToolButton1, Qt::LeftButton);
        EXPECT_TRUE(shown.isEmpty());  // soil given: no input dialog
        const auto lines = paneLines(main->RichEdit1);
        ASSERT_EQ(lines.size(), expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], expected[i]) << "line " << i;
        }
        EXPECT_EQ(lines.at(1).first, QStringLiteral("************РАСЧЕТНЫЕ ДАННЫЕ************"));
        EXPECT_EQ(std::any_of(lines.begin(), lines.end(), [](const auto& line) { return line.second; }),
                  row.failureText != nullptr);
        if (row.failureText) {
            const auto failure = std::make_pair(QString::fromUtf8(row.failureText), true);
            EXPECT_NE(std::find(lines.begin(), lines.end(), failure), lines.end());
        }
        EXPECT_TRUE(main->ProgressBar->isHidden());
        EXPECT_EQ(main->ProgressBar->maximum(), 33);  // 10 m / 0.3 m
        EXPECT_EQ(main->record.b, copy.b);
    }
}

// The values after the tabs line up in the pane as it lays them out
TEST_F(AppFixture, ReportColumnsLineUp) {
    activate();
    typeProject(QStringLiteral("0.4"), QStringLiteral("0.4"));
    pressOk();
    main->ToolButton1Click();
    QApplication::processEvents();

    // x of the text after the last tab of the line that starts with `label`
    auto valueColumn = [this](const QString& label) -> qreal {
        for (QTextBlock block = main->RichEdit1->document()->begin(); block.isValid(); block = block.next()) {
            if (block.text().startsWith(label)) {
                const int after = static_cast<int>(block.text().lastIndexOf(QLatin1Char('\t'))) + 1;
                return block.layout()->lineForTextPosition(after).cursorToX(after);
            }
        }
        ADD_FAILURE() << "no line " << label.toStdString();
        return -1;
    };
    const QStringList groups[] = {
        {"ГЛУБИНА ПРОМЕРЗАНИЯ", "ГЛУБИНА ЗАЛОЖЕНИЯ"},
        {"Ширина подошвы", "Длина подошвы", "Площадь подошвы"},
        {"    Среднее давление", "    Максимальное давление", "    Минимальное давление"},
        {"   Площадь рабочей", "   Количество стержней", "   Диаметр рабочей"},
    };
    for (const QStringList& group : groups) {
        SCOPED_TRACE(group.front().toStdString());
        const qreal first = valueColumn(group.front());
        for (const QString& label : group) {
            EXPECT_NEAR(valueColumn(label), first, 0.5) << label.toStdString();
        }
    }
}

// Empty friction angle and cohesion open the input dialog before the calculation
TEST_F(AppFixture, MissingSoilStrengthOpensTheInputDialogFirst) {
    activate();
    bool barShownDuringDialog = false;
    onModal = [this, &barShownDuringDialog](QDialog&) {
        barShownDuringDialog = !main->ProgressBar->isHidden();
        return int(QDialog::Rejected);
    };
    // the windows shown modally by a calculation with these two texts
    const auto shownFor = [&](const char* friction, const char* cohesion) {
        SCOPED_TRACE(std::string(friction) + "/" + cohesion);
        shown.clear();
        barShownDuringDialog = false;
        input->edit(13)->setText(QString::fromLatin1(friction));
        input->edit(14)->setText(QString::fromLatin1(cohesion));
        main->ToolButton1Click();
        EXPECT_EQ(barShownDuringDialog, !shown.isEmpty());
        EXPECT_TRUE(main->ProgressBar->isHidden());
        return shown;
    };
    EXPECT_EQ(shownFor("", ""), QStringList{"Form2"});
    EXPECT_EQ(shownFor("28", ""), QStringList());
    EXPECT_EQ(shownFor("", "5"), QStringList());
    EXPECT_EQ(shownFor("28", "5"), QStringList());
}

// "Сохранить в HTML": the dialog asked for, the page written, a failure named
TEST_F(AppFixture, HtmlReportIsSavedOrTheFailureShown) {
    activate();
    typeProject(QStringLiteral("0.4"), QStringLiteral("0.4"));
    input->CheckBox1->setChecked(true);
    pressOk();
    main->ToolButton1Click();

    nextFileName = dataFolder.filePath(QStringLiteral("отчет.htm"));
    main->ToolButton6Click();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, QStringLiteral("Сохранение результата расчета"));
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("htm"));
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].folder, dataFolder.path());
    const std::string page = fundis::htmlReport(main->record, "Без имени", true);
    EXPECT_EQ(readFile(nextFileName).toStdString(), page);
    EXPECT_EQ(main->lastHtmlName, nextFileName);
    EXPECT_TRUE(messages.empty());

    nextFileName = dataFolder.filePath(QStringLiteral("нет такой папки/отчет.htm"));
    main->ToolButton6Click();
    EXPECT_EQ(requests.back().proposedName, dataFolder.filePath(QStringLiteral("отчет.htm")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0].text, nextFileName));
    EXPECT_FALSE(QFile::exists(nextFileName));

    nextFileName.clear();  // cancelled
    main->ToolButton6Click();
    EXPECT_EQ(messages.size(), 1u);
}

// Help and the settlement program: the shell opens programDir + the fixed tail
TEST_F(AppFixture, HelpAndSettlementOpenTheirPaths) {
    activate();
    fundis::testing::UrlRecorder recorder;
    const struct {
        const char* programDir;
        std::function<void(TForm1&)> command;
        const char* path;
    } rows[] = {
        {"/opt/fundis", [](TForm1& form) { form.N14Click(); }, "/opt/fundis/Help/index.htm"},
        {"/opt/fundis/", [](TForm1& form) { form.N14Click(); }, "/opt/fundis//Help/index.htm"},  // as given
        {"", [](TForm1& form) { form.BitBtn1Click(); }, "/S"},
    };
    for (const auto& row : rows) {
        main->settings.programDir = row.programDir;
        row.command(*main);
        EXPECT_EQ(main->tablePath, QString::fromLatin1(row.path));
        ASSERT_FALSE(recorder.urls.isEmpty());
        EXPECT_EQ(recorder.urls.back(), QUrl::fromLocalFile(QString::fromLatin1(row.path)));
    }
    EXPECT_EQ(recorder.urls.size(), 3);
}
