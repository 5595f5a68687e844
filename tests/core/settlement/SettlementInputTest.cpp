// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/settlement/SettlementInput.h"

using namespace fundis;

namespace {

SettlementInputs oneLayer(const std::string& h, const std::string& gamma, const std::string& E) {
    SettlementInputs inputs;
    inputs.layers = {{h, gamma, E}};
    return inputs;
}

}  // namespace

// A cell is one number, "." or "," as the separator, the whole text
TEST(SettlementInput, CellsReadWithEitherSeparator) {
    const struct {
        const char* text;
        double value;  // 0: refused
    } rows[] = {{"0.5", 0.5}, {"0,5", 0.5}, {"12", 12},  {",5", 0.5},  {"1e1", 10}, {"", 0},
                {"abc", 0},   {"0.5м", 0},  {" 0.5", 0}, {"1,2.3", 0}, {"+2", 2},   {"nan", 0}};
    for (const auto& row : rows) {
        SettlementData data;
        const Status status = parseSettlementInputs(oneLayer(row.text, "18", "20"), data);
        EXPECT_EQ(status.ok() ? data.layers[0].h : 0, row.value)
            << "«" << row.text << "» " << status.message();
    }
}

// h > 0, γ ≥ 0, E > 0; the message names the row and the column as the user sees them
TEST(SettlementInput, BadCellsAreNamedByRowAndColumn) {
    const char* const fixIt = " Исправьте ячейку и рассчитайте снова.";
    const struct {
        SoilLayerTexts second;
        std::string message;
    } rows[] = {
        {{"1", "18", "abc"}, "Слой 2, E, МПа: «abc» — не число." + std::string(fixIt)},
        {{"", "18", "20"}, "Слой 2, h, м: ячейка пуста. Введите число и рассчитайте снова."},
        {{"0", "18", "20"}, "Слой 2, h, м: толщина слоя должна быть больше нуля." + std::string(fixIt)},
        {{"1", "-0,1", "20"},
         "Слой 2, γ, кН/м³: удельный вес не может быть отрицательным." + std::string(fixIt)},
        {{"1", "18", "0"}, "Слой 2, E, МПа: модуль деформации должен быть больше нуля." + std::string(fixIt)},
    };
    for (const auto& row : rows) {
        SettlementInputs inputs = oneLayer("2", "0", "15");  // weightless soil is allowed
        inputs.layers.push_back(row.second);
        SettlementData data;
        EXPECT_EQ(parseSettlementInputs(inputs, data).message(), row.message);
    }
}

// The limit settlement: the building type's value in m, or the typed one for the last item (the
// table's values compare-samples.py reads back from the settlement samples)
TEST(SettlementInput, LimitSettlementFromTypeOrTyped) {
    const struct {
        int type;
        const char* su;
        double value;  // m; 0: refused
    } rows[] = {{1, "abc", 0.12}, {6, "3,7", 0.037}, {9, "5", 0.05}, {-1, "5", 0.05},
                {6, "", 0},       {6, "0", 0},       {6, "-2", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "building type " << row.type << ", su «" << row.su << "»");
        SettlementInputs inputs = oneLayer("2", "18", "20");
        inputs.buildingType = row.type;
        inputs.suText = row.su;
        SettlementData data;
        const Status status = parseSettlementInputs(inputs, data);
        EXPECT_DOUBLE_EQ(status ? data.su : 0, row.value) << row.type << " " << status.message();
        EXPECT_EQ(status.message().rfind("Предельная осадка su, см: ", 0), status ? std::string::npos : 0u);
    }
}

TEST(SettlementInput, EveryBadCellIsListedAndLayerCountIsChecked) {
    SettlementInputs inputs;
    inputs.layers = {{"x", "18", "20"}, {"1", "18", "20"}, {"1", "", "-3"}};
    inputs.buildingType = kTypedSuItem;
    const std::vector<BadCell> cells = badCells(inputs);
    const std::pair<int, LayerColumn> where[] = {
        {0, LayerColumn::h}, {2, LayerColumn::gamma}, {2, LayerColumn::E}, {kSuRow, LayerColumn::h}};
    ASSERT_EQ(cells.size(), 4u);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].row, where[i].first) << i;
        EXPECT_TRUE(cells[i].row == kSuRow || cells[i].column == where[i].second) << i;
    }
    SettlementData data;
    EXPECT_EQ(parseSettlementInputs(inputs, data).message(), cells[0].message);
    EXPECT_FALSE(parseSettlementInputs(SettlementInputs(), data).ok());
    inputs.layers.assign(21, {"1", "18", "20"});
    inputs.buildingType = 0;
    EXPECT_TRUE(badCells(inputs).empty());
    EXPECT_FALSE(parseSettlementInputs(inputs, data).ok());
}
