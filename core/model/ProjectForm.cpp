// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ProjectForm.h"

#include <algorithm>

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
    text(TextField::Ymt) = "20";
    text(TextField::gammaF) = "1.1";
    choice(ListField::stepMethod) = static_cast<int>(StepMethod::Manual1989);
}

void setAddedFieldsAsInOlderFiles(ProjectForm& form) {
    const ProjectForm fresh;
    for (const FormField& field : formFields()) {
        if (field.part != FieldPart::Added) {
            continue;
        }
        if (field.kind == FieldKind::Text) {
            const auto text = static_cast<TextField>(field.index);
            form.text(text) = fresh.text(text);
        }
    }
    form.choice(ListField::stepMethod) = static_cast<int>(StepMethod::K1Table);
}

Status setField(ProjectForm& form, std::string_view name, std::string_view value) {
    const FormField* field = findFormField(name);
    if (field == nullptr) {
        return Status::failure("нет поля «" + std::string(name) + "»");
    }
    switch (field->kind) {
        case FieldKind::Text:
            form.text(static_cast<TextField>(field->index)) = std::string(value);
            return {};
        case FieldKind::List: {
            const auto list = static_cast<ListField>(field->index);
            const int index = listItemIndex(list, value);
            if (index < 0) {
                std::string items;
                int i = 0;
                for (const std::string& item : listItems(list)) {
                    items += (i > 0 ? ", " : "") + std::to_string(i) + " «" + item + "»";
                    ++i;
                }
                return Status::failure(fieldTitle(*field) + ": «" + std::string(value) +
                                       "» — не пункт списка; пункты: " + items);
            }
            form.choice(list) = index;
            return {};
        }
        case FieldKind::Check:
            if (value != "0" && value != "1") {
                return Status::failure(fieldTitle(*field) + ": «" + std::string(value) +
                                       "» — ожидалось 0 или 1");
            }
            form.craneAndWind = value == "1";
            return {};
    }
    return {};
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
        case Kind::OutOfRange: {
            std::string bounds = formatGeneral(field->low, 6) + "…" + formatGeneral(field->high, 6);
            std::replace(bounds.begin(), bounds.end(), '.', ',');
            what = "«" + text + "» вне пределов " + bounds;
            if (*field->unit != '\0') {
                what += std::string(" ") + field->unit;
            }
            break;
        }
        case Kind::NotHeights:
            what = "«" + text + "» — не высоты ступеней: числа больше 0 через пробел, снизу вверх";
            break;
        case Kind::NotInTable:
            what = "«" + text + "» " + detail;
            break;
    }
    if (field->rule == FieldRule::PositiveWithoutDepth) {
        what += ", а глубина заложения d не задана";
    }
    if (kind == Kind::Empty && *field->neededBy != '\0') {
        if (const FormField* other = findFormField(field->neededBy); other != nullptr) {
            what += ", а задано поле «" + std::string(other->label) + "»";
        }
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
                problems.push_back({&field, FieldProblem::Kind::NotChosen, std::to_string(choice), ""});
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
                    problems.push_back({&field, FieldProblem::Kind::Empty, text, ""});
                } else if (!(value > 0.0f)) {
                    problems.push_back({&field, FieldProblem::Kind::NotPositive, text, ""});
                }
                break;
            case FieldRule::Range:
                if (!(value >= field.low && value <= field.high)) {
                    problems.push_back({&field, FieldProblem::Kind::OutOfRange, text, ""});
                }
                break;
            case FieldRule::NotNegative:
                if (value < 0.0f) {
                    problems.push_back({&field, FieldProblem::Kind::Negative, text, ""});
                }
                break;
            case FieldRule::OptionalPositive:
            case FieldRule::OptionalRange:
                if (text.empty()) {
                    const FormField* other =
                        *field.neededBy != '\0' ? findFormField(field.neededBy) : nullptr;
                    if (other != nullptr && other->kind == FieldKind::Text &&
                        textToFloat(form.text(static_cast<TextField>(other->index))) > 0.0f) {
                        problems.push_back({&field, FieldProblem::Kind::Empty, text, ""});
                    }
                } else if (field.rule == FieldRule::OptionalPositive && !(value > 0.0f)) {
                    problems.push_back({&field, FieldProblem::Kind::NotPositive, text, ""});
                } else if (field.rule == FieldRule::OptionalRange &&
                           !(value >= field.low && value <= field.high)) {
                    problems.push_back({&field, FieldProblem::Kind::OutOfRange, text, ""});
                }
                break;
            case FieldRule::Heights: {
                std::vector<float> heights;
                if (!readHeights(text, heights)) {
                    problems.push_back({&field, FieldProblem::Kind::NotHeights, text, ""});
                }
                break;
            }
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
