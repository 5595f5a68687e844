// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecentFiles.h"

#include <algorithm>

#include "core/model/FileIo.h"

namespace fundis {

std::vector<std::string> readRecentFiles(const std::string& path) {
    std::string text;
    std::vector<std::string> files;
    if (!readWholeFile(path, text)) {
        return files;
    }
    std::size_t start = 0;
    while (start < text.size() && files.size() < kMostRecentFiles) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && std::find(files.begin(), files.end(), line) == files.end()) {
            files.push_back(line);
        }
        start = end + 1;
    }
    return files;
}

Status writeRecentFiles(const std::string& path, const std::vector<std::string>& files) {
    std::string text;
    for (const std::string& file : files) {
        text += file + "\n";
    }
    return saveFileAtomically(path, text);
}

std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string& file) {
    files = withoutRecentFile(std::move(files), file);
    files.insert(files.begin(), file);
    if (files.size() > kMostRecentFiles) {
        files.resize(kMostRecentFiles);
    }
    return files;
}

std::vector<std::string> withoutRecentFile(std::vector<std::string> files, const std::string& file) {
    files.erase(std::remove(files.begin(), files.end(), file), files.end());
    return files;
}

}  // namespace fundis
