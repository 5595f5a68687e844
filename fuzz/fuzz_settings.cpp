// SPDX-License-Identifier: GPL-3.0-or-later
// parseSettings on any bytes: no crash, and the folders never hold a line end or more than the
// 255 bytes of their buffers (up to three UTF-8 bytes a code-page character).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/files/Settings.h"

namespace {

bool fitsFolder(const std::string& folder) {
    return folder.size() <= 3 * 255 && folder.find('\n') == std::string::npos &&
           folder.find('\0') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fundis::Settings settings;
    settings.dataDir = "before";
    settings.programDir = "before";
    fundis::parseSettings(bytes, settings);
    if (!fitsFolder(settings.dataDir) || !fitsFolder(settings.programDir)) {
        std::abort();
    }
    return 0;
}
