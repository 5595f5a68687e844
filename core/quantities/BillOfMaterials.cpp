// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quantities/BillOfMaterials.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/calc/ReinforceBase.h"
#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Sizes in whole millimetres: the designed sizes are multiples of a millimetre, and integer
// volumes keep 0.45·3.3·2.7 = 4.0095 m³ from coming out as 4.009 through single precision.
long long mm(double metres) { return std::llround(metres * 1000.0); }

// Half away from zero, as a student rounds by hand.
long rounded(double value) { return static_cast<long>(std::llround(value)); }
long litresOf(double cubicMillimetres) { return rounded(cubicMillimetres / 1e6); }

struct ClassByResistance {
    int megapascals;
    const char* name;
    const char* standard;
};

// Rs of the bars in tension, MPa: СНиП 2.03.01-84, table 22 (A-III: 355 for 6-8 mm, 365 for
// 10-40 mm), then the classes of СП 63.13330 (table 6.14) and of СП 52-101 for the values
// the old code does not use.
const ClassByResistance kClasses[] = {
    {225, "А-I", "ГОСТ 5781-82"},     {280, "А-II", "ГОСТ 5781-82"},    {355, "А-III", "ГОСТ 5781-82"},
    {365, "А-III", "ГОСТ 5781-82"},   {510, "А-IV", "ГОСТ 5781-82"},    {680, "А-V", "ГОСТ 5781-82"},
    {815, "А-VI", "ГОСТ 5781-82"},    {210, "А240", "ГОСТ 34028-2016"}, {215, "А240", "ГОСТ 34028-2016"},
    {270, "А300", "ГОСТ 34028-2016"}, {350, "А400", "ГОСТ 34028-2016"}, {435, "А500", "ГОСТ 34028-2016"},
};

// The part of [from, to] that lies within [0, top], mm.
long long within(long long from, long long to, long long top) {
    return std::max(0LL, std::min(to, top) - std::max(from, 0LL));
}

BarPosition barsOf(const ReinforcementSide& side, const ProjectRecord& inputs, bool alongL) {
    BarPosition bar;
    bar.alongL = alongL;
    bar.alongB = !alongL;
    bar.diameter = static_cast<int>(mm(side.diameter));
    bar.steel = steelClassOf(inputs.Rs);
    bar.side = static_cast<int>(mm(side.side));
    const long long cover = mm(inputs.dz);
    bar.length = static_cast<int>(std::max(0LL, bar.side - 2 * cover));
    bar.count = side.count;
    if (bar.count > 1) {
        // the 0.2 m grid the bars were counted on, closer where it does not fit between the covers
        const auto span = static_cast<double>(mm(side.across) - 2 * cover - bar.diameter);
        bar.spacing =
            static_cast<int>(std::min(kMeshGridMillimetres, rounded(std::max(0.0, span) / (bar.count - 1))));
    }
    const double d = bar.diameter / 1000.0;
    // a metre's mass to the gram, as printed, so that a bar's mass is that number times its length
    bar.massPerMetre = static_cast<double>(rounded(kSteelDensity * kPi * d * d / 4.0 * 1000.0)) / 1000.0;
    bar.unitMass = rounded(bar.massPerMetre * bar.length / 1000.0 * 100.0);
    bar.mass = bar.unitMass * bar.count;
    return bar;
}

