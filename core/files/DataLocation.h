// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the program keeps its settings and finds its tables, for the desktop program and
// fundis-cli alike.

#include <string>

namespace fundis {

// The user's settings folder, ~/.config/fundis (or $XDG_CONFIG_HOME/fundis); empty without a home.
std::string settingsFolder();

// kp.ini in the settings folder.
std::string settingsFilePath();

// The list of recent projects and the window's place, beside kp.ini.
std::string recentFilesPath();
std::string windowStatePath();

// The folder with table4.dat and the other tables: <program folder>/../share/fundis when installed,
// the configured install folder, or the source tree's data/ when run from a build folder.
std::string installedTablesDir();

// The folder with the example projects (examples/ beside the tables when installed, the source tree's
// tests/verification when run from a build folder), found the same way as the tables.
std::string installedExamplesDir();

// The verification manual in the program folder's help: the folder that holds the tables.
std::string verificationManualPath(const std::string& programDir);

// The folder the file dialogs start in on the very first run: the user's documents folder
// (XDG_DOCUMENTS_DIR, else ~/Documents), which may not exist yet.
std::string defaultDataDir();

}  // namespace fundis
