// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The .dan input data file, in the order of the table of the form's fields: 9 list indices, 41
// texts ("#" for an empty one) and the check box, one value a line, code page 1251, CR LF, the last
// value without a line end. After them the settlement part (SettlementDan.h), then the part of the
// fields added since: a line end, then one word a line: "F", the number of fields n, then n pairs
// of the field's name and its value (a list's index, a text as in the first part, a set of step
// heights with ";" between them). It holds only the fields that differ from what a file without it
// means (setAddedFieldsAsInOlderFiles), so a project that sets none is written as before; a reader
// passes over the names it does not know.

#include <string>
#include <string_view>

#include "core/model/ProjectForm.h"
#include "core/model/Status.h"
#include "core/settlement/SettlementInput.h"

namespace fundis {

// Reads the first part's values into `form` in file order and stops at the first value it cannot
// read, leaving the remaining controls (and the added fields) unchanged; the message names the line
// and the field. `end` (when given) is where the 51st value ends.
Status parseDan(std::string_view fileBytes, ProjectForm& form, std::size_t* end = nullptr);

// The first part's bytes; fails (and names the field) when an edit text holds white space, which
// the format cannot hold, or does not fit it.
Status serializeDan(const ProjectForm& form, std::string& fileBytes);

// The added part's bytes ("" when every added field is as a file without the part means it).
Status serializeAddedPart(const ProjectForm& form, std::string& bytes);

// A whole project: the dialog's form and, after it, the settlement part (layers and limit) when the
// project has layers, then the added part. Old copies of the program read the 51 values and the
// settlement part and stop, so they open new files as before (one that finds the added part where
// it looks for the settlement part names that part as unreadable and still loads the design's
// values); files without the settlement part
// have no layers, files without the added part give the added fields as before they were added.
// A malformed added part fails the reading, naming the line: it would change the design silently.
struct ProjectFile {
    ProjectForm form;
    SettlementInputs settlement;
};
// A settlement part that cannot be read leaves the 51 values loaded and the layers empty:
// `settlementPartRead` is ok when the part was read (or there is none), else it names what could not
// be read. writeProjectFile writes through a temporary file renamed into place: a failure leaves the
// old file intact.
Status parseProject(std::string_view fileBytes, ProjectFile& project, Status& settlementPartRead);
Status serializeProject(const ProjectFile& project, std::string& fileBytes);
Status readProjectFile(const std::string& path, ProjectFile& project, Status& settlementPartRead);
Status writeProjectFile(const std::string& path, const ProjectFile& project);

}  // namespace fundis
