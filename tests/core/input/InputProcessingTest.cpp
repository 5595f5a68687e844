#include "core/input/InputProcessing.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace fundis;

namespace {

// The dialog as it starts, with the soil filled in.
ProjectForm typicalForm() {
    ProjectForm form;
    form.edit(1) = "49";
    form.edit(13) = "28";
    form.edit(14) = "5";
    form.edit(16) = "18";
    form.edit(17) = "17";
    return form;
}

// The dialog's OK on a record whose derived fields hold a value no table gives, to see which ones
// the OK leaves alone.
ProjectRecord apply(ProjectForm& form, ProjectRecord data = {}) {
    static const CodeTables tables = [] {
        CodeTables loaded;
        EXPECT_TRUE(loadCodeTables(FUNDIS_TABLES_DIR, loaded, TableGroup::Input).ok());
        return loaded;
    }();
    if (data.k == 0) {
        data.kh = data.d0 = data.Yc1 = data.Yc2 = data.Rbt = data.k = 0.77f;
    }
    applyInputForm(form, data, tables);
    return data;
}

}  // namespace

// kh by air temperature (rows) and floor type (columns); a wide overhang adds (overhang - 0.5) / 10,
// capped at 1.0, a narrow one lowers it; no choice leaves kh alone. A swapped index would show.
TEST(InputOk, KhByTemperatureFloorAndOverhang) {
    const std::tuple<int, int, int, const char*, float> rows[] = {
        {0, 0, 0, "", 0.9f},      {0, 3, 0, "", 0.8f},   {3, 0, 0, "", 0.6f},     {1, 2, 0, "", 1.0f},
        {2, 1, 0, "", 0.8f},      {4, 3, 0, "3", 0.4f},  {0, 0, 1, "3", 1.0f},    {0, 0, 1, "0.2", 0.87f},
        {4, 3, 1, "3", 0.65f},    {4, 3, 1, "", 0.35f},  {2, 1, 1, "0,9", 0.75f}, {2, 1, 1, "1.3", 0.88f},
        {2, 1, -1, "1.3", 0.88f}, {-1, 0, 0, "", 0.77f}, {0, -1, 0, "", 0.77f}};
    for (const auto& [temperature, floor, overhangChoice, overhang, kh] : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "temperature " << temperature << ", floor " << floor << ", overhang choice "
                     << overhangChoice << " «" << overhang << "»");
        ProjectForm form = typicalForm();
        form.combo(3) = temperature;
        form.combo(2) = floor;
        form.combo(4) = overhangChoice;
        form.edit(2) = overhang;
        EXPECT_NEAR(apply(form).kh, kh, 1e-6) << temperature << ", " << floor << ", " << overhang;
    }
}

// d0 by the frost-depth soil, k by the way the soil was tested; no selection keeps d0
TEST(InputOk, D0AndK) {
    const std::tuple<int, int, float, float> rows[] = {// no choice: d0 left alone, k 1.1
                                                       {-1, -1, 0.77f, 1.1f},
                                                       {0, 0, 0.23f, 1.0f},
                                                       {1, 1, 0.28f, 1.1f},
                                                       {2, 0, 0.30f, 1.0f},
                                                       {3, 1, 0.34f, 1.1f}};
    for (const auto& [soil, method, d0, k] : rows) {
        ProjectForm form = typicalForm();
        form.combo(1) = soil;
        form.combo(8) = method;
        const ProjectRecord data = apply(form);
        EXPECT_TRUE(data.d0 == d0 && data.k == k) << soil << " " << method;
    }
}

// Rbt: the third number of the class's record in Rb.dat, raised by 10 % for crane and wind, read
// anew by every OK so that the raise never compounds
TEST(InputOk, RbtFromTheConcreteClass) {
    // no class: the old value, not raised again
    const std::tuple<int, bool, float> rows[] = {{0, false, 0.66f},
                                                 {1, false, 0.75f},
                                                 {0, true, 0.66f * 1.1},
                                                 {1, true, 0.75f * 1.1},
                                                 {-1, true, 0.77f}};
    for (const auto& [concreteClass, craneAndWind, Rbt] : rows) {
        ProjectForm form = typicalForm();
        form.combo(9) = concreteClass;
        form.craneAndWind = craneAndWind;
        const ProjectRecord once = apply(form);
        EXPECT_EQ(once.Rbt, Rbt) << concreteClass << ", " << craneAndWind;
        EXPECT_EQ(apply(form, once).Rbt, once.Rbt) << concreteClass << ", " << craneAndWind;
    }
}

