// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/TableLookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <tuple>

#include "support/TempFolder.h"

using namespace fundis;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

// Free text before the first "#", the column keys, then a row per "#"; words after a row are skipped.
const char* const kFactors =
    "free text\r\n# 1 2 3\r\n# 0 0.00 1.00 3.14\r\n"
    "# 26 0.84 4.37 6.90\r\n# 28 0.98 4.93 7.40\r\n# 45 3.66 15.64 14.64\r\n";
// Signed numbers and numbers that start with their point; numbers in the free text are no values.
const char* const kSigns = "table 12 of 7 rows\n# 1 2\n# -9 -0.5 .9\n# 9 -.5 +2\n";
const char* const kConditions =
    "# 1 1.5 4\n# 0 1.4 1.4 1.2\n# 1 1.3 1.3 1.1\n# 2 1.25 1.2 1.0 trailing words\n";

float lookUp(const char* text, float x, float y) {
    Table table;
    const Status parsed = parseTable(text, "test.dat", table);
    EXPECT_TRUE(parsed.ok()) << parsed.message();
    return parsed.ok() ? TableLookup(table, x, y) : NAN;
}

}  // namespace

// Rows: exact keys, between keys, the nearest row outside the table. Columns: a key gives its
// column, between keys a straight-line blend, beyond the last key the last column, below the first
// key the first column scaled toward zero, as the table was always read.
TEST(TableLookup, InterpolatesBetweenRowsAndColumns) {
    const struct {
        const char* table;
        float x, y;
        double value;
    } rows[] = {{kFactors, 1, 26, 0.84},    {kFactors, 2, 27, 4.65},       {kFactors, 3, 27, 7.15},
                {kFactors, 3, 1e-6f, 3.14}, {kFactors, 2, 0, 1.00},        {kFactors, 2, -5, 1.00},
                {kFactors, 2, 50, 15.64},   {kConditions, 1, 1e-10f, 1.4}, {kConditions, 1, 1, 1.3},
                {kConditions, 4, 1, 1.1},   {kConditions, 1.5f, 2, 1.2},   {kConditions, 2.75f, 1, 1.2},
                {kSigns, 1, -9, -0.5},      {kSigns, 2, -9, 0.9},          {kSigns, 1, 9, -0.5},
                {kSigns, 2, 9, 2},          {kConditions, 9, 1, 1.1},      {kConditions, 0.5f, 1, 0.65},
                {kConditions, 0, 1, 1.3}};
    for (const auto& row : rows) {
        EXPECT_NEAR(lookUp(row.table, row.x, row.y), row.value, 2e-6 * std::fabs(row.value))
            << row.x << ", " << row.y;
    }
    // a word of free text, even one with digits in it, and a number after it are no values of the
    // row: this row is one short
    Table table;
    EXPECT_FALSE(parseTable("# 1 2\n# 9 -.5 x2 2\n", "short.dat", table).ok());
}

// A missing or short table stops the loading with a message naming its file
TEST(CodeTables, MissingOrShortTablesAreNamed) {
    // the file, its text (nullptr: the file is missing), what the message says beside the file's path
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"table4.dat", nullptr, ""},
        {"table4.dat", "no marks at all", ""},
        {"sizepdkl.dat", nullptr, ""},
        {"Rb.dat", nullptr, ""},
        {"Rb.dat", "7.5 9.5 0.66, no mark\r\n", "нет ни одного класса бетона"},
        {"Rb.dat", "# 7.5 9.5\r\n# 8.5 11.0 0.75\r\n", "запись 1 короче трех чисел"},
        {"Rb.dat", "# 7.5 9.5 0.66\r\n# 8.5 11.0\r\n", "запись 2 короче трех чисел"},
        {"table3.dat", "# 1 1.5 4\r\n#\r\n", ""},      // keys, no rows
        {"k1.dat", "# 2 3 4 5 6 7\n# 0\n# 5\n", ""}};  // rows too short for the keys
    for (const auto& [name, text, says] : rows) {
        SCOPED_TRACE(std::string(name) + (text ? ": «" + std::string(text) + "»" : ": missing"));
        TempFolder folder;
        for (const auto& entry : std::filesystem::directory_iterator(FUNDIS_TABLES_DIR)) {
            if (entry.path().extension() == ".dat" && entry.path().filename() != name) {
                std::filesystem::copy_file(entry.path(), folder.file(entry.path().filename()));
            }
        }
        if (text != nullptr) {
            writeBytes(folder.file(name), text);
        }
        CodeTables tables;
        const Status all = loadCodeTables(folder.path(), tables);
        EXPECT_FALSE(all.ok()) << name;
        EXPECT_NE(all.message().find(folder.file(name)), std::string::npos) << all.message();
        EXPECT_NE(all.message().find(says), std::string::npos) << all.message();
    }
}
