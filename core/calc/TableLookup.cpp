// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/TableLookup.h"

#include <algorithm>
#include <iterator>

#include "core/model/FileIo.h"
#include "core/model/NumberFormat.h"
#include "core/model/ProjectForm.h"

namespace fundis {

namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

bool startsNumber(std::string_view text, std::size_t pos) {
    const char ch = text[pos];
    if (ch >= '0' && ch <= '9') {
        return true;
    }
    if ((ch == '-' || ch == '+' || ch == '.') && pos + 1 < text.size()) {
        const char next = text[pos + 1];
        return (next >= '0' && next <= '9') || (ch != '.' && next == '.');
    }
    return false;
}

void skipWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && !isBlank(text[pos]) && text[pos] != '#') {
        ++pos;
    }
}

// One white-space separated number starting at `pos`; moves `pos` behind it.
float readNumber(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    skipWord(text, pos);
    return textToFloat(text.substr(start, pos - start));
}

Status tooShort(const std::string& path) {
    return Status::failure("таблица " + path + " кончается раньше, чем нужно для расчета");
}

}  // namespace

Status parseTable(std::string_view text, const std::string& path, Table& table) {
    table = Table();
    std::size_t pos = text.find('#');
    if (pos == std::string_view::npos) {
        return Status::failure("в таблице " + path + " нет ни одной записи");
    }
    std::vector<float>* numbers = &table.columnKeys;
    bool inFreeText = false;
    bool expectRowKey = false;
    ++pos;
    // the header after the first "#", then a row per "#": its key and the numbers after it up to
    // the next "#" or the first word that is not a number (the rest is free text)
    while (pos < text.size()) {
        const char ch = text[pos];
        if (isBlank(ch)) {
            ++pos;
        } else if (ch == '#') {
            table.rows.emplace_back();
            numbers = &table.rows.back().values;
            expectRowKey = true;
            inFreeText = false;
            ++pos;
        } else if (!inFreeText && startsNumber(text, pos)) {
            const float value = readNumber(text, pos);
            if (expectRowKey) {
                table.rows.back().key = value;
                expectRowKey = false;
            } else {
                numbers->push_back(value);
            }
        } else {
            inFreeText = true;
            skipWord(text, pos);
        }
    }
    // a "#" with no key (a closing mark) is no row
    if (!table.rows.empty() && expectRowKey) {
        table.rows.pop_back();
    }
    if (table.columnKeys.empty() || table.rows.empty()) {
        return tooShort(path);
    }
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        if (table.rows[row].values.size() < table.columnKeys.size()) {
            return Status::failure("в таблице " + path + " строка " + std::to_string(row + 1) +
                                   " короче, чем нужно для расчета");
        }
    }
    return {};
}

RowBracket rowsAround(const Table& table, float y) {
    const std::vector<TableRow>& rows = table.rows;
    if (rows.empty()) {
        return {};
    }
    std::size_t found = 0;
    while (found < rows.size() && rows[found].key < y) {
        ++found;
    }
    std::size_t previous = found == 0 ? 0 : found - 1;
    if (found == rows.size()) {
        found = previous = rows.size() - 1;
    }
    return {rows[previous].key, rows[found].key};
}

float TableLookup(const Table& table, float x, float y) {
    const std::vector<float>& keys = table.columnKeys;

    // column search: n keys read until one is not below x; beyond the last key the last column
    std::size_t n = 0;
    float xp = 0;
    float xc = 0;
    while (n < keys.size() && xc < x) {
        xp = xc;
        xc = keys[n];
        ++n;
    }
    if (n == 0) {
        n = 1;
        xc = keys[0];
        x = xc;
    } else if (xc < x) {
        x = xc;
    }

    // row search: the first row whose key is not below y, and the row before it
    const std::vector<TableRow>& rows = table.rows;
    std::size_t found = 0;
    while (found < rows.size() && rows[found].key < y) {
        ++found;
    }
    std::size_t previous = found == 0 ? 0 : found - 1;
    if (found == rows.size()) {
        found = previous = rows.size() - 1;  // beyond the last row: the last row
    }

    auto valueAt = [&](std::size_t row, std::size_t column) -> double {
        return column == 0 ? 0.0 : rows[row].values[column - 1];
    };
    const double foundLow = valueAt(found, n - 1);
    const double foundHigh = valueAt(found, n);
    const double previousLow = valueAt(previous, n - 1);
    const double previousHigh = valueAt(previous, n);

    double A = foundLow;
    double B = foundHigh;
    if (found != previous) {
        const double yp = rows[previous].key;
        const double yc = rows[found].key;
        const double t = (y - yp) / (yc - yp);
        A = previousLow + t * (foundLow - previousLow);
        B = previousHigh + t * (foundHigh - previousHigh);
    }
    if (xc == xp) {
        return static_cast<float>(B);
    }
    return static_cast<float>(A + (x - xp) * (B - A) / (xc - xp));
}

