// SPDX-License-Identifier: GPL-3.0-or-later
// A .dan file of any bytes, with or without its settlement part: no crash, a failure always says
// something, and whatever is read and can be written comes back the same, but for the numbers typed
// with a decimal comma, which are written with the point.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/files/DanFile.h"
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
    for (std::string& text : pointed.form.texts) {
        text = fundis::numberTextForFile(text);
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
