// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/input/InputProcessing.h"

#include <algorithm>

#include "core/model/NumberFormat.h"
#include "core/model/Plausibility.h"

namespace fundis {

namespace {

// kh by air temperature (rows) and floor type (columns)
constexpr float kKhTable[5][4] = {
    {0.9f, 1.0f, 1.0f, 0.8f}, {0.8f, 0.9f, 1.0f, 0.7f}, {0.7f, 0.8f, 0.9f, 0.6f},
    {0.6f, 0.7f, 0.8f, 0.5f}, {0.5f, 0.6f, 0.7f, 0.4f},
};

constexpr float kD0[4] = {0.23f, 0.28f, 0.30f, 0.34f};

float number(const ProjectForm& form, TextField field) { return textToFloat(form.text(field)); }

// as a float the added 1e-10 survives only for index 0, lifting the key above the first row key
float soilRowKey(int soilIndex) { return static_cast<float>(soilIndex + 1e-10); }

}  // namespace

std::optional<float> lengthToHeightRatio(const ProjectForm& form) {
    const int choice = form.choice(ListField::LHChoice);
    if (form.choice(ListField::scheme) == 1 || choice < 0 || choice > 2) {
        return std::nullopt;
    }
    const float LH = choice == 0 ? 4.0f : choice == 1 ? 1.5f : number(form, TextField::LH);
    return std::clamp(LH, 1.5f, 4.0f);
}

void applyInputForm(const ProjectForm& form, ProjectRecord& data, const CodeTables& tables) {
    // the texts into their places in the record
    for (const FormField& field : formFields()) {
        if (field.kind != FieldKind::Text) {
            continue;
        }
        const RecordSlot& slot = field.target;
        const float value = number(form, static_cast<TextField>(field.index));
        // a float times 1 in double comes back unchanged
        const auto stored = static_cast<float>(static_cast<double>(value) * slot.factor);
        if (slot.value != nullptr) {
            data.*slot.value = stored;
        } else if (slot.loads != nullptr) {
            (data.*slot.loads)[static_cast<std::size_t>(slot.combination)] = stored;
        }
    }

    // γmt of 20 kN/m3 unless given; the given steps as heights (the rules refuse a text that is not)
    if (form.text(TextField::Ymt).empty()) {
        data.Ymt = 20.0f;
    }
    if (!readHeights(form.text(TextField::stepsGiven), data.stepsGiven)) {
        data.stepsGiven.clear();
    }
    data.gammaF = static_cast<float>(reliabilityFactor(form));
    data.stepMethod = form.choice(ListField::stepMethod) == static_cast<int>(StepMethod::Manual1989)
                          ? StepMethod::Manual1989
                          : StepMethod::K1Table;

    // taken from the table each time, so the crane-and-wind raise is never applied twice; with no
    // class selected Rbt keeps its value and is not raised again. γb2 of СНиП 2.03.01-84 table 15:
    // given, or 1.1 with the crane and wind loads
    const std::string& Yb2Text = form.text(TextField::Yb2Given);
    data.Yb2Given = !Yb2Text.empty();
    data.Yb2 = data.Yb2Given ? number(form, TextField::Yb2Given) : form.craneAndWind ? 1.1f : 1.0f;
    const int concreteClass = form.choice(ListField::concreteClass);
    if (concreteClass >= 0 && concreteClass < static_cast<int>(tables.rb.size())) {
        data.RbtTable = tables.rb[concreteClass][2];
        data.Rbt = data.RbtTable;
        if (data.Yb2Given) {
            data.Rbt = static_cast<float>(static_cast<double>(data.Rbt) * readLeadingNumber(Yb2Text).value);
        } else if (form.craneAndWind) {
            data.Rbt = static_cast<float>(static_cast<double>(data.Rbt) * 1.1);
        }
    }

    const float overhang =
        form.choice(ListField::overhangChoice) == 0 ? 0.5f : number(form, TextField::overhang);

    const int frostSoil = form.choice(ListField::frostSoil);
    if (frostSoil >= 0 && frostSoil < 4) {
        data.d0 = kD0[frostSoil];
    }

    // a wide overhang brings the building's heat closer to the base: the note to table 1 of
    // СНиП 2.02.01-83 raises kh by 0.1 at an overhang of 1.5 m and more, interpolated from 0.5 m,
    // and never lowers it. Without both choices kh keeps its value: raising it again would drift
    // at every OK.
    const int temperature = form.choice(ListField::temperature);
    const int floorType = form.choice(ListField::floorType);
    if (temperature >= 0 && temperature < 5 && floorType >= 0 && floorType < 4) {
        data.kh = kKhTable[temperature][floorType];
        data.kh = static_cast<float>(data.kh + std::clamp(overhang - 0.5, 0.0, 1.0) * 0.1);
        if (data.kh > 1.0f) {
            data.kh = 1.0f;
        }
    }

    const int soil = form.choice(ListField::soil);
    if (form.choice(ListField::scheme) == 1) {
        data.Yc2 = 1.0f;  // a flexible building takes no share of the base's deformation
    } else if (const std::optional<float> LH = lengthToHeightRatio(form); LH && soil >= 0) {
        data.Yc2 = TableLookup(tables.table3, *LH, soilRowKey(soil));
    }
    if (soil >= 0) {
        data.Yc1 = TableLookup(tables.table3, 1.0f, soilRowKey(soil));
    }

    data.k = form.choice(ListField::method) == 0 ? 1.0f : 1.1f;

    // the coefficients of formula (7) the user gives instead of the tables'
    const auto given = [&form](TextField field, float& value, bool& isGiven) {
        isGiven = !form.text(field).empty();
        if (isGiven) {
            value = number(form, field);
        }
    };
    given(TextField::Yc1Given, data.Yc1, data.Yc1Given);
    given(TextField::Yc2Given, data.Yc2, data.Yc2Given);
    given(TextField::kGiven, data.k, data.kGiven);
}

double reliabilityFactor(const ProjectForm& form) {
    const LeadingNumber typed = readLeadingNumber(form.text(TextField::gammaF));
    return typed.found && typed.value > 0.0 ? typed.value : 1.1;
}

void fillReliabilityFactor(ProjectForm& form) {
    const double factor = reliabilityFactor(form);
    // MII1..QII3 and MI1..QI3 stand in the same order
    for (int step = 0; step < 9; ++step) {
        const float load = number(form, static_cast<TextField>(static_cast<int>(TextField::MII1) + step));
        const auto raised = static_cast<float>(static_cast<double>(load) * factor);
        form.text(static_cast<TextField>(static_cast<int>(TextField::MI1) + step)) = formatGeneral(raised, 6);
    }
}

std::string UnreadableText::describe() const {
    return fieldTitle(formField(field)) + ": «" + text + "» → " + readAs;
}

std::vector<UnreadableText> textsNotWholeNumbers(const ProjectForm& form) {
    std::vector<UnreadableText> found;
    for (int index = 0; index < kTextFieldCount; ++index) {
        const auto field = static_cast<TextField>(index);
        const std::string& text = form.text(field);
        // a set of step heights is several numbers; its rule names a text that is not
        if (formField(field).rule == FieldRule::Heights) {
            continue;
        }
        if (!text.empty() && !isNumberText(text)) {
            found.push_back({field, text, formatGeneral(textToFloat(text), 6)});
        }
    }
    return found;
}

std::string okQuestion(const ProjectForm& form) {
    std::string text;
    const auto part = [&text](const char* heading, const auto& lines) {
        if (lines.empty()) {
            return;
        }
        text += (text.empty() ? "" : "\n\n") + std::string(heading);
        for (const auto& line : lines) {
            text += "\n  " + line.describe();
        }
    };
    part("В этих полях не число, расчет прочитает их так:", textsNotWholeNumbers(form));
    part("Без этих полей расчет не будет выполнен:", fieldProblems(form));
    part("Эти значения далеко за обычными пределами (расчет их примет):", implausibleValues(form));
    return text.empty() ? text
                        : text + "\n\nВернитесь к вводу, чтобы исправить их, или примите данные как есть.";
}

}  // namespace fundis
