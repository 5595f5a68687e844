// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the settlement window edits and the .dan file keeps: the soil layers from the natural
// relief downward and the limit settlement, as typed; and the same read as numbers.

#include <string>
#include <vector>

#include "core/model/Status.h"

namespace fundis {

constexpr int kMostLayers = 20;

// One row of the layer table, UTF-8 as typed.
struct SoilLayerTexts {
    std::string h, gamma, E;
    bool operator==(const SoilLayerTexts& other) const {
        return h == other.h && gamma == other.gamma && E == other.E;
    }
    bool operator!=(const SoilLayerTexts& other) const { return !(*this == other); }
};

struct SettlementInputs {
    std::vector<SoilLayerTexts> layers;
    int buildingType = 0;  // index into buildingTypes(); outside 0..5 the typed su counts
    std::string suText;    // su in cm, used with the last item "Задать вручную"

    bool hasLayers() const { return !layers.empty(); }
    bool operator==(const SettlementInputs& other) const {
        return layers == other.layers && buildingType == other.buildingType && suText == other.suText;
    }
    bool operator!=(const SettlementInputs& other) const { return !(*this == other); }
};

// The limit settlements of the building types; the last item takes the typed value (suCm = 0).
struct BuildingType {
    const char* name;
    double suCm;
};
constexpr int kTypedSuItem = 6;
const std::vector<BuildingType>& buildingTypes();

struct SoilLayer {
    double h = 0;      // m; the last layer continues downward without limit
    double gamma = 0;  // kN/m3, buoyant below the groundwater level
    double E = 0;      // MPa
};

struct SettlementData {
    std::vector<SoilLayer> layers;
    double su = 0;  // m
};

// The columns of the layer table as the user sees them: "h, м", "γ, кН/м³", "E, МПа".
enum class LayerColumn { h = 0, gamma = 1, E = 2 };
std::string layerColumnName(LayerColumn column);

// A cell that cannot be taken: row is the layer index from 0 (kSuRow for the su field).
constexpr int kSuRow = -1;
struct BadCell {
    int row = 0;
    LayerColumn column = LayerColumn::h;  // meaningless for kSuRow
    std::string message;
};

// Every bad cell, in the order of the table, su last; the window marks them all.
std::vector<BadCell> badCells(const SettlementInputs& inputs);

// The inputs as numbers; the first bad cell (or a missing or excess layer) fails with a message
// naming the row and the column. `data` is written only on success.
Status parseSettlementInputs(const SettlementInputs& inputs, SettlementData& data);

}  // namespace fundis
