// parseDan on any bytes: no crash, a failure always says something, and whatever it reads and can
// write comes back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/DanFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fundis::ProjectForm form;
    const fundis::Status read = fundis::parseDan(bytes, form);
    if (!read.ok() && read.message().empty()) {
        std::abort();
    }
    std::string written;
    if (!fundis::serializeDan(form, written).ok()) {
        return 0;
    }
    fundis::ProjectForm again;
    if (!fundis::parseDan(written, again).ok() || again != form) {
        std::abort();
    }
    return 0;
}
