// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's files are in code page 1251; inside, text is UTF-8.

#include <string>
#include <string_view>

namespace fundis {

std::string cp1251ToUtf8(std::string_view bytes);

// Characters that code page 1251 cannot hold become "?".
std::string utf8ToCp1251(std::string_view text);

}  // namespace fundis
