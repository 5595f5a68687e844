#include "calc/TableLookup.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fundis {

struct TableRow {
    float key = 0;
    std::vector<float> values;
};

struct ParsedTable {
    std::vector<float> columnKeys;
    std::vector<TableRow> rows;
};

namespace {

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

// One white-space separated number starting at `pos`; moves `pos` behind it.
float readNumber(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos])) && text[pos] != '#') {
        ++pos;
    }
    return std::strtof(std::string(text.substr(start, pos - start)).c_str(), nullptr);
}

void skipWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos])) && text[pos] != '#') {
        ++pos;
    }
}

// The header after the first "#" and one row per later "#": its key and the numbers after it,
// up to the next "#" or the first word that is not a number (the rest is free text).
ParsedTable parseTable(std::string_view text, const std::string& file) {
    std::size_t pos = text.find('#');
    if (pos == std::string_view::npos) {
        throw TableError(file, "в таблице " + file + " нет ни одной записи");
    }
    ParsedTable table;
    std::vector<float>* numbers = &table.columnKeys;
    bool inFreeText = false;
    bool expectRowKey = false;
    ++pos;
    while (pos < text.size()) {
        const char ch = text[pos];
        if (std::isspace(static_cast<unsigned char>(ch))) {
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
    while (!table.rows.empty() && expectRowKey) {
        table.rows.pop_back();
        expectRowKey = false;
    }
    if (table.columnKeys.empty() || table.rows.empty()) {
        throw TableError(file, "таблица " + file + " кончается раньше, чем нужно для расчета");
    }
    return table;
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw TableError(path, "не удалось открыть таблицу " + path);
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        throw TableError(path, "не удалось прочитать таблицу " + path);
    }
    return bytes.str();
}

}  // namespace

TableSet::TableSet(std::string programDir) : programDir_(std::move(programDir)) {}

TableSet TableSet::inMemory(std::map<std::string, std::string> texts) {
    TableSet tables("");
    tables.texts_ = std::move(texts);
    tables.inMemory_ = true;
    return tables;
}

std::string TableSet::pathOf(const std::string& name) const { return programDir_ + "/" + name; }

std::string TableSet::read(const std::string& name) const {
    if (inMemory_) {
        const auto found = texts_.find(name);
        if (found == texts_.end()) {
            throw TableError(name, "не удалось открыть таблицу " + name);
        }
        return found->second;
    }
    return readFileBytes(pathOf(name));
}

namespace {

float lookUpParsed(const ParsedTable& table, const std::string& fileForErrors, float x, float y) {
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
        if (column == 0) {
            return 0.0;
        }
        if (rows[row].values.size() < column) {
            throw TableError(fileForErrors, "в таблице " + fileForErrors + " строка " +
                                                std::to_string(row + 1) + " короче, чем нужно для расчета");
        }
        return rows[row].values[column - 1];
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

}  // namespace

float TableLookupInText(std::string_view text, const std::string& fileForErrors, float x, float y) {
    return lookUpParsed(parseTable(text, fileForErrors), fileForErrors, x, y);
}

float TableLookup(const TableSet& tables, const std::string& name, float x, float y) {
    auto cached = tables.parsed_.find(name);
    if (cached == tables.parsed_.end()) {
        auto parsed = std::make_shared<const ParsedTable>(parseTable(tables.read(name), tables.pathOf(name)));
        cached = tables.parsed_.emplace(name, std::move(parsed)).first;
    }
    return lookUpParsed(*cached->second, tables.pathOf(name), x, y);
}

float TableLookup(const std::string& path, float x, float y) {
    return TableLookupInText(readFileBytes(path), path, x, y);
}

TableRecords readRecordsByLine(std::string_view text) {
    TableRecords result;
    std::size_t pos = text.find('#');
    while (pos != std::string_view::npos && pos < text.size()) {
        ++pos;
        std::vector<float> numbers;
        while (pos < text.size() && text[pos] != '\n' && text[pos] != '#') {
            const char ch = text[pos];
            if (std::isspace(static_cast<unsigned char>(ch))) {
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
            result.closed = true;
            break;
        }
        result.records.push_back(std::move(numbers));
        pos = text.find('#', pos);
    }
    return result;
}

}  // namespace fundis
