// SPDX-License-Identifier: GPL-3.0-or-later
// The documents on real Qt devices: the printed report as PDF, the scheme as SVG.

#include "gui/reports/ExportDocuments.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "gui/reports/Printing.h"
#include "support/SampleProject.h"
#include "support/TempFolder.h"

using namespace fundis;
using fundis::testing::readBytes;

namespace {

QString runTool(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    const bool done = process.waitForFinished(30000) && process.exitCode() == 0;
    return done ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

class ExportTest : public ::testing::Test {
  protected:
    ExportTest() : context(record.context()) {
        context.fileName = "/home/user/projects/colonna.dan";
        context.schemeScale = 50;
        context.decimalSeparator = ',';
    }
    fundis::testing::TempFolder folder;
    SampleDesign record = twoStepFoundation();
    ReportContext context;
};

}  // namespace

// Three A4 pages in order: the text page, the tables, the scheme; the report face or one with its
// widths embedded
TEST_F(ExportTest, PdfHoldsTheThreeDocumentsInOrderOnA4) {
    const std::string file = folder.file("report.pdf");
    const Status written = writeReportPdf(file, context);
    ASSERT_TRUE(written.ok()) << written.message();
    const QByteArray bytes = QByteArray::fromStdString(readBytes(file));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")), 3);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils missing: page contents not checked";
    }
    const QString path = QString::fromStdString(file);
    EXPECT_TRUE(runTool("pdfinfo", {path}).contains(QStringLiteral("(A4)")));
    // the pages' order: the last one the scheme (what each page holds PrintedReportTest checks)
    EXPECT_TRUE(
        runTool("pdftotext", {"-f", "3", "-l", "3", path, "-"}).contains(QStringLiteral("Схема фундамента")));
    const QString fonts = runTool("pdffonts", {path});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSerif")) ||
                fonts.contains(QStringLiteral("TimesNewRoman")))
        << fonts.toStdString();
}

// The SVG holds the drawn scheme, and a large foundation widens the picture instead of being cut off
TEST_F(ExportTest, SvgHoldsTheWholeScheme) {
    const auto width = [&](const char* name) {
        EXPECT_TRUE(writeSchemeSvg(folder.file(name), context).ok());
        const QString svg = QString::fromStdString(readBytes(folder.file(name)));
        EXPECT_TRUE(
            svg.contains(QRegularExpression(QStringLiteral("<text[^>]*>\\s*Схема фундамента\\s*</text>"))));
        const auto match = QRegularExpression(QStringLiteral("<svg[^>]*viewBox=\"0 0 (\\d+) ")).match(svg);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    const int small = width("small.svg");
    record.result.steps.l = record.result.steps.lStep[1] = 9.0f;
    context.schemeScale = 25;
    // 2u + 9 m at 4u a metre + 2u + the 6.5u of the table, u = 66
    EXPECT_GT(width("large.svg"), std::max(small, 66 * (2 + 36 + 2 + 6)));
}

TEST_F(ExportTest, UnwritablePathsFailWithTheirName) {
    const std::pair<Status (*)(const std::string&, const ReportContext&), std::string> cases[] = {
        {writeReportPdf, folder.file("no/such/folder/report.pdf")},
        {writeSchemeSvg, folder.file("no/such/folder/scheme.svg")},
        {writeReportPdf, folder.path()},
        {writeSchemeSvg, ""}};
    for (const auto& [write, file] : cases) {
        SCOPED_TRACE(file.empty() ? std::string("no file name") : file);
        const Status written = write(file, context);
        const std::string named = file.empty() ? std::string("не задано имя файла") : "«" + file + "»";
        EXPECT_NE(written.message().find(named), std::string::npos) << written.message();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("no/such/folder/report.pdf")));
    QPdfWriter writer(QString::fromStdString(folder.file("no/such/folder/direct.pdf")));
    EXPECT_FALSE(drawPages(writer, reportPages(context), context));
}
