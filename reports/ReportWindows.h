#pragma once

// The report commands of the main window that need the drawing (Qt layer).

#include <QString>
#include <functional>

#include "reports/ExportDocuments.h"

class QWidget;
class QPrinter;

namespace fundis {

// "Вывести схему": a new TForm4 filling the screen, shown modally and destroyed when it closes.
// Its "Печать" prints the scheme page on `printer`.
void showSchemeWindow(QWidget* parent, const ReportContext& context, QPrinter& printer,
                      const QString& dataDir);

// "Печать": the text page, the tables page and the scheme on `printer`. When no printer is
// installed, or the printer is set to PDF output, the three go into one PDF file whose name is
// asked for with a save dialog starting in `dataDir`. Failures are shown in a message box.
void printReportDocuments(QWidget* parent, const ReportContext& context, QPrinter& printer,
                          const QString& dataDir);

// The scheme page alone on `printer` (the scheme window's "Печать"), asking for a PDF file name
// in the same cases.
void printSchemePage(QWidget* parent, const ReportContext& context, QPrinter& printer,
                     const QString& dataDir);

// The save dialog for the PDF file and the message box of a failure. Tests replace them; an empty
// member keeps the standard one.
struct ReportDialogs {
    // the chosen file name, empty when cancelled
    std::function<QString(QWidget* parent, const QString& startPath)> askPdfFile;
    std::function<void(QWidget* parent, const QString& text)> showError;
};
void setReportDialogs(ReportDialogs dialogs);

}  // namespace fundis
