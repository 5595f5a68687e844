// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FormFields.h"

#include <algorithm>

#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

// a number of a message, as the users write it
std::string decimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

constexpr const char* kSecondState = "II предельное состояние";
constexpr const char* kFirstState = "I предельное состояние";
constexpr const char* kZero = "0";
constexpr const char* kGivenFactors = "заданные коэффициенты";
constexpr const char* kGivenBase = "заданная подошва";

constexpr FieldTab kBuilding = FieldTab::Building;
constexpr FieldTab kLoads = FieldTab::Loads;
constexpr FieldTab kSoil = FieldTab::Soil;
constexpr FieldTab kFoundation = FieldTab::Foundation;

constexpr FieldRule kOptional = FieldRule::Optional;
constexpr FieldRule kPositive = FieldRule::Positive;
constexpr FieldRule kNotNegative = FieldRule::NotNegative;

constexpr RecordSlot to(float ProjectRecord::*value, double factor = 1.0) {
    return RecordSlot{value, nullptr, 0, factor};
}
constexpr RecordSlot load(Combinations ProjectRecord::*loads, int combination) {
    return RecordSlot{nullptr, loads, combination, 1.0};
}

constexpr FormField list(ListField id, const char* name, const char* control, const char* label,
                         FieldTab tab) {
    FormField field;
    field.kind = FieldKind::List;
    field.index = static_cast<int>(id);
    field.name = name;
    field.control = control;
    field.label = label;
    field.tab = tab;
    return field;
}

constexpr FormField text(TextField id, const char* name, const char* control, const char* label,
                         const char* unit, FieldTab tab, FieldRule rule, const char* whenEmpty,
                         RecordSlot target, const char* group = "") {
    FormField field;
    field.kind = FieldKind::Text;
    field.index = static_cast<int>(id);
    field.name = name;
    field.control = control;
    field.label = label;
    field.unit = unit;
    field.tab = tab;
    field.group = group;
    field.rule = rule;
    field.whenEmpty = whenEmpty;
    field.target = target;
    return field;
}

constexpr FormField ranged(FormField field, float low, float high) {
    field.rule = FieldRule::Range;
    field.low = low;
    field.high = high;
    return field;
}

// A field of the added part: no control of the first dialog fixes its place.
constexpr FormField added(FormField field, FieldRule rule = FieldRule::Optional, float low = 0,
                          float high = 0) {
    field.part = FieldPart::Added;
    field.control = "";
    if (field.kind == FieldKind::Text) {
        field.rule = rule;
        field.low = low;
        field.high = high;
    }
    return field;
}

constexpr FormField neededBy(FormField field, const char* other) {
    field.neededBy = other;
    return field;
}

// A field that older files hold but no calculation reads: the .dan keeps it, no dialog offers it.
constexpr FormField keptOnly(FormField field) {
    field.shown = false;
    return field;
}

constexpr FormField check(const char* name, const char* control, const char* label, FieldTab tab) {
    FormField field;
    field.kind = FieldKind::Check;
    field.name = name;
    field.control = control;
    field.label = label;
    field.tab = tab;
    return field;
}

using T = TextField;
using L = ListField;
using R = ProjectRecord;

