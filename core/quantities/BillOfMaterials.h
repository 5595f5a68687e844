// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the designed foundation takes to build: the bar positions of the bottom mesh with their
// lengths, counts and masses, the steel by class and diameter, the concrete's class and volume,
// and the foundation's weight set against the 20 kN/m³ the base pressures assume. Computed once
// from the calculation's result; every document prints these numbers as they are, and every sum
// here is the sum of its terms as printed, so that a student's check adds up.

#include <string>
#include <vector>

#include "core/calc/StageResults.h"
#include "core/model/ProjectRecord.h"

namespace fundis {

// Steel density of the bars' mass, kg/m³; the mass of a metre is 7850·π·d²/4.
inline constexpr double kSteelDensity = 7850;
// Unit weight of reinforced concrete for the foundation's own weight, kN/m³.
inline constexpr double kReinforcedConcreteWeight = 25;
// The socket's clearance beside the column at its top and at its bottom, m (as the scheme draws it).
inline constexpr double kSocketTopClearance = 0.075;
inline constexpr double kSocketBottomClearance = 0.05;

// The steel class that a design resistance Rs names (СНиП 2.03.01-84, table 22; СП 63.13330,
// table 6.14), with the standard of its bars; an empty class when Rs names none.
struct SteelClass {
    std::string name;      // "А-III"
    std::string standard;  // "ГОСТ 5781-82"
};
SteelClass steelClassOf(float RsKilopascals);

// One bar position of the bottom mesh.
struct BarPosition {
    int mark = 0;         // "1", "2" on the drawing and in the lists
    bool alongL = false;  // its bars lie along l (side l's bars); alongB likewise
    bool alongB = false;  // both: the two directions have equal bars and make one position
    int diameter = 0;     // mm
    SteelClass steel;
    int side = 0;             // mm: the side of the base the bars lie along
    int length = 0;           // mm: the side less the two end covers dz
    int count = 0;            // over both directions when alongL and alongB
    int spacing = 0;          // mm between the axes: the 200 mm grid, or less where it does not fit between
                              // the covers (the outer bars' axes dz + d/2 from the faces)
    double massPerMetre = 0;  // kg/m, rounded to the gram: 7850·π·d²/4
    long unitMass = 0;        // hundredths of a kg: one bar, massPerMetre × length, rounded
    long mass = 0;            // hundredths of a kg: count × unitMass
};

// One column of the steel schedule: the mass of one diameter of one class.
struct SteelColumn {
    SteelClass steel;
    int diameter = 0;  // mm
    long mass = 0;     // tenths of a kg: the positions' masses summed and rounded
};

// The total of one class in the schedule: the sum of its columns as printed.
struct SteelClassTotal {
    SteelClass steel;
    long mass = 0;  // tenths of a kg
};

struct ConcreteQuantities {
    std::string concreteClass;  // as the input dialog names it, "B 15"
    // volumes in litres (thousandths of a m³), each rounded from the sizes in millimetres
    std::vector<long> steps;  // step 1 (the bottom one) first: h·l·b
    long pedestal = 0;        // luc·buc·(Hf − hSteps)
    long socket = 0;          // the socket: a prismatoid, hстак/6·(Aверх + Aниз + 4·Aсред)
    long outline = 0;         // steps + pedestal, as printed
    long volume = 0;          // outline − socket: the concrete to order
    // the socket's sides at its top and its bottom, mm
    int socketTopL = 0, socketTopB = 0, socketBottomL = 0, socketBottomB = 0, socketDepth = 0;
    int pedestalHeight = 0;  // mm

    // the weight check against the 20 kN/m³ of the base pressures
    int depth = 0;         // mm, the laying depth d
    long prism = 0;        // litres: l·b·d, the prism the 20 kN/m³ stand for
    long belowGround = 0;  // litres: the foundation's outline (its socket included) within d
    long weight = 0;       // hundredths of a kN: 25 kN/m³ × volume
    long soil = 0;         // hundredths of a kN: γ'II × (prism − belowGround)
    long total = 0;        // weight + soil
    long meanWeight = 0;   // hundredths of a kN/m³: total / prism
    float soilWeight = 0;  // γ'II, kN/m³
};

struct BillOfMaterials {
    bool designed = false;  // there is a foundation: the base, the pedestal and the steps
    std::vector<BarPosition> bars;
    long meshMass = 0;  // hundredths of a kg: the positions' masses summed
    std::vector<SteelColumn> steel;
    std::vector<SteelClassTotal> classTotals;
    long steelTotal = 0;  // tenths of a kg: the columns summed
    ConcreteQuantities concrete;
};

// The quantities of a design; `concreteClass` is the input dialog's class. Nothing (designed =
// false) without a foundation to build.
BillOfMaterials billOfMaterials(const ProjectRecord& inputs, const CalculationResult& result,
                                const std::string& concreteClass);

// What the lists do not hold, so that nobody takes them as complete.
inline constexpr char kNotDesignedByProgram[] =
    "Армирование подколонника и стакана (сетки и каркасы стенок стакана, продольная арматура "
    "подколонника) программа не рассчитывает: в спецификации и ведомости его нет.";

// The numbers as the documents print them, with the decimal separator of the report.
std::string hundredthsText(long hundredths, char separator);   // 9,43
std::string tenthsText(long tenths, char separator);           // 86,9
std::string litresAsCubicMetres(long litres, char separator);  // 5,518

// The bill of materials as a CSV file a spreadsheet opens: UTF-8, a header row, commas between the
// fields, a decimal point. A row a bar position, the mesh's total, the concrete, and the line on what
// the lists leave out; without a foundation, one row that says so.
std::string billOfMaterialsCsv(const BillOfMaterials& bill);

// "Ø22 А-III, l = 3160": the bar as the bill of materials names it.
std::string barName(const BarPosition& bar);
// "вдоль l", "вдоль b", "вдоль l и b"
std::string barDirection(const BarPosition& bar);

}  // namespace fundis
