// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settlement part of the .dan file, after its 51st value: a line end, then one value a line,
// code page 1251: "S", the number of layers n, the building-type index, the typed su ("#" when
// empty), then n groups h, γ, E ("#" for an empty cell). A file without it has no layers.

#include <string>
#include <string_view>

#include "core/model/Status.h"
#include "core/settlement/SettlementInput.h"

namespace fundis {

// "" for a project without layers; fails, naming the cell, when a text holds white space or
// characters outside code page 1251, or is longer than 99 bytes.
Status serializeSettlementPart(const SettlementInputs& inputs, std::string& bytes);

// `rest` is the file after the 51st value. Only white space: no layers. A malformed part fails
// with a message naming the value that could not be read and leaves `inputs` empty. `end` (when
// given) is where in `rest` the part ends, 0 when there is none.
Status parseSettlementPart(std::string_view rest, SettlementInputs& inputs, std::size_t* end = nullptr);

// The settlement part's first word.
constexpr std::string_view kSettlementPartMarker = "S";

}  // namespace fundis