// The order is the .dan file's: ComboBox1..9, Edit1..41, CheckBox1 of the first dialog, whose
// control names stand beside each field for that reason only; then the added fields, which the file
// keeps by name.
constexpr std::array<FormField, kFormFieldCount> kFields = {{
    list(L::frostSoil, "frostSoil", "ComboBox1", "Тип грунта для опр. глубины заложения подошвы фундамента",
         kSoil),
    list(L::floorType, "floorType", "ComboBox2", "Тип пола сооружения", kBuilding),
    list(L::temperature, "temperature", "ComboBox3", "Температура", kBuilding),
    list(L::overhangChoice, "overhangChoice", "ComboBox4", "Вылет подошвы", kBuilding),
    list(L::soil, "soil", "ComboBox5", "Тип грунта для опр. расчетного сопротивления", kSoil),
    list(L::scheme, "scheme", "ComboBox6", "Конструктив. схема здания", kBuilding),
    list(L::LHChoice, "LHChoice", "ComboBox7", "L/H", kBuilding),
    list(L::method, "method", "ComboBox8", "Метод определения прочн. характер.", kSoil),
    list(L::concreteClass, "concreteClass", "ComboBox9", "Класс бетона", kFoundation),

    {text(T::Mt, "Mt", "Edit1", "Mt", "", kBuilding, FieldRule::PositiveWithoutDepth, "", to(&R::Mt))},
    text(T::overhang, "overhang", "Edit2", "Величина вылета", "м", kBuilding, kNotNegative, kZero, {}),
    text(T::MII1, "MII1", "Edit3", "M, Mmax", "кН·м", kLoads, kOptional, kZero, load(&R::MII, 1),
         kSecondState),
    text(T::NII1, "NII1", "Edit4", "N, Mmax", "кН", kLoads, kPositive, "", load(&R::NII, 1), kSecondState),
    text(T::QII1, "QII1", "Edit5", "Q, Mmax", "кН", kLoads, kOptional, kZero, load(&R::QII, 1), kSecondState),
    text(T::MII2, "MII2", "Edit6", "M, Nmax", "кН·м", kLoads, kOptional, kZero, load(&R::MII, 2),
         kSecondState),
    text(T::NII2, "NII2", "Edit7", "N, Nmax", "кН", kLoads, kPositive, "", load(&R::NII, 2), kSecondState),
    text(T::QII2, "QII2", "Edit8", "Q, Nmax", "кН", kLoads, kOptional, kZero, load(&R::QII, 2), kSecondState),
    text(T::MII3, "MII3", "Edit9", "M, Qmax", "кН·м", kLoads, kOptional, kZero, load(&R::MII, 3),
         kSecondState),
    text(T::NII3, "NII3", "Edit10", "N, Qmax", "кН", kLoads, kPositive, "", load(&R::NII, 3), kSecondState),
    text(T::QII3, "QII3", "Edit11", "Q, Qmax", "кН", kLoads, kOptional, kZero, load(&R::QII, 3),
         kSecondState),
    text(T::d_l, "d_l", "Edit12", "d_l", "м", kFoundation, kPositive, "", to(&R::d_l)),
    ranged(text(T::fii, "fii", "Edit13", "φii", "град", kSoil, kOptional, kZero, to(&R::fii)), 0.0f, 45.0f),
    text(T::cii, "cii", "Edit14", "сii", "кПа", kSoil, kNotNegative, kZero, to(&R::cii)),
    text(T::LH, "LH", "Edit15", "L/H", "", kBuilding, kOptional, "1,5", {}),
    text(T::Yii, "Yii", "Edit16", "Вес грунта ниже подошвы", "кН/м3", kSoil, kPositive, "", to(&R::Yii)),
    text(T::Yii1, "Yii1", "Edit17", "Вес грунта выше подошвы", "кН/м3", kSoil, kPositive, "", to(&R::Yii1)),
    // the search holds 0.55 ≤ b/l ≤ 1 whatever it says
    keptOnly(text(T::bToL, "bToL", "Edit18", "b/l", "", kFoundation, kOptional, kZero, to(&R::bToL))),
    text(T::pedestalTop, "pedestalTop", "Edit19", "Отметка верха подколонника", "м", kFoundation, kOptional,
         kZero, to(&R::pedestalTop)),
    text(T::d_h, "d_h", "Edit20", "d_h", "м", kFoundation, kPositive, "", to(&R::d_h)),
    text(T::socketDepth, "socketDepth", "Edit21", "Глубина стакана", "м", kFoundation, kPositive, "",
         to(&R::socketDepth)),
    text(T::socketBottom, "socketBottom", "Edit22", "Толщина днища стакана", "м", kFoundation, kPositive, "",
         to(&R::socketBottom)),
    text(T::lc, "lc", "Edit23", "Высота сечения колонны lc", "м", kFoundation, kPositive, "", to(&R::lc)),
    text(T::buc, "buc", "Edit24", "Ширина сечения подколонника buc", "м", kFoundation, kNotNegative,
         "по таблице", to(&R::buc)),
    text(T::luc, "luc", "Edit25", "Высота сечения подколонника luc", "м", kFoundation, kNotNegative,
         "по таблице", to(&R::luc)),
    text(T::d, "d", "Edit26", "d", "м", kFoundation, kNotNegative, "по глубине промерзания", to(&R::d)),
    text(T::bc, "bc", "Edit27", "Ширина сечения колонны bc", "м", kFoundation, kPositive, "", to(&R::bc)),
    text(T::da, "da", "Edit28", "da", "м", kFoundation, kPositive, "", to(&R::da)),
    text(T::dz, "dz", "Edit29", "dz", "м", kFoundation, kPositive, "", to(&R::dz)),
    text(T::Rs, "Rs", "Edit30", "Rs", "МПа", kFoundation, kPositive, "", to(&R::Rs, 1000.0)),
    // the last letter of the label is a Cyrillic "с"
    text(T::Rsc, "Rsc", "Edit31", "Rsс", "МПа", kFoundation, kOptional, kZero, to(&R::Rsc, 1000.0)),
    text(T::MI1, "MI1", "Edit32", "M, Mmax", "кН·м", kLoads, kOptional, kZero, load(&R::MI, 1), kFirstState),
    text(T::NI1, "NI1", "Edit33", "N, Mmax", "кН", kLoads, kPositive, "", load(&R::NI, 1), kFirstState),
    text(T::QI1, "QI1", "Edit34", "Q, Mmax", "кН", kLoads, kOptional, kZero, load(&R::QI, 1), kFirstState),
    text(T::MI2, "MI2", "Edit35", "M, Nmax", "кН·м", kLoads, kOptional, kZero, load(&R::MI, 2), kFirstState),
    text(T::NI2, "NI2", "Edit36", "N, Nmax", "кН", kLoads, kPositive, "", load(&R::NI, 2), kFirstState),
    text(T::QI2, "QI2", "Edit37", "Q, Nmax", "кН", kLoads, kOptional, kZero, load(&R::QI, 2), kFirstState),
    text(T::MI3, "MI3", "Edit38", "M, Qmax", "кН·м", kLoads, kOptional, kZero, load(&R::MI, 3), kFirstState),
    text(T::NI3, "NI3", "Edit39", "N, Qmax", "кН", kLoads, kPositive, "", load(&R::NI, 3), kFirstState),
    text(T::QI3, "QI3", "Edit40", "Q, Qmax", "кН", kLoads, kOptional, kZero, load(&R::QI, 3), kFirstState),
    text(T::groundLevel, "groundLevel", "Edit41", "Отметка природного рельефа", "м", kFoundation, kOptional,
         kZero, to(&R::groundLevel)),

    check("craneAndWind", "CheckBox1", "Учет крановых и ветровых нагр.", kLoads),

    added(list(L::stepMethod, "stepMethod", "", "Вылеты ступеней", kFoundation)),
    added(text(T::db, "db", "", "Глубина подвала db", "м", kSoil, kOptional, "без подвала", to(&R::db)),
          FieldRule::NotNegative),
    added(text(T::hs, "hs", "", "Грунт над подошвой hs", "м", kSoil, kOptional, "d − db − hcf", to(&R::hs)),
          FieldRule::OptionalPositive),
    added(text(T::hcf, "hcf", "", "Пол подвала hcf", "м", kSoil, kOptional, kZero, to(&R::hcf)),
          FieldRule::NotNegative),
    neededBy(
        added(text(T::Ycf, "Ycf", "", "Вес пола подвала γcf", "кН/м3", kSoil, kOptional, "", to(&R::Ycf)),
              FieldRule::OptionalPositive),
        "hcf"),
    added(text(T::Yc1Given, "Yc1Given", "", "γc1", "", kSoil, kOptional, "по табл. 3 СНиП 2.02.01-83", {},
               kGivenFactors),
          FieldRule::OptionalRange, 0.5f, 2.0f),
    added(text(T::Yc2Given, "Yc2Given", "", "γc2", "", kSoil, kOptional, "по табл. 3 СНиП 2.02.01-83", {},
               kGivenFactors),
          FieldRule::OptionalRange, 0.5f, 2.0f),
    added(text(T::kGiven, "kGiven", "", "k", "", kSoil, kOptional, "по методу определения характеристик", {},
               kGivenFactors),
          FieldRule::OptionalRange, 1.0f, 1.1f),
    added(text(T::Yb2Given, "Yb2Given", "", "Заданный γb2", "", kFoundation, kOptional,
               "1,1 с крановыми и ветровыми нагрузками, иначе 1", {}),
          FieldRule::OptionalRange, 0.5f, 1.5f),
    neededBy(added(text(T::bGiven, "bGiven", "", "Ширина подошвы b", "м", kFoundation, kOptional,
                        "подбор по модулю d_l", to(&R::bGiven), kGivenBase),
                   FieldRule::OptionalPositive),
             "lGiven"),
    neededBy(added(text(T::lGiven, "lGiven", "", "Длина подошвы l", "м", kFoundation, kOptional,
                        "подбор по модулю d_l", to(&R::lGiven), kGivenBase),
                   FieldRule::OptionalPositive),
             "bGiven"),
    added(text(T::Ymt, "Ymt", "", "γmt фундамента с грунтом", "кН/м3", kFoundation, kOptional, "20",
               to(&R::Ymt)),
          FieldRule::NotNegative),
    added(text(T::stepsGiven, "stepsGiven", "", "Высоты ступеней", "м", kFoundation, kOptional,
               "по таблице hstup.dat", {}),
          FieldRule::Heights),
    added(text(T::gammaF, "gammaF", "", "γf", "", kLoads, kOptional, "1,1", {}), FieldRule::OptionalRange,
          1.0f, 2.0f),
}};

