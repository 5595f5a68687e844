// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settlement/SettlementInput.h"

#include <cmath>

#include "core/model/NumberFormat.h"

namespace fundis {

namespace {

constexpr const char* kFixIt = " Исправьте ячейку и рассчитайте снова.";

// A cell is one decimal number, "." or "," as the separator, nothing before or after it.
bool readCell(const std::string& text, double& value) {
    if (!isNumberText(text)) {
        return false;
    }
    value = readLeadingNumber(text).value;
    return std::isfinite(value);
}

// What a cell's value must satisfy and what the message says when it does not.
struct CellRule {
    bool zeroAllowed;
    const char* complaint;
};
constexpr CellRule kThicknessRule{false, "толщина слоя должна быть больше нуля"};
constexpr CellRule kUnitWeightRule{true, "удельный вес не может быть отрицательным"};
constexpr CellRule kModulusRule{false, "модуль деформации должен быть больше нуля"};
constexpr CellRule kLimitRule{false, "предельная осадка должна быть больше нуля"};

// The message for a cell, or "" when the cell is good; `cell` names it as the user sees it.
std::string checkCell(const std::string& cell, const std::string& text, const CellRule& rule, double& value) {
    if (text.empty()) {
        return cell + ": ячейка пуста. Введите число и рассчитайте снова.";
    }
    if (!readCell(text, value)) {
        return cell + ": «" + text + "» — не число." + kFixIt;
    }
    const bool inRange = rule.zeroAllowed ? value >= 0 : value > 0;
    return inRange ? "" : cell + ": " + rule.complaint + "." + kFixIt;
}

bool suIsTyped(int buildingType) { return buildingType < 0 || buildingType >= kTypedSuItem; }

std::string cellName(int row, LayerColumn column) {
    return "Слой " + std::to_string(row + 1) + ", " + layerColumnName(column);
}

const char* const kSuCellName = "Предельная осадка su, см";

// Walks every cell; `onCell` gets (row, column, message, value) for each.
template <typename OnCell>
void visitCells(const SettlementInputs& inputs, OnCell onCell) {
    for (std::size_t row = 0; row < inputs.layers.size(); ++row) {
        const SoilLayerTexts& texts = inputs.layers[row];
        for (LayerColumn column : {LayerColumn::h, LayerColumn::gamma, LayerColumn::E}) {
            const bool isH = column == LayerColumn::h;
            const bool isGamma = column == LayerColumn::gamma;
            const std::string& text = isH ? texts.h : isGamma ? texts.gamma : texts.E;
            const CellRule& rule = isH ? kThicknessRule : isGamma ? kUnitWeightRule : kModulusRule;
            double value = 0;
            const int index = static_cast<int>(row);
            std::string message = checkCell(cellName(index, column), text, rule, value);
            onCell(index, column, std::move(message), value);
        }
    }
    if (suIsTyped(inputs.buildingType)) {
        double value = 0;
        std::string message = checkCell(kSuCellName, inputs.suText, kLimitRule, value);
        onCell(kSuRow, LayerColumn::h, std::move(message), value);
    }
}

}  // namespace

const std::vector<BuildingType>& buildingTypes() {
    static const std::vector<BuildingType> types = {
        {"Здания с полным железобетонным каркасом", 8},
        {"Здания с полным стальным каркасом", 12},
        {"Здания, в конструкциях которых не возникают усилия от неравномерных осадок", 15},
        {"Бескаркасные здания с несущими стенами из крупных панелей", 10},
        {"Бескаркасные здания со стенами из крупных блоков или кирпича без армирования", 10},
        {"То же, с армированием или железобетонными поясами", 15},
        {"Задать вручную", 0},
    };
    return types;
}

std::string layerColumnName(LayerColumn column) {
    switch (column) {
        case LayerColumn::h:
            return "h, м";
        case LayerColumn::gamma:
            return "γ, кН/м³";
        case LayerColumn::E:
            return "E, МПа";
    }
    return "";
}

std::vector<BadCell> badCells(const SettlementInputs& inputs) {
    std::vector<BadCell> cells;
    visitCells(inputs, [&](int row, LayerColumn column, std::string message, double) {
        if (!message.empty()) {
            cells.push_back({row, column, std::move(message)});
        }
    });
    return cells;
}

Status parseSettlementInputs(const SettlementInputs& inputs, SettlementData& data) {
    if (inputs.layers.empty()) {
        return Status::failure("Слои грунта не заданы. Добавьте хотя бы один слой и рассчитайте снова.");
    }
    if (inputs.layers.size() > static_cast<std::size_t>(kMostLayers)) {
        return Status::failure("Слоев грунта " + std::to_string(inputs.layers.size()) +
                               ", а допускается не больше 20. Удалите лишние слои и рассчитайте снова.");
    }
    SettlementData parsed;
    parsed.layers.resize(inputs.layers.size());
    std::string firstFailure;
    visitCells(inputs, [&](int row, LayerColumn column, std::string message, double value) {
        if (!message.empty()) {
            if (firstFailure.empty()) {
                firstFailure = std::move(message);
            }
            return;
        }
        if (row == kSuRow) {
            parsed.su = value / 100;
            return;
        }
        SoilLayer& layer = parsed.layers[static_cast<std::size_t>(row)];
        (column == LayerColumn::h ? layer.h : column == LayerColumn::gamma ? layer.gamma : layer.E) = value;
    });
    if (!firstFailure.empty()) {
        return Status::failure(firstFailure);
    }
    if (!suIsTyped(inputs.buildingType)) {
        parsed.su = buildingTypes()[static_cast<std::size_t>(inputs.buildingType)].suCm / 100;
    }
    data = std::move(parsed);
    return {};
}

}  // namespace fundis