ConcreteQuantities concreteOf(const ProjectRecord& inputs, const CalculationResult& result,
                              const std::string& concreteClass) {
    ConcreteQuantities q;
    q.concreteClass = concreteClass;
    const StepsResult& s = result.steps;
    const int steps = std::clamp(s.nSteps, 0, kStepEntries - 1);
    const long long height = mm(designedHeight(result));
    const long long ground = mm(designedDepth(result));
    long long z = 0;  // from the base up
    double belowGround = 0;
    for (int i = 1; i <= steps; ++i) {
        const long long h = mm(s.h[i]);
        const double area = static_cast<double>(mm(s.lStep[i])) * static_cast<double>(mm(s.bStep[i]));
        q.steps.push_back(litresOf(static_cast<double>(h) * area));
        belowGround += static_cast<double>(within(z, z + h, ground)) * area;
        z += h;
    }
    const long long pedestalHeight = std::max(0LL, height - z);
    q.pedestalHeight = static_cast<int>(pedestalHeight);
    const double pedestalArea =
        static_cast<double>(mm(result.pedestal.luc)) * static_cast<double>(mm(result.pedestal.buc));
    q.pedestal = litresOf(static_cast<double>(pedestalHeight) * pedestalArea);
    belowGround += static_cast<double>(within(z, z + pedestalHeight, ground)) * pedestalArea;

    // the socket keeps its clearances beside the column on all four faces
    q.socketDepth = static_cast<int>(std::min(mm(inputs.socketDepth), height));
    q.socketTopL = static_cast<int>(mm(inputs.lc + 2 * kSocketTopClearance));
    q.socketTopB = static_cast<int>(mm(inputs.bc + 2 * kSocketTopClearance));
    q.socketBottomL = static_cast<int>(mm(inputs.lc + 2 * kSocketBottomClearance));
    q.socketBottomB = static_cast<int>(mm(inputs.bc + 2 * kSocketBottomClearance));
    const double top = static_cast<double>(q.socketTopL) * q.socketTopB;
    const double bottom = static_cast<double>(q.socketBottomL) * q.socketBottomB;
    const double middle = (q.socketTopL + q.socketBottomL) / 2.0 * ((q.socketTopB + q.socketBottomB) / 2.0);
    q.socket = litresOf(q.socketDepth / 6.0 * (top + bottom + 4 * middle));

    q.outline = q.pedestal;
    for (const long step : q.steps) {
        q.outline += step;
    }
    q.volume = q.outline - q.socket;

    q.depth = static_cast<int>(ground);
    q.prism = litresOf(static_cast<double>(mm(designedLength(result))) *
                       static_cast<double>(mm(designedWidth(result))) * static_cast<double>(ground));
    q.belowGround = litresOf(belowGround);
    q.soilWeight = inputs.Yii1;
    // kN/m³ × litres / 1000 = kN; in hundredths
    q.weight = rounded(kReinforcedConcreteWeight * static_cast<double>(q.volume) / 10.0);
    q.soil = rounded(static_cast<double>(inputs.Yii1) *
                     static_cast<double>(std::max(0L, q.prism - q.belowGround)) / 10.0);
    q.total = q.weight + q.soil;
    q.meanWeight =
        q.prism > 0 ? rounded(static_cast<double>(q.total) * 1000.0 / static_cast<double>(q.prism)) : 0;
    return q;
}

std::string fixedText(long units, int decimals, char separator) {
    double scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    return formatFixed(static_cast<double>(units) / scale, decimals, separator);
}

// A CSV field: quoted when it holds a comma, a quote or a line break, its quotes doubled.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return out + "\"";
}

std::string csvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        row += (i > 0 ? "," : "") + csvField(fields[i]);
    }
    return row + "\r\n";
}

}  // namespace

SteelClass steelClassOf(float RsKilopascals) {
    const double megapascals = RsKilopascals / 1000.0;
    for (const ClassByResistance& entry : kClasses) {
        if (std::fabs(megapascals - entry.megapascals) < 0.5) {
            return {entry.name, entry.standard};
        }
    }
    return {};
}

