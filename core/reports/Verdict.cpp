// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/Verdict.h"

#include <cmath>

namespace fundis {

std::vector<std::string> wrapText(const Canvas& canvas, const std::string& text, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        std::string longer = line;
        if (!longer.empty()) {
            longer += ' ';
        }
        longer += word;
        if (!line.empty() && canvas.textWidth(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty() || lines.empty()) {
        lines.push_back(line);
    }
    return lines;
}

double drawRedLines(Canvas& canvas, double y, const std::vector<std::string>& lines, const RedLines& how) {
    std::size_t first = 0;
    std::size_t last = lines.size();
    while (first < last && lines[first].empty()) {
        ++first;
    }
    while (last > first && lines[last - 1].empty()) {
        --last;
    }
    CanvasFont font = canvas.font();
    font.sizePoints = how.size;
    font.color = CanvasColor::Red;
    font.bold = true;
    font.underline = false;
    canvas.setFont(font);
    const double advance = how.pitch * std::abs(canvas.textHeight("#"));
    for (std::size_t i = first; i < last; ++i) {
        if (lines[i].empty()) {
            y += advance / 2;
            continue;
        }
        for (const std::string& piece : wrapText(canvas, lines[i], how.width)) {
            if (how.draw) {
                canvas.textOut(whole(how.x), whole(y), piece);
            }
            y += advance;
        }
    }
    font.color = CanvasColor::Black;
    font.bold = false;
    canvas.setFont(font);
    return y;
}

void drawOutOfDateLine(Canvas& canvas, PageGrid& grid, const ReportContext& context) {
    if (!context.outOfDate) {
        return;
    }
    RedLines how;
    how.x = grid.left;
    how.width = grid.right - grid.left;
    how.pitch = 2;
    grid.top = whole(drawRedLines(canvas, grid.top, {kOutOfDateLine}, how));
}

}  // namespace fundis
