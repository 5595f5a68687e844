#pragma once

// The .dan input data file: 9 combo indices, 41 edit texts ("#" for an empty one) and the check
// box, one value a line, code page 1251, CR LF, the last value without a line end.

#include <string>
#include <string_view>

#include "model/ProjectForm.h"
#include "model/Status.h"

namespace fundis {

// Reads values into `form` in file order and stops at the first value it cannot read, leaving
// the remaining controls unchanged; the message names the line and the field.
Status parseDan(std::string_view fileBytes, ProjectForm& form);
Status readDanFile(const std::string& path, ProjectForm& form);

// The file's bytes; fails (and names the field) when an edit text holds white space, which the
// format cannot hold, or does not fit it.
Status serializeDan(const ProjectForm& form, std::string& fileBytes);
// Writes through a temporary file renamed into place: a failure leaves the old file intact.
Status writeDanFile(const std::string& path, const ProjectForm& form);

}  // namespace fundis
