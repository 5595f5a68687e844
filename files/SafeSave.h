#pragma once

#include <string>
#include <string_view>

namespace fundis {

// Writes `bytes` to a temporary file in the same folder and renames it over `path`, so a failed
// write never destroys the previous file. On failure returns false and says why in `error`.
bool saveFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// The whole file, or false with the reason.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);

}  // namespace fundis
