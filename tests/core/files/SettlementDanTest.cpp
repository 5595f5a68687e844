// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SettlementDan.h"

#include <gtest/gtest.h>

using namespace fundis;

namespace {

SettlementInputs oneLayer(const std::string& h, const std::string& gamma, const std::string& E) {
    SettlementInputs inputs;
    inputs.layers = {{h, gamma, E}};
    return inputs;
}

}  // namespace

// The .dan part: one value a line, code page 1251, "#" for an empty text, numbers with the point
// whatever separator was typed (other texts as they are)
TEST(SettlementDan, PartRoundTrips) {
    SettlementInputs inputs;
    inputs.layers = {{"1,5", "18.2", ""}, {"слой", "9,5", "4"}};
    inputs.buildingType = 6;
    inputs.suText = "3,7";
    std::string bytes;
    ASSERT_TRUE(serializeSettlementPart(inputs, bytes).ok());
    EXPECT_EQ(bytes, "\r\nS\r\n2\r\n6\r\n3.7\r\n1.5\r\n18.2\r\n#\r\n\xF1\xEB\xEE\xE9\r\n9.5\r\n4");
    SettlementInputs back;
    ASSERT_TRUE(parseSettlementPart(bytes, back).ok());
    SettlementInputs pointed = inputs;
    pointed.layers = {{"1.5", "18.2", ""}, {"слой", "9.5", "4"}};
    pointed.suText = "3.7";
    EXPECT_EQ(back, pointed);

    ASSERT_TRUE(serializeSettlementPart(SettlementInputs(), bytes).ok());
    EXPECT_EQ(bytes, "");
    for (const char* rest : {"", "\r\n", " \t\r\n "}) {
        SCOPED_TRACE(::testing::Message() << "rest «" << rest << "»");
        EXPECT_TRUE(parseSettlementPart(rest, back).ok());
        EXPECT_FALSE(back.hasLayers());
    }
}

TEST(SettlementDan, CellsTheFileCannotHoldAreRefused) {
    const std::string longest(99, '1');
    const struct {
        std::string text;
        const char* problem;  // nullptr: saved
    } rows[] = {{"1 5", "пробел"},
                {"1\t5", "пробел"},
                {"1,5漢", "кодировке 1251"},
                {longest + "1", "длиннее 99 символов"},
                {longest, nullptr}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.problem ? row.problem : "saved");
        std::string bytes = "kept";
        const Status status = serializeSettlementPart(oneLayer("1", "18", row.text), bytes);
        if (!row.problem) {
            EXPECT_TRUE(status.ok()) << status.message();
            continue;
        }
        EXPECT_EQ(status.message().rfind("Слой 1, E, МПа: ", 0), 0u) << status.message();
        EXPECT_NE(status.message().find(row.problem), std::string::npos) << status.message();
        EXPECT_EQ(bytes, "kept");
    }
}

// A malformed part names the value it could not read and leaves no layers
TEST(SettlementDan, MalformedPartsAreNamed) {
    const struct {
        std::string rest;
        const char* message;
    } rows[] = {
        {"\r\nX\r\n1", "осадка: метка S — вместо нее «X»"},
        {"\r\nS", "осадка: число слоев — файл кончается раньше"},
        {"\r\nS\r\n2.5", "осадка: число слоев — ожидалось целое число, а не «2.5»"},
        {"\r\nS\r\n0", "осадка: число слоев — ожидалось от 1 до 20, а не 0"},
        {"\r\nS\r\n21", "осадка: число слоев — ожидалось от 1 до 20, а не 21"},
        {"\r\nS\r\n1\r\nx", "осадка: тип здания — ожидалось целое число, а не «x»"},
        {"\r\nS\r\n1\r\n0", "осадка: su — файл кончается раньше"},
        {"\r\nS\r\n2\r\n0\r\n#\r\n1\r\n2\r\n3\r\n1\r\n2", "осадка: слой 2, E — файл кончается раньше"},
        {"\r\nS\r\n1\r\n0\r\n#\r\n" + std::string(100, '1') + "\r\n2\r\n3",
         "осадка: слой 1, h — текст длиннее 99 символов"},
    };
    for (const auto& row : rows) {
        SettlementInputs inputs = oneLayer("1", "2", "3");
        EXPECT_EQ(parseSettlementPart(row.rest, inputs).message(), row.message) << row.rest;
        EXPECT_EQ(inputs, SettlementInputs()) << row.rest;
    }
}
