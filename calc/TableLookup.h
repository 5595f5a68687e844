#pragma once

// The data tables of the program folder: plain text, numbers separated by white space, "." as
// decimal point, records opened by "#", free text before the first "#".

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fundis {

// A table that is missing, unreadable or ends before the record a lookup needs.
class TableError : public std::runtime_error {
  public:
    TableError(const std::string& file, const std::string& what) : std::runtime_error(what), file_(file) {}
    const std::string& file() const { return file_; }

  private:
    std::string file_;
};

struct ParsedTable;

// Where the tables come from: the program folder, or texts held in memory (benchmarks, tests).
// A table is read and parsed once per set; a calculation makes a new set for each run, so an
// edited table takes effect at the next run.
class TableSet {
  public:
    explicit TableSet(std::string programDir);
    static TableSet inMemory(std::map<std::string, std::string> texts);

    std::string pathOf(const std::string& name) const;  // programDir + "/" + name
    std::string read(const std::string& name) const;    // the file's bytes; throws TableError

  private:
    std::string programDir_;
    std::map<std::string, std::string> texts_;
    bool inMemory_ = false;
    mutable std::map<std::string, std::shared_ptr<const ParsedTable>> parsed_;

    friend float TableLookup(const TableSet& tables, const std::string& name, float x, float y);
};

// The value at column key x and row key y, interpolated linearly between the neighbouring column
// keys and between the neighbouring row keys. A key outside the table uses the nearest row or
// column. Throws TableError when the table cannot be read or has no rows.
float TableLookup(const TableSet& tables, const std::string& name, float x, float y);
float TableLookup(const std::string& path, float x, float y);
float TableLookupInText(std::string_view text, const std::string& fileForErrors, float x, float y);

// The numbers of the record lists (Rb.dat, sizepdkl.dat, hstup.dat): one entry a record, in file
// order, each the numbers that follow its "#" on the same line (or, for Rb.dat, the first three
// numbers after it). A lone "#" closes the list. Reading stops at the end of the file even when
// the closing "#" is missing.
struct TableRecords {
    std::vector<std::vector<float>> records;
    bool closed = false;  // the closing "#" was found
};
TableRecords readRecordsByLine(std::string_view text);

}  // namespace fundis
