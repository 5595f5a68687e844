// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation note laid out by Qt: a QTextDocument for the window and the PDF (the printer
// path). The blocks come from the one builder of the core, which also writes the HTML and the ODT.

#include <QImage>
#include <string>

#include "core/model/Status.h"
#include "core/note/CalculationNote.h"
#include "core/reports/ReportContext.h"

class QPagedPaintDevice;
class QTextDocument;

namespace fundis {

// The scheme of the context's record as a picture (a null image without a calculation).
QImage noteSchemeImage(const ReportContext& context);

// Fills `document` with the note; `scheme` (may be null) follows the title.
void buildNoteDocument(QTextDocument& document, const CalculationNote& note, const QImage& scheme);

// The note in the format of the file's extension: .html/.htm (one self-contained page with the
// scheme as inline SVG), .odt (the core's) or .pdf; saved safely. Another extension fails naming the
// file. The PDF needs a QGuiApplication.
Status writeNoteFile(const std::string& path, const CalculationNote& note, const ReportContext& context);

// The document's pages on a printer or PDF writer.
void printNoteDocument(QTextDocument& document, QPagedPaintDevice& device);

}  // namespace fundis
