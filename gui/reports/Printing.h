// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Putting the documents on paper: the printer chosen in "Настройка принтера", or a PDF file when
// there is none. One page loop serves the printer, the PDF of fundis-cli and the scheme window.

#include <QString>
#include <string>
#include <vector>

#include "core/model/Status.h"
#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

class QFont;
class QPageLayout;
class QRect;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace fundis {

using PageDrawer = void (*)(Canvas&, const ReportContext&);

// The pages of "Печать" and of fundis-cli --pdf: the text page, the tables page, the bill of
// materials for a designed foundation, the scheme, and the settlement page when the context holds a
// settlement.
std::vector<PageDrawer> reportPages(const ReportContext& context);

// What the scheme document covers when drawn at `unit` at the context's scale (0, 0 its top-left
// corner), from a first drawing into a picture: the scheme window's and the SVG's size; `withTables`
// as DrawSchemeDocument takes it.
QRect schemeBounds(const ReportContext& context, double unit, const QFont& font, bool withTables = false);

// Draws `pages` on `device`, one after the other; false when the device failed.
bool drawPages(QPagedPaintDevice& device, const std::vector<PageDrawer>& pages, const ReportContext& context);

// The pages as one PDF file on `layout` at `resolution` dots an inch, saved safely: a failure
// leaves an older file of that name as it was.
Status writePdf(const std::string& path, const std::vector<PageDrawer>& pages, const ReportContext& context,
                const QPageLayout& layout, int resolution);

// The pages on `printer`, each as a document of its own. When no printer is installed, or the
// printer is set to PDF output, they go into one PDF file whose name is asked for with a save
// dialog starting in `dataDir`. Failures are shown in a message box.
void printPages(QWidget* parent, const std::vector<PageDrawer>& pages, const ReportContext& context,
                QPrinter& printer, const QString& dataDir);

}  // namespace fundis