RecordList readRecordsByLine(std::string_view text) {
    RecordList records;
    std::size_t pos = text.find('#');
    while (pos != std::string_view::npos && pos < text.size()) {
        ++pos;
        std::vector<float> numbers;
        while (pos < text.size() && text[pos] != '\n' && text[pos] != '#') {
            if (isBlank(text[pos])) {
                ++pos;
            } else if (startsNumber(text, pos)) {
                numbers.push_back(readNumber(text, pos));
            } else {
                // free text ends the record's numbers
                while (pos < text.size() && text[pos] != '\n' && text[pos] != '#') {
                    ++pos;
                }
            }
        }
        if (numbers.empty()) {
            break;  // the closing "#"
        }
        records.push_back(std::move(numbers));
        pos = text.find('#', pos);
    }
    return records;
}

Status parseCodeTable(const std::string& name, std::string_view text, const std::string& path,
                      CodeTables& tables) {
    if (name == "table3.dat") {
        return parseTable(text, path, tables.table3);
    }
    if (name == "table4.dat") {
        return parseTable(text, path, tables.table4);
    }
    if (name == "k1.dat") {
        return parseTable(text, path, tables.k1);
    }
    if (name == "Rb.dat") {
        tables.rb = readRecordsByLine(text);
        // Rbt is the third number of a class's record; a table of fewer classes than the list serves
        // the classes it has, and a project of another class is refused by name
        if (tables.rb.empty()) {
            return Status::failure("в таблице " + path + " нет ни одного класса бетона");
        }
        const int classes = std::min(concreteClassCount(), static_cast<int>(tables.rb.size()));
        for (int index = 0; index < classes; ++index) {
            if (tables.rb[index].size() < 3) {
                return Status::failure("в таблице " + path + " запись " + std::to_string(index + 1) +
                                       " короче трех чисел");
            }
        }
        return {};
    }
    // an empty list would pass for "no step set fits" or "no pedestal for this column"
    if (name == "hstup.dat") {
        tables.hstup = readRecordsByLine(text);
        return tables.hstup.empty() ? Status::failure("в таблице " + path + " нет ни одного набора ступеней")
                                    : Status();
    }
    if (name == "sizepdkl.dat") {
        tables.sizepdkl = readRecordsByLine(text);
        return tables.sizepdkl.empty() ? Status::failure("в таблице " + path + " нет ни одного подколонника")
                                       : Status();
    }
    return Status::failure("неизвестная таблица " + name);
}

int k1ClassesIn(const std::string& folder, int fallback) {
    const std::string path = folder + "/k1.dat";
    std::string text;
    CodeTables tables;
    if (!readWholeFile(path, text).ok() || !parseCodeTable("k1.dat", text, path, tables).ok()) {
        return fallback;
    }
    return k1Classes(tables.k1);
}

Status loadCodeTables(const std::string& folder, CodeTables& tables) {
    static const char* const kNames[] = {"Rb.dat", "table3.dat", "table4.dat",
                                         "k1.dat", "hstup.dat",  "sizepdkl.dat"};
    tables.folder = folder;
    for (const char* name : kNames) {
        const std::string path = folder + "/" + name;
        std::string text;
        Status status = readWholeFile(path, text);
        if (status) {
            status = parseCodeTable(name, text, path, tables);
        }
        if (!status) {
            return status;
        }
    }
    return {};
}

}  // namespace fundis
