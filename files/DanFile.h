#pragma once

// The .dan input data file: 9 combo indices, 41 edit texts ("#" for an empty one) and the check
// box, one value a line, code page 1251, CR LF, the last value without a line end.

#include <string>
#include <string_view>

#include "input/ProjectForm.h"

namespace fundis {

struct DanReadResult {
    bool ok = true;
    std::string error;  // e.g. "строка 12: не удалось прочитать значение Edit3"; empty when ok
};

// Reads values into `form` in file order and stops at the first value it cannot read, leaving
// the remaining controls unchanged.
DanReadResult parseDan(std::string_view fileBytes, ProjectForm& form);
DanReadResult readDanFile(const std::string& path, ProjectForm& form);

struct DanWriteResult {
    bool ok = true;
    std::string error;
};

// The file's bytes; fails (and names the edit) when an edit text holds white space, which the
// format cannot hold.
DanWriteResult serializeDan(const ProjectForm& form, std::string& fileBytes);
// Writes through a temporary file renamed into place: a failure leaves the old file intact.
DanWriteResult writeDanFile(const std::string& path, const ProjectForm& form);

}  // namespace fundis
