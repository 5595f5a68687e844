// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/note/CalculationNote.h"
#include "core/reports/HtmlReport.h"

namespace fundis {

namespace {

const char* const kStyle =
    "body{font-family:'Liberation Serif','Times New Roman',serif;font-size:12pt;max-width:60em;margin:2em "
    "auto;"
    "padding:0 1em;color:#000}"
    "h1{font-size:16pt;text-align:center}h2{font-size:14pt;margin-top:1.4em}h3{font-size:12pt;margin:1em 0 "
    ".4em}"
    "p{margin:.3em 0}p.formula{font-family:'Liberation Serif',serif;margin-left:1.5em}"
    "p.failure,tr.failure td{color:#c00000;font-weight:bold}"
    "table{border-collapse:collapse;margin:.4em 0}th,td{border:1px solid #555;padding:2px "
    "6px;text-align:left}"
    "th{background:#eee}.scheme{margin:1em 0}span.number{float:right;margin-left:1em}";

}  // namespace

std::string noteHtml(const CalculationNote& note, const std::string& schemeSvg) {
    std::string title = "Пояснительная записка";
    std::string body;
    bool schemePlaced = false;
    for (const NoteBlock& block : note.blocks) {
        switch (block.kind) {
            case NoteBlockKind::Title:
                title = block.text;
                body += "<h1>" + escapedHtml(block.text) + "</h1>\n";
                break;
            case NoteBlockKind::Heading:
                if (!schemePlaced && !schemeSvg.empty()) {
                    body += "<div class=\"scheme\">\n" + schemeSvg + "</div>\n";
                    schemePlaced = true;
                }
                body += "<h2>" + escapedHtml(block.text) + "</h2>\n";
                break;
            case NoteBlockKind::Subheading:
                body += "<h3>" + escapedHtml(block.text) + "</h3>\n";
                break;
            case NoteBlockKind::Paragraph:
                body += "<p>" + escapedHtml(block.text) + "</p>\n";
                break;
            case NoteBlockKind::Formula:
                body += "<p class=\"formula\">" + escapedHtml(block.text);
                if (!block.formula.number.empty()) {
                    body += " <span class=\"number\">" + escapedHtml(block.formula.number) + "</span>";
                }
                body += "</p>\n";
                break;
            case NoteBlockKind::Field:
                body += "<p class=\"field\">" + escapedHtml(block.text) + ": " + kFieldBlank + "</p>\n";
                break;
            case NoteBlockKind::Failure:
                body += "<p class=\"failure\">" + escapedHtml(block.text) + "</p>\n";
                break;
            case NoteBlockKind::Table:
                body += "<table>\n<tr>";
                for (const std::string& cell : block.header) {
                    body += "<th>" + escapedHtml(cell) + "</th>";
                }
                body += "</tr>\n";
                for (const NoteTableRow& row : block.rows) {
                    body += row.failure ? "<tr class=\"failure\">" : "<tr>";
                    for (const std::string& cell : row.cells) {
                        body += "<td>" + escapedHtml(cell) + "</td>";
                    }
                    body += "</tr>\n";
                }
                body += "</table>\n";
                break;
        }
    }
    return "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           escapedHtml(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n" + body +
           "</body>\n</html>\n";
}

}  // namespace fundis
