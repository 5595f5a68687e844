#include "files/DanFile.h"

#include <climits>

#include "files/SafeSave.h"
#include "model/TextCodec.h"

namespace fundis {

namespace {

constexpr int kValueCount = kComboCount + kEditCount + 1;
constexpr std::size_t kLongestWord = 99;  // the reader's word buffer

// Items of ComboBox1..ComboBox9: an index the list cannot select comes back as no selection.
constexpr int kComboItems[kComboCount] = {4, 4, 5, 2, 7, 2, 3, 2, kConcreteClassCount};

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// Value number (1..51) -> control name.
std::string controlName(int value) {
    if (value <= kComboCount) {
        return "ComboBox" + std::to_string(value);
    }
    if (value <= kComboCount + kEditCount) {
        return "Edit" + std::to_string(value - kComboCount);
    }
    return "CheckBox1";
}

// The words of the file, each with the line it starts on.
class WordReader {
  public:
    explicit WordReader(std::string_view bytes) : bytes_(bytes) {}

    bool next(std::string_view& word, int& line) {
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

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// The whole word must be a decimal integer that fits an int.
bool parseInteger(std::string_view word, int& value) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < word.size() && (word[pos] == '+' || word[pos] == '-')) {
        negative = word[pos] == '-';
        ++pos;
    }
    if (pos == word.size()) {
        return false;
    }
    long long number = 0;
    for (; pos < word.size(); ++pos) {
        if (word[pos] < '0' || word[pos] > '9') {
            return false;
        }
        number = number * 10 + (word[pos] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    if (negative) {
        number = -number;
    }
    if (number > INT_MAX || number < INT_MIN) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

DanReadResult failure(int line, const std::string& text) {
    DanReadResult result;
    result.ok = false;
    result.error = "строка " + std::to_string(line) + ": " + text;
    return result;
}

}  // namespace

DanReadResult parseDan(std::string_view fileBytes, ProjectForm& form) {
    WordReader reader(fileBytes);
    for (int value = 1; value <= kValueCount; ++value) {
        std::string_view word;
        int line = 0;
        if (!reader.next(word, line)) {
            // in the written layout value N stands on line N
            return failure(value, "файл кончается раньше значения " + controlName(value));
        }
        if (value <= kComboCount) {
            int index = 0;
            if (!parseInteger(word, index)) {
                return failure(
                    line, "не удалось прочитать значение " + controlName(value) + ": ожидалось целое число");
            }
            if (index < -1 || index >= kComboItems[value - 1]) {
                index = -1;
            }
            form.combo(value) = index;
        } else if (value <= kComboCount + kEditCount) {
            if (word.size() > kLongestWord) {
                return failure(line, "не удалось прочитать значение " + controlName(value) +
                                         ": слово длиннее 99 символов");
            }
            form.edit(value - kComboCount) = word == "#" ? std::string() : cp1251ToUtf8(word);
        } else {
            int checked = 0;
            if (!parseInteger(word, checked)) {
                return failure(
                    line, "не удалось прочитать значение " + controlName(value) + ": ожидалось целое число");
            }
            form.craneAndWind = checked != 0;
        }
    }
    return {};
}

DanReadResult readDanFile(const std::string& path, ProjectForm& form) {
    std::string bytes;
    std::string error;
    if (!readWholeFile(path, bytes, error)) {
        DanReadResult result;
        result.ok = false;
        result.error = error;
        return result;
    }
    return parseDan(bytes, form);
}

DanWriteResult serializeDan(const ProjectForm& form, std::string& fileBytes) {
    std::string out;
    for (int number = 1; number <= kComboCount; ++number) {
        out += std::to_string(form.combo(number));
        out += "\r\n";
    }
    for (int number = 1; number <= kEditCount; ++number) {
        const std::string& text = form.edit(number);
        const std::string name = "Edit" + std::to_string(number);
        if (text.empty()) {
            out += "#\r\n";
            continue;
        }
        for (char ch : text) {
            if (isBlank(ch)) {
                // the reader splits at white space: every later value would shift
                return {false, "текст " + name + " «" + text +
                                   "» содержит пробел или перевод строки, в файле его сохранить нельзя"};
            }
        }
        const std::string bytes = utf8ToCp1251(text);
        if (cp1251ToUtf8(bytes) != text) {
            return {false,
                    "текст " + name + " «" + text + "» содержит символы, которых нет в кодировке 1251"};
        }
        if (bytes.size() > kLongestWord) {
            return {false, "текст " + name + " длиннее 99 символов, в файле его сохранить нельзя"};
        }
        out += bytes;
        out += "\r\n";
    }
    out += form.craneAndWind ? "1" : "0";
    fileBytes = std::move(out);
    return {};
}

DanWriteResult writeDanFile(const std::string& path, const ProjectForm& form) {
    std::string bytes;
    DanWriteResult result = serializeDan(form, bytes);
    if (!result.ok) {
        return result;
    }
    std::string error;
    if (!saveFileAtomically(path, bytes, error)) {
        return {false, error};
    }
    return {};
}

}  // namespace fundis
