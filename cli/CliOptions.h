// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// fundis-cli's command line.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fundis {

struct CliOptions {
    std::optional<std::string> tablesDir;
    std::optional<std::string> settingsFile;
    bool debug = false;
    std::optional<char> decimalSeparator;
    bool json = false;
    std::optional<std::string> htmlFile;
    std::optional<std::string> pdfFile;
    std::optional<std::string> svgFile;
    std::optional<std::string> dxfFile;
    std::optional<std::string> explainFile;  // the calculation note, .html, .odt or .pdf
    std::vector<std::pair<std::string, std::string>> assignments;  // --set NAME=VALUE, in order
    bool fields = false;                                           // --fields
    std::optional<std::string> bomFile;                            // the bill of materials as CSV
    bool help = false;
    bool version = false;
    std::vector<std::string> projects;
};

// False with a one-line reason when the arguments make no sense.
bool parseCliArguments(const std::vector<std::string>& arguments, CliOptions& options, std::string& error);

std::string cliUsage();

// --fields: a line a field of the project's form: its name, caption, tab (and group), and what it
// takes.
std::string fieldList();

}  // namespace fundis
