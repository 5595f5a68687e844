// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A zip archive of stored (uncompressed) entries with their CRC-32, as an OpenDocument file needs
// it: the "mimetype" entry first and uncompressed. Written here rather than with libzip or minizip
// because the browser edition builds the core with emscripten, which has neither of them and no
// port it could fetch them from; a note of some hundred kilobytes needs no compression.

#include <cstdint>
#include <string>
#include <vector>

namespace fundis {

// The CRC-32 of zip (ISO 3309, polynomial 0xEDB88320 reflected).
std::uint32_t crc32(const std::string& bytes);

class ZipArchive {
  public:
    // Entries are kept in the order added; a name is a path with "/" between its folders.
    void add(const std::string& name, std::string bytes);
    // The whole archive.
    std::string bytes() const;

  private:
    struct Entry {
        std::string name;
        std::string bytes;
    };
    std::vector<Entry> entries_;
};

}  // namespace fundis
