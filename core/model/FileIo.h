// SPDX-License-Identifier: GPL-3.0-or-later
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

// `path` names a regular file (after symbolic links).
bool isFile(const std::string& path);

// The whole file.
Status readWholeFile(const std::string& path, std::string& bytes);

// What went wrong with a file's contents, said about the file once: "не удалось сохранить файл
// «path»: problem" and "не удалось прочитать файл «path»: problem". Every failure of a function that
// saves or reads a whole file names it this way, so a caller shows the message as it is.
Status saveFailure(const std::string& path, const Status& problem);
Status readFailure(const std::string& path, const Status& problem);

}  // namespace fundis
