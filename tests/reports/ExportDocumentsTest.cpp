#include "reports/ExportDocuments.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>

#include "reports/QPainterCanvas.h"
#include "tests/reports/ReportTestRecord.h"

using fundis::ReportContext;
using fundis::TProjectData;

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "export_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        auto* app = new QApplication(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        return app;
    }();
    (void)application;
}

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePoppler() { return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(); }

// The page count as pdfinfo tells it, or by the page objects when poppler is missing.
int pdfPageCount(const QString& path) {
    if (havePoppler()) {
        const QString info = runTool(QStringLiteral("pdfinfo"), {path});
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QString pdfPageText(const QString& path, int page) {
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                    QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
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

TEST_F(ExportTest, PdfHoldsTheThreeDocumentsInOrderOnA4) {
    const QString file = path("report.pdf");
    std::string error;
    ASSERT_TRUE(fundis::writeReportPdf(file.toStdString(), context, error)) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(pdfPageCount(file), 3);
    if (!havePoppler()) {
        GTEST_SKIP() << "poppler-utils missing: page contents not checked";
    }
    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("(A4)")));

    const QString text = pdfPageText(file, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("РАСЧЕТНЫЕ ДАННЫЕ")));
    EXPECT_TRUE(text.contains(QStringLiteral("γ")));
    EXPECT_TRUE(text.contains(QStringLiteral("φ")));
    EXPECT_TRUE(text.contains(QStringLiteral("MII = 120,000кН.м;")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"/home/user/projects/colonna.dan\"")));

    const QString tables = pdfPageText(file, 2);
    EXPECT_TRUE(tables.contains(QStringLiteral("РАЗМЕРЫ ФУНДАМЕНТА")));
    EXPECT_TRUE(tables.contains(QStringLiteral("АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА")));
    EXPECT_TRUE(tables.contains(QStringLiteral("24,127")));
    EXPECT_FALSE(tables.contains(QStringLiteral("ИСХОДНЫЕ ДАННЫЕ")));

    EXPECT_TRUE(pdfPageText(file, 3).contains(QStringLiteral("Схема фундамента")));

    // the report face is Times New Roman or a face with its widths, embedded in the file
    const QString fonts = runTool(QStringLiteral("pdffonts"), {file});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSerif")) ||
                fonts.contains(QStringLiteral("TimesNewRoman")))
        << fonts.toStdString();
}

TEST_F(ExportTest, SvgHoldsTheSchemeWithItsTitle) {
    const QString file = path("scheme.svg");
    std::string error;
    ASSERT_TRUE(fundis::writeSchemeSvg(file.toStdString(), context, error)) << error;
    QFile svg(file);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<svg")));
    // the drawn title, not only the file's description
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("<text[^>]*>\\s*Схема фундамента\\s*</text>"))))
        << text.left(3000).toStdString();
}

TEST_F(ExportTest, SvgGrowsWithALargeFoundation) {
    std::string error;
    const QString small = path("small.svg");
    ASSERT_TRUE(fundis::writeSchemeSvg(small.toStdString(), context, error)) << error;

    // a 9 m base at 1:25 reaches far beyond the usual picture
    record.l = 9.0f;
    record.lStep[1] = 9.0f;
    context.schemeScale = 25;
    const QString large = path("large.svg");
    ASSERT_TRUE(fundis::writeSchemeSvg(large.toStdString(), context, error)) << error;

    QFile smallFile(small), largeFile(large);
    ASSERT_TRUE(smallFile.open(QIODevice::ReadOnly));
    ASSERT_TRUE(largeFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(svgWidth(QString::fromUtf8(smallFile.readAll())), 1600);
    // 2u + 9 m * 100u/25 + 2u + 6.5u of the table, u = 66
    EXPECT_GT(svgWidth(QString::fromUtf8(largeFile.readAll())), 66 * (2 + 36 + 2 + 6));
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
        EXPECT_FALSE(error.empty()) << c.what;
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
    }
    void TearDown() override { painter.end(); }

    // the bounding box of pixels of `color` (exact match)
    QRect pixelsOf(QRgb color) {
        painter.end();
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) {
                    box = box.united(QRect(x, y, 1, 1));
                }
            }
        }
        painter.begin(&image);
        return box;
    }
    bool hasPixel(QRgb color) { return !pixelsOf(color).isNull(); }

    QImage image{400, 300, QImage::Format_RGB32};
    QPainter painter;
};

TEST_F(CanvasTest, TimesNewRomanHasItsOwnWidths) {
    fundis::QPainterCanvas canvas(painter);
    fundis::CanvasFont font;
    font.face = "Times New Roman";
    font.sizePoints = 12;  // 16 pixels at 96 dpi
    canvas.setFont(font);
    // "#" and the digits are half an em wide in Times New Roman and its metric twins
    EXPECT_EQ(canvas.textWidth("##############"), 14 * 8)
        << QFontInfo(canvas.qtFont()).family().toStdString();
    EXPECT_EQ(canvas.textWidth("0.000"), 36);
    EXPECT_GE(canvas.textHeight("#"), 17);
    EXPECT_LE(canvas.textHeight("#"), 19);
    EXPECT_EQ(canvas.pageWidth(), 400);
    EXPECT_EQ(canvas.pageHeight(), 300);
}

