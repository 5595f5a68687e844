// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/Plausibility.h"

#include <cmath>

#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

constexpr const char* kFrost =
    "СНиП 2.01.01-82: сумма абсолютных среднемесячных отрицательных температур за зиму в самых холодных "
    "пунктах (Верхоянск, Оймякон) около 230";
constexpr const char* kUnitWeight =
    "удельный вес грунтов — от 8–11 кН/м³ (грунт ниже уровня подземных вод, торф) до 22–24 кН/м³ (плотные "
    "скальные и крупнообломочные грунты)";
constexpr const char* kCohesion =
    "СНиП 2.02.01-83, прил. 1, табл. 2: нормативное удельное сцепление глинистых грунтов — не более 81 кПа";
constexpr const char* kLoad = "отдельный фундамент под сборную колонну: продольная сила до десятков тысяч кН";
constexpr const char* kDepth = "фундамент мелкого заложения: глубина заложения обычно до 5–6 м";
constexpr const char* kSteel = "СНиП 2.03.01-84, табл. 22: Rs арматуры от 225 МПа (А-I) до 680 МПа (А-V)";
constexpr const char* kCover =
    "СНиП 2.03.01-84, п. 5.5: защитный слой рабочей арматуры фундаментов не менее 35 мм (70 мм без бетонной "
    "подготовки)";
constexpr const char* kBars = "ГОСТ 5781-82: стержни периодического профиля диаметром от 6 до 40 мм";
constexpr const char* kSocket = "стакан сборной колонны: глубина заделки обычно от 0,5 до 1,5 м";

}  // namespace

const std::vector<UsualRange>& usualRanges() {
    using T = TextField;
    static const std::vector<UsualRange> ranges = {
        {T::Mt, 0, 250, kFrost, true},        {T::Yii, 8, 24, kUnitWeight, false},
        {T::Yii1, 8, 24, kUnitWeight, false}, {T::cii, 0, 100, kCohesion, false},
        {T::NII1, 0, 50000, kLoad, false},    {T::NII2, 0, 50000, kLoad, false},
        {T::NII3, 0, 50000, kLoad, false},    {T::NI1, 0, 60000, kLoad, false},
        {T::NI2, 0, 60000, kLoad, false},     {T::NI3, 0, 60000, kLoad, false},
        {T::d, 0, 10, kDepth, false},         {T::Rs, 200, 700, kSteel, false},
        {T::Rsc, 200, 700, kSteel, false},    {T::dz, 0.02f, 0.15f, kCover, false},
        {T::da, 0.006f, 0.04f, kBars, false}, {T::socketDepth, 0.3f, 2.0f, kSocket, false},
    };
    return ranges;
}

std::string Implausible::describe() const {
    const FormField& field = formField(range->field);
    std::string unit = *field.unit != '\0' ? std::string(" ") + field.unit : std::string();
    return fieldTitle(field) + ": «" + text + "» — обычно от " + formatGeneral(range->low, 6) + " до " +
           formatGeneral(range->high, 6) + unit + " (" + range->source + "). Проверьте значение.";
}

std::vector<Implausible> implausibleValues(const ProjectForm& form) {
    std::vector<Implausible> found;
    for (const UsualRange& range : usualRanges()) {
        const std::string& text = form.text(range.field);
        if (text.empty() || !readLeadingNumber(text).found) {
            continue;
        }
        const float typed = textToFloat(text);
        const float value = range.magnitude ? std::fabs(typed) : typed;
        if (value < range.low || value > range.high) {
            found.push_back({&range, text});
        }
    }
    return found;
}

}  // namespace fundis
