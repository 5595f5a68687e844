// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileWords.h"

#include "core/model/NumberFormat.h"
#include "core/model/TextCodec.h"

#include <algorithm>

namespace fundis {

namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

}  // namespace

bool WordReader::next(std::string_view& word, int& line) {
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) {
        if (bytes_[pos_] == '\n') {
            ++line_;
        }
        ++pos_;
    }
    if (pos_ >= bytes_.size()) {
        return false;
    }
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && !isBlank(bytes_[pos_])) {
        ++pos_;
    }
    word = bytes_.substr(start, pos_ - start);
    line = line_;
    return true;
}

bool wordToInteger(std::string_view word, int& value) {
    const LeadingInteger number = readLeadingInteger(word);
    if (word.empty() || isBlank(word.front()) || !number.found || !number.fits ||
        number.length != word.size()) {
        return false;
    }
    value = number.value;
    return true;
}

std::string quotedWord(std::string_view word) {
    // code page 1251 has one byte a character: the cut never splits one
    if (word.size() <= kQuotedWordLength) {
        return "«" + cp1251ToUtf8(word) + "»";
    }
    return "«" + cp1251ToUtf8(word.substr(0, kQuotedWordLength)) + "…» (" + std::to_string(word.size()) +
           " символов)";
}

std::string wordToText(std::string_view word) { return word == "#" ? std::string() : cp1251ToUtf8(word); }

Status textToWord(const std::string& text, const std::string& field, std::string& word) {
    if (text.empty()) {
        word = "#";
        return {};
    }
    if (std::any_of(text.begin(), text.end(), isBlank)) {
        return Status::failure(field + ": текст «" + text +
                               "» содержит пробел или перевод строки, в файле его сохранить нельзя. "
                               "Уберите пробелы и сохраните снова.");
    }
    word = utf8ToCp1251(text);
    if (cp1251ToUtf8(word) != text) {
        return Status::failure(
            field + ": текст «" + text +
            "» содержит символы, которых нет в кодировке 1251. Исправьте текст и сохраните снова.");
    }
    if (word.size() > kLongestWord) {
        return Status::failure(field + ": текст длиннее 99 символов, в файле его сохранить нельзя.");
    }
    return {};
}

}  // namespace fundis
