// SPDX-License-Identifier: GPL-3.0-or-later
// The table readers on any text, with the keys x and y taken from the first eight bytes: a value or
// a failure naming the file, never a crash or a hang; a Rb.dat that loads has Rbt for every class.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/calc/TableLookup.h"
#include "core/model/ProjectForm.h"

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

    fundis::Table table;
    const fundis::Status parsed = fundis::parseTable(text, "fuzz.dat", table);
    if (parsed.ok()) {
        volatile float value = fundis::TableLookup(table, x, y);
        (void)value;
    } else if (parsed.message().find("fuzz.dat") == std::string::npos) {
        std::abort();
    }
    fundis::CodeTables tables;
    if (fundis::parseCodeTable("Rb.dat", text, "Rb.dat", tables).ok()) {
        // every record a class of the list can select has its three numbers
        const int classes = std::min(fundis::concreteClassCount(), static_cast<int>(tables.rb.size()));
        for (int index = 0; index < classes; ++index) {
            if (tables.rb.at(index).size() < 3) {
                std::abort();
            }
        }
    }
    fundis::readRecordsByLine(text);
    return 0;
}
