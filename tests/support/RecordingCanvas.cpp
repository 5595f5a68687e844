// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingCanvas.h"

#include <cmath>

namespace fundis {

namespace {

int characters(const std::string& text) {
    int count = 0;
    for (unsigned char ch : text) {
        if ((ch & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

int widthAt(const std::string& text, double sizePoints) {
    return static_cast<int>(std::lround(6.0 * characters(text) * sizePoints / 8.0));
}

int heightAt(double sizePoints) { return static_cast<int>(std::lround(13.0 * sizePoints / 8.0)); }

}  // namespace

void RecordingCanvas::setPen(int width, CanvasColor color) {
    penWidth_ = width;
    penColor_ = color;
}

void RecordingCanvas::lineTo(int x, int y) {
    lines_.push_back({position_, {x, y}, penWidth_, penColor_, layer()});
    position_ = {x, y};
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
    rectangles_.push_back({x1, y1, x2, y2, layer()});
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    texts_.push_back({x, y, text, font_, layer()});
}

int RecordingCanvas::textWidth(const std::string& text) const { return widthAt(text, font_.sizePoints); }

int RecordingCanvas::textHeight(const std::string&) const { return heightAt(font_.sizePoints); }

int RecordingCanvas::rightOf(const Text& text) { return text.x + widthAt(text.text, text.font.sizePoints); }

int RecordingCanvas::bottomOf(const Text& text) { return text.y + heightAt(text.font.sizePoints); }

std::vector<RecordingCanvas::Text> RecordingCanvas::textsOf(const std::string& text) const {
    std::vector<Text> found;
    for (const Text& entry : texts_) {
        if (entry.text == text) {
            found.push_back(entry);
        }
    }
    return found;
}

}  // namespace fundis
