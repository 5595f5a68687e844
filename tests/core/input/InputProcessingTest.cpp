// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/input/InputProcessing.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/model/NumberFormat.h"
#include "core/model/Plausibility.h"
#include "support/SampleProject.h"

using namespace fundis;

namespace {

// The dialog as it starts, with the soil filled in.
ProjectForm typicalForm() {
    ProjectForm form;
    form.text(TextField::Mt) = "49";
    form.text(TextField::fii) = "28";
    form.text(TextField::cii) = "5";
    form.text(TextField::Yii) = "18";
    form.text(TextField::Yii1) = "17";
    return form;
}

// The dialog's OK on a record whose derived fields hold a value no table gives, to see which ones
// the OK leaves alone.
ProjectRecord apply(const ProjectForm& form, ProjectRecord data = {}) {
    static const CodeTables tables = [] {
        CodeTables loaded;
        EXPECT_TRUE(loadCodeTables(FUNDIS_TABLES_DIR, loaded).ok());
        return loaded;
    }();
    if (data.k == 0) {
        data.kh = data.d0 = data.Yc1 = data.Yc2 = data.Rbt = data.k = 0.77f;
    }
    applyInputForm(form, data, tables);
    return data;
}

}  // namespace

// Each text lands in its own place of the record: the text at place N of the file's 41 holds N,
// so a field sent to a neighbour's place shows. Rs and Rsc are typed in MPa and kept in kPa; the
// overhang and L/H texts only steer the coefficients.
TEST(InputOk, EveryTextInItsPlaceOfTheRecord) {
    ProjectForm form;
    for (int index = 0; index < kTextFieldCount; ++index) {
        form.texts[static_cast<std::size_t>(index)] = std::to_string(index + 1);
    }
    const ProjectRecord data = apply(form);
    const std::vector<float> got = {
        data.Mt,   data.d_l,         data.fii,        data.cii,         data.Yii,          data.Yii1,
        data.bToL, data.pedestalTop, data.d_h,        data.socketDepth, data.socketBottom, data.lc,
        data.buc,  data.luc,         data.d,          data.bc,          data.da,           data.dz,
        data.Rs,   data.Rsc,         data.groundLevel};
    const std::vector<float> expected = {1,  12, 13, 14, 16, 17, 18, 19,    20,    21, 22,
                                         23, 24, 25, 26, 27, 28, 29, 30000, 31000, 41};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(data.MII, (Combinations{0, 3, 6, 9}));
    EXPECT_EQ(data.NII, (Combinations{0, 4, 7, 10}));
    EXPECT_EQ(data.QII, (Combinations{0, 5, 8, 11}));
    EXPECT_EQ(data.MI, (Combinations{0, 32, 35, 38}));
    EXPECT_EQ(data.NI, (Combinations{0, 33, 36, 39}));
    EXPECT_EQ(data.QI, (Combinations{0, 34, 37, 40}));
    EXPECT_EQ(data.Ymt, static_cast<float>(TextField::Ymt) + 1);  // γmt as typed; empty, 20 kN/m³
    form.text(TextField::Ymt) = "";
    EXPECT_EQ(apply(form).Ymt, 20.0f);
}

