// SPDX-License-Identifier: GPL-3.0-or-later
// A .dan file of any bytes, with or without its settlement part: no crash, a failure always says
// something, and whatever is read and can be written comes back the same, but for the numbers typed
// with a decimal comma, which are written with the point. A set of step heights is one text of many
// numbers: its commas become points only when all of it reads as heights.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/files/DanFile.h"
#include "core/model/FormFields.h"
#include "core/model/NumberFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fundis::ProjectFile project;
    fundis::Status settlementPartRead;
    const fundis::Status read = fundis::parseProject(bytes, project, settlementPartRead);
    if ((!read.ok() && read.message().empty()) ||
        (!settlementPartRead.ok() && settlementPartRead.message().empty())) {
        std::abort();
    }
    // an unreadable settlement part leaves no layers behind
    if (!settlementPartRead.ok() && project.settlement.hasLayers()) {
        std::abort();
    }
    std::string written;
    if (!fundis::serializeProject(project, written).ok()) {
        return 0;
    }
    fundis::ProjectFile pointed = project;
    for (const fundis::FormField& field : fundis::formFields()) {
        if (field.kind != fundis::FieldKind::Text) {
            continue;
        }
        std::string& text = pointed.form.texts[static_cast<std::size_t>(field.index)];
        std::vector<float> heights;
        if (field.rule != fundis::FieldRule::Heights) {
            text = fundis::numberTextForFile(text);
        } else if (fundis::readHeights(text, heights)) {
            std::replace(text.begin(), text.end(), ',', '.');
        }
    }
    pointed.settlement.suText = fundis::numberTextForFile(pointed.settlement.suText);
    for (fundis::SoilLayerTexts& layer : pointed.settlement.layers) {
        for (std::string* text : {&layer.h, &layer.gamma, &layer.E}) {
            *text = fundis::numberTextForFile(*text);
        }
    }
    fundis::ProjectFile again;
    fundis::Status againProblem;
    if (!fundis::parseProject(written, again, againProblem).ok() || !againProblem.ok() ||
        again.form != pointed.form || again.settlement != pointed.settlement) {
        std::abort();
    }
    return 0;
}
