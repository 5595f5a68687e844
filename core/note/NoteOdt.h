// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation note as an OpenDocument text (.odt) a student can hand in, written by the core so
// that the desktop, fundis-cli and the browser edition give the same file: A4 with the margins of
// ГОСТ 7.32, a title page with the project's name and fields to fill in (group, student, teacher),
// the contents as a real index over heading styles (with page references LibreOffice and Word work
// out), page numbers in the footer, the formulas numbered by section, the scheme as a vector
// picture, Russian as the language (hyphenation by its rules where the office program has them).

#include <string>

#include "core/note/CalculationNote.h"
#include "core/note/SvgCanvas.h"
#include "core/reports/ReportContext.h"

namespace fundis {

// The text's width on the note's page, mm: what a picture of it may take.
inline constexpr double kNoteTextWidth = 165;

// The file's bytes; `scheme` follows the contents, before the first section.
std::string noteOdt(const CalculationNote& note, const NotePicture& scheme);

// The same with the scheme of the context's design (none without a calculation).
std::string noteOdt(const CalculationNote& note, const ReportContext& context);

}  // namespace fundis
