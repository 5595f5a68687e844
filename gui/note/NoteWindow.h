// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window "Пояснительная записка": the note of the last calculation, to read, save (HTML, ODT
// or PDF) and print.

#include <QDialog>
#include <QString>

#include "core/note/CalculationNote.h"
#include "core/reports/ReportContext.h"

class QPrinter;
class QPushButton;
class QTextBrowser;
class QTextDocument;

namespace fundis {

class NoteWindow : public QDialog {
    Q_OBJECT

  public:
    // `context` names the project and holds the record the scheme is drawn from (none before a
    // calculation); `dataDir` is where the save dialog starts.
    NoteWindow(QWidget* parent, CalculationNote note, ReportContext context, QPrinter& printer,
               QString dataDir);

    QTextBrowser* text() const { return text_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* printButton() const { return print_; }

    // Asks for a file and writes the note in the format of its extension; a failure is shown.
    void saveNote();
    // On the printer; without one (or with one set to PDF), into a PDF file asked for.
    void printNote();

  private:
    bool writeFile(const QString& name);

    CalculationNote note_;
    ReportContext context_;
    QPrinter& printer_;
    QString dataDir_;
    QTextDocument* document_ = nullptr;
    QTextBrowser* text_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace fundis