TEST_F(CanvasTest, SchemeLabelsFitTheFirstTableColumn) {
    // the scheme's 8-point face without a name must be as narrow as the old bitmap face: at unit 33
    // the table's first column is 66 px and its labels start 3 px in
    fundis::QPainterCanvas canvas(painter);
    fundis::CanvasFont font;
    font.sizePoints = 8;
    canvas.setFont(font);
    for (const char* label : {"размеры,м", "подошвы,м", "колонны,м", "ступеней", "фундамента"}) {
        EXPECT_LE(canvas.textWidth(label), 66 - 3 - 4)
            << label << " in " << QFontInfo(canvas.qtFont()).family().toStdString();
    }
}

TEST_F(CanvasTest, FontSizesFollowTheDeviceResolution) {
    QImage fine(100, 100, QImage::Format_RGB32);
    fine.setDotsPerMeterX(600 * 10000 / 254);
    fine.setDotsPerMeterY(600 * 10000 / 254);
    QPainter finePainter(&fine);
    fundis::QPainterCanvas fineCanvas(finePainter);
    fundis::QPainterCanvas screenCanvas(painter);
    fundis::CanvasFont font;
    font.face = "Times New Roman";
    font.sizePoints = 12;
    fineCanvas.setFont(font);
    screenCanvas.setFont(font);
    EXPECT_NEAR(fineCanvas.textWidth("##########"), 10 * 50, 5);  // 12 pt = 100 px at 600 dpi
    EXPECT_NEAR(fineCanvas.textHeight("#") * 96.0 / 600.0, screenCanvas.textHeight("#"), 1.0);
}

TEST_F(CanvasTest, TextStandsBelowAndRightOfItsCorner) {
    fundis::QPainterCanvas canvas(painter);
    canvas.setBrush(fundis::CanvasColor::White, fundis::BrushStyle::Clear);
    fundis::CanvasFont font;
    font.sizePoints = 20;
    font.color = fundis::CanvasColor::Red;
    canvas.setFont(font);
    canvas.textOut(100, 50, "ЕНЕ");
    const QRect ink = pixelsOf(qRgb(255, 0, 0));
    // antialiased edges are not pure red; the solid strokes are
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.left(), 100 + 6);
    EXPECT_GE(ink.top(), 50);
    EXPECT_LE(ink.bottom(), 50 + canvas.textHeight("#"));
    EXPECT_LE(ink.right(), 100 + canvas.textWidth("ЕНЕ"));
}

TEST_F(CanvasTest, ASolidBrushGivesTextItsBackground) {
    fundis::QPainterCanvas canvas(painter);
    canvas.setBrush(fundis::CanvasColor::Blue, fundis::BrushStyle::Solid);
    canvas.textOut(10, 10, "lc");
    const QRect background = pixelsOf(qRgb(0, 0, 255));
    EXPECT_EQ(background.topLeft(), QPoint(10, 10));
    EXPECT_EQ(background.width(), canvas.textWidth("lc"));
    EXPECT_EQ(background.height(), canvas.textHeight("lc"));

    canvas.setBrush(fundis::CanvasColor::Red, fundis::BrushStyle::Clear);
    canvas.textOut(200, 200, "lc");
    EXPECT_FALSE(pixelsOf(qRgb(0, 0, 255)).contains(QPoint(200, 200)));
    EXPECT_FALSE(hasPixel(qRgb(255, 0, 0)));
}

TEST_F(CanvasTest, RectangleLeavesOutItsFarCorner) {
    fundis::QPainterCanvas canvas(painter);
    canvas.setPen(1, fundis::CanvasColor::Red);
    canvas.setBrush(fundis::CanvasColor::White, fundis::BrushStyle::Clear);
    canvas.rectangle(10, 20, 30, 50);
    EXPECT_EQ(pixelsOf(qRgb(255, 0, 0)), QRect(QPoint(10, 20), QPoint(29, 49)));

    canvas.setPen(1, fundis::CanvasColor::Blue);
    canvas.setBrush(fundis::CanvasColor::Blue, fundis::BrushStyle::BackwardDiagonal);
    canvas.rectangle(100, 100, 160, 160);
    painter.end();
    int blueInside = 0;
    int whiteInside = 0;
    for (int y = 102; y < 158; ++y) {
        for (int x = 102; x < 158; ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            blueInside += pixel == 0x0000FF;
            whiteInside += pixel == 0xFFFFFF;
        }
    }
    painter.begin(&image);
    // hatched: partly blue, mostly white
    EXPECT_GT(blueInside, 56 * 56 / 20);
    EXPECT_GT(whiteInside, 56 * 56 / 2);
}

TEST_F(CanvasTest, LinesMoveThePen) {
    fundis::QPainterCanvas canvas(painter);
    canvas.setPen(3, fundis::CanvasColor::Blue);
    EXPECT_EQ(canvas.penWidth(), 3);
    EXPECT_EQ(canvas.penColor(), fundis::CanvasColor::Blue);
    canvas.moveTo(20, 30);
    EXPECT_EQ(canvas.penPosition().x, 20);
    canvas.lineTo(120, 30);
    EXPECT_EQ(canvas.penPosition().x, 120);
    EXPECT_EQ(canvas.penPosition().y, 30);
    canvas.lineTo(120, 80);
    const QRect ink = pixelsOf(qRgb(0, 0, 255));
    EXPECT_LE(ink.left(), 20);
    EXPECT_GE(ink.left(), 18);
    EXPECT_GE(ink.bottom(), 80);
    EXPECT_LE(ink.bottom(), 82);
}

}  // namespace
