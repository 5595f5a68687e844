// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The input dialog's OK: the edits converted into the record, the coefficients kh, d0, Yc1, Yc2,
// k and Rbt derived from the choices and the tables Rb.dat and table3.dat, or as given.

#include <optional>
#include <string>
#include <vector>

#include "core/calc/TableLookup.h"
#include "core/model/ProjectForm.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// Fills `data` from `form`: each text into its place in the record (the table of the form's
// fields), then the coefficients.
void applyInputForm(const ProjectForm& form, ProjectRecord& data, const CodeTables& tables);

// L/H as γc2 takes it from table 3: 4 for "4 и более", 1.5 for "1,5 и менее", the typed ratio held to
// 1.5…4 otherwise; none for a flexible building or without a choice. The dialog's OK shows it in the
// L/H edit.
std::optional<float> lengthToHeightRatio(const ProjectForm& form);

// The button "К-т надежн.": the I-group edits become γf times the II-group ones (the field γf of
// the loads tab, 1.1 when it is empty or not a number greater than 0).
void fillReliabilityFactor(ProjectForm& form);
double reliabilityFactor(const ProjectForm& form);

// A text that is not one number as typed ("abc", "900,5", "1 100"): the conversion still reads it,
// as saved files rely on, but the user should see what it will be read as.
struct UnreadableText {
    TextField field = TextField::Mt;
    std::string text;              // as typed
    std::string readAs;            // the number the conversion makes of it, "900"
    std::string describe() const;  // "N, Nmax, II предельное состояние (вкладка «Нагрузки»): «900,5» → 900"
};
std::vector<UnreadableText> textsNotWholeNumbers(const ProjectForm& form);

// What the input dialog's OK asks before it takes the form: the texts that are not numbers, the fields
// the calculation cannot go without, the values far outside their usual ranges, each part with its
// lines; empty when there is nothing to ask.
std::string okQuestion(const ProjectForm& form);

}  // namespace fundis
