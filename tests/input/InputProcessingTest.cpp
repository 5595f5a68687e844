#include "input/InputProcessing.h"

#include <gtest/gtest.h>

#include "../files/TempFolder.h"

using fundis::applyInputForm;
using fundis::InputProcessingResult;
using fundis::ProjectForm;
using fundis::TProjectData;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

const std::string kTables = FUNDIS_TABLES_DIR;

// The dialog as it starts, with the soil and the loads filled in.
ProjectForm typicalForm() {
    ProjectForm form;
    form.edit(1) = "49";
    form.edit(13) = "28";
    form.edit(14) = "5";
    form.edit(16) = "18";
    form.edit(17) = "17";
    return form;
}

InputProcessingResult apply(ProjectForm& form, TProjectData& data, const std::string& programDir = kTables) {
    int iterations = 5;
    return applyInputForm(form, data, programDir, iterations);
}

// Derived fields set to values no table gives, to see which ones an OK leaves alone.
TProjectData markedRecord() {
    TProjectData data;
    data.kh = 0.77f;
    data.d0 = 0.77f;
    data.Yc1 = 0.77f;
    data.Yc2 = 0.77f;
    data.Rbt = 0.77f;
    data.k = 0.77f;
    return data;
}

}  // namespace

// Each edit lands in its field
TEST(InputOk, EditsGoIntoTheirFields) {
    ProjectForm form;
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        form.edit(number) = std::to_string(number) + ".25";
    }
    TProjectData data;
    ASSERT_TRUE(apply(form, data).problems.empty());
    const struct {
        const char* name;
        float value;
        float expected;
    } rows[] = {
        {"Mt", data.Mt, 1.25f},
        {"fii", data.fii, 13.25f},
        {"cii", data.cii, 14.25f},
        {"Yii", data.Yii, 16.25f},
        {"Yii1", data.Yii1, 17.25f},
        {"bToL", data.bToL, 18.25f},
        {"d_l", data.d_l, 12.25f},
        {"pedestalTop", data.pedestalTop, 19.25f},
        {"d_h", data.d_h, 20.25f},
        {"buc", data.buc, 24.25f},
        {"luc", data.luc, 25.25f},
        {"lc", data.lc, 23.25f},
        {"bc", data.bc, 27.25f},
        {"socketDepth", data.socketDepth, 21.25f},
        {"socketBottom", data.socketBottom, 22.25f},
        {"d", data.d, 26.25f},
        {"dz", data.dz, 29.25f},
        {"da", data.da, 28.25f},
        {"Rs", data.Rs, 30250.0f},
        {"Rsc", data.Rsc, 31250.0f},
        {"groundLevel", data.groundLevel, 41.25f},
        {"MII[1]", data.MII[1], 3.25f},
        {"NII[1]", data.NII[1], 4.25f},
        {"QII[1]", data.QII[1], 5.25f},
        {"MII[2]", data.MII[2], 6.25f},
        {"NII[2]", data.NII[2], 7.25f},
        {"QII[2]", data.QII[2], 8.25f},
        {"MII[3]", data.MII[3], 9.25f},
        {"NII[3]", data.NII[3], 10.25f},
        {"QII[3]", data.QII[3], 11.25f},
        {"MI[1]", data.MI[1], 32.25f},
        {"NI[1]", data.NI[1], 33.25f},
        {"QI[1]", data.QI[1], 34.25f},
        {"MI[2]", data.MI[2], 35.25f},
        {"NI[2]", data.NI[2], 36.25f},
        {"QI[2]", data.QI[2], 37.25f},
        {"MI[3]", data.MI[3], 38.25f},
        {"NI[3]", data.NI[3], 39.25f},
        {"QI[3]", data.QI[3], 40.25f},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.value, row.expected) << row.name;
    }
}

// The edits go through the C-locale reader (its own tests cover the rules): a comma ends the number
TEST(InputOk, TextsConvertLikeTheCLocale) {
    const struct {
        const char* text;
        float value;
    } rows[] = {{"0,5", 0.0f}, {" 12abc", 12.0f}, {"", 0.0f}, {"-0.150", -0.15f}};
    for (const auto& row : rows) {
        ProjectForm form;
        form.edit(16) = row.text;
        TProjectData data;
        apply(form, data);
        EXPECT_EQ(data.Yii, row.value) << '"' << row.text << '"';
    }
}

