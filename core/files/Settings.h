// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// kp.ini: six lines (iterations, debug, toolbar, data folder, scheme scale, program folder),
// code page 1251, CR LF.

#include <string>
#include <string_view>

#include "core/model/Status.h"

namespace fundis {

struct Settings {
    int iterations = 0;
    int debugMode = 0;
    int showToolbar = 0;
    std::string dataDir;  // UTF-8, at most 255 bytes in the file's code page
    int schemeScale = 0;
    std::string programDir;
};

// The settings dialog's controls as typed: written to the file as they are.
struct SettingsTexts {
    std::string iterations;   // "К-во шагов итерации"
    bool debug = false;       // "Отладка"
    bool toolbar = false;     // "Панель инструментов"
    std::string dataDir;      // "Папка с данными"
    std::string schemeScale;  // "Масштаб 1:"
    std::string programDir;   // "Папка с программой"
};

// "Масштаб 1:" as typed in the settings dialog: digits only, a whole number greater than zero; else
// the message that says what to type.
Status readSchemeScale(std::string_view text, int& scale);

// The settings of a first start: 5 iterations, no debug data, the toolbar shown, the documents
// folder for the data, the scale 1:75 and the installed tables.
SettingsTexts defaultSettings();

struct SettingsReadResult {
    bool fileOpened = false;
    bool complete = false;  // every value read
};

// Loading: integers that cannot be read keep their values in `settings`; once a read fails, every
// later read fails too; folders not read become empty. No file: both folders become empty.
SettingsReadResult parseSettings(std::string_view fileBytes, Settings& settings);
SettingsReadResult readSettingsFile(const std::string& path, Settings& settings);

std::string serializeSettings(const SettingsTexts& texts);
// Temporary file renamed into place.
Status writeSettingsFile(const std::string& path, const SettingsTexts& texts);

}  // namespace fundis
