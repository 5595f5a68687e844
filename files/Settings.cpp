#include "files/Settings.h"

#include <cerrno>
#include <climits>

#include "files/SafeSave.h"
#include "model/TextCodec.h"

namespace fundis {

namespace {

constexpr std::size_t kLongestFolder = 255;  // the 256-byte folder buffers, zero included

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// The file as a formatted text stream reads it: CR LF arrive as one line end, and once a read
// has failed every later read fails too.
class SettingsStream {
  public:
    explicit SettingsStream(std::string_view bytes) {
        text_.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                continue;
            }
            text_.push_back(bytes[i]);
        }
    }

    bool failed() const { return failed_; }

    // White space (line ends too), an optional sign, decimal digits. A failed read leaves `value`.
    void readInteger(int& value) {
        if (failed_) {
            return;
        }
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative = text_[pos_] == '-';
            ++pos_;
        }
        long long number = 0;
        bool anyDigit = false;
        bool overflow = false;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            anyDigit = true;
            if (!overflow) {
                number = number * 10 + (text_[pos_] - '0');
                overflow = number > static_cast<long long>(INT_MAX) + 1;
            }
            ++pos_;
        }
        if (negative) {
            number = -number;
        }
        if (!anyDigit || overflow || number > INT_MAX || number < INT_MIN) {
            failed_ = true;
            return;
        }
        value = static_cast<int>(number);
    }

    // One character, whatever it is (normally the line end after a number).
    void skipCharacter() {
        if (failed_) {
            return;
        }
        if (pos_ >= text_.size()) {
            failed_ = true;
            return;
        }
        ++pos_;
    }

    // The rest of the line without its line end. A line that does not fit the folder buffer
    // is not taken at all: a cut-off folder name would point somewhere else.
    std::string readLine() {
        if (failed_) {
            return {};
        }
        if (pos_ >= text_.size()) {
            failed_ = true;
            return {};
        }
        const std::size_t end = text_.find('\n', pos_);
        const std::size_t stop = end == std::string::npos ? text_.size() : end;
        std::string line = text_.substr(pos_, stop - pos_);
        pos_ = end == std::string::npos ? text_.size() : end + 1;
        if (line.size() > kLongestFolder) {
            failed_ = true;
            return {};
        }
        // the folder buffer is a C string: a zero byte ends it
        const std::size_t zero = line.find('\0');
        if (zero != std::string::npos) {
            line.erase(zero);
        }
        return cp1251ToUtf8(line);
    }

  private:
    std::string text_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

bool checkFolder(const std::string& text, const char* what, std::string& error) {
    for (char ch : text) {
        if (ch == '\n' || ch == '\r') {
            error = std::string(what) + " содержит перевод строки";
            return false;
        }
    }
    const std::string bytes = utf8ToCp1251(text);
    if (cp1251ToUtf8(bytes) != text) {
        error = std::string(what) + " содержит символы, которых нет в кодировке 1251";
        return false;
    }
    if (bytes.size() > kLongestFolder) {
        error = std::string(what) + " длиннее 255 символов";
        return false;
    }
    return true;
}

bool checkNumberText(const std::string& text, const char* what, std::string& error) {
    for (char ch : text) {
        if (ch == '\n' || ch == '\r') {
            error = std::string(what) + " содержит перевод строки";
            return false;
        }
    }
    return true;
}

}  // namespace

SettingsReadResult parseSettings(std::string_view fileBytes, Settings& settings) {
    SettingsStream in(fileBytes);
    in.readInteger(settings.iterations);
    in.readInteger(settings.debugMode);
    in.readInteger(settings.showToolbar);
    in.skipCharacter();
    settings.dataDir = in.readLine();
    in.readInteger(settings.schemeScale);
    in.skipCharacter();
    settings.programDir = in.readLine();

    SettingsReadResult result;
    result.fileOpened = true;
    result.complete = !in.failed();
    return result;
}

SettingsReadResult readSettingsFile(const std::string& path, Settings& settings) {
    std::string bytes;
    std::string error;
    if (!readWholeFile(path, bytes, error)) {
        settings.dataDir.clear();
        settings.programDir.clear();
        return {};
    }
    return parseSettings(bytes, settings);
}

std::string serializeSettings(const SettingsTexts& texts) {
    std::string out;
    const std::string lines[] = {texts.iterations, texts.debug ? "1" : "0", texts.toolbar ? "1" : "0",
                                 texts.dataDir,    texts.schemeScale,       texts.programDir};
    for (const std::string& line : lines) {
        out += utf8ToCp1251(line);
        out += "\r\n";
    }
    return out;
}

bool writeSettingsFile(const std::string& path, const SettingsTexts& texts, std::string& error) {
    error.clear();
    if (!checkNumberText(texts.iterations, "число шагов итерации", error) ||
        !checkNumberText(texts.schemeScale, "масштаб", error) ||
        !checkFolder(texts.dataDir, "путь к папке с данными", error) ||
        !checkFolder(texts.programDir, "путь к папке с программой", error)) {
        return false;
    }
    return saveFileAtomically(path, serializeSettings(texts), error);
}

}  // namespace fundis
