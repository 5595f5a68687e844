// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scratch folder removed with everything in it when the test ends, and whole files in and out.

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fundis::testing {

class TempFolder {
  public:
    TempFolder() : path_(std::filesystem::temp_directory_path() / "fundis-test-XXXXXX") {
        mkdtemp(path_.data());
    }
    ~TempFolder() {
        chmod(path_.c_str(), 0700);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

}  // namespace fundis::testing
