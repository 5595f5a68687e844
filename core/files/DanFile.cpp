// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/DanFile.h"

#include <algorithm>
#include <vector>

#include "core/files/FileWords.h"
#include "core/files/SettlementDan.h"
#include "core/model/FileIo.h"
#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

constexpr std::string_view kAddedPartMarker = "F";
constexpr const char* kLineEnd = "\r\n";

Status failure(int line, const std::string& text) {
    return Status::failure("строка " + std::to_string(line) + ": " + text);
}

const FormField* firstPart() { return formFields().data(); }
const FormField* firstPartEnd() { return formFields().data() + kFirstPartFieldCount; }

// A set of step heights keeps ";" between its heights in the file, which splits words at blanks.
bool holdsHeights(const FormField& field) { return field.rule == FieldRule::Heights; }

// The file keeps a set's heights with ";" between them (a blank would split the word) and with the
// point, as it keeps every number.
std::string heightsForFile(std::string text) {
    std::vector<float> heights;
    const bool numbers = readHeights(text, heights);
    for (char& ch : text) {
        if (ch == ' ' || ch == '\t') {
            ch = ';';
        } else if (ch == ',' && numbers) {
            ch = '.';
        }
    }
    return text;
}

int lineAt(std::string_view bytes, std::size_t position) {
    return 1 + static_cast<int>(
                   std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
}

// The added part from `start` of the file on (its marker already known to stand there).
Status readAddedPart(std::string_view fileBytes, std::size_t start, ProjectForm& form) {
    WordReader reader(fileBytes, start, lineAt(fileBytes, start));
    std::string_view word;
    int line = 0;
    reader.next(word, line);  // the marker
    const std::string part = "дополнительные поля: ";
    int count = 0;
    if (!reader.next(word, line)) {
        return failure(line, part + "файл кончается, не дойдя до числа полей");
    }
    if (!wordToInteger(word, count) || count < 0 || count > 1000) {
        return failure(line, part + "ожидалось число полей, а не " + quotedWord(word));
    }
    for (int i = 0; i < count; ++i) {
        std::string_view name;
        std::string_view value;
        if (!reader.next(name, line) || !reader.next(value, line)) {
            return failure(line, part + "файл кончается, не дойдя до поля " + std::to_string(i + 1) + " из " +
                                     std::to_string(count));
        }
        const FormField* field = findFormField(std::string(name));
        // a field of a later copy of the program, or one the first part holds: not ours to read here
        if (field == nullptr || field->part != FieldPart::Added) {
            continue;
        }
        if (field->kind == FieldKind::List) {
            const auto list = static_cast<ListField>(field->index);
            int index = 0;
            if (!wordToInteger(value, index)) {
                return failure(line, "поле " + fieldTitle(*field) + ": ожидалось целое число, а не " +
                                         quotedWord(value));
            }
            form.choice(list) = index >= 0 && index < static_cast<int>(listItems(list).size()) ? index : -1;
        } else if (field->kind == FieldKind::Text) {
            if (value.size() > kLongestWord) {
                return failure(line, "поле " + fieldTitle(*field) + ": текст длиннее 99 символов");
            }
            std::string text = wordToText(value);
            if (holdsHeights(*field)) {
                std::replace(text.begin(), text.end(), ';', ' ');
            }
            form.text(static_cast<TextField>(field->index)) = text;
        }
    }
    return {};
}

// Where the added part starts after the settlement part's end `from`; npos when there is none.
// Behind a settlement part that could not be read, the file's last marker is taken.
std::size_t addedPartStart(std::string_view fileBytes, std::size_t from, bool searchLast) {
    WordReader reader(fileBytes, from, 1);
    std::string_view word;
    std::size_t found = std::string_view::npos;
    while (reader.next(word)) {
        if (word == kAddedPartMarker) {
            found = reader.position() - word.size();
            if (!searchLast) {
                return found;
            }
        } else if (!searchLast) {
            break;
        }
    }
    return found;
}

}  // namespace

Status parseDan(std::string_view fileBytes, ProjectForm& form, std::size_t* end) {
    WordReader reader(fileBytes);
    int value = 0;
    for (const FormField* at = firstPart(); at != firstPartEnd(); ++at) {
        const FormField& field = *at;
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
    setAddedFieldsAsInOlderFiles(project.form);
    // the added part may stand where the settlement part would
    std::size_t added = addedPartStart(fileBytes, end, false);
    if (added == std::string_view::npos) {
        // the design's values stand on their own: a settlement part that cannot be read is only named
        std::size_t settlementEnd = 0;
        settlementPartRead = parseSettlementPart(fileBytes.substr(end), project.settlement, &settlementEnd);
        added = addedPartStart(fileBytes, end + settlementEnd, !settlementPartRead.ok());
    } else {
        project.settlement = SettlementInputs();
        settlementPartRead = Status();
    }
    if (added != std::string_view::npos) {
        return readAddedPart(fileBytes, added, project.form);
    }
    return {};
}

Status serializeAddedPart(const ProjectForm& form, std::string& bytes) {
    ProjectForm older = form;
    setAddedFieldsAsInOlderFiles(older);
    std::string pairs;
    int count = 0;
    for (const FormField* at = firstPartEnd(); at != formFields().data() + formFields().size(); ++at) {
        const FormField& field = *at;
        std::string word;
        if (field.kind == FieldKind::List) {
            const auto list = static_cast<ListField>(field.index);
            if (form.choice(list) == older.choice(list)) {
                continue;
            }
            word = std::to_string(form.choice(list));
        } else if (field.kind == FieldKind::Text) {
            const auto text = static_cast<TextField>(field.index);
            if (form.text(text) == older.text(text)) {
                continue;
            }
            const std::string kept =
                holdsHeights(field) ? heightsForFile(form.text(text)) : numberTextForFile(form.text(text));
            if (Status encoded = textToWord(kept, "поле " + fieldTitle(field), word); !encoded) {
                return encoded;
            }
        } else {
            continue;
        }
        pairs += kLineEnd + std::string(field.name) + kLineEnd + word;
        ++count;
    }
    bytes = count == 0 ? std::string()
                       : kLineEnd + std::string(kAddedPartMarker) + kLineEnd + std::to_string(count) + pairs;
    return {};
}

Status serializeProject(const ProjectFile& project, std::string& fileBytes) {
    std::string design;
    std::string settlement;
    std::string added;
    if (Status serialized = serializeDan(project.form, design); !serialized) {
        return serialized;
    }
    if (Status serialized = serializeSettlementPart(project.settlement, settlement); !serialized) {
        return serialized;
    }
    if (Status serialized = serializeAddedPart(project.form, added); !serialized) {
        return serialized;
    }
    fileBytes = design + settlement + added;
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
    for (const FormField* at = firstPart(); at != firstPartEnd(); ++at) {
        const FormField& field = *at;
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
        if (at + 1 != firstPartEnd()) {
            out += kLineEnd;
        }
    }
    fileBytes = std::move(out);
    return {};
}

}  // namespace fundis
