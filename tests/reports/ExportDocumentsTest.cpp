#include "reports/ui/ExportDocuments.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>

#include "reports/ui/QPainterCanvas.h"
#include "tests/reports/ReportTestRecord.h"

using fundis::ReportContext;
using fundis::TProjectData;

namespace {

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePoppler() { return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(); }

QString pdfPageText(const QString& path, int page) {
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                    QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Width of the picture from its header.
int svgWidth(const QString& text) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<svg[^>]*viewBox=\"0 0 (\\d+) (\\d+)\"")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(folder.isValid());
        record = twoStepFoundation();
        context.data = &record;
        context.fileName = "/home/user/projects/colonna.dan";
        context.schemeScale = 50;
        context.decimalSeparator = ',';
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    TProjectData record;
    ReportContext context;
};

// The page contents are the recording-canvas tests' business; here the three documents reach the
// file in order, with the project's separator, name and the Greek letters intact.
TEST_F(ExportTest, PdfHoldsTheThreeDocumentsInOrderOnA4) {
    const QString file = path("report.pdf");
    std::string error;
    ASSERT_TRUE(fundis::writeReportPdf(file.toStdString(), context, error)) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(pdfPageObjects(file), 3);
    if (!havePoppler()) {
        GTEST_SKIP() << "poppler-utils missing: page contents not checked";
    }
    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("(A4)")));

    const QString text = pdfPageText(file, 1);
    for (const char* part :
         {"ИСХОДНЫЕ ДАННЫЕ", "γ", "MII = 120,000кН.м;", "\"/home/user/projects/colonna.dan\""}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    }
    const QString tables = pdfPageText(file, 2);
    EXPECT_TRUE(tables.contains(QStringLiteral("РАЗМЕРЫ ФУНДАМЕНТА")));
    EXPECT_TRUE(tables.contains(QStringLiteral("24,127")));
    EXPECT_FALSE(tables.contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));
    EXPECT_TRUE(pdfPageText(file, 3).contains(QStringLiteral("Схема фундамента")));

    // the report face is Times New Roman or a face with its widths, embedded in the file
    const QString fonts = runTool(QStringLiteral("pdffonts"), {file});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSerif")) ||
                fonts.contains(QStringLiteral("TimesNewRoman")))
        << fonts.toStdString();
}

TEST_F(ExportTest, SvgHoldsTheSchemeAndGrowsWithALargeFoundation) {
    std::string error;
    const QString small = path("small.svg");
    ASSERT_TRUE(fundis::writeSchemeSvg(small.toStdString(), context, error)) << error;
    const QString text = fileText(small);
    EXPECT_EQ(svgWidth(text), 1600);
    // the drawn title, not only the file's description
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("<text[^>]*>\\s*Схема фундамента\\s*</text>"))))
        << text.left(3000).toStdString();

    // a 9 m base at 1:25 reaches far beyond the usual picture
    record.l = 9.0f;
    record.lStep[1] = 9.0f;
    context.schemeScale = 25;
    const QString large = path("large.svg");
    ASSERT_TRUE(fundis::writeSchemeSvg(large.toStdString(), context, error)) << error;
    // 2u + 9 m * 100u/25 + 2u + 6.5u of the table, u = 66
    EXPECT_GT(svgWidth(fileText(large)), 66 * (2 + 36 + 2 + 6));
}

TEST_F(ExportTest, UnwritablePathsFailWithTheirName) {
    const std::string missing = path("no/such/folder/report.pdf").toStdString();
    const struct {
        const char* what;
        bool (*write)(const std::string&, const ReportContext&, std::string&);
        std::string file;
    } cases[] = {
        {"pdf", fundis::writeReportPdf, missing},
        {"svg", fundis::writeSchemeSvg, path("no/such/folder/scheme.svg").toStdString()},
        {"pdf into a folder", fundis::writeReportPdf, folder.path().toStdString()},
        {"empty name", fundis::writeSchemeSvg, ""},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(c.write(c.file, context, error)) << c.what;
        EXPECT_NE(error.find("\"" + c.file + "\""), std::string::npos) << c.what << ": " << error;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
}

// QPainterCanvas on a 96 dpi image: the metrics and placing the drawings rely on.
class CanvasTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        painter.begin(&image);
        canvas.emplace(painter);
    }
    void TearDown() override { painter.end(); }

    static fundis::CanvasFont font(double points, const char* face = "") { return {face, points}; }
    // the pixels of `color` (exact match), counted or boxed, with the painting so far finished
    int count(QRgb color, QRect area = QRect()) {
        painter.end();
        const int n = countPixels(image, color, area);
        painter.begin(&image);
        return n;
    }
    QRect pixelsOf(QRgb color) {
        painter.end();
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                box |= (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF) ? QRect(x, y, 1, 1) : QRect();
            }
        }
        painter.begin(&image);
        return box;
    }

    QImage image{400, 300, QImage::Format_RGB32};
    QPainter painter;
    std::optional<fundis::QPainterCanvas> canvas;  // on the painter once it paints
};

