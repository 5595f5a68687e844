// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/ExportDocuments.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "core/model/FileIo.h"
#include "core/reports/PrintedReport.h"
#include "core/reports/SchemeDrawing.h"
#include "gui/reports/Printing.h"
#include "gui/reports/QPainterCanvas.h"

namespace fundis {

namespace {

// A 600 dpi page, as a common office printer gives it; the page is the whole A4 sheet.
constexpr int kPdfResolution = 600;
// The screen picture doubled: twice the unit at twice the screen's 96 dpi, so that the 8-point
// labels keep their proportion to the drawing; the scheme window's design area fits the smallest picture.
constexpr int kSvgUnit = 66;
constexpr int kSvgResolution = 192;
constexpr int kSvgMinWidth = 1600;
constexpr int kSvgMinHeight = 1100;
constexpr int kSvgMargin = 40;

void drawScheme(QPainter& painter, const ReportContext& context) {
    QPainterCanvas canvas(painter);
    DrawSchemeDocument(canvas, kSvgUnit, context, context.schemeScale);
}

}  // namespace

Status writeReportPdf(const std::string& path, const ReportContext& context) {
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                         QPageLayout::Millimeter);
    return writePdf(path, reportPages(context), context, a4, kPdfResolution);
}

Status writeSchemeSvg(const std::string& path, const ReportContext& context) {
    // a first pass finds how far the drawing reaches, so that a large foundation is not cut off
    const QRect bounds = schemeBounds(context, kSvgUnit, QFont());
    const int width = std::max(kSvgMinWidth, bounds.right() + kSvgMargin);
    const int height = std::max(kSvgMinHeight, bounds.bottom() + kSvgMargin);

    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&bytes);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kSvgResolution);
    generator.setTitle(QStringLiteral("Фундис: схема фундамента"));
    generator.setDescription(QStringLiteral("Фундис"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return Status::failure("не удалось составить рисунок SVG");
    }
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    drawScheme(painter, context);
    painter.end();
    return saveFileAtomically(
        path, std::string_view(bytes.data().constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace fundis
