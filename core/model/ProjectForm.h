// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the input dialog's controls hold: the persistent form of a project. The .dan file stores
// exactly this; the dialog's OK turns it into the record. The fields, their labels and rules are
// in the table of FormFields.h.

#include <array>
#include <string>
#include <vector>

#include "core/model/FormFields.h"
#include "core/model/Status.h"

namespace fundis {

struct ProjectForm {
    std::array<std::string, kTextFieldCount> texts;  // in TextField order, UTF-8
    std::array<int, kListFieldCount> choices;        // in ListField order, -1 = none
    bool craneAndWind = false;  // "Учет крановых и ветровых нагр."

    // The controls of a new project: default texts, first items selected (the steps by the 1989
    // manual).
    ProjectForm();

    std::string& text(TextField field) { return texts[static_cast<std::size_t>(field)]; }
    const std::string& text(TextField field) const { return texts[static_cast<std::size_t>(field)]; }
    int& choice(ListField field) { return choices[static_cast<std::size_t>(field)]; }
    int choice(ListField field) const { return choices[static_cast<std::size_t>(field)]; }

    bool operator==(const ProjectForm& other) const {
        return texts == other.texts && choices == other.choices && craneAndWind == other.craneAndWind;
    }
    bool operator!=(const ProjectForm& other) const { return !(*this == other); }
};

// The added fields as a file of before means them, holding none: the step overhangs by k1.dat (as
// the program always laid them out), γmt 20, γf 1,1, nothing else given. Such a file gives the
// results it always gave.
void setAddedFieldsAsInOlderFiles(ProjectForm& form);

// Sets one field by its name as fundis-cli's --set gives it: a text as typed, a list by its item's
// text or 0-based index, the check box by 0 or 1. Fails, saying what the field takes, for a name the
// table has not or a value the list or the box cannot take.
Status setField(ProjectForm& form, std::string_view name, std::string_view value);

// A field that breaks its rule: a required text empty or not greater than 0, φii outside its range,
// a size or a cohesion below 0, a list the calculation reads with no item chosen (a .dan file with
// an index outside its list opens so), a given value out of its bounds, a class the tables lack. The
// calculation does not run on such a form.
struct FieldProblem {
    enum class Kind { Empty, NotPositive, OutOfRange, Negative, NotChosen, NotHeights, NotInTable };
    const FormField* field = nullptr;
    Kind kind = Kind::Empty;
    std::string text;    // as typed
    std::string detail;  // for NotInTable: what the table lacks and what to do
    std::string describe() const;  // "N, Nmax, I предельное состояние (вкладка «Нагрузки»): пусто"
};
std::vector<FieldProblem> fieldProblems(const ProjectForm& form);

// The one line the report shows instead of a calculation:
// "Расчет не выполнен: <field>: пусто; <field>: «0» не больше 0. ..."
std::string refusalLine(const std::vector<FieldProblem>& problems);

}  // namespace fundis
