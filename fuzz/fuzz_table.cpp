// The table readers on any text, with the keys x and y taken from the first eight bytes: a value or
// a TableError, never a crash or a hang.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "calc/TableLookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 * sizeof(float)) {
        return 0;
    }
    float x = 0;
    float y = 0;
    std::memcpy(&x, data, sizeof x);
    std::memcpy(&y, data + sizeof x, sizeof y);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2 * sizeof(float),
                                size - 2 * sizeof(float));
    try {
        fundis::TableLookupInText(text, "fuzz.dat", x, y);
    } catch (const fundis::TableError&) {
    }
    fundis::readRecordsByLine(text);
    return 0;
}
