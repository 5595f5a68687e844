// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small JSON writer of fundis-cli's --json: one object a line, numbers that read back to the
// same value.

#include <string>
#include <vector>

#include "core/model/ReportLine.h"

namespace fundis {

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string jsonString(const std::string& text);

// The shortest text that reads back to the same value; null for infinity and NaN.
std::string jsonNumber(double value);
std::string jsonNumber(float value);

class JsonObject {
  public:
    // `json` is already JSON text
    void add(const std::string& name, const std::string& json);
    void add(const std::string& name, const char* text) = delete;  // say jsonString(...) for a string
    void add(const std::string& name, double value) { add(name, jsonNumber(value)); }
    void add(const std::string& name, float value) { add(name, jsonNumber(value)); }
    void add(const std::string& name, int value) { add(name, std::to_string(value)); }
    void add(const std::string& name, bool value) { add(name, std::string(value ? "true" : "false")); }
    std::string close() const { return text_.empty() ? "{}" : text_ + "}"; }

  private:
    std::string text_;
};

// [a, b, ...] of JSON texts.
std::string jsonList(const std::vector<std::string>& items);

template <typename Array>
std::string jsonArray(const Array& values, int first, int last) {
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i) {
        items.push_back(jsonNumber(values[i]));
    }
    return jsonList(items);
}

// Report lines as [{"text", "failure"}].
std::string reportJson(const std::vector<ReportLine>& report);

}  // namespace fundis