// The kh table: rows by air temperature, columns by floor type
TEST(InputOk, KhTableByTemperatureAndFloor) {
    const float table[5][4] = {
        {0.9f, 1.0f, 1.0f, 0.8f}, {0.8f, 0.9f, 1.0f, 0.7f}, {0.7f, 0.8f, 0.9f, 0.6f},
        {0.6f, 0.7f, 0.8f, 0.5f}, {0.5f, 0.6f, 0.7f, 0.4f},
    };
    for (int temperature = 0; temperature < 5; ++temperature) {
        for (int floor = 0; floor < 4; ++floor) {
            ProjectForm form = typicalForm();
            form.combo(3) = temperature;
            form.combo(2) = floor;
            TProjectData data;
            apply(form, data);
            EXPECT_FLOAT_EQ(data.kh, table[temperature][floor]) << temperature << ", " << floor;
        }
    }
}

// A wide overhang raises kh by (overhang - 0.5) * 0.1, capped at 1.0; a narrow one lowers it
TEST(InputOk, OverhangRaisesKh) {
    const struct {
        int temperature, floor, overhangChoice;
        const char* overhang;
        float kh;
    } rows[] = {
        {0, 0, 1, "1.5", 1.0f},  {0, 0, 1, "3", 1.0f},     {0, 0, 1, "0.2", 0.87f}, {0, 0, 0, "3", 0.9f},
        {4, 3, 1, "1.5", 0.5f},  {4, 3, 1, "3", 0.65f},    {4, 3, 1, "", 0.35f},    {2, 1, 1, "0,9", 0.75f},
        {2, 1, 1, "1.3", 0.88f}, {2, 1, -1, "1.3", 0.88f},
    };
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        form.combo(3) = row.temperature;
        form.combo(2) = row.floor;
        form.combo(4) = row.overhangChoice;
        form.edit(2) = row.overhang;
        TProjectData data;
        apply(form, data);
        EXPECT_NEAR(data.kh, row.kh, 1e-6) << row.temperature << ", " << row.floor << ", " << row.overhang;
        EXPECT_LE(data.kh, 1.0f);
    }
}

TEST(InputOk, D0BySoilForFrostDepth) {
    const struct {
        int soil;
        float d0;
    } rows[] = {{0, 0.23f}, {1, 0.28f}, {2, 0.30f}, {3, 0.34f}, {-1, 0.77f}};
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        form.combo(1) = row.soil;
        TProjectData data = markedRecord();
        apply(form, data);
        EXPECT_EQ(data.d0, row.d0) << row.soil;
    }
}

TEST(InputOk, KByMethod) {
    const struct {
        int method;
        float k;
    } rows[] = {{0, 1.0f}, {1, 1.1f}, {-1, 1.1f}};
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        form.combo(8) = row.method;
        TProjectData data = markedRecord();
        apply(form, data);
        EXPECT_EQ(data.k, row.k) << row.method;
    }
}

// Rbt: the third number of the class's record in Rb.dat, raised by 10 % for crane and wind
TEST(InputOk, RbtFromTheConcreteClass) {
    const struct {
        int concreteClass;
        bool craneAndWind;
        float Rbt;
    } rows[] = {
        {0, false, 0.66f},
        {1, false, 0.75f},
        {0, true, static_cast<float>(0.66f * 1.1)},
        {1, true, static_cast<float>(0.75f * 1.1)},
        {-1, false, 0.77f},
        {-1, true, 0.77f},  // no class: the old value is not raised again
    };
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        form.combo(9) = row.concreteClass;
        form.craneAndWind = row.craneAndWind;
        TProjectData data = markedRecord();
        EXPECT_TRUE(apply(form, data).problems.empty());
        EXPECT_EQ(data.Rbt, row.Rbt) << row.concreteClass << ", " << row.craneAndWind;
    }
}

TEST(InputOk, RbtIsReadAnewByEveryOk) {
    ProjectForm form = typicalForm();
    form.craneAndWind = true;
    TProjectData data;
    apply(form, data);
    const float first = data.Rbt;
    apply(form, data);
    EXPECT_EQ(data.Rbt, first);
    EXPECT_FLOAT_EQ(first, 0.726f);
}

