// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Пояснительная записка: the last calculation written out step by step, every result with its
// formula, the numbers put into it and the clause of the code it comes from. One builder makes
// the blocks; the window, the HTML page, the ODT and the PDF only lay them out.

#include <string>
#include <vector>

#include "core/project/ProjectPass.h"

namespace fundis {

// "symbol = expression = substituted = result unit (clause)"; an empty part is left out.
struct NoteFormula {
    std::string symbol;
    std::string expression;
    std::string substituted;
    std::string result;
    std::string unit;
    std::string clause;
    std::string number;  // "(4.2)": the section and the formula's place in it, set by the builder
};
std::string formulaLine(const NoteFormula& formula);

enum class NoteBlockKind {
    Title,
    Heading,     // a numbered section
    Subheading,  // a part of a section
    Paragraph,
    Formula,
    Table,
    Failure,  // a red verdict line
    Field,    // on the title page, a field the student fills in: its label ("Группа")
};

struct NoteTableRow {
    std::vector<std::string> cells;
    bool failure = false;  // shown in red
};

struct NoteBlock {
    NoteBlockKind kind = NoteBlockKind::Paragraph;
    std::string text;                 // everything but a table; for a formula the whole line
    NoteFormula formula;              // Formula
    std::vector<std::string> header;  // Table
    std::vector<NoteTableRow> rows;   // Table
};

struct CalculationNote {
    std::vector<NoteBlock> blocks;
    bool calculated = false;  // a calculation ran; false: the note only says why there is none
};

struct NoteOptions {
    std::string fileName;         // the project as the title names it; empty: "Новый проект"
    char decimalSeparator = '.';  // the report's
    bool stale = false;           // the inputs changed after the calculation
};

// The note of `pass` (nullptr: there has been no calculation yet).
CalculationNote buildCalculationNote(const ProjectPass* pass, const NoteOptions& options);

// The note as one self-contained UTF-8 HTML page; `schemeSvg` (an <svg> element, may be empty) is
// placed after the title.
std::string noteHtml(const CalculationNote& note, const std::string& schemeSvg);

// What a field of the title page shows before the student fills it in.
inline constexpr char kFieldBlank[] = "____________________";

// The note as plain text lines (a table's cells joined by " | "), for tests and the terminal.
std::vector<std::string> noteTextLines(const CalculationNote& note);

}  // namespace fundis
