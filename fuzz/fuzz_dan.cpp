// SPDX-License-Identifier: GPL-3.0-or-later
// A .dan file of any bytes, with or without its settlement part: no crash, a failure always says
// something, and whatever is read and can be written comes back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/files/DanFile.h"

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
    fundis::ProjectFile again;
    fundis::Status againProblem;
    if (!fundis::parseProject(written, again, againProblem).ok() || !againProblem.ok() ||
        again.form != project.form || again.settlement != project.settlement) {
        std::abort();
    }
    return 0;
}