TEST(InputOk, IterationsZeroBecomesOne) {
    const struct { int before, after; } rows[] = {{0, 1}, {1, 1}, {12, 12}, {-2, -2}};
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        TProjectData data;
        int iterations = row.before;
        applyInputForm(form, data, kTables, iterations);
        EXPECT_EQ(iterations, row.after) << row.before;
    }
}

// L/H: the choice or the typed ratio, held to 1.5..4, written back into Edit15; Yc2 from
// table3.dat at that ratio (soil 2: 1.2 at L/H <= 1.5, 1.0 at L/H >= 4)
TEST(InputOk, LengthToHeightRatioAndYc2) {
    const struct {
        int choice;
        const char* typed;
        const char* written;
        float Yc2;
    } rows[] = {
        {2, "5", "4", 1.0f},       {2, "1", "1.5", 1.2f},
        {2, "", "1.5", 1.2f},      {2, "2.7", "2.70000004768372", 1.104f},
        {2, "2.75", "2.75", 1.1f}, {2, "0,5", "1.5", 1.2f},
        {0, "3", "4", 1.0f},       {1, "3", "1.5", 1.2f},
    };
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        form.combo(5) = 2;
        form.combo(7) = row.choice;
        form.edit(15) = row.typed;
        TProjectData data;
        apply(form, data);
        EXPECT_EQ(form.edit(15), row.written) << row.typed;
        EXPECT_NEAR(data.Yc2, row.Yc2, 1e-6) << row.typed;
        EXPECT_FLOAT_EQ(data.Yc1, 1.25f);
    }
}

TEST(InputOk, FlexibleSchemeTakesYc2OneAndLeavesTheRatioAlone) {
    for (int choice : {0, 1, 2}) {
        ProjectForm form = typicalForm();
        form.combo(5) = 0;
        form.combo(6) = 1;
        form.combo(7) = choice;
        form.edit(15) = "7";
        TProjectData data;
        apply(form, data);
        EXPECT_EQ(data.Yc2, 1.0f);
        EXPECT_EQ(form.edit(15), "7");
        EXPECT_FLOAT_EQ(data.Yc1, 1.4f);
    }
}

