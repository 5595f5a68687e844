// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The projects opened or saved last, newest first: a UTF-8 file of one path a line in the settings
// folder, beside kp.ini (whose six lines stay as they are).

#include <string>
#include <vector>

#include "core/model/Status.h"

namespace fundis {

constexpr std::size_t kMostRecentFiles = 8;

// The list in the file; none when it is missing or unreadable.
std::vector<std::string> readRecentFiles(const std::string& path);
Status writeRecentFiles(const std::string& path, const std::vector<std::string>& files);

// `file` moved (or added) to the front, the list held to kMostRecentFiles.
std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string& file);
std::vector<std::string> withoutRecentFile(std::vector<std::string> files, const std::string& file);

}  // namespace fundis