// kh by air temperature (rows) and floor type (columns); an overhang over 0.5 m raises it by 0.1 at
// 1.5 m and more, interpolated, capped at 1.0, and never lowers it (an empty edit, 0.2 m); no
// choice leaves kh alone. A swapped index would show.
TEST(InputOk, KhByTemperatureFloorAndOverhang) {
    const std::tuple<int, int, int, const char*, float> rows[] = {
        {0, 0, 0, "", 0.9f},     {0, 3, 0, "", 0.8f},     {3, 0, 0, "", 0.6f},      {1, 2, 0, "", 1.0f},
        {2, 1, 0, "", 0.8f},     {4, 3, 0, "3", 0.4f},    {0, 0, 1, "3", 1.0f},     {0, 0, 1, "0.2", 0.9f},
        {4, 3, 1, "", 0.4f},     {4, 3, 1, "1.0", 0.45f}, {4, 3, 1, "1.5", 0.5f},   {4, 3, 1, "3", 0.5f},
        {2, 1, 1, "0,9", 0.84f}, {2, 1, 1, "1.3", 0.88f}, {2, 1, -1, "1.3", 0.88f}, {-1, 0, 0, "", 0.77f},
        {0, -1, 0, "", 0.77f}};
    for (const auto& [temperature, floor, overhangChoice, overhang, kh] : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "temperature " << temperature << ", floor " << floor << ", overhang choice "
                     << overhangChoice << " «" << overhang << "»");
        ProjectForm form = typicalForm();
        form.choice(ListField::temperature) = temperature;
        form.choice(ListField::floorType) = floor;
        form.choice(ListField::overhangChoice) = overhangChoice;
        form.text(TextField::overhang) = overhang;
        EXPECT_NEAR(apply(form).kh, kh, 1e-6) << temperature << ", " << floor << ", " << overhang;
    }
}

// d0 by the frost-depth soil, k by the way the soil was tested; no selection keeps d0 and gives k 1.1
TEST(InputOk, D0AndK) {
    const std::tuple<int, int, float, float> rows[] = {{-1, -1, 0.77f, 1.1f},
                                                       {0, 0, 0.23f, 1.0f},
                                                       {1, 1, 0.28f, 1.1f},
                                                       {2, 0, 0.30f, 1.0f},
                                                       {3, 1, 0.34f, 1.1f}};
    for (const auto& [soil, method, d0, k] : rows) {
        ProjectForm form = typicalForm();
        form.choice(ListField::frostSoil) = soil;
        form.choice(ListField::method) = method;
        const ProjectRecord data = apply(form);
        EXPECT_TRUE(data.d0 == d0 && data.k == k) << soil << " " << method;
    }
}

// Rbt: the third number of the class's record in Rb.dat, raised by 10 % for crane and wind, read
// anew by every OK so that the raise never compounds; no class keeps the old value, not raised again
TEST(InputOk, RbtFromTheConcreteClass) {
    const std::tuple<int, bool, float> rows[] = {{0, false, 0.66f},
                                                 {1, false, 0.75f},
                                                 {0, true, 0.66f * 1.1},
                                                 {1, true, 0.75f * 1.1},
                                                 {-1, true, 0.77f}};
    for (const auto& [concreteClass, craneAndWind, Rbt] : rows) {
        ProjectForm form = typicalForm();
        form.choice(ListField::concreteClass) = concreteClass;
        form.craneAndWind = craneAndWind;
        const ProjectRecord once = apply(form);
        EXPECT_EQ(once.Rbt, Rbt) << concreteClass << ", " << craneAndWind;
        EXPECT_EQ(apply(form, once).Rbt, once.Rbt) << concreteClass << ", " << craneAndWind;
    }
}

// Yc1 from table3.dat by soil (the first row reached through the key 1e-10 above it), Yc2 at the
// chosen or typed L/H held to 1.5..4 and written back into its text; a flexible building takes
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
        form.choice(ListField::soil) = soil;
        form.choice(ListField::scheme) = scheme;
        form.choice(ListField::LHChoice) = choice;
        form.text(TextField::LH) = typed;
        const ProjectRecord data = apply(form);
        const std::optional<float> LH = lengthToHeightRatio(form);  // as the dialog's OK shows it
        EXPECT_EQ(LH ? formatGeneral(*LH, 15) : form.text(TextField::LH), written) << soil << " " << typed;
        EXPECT_NEAR(data.Yc1, Yc1, 1e-6) << soil << " " << typed;
        EXPECT_NEAR(data.Yc2, Yc2, 1e-6) << soil << " " << typed;
    }
}