// Yc1 by soil row; the first row is reached through the key 1e-10 just above it
TEST(InputOk, Yc1AndYc2BySoil) {
    const float Yc1[7] = {1.4f, 1.3f, 1.25f, 1.1f, 1.25f, 1.2f, 1.1f};
    const float Yc2AtFour[7] = {1.2f, 1.1f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
    for (int soil = 0; soil < 7; ++soil) {
        ProjectForm form = typicalForm();
        form.combo(5) = soil;
        TProjectData data;
        apply(form, data);
        EXPECT_FLOAT_EQ(data.Yc1, Yc1[soil]) << soil;
        EXPECT_FLOAT_EQ(data.Yc2, Yc2AtFour[soil]) << soil;
    }
}

// A combo with no selection leaves the field it controls as it was
TEST(InputOk, NoSelectionLeavesTheDerivedField) {
    const struct {
        int combo;
        const char* field;
    } rows[] = {{1, "d0"}, {2, "kh"}, {3, "kh"}, {5, "Yc1 Yc2"}, {7, "Yc2"}, {9, "Rbt"}};
    for (const auto& row : rows) {
        ProjectForm form = typicalForm();
        form.combo(4) = 1;
        form.edit(2) = "1.5";
        form.edit(15) = "2";
        form.combo(row.combo) = -1;
        TProjectData data = markedRecord();
        EXPECT_TRUE(apply(form, data).problems.empty());
        const std::string field = row.field;
        EXPECT_EQ(data.d0 == 0.77f, field == "d0") << row.combo;
        EXPECT_EQ(data.kh == 0.77f, field == "kh") << row.combo;
        EXPECT_EQ(data.Yc1 == 0.77f, field == "Yc1 Yc2") << row.combo;
        EXPECT_EQ(data.Yc2 == 0.77f, field == "Yc1 Yc2" || field == "Yc2") << row.combo;
        EXPECT_EQ(data.Rbt == 0.77f, field == "Rbt") << row.combo;
        EXPECT_EQ(form.edit(15) == "2", field == "Yc2") << row.combo;
    }
}

// Missing or short tables are reported by name and leave their fields alone
TEST(InputOk, MissingTablesAreReportedAndLeaveTheFields) {
    TempFolder folder;
    ProjectForm form = typicalForm();
    TProjectData data = markedRecord();
    const InputProcessingResult result = apply(form, data, folder.path());
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_NE(result.problems[0].find(folder.file("Rb.dat")), std::string::npos) << result.problems[0];
    EXPECT_NE(result.problems[1].find(folder.file("table3.dat")), std::string::npos) << result.problems[1];
    EXPECT_EQ(data.Rbt, 0.77f);
    EXPECT_EQ(data.Yc1, 0.77f);
    EXPECT_EQ(data.Yc2, 0.77f);
    EXPECT_FLOAT_EQ(data.kh, 0.9f);  // the rest is done as usual
    EXPECT_EQ(data.k, 1.0f);
}

TEST(InputOk, ShortTablesAreReported) {
    const struct {
        const char* rb;
        int concreteClass;
        const char* table3;
        int problems;
    } rows[] = {
        {"text\r\n# 7.5 9.5 0.66\r\n", 1, "# 1 1.5 4\r\n# 0 1.4 1.4 1.2\r\n", 1},
        {"text only, no records", 0, "# 1 1.5 4\r\n# 0 1.4 1.4 1.2\r\n", 1},
        {"# 7.5 9.5\r\n# 8.5 11.0 0.75\r\n", 1, "# 1 1.5 4\r\n# 0 1.4 1.4 1.2\r\n", 1},
        {"# 7.5 9.5 0.66\r\n# 8.5 11.0 0.75\r\n", 1, "# 1 1.5 4\r\n", 1},
        {"# 7.5 9.5 0.66\r\n# 8.5 11.0 0.75\r\n", 1, "# 1 1.5 4\r\n# 0 1.4 1.4 1.2\r\n", 0},
    };
    for (const auto& row : rows) {
        TempFolder folder;
        writeBytes(folder.file("Rb.dat"), row.rb);
        writeBytes(folder.file("table3.dat"), row.table3);
        ProjectForm form = typicalForm();
        form.combo(9) = row.concreteClass;
        TProjectData data = markedRecord();
        const InputProcessingResult result = apply(form, data, folder.path());
        ASSERT_EQ(static_cast<int>(result.problems.size()), row.problems) << row.rb << " / " << row.table3;
        if (row.problems == 0) {
            EXPECT_EQ(data.Rbt, 0.75f);
            EXPECT_FLOAT_EQ(data.Yc1, 1.4f);
        } else {
            EXPECT_NE(result.problems[0].find(".dat"), std::string::npos) << result.problems[0];
        }
    }
}

// The button "К-т надежн. 1.1": the I group becomes 1.1 times the II group, as %g writes it
TEST(ReliabilityFill, TargetsAreElevenTenthsOfTheSources) {
    const struct {
        const char* source;
        const char* target;
    } rows[] = {
        {"100", "110"},     {"123.45", "135.795"}, {"3", "3.3"},           {"-50", "-55"}, {"", "0"},
        {"1e6", "1.1e+06"}, {"2.5e6", "2.75e+06"}, {"0.00001", "1.1e-05"}, {"0,5", "0"},
    };
    for (const auto& row : rows) {
        ProjectForm form;
        for (int source = 3; source <= 11; ++source) {
            form.edit(source) = row.source;
        }
        for (int target = 32; target <= 40; ++target) {
            form.edit(target) = "typed by hand";
        }
        fundis::fillReliabilityFactor(form);
        for (int step = 0; step < 9; ++step) {
            EXPECT_EQ(form.edit(32 + step), row.target) << "Edit" << 32 + step << " from " << row.source;
            EXPECT_EQ(form.edit(3 + step), row.source);
        }
    }
}

TEST(ReliabilityFill, EachTargetTakesItsOwnSource) {
    ProjectForm form;
    for (int step = 0; step < 9; ++step) {
        form.edit(3 + step) = std::to_string((step + 1) * 10);
    }
    form.edit(41) = "keep";
    fundis::fillReliabilityFactor(form);
    const char* const expected[9] = {"11", "22", "33", "44", "55", "66", "77", "88", "99"};
    for (int step = 0; step < 9; ++step) {
        EXPECT_EQ(form.edit(32 + step), expected[step]) << step;
    }
    EXPECT_EQ(form.edit(41), "keep");
    EXPECT_EQ(form.edit(12), "0.3");
}
