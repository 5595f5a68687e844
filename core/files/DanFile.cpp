#include "core/files/DanFile.h"

#include "core/model/FileIo.h"
#include "core/model/FileWords.h"
#include "core/settlement/SettlementDan.h"

namespace fundis {

namespace {

constexpr int kValueCount = kComboCount + kEditCount + 1;

// Value number (1..51) -> the field as the user sees it.
std::string fieldName(int value) {
    if (value <= kComboCount) {
        return comboFieldName(value);
    }
    if (value <= kComboCount + kEditCount) {
        return editFieldName(value - kComboCount);
    }
    return kCraneAndWindFieldName;
}

Status failure(int line, const std::string& text) {
    return Status::failure("строка " + std::to_string(line) + ": " + text);
}

}  // namespace

Status parseDan(std::string_view fileBytes, ProjectForm& form, std::size_t* end) {
    WordReader reader(fileBytes);
    for (int value = 1; value <= kValueCount; ++value) {
        std::string_view word;
        int line = 0;
        if (!reader.next(word, line)) {
            // in the written layout value N stands on line N
            return failure(value, "файл кончается, не дойдя до поля " + fieldName(value));
        }
        if (value <= kComboCount) {
            int index = 0;
            if (!wordToInteger(word, index)) {
                return failure(
                    line, "поле " + fieldName(value) + ": ожидалось целое число, а не " + quotedWord(word));
            }
            if (index < -1 || index >= static_cast<int>(comboItems(value).size())) {
                index = -1;
            }
            form.combo(value) = index;
        } else if (value <= kComboCount + kEditCount) {
            if (word.size() > kLongestWord) {
                return failure(line, "поле " + fieldName(value) + ": текст длиннее 99 символов");
            }
            form.edit(value - kComboCount) = wordToText(word);
        } else {
            int checked = 0;
            if (!wordToInteger(word, checked)) {
                return failure(line,
                               "поле " + fieldName(value) + ": ожидалось 0 или 1, а не " + quotedWord(word));
            }
            form.craneAndWind = checked != 0;
        }
    }
    if (end != nullptr) {
        *end = reader.position();
    }
    return {};
}

Status readDanFile(const std::string& path, ProjectForm& form) {
    std::string bytes;
    if (Status read = readWholeFile(path, bytes); !read) {
        return read;
    }
    if (Status parsed = parseDan(bytes, form); !parsed) {
        return readFailure(path, parsed);
    }
    return {};
}

Status parseProject(std::string_view fileBytes, ProjectFile& project, Status& settlementProblem) {
    std::size_t end = 0;
    if (Status read = parseDan(fileBytes, project.form, &end); !read) {
        return read;
    }
    // the design's values stand on their own: a settlement part that cannot be read is only named
    settlementProblem = parseSettlementPart(fileBytes.substr(end), project.settlement);
    return {};
}

Status serializeProject(const ProjectFile& project, std::string& fileBytes) {
    std::string settlement;
    if (Status serialized = serializeDan(project.form, fileBytes); !serialized) {
        return serialized;
    }
    if (Status serialized = serializeSettlementPart(project.settlement, settlement); !serialized) {
        return serialized;
    }
    fileBytes += settlement;
    return {};
}

Status readProjectFile(const std::string& path, ProjectFile& project, Status& settlementProblem) {
    std::string bytes;
    if (Status read = readWholeFile(path, bytes); !read) {
        return read;
    }
    if (Status parsed = parseProject(bytes, project, settlementProblem); !parsed) {
        return readFailure(path, parsed);
    }
    return {};
}

Status writeProjectFile(const std::string& path, const ProjectFile& project) {
    std::string bytes;
    if (Status serialized = serializeProject(project, bytes); !serialized) {
        return saveFailure(path, serialized);
    }
    return saveFileAtomically(path, bytes);
}

Status serializeDan(const ProjectForm& form, std::string& fileBytes) {
    std::string out;
    for (int number = 1; number <= kComboCount; ++number) {
        out += std::to_string(form.combo(number));
        out += "\r\n";
    }
    for (int number = 1; number <= kEditCount; ++number) {
        std::string word;
        if (Status encoded = textToWord(form.edit(number), "поле " + editFieldName(number), word); !encoded) {
            return encoded;
        }
        out += word;
        out += "\r\n";
    }
    out += form.craneAndWind ? "1" : "0";
    fileBytes = std::move(out);
    return {};
}

Status writeDanFile(const std::string& path, const ProjectForm& form) {
    std::string bytes;
    if (Status serialized = serializeDan(form, bytes); !serialized) {
        return saveFailure(path, serialized);
    }
    return saveFileAtomically(path, bytes);
}

}  // namespace fundis
