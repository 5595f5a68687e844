#include "reports/ui/ExportDocuments.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSvgGenerator>
#include <algorithm>

#include "reports/PrintedReport.h"
#include "reports/SchemeDrawing.h"
#include "reports/ui/Printing.h"
#include "reports/ui/QPainterCanvas.h"

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

const TProjectData& recordOf(const ReportContext& context) {
    static const TProjectData empty;
    return context.data ? *context.data : empty;
}

Status cannotWrite(const std::string& path, const QString& reason = QString()) {
    std::string text = "не удалось записать файл «" + path + "»";
    if (!reason.isEmpty()) {
        text += ": " + reason.toStdString();
    }
    return Status::failure(text);
}

// A file we may create or overwrite; QPdfWriter and QSvgGenerator only warn on the console.
bool probeWritable(const QString& path, QString& reason) {
    QFile file(path);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        reason = file.errorString();
        return false;
    }
    file.close();
    if (!existed) {
        file.remove();
    }
    return true;
}

void drawScheme(QPainter& painter, const ReportContext& context) {
    QPainterCanvas canvas(painter);
    DrawFoundationScheme(canvas, kSvgUnit, recordOf(context), context.schemeScale, context.decimalSeparator);
}

}  // namespace

Status writeReportPdf(const std::string& path, const ReportContext& context) {
    const QString qPath = QString::fromStdString(path);
    QString reason;
    if (path.empty() || !probeWritable(qPath, reason)) {
        return cannotWrite(path, reason);
    }
    QPdfWriter writer(qPath);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("Фундис"));
    writer.setTitle(QStringLiteral("Расчет фундамента ") +
                    QFileInfo(QString::fromStdString(context.fileName)).fileName());

    if (!drawPages(writer, reportPages(context), context)) {
        return cannotWrite(path);
    }
    return {};
}

Status writeSchemeSvg(const std::string& path, const ReportContext& context) {
    const QString qPath = QString::fromStdString(path);
    QString reason;
    if (path.empty() || !probeWritable(qPath, reason)) {
        return cannotWrite(path, reason);
    }
    // a first pass finds how far the drawing reaches, so that a large foundation is not cut off
    QPicture measure;
    {
        QPainter painter(&measure);
        drawScheme(painter, context);
    }
    const QRect bounds = measure.boundingRect();
    const int width = std::max(kSvgMinWidth, bounds.right() + kSvgMargin);
    const int height = std::max(kSvgMinHeight, bounds.bottom() + kSvgMargin);

    QSvgGenerator generator;
    generator.setFileName(qPath);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kSvgResolution);
    generator.setTitle(QStringLiteral("Фундис: схема фундамента"));
    generator.setDescription(QStringLiteral("Фундис"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return cannotWrite(path);
    }
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    drawScheme(painter, context);
    if (!painter.end()) {
        return cannotWrite(path);
    }
    return {};
}

}  // namespace fundis
