// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Settings.h"

#include "core/files/DataLocation.h"
#include "core/model/FileIo.h"
#include "core/model/NumberFormat.h"
#include "core/model/TextCodec.h"

namespace fundis {

namespace {

constexpr std::size_t kLongestFolder = 255;  // the 256-byte folder buffers, zero included

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
        const LeadingInteger number = readLeadingInteger(std::string_view(text_).substr(pos_));
        if (!number.found || !number.fits) {
            failed_ = true;
            return;
        }
        pos_ += number.length;
        value = number.value;
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

Status checkLine(const std::string& text, const char* what) {
    if (text.find_first_of("\r\n") != std::string::npos) {
        return Status::failure(std::string(what) + " содержит перевод строки");
    }
    return {};
}

Status checkFolder(const std::string& text, const char* what) {
    if (Status line = checkLine(text, what); !line) {
        return line;
    }
    const std::string bytes = utf8ToCp1251(text);
    if (cp1251ToUtf8(bytes) != text) {
        return Status::failure(std::string(what) + " содержит символы, которых нет в кодировке 1251");
    }
    if (bytes.size() > kLongestFolder) {
        return Status::failure(std::string(what) + " длиннее 255 символов");
    }
    return {};
}

}  // namespace

Status readSchemeScale(std::string_view text, int& scale) {
    const LeadingInteger number = readLeadingInteger(text);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos || !number.fits ||
        number.value <= 0) {
        return Status::failure("В поле «Масштаб 1:» нужно целое число больше нуля, а не «" +
                               std::string(text) + "». Исправьте его и сохраните настройки снова.");
    }
    scale = number.value;
    return {};
}

SettingsTexts defaultSettings() {
    SettingsTexts texts;
    texts.iterations = "5";
    texts.debug = false;
    texts.toolbar = true;
    texts.dataDir = defaultDataDir();
    texts.schemeScale = "75";
    texts.programDir = installedTablesDir();
    return texts;
}

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
    if (!readWholeFile(path, bytes)) {
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

Status writeSettingsFile(const std::string& path, const SettingsTexts& texts) {
    for (const Status& check :
         {checkLine(texts.iterations, "число шагов итерации"), checkLine(texts.schemeScale, "масштаб"),
          checkFolder(texts.dataDir, "путь к папке с данными"),
          checkFolder(texts.programDir, "путь к папке с программой")}) {
        if (!check) {
            return saveFailure(path, check);
        }
    }
    return saveFileAtomically(path, serializeSettings(texts));
}

}  // namespace fundis
