#include "reports/ReportWindows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <vector>

#include "reports/Form4.h"
#include "reports/PrintedReport.h"
#include "reports/QPainterCanvas.h"

namespace fundis {

namespace {

using PageDrawer = void (*)(Canvas&, const ReportContext&);

ReportDialogs& dialogs() {
    static ReportDialogs hooks;
    return hooks;
}

QString askPdfFile(QWidget* parent, const QString& startPath) {
    if (dialogs().askPdfFile) {
        return dialogs().askPdfFile(parent, startPath);
    }
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранение документа в PDF"), startPath,
                                        QStringLiteral("PDF файл (*.pdf);;все файлы (*)"));
}

void showError(QWidget* parent, const QString& text) {
    if (dialogs().showError) {
        dialogs().showError(parent, text);
        return;
    }
    QMessageBox::warning(parent, QStringLiteral("ОШИБКА"), text);
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

void drawPage(QPainter& painter, PageDrawer draw, const ReportContext& context) {
    QPainterCanvas canvas(painter);
    draw(canvas, context);
}

// The pages as one document on the printer (a PDF file takes them all).
bool printOneDocument(QPrinter& printer, const std::vector<PageDrawer>& pages, const ReportContext& context) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        drawPage(painter, pages[i], context);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void print(QWidget* parent, const ReportContext& context, QPrinter& printer, const QString& dataDir,
           const std::vector<PageDrawer>& pages) {
    printer.setDocName(QStringLiteral("Фундис"));
    if (wantsPdfFile(printer)) {
        QString path = askPdfFile(parent, suggestedPdfPath(context, dataDir));
        if (path.isEmpty()) {
            return;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".pdf");
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (!printOneDocument(printer, pages, context)) {
            showError(parent,
                      QStringLiteral("Не удалось записать файл \"%1\"").arg(QDir::toNativeSeparators(path)));
        }
        return;
    }
    // a printer gets each page as a document of its own
    for (PageDrawer page : pages) {
        if (!printOneDocument(printer, {page}, context)) {
            showError(parent,
                      QStringLiteral("Не удалось напечатать на принтере \"%1\"").arg(printer.printerName()));
            return;
        }
    }
}

}  // namespace

void setReportDialogs(ReportDialogs hooks) { dialogs() = std::move(hooks); }

void showSchemeWindow(QWidget* parent, const ReportContext& context, QPrinter& printer,
                      const QString& dataDir) {
    auto form = std::make_unique<TForm4>(parent, context, printer, dataDir);
    form->exec();
}

void printReportDocuments(QWidget* parent, const ReportContext& context, QPrinter& printer,
                          const QString& dataDir) {
    print(parent, context, printer, dataDir,
          {DrawReportTextPage, DrawReportTablesPage, DrawReportSchemePage});
}

void printSchemePage(QWidget* parent, const ReportContext& context, QPrinter& printer,
                     const QString& dataDir) {
    print(parent, context, printer, dataDir, {DrawReportSchemePage});
}

}  // namespace fundis
