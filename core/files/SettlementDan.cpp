// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SettlementDan.h"

#include "core/files/FileWords.h"
#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string layerCellName(std::size_t row, LayerColumn column) {
    return "Слой " + std::to_string(row + 1) + ", " + layerColumnName(column);
}

Status malformed(const std::string& value, const std::string& problem) {
    return Status::failure("осадка: " + value + " — " + problem);
}

// The next word as a text: "#" is an empty one.
Status readText(WordReader& reader, const std::string& value, std::string& text) {
    std::string_view word;
    if (!reader.next(word)) {
        return malformed(value, "файл кончается раньше");
    }
    if (word.size() > kLongestWord) {
        return malformed(value, "текст длиннее 99 символов");
    }
    text = wordToText(word);
    return {};
}

Status readInteger(WordReader& reader, const std::string& value, int& number) {
    std::string_view word;
    if (!reader.next(word)) {
        return malformed(value, "файл кончается раньше");
    }
    if (!wordToInteger(word, number)) {
        return malformed(value, "ожидалось целое число, а не " + quotedWord(word));
    }
    return {};
}

Status readPart(std::string_view rest, SettlementInputs& inputs, std::size_t& end) {
    WordReader reader(rest);
    std::string_view marker;
    if (!reader.next(marker)) {
        return {};
    }
    if (marker != kSettlementPartMarker) {
        return malformed("метка S", "вместо нее " + quotedWord(marker));
    }
    int count = 0;
    if (Status read = readInteger(reader, "число слоев", count); !read) {
        return read;
    }
    if (count < 1 || count > kMostLayers) {
        return malformed("число слоев", "ожидалось от 1 до 20, а не " + std::to_string(count));
    }
    if (Status read = readInteger(reader, "тип здания", inputs.buildingType); !read) {
        return read;
    }
    if (Status read = readText(reader, "su", inputs.suText); !read) {
        return read;
    }
    inputs.layers.resize(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        SoilLayerTexts& layer = inputs.layers[static_cast<std::size_t>(row)];
        const std::string name = "слой " + std::to_string(row + 1) + ", ";
        for (auto [text, symbol] : {std::pair{&layer.h, "h"}, {&layer.gamma, "γ"}, {&layer.E, "E"}}) {
            if (Status read = readText(reader, name + symbol, *text); !read) {
                return read;
            }
        }
    }
    // whatever follows belongs to a later part of the file
    end = reader.position();
    return {};
}

}  // namespace

Status serializeSettlementPart(const SettlementInputs& inputs, std::string& bytes) {
    if (!inputs.hasLayers()) {
        bytes.clear();
        return {};
    }
    if (inputs.layers.size() > static_cast<std::size_t>(kMostLayers)) {
        return Status::failure(
            "Слоев грунта " + std::to_string(inputs.layers.size()) +
            ", а в файле их может быть не больше 20. Удалите лишние слои и сохраните снова.");
    }
    std::string out = kLineEnd;
    out += kSettlementPartMarker;
    out += kLineEnd + std::to_string(inputs.layers.size());
    out += kLineEnd + std::to_string(inputs.buildingType);
    std::string word;
    // the cells' numbers are kept with the point, whatever separator was typed
    if (Status encoded = textToWord(numberTextForFile(inputs.suText), "Предельная осадка su, см", word);
        !encoded) {
        return encoded;
    }
    out += kLineEnd + word;
    for (std::size_t row = 0; row < inputs.layers.size(); ++row) {
        const SoilLayerTexts& layer = inputs.layers[row];
        for (auto [text, column] : {std::pair{&layer.h, LayerColumn::h},
                                    {&layer.gamma, LayerColumn::gamma},
                                    {&layer.E, LayerColumn::E}}) {
            if (Status encoded = textToWord(numberTextForFile(*text), layerCellName(row, column), word);
                !encoded) {
                return encoded;
            }
            out += kLineEnd + word;
        }
    }
    bytes = std::move(out);
    return {};
}

Status parseSettlementPart(std::string_view rest, SettlementInputs& inputs, std::size_t* end) {
    SettlementInputs read;
    std::size_t partEnd = 0;
    if (Status status = readPart(rest, read, partEnd); !status) {
        inputs = SettlementInputs();
        return status;
    }
    inputs = std::move(read);
    if (end != nullptr) {
        *end = partEnd;
    }
    return {};
}

}  // namespace fundis