TEST_F(CanvasTest, TimesNewRomanHasItsOwnWidthsAtAnyResolution) {
    canvas->setFont(font(12, "Times New Roman"));  // 16 pixels at 96 dpi
    // "#" and the digits are half an em wide in Times New Roman and its metric twins
    EXPECT_EQ(canvas->textWidth("##############"), 14 * 8)
        << QFontInfo(canvas->qtFont()).family().toStdString();
    EXPECT_EQ(canvas->textWidth("0.000"), 36);
    EXPECT_GE(canvas->textHeight("#"), 17);
    EXPECT_LE(canvas->textHeight("#"), 19);
    EXPECT_EQ(canvas->pageWidth(), 400);
    EXPECT_EQ(canvas->pageHeight(), 300);

    // the sizes follow the device's resolution: 12 pt = 100 px at 600 dpi
    QImage fine(100, 100, QImage::Format_RGB32);
    fine.setDotsPerMeterX(600 * 10000 / 254);
    fine.setDotsPerMeterY(600 * 10000 / 254);
    QPainter finePainter(&fine);
    fundis::QPainterCanvas fineCanvas(finePainter);
    fineCanvas.setFont(font(12, "Times New Roman"));
    EXPECT_NEAR(fineCanvas.textWidth("##########"), 10 * 50, 5);
    EXPECT_NEAR(fineCanvas.textHeight("#") * 96.0 / 600.0, canvas->textHeight("#"), 1.0);
}

TEST_F(CanvasTest, SchemeLabelsFitTheFirstTableColumn) {
    // the scheme's 8-point face without a name must be as narrow as the old bitmap face: at unit 33
    // the table's first column is 66 px and its labels start 3 px in
    canvas->setFont(font(8));
    for (const char* label : {"размеры,м", "подошвы,м", "колонны,м", "ступеней", "фундамента"}) {
        EXPECT_LE(canvas->textWidth(label), 66 - 3 - 4)
            << label << " in " << QFontInfo(canvas->qtFont()).family().toStdString();
    }
}

TEST_F(CanvasTest, TextStandsBelowAndRightOfItsCorner) {
    canvas->setBrush(fundis::CanvasColor::White, fundis::BrushStyle::Clear);
    canvas->setFont({"", 20, fundis::CanvasColor::Red});
    canvas->textOut(100, 50, "ЕНЕ");
    const QRect ink = pixelsOf(qRgb(255, 0, 0));
    // antialiased edges are not pure red; the solid strokes are
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.left(), 100 + 6);
    EXPECT_GE(ink.top(), 50);
    EXPECT_LE(ink.bottom(), 50 + canvas->textHeight("#"));
    EXPECT_LE(ink.right(), 100 + canvas->textWidth("ЕНЕ"));
}

TEST_F(CanvasTest, ASolidBrushGivesTextItsBackground) {
    canvas->setBrush(fundis::CanvasColor::Blue, fundis::BrushStyle::Solid);
    canvas->textOut(10, 10, "lc");
    EXPECT_EQ(pixelsOf(qRgb(0, 0, 255)), QRect(10, 10, canvas->textWidth("lc"), canvas->textHeight("lc")));

    canvas->setBrush(fundis::CanvasColor::Red, fundis::BrushStyle::Clear);
    canvas->textOut(200, 200, "lc");
    EXPECT_FALSE(pixelsOf(qRgb(0, 0, 255)).contains(QPoint(200, 200)));
    EXPECT_EQ(count(qRgb(255, 0, 0)), 0);
}

TEST_F(CanvasTest, RectangleLeavesOutItsFarCorner) {
    canvas->setPen(1, fundis::CanvasColor::Red);
    canvas->setBrush(fundis::CanvasColor::White, fundis::BrushStyle::Clear);
    canvas->rectangle(10, 20, 30, 50);
    EXPECT_EQ(pixelsOf(qRgb(255, 0, 0)), QRect(QPoint(10, 20), QPoint(29, 49)));

    canvas->setPen(1, fundis::CanvasColor::Blue);
    canvas->setBrush(fundis::CanvasColor::Blue, fundis::BrushStyle::BackwardDiagonal);
    canvas->rectangle(100, 100, 160, 160);
    // hatched: partly blue, mostly white
    const QRect inside(102, 102, 56, 56);
    EXPECT_GT(count(qRgb(0, 0, 255), inside), 56 * 56 / 20);
    EXPECT_GT(count(qRgb(255, 255, 255), inside), 56 * 56 / 2);
}

TEST_F(CanvasTest, LinesMoveThePen) {
    canvas->setPen(3, fundis::CanvasColor::Blue);
    EXPECT_EQ(canvas->penWidth(), 3);
    EXPECT_EQ(canvas->penColor(), fundis::CanvasColor::Blue);
    canvas->moveTo(20, 30);
    EXPECT_EQ(canvas->penPosition().x, 20);
    canvas->lineTo(120, 30);
    EXPECT_EQ(canvas->penPosition().x, 120);
    EXPECT_EQ(canvas->penPosition().y, 30);
    canvas->lineTo(120, 80);
    const QRect ink = pixelsOf(qRgb(0, 0, 255));
    EXPECT_LE(ink.left(), 20);
    EXPECT_GE(ink.left(), 18);
    EXPECT_GE(ink.bottom(), 80);
    EXPECT_LE(ink.bottom(), 82);
}

}  // namespace
