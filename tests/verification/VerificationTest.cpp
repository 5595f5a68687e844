// SPDX-License-Identifier: GPL-3.0-or-later
// The published worked examples of the verification manual (docs/verification.md), each restated
// as a project in this folder and run through the project pass as "Начать расчет" runs it. Every
// compared value must stay within the manual's tolerance of the published value, or of the hand
// recheck where the source slipped.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "core/files/DanFile.h"
#include "core/files/Examples.h"
#include "core/project/ProjectPass.h"

using namespace fundis;

namespace {

const std::string kExamples = FUNDIS_SOURCE_EXAMPLES_DIR;

// Runs each example once; the rows share the passes.
const ProjectPass& passOf(const std::string& file) {
    static std::map<std::string, ProjectPass> passes;
    auto found = passes.find(file);
    if (found == passes.end()) {
        ProjectFile project;
        Status settlementPartRead;
        const Status read = readProjectFile(kExamples + "/" + file, project, settlementPartRead);
        EXPECT_TRUE(read.ok()) << file << ": " << read.message();
        EXPECT_TRUE(settlementPartRead.ok()) << file << ": " << settlementPartRead.message();
        PassOptions options;
        options.tablesDir = FUNDIS_TABLES_DIR;
        options.debug = true;  // the punching capacity is shown only among the debug lines
        found = passes.emplace(file, runProjectPass(project.form, project.settlement, options)).first;
    }
    return found->second;
}

using Value = std::function<double(const ProjectPass&)>;

const SettlementResult& settlement(const ProjectPass& pass) {
    static const SettlementResult none;
    if (!pass.settlement || !pass.settlement->result.status.ok()) {
        ADD_FAILURE() << "no settlement was computed";
        return none;
    }
    return pass.settlement->result;
}

// The sublayer that ends at depth z below the base.
const Sublayer& sublayerEndingAt(const ProjectPass& pass, double z) {
    static const Sublayer none;
    for (const Sublayer& sublayer : settlement(pass).sublayers) {
        if (std::abs(sublayer.z2 - z) < 1e-4) {
            return sublayer;
        }
    }
    ADD_FAILURE() << "no sublayer ends at " << z << " m below the base";
    return none;
}

// The capacity of the socket bottom against punching as a force, kN: the program holds it as the
// edge pressure it may reach (the last number of the debug line that closes the check), the
// sources as that pressure over the whole base.
double socketBottomCapacityForce(const ProjectPass& pass) {
    const std::string heading = "Отладочные данные к расчету на продавливание от дна стакана";
    for (std::size_t i = 0; i < pass.report.size(); ++i) {
        if (pass.report[i].text == heading && i + 5 < pass.report.size()) {
            std::istringstream line(pass.report[i + 5].text);
            double p12 = 0, capacity = 0;
            line >> p12 >> capacity;
            return capacity * static_cast<double>(designedWidth(pass.calculation)) *
                   static_cast<double>(designedLength(pass.calculation));
        }
    }
    ADD_FAILURE() << "the check of the socket bottom did not run";
    return 0;
}

// A value of the calculation's result.
template <typename Of>
Value result(Of of) {
    return [of](const ProjectPass& pass) { return static_cast<double>(of(pass.calculation)); };
}
using R = const CalculationResult&;
const Value sigmaZg0 = [](const ProjectPass& pass) { return settlement(pass).sigmaZg0; };
const Value p0 = [](const ProjectPass& pass) { return settlement(pass).p0; };
const Value settlementCm = [](const ProjectPass& pass) { return settlement(pass).s * 100.0; };
Value alphaAt(double z) {
    return [z](const ProjectPass& pass) { return sublayerEndingAt(pass, z).alpha; };
}
Value sigmaZgAt(double z) {
    return [z](const ProjectPass& pass) { return sublayerEndingAt(pass, z).sigmaZg; };
}

// One row of the manual's tables: the published value, the value the program is held to (the
// published one, or the hand recheck where the source slipped) and the tolerance the manual gives.
struct Row {
    const char* quantity;
    double published;
    double expected;
    double tolerance;
    Value value;
};
// An example of this folder and its compared values.
struct Example {
    const char* file;
    std::vector<Row> rows;
};

// The tolerances of the manual: rounding of the printed value (and of the source's rounded
// intermediate values), reading table 1 of the code by linear interpolation, and the summation
// conventions of the sources for the settlement (5 %).
constexpr double kInterpolatedAlpha = 0.016;
double settlementTolerance(double expectedCm) { return 0.05 * expectedCm; }

const std::vector<Example>& examples() {
    static const std::vector<Example> table = {
        {"frost_greatarchitect.dan",
         {{"dfn, м", 1.15, 1.15, 0.005, result([](R r) { return r.depth.dfn; })},
          {"df, м", 0.81, 0.81, 0.0085, result([](R r) { return r.depth.df; })}}},
        {"pressures_axis_a_ukrbukva56865.dan",
         {{"p, кПа", 302.1, 302.1, 0.05, result([](R r) { return r.base.pEnv; })},
          {"pmax, кПа", 328.2, 328.2, 0.15, result([](R r) { return r.base.pmaxEnv; })},
          {"pmin, кПа", 276.0, 276.0, 0.15, result([](R r) { return r.base.pminEnv; })}}},
        {"pressures_axis_b_ukrbukva56865.dan",
         {{"p, кПа", 299.3, 299.3, 0.1, result([](R r) { return r.base.pEnv; })}}},
        {"factors_phi24_ukrbukva52395.dan",
         {{"Mγ", 0.72, 0.72, 0.005, result([](R r) { return r.base.soil.My; })},
          {"Mq", 3.87, 3.87, 0.005, result([](R r) { return r.base.soil.Mq; })},
          {"Mc", 6.45, 6.45, 0.005, result([](R r) { return r.base.soil.Mc; })}}},
        {"factors_phi18_ukrbukva52395.dan",
         {{"Mγ", 0.43, 0.43, 0.005, result([](R r) { return r.base.soil.My; })},
          {"Mq", 2.73, 2.73, 0.005, result([](R r) { return r.base.soil.Mq; })},
          {"Mc", 5.31, 5.31, 0.005, result([](R r) { return r.base.soil.Mc; })}}},
        {"punching_socket_allrefs.dan",
         {{"bm, м", 1.15, 1.15, 0.005, result([](R r) { return r.punching.socketBottom.bm; })},
          {"A0, м²", 0.478, 0.4175, 0.0005, result([](R r) { return r.punching.socketBottom.prod_A; })},
          {"несущая способность, кН", 6437.6, 7362.75, 0.5, socketBottomCapacityForce}}},
        {"settlement_axis_a_ukrbukva56865.dan",
         {{"σzg0, кПа", 29.8, 29.675, 0.01, sigmaZg0},
          {"p0, кПа", 272.3, 272.425, 0.05, p0},
          {"s, см", 2.8, 2.63, settlementTolerance(2.63), settlementCm}}},
        {"settlement_axis_b_ukrbukva56865.dan",
         {{"σzg0, кПа", 29.8, 29.675, 0.01, sigmaZg0},
          {"p0, кПа", 269.5, 269.625, 0.05, p0},
          {"s, см", 3.6, 2.74, settlementTolerance(2.74), settlementCm}}},
        {"settlement_ukrbukva67778.dan",
         {{"σzg0, кПа", 15.075, 15.075, 0.001, sigmaZg0},
          {"p0, кПа", 217.8, 217.8, 0.05, p0},
          {"σzg на 3,1 м ниже подошвы, кПа", 67.048, 67.0, 0.001, sigmaZgAt(3.1)},
          {"s, см", 0.656, 1.99, settlementTolerance(1.99), settlementCm}}},
        {"conditional_4528_ukrbukva52395.dan",
         {{"σzg0, кПа", 118.37, 118.37, 0.005, sigmaZg0},
          {"σzg при z = 1,1 м, кПа", 127.94, 127.94, 0.01, sigmaZgAt(1.1)},
          {"σzg при z = 2,2 м, кПа", 137.51, 137.51, 0.01, sigmaZgAt(2.2)},
          {"α при ζ = 0,486", 0.926, 0.926, kInterpolatedAlpha, alphaAt(1.1)},
          {"α при ζ = 0,972", 0.717, 0.717, kInterpolatedAlpha, alphaAt(2.2)}}},
        {"conditional_2928_ukrbukva52395.dan",
         {{"σzg0, кПа", 118.37, 118.37, 0.005, sigmaZg0},
          {"α при ζ = 0,82", 0.790, 0.790, kInterpolatedAlpha, alphaAt(1.2)}}},
        {"alpha_table_snip.dan",
         {{"α при ζ = 0,4", 0.960, 0.960, 0.0005, alphaAt(0.5)},
          {"α при ζ = 0,8", 0.800, 0.800, 0.0005, alphaAt(1.0)},
          {"α при ζ = 1,2", 0.606, 0.606, 0.0005, alphaAt(1.5)},
          {"α при ζ = 1,6", 0.449, 0.449, 0.0005, alphaAt(2.0)},
          {"α при ζ = 2,0", 0.336, 0.336, 0.0005, alphaAt(2.5)},
          {"α при ζ = 2,4", 0.257, 0.257, 0.0005, alphaAt(3.0)},
          {"α при ζ = 2,8", 0.201, 0.201, 0.0005, alphaAt(3.5)}}},
        // Mt is not printed: 151.0 is the value the page's cells give (√Mt 12.26 … 12.32)
        {"frost_coarse_joists_vikby.dan",
         {{"df, м", 4.18, 4.18, 0.005 + 0.0025 * 4.18, result([](R r) { return r.depth.df; })}}},
        {"frost_clay_basement_vikby.dan",
         {{"df, м", 1.13, 1.13, 0.005 + 0.0025 * 1.13, result([](R r) { return r.depth.df; })}}},
        // the 1989 manual's examples under its step layout; where the manual keeps a smaller overhang
        // than its own table allows, the program is held to the table (its fitted check)
        {"manual1989_4500x3600_snip1.dan",
         {{"pтабл: h 0,3, c 0,6, b 3,6, МПа", 0.45, 0.45, 0.0035,
           result([](R r) { return r.steps.levelsL.at(0).taken.pTable / 1000.0; })},
          {"pтабл: h 0,6, c 1,05, b 3,6, МПа", 0.56, 0.56, 0.0035,
           result([](R r) { return r.steps.levelsL.at(1).taken.pTable / 1000.0; })},
          {"pтабл: h 0,6, c 1,2, b 3,6, МПа", 0.38, 0.38, 0.0035,
           result([](R r) { return r.steps.levelsL.at(1).next.pTable / 1000.0; })},
          {"pтабл: h 0,3, c 0,6, b 4,5, МПа", 0.475, 0.475, 0.0035,
           result([](R r) { return r.steps.levelsB.at(0).taken.pTable / 1000.0; })},
          {"плита, м", 0.9, 0.9, 0.0005, result([](R r) { return r.steps.hSteps; })},
          {"вылет 1 вдоль l, м", 0.6, 0.6, 0.0005, result([](R r) { return r.steps.c[1]; })},
          {"вылет 2 вдоль l, м", 0.45, 0.45, 0.0005, result([](R r) { return r.steps.c[2]; })},
          {"вылет 3 вдоль l, м", 0.6, 0.6, 0.0005, result([](R r) { return r.steps.c[3]; })},
          {"вылет 1 вдоль b, м", 0.6, 0.6, 0.0005, result([](R r) { return r.steps.cb[1]; })},
          {"вылет 2 вдоль b, м", 0.45, 0.6, 0.0005, result([](R r) { return r.steps.cb[2]; })},
          {"вылет 3 вдоль b, м", 0.3, 0.15, 0.0005, result([](R r) { return r.steps.cb[3]; })}}},
        {"manual1989_3300x2700_snip1.dan",
         {{"Rbt·γb2, МПа", 0.594, 0.594, 0.0005,
           [](const ProjectPass& pass) { return static_cast<double>(pass.record.Rbt); }},
          {"вылет 1 вдоль l, м", 0.45, 0.45, 0.0005, result([](R r) { return r.steps.c[1]; })},
          {"вылет 1 вдоль b, м", 0.45, 0.6, 0.0005, result([](R r) { return r.steps.cb[1]; })},
          {"ступень 3, l, м", 1.5, 1.2, 0.0005, result([](R r) { return r.steps.lStep[3]; })},
          {"ступень 3, b, м", 0.9, 0.9, 0.0005, result([](R r) { return r.steps.bStep[3]; })}}},
        // formula (7) with a basement, γc1 = γc2 = k = 1 given
        {"basement_r_ukrbukva52395.dan",
         {{"R, кПа", 283.93, 283.93, 0.005, result([](R r) { return r.base.R; })}}},
        // stated with their given base instead of a chosen module or load
        {"given_base_axis_a_ukrbukva56865.dan",
         {{"p, кПа", 302.1, 302.1, 0.05, result([](R r) { return r.pressuresII[1].p; })},
          {"pmax, кПа", 328.2, 328.2, 0.15, result([](R r) { return r.pressuresII[1].pmax; })},
          {"pmin, кПа", 276.0, 276.0, 0.15, result([](R r) { return r.pressuresII[1].pmin; })}}},
        {"given_base_socket_allrefs.dan",
         {{"A0, м²", 0.478, 0.4175, 0.0005, result([](R r) { return r.punching.socketBottom.prod_A; })},
          {"несущая способность, кН", 6437.6, 7362.75, 0.5, socketBottomCapacityForce}}},
        // the program's own course project, against the hand recheck of the manual
        {"course_middle_column.dan",
         {{"df, м", 0.7927, 0.7927, 0.00005, result([](R r) { return r.depth.df; })},
          {"Hf, м", 1.8, 1.8, 0.0005, result([](R r) { return designedHeight(r); })},
          {"R, кПа", 289.86, 289.86, 0.005, result([](R r) { return r.base.R; })},
          {"pmax 2, кПа", 307.31, 307.31, 0.005, result([](R r) { return r.pressuresII[2].pmax; })},
          {"масса сетки, кг", 195.76, 195.76, 0.005,
           [](const ProjectPass& pass) { return pass.quantities.meshMass / 100.0; }},
          {"бетон, м³", 6.665, 6.665, 0.0005,
           [](const ProjectPass& pass) { return pass.quantities.concrete.volume / 1000.0; }}}},
    };
    return table;
}

// The users' locale, with its decimal comma, for the length of a test: the examples must come out
// the same in it (where the machine has it).
class RussianLocale {
  public:
    RussianLocale() { std::setlocale(LC_ALL, "ru_RU.UTF-8"); }
    ~RussianLocale() { std::setlocale(LC_ALL, "C"); }
};

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// Each compared value of the manual, within its tolerance of the published (or rechecked) value
TEST(Verification, ProgramAgainstPublishedExamples) {
    const RussianLocale russian;
    for (const Example& example : examples()) {
        const ProjectPass& pass = passOf(example.file);
        for (const Row& row : example.rows) {
            SCOPED_TRACE(std::string(example.file) + " — " + row.quantity);
            ASSERT_NE(pass.outcome, PassOutcome::NotRun) << pass.reason;
            EXPECT_NEAR(row.value(pass), row.expected, row.tolerance) << "published " << row.published;
        }
    }
}

// The examples of the "Примеры" menu are the projects of this folder, each in the manual and each
// with compared values; the manual's HTML in the help is made from its Markdown
TEST(Verification, ExamplesMenuManualAndTestsAgree) {
    const std::string manual = readText(FUNDIS_DOCS_DIR "/verification.md");
    ASSERT_FALSE(manual.empty());
    std::set<std::string> listed;
    for (const ExampleProject& example : exampleProjects()) {
        listed.insert(example.file);
        EXPECT_TRUE(std::filesystem::is_regular_file(kExamples + "/" + example.file)) << example.file;
        EXPECT_NE(manual.find(example.file), std::string::npos) << example.file << " is not in the manual";
        const bool compared = std::any_of(examples().begin(), examples().end(), [&](const Example& compared) {
            return compared.file == std::string(example.file) && !compared.rows.empty();
        });
        EXPECT_TRUE(compared) << example.file << " has no compared value";
    }
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() == ".dan") {
            EXPECT_EQ(listed.count(entry.path().filename().string()), 1u)
                << entry.path() << " is not in the \"Примеры\" menu";
        }
    }
    EXPECT_GE(listed.size(), 20u);
}
