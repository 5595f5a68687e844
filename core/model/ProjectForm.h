// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the input dialog's controls hold: the persistent form of a project. The .dan file stores
// exactly this; the dialog's OK turns it into the record. The fields, their labels and rules are
// in the table of FormFields.h.

#include <array>
#include <string>
#include <vector>

#include "core/model/FormFields.h"

namespace fundis {

struct ProjectForm {
    std::array<std::string, kTextFieldCount> texts;  // in TextField order, UTF-8
    std::array<int, kListFieldCount> choices;        // in ListField order, -1 = none
    bool craneAndWind = false;  // "Учет крановых и ветровых нагр."

    // The controls as the dialog starts: default texts, first items selected.
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

// A field that breaks its rule: a required text empty or not greater than 0, φii outside its range,
// a size or a cohesion below 0, a list the calculation reads with no item chosen (a .dan file with
// an index outside its list opens so). The calculation does not run on such a form.
struct FieldProblem {
    enum class Kind { Empty, NotPositive, OutOfRange, Negative, NotChosen };
    const FormField* field = nullptr;
    Kind kind = Kind::Empty;
    std::string text;  // as typed
    std::string describe() const;  // "N, Nmax, I предельное состояние (вкладка «Нагрузки»): пусто"
};
std::vector<FieldProblem> fieldProblems(const ProjectForm& form);

// The one line the report shows instead of a calculation:
// "Расчет не выполнен: <field>: пусто; <field>: «0» не больше 0. ..."
std::string refusalLine(const std::vector<FieldProblem>& problems);

}  // namespace fundis
