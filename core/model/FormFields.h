// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fields of the project's form, one table: for each text, list and the check box its name (the
// engineering symbol), its label as the input dialog shows it, its unit, tab and group, its place in
// the .dan file, where it lands in the record, and its rule. The input dialog, the .dan file, the
// dialog's OK, the project pass, fundis-cli and the messages all take fields from here.
//
// The .dan file holds the 41 texts, 9 lists and the check box of the first dialog in its first part;
// the fields added since stand in a part of their own after the settlement part, by name.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/ProjectRecord.h"

namespace fundis {

// The texts: the first part's in the order the .dan file stores them, then the added ones.
// clang-format off
enum class TextField : int {
    Mt, overhang,
    MII1, NII1, QII1, MII2, NII2, QII2, MII3, NII3, QII3,  // loads, II limit state
    d_l, fii, cii, LH, Yii, Yii1, bToL, pedestalTop, d_h, socketDepth, socketBottom,
    lc, buc, luc, d, bc, da, dz, Rs, Rsc,
    MI1, NI1, QI1, MI2, NI2, QI2, MI3, NI3, QI3,           // loads, I limit state
    groundLevel,
    // added: the basement of formula (7), the coefficients given instead of the tables', the given
    // base, the weight of the foundation with its soil, the given steps, the fill's load factor
    db, hs, hcf, Ycf, Yc1Given, Yc2Given, kGiven, Yb2Given, bGiven, lGiven, Ymt, stepsGiven, gammaF,
};
// clang-format on
constexpr int kTextFieldCount = 54;
constexpr int kFirstPartTextCount = 41;

// The lists: the first part's in the order the .dan file stores them (before the texts), then the
// added ones.
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
    stepMethod,  // added: the step overhangs by the 1989 manual's punching of each step, or by k1.dat
};
constexpr int kListFieldCount = 10;
constexpr int kFirstPartListCount = 9;

enum class FieldKind { Text, List, Check };
enum class FieldTab { Building, Loads, Soil, Foundation };
enum class FieldPart { First, Added };  // where the .dan file keeps the field

enum class FieldRule {
    Optional,              // may be empty; `whenEmpty` says what that means
    Positive,              // required, greater than 0
    PositiveWithoutDepth,  // required and greater than 0 while the laying depth d is empty
    Range,                 // within low…high; empty reads as 0
    NotNegative,           // may be empty (`whenEmpty` says what that means), never below 0
    // may be empty (`whenEmpty` says what that means); given, it must be:
    OptionalPositive,  // greater than 0
    OptionalRange,     // within low…high
    Heights,           // step heights greater than 0, from the bottom step up, separated by blanks
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
    FieldPart part = FieldPart::First;
    const char* neededBy = "";  // a field whose value above 0 makes this optional one required
};

constexpr int kFormFieldCount = kListFieldCount + kTextFieldCount + 1;
constexpr int kFirstPartFieldCount = kFirstPartListCount + kFirstPartTextCount + 1;

// Every field: first the .dan file's first part in its order (the 9 lists, the 41 texts, the check
// box), then the added fields.
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

// Number of entries of the concrete-class list ("B 12,5" … "B 30").
int concreteClassCount();

// The index of the list item shown as `text`, or a 0-based index typed as a number; -1 when it is
// neither.
int listItemIndex(ListField field, std::string_view text);

// A field's rule in words, for fundis-cli --fields and the dialog's hints: "обязательно, больше 0",
// "необязательно; пусто — по таблице".
std::string ruleText(const FormField& field);

// The heights of a step set typed as "0,3 0,3 0,3" (blanks or ";" between them); false when a
// word is not a number greater than 0 or there are more than 99.
bool readHeights(std::string_view text, std::vector<float>& heights);

}  // namespace fundis
