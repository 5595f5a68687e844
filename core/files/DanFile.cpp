// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/DanFile.h"

#include "core/files/FileWords.h"
#include "core/files/SettlementDan.h"
#include "core/model/FileIo.h"
#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

Status failure(int line, const std::string& text) {
    return Status::failure("строка " + std::to_string(line) + ": " + text);
}

}  // namespace

Status parseDan(std::string_view fileBytes, ProjectForm& form, std::size_t* end) {
    WordReader reader(fileBytes);
    int value = 0;
    for (const FormField& field : formFields()) {
        ++value;
        std::string_view word;
        int line = 0;
        if (!reader.next(word, line)) {
            // in the written layout value N stands on line N
            return failure(value, "файл кончается, не дойдя до поля " + fieldTitle(field));
        }
        switch (field.kind) {
            case FieldKind::List: {
                const auto list = static_cast<ListField>(field.index);
                int index = 0;
                if (!wordToInteger(word, index)) {
                    return failure(line, "поле " + fieldTitle(field) + ": ожидалось целое число, а не " +
                                             quotedWord(word));
                }
                if (index < -1 || index >= static_cast<int>(listItems(list).size())) {
                    index = -1;
                }
                form.choice(list) = index;
                break;
            }
            case FieldKind::Text:
                if (word.size() > kLongestWord) {
                    return failure(line, "поле " + fieldTitle(field) + ": текст длиннее 99 символов");
                }
                form.text(static_cast<TextField>(field.index)) = wordToText(word);
                break;
            case FieldKind::Check: {
                int checked = 0;
                if (!wordToInteger(word, checked)) {
                    return failure(
                        line, "поле " + fieldTitle(field) + ": ожидалось 0 или 1, а не " + quotedWord(word));
                }
                form.craneAndWind = checked != 0;
                break;
            }
        }
    }
    if (end != nullptr) {
        *end = reader.position();
    }
    return {};
}

Status parseProject(std::string_view fileBytes, ProjectFile& project, Status& settlementPartRead) {
    std::size_t end = 0;
    if (Status read = parseDan(fileBytes, project.form, &end); !read) {
        return read;
    }
    // the design's values stand on their own: a settlement part that cannot be read is only named
    settlementPartRead = parseSettlementPart(fileBytes.substr(end), project.settlement);
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

Status readProjectFile(const std::string& path, ProjectFile& project, Status& settlementPartRead) {
    std::string bytes;
    if (Status read = readWholeFile(path, bytes); !read) {
        return read;
    }
    if (Status parsed = parseProject(bytes, project, settlementPartRead); !parsed) {
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
    for (const FormField& field : formFields()) {
        switch (field.kind) {
            case FieldKind::List:
                out += std::to_string(form.choice(static_cast<ListField>(field.index)));
                break;
            case FieldKind::Text: {
                std::string word;
                // a number typed or read with a decimal comma is kept with the point
                const std::string text = numberTextForFile(form.text(static_cast<TextField>(field.index)));
                if (Status encoded = textToWord(text, "поле " + fieldTitle(field), word); !encoded) {
                    return encoded;
                }
                out += word;
                break;
            }
            case FieldKind::Check:
                out += form.craneAndWind ? "1" : "0";
                break;
        }
        // one value a line, the last without a line end
        if (&field != &formFields().back()) {
            out += "\r\n";
        }
    }
    fileBytes = std::move(out);
    return {};
}

}  // namespace fundis
