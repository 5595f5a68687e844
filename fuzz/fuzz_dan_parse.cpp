// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a .dan file with its settlement part, and nothing else: any bytes, no crash, a failure
// always says something, and an unreadable settlement part leaves no layers behind. Reading only,
// so that a long run tries many millions of files (fuzz_dan writes each one back as well).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/DanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fundis::ProjectFile project;
    fundis::Status settlementPartRead;
    const fundis::Status read = fundis::parseProject(bytes, project, settlementPartRead);
    if (!read.ok() && read.message().empty()) {
        std::abort();
    }
    if (!settlementPartRead.ok() &&
        (settlementPartRead.message().empty() || project.settlement.hasLayers())) {
        std::abort();
    }
    return 0;
}
