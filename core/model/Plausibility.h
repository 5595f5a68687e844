// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Values that can be but hardly are: far outside the usual range of their quantity (a frost index of a
// million, a soil of a million kN/m³). The calculation still runs on them; the input dialog's OK,
// fundis-cli and the note say which they are, with the usual range and where it comes from.

#include <string>
#include <vector>

#include "core/model/ProjectForm.h"

namespace fundis {

struct UsualRange {
    TextField field;
    float low, high;     // in the units the field is typed in
    const char* source;  // where the range comes from
    bool magnitude;      // the range holds for the value without its sign (Mt may be typed negative)
};

// The fields that have a usual range, with it.
const std::vector<UsualRange>& usualRanges();

struct Implausible {
    const UsualRange* range = nullptr;
    std::string text;  // as typed
    // "Mt (вкладка «Здание»): «1000000» — обычно от 0 до 250 (…). Проверьте значение."
    std::string describe() const;
};

// The typed numbers of the form outside their usual ranges; empty texts and texts that are no number
// are left to the fields' rules.
std::vector<Implausible> implausibleValues(const ProjectForm& form);

}  // namespace fundis
