// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/Printing.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/model/FileIo.h"
#include "core/reports/PrintedReport.h"
#include "core/reports/SchemeDrawing.h"
#include "core/reports/SettlementPage.h"
#include "gui/reports/QPainterCanvas.h"
#include "gui/widgets/Dialogs.h"

namespace fundis {

namespace {

QString askPdfFile(QWidget* parent, const QString& startPath) {
    FileRequest request;
    request.title = QStringLiteral("Сохранение документа в PDF");
    request.folder = QFileInfo(startPath).absolutePath();
    request.proposedName = startPath;
    request.filters = QStringList{QStringLiteral("PDF файл (*.pdf)"), QStringLiteral("все файлы (*)")};
    request.defaultSuffix = QStringLiteral("pdf");
    request.save = true;
    return dialogs().fileName(parent, request);
}

// Without a printer, or with one set to PDF output, the documents go into a PDF file.
bool wantsPdfFile(const QPrinter& printer) {
    return QPrinterInfo::availablePrinters().isEmpty() || printer.outputFormat() == QPrinter::PdfFormat;
}

QString suggestedPdfPath(const ReportContext& context, const QString& dataDir) {
    QString base = QFileInfo(QString::fromStdString(context.fileName)).completeBaseName();
    if (base.isEmpty()) {
        base = QStringLiteral("Фундамент");
    }
    const QString folder = dataDir.isEmpty() ? QDir::homePath() : dataDir;
    return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

}  // namespace

std::vector<PageDrawer> reportPages(const ReportContext& context) {
    std::vector<PageDrawer> pages = {DrawReportTextPage, DrawReportTablesPage};
    if (shownQuantities(context).designed) {
        pages.push_back(DrawReportMaterialsPage);
    }
    pages.push_back(DrawReportSchemePage);
    if (context.settlement != nullptr) {
        pages.push_back(DrawReportSettlementPage);
    }
    return pages;
}

QRect schemeBounds(const ReportContext& context, double unit, const QFont& font, bool withTables) {
    QPicture measure;
    {
        QPainter painter(&measure);
        painter.setFont(font);
        QPainterCanvas canvas(painter);
        DrawSchemeDocument(canvas, unit, context, context.schemeScale, {}, withTables);
    }
    return measure.boundingRect();
}

bool drawPages(QPagedPaintDevice& device, const std::vector<PageDrawer>& pages,
               const ReportContext& context) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        QPainterCanvas canvas(painter);
        pages[i](canvas, context);
    }
    return painter.end();
}

Status writePdf(const std::string& path, const std::vector<PageDrawer>& pages, const ReportContext& context,
                const QPageLayout& layout, int resolution) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Фундис"));
        writer.setTitle(QStringLiteral("Расчет фундамента ") +
                        QFileInfo(QString::fromStdString(context.fileName)).fileName());
        if (!drawPages(writer, pages, context)) {
            return saveFailure(path, Status::failure("не удалось составить документ PDF"));
        }
    }
    return saveFileAtomically(
        path, std::string_view(bytes.data().constData(), static_cast<std::size_t>(bytes.size())));
}

void printPages(QWidget* parent, const std::vector<PageDrawer>& pages, const ReportContext& context,
                QPrinter& printer, const QString& dataDir) {
    printer.setDocName(QStringLiteral("Фундис"));
    const auto failed = [&] { return printer.printerState() == QPrinter::Error; };
    if (wantsPdfFile(printer)) {
        QString path = askPdfFile(parent, suggestedPdfPath(context, dataDir));
        if (path.isEmpty()) {
            return;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".pdf");
        }
        // the paper chosen in the printer set-up, on a PDF file
        const Status written = writePdf(QFile::encodeName(path).toStdString(), pages, context,
                                        printer.pageLayout(), printer.resolution());
        if (!written) {
            showMessage(parent, QStringLiteral("ОШИБКА"), sentence(written.message()) + QStringLiteral("."));
        }
        return;
    }
    // a printer gets each page as a document of its own
    for (PageDrawer page : pages) {
        if (!drawPages(printer, {page}, context) || failed()) {
            showMessage(parent, QStringLiteral("ОШИБКА"),
                        QStringLiteral("Не удалось напечатать на принтере «%1».").arg(printer.printerName()));
            return;
        }
    }
}

}  // namespace fundis