// each field of the first part stands at its own place of the file, the added lists and texts follow
// in their enums' order
constexpr bool inFileOrder() {
    constexpr int addedLists = kListFieldCount - kFirstPartListCount;
    for (int i = 0; i < kFormFieldCount; ++i) {
        const FormField& field = kFields[static_cast<std::size_t>(i)];
        int expected = 0;
        FieldKind kind = FieldKind::Check;
        if (i < kFirstPartListCount) {
            expected = i;
            kind = FieldKind::List;
        } else if (i < kFirstPartListCount + kFirstPartTextCount) {
            expected = i - kFirstPartListCount;
            kind = FieldKind::Text;
        } else if (i >= kFirstPartFieldCount + addedLists) {
            expected = i - kFirstPartFieldCount - addedLists + kFirstPartTextCount;
            kind = FieldKind::Text;
        } else if (i >= kFirstPartFieldCount) {
            expected = i - kFirstPartFieldCount + kFirstPartListCount;
            kind = FieldKind::List;
        }
        const FieldPart part = i < kFirstPartFieldCount ? FieldPart::First : FieldPart::Added;
        if (field.index != expected || field.kind != kind || field.part != part) {
            return false;
        }
    }
    return true;
}
static_assert(inFileOrder(), "the form's fields stand in the order of the .dan file");

}  // namespace

