#pragma once

// What the input dialog's controls hold: the persistent form of a project. The .dan file stores
// exactly this; the dialog's OK turns it into the record.

#include <array>
#include <string>

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
};

inline ProjectForm::ProjectForm() {
    combos.fill(0);
    edit(12) = "0.3";
    edit(18) = "0.7";
    edit(19) = "-0.150";
    edit(20) = "0.3";
    edit(21) = "0.600";
    edit(22) = "0.600";
    edit(28) = "0.020";
    edit(29) = "0.070";
    edit(30) = "365";
    edit(31) = "365";
}

// Number of entries of the concrete-class list ("B 12,5", "B 15").
constexpr int kConcreteClassCount = 2;

}  // namespace fundis