BillOfMaterials billOfMaterials(const ProjectRecord& inputs, const CalculationResult& result,
                                const std::string& concreteClass) {
    BillOfMaterials bill;
    if (!foundationShaped(result)) {
        return bill;
    }
    bill.designed = true;
    BarPosition alongL = barsOf(result.reinforcement.alongL, inputs, true);
    BarPosition alongB = barsOf(result.reinforcement.alongB, inputs, false);
    if (alongL.diameter == alongB.diameter && alongL.length == alongB.length) {
        // a square mesh of equal bars: one position, as a bill of materials lists equal parts
        alongL.alongB = true;
        alongL.count += alongB.count;
        alongL.mass = alongL.unitMass * alongL.count;
        bill.bars = {alongL};
    } else {
        bill.bars = {alongL, alongB};
    }
    for (std::size_t i = 0; i < bill.bars.size(); ++i) {
        bill.bars[i].mark = static_cast<int>(i) + 1;
        bill.meshMass += bill.bars[i].mass;
    }

    // the schedule by class, then diameter: each column the positions' hundredths rounded to tenths
    std::vector<std::pair<SteelColumn, long>> columns;  // with the unrounded hundredths
    for (const BarPosition& bar : bill.bars) {
        auto same = std::find_if(columns.begin(), columns.end(), [&](const auto& column) {
            return column.first.steel.name == bar.steel.name && column.first.diameter == bar.diameter;
        });
        if (same == columns.end()) {
            columns.push_back({{bar.steel, bar.diameter, 0}, bar.mass});
        } else {
            same->second += bar.mass;
        }
    }
    std::sort(columns.begin(), columns.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.steel.name, a.first.diameter) <
               std::tie(b.first.steel.name, b.first.diameter);
    });
    for (auto& [column, hundredths] : columns) {
        column.mass = rounded(static_cast<double>(hundredths) / 10.0);
        if (bill.classTotals.empty() || bill.classTotals.back().steel.name != column.steel.name) {
            bill.classTotals.push_back({column.steel, 0});
        }
        bill.classTotals.back().mass += column.mass;
        bill.steelTotal += column.mass;
        bill.steel.push_back(column);
    }
    bill.concrete = concreteOf(inputs, result, concreteClass);
    return bill;
}

std::string hundredthsText(long hundredths, char separator) { return fixedText(hundredths, 2, separator); }
std::string tenthsText(long tenths, char separator) { return fixedText(tenths, 1, separator); }
std::string litresAsCubicMetres(long litres, char separator) { return fixedText(litres, 3, separator); }

std::string billOfMaterialsCsv(const BillOfMaterials& bill) {
    std::string csv = csvRow({"Поз.", "Обозначение", "Наименование", "Диаметр, мм", "Класс", "Длина, мм",
                              "Кол.", "Ед.", "Масса ед., кг", "Масса, кг", "Примечание"});
    if (!bill.designed) {
        return csv + csvRow({"", "", "Фундамент не запроектирован: спецификации нет.", "", "", "", "", "", "",
                             "", ""});
    }
    for (const BarPosition& bar : bill.bars) {
        csv +=
            csvRow({std::to_string(bar.mark), bar.steel.standard, barName(bar), std::to_string(bar.diameter),
                    bar.steel.name, std::to_string(bar.length), std::to_string(bar.count), "шт",
                    hundredthsText(bar.unitMass, '.'), hundredthsText(bar.mass, '.'),
                    "сетка подошвы, " + barDirection(bar) + ", шаг " + std::to_string(bar.spacing) + " мм"});
    }
    int count = 0;
    for (const BarPosition& bar : bill.bars) {
        count += bar.count;
    }
    csv += csvRow({"", "", "Итого сетка подошвы", "", "", "", std::to_string(count), "шт", "",
                   hundredthsText(bill.meshMass, '.'), ""});
    csv += csvRow({"", "", "Бетон класса " + bill.concrete.concreteClass, "", "", "",
                   litresAsCubicMetres(bill.concrete.volume, '.'), "м³", "", "",
                   "ступени и подколонник за вычетом стакана"});
    return csv + csvRow({"", "", "", "", "", "", "", "", "", "", kNotDesignedByProgram});
}

std::string barName(const BarPosition& bar) {
    const std::string steel = bar.steel.name.empty() ? std::string() : " " + bar.steel.name;
    return "Ø" + std::to_string(bar.diameter) + steel + ", l = " + std::to_string(bar.length);
}

std::string barDirection(const BarPosition& bar) {
    return bar.alongL && bar.alongB ? "вдоль l и b" : bar.alongL ? "вдоль l" : "вдоль b";
}

}  // namespace fundis