// The button "К-т надежн. 1.1": each I-group load becomes 1.1 times its own II-group load, as %g
// writes it; the rest of the form stays
TEST(ReliabilityFill, TargetsAreElevenTenthsOfTheirSources) {
    using T = TextField;
    const T second[9] = {T::MII1, T::NII1, T::QII1, T::MII2, T::NII2, T::QII2, T::MII3, T::NII3, T::QII3};
    const T first[9] = {T::MI1, T::NI1, T::QI1, T::MI2, T::NI2, T::QI2, T::MI3, T::NI3, T::QI3};
    const std::pair<const char*, const char*> rows[] = {
        {"100", "110"},     {"123.45", "135.795"}, {"-50", "-55"},         {"", "0"},
        {"1e6", "1.1e+06"}, {"2.5e6", "2.75e+06"}, {"0.00001", "1.1e-05"}, {"0,5", "0.55"}};
    for (const auto& [source, target] : rows) {
        ProjectForm form;
        for (T field : second) {
            form.text(field) = source;
        }
        fillReliabilityFactor(form);
        EXPECT_EQ(form.text(T::MI1), target) << source;
        EXPECT_EQ(form.text(T::QI3), target) << source;
    }
    ProjectForm form, expected;  // each target from its own source, nothing else touched
    for (int step = 0; step < 9; ++step) {
        form.text(second[step]) = expected.text(second[step]) = std::to_string(10 * (step + 1));
        expected.text(first[step]) = std::to_string(11 * (step + 1));
    }
    fillReliabilityFactor(form);
    EXPECT_EQ(form, expected);
    // γf as typed; empty, 0 or no number: 1.1
    for (const auto& [gammaF, target] :
         {std::pair<const char*, const char*>{"1,2", "120"}, {"0", "110"}, {"", "110"}, {"x", "110"}}) {
        ProjectForm typed;
        typed.text(T::NII1) = "100";
        typed.text(T::gammaF) = gammaF;
        fillReliabilityFactor(typed);
        EXPECT_EQ(typed.text(T::NI1), target) << gammaF;
    }
}

// Texts the conversion reads only partly are listed with their field and what they become
TEST(TextsNotWholeNumbers, NamesTheFieldAndTheNumberRead) {
    // nullptr: the text is one number, or empty
    const std::pair<const char*, const char*> rows[] = {
        {"abc", "0"},  {"900,5", nullptr},  {"1 100", "1"},   {" 12", "12"},   {"12", nullptr},
        {"", nullptr}, {"-0.150", nullptr}, {"1e3", nullptr}, {"1,2,3", "1.2"}};
    for (const auto& [text, readAs] : rows) {
        SCOPED_TRACE(::testing::Message() << "«" << text << "»");
        ProjectForm form;
        form.text(TextField::NII2) = text;
        const std::vector<UnreadableText> found = textsNotWholeNumbers(form);
        ASSERT_EQ(found.size(), readAs ? 1u : 0u) << '"' << text << '"';
        if (readAs) {
            EXPECT_EQ(found[0].field, TextField::NII2);
            EXPECT_EQ(found[0].describe(),
                      std::string("N, Nmax, II предельное состояние (вкладка «Нагрузки»): «") + text +
                          "» → " + readAs);
        }
    }
    // the defaults of a new project are all numbers
    EXPECT_TRUE(textsNotWholeNumbers(ProjectForm()).empty());
}

// What OK asks: the parts in the order the user corrects them, each with its lines, and what to do
// next; nothing for a form with none of them
TEST(OkQuestion, PartsInOrderAndWhatToDo) {
    ProjectForm form = sandProjectForm();
    EXPECT_EQ(okQuestion(form), "");
    form.text(TextField::NII2) = "9оо";
    form.text(TextField::Yii1) = "";
    form.text(TextField::Mt) = "1000000";
    EXPECT_EQ(okQuestion(form),
              "В этих полях не число, расчет прочитает их так:\n"
              "  N, Nmax, II предельное состояние (вкладка «Нагрузки»): «9оо» → 9\n\n"
              "Без этих полей расчет не будет выполнен:\n"
              "  Вес грунта выше подошвы (вкладка «Грунт»): пусто\n\n"
              "Эти значения далеко за обычными пределами (расчет их примет):\n"
              "  " +
                  implausibleValues(form).at(0).describe() +
                  "\n\n"
                  "Вернитесь к вводу, чтобы исправить их, или примите данные как есть.");
}
