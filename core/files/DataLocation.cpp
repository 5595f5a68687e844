// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/DataLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/model/FileIo.h"

namespace fundis {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string programFolder() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return {};
    }
    const std::string path(buffer, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/'));
}

std::string configFolder() {
    std::string config = environment("XDG_CONFIG_HOME");
    if (!config.empty() && config.front() == '/') {
        return config;
    }
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : home + "/.config";
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs
std::string documentsFolder(const std::string& home) {
    std::string text;
    if (!readWholeFile(configFolder() + "/user-dirs.dirs", text)) {
        return {};
    }
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    const std::size_t start = text.find(key);
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = text.find('"', start + key.size());
    std::string folder = text.substr(start + key.size(), end - start - key.size());
    if (folder.rfind("$HOME", 0) == 0) {
        folder = home + folder.substr(5);
    }
    // the home folder itself means "no documents folder"
    return folder == home || folder == home + "/" ? std::string() : folder;
}

}  // namespace

std::string settingsFolder() {
    const std::string config = configFolder();
    return config.empty() ? std::string() : config + "/fundis";
}

std::string settingsFilePath() {
    const std::string folder = settingsFolder();
    return folder.empty() ? std::string() : folder + "/kp.ini";
}

std::string recentFilesPath() {
    const std::string folder = settingsFolder();
    return folder.empty() ? std::string() : folder + "/recent-files";
}

std::string windowStatePath() {
    const std::string folder = settingsFolder();
    return folder.empty() ? std::string() : folder + "/window";
}

std::string installedTablesDir() {
    std::string beside = programFolder() + "/../share/fundis";
    if (isFile(beside + "/table4.dat")) {
        return beside;
    }
    if (isFile(std::string(FUNDIS_INSTALL_DATA_DIR) + "/table4.dat")) {
        return FUNDIS_INSTALL_DATA_DIR;
    }
    return FUNDIS_SOURCE_DATA_DIR;
}

std::string installedExamplesDir() {
    // any one example will do: they are installed together
    const std::string probe = "/frost_greatarchitect.dan";
    std::string beside = programFolder() + "/../share/fundis/examples";
    if (isFile(beside + probe)) {
        return beside;
    }
    std::string installed = std::string(FUNDIS_INSTALL_DATA_DIR) + "/examples";
    if (isFile(installed + probe)) {
        return installed;
    }
    return FUNDIS_SOURCE_EXAMPLES_DIR;
}

std::string verificationManualPath(const std::string& programDir) {
    return programDir + "/Help/verification.htm";
}

std::string defaultDataDir() {
    const std::string home = environment("HOME");
    std::string documents = documentsFolder(home);
    if (!documents.empty()) {
        return documents;
    }
    return home.empty() ? std::string() : home + "/Documents";
}

}  // namespace fundis
