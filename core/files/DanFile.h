// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The .dan input data file, in the order of the table of the form's fields: 9 list indices, 41
// texts ("#" for an empty one) and the check box, one value a line, code page 1251, CR LF, the last
// value without a line end.

#include <string>
#include <string_view>

#include "core/model/ProjectForm.h"
#include "core/model/Status.h"
#include "core/settlement/SettlementInput.h"

namespace fundis {

// Reads values into `form` in file order and stops at the first value it cannot read, leaving
// the remaining controls unchanged; the message names the line and the field. `end` (when given)
// is where the 51st value ends.
Status parseDan(std::string_view fileBytes, ProjectForm& form, std::size_t* end = nullptr);

// The file's bytes; fails (and names the field) when an edit text holds white space, which the
// format cannot hold, or does not fit it.
Status serializeDan(const ProjectForm& form, std::string& fileBytes);

// A whole project: the dialog's form and, after it, the settlement part (layers and limit) when the
// project has layers. Old copies of the program read the 51 values and stop, so they open new files
// as before; files without the part have no layers.
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
