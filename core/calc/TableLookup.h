// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The code tables of the program folder: plain text, numbers separated by white space, "." as
// decimal point, records opened by "#", free text before the first "#". All six are read and
// checked before a calculation starts, so that the stages themselves cannot fail on a table.

#include <string>
#include <string_view>
#include <vector>

#include "core/model/Status.h"

namespace fundis {

// A two-way table: the column keys after the first "#", then a row per "#" (its key and a value
// for every column key).
struct TableRow {
    float key = 0;
    std::vector<float> values;
};
struct Table {
    std::vector<float> columnKeys;
    std::vector<TableRow> rows;
};

// The numbers of a record list (Rb.dat, sizepdkl.dat, hstup.dat): one entry a record, in file
// order, each the numbers that follow its "#" on the same line. A lone "#" closes the list;
// reading stops at the end of the file even when it is missing.
using RecordList = std::vector<std::vector<float>>;
RecordList readRecordsByLine(std::string_view text);

// Fails, naming `path`, when the text holds no column keys, no rows or a row too short for the keys.
Status parseTable(std::string_view text, const std::string& path, Table& table);

// The value at column key x and row key y, interpolated linearly between the neighbouring column
// keys and between the neighbouring row keys. A key outside the table uses the nearest row or column.
float TableLookup(const Table& table, float x, float y);

// The rows a lookup at row key y takes its value from: the first row whose key is not below y and
// the row before it (both the same row when y is on a row key or beyond the table's ends).
struct RowBracket {
    float lowKey = 0, highKey = 0;
};
RowBracket rowsAround(const Table& table, float y);

struct CodeTables {
    std::string folder;  // where they were read from
    Table table3;        // γc1, γc2 (the input dialog's OK)
    RecordList rb;       // Rbt by concrete class (the input dialog's OK)
    Table table4;        // Mγ, Mq, Mc
    Table k1;            // the bottom step's overhang ratio, by concrete class: k1Classes(k1) of them
    RecordList hstup;
    RecordList sizepdkl;
};

// The concrete classes k1.dat has columns for: the first ones of the class list, three columns
// (the pyramid's cases) each.
inline int k1Classes(const Table& k1) { return static_cast<int>(k1.columnKeys.size() / 3); }
// The same of the k1.dat in `folder`; `fallback` when it cannot be read.
int k1ClassesIn(const std::string& folder, int fallback);

// Reads the tables of `folder`; the message of a failure names the file.
Status loadCodeTables(const std::string& folder, CodeTables& tables);

// One table from its text, by its file name ("table4.dat" ...), checked as loadCodeTables does.
Status parseCodeTable(const std::string& name, std::string_view text, const std::string& path,
                      CodeTables& tables);

}  // namespace fundis