// Yc1 from table3.dat by soil (the first row reached through the key 1e-10 above it), Yc2 at the
// chosen or typed L/H held to 1.5..4 and written back into Edit15; a flexible building takes
// Yc2 = 1 and leaves the ratio alone; no choice leaves its fields alone. Soil 2: Yc2 1.2 at
// L/H <= 1.5, 1.0 at L/H >= 4.
TEST(InputOk, WorkingConditionsAndTheLengthToHeightRatio) {
    const std::tuple<int, int, int, const char*, const char*, float, float> rows[] = {
        {2, 0, 2, "5", "4", 1.25f, 1.0f},       {2, 0, 2, "1", "1.5", 1.25f, 1.2f},
        {2, 0, 2, "", "1.5", 1.25f, 1.2f},      {2, 0, 2, "2.7", "2.70000004768372", 1.25f, 1.104f},
        {2, 0, 2, "2.75", "2.75", 1.25f, 1.1f}, {2, 0, 2, "0,5", "1.5", 1.25f, 1.2f},
        {2, 0, 0, "3", "4", 1.25f, 1.0f},       {2, 0, 1, "3", "1.5", 1.25f, 1.2f},
        {0, 1, 0, "7", "7", 1.4f, 1.0f},        {0, 1, 2, "7", "7", 1.4f, 1.0f},
        {0, 0, 0, "", "4", 1.4f, 1.2f},         {1, 0, 0, "", "4", 1.3f, 1.1f},
        {3, 0, 0, "", "4", 1.1f, 1.0f},         {4, 0, 0, "", "4", 1.25f, 1.0f},
        {5, 0, 0, "", "4", 1.2f, 1.0f},         {6, 0, 0, "", "4", 1.1f, 1.0f},
        {-1, 0, 0, "", "4", 0.77f, 0.77f},      {2, 0, -1, "2", "2", 1.25f, 0.77f}};
    for (const auto& [soil, scheme, choice, typed, written, Yc1, Yc2] : rows) {
        SCOPED_TRACE(::testing::Message() << "soil " << soil << ", scheme " << scheme << ", L/H choice "
                                          << choice << " «" << typed << "»");
        ProjectForm form = typicalForm();
        form.combo(5) = soil;
        form.combo(6) = scheme;
        form.combo(7) = choice;
        form.edit(15) = typed;
        const ProjectRecord data = apply(form);
        EXPECT_EQ(form.edit(15), written) << soil << " " << typed;
        EXPECT_NEAR(data.Yc1, Yc1, 1e-6) << soil << " " << typed;
        EXPECT_NEAR(data.Yc2, Yc2, 1e-6) << soil << " " << typed;
    }
}

// The button "К-т надежн. 1.1": each I-group edit becomes 1.1 times its own II-group edit, as %g
// writes it; the rest of the form stays
TEST(ReliabilityFill, TargetsAreElevenTenthsOfTheirSources) {
    const std::pair<const char*, const char*> rows[] = {
        {"100", "110"},     {"123.45", "135.795"}, {"-50", "-55"},         {"", "0"},
        {"1e6", "1.1e+06"}, {"2.5e6", "2.75e+06"}, {"0.00001", "1.1e-05"}, {"0,5", "0"}};
    for (const auto& [source, target] : rows) {
        ProjectForm form;
        for (int step = 0; step < 9; ++step) {
            form.edit(3 + step) = source;
        }
        fillReliabilityFactor(form);
        EXPECT_EQ(form.edit(32), target) << source;
        EXPECT_EQ(form.edit(40), target) << source;
    }
    ProjectForm form, expected;  // each target from its own source, nothing else touched
    for (int step = 0; step < 9; ++step) {
        form.edit(3 + step) = expected.edit(3 + step) = std::to_string(10 * (step + 1));
        expected.edit(32 + step) = std::to_string(11 * (step + 1));
    }
    fillReliabilityFactor(form);
    EXPECT_EQ(form, expected);
}

// Texts the conversion reads only partly are listed with their field and what they become
TEST(EditsNotWholeNumbers, NamesTheFieldAndTheNumberRead) {
    // nullptr: the text is one number, or empty
    const std::pair<const char*, const char*> rows[] = {{"abc", "0"},        {"900,5", "900"}, {"1 100", "1"},
                                                        {" 12", "12"},       {"12", nullptr},  {"", nullptr},
                                                        {"-0.150", nullptr}, {"1e3", nullptr}};
    for (const auto& [text, readAs] : rows) {
        SCOPED_TRACE(::testing::Message() << "«" << text << "»");
        ProjectForm form;
        form.edit(7) = text;
        const std::vector<UnreadableEdit> found = editsNotWholeNumbers(form);
        ASSERT_EQ(found.size(), readAs ? 1u : 0u) << '"' << text << '"';
        if (readAs) {
            EXPECT_EQ(found[0].number, 7);
            EXPECT_EQ(found[0].describe(),
                      std::string("N, Nmax, II, вкладка «Нагрузки»: «") + text + "» → " + readAs);
        }
    }
    // the defaults of a new project are all numbers
    EXPECT_TRUE(editsNotWholeNumbers(ProjectForm()).empty());
}
