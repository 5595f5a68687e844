#pragma once

// What the input dialog's controls hold: the persistent form of a project. The .dan file stores
// exactly this; the dialog's OK turns it into the record. The items of the nine lists and the names
// under which the user sees each field live here too, so the dialog, the file and the messages agree.

#include <array>
#include <string>
#include <vector>

namespace fundis {

constexpr int kEditCount = 41;
constexpr int kComboCount = 9;

struct ProjectForm {
    std::array<std::string, kEditCount> edits;  // Edit1..Edit41 at index 0..40, UTF-8
    std::array<int, kComboCount> combos;        // ComboBox1..ComboBox9 at index 0..8, -1 = none
    bool craneAndWind = false;  // CheckBox1 "Учет крановых и ветровых нагр."

    // The controls as the dialog starts: default texts, first items selected.
    ProjectForm();

    std::string& edit(int number) { return edits.at(number - 1); }
    const std::string& edit(int number) const { return edits.at(number - 1); }
    int& combo(int number) { return combos.at(number - 1); }
    int combo(int number) const { return combos.at(number - 1); }

    bool operator==(const ProjectForm& other) const {
        return edits == other.edits && combos == other.combos && craneAndWind == other.craneAndWind;
    }
    bool operator!=(const ProjectForm& other) const { return !(*this == other); }
};

// The items of ComboBox1..ComboBox9, as the dialog lists them.
const std::vector<std::string>& comboItems(int number);

// Number of entries of the concrete-class list ("B 12,5", "B 15").
int concreteClassCount();

// A field as the user sees it: its label and its tab, "γII, вкладка «Грунт»".
std::string editFieldName(int number);
std::string comboFieldName(int number);
extern const char* const kCraneAndWindFieldName;

}  // namespace fundis
