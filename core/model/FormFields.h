// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fields of the project's form, one table: for each of the 41 texts, the 9 lists and the check
// box its name (the engineering symbol), its label as the input dialog shows it, its unit, tab and
// group, its place in the .dan file, where it lands in the record, and its rule. The input dialog,
// the .dan file, the dialog's OK, the project pass and the messages all take fields from here.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/ProjectRecord.h"

namespace fundis {

// The texts, in the order the .dan file stores them.
// clang-format off
enum class TextField : int {
    Mt, overhang,
    MII1, NII1, QII1, MII2, NII2, QII2, MII3, NII3, QII3,  // loads, II limit state
    d_l, fii, cii, LH, Yii, Yii1, bToL, pedestalTop, d_h, socketDepth, socketBottom,
    lc, buc, luc, d, bc, da, dz, Rs, Rsc,
    MI1, NI1, QI1, MI2, NI2, QI2, MI3, NI3, QI3,           // loads, I limit state
    groundLevel,
};
// clang-format on
constexpr int kTextFieldCount = 41;

// The lists, in the order the .dan file stores them (before the texts).
enum class ListField : int {
    frostSoil,       // soil for the frost depth
    floorType,       // the building's floor
    temperature,     // indoor air temperature
    overhangChoice,  // the base's overhang from the wall: 0.5 m and less, or more
    soil,            // soil for the design resistance
    scheme,          // rigid or flexible building
    LHChoice,        // L/H: 4 and more, 1.5 and less, other (typed)
    method,          // how the strength characteristics were found
    concreteClass,
};
constexpr int kListFieldCount = 9;

enum class FieldKind { Text, List, Check };
enum class FieldTab { Building, Loads, Soil, Foundation };

enum class FieldRule {
    Optional,              // may be empty; `whenEmpty` says what that means
    Positive,              // required, greater than 0
    PositiveWithoutDepth,  // required and greater than 0 while the laying depth d is empty
    Range,                 // within low…high; empty reads as 0
    NotNegative,           // may be empty (`whenEmpty` says what that means), never below 0
};

// Where a text lands in the record: a single value or one combination of a load, times `factor`.
struct RecordSlot {
    float ProjectRecord::*value = nullptr;
    Combinations ProjectRecord::*loads = nullptr;
    int combination = 0;  // 1..3 for a load
    double factor = 1.0;  // the stored value per typed unit (MPa typed, kPa kept)
};

struct FormField {
    FieldKind kind = FieldKind::Text;
    int index = 0;             // the TextField or ListField it is; 0 for the check box
    const char* name = "";     // the engineering symbol: "fii", "NII1", "concreteClass"
    const char* control = "";  // the control of the first dialog, whose number fixes the .dan order
    const char* label = "";    // as the dialog shows it, without the unit
    const char* unit = "";     // "м", "кН", "" when none
    FieldTab tab = FieldTab::Building;
    const char* group = "";  // "I предельное состояние", "" when none
    FieldRule rule = FieldRule::Optional;
    float low = 0, high = 0;     // for Range
    const char* whenEmpty = "";  // for Optional texts: what an empty text means
    RecordSlot target;           // nowhere for the texts that only steer the coefficients
    bool shown = true;           // false: kept in the .dan file for old files, read by nothing, not offered
};

constexpr int kFormFieldCount = kListFieldCount + kTextFieldCount + 1;

// Every field in the order of the .dan file: the 9 lists, the 41 texts, the check box.
const std::array<FormField, kFormFieldCount>& formFields();
const FormField& formField(TextField field);
const FormField& formField(ListField field);
const FormField& craneAndWindField();
// By its name ("Yii1"); nullptr when there is none.
const FormField* findFormField(std::string_view name);

const char* tabTitle(FieldTab tab);
// The field as messages name it: "N, Nmax, I предельное состояние (вкладка «Нагрузки»)".
std::string fieldTitle(const FormField& field);
// The dialog's caption of a field with a unit: "Вес грунта ниже подошвы, кН/м3".
std::string fieldCaption(const FormField& field);

// The items of a list, as the dialog shows them.
const std::vector<std::string>& listItems(ListField field);

// Number of entries of the concrete-class list ("B 12,5", "B 15").
int concreteClassCount();

}  // namespace fundis
