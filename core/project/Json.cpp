// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project/Json.h"

#include <cmath>
#include <cstdio>

#include "core/model/FloatText.h"

namespace fundis {

namespace {

// Length of the UTF-8 sequence at `pos`, or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(const std::string& text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    if (byte(pos + 1) < low || byte(pos + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const auto ch = static_cast<unsigned char>(text[pos]);
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++pos;
            continue;
        }
        if (length > 1) {
            out.append(text, pos, length);
            pos += length;
            continue;
        }
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (ch < 0x20 || ch == 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", ch);
                    out += escape;
                } else {
                    out += static_cast<char>(ch);
                }
        }
        ++pos;
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    return shortestFloat(value);
}

// the shortest text of the value as a double reads back to the same float
std::string jsonNumber(float value) { return jsonNumber(static_cast<double>(value)); }

void JsonObject::add(const std::string& name, const std::string& json) {
    text_ += text_.empty() ? "{" : ", ";
    text_ += jsonString(name) + ": " + json;
}

std::string jsonList(const std::vector<std::string>& items) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += i > 0 ? ", " : "";
        text += items[i];
    }
    return text + "]";
}

std::string reportJson(const std::vector<ReportLine>& report) {
    std::vector<std::string> lines;
    for (const ReportLine& line : report) {
        JsonObject object;
        object.add("text", jsonString(line.text));
        object.add("failure", line.failure);
        lines.push_back(object.close());
    }
    return jsonList(lines);
}

}  // namespace fundis
