#pragma once

// The input dialog's OK: the edits converted into the record, the coefficients kh, d0, Yc1, Yc2,
// k and Rbt derived from the choices and the tables Rb.dat and table3.dat.

#include <string>
#include <vector>

#include "input/ProjectForm.h"
#include "model/ProjectData.h"

namespace fundis {

struct InputProcessingResult {
    // Problems met on the way (a table that is missing or ends early), one sentence each.
    std::vector<std::string> problems;
};

// Fills `data` from `form`. May rewrite Edit15 (the L/H value actually used) and raises an
// `iterations` of 0 to 1. Table paths are `programDir` + "/Rb.dat" and "/table3.dat".
InputProcessingResult applyInputForm(ProjectForm& form, TProjectData& data, const std::string& programDir,
                                     int& iterations);

// The button "К-т надежн. 1.1": the I-group edits become 1.1 times the II-group ones.
void fillReliabilityFactor(ProjectForm& form);

}  // namespace fundis
