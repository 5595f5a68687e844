// The settlement window's commands, through its buttons, with every modal box answered by the test.

#include "gui/settlement/SettlementWindow.h"

#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>

#include "gui/widgets/Fonts.h"
#include "gui/widgets/ReportPane.h"
#include "support/LayoutChecks.h"
#include "support/SampleProject.h"
#include "support/WindowsFixture.h"

using namespace fundis;

namespace {

class SettlementWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setDialogs(&dialogs);
        printer.setOutputFormat(QPrinter::PdfFormat);  // never a real printer
        inputs.layers = {{"1,5", "18", "12"}, {"4", "19.5", "20"}};
    }
    void TearDown() override { setDialogs(nullptr); }

    std::unique_ptr<SettlementWindow> open(const ProjectRecord* design) {
        return std::make_unique<SettlementWindow>(nullptr, inputs, design, ',', printer, folder.path());
    }
    static QString reportText(const SettlementWindow& window) {
        QString text;
        for (const ReportLine& line : reportPaneLines(*window.ReportPane)) {
            text += QString::fromStdString(line.text) + (line.failure ? " [red]\n" : "\n");
        }
        return text;
    }
    // The diagrams are blue; the empty picture has none.
    static bool pictureDrawn(SettlementWindow& window) {
        const QImage image = window.Picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return std::find(pixels, pixels + image.width() * image.height(), qRgb(0, 0, 255)) !=
               pixels + image.width() * image.height();
    }

    fundis::ScriptedDialogs dialogs;
    QPrinter printer;
    QTemporaryDir folder;
    SettlementInputs inputs;
    ProjectRecord design = twoStepFoundation();
};

}  // namespace

// Add after the current row, remove, reorder; the buttons off where they cannot act; 20 rows at most
TEST_F(SettlementWindowTest, RowCommandsAndTheirLimits) {
    auto window = open(&design);
    QSignalSpy edits(window.get(), &SettlementWindow::inputsEdited);
    EXPECT_FALSE(window->UpButton->isEnabled() || window->DownButton->isEnabled() ||
                 window->RemoveLayerButton->isEnabled());
    window->LayersTable->setCurrentCell(0, 1);
    window->DownButton->click();
    EXPECT_EQ(window->inputs().layers, (std::vector<SoilLayerTexts>{inputs.layers[1], inputs.layers[0]}));
    EXPECT_TRUE(window->UpButton->isEnabled() && !window->DownButton->isEnabled());
    window->UpButton->click();
    window->AddLayerButton->click();
    EXPECT_EQ(window->inputs().layers, (std::vector<SoilLayerTexts>{inputs.layers[0], {}, inputs.layers[1]}));
    window->RemoveLayerButton->click();
    EXPECT_EQ(window->inputs().layers, inputs.layers);
    EXPECT_EQ(edits.count(), 4);
    while (window->AddLayerButton->isEnabled()) {
        window->AddLayerButton->click();
    }
    EXPECT_EQ(window->LayersTable->rowCount(), kMostLayers);
}

// Every bad cell marked and named in one box; the texts stay; an edited cell loses its mark
TEST_F(SettlementWindowTest, BadCellsMarkedAndNamedNothingLost) {
    inputs.layers = {{"", "18", "12"}, {"4", "19.5", "abc"}};
    inputs.buildingType = kTypedSuItem;
    auto window = open(&design);
    window->CalculateButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    for (const char* cell : {"Слой 1, h, м", "Слой 2, E, МПа", "Предельная осадка su, см"}) {
        EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8(cell))) << cell;
    }
    QTableWidgetItem* bad = window->LayersTable->item(1, 2);
    EXPECT_TRUE(bad->background().style() != Qt::NoBrush && bad->toolTip().contains("abc"));
    EXPECT_EQ(window->LayersTable->item(1, 1)->background().style(), Qt::NoBrush);
    EXPECT_FALSE(window->SuEdit->toolTip().isEmpty());
    EXPECT_EQ(window->inputs(), inputs);
    EXPECT_FALSE(window->PrintButton->isEnabled());
    bad->setText("20");
    EXPECT_EQ(bad->background().style(), Qt::NoBrush);
}

// The number being typed counts although Enter was not pressed; a comma stays as typed
TEST_F(SettlementWindowTest, CalculateGivesTheReportAndThePicture) {
    auto window = open(&design);
    QSignalSpy done(window.get(), &SettlementWindow::calculated);
    EXPECT_FALSE(pictureDrawn(*window));
    window->LayersTable->setCurrentCell(1, 2);
    window->LayersTable->editItem(window->LayersTable->item(1, 2));
    auto* editor = window->LayersTable->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("25");
    window->CalculateButton->click();
    ASSERT_TRUE(window->result() && window->result()->result.status.ok());
    EXPECT_EQ(window->result()->inputs.layers[1].E, "25");
    EXPECT_EQ(window->inputs().layers[0].h, "1,5");
    EXPECT_EQ(done.count(), 1);
    EXPECT_TRUE(reportText(*window).startsWith("РАСЧЕТ ОСАДКИ ФУНДАМЕНТА\n"));
    EXPECT_TRUE(reportText(*window).contains("Предельная осадка"));
    EXPECT_TRUE(window->PrintButton->isEnabled() && pictureDrawn(*window) && dialogs.messages.isEmpty());
    // an edit leaves no result that belongs to other inputs
    window->LayersTable->item(0, 0)->setText("2");
    EXPECT_FALSE(window->result() || window->PrintButton->isEnabled() || pictureDrawn(*window));
}

