// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/note/ZipArchive.h"

#include <array>

namespace fundis {

namespace {

std::array<std::uint32_t, 256> crcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1U) : c >> 1U;
        }
        table[n] = c;
    }
    return table;
}

// Little-endian fields of the zip headers.
void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFU);
    out += static_cast<char>((value >> 8U) & 0xFFU);
}
void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16U);
}

// 1 January 2000, 00:00, in MS-DOS form: a fixed time keeps the file the same for the same note
constexpr std::uint32_t kDosTime = 0;
constexpr std::uint32_t kDosDate = ((2000 - 1980) << 9U) | (1U << 5U) | 1U;
constexpr std::uint32_t kVersion = 20;       // 2.0: what stored entries need
constexpr std::uint32_t kUtf8Names = 0x800;  // general purpose flag bit 11: the names are UTF-8

}  // namespace

std::uint32_t crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = crcTable();
    std::uint32_t c = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFFU] ^ (c >> 8U);
    }
    return c ^ 0xFFFFFFFFU;
}

void ZipArchive::add(const std::string& name, std::string bytes) {
    entries_.push_back({name, std::move(bytes)});
}

std::string ZipArchive::bytes() const {
    std::string out;
    std::string directory;
    for (const Entry& entry : entries_) {
        const auto offset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t crc = crc32(entry.bytes);
        const auto size = static_cast<std::uint32_t>(entry.bytes.size());
        const auto nameLength = static_cast<std::uint32_t>(entry.name.size());
        // the local header, then the data
        put32(out, 0x04034B50U);
        put16(out, kVersion);
        put16(out, kUtf8Names);
        put16(out, 0);  // stored
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, nameLength);
        put16(out, 0);  // no extra field: "mimetype" must be readable at offset 38
        out += entry.name;
        out += entry.bytes;
        // its central directory record
        put32(directory, 0x02014B50U);
        put16(directory, kVersion);
        put16(directory, kVersion);
        put16(directory, kUtf8Names);
        put16(directory, 0);
        put16(directory, kDosTime);
        put16(directory, kDosDate);
        put32(directory, crc);
        put32(directory, size);
        put32(directory, size);
        put16(directory, nameLength);
        put16(directory, 0);  // extra field
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += entry.name;
    }
    const auto directoryOffset = static_cast<std::uint32_t>(out.size());
    out += directory;
    put32(out, 0x06054B50U);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(entries_.size()));
    put16(out, static_cast<std::uint32_t>(entries_.size()));
    put32(out, static_cast<std::uint32_t>(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);  // no comment
    return out;
}

}  // namespace fundis
