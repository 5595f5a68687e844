// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The example projects shipped with the program: published worked examples restated as projects,
// so that a user can open the textbook's problem, calculate it and compare. The verification
// manual (Help/verification.htm) tells for each what was published and why the results differ.

#include <vector>

namespace fundis {

struct ExampleProject {
    const char* file;   // the .dan file's name in the examples folder
    const char* title;  // the menu entry: what it shows — where it was published
};

// In the order of the manual.
const std::vector<ExampleProject>& exampleProjects();

}  // namespace fundis