const std::array<FormField, kFormFieldCount>& formFields() { return kFields; }

const FormField& formField(TextField field) {
    const auto index = static_cast<int>(field);
    constexpr int addedLists = kListFieldCount - kFirstPartListCount;
    const int position = index < kFirstPartTextCount
                             ? kFirstPartListCount + index
                             : kFirstPartFieldCount + addedLists + index - kFirstPartTextCount;
    return kFields[static_cast<std::size_t>(position)];
}

const FormField& formField(ListField field) {
    const auto index = static_cast<int>(field);
    const int position =
        index < kFirstPartListCount ? index : kFirstPartFieldCount + index - kFirstPartListCount;
    return kFields[static_cast<std::size_t>(position)];
}

const FormField& craneAndWindField() { return kFields[static_cast<std::size_t>(kFirstPartFieldCount - 1)]; }

const FormField* findFormField(std::string_view name) {
    for (const FormField& field : kFields) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

const char* tabTitle(FieldTab tab) {
    switch (tab) {
        case FieldTab::Building:
            return "Сооружение";
        case FieldTab::Loads:
            return "Нагрузки";
        case FieldTab::Soil:
            return "Грунт";
        case FieldTab::Foundation:
            return "Фундамент";
    }
    return "";
}

std::string fieldTitle(const FormField& field) {
    std::string title = field.label;
    if (*field.group != '\0') {
        title += std::string(", ") + field.group;
    }
    return title + " (вкладка «" + tabTitle(field.tab) + "»)";
}

std::string fieldCaption(const FormField& field) {
    return *field.unit == '\0' ? std::string(field.label) : std::string(field.label) + ", " + field.unit;
}

const std::vector<std::string>& listItems(ListField field) {
    // the first item of the frost-depth soil list begins with a Latin "C"
    static const std::vector<std::string> items[kListFieldCount] = {
        {"Cуглинки и глины", "Супеси, пески мелкие и пылеватые",
         "Пески гравелистые, крупные и средней крупности", "Крупнообломочные грунты"},
        {"Без подвала с полами, устраиваемыми на грунте", "то же на лагах по грунту",
         "то же по утепленному цокольному перекрытию", "С подвалом или с техническим подпольем"},
        {"0", "5", "10", "15", "20 и более"},
        {"0,5 м. и менее", "Больше 0,5 м."},
        {"Крупн.обл. с песч.зап. и песч. гр., кроме мелк. и пылев.", "Пески мелкие",
         "Пески пылеватые маловлажные и влажные", "Пески пылеватые, насыщенные водой",
         "Пыл.-гл. грунты а также кр.обл. с пыл-гл.зап с пок. тек IL<=0,25", "То же при 0,25<IL<=0.5",
         "То же при IL>0,5"},
        {"Жесткая", "Гибкая"},
        {"4 и более", "1,5 и менее", "другое"},
        {"Непосредственными испытаниями", "По таблицам СНиП 2.02.01-83"},
        {"B 12,5", "B 15", "B 20", "B 25", "B 30"},
        {"по Пособию 1989", "по таблице k1"},
    };
    return items[static_cast<int>(field)];
}

int concreteClassCount() { return static_cast<int>(listItems(ListField::concreteClass).size()); }

int listItemIndex(ListField field, std::string_view text) {
    const std::vector<std::string>& items = listItems(field);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    bool whole = false;
    const int index = textToInt(text, &whole);
    const bool digitsOnly = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    return whole && digitsOnly && index < static_cast<int>(items.size()) ? index : -1;
}

std::string ruleText(const FormField& field) {
    const auto range = [&field] {
        return "от " + decimalComma(formatGeneral(field.low, 6)) + " до " +
               decimalComma(formatGeneral(field.high, 6));
    };
    std::string text;
    switch (field.rule) {
        case FieldRule::Positive:
            return "обязательно, больше 0";
        case FieldRule::PositiveWithoutDepth:
            return "обязательно, больше 0, если не задана глубина заложения d";
        case FieldRule::Range:
            return range();
        case FieldRule::Optional:
            text = "необязательно";
            break;
        case FieldRule::OptionalPositive:
            text = "необязательно, больше 0";
            break;
        case FieldRule::NotNegative:
            text = "необязательно, не меньше 0";
            break;
        case FieldRule::OptionalRange:
            text = "необязательно, " + range();
            break;
        case FieldRule::Heights:
            text = "необязательно, высоты больше 0 снизу вверх через пробел";
            break;
    }
    if (*field.neededBy != '\0') {
        text += std::string(", обязательно при ") + field.neededBy + " > 0";
    }
    return *field.whenEmpty != '\0' ? text + "; пусто — " + field.whenEmpty : text;
}

bool readHeights(std::string_view text, std::vector<float>& heights) {
    heights.clear();
    std::size_t pos = 0;
    while (true) {
        pos = text.find_first_not_of(" \t;", pos);
        if (pos == std::string_view::npos) {
            return true;
        }
        const std::size_t end = std::min(text.find_first_of(" \t;", pos), text.size());
        const std::string_view word = text.substr(pos, end - pos);
        const float height = textToFloat(word);
        // a set holds at most 99 heights, so that a zero always follows its last one
        if (!isNumberText(word) || !(height > 0.0f) || heights.size() >= 99) {
            heights.clear();
            return false;
        }
        heights.push_back(height);
        pos = end;
    }
}

}  // namespace fundis
