// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a .dan file: values separated by white space, texts in code page 1251, "#" for an
// empty text, at most 99 bytes a word (the old reader's buffer). The design's part and the
// settlement part of the file read and write their values through here.

#include <string>
#include <string_view>

#include "core/model/Status.h"

namespace fundis {

constexpr std::size_t kLongestWord = 99;

// The words of a file, each with the line it starts on.
class WordReader {
  public:
    explicit WordReader(std::string_view bytes) : bytes_(bytes) {}
    // From `start` on, which stands on line `line`.
    WordReader(std::string_view bytes, std::size_t start, int line)
        : bytes_(bytes), pos_(start), line_(line) {}

    // False at the end of the file.
    bool next(std::string_view& word, int& line);
    bool next(std::string_view& word) {
        int line = 0;
        return next(word, line);
    }
    std::size_t position() const { return pos_; }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// A word of the file as a message quotes it: in «», UTF-8, at most kQuotedWordLength characters
// and "…" after them, so that a word of megabytes still gives a message that fits a screen.
constexpr std::size_t kQuotedWordLength = 60;
std::string quotedWord(std::string_view word);

// The whole word is a decimal integer that fits an int.
bool wordToInteger(std::string_view word, int& value);

// A word as a text: "#" is the empty one; code page 1251 to UTF-8.
std::string wordToText(std::string_view word);

// A text as one word: "#" when empty. Fails, naming `field`, when the text holds white space (the
// reader would split it and shift every later value), characters code page 1251 has not, or more
// than kLongestWord bytes.
Status textToWord(const std::string& text, const std::string& field, std::string& word);

}  // namespace fundis
