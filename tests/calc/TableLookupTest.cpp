#include "calc/TableLookup.h"

#include <gtest/gtest.h>

#include <cmath>

using fundis::readRecordsByLine;
using fundis::TableError;
using fundis::TableLookup;
using fundis::TableLookupInText;

namespace {

const char* const kFactors =
    "free text, no marks here\r\n"
    "# 1 2 3\r\n"
    "# 0 0.00 1.00 3.14\r\n"
    "# 26 0.84 4.37 6.90\r\n"
    "# 28 0.98 4.93 7.40\r\n"
    "# 45 3.66 15.64 14.64\r\n";

const char* const kWorkingConditions =
    "# 1 1.5 4\n"
    "# 0 1.4 1.4 1.2\n"
    "# 1 1.3 1.3 1.1\n"
    "# 2 1.25 1.2 1.0 trailing words are skipped\n";

float lookUp(const char* text, float x, float y) { return TableLookupInText(text, "test.dat", x, y); }

}  // namespace

// Rows: exact keys, between keys, and the nearest row outside the table
TEST(TableLookup, InterpolatesBetweenRows) {
    EXPECT_FLOAT_EQ(lookUp(kFactors, 1, 26), 0.84f);
    EXPECT_FLOAT_EQ(lookUp(kFactors, 2, 27), (4.37f + 4.93f) / 2);
    EXPECT_FLOAT_EQ(lookUp(kFactors, 3, 27), (6.90f + 7.40f) / 2);
    EXPECT_FLOAT_EQ(lookUp(kFactors, 3, 1e-6f), 3.14f + 1e-6f / 26 * (6.90f - 3.14f));
    // at or below the first key, and beyond the last: the nearest row
    EXPECT_FLOAT_EQ(lookUp(kFactors, 2, 0), 1.00f);
    EXPECT_FLOAT_EQ(lookUp(kFactors, 2, -5), 1.00f);
    EXPECT_FLOAT_EQ(lookUp(kFactors, 2, 50), 15.64f);
}

// Columns: a key gives its column; between keys a straight-line blend; beyond the last key the
// last column
TEST(TableLookup, InterpolatesBetweenColumns) {
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 1.0f, 1e-10f), 1.4f);
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 1.0f, 1), 1.3f);
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 4.0f, 1), 1.1f);
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 1.5f, 2), 1.2f);
    EXPECT_NEAR(lookUp(kWorkingConditions, 2.75f, 1), 1.3f + (2.75f - 1.5f) * (1.1f - 1.3f) / 2.5f, 1e-6);
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 9.0f, 1), 1.1f);
    // below the first key the first column is scaled toward zero, as the table was always read
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 0.5f, 1), 0.65f);
    EXPECT_FLOAT_EQ(lookUp(kWorkingConditions, 0.0f, 1), 1.3f);
}

TEST(TableLookup, BrokenTablesRaiseErrorsInsteadOfHanging) {
    EXPECT_THROW(lookUp("", 1, 1), TableError);
    EXPECT_THROW(lookUp("no marks at all", 1, 1), TableError);
    EXPECT_THROW(lookUp("# 1 2 3", 1, 1), TableError);                      // keys, no rows
    EXPECT_THROW(lookUp("# 1 2 3\n# 0 1 2\n# 5 1 2\n", 3, 1), TableError);  // rows too short
    try {
        TableLookup("/nonexistent/folder/table4.dat", 1, 1);
        FAIL() << "a missing file must raise";
    } catch (const TableError& error) {
        EXPECT_EQ(error.file(), "/nonexistent/folder/table4.dat");
        EXPECT_NE(std::string(error.what()).find("/nonexistent/folder/table4.dat"), std::string::npos);
    }
}

TEST(TableLookup, ReadsTheShippedTables) {
    const std::string dir = FUNDIS_TABLES_DIR;
    EXPECT_FLOAT_EQ(TableLookup(dir + "/table4.dat", 1, 27), (0.84f + 0.98f) / 2);
    EXPECT_FLOAT_EQ(TableLookup(dir + "/table3.dat", 1, 4), 1.25f);
    EXPECT_FLOAT_EQ(TableLookup(dir + "/k1.dat", 6, 0.3f), 1.7f);
    EXPECT_NEAR(TableLookup(dir + "/k1.dat", 2, 0.35f), 2.15f, 1e-6);
}

// Record lists: numbers up to the line end, a lone "#" closes the list
TEST(TableRecords, SplitsRecordsAtLineEnds) {
    const auto sets =
        readRecordsByLine("heights\r\n# 0.3 0.3\r\n# 0.6 0.3 0.3\r\n# 0.45 0.45\r\n#\r\n# 9 9\r\n");
    ASSERT_EQ(sets.records.size(), 3u);
    EXPECT_TRUE(sets.closed);
    EXPECT_EQ(sets.records[1], (std::vector<float>{0.6f, 0.3f, 0.3f}));
    EXPECT_EQ(sets.records[2], (std::vector<float>{0.45f, 0.45f}));

    const auto unclosed = readRecordsByLine("# 0.3 0.3 0.9 0.9\n# 0.4 0.4 0.9 0.9 comment 5");
    EXPECT_FALSE(unclosed.closed);
    ASSERT_EQ(unclosed.records.size(), 2u);
    EXPECT_EQ(unclosed.records[1].size(), 4u);
    EXPECT_TRUE(readRecordsByLine("nothing here").records.empty());
}
