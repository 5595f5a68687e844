// SPDX-License-Identifier: GPL-3.0-or-later
// The settlement window's commands, through its buttons, with every modal box answered by the test.

#include "gui/settlement/SettlementWindow.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <algorithm>

#include "support/SampleProject.h"
#include "support/WindowsFixture.h"

using namespace fundis;
using fundis::testing::child;

namespace {

class SettlementWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setDialogs(&dialogs);
        printer.setOutputFormat(QPrinter::PdfFormat);  // never a real printer
        inputs.layers = {{"1,5", "18", "12"}, {"4", "19.5", "20"}};
    }
    void TearDown() override { setDialogs(nullptr); }

    std::unique_ptr<SettlementWindow> open(const ReportContext* design) {
        return std::make_unique<SettlementWindow>(nullptr, inputs, design, ',', printer, folder.path());
    }
    static QString reportText(const SettlementWindow& window) {
        QString text;
        for (const ReportLine& line : window.reportLines()) {
            text += QString::fromStdString(line.text) + (line.failure ? " [red]\n" : "\n");
        }
        return text;
    }
    // The diagrams are blue; the empty picture has none.
    static bool pictureDrawn(SettlementWindow& window) {
        const QImage image =
            child<QWidget>(window, "picture")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return std::find(pixels, pixels + image.width() * image.height(), qRgb(0, 0, 255)) !=
               pixels + image.width() * image.height();
    }

    fundis::ScriptedDialogs dialogs;
    QPrinter printer;
    QTemporaryDir folder;
    SettlementInputs inputs;
    SampleDesign sample = twoStepFoundation();
    ReportContext design = sample.context();
};

}  // namespace

// Add after the current row, remove, reorder; the buttons off where they cannot act
TEST_F(SettlementWindowTest, RowCommandsAndTheirLimits) {
    auto window = open(&design);
    auto* add = child<QPushButton>(*window, "addLayerButton");
    auto* remove = child<QPushButton>(*window, "removeLayerButton");
    auto* up = child<QPushButton>(*window, "upButton");
    auto* down = child<QPushButton>(*window, "downButton");
    QSignalSpy edits(window.get(), &SettlementWindow::inputsEdited);
    EXPECT_FALSE(up->isEnabled() || down->isEnabled() || remove->isEnabled());
    child<QTableWidget>(*window, "layersTable")->setCurrentCell(0, 1);
    down->click();
    EXPECT_EQ(window->inputs().layers, (std::vector<SoilLayerTexts>{inputs.layers[1], inputs.layers[0]}));
    EXPECT_TRUE(up->isEnabled() && !down->isEnabled());
    up->click();
    add->click();
    EXPECT_EQ(window->inputs().layers, (std::vector<SoilLayerTexts>{inputs.layers[0], {}, inputs.layers[1]}));
    remove->click();
    EXPECT_EQ(window->inputs().layers, inputs.layers);
    EXPECT_EQ(edits.count(), 4);
}

// Every bad cell marked and named in one box; the texts stay; an edited cell loses its mark
TEST_F(SettlementWindowTest, BadCellsMarkedAndNamedNothingLost) {
    inputs.layers = {{"", "18", "12"}, {"4", "19.5", "abc"}};
    inputs.buildingType = kTypedSuItem;
    auto window = open(&design);
    child<QPushButton>(*window, "calculateButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    for (const char* cell : {"Слой 1, h, м", "Слой 2, E, МПа", "Предельная осадка su, см"}) {
        EXPECT_TRUE(dialogs.messages[0].contains(QString::fromUtf8(cell))) << cell;
    }
    auto* table = child<QTableWidget>(*window, "layersTable");
    QTableWidgetItem* bad = table->item(1, 2);
    EXPECT_TRUE(bad->background().style() != Qt::NoBrush && bad->toolTip().contains("abc"));
    EXPECT_EQ(table->item(1, 1)->background().style(), Qt::NoBrush);
    EXPECT_FALSE(child<QLineEdit>(*window, "suEdit")->toolTip().isEmpty());
    EXPECT_EQ(window->inputs(), inputs);
    EXPECT_FALSE(child<QPushButton>(*window, "printButton")->isEnabled());
    bad->setText("20");
    EXPECT_EQ(bad->background().style(), Qt::NoBrush);
}

// The number being typed counts although Enter was not pressed; a comma stays as typed; "Печать"
// without a printer asks for a PDF file: cancelled, nothing; a name, the file. An edit leaves no
// result that belongs to other inputs
TEST_F(SettlementWindowTest, CalculateAndPrint) {
    auto window = open(&design);
    window->show();
    QSignalSpy done(window.get(), &SettlementWindow::calculated);
    EXPECT_FALSE(pictureDrawn(*window));
    auto* table = child<QTableWidget>(*window, "layersTable");
    auto* print = child<QPushButton>(*window, "printButton");
    auto* calculate = child<QPushButton>(*window, "calculateButton");
    table->setCurrentCell(1, 2);
    table->editItem(table->item(1, 2));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("25");
    calculate->click();
    ASSERT_TRUE(window->result() && window->result()->result.status.ok());
    EXPECT_EQ(window->result()->inputs.layers[1].E, "25");
    EXPECT_EQ(window->inputs().layers[0].h, "1,5");
    EXPECT_EQ(done.count(), 1);
    EXPECT_TRUE(reportText(*window).startsWith("РАСЧЕТ ОСАДКИ ФУНДАМЕНТА\n"));
    EXPECT_TRUE(print->isEnabled() && pictureDrawn(*window) && dialogs.messages.isEmpty());

    print->click();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    dialogs.files = {folder.filePath("осадка.pdf")};
    print->click();
    EXPECT_TRUE(fundis::testing::readFile(folder.filePath("осадка.pdf")).startsWith("%PDF"));

    table->item(0, 0)->setText("2");
    EXPECT_FALSE(window->result() || print->isEnabled() || pictureDrawn(*window));
}

// The building type shows its su; the typed su is kept for "Задать вручную"; an odd index survives
TEST_F(SettlementWindowTest, InputsRoundTripAndTheLimit) {
    inputs.buildingType = 3;
    inputs.suText = "9,5";
    auto window = open(&design);
    EXPECT_EQ(window->inputs(), inputs);
    auto* su = child<QLineEdit>(*window, "suEdit");
    EXPECT_TRUE(!su->isEnabled() && su->text() == "10");
    QSignalSpy edits(window.get(), &SettlementWindow::inputsEdited);
    child<QComboBox>(*window, "typeCombo")->setCurrentIndex(kTypedSuItem);
    EXPECT_TRUE(su->isEnabled() && su->text() == "9,5");
    child<QTableWidget>(*window, "layersTable")->item(1, 1)->setText("0");
    EXPECT_EQ(edits.count(), 2);
    EXPECT_EQ(window->inputs().buildingType, kTypedSuItem);
    inputs.buildingType = 9;
    EXPECT_EQ(open(&design)->inputs().buildingType, 9);
}

// Tab goes through the cells as they are read, layer by layer; Tab in the last cell goes on to a new
// layer (the number typed there kept) instead of round to layer 1, whose cells the next keys would
// overwrite
TEST_F(SettlementWindowTest, TabFromTheLastCellAddsALayer) {
    auto window = open(&design);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTableWidget* table = child<QTableWidget>(*window, "layersTable");
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
}
