// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ProjectForm.h"

#include "core/model/NumberFormat.h"

namespace fundis {

ProjectForm::ProjectForm() {
    choices.fill(0);
    text(TextField::d_l) = "0.3";
    text(TextField::bToL) = "0.7";
    text(TextField::pedestalTop) = "-0.150";
    text(TextField::d_h) = "0.3";
    text(TextField::socketDepth) = "0.600";
    text(TextField::socketBottom) = "0.600";
    text(TextField::da) = "0.020";
    text(TextField::dz) = "0.070";
    text(TextField::Rs) = "365";
    text(TextField::Rsc) = "365";
}

std::string FieldProblem::describe() const {
    std::string what;
    switch (kind) {
        case Kind::Empty:
            what = "пусто";
            break;
        case Kind::NotPositive:
            what = "«" + text + "» не больше 0";
            break;
        case Kind::Negative:
            what = "«" + text + "» меньше 0";
            break;
        case Kind::NotChosen:
            what = "не выбрано";
            break;
        case Kind::OutOfRange:
            what = "«" + text + "» вне пределов " + formatGeneral(field->low, 6) + "…" +
                   formatGeneral(field->high, 6);
            if (*field->unit != '\0') {
                what += std::string(" ") + field->unit;
            }
            break;
    }
    if (field->rule == FieldRule::PositiveWithoutDepth) {
        what += ", а глубина заложения d не задана";
    }
    return fieldTitle(*field) + ": " + what;
}

namespace {

// The lists the calculation reads for this form: the frost depth's only without a given depth, L/H
// only for a rigid building.
bool listRead(const ProjectForm& form, ListField list, bool depthGiven) {
    switch (list) {
        case ListField::frostSoil:
        case ListField::floorType:
        case ListField::temperature:
        case ListField::overhangChoice:
            return !depthGiven;
        case ListField::LHChoice:
            return form.choice(ListField::scheme) != 1;
        default:
            return true;
    }
}

}  // namespace

std::vector<FieldProblem> fieldProblems(const ProjectForm& form) {
    std::vector<FieldProblem> problems;
    const bool depthGiven = !form.text(TextField::d).empty();
    for (const FormField& field : formFields()) {
        if (field.kind == FieldKind::List) {
            const auto list = static_cast<ListField>(field.index);
            const int choice = form.choice(list);
            if ((choice < 0 || choice >= static_cast<int>(listItems(list).size())) &&
                listRead(form, list, depthGiven)) {
                problems.push_back({&field, FieldProblem::Kind::NotChosen, std::to_string(choice)});
            }
            continue;
        }
        if (field.kind != FieldKind::Text) {
            continue;
        }
        const std::string& text = form.text(static_cast<TextField>(field.index));
        const float value = textToFloat(text);
        switch (field.rule) {
            case FieldRule::Optional:
                break;
            case FieldRule::PositiveWithoutDepth:
                if (depthGiven) {
                    break;
                }
                [[fallthrough]];
            case FieldRule::Positive:
                if (text.empty()) {
                    problems.push_back({&field, FieldProblem::Kind::Empty, text});
                } else if (!(value > 0.0f)) {
                    problems.push_back({&field, FieldProblem::Kind::NotPositive, text});
                }
                break;
            case FieldRule::Range:
                if (!(value >= field.low && value <= field.high)) {
                    problems.push_back({&field, FieldProblem::Kind::OutOfRange, text});
                }
                break;
            case FieldRule::NotNegative:
                if (value < 0.0f) {
                    problems.push_back({&field, FieldProblem::Kind::Negative, text});
                }
                break;
        }
    }
    return problems;
}

std::string refusalLine(const std::vector<FieldProblem>& problems) {
    std::string line = "Расчет не выполнен: ";
    for (std::size_t i = 0; i < problems.size(); ++i) {
        line += (i == 0 ? "" : "; ") + problems[i].describe();
    }
    return line + ". Исправьте исходные данные (Расчет → Ввод данных).";
}

}  // namespace fundis
