#pragma once

// Reading and saving whole files: the one reader and the one safe save every file of the program
// goes through (.dan, kp.ini, the tables, the reports), in the Qt layer too.

#include <string>
#include <string_view>

#include "core/model/Status.h"

namespace fundis {

// Writes `bytes` to a temporary file in the same folder and renames it over `path`, so a failed
// write never destroys the previous file.
Status saveFileAtomically(const std::string& path, std::string_view bytes);

// The whole file.
Status readWholeFile(const std::string& path, std::string& bytes);

}  // namespace fundis
