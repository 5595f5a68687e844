#pragma once

// Where the program finds its tables and keeps kp.ini.

#include <QString>

namespace fundis {

// The folder with table4.dat and the other tables: <exe dir>/../share/fundis when installed,
// the source tree's data/ when run from a build folder.
QString installedDataDir();

// kp.ini below the user's configuration folder.
QString settingsFilePath();

// The folder the file dialogs start in on the very first run.
QString defaultDataDir();

}  // namespace fundis
