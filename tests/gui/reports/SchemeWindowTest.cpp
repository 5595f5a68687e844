// SPDX-License-Identifier: GPL-3.0-or-later
// The scheme window as a user drives it: keys and buttons; what it draws and prints.

#include "gui/reports/SchemeWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "support/RecordingCanvas.h"
#include "support/SampleProject.h"
#include "support/WindowsFixture.h"

using namespace fundis;

namespace {

class SchemeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setDialogs(&dialogs);
        printer.setOutputFormat(QPrinter::PdfFormat);  // never a real printer
        context = record.context();
        context.decimalSeparator = ',';
    }
    void TearDown() override { setDialogs(nullptr); }

    QPushButton* button(const SchemeWindow& window, const QString& text) {
        for (QPushButton* candidate : window.findChildren<QPushButton*>()) {
            if (candidate->text() == text) {
                return candidate;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }

    fundis::ScriptedDialogs dialogs;
    QPrinter printer;
    QTemporaryDir folder;
    SampleDesign record = twoStepFoundation();
    ReportContext context;
};

}  // namespace

// It opens fitted to its size, zooms by keys and buttons, and scrolls when larger than the window;
// 100 % is the scale of the settings
TEST_F(SchemeWindowTest, ZoomsAndScrolls) {
    SchemeWindow scheme(nullptr, context, printer, folder.path());
    scheme.show();
    QApplication::processEvents();
    auto* view = scheme.findChild<QScrollArea*>();
    ASSERT_NE(view, nullptr);
    const QSize room = view->viewport()->size();
    const QWidget* drawing = view->widget();
    EXPECT_LE(drawing->width(), room.width());
    EXPECT_LE(drawing->height(), room.height());
    EXPECT_TRUE(drawing->width() > room.width() * 0.9 || drawing->height() > room.height() * 0.9);

    const double fitted = scheme.zoom();
    QTest::keyClick(&scheme, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(scheme.zoom(), fitted * 1.25, 1e-9);
    button(scheme, QStringLiteral("100 %"))->click();
    EXPECT_DOUBLE_EQ(scheme.zoom(), 1.0);
    scheme.setZoom(4.0);
    QApplication::processEvents();
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
    button(scheme, QStringLiteral("По размеру окна"))->click();
    EXPECT_DOUBLE_EQ(scheme.zoom(), fitted);
    button(scheme, QStringLiteral("Закрыть"))->click();
    EXPECT_FALSE(scheme.isVisible());
}

// The window shows the calculation it was opened on, with the out-of-date line (the verdict's lines,
// where they stand and how they look SchemeDrawingTest checks on the same document); the drawing is
// what the record held at opening. Its "Печать" puts the page on paper: one page of a PDF here
TEST_F(SchemeWindowTest, ShowsAndPrintsTheScheme) {
    context.outOfDate = true;
    SchemeWindow scheme(nullptr, context, printer, folder.path());
    record.result.steps.l = 0;  // changed after the window opened: the window keeps its copy
    RecordingCanvas shown(1400, 1000);
    scheme.drawScheme(shown);
    ASSERT_FALSE(shown.texts().empty());
    EXPECT_EQ(shown.texts().front().text.rfind("Результаты не соответствуют", 0), 0u);
    ASSERT_FALSE(shown.lines().empty());
    EXPECT_NEAR(shown.lines().front().to.x - shown.lines().front().from.x, 2.4 * 44, 1.0);

    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("схема.pdf"));
    dialogs.files = {pdf};
    button(scheme, QStringLiteral("Печать"))->click();
    const QString bytes = QString::fromLatin1(fundis::testing::readFile(pdf));
    EXPECT_TRUE(bytes.startsWith(QStringLiteral("%PDF")));
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
}