// Laid out for its font: the buttons, the limit and the result whole at the usual size and at half
// as large again, the inputs' column growing with the font and the picture keeping the rest
TEST_F(SettlementWindowTest, FollowsTheFont) {
    auto window = open(&design);
    window->show();
    window->CalculateButton->click();
    fundis::testing::expectLaidOut(*window);
    const int usualColumn = window->CalculateButton->parentWidget()->width();
    window->setFont(fundis::windowFont(17));
    fundis::testing::expectLaidOut(*window);
    EXPECT_GT(window->CalculateButton->parentWidget()->width(), usualColumn);
    EXPECT_GT(window->Picture->width(), window->CalculateButton->parentWidget()->width() / 2);
}

TEST_F(SettlementWindowTest, WithoutADesignTheReportSaysSo) {
    auto window = open(nullptr);
    window->CalculateButton->click();
    EXPECT_EQ(reportText(*window),
              "РАСЧЕТ ОСАДКИ ФУНДАМЕНТА\n\nСначала выполните расчет фундамента. [red]\n");
    EXPECT_FALSE(window->PrintButton->isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// "Печать" without a printer asks for a PDF file: cancelled, nothing; a name, the file
TEST_F(SettlementWindowTest, PrintGoesThroughTheFileDialog) {
    auto window = open(&design);
    window->CalculateButton->click();
    window->PrintButton->click();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    dialogs.files = {folder.filePath("осадка.pdf")};
    window->PrintButton->click();
    EXPECT_TRUE(fundis::testing::readFile(folder.filePath("осадка.pdf")).startsWith("%PDF"));
}

// The building type shows its su; the typed su is kept for "Задать вручную"; an odd index survives
TEST_F(SettlementWindowTest, InputsRoundTripAndTheLimit) {
    inputs.buildingType = 3;
    inputs.suText = "9,5";
    auto window = open(&design);
    EXPECT_EQ(window->inputs(), inputs);
    EXPECT_TRUE(!window->SuEdit->isEnabled() && window->SuEdit->text() == "10");
    QSignalSpy edits(window.get(), &SettlementWindow::inputsEdited);
    window->TypeCombo->setCurrentIndex(kTypedSuItem);
    EXPECT_TRUE(window->SuEdit->isEnabled() && window->SuEdit->text() == "9,5");
    window->LayersTable->item(1, 1)->setText("0");
    EXPECT_EQ(edits.count(), 2);
    EXPECT_EQ(window->inputs().buildingType, kTypedSuItem);
    inputs.buildingType = 9;
    EXPECT_EQ(open(&design)->inputs().buildingType, 9);
}

// Tab goes through the cells as they are read, layer by layer; Tab in the last cell goes on to a new
// layer (the number typed there kept) instead of round to layer 1, whose cells the next keys would
// overwrite; with 20 layers it leaves the table, and Shift+Tab in the first cell does not wrap
TEST_F(SettlementWindowTest, TabFromTheLastCellAddsALayer) {
    auto window = open(&design);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTableWidget* table = window->LayersTable;
    QSignalSpy edits(window.get(), &SettlementWindow::inputsEdited);
    table->setFocus();
    table->setCurrentCell(1, 2);
    table->editItem(table->item(1, 2));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "25");
    QTest::keyClick(editor, Qt::Key_Tab);
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->currentRow(), 2);
    EXPECT_EQ(table->currentColumn(), 0);
    QApplication::processEvents();
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    QTest::keyClicks(next, "3");
    QTest::keyClick(next, Qt::Key_Tab);
    const SettlementInputs typed = window->inputs();
    ASSERT_EQ(typed.layers.size(), 3u);
    EXPECT_EQ(typed.layers[0], inputs.layers[0]);
    EXPECT_EQ(typed.layers[1].E, "25");
    EXPECT_EQ(typed.layers[2].h, "3");
    EXPECT_EQ(table->currentRow(), 2);
    EXPECT_EQ(table->currentColumn(), 1);
    EXPECT_GE(edits.count(), 3);

    QApplication::focusWidget()->clearFocus();
    table->setFocus();
    table->setCurrentCell(0, 0);
    QTest::keyClick(table, Qt::Key_Backtab);
    EXPECT_EQ(table->currentRow(), 0);
    EXPECT_EQ(table->currentColumn(), 0);

    while (table->rowCount() < kMostLayers) {
        window->AddLayerButton->click();
    }
    table->setFocus();
    table->setCurrentCell(kMostLayers - 1, 2);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_EQ(table->rowCount(), kMostLayers);
    EXPECT_EQ(table->currentRow(), kMostLayers - 1);
    EXPECT_EQ(window->inputs().layers[0], inputs.layers[0]);
}
