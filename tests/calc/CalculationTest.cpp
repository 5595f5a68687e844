#include "calc/Calculation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace fundis;

namespace {

// A column 0.5 x 0.5 on dense sand; the record as the input dialog's OK leaves it.
TProjectData typicalProject() {
    TProjectData data;
    data.Mt = 72;
    data.kh = 0.9f;
    data.d0 = 0.23f;
    data.MII = {0, 106, 48, 64};
    data.NII = {0, 1547.7f, 1951, 1579};
    data.QII = {0, 31.5f, 21, 51.2f};
    data.MI = {0, 125, 56, 75.2f};
    data.NI = {0, 1818.7f, 2293, 1856};
    data.QI = {0, 37, 24.7f, 60};
    data.fii = 34.1f;
    data.cii = 38;
    data.Yii = 18.5f;
    data.Yii1 = 20.36f;
    data.Yc1 = data.Yc2 = 1.3f;
    data.k = 1.1f;
    data.d_l = data.d_h = 0.3f;
    data.bToL = 0.7f;
    data.socketDepth = 0.9f;
    data.socketBottom = 0.5f;
    data.lc = data.bc = 0.5f;
    data.da = 0.02f;
    data.dz = 0.07f;
    data.Rs = data.Rsc = 365000;
    data.Rbt = 0.66f;
    return data;
}

CalculationOptions shippedTables(char separator = '.') {
    CalculationOptions options;
    options.programDir = FUNDIS_TABLES_DIR;
    options.decimalSeparator = separator;
    return options;
}

std::vector<std::string> texts(const std::vector<ReportLine>& lines) {
    std::vector<std::string> result;
    for (const ReportLine& line : lines) {
        result.push_back(line.text);
    }
    return result;
}

// The shipped tables with some of them replaced.
class ModifiedTables {
  public:
    explicit ModifiedTables(const std::map<std::string, std::string>& replaced) {
        dir_ = std::filesystem::temp_directory_path() /
               ("fundis-tables-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        for (const auto& entry : std::filesystem::directory_iterator(FUNDIS_TABLES_DIR)) {
            if (entry.path().extension() == ".dat") {
                std::filesystem::copy_file(entry.path(), dir_ / entry.path().filename(),
                                           std::filesystem::copy_options::overwrite_existing);
            }
        }
        for (const auto& [name, text] : replaced) {
            std::ofstream(dir_ / name, std::ios::binary) << text;
        }
    }
    ~ModifiedTables() { std::filesystem::remove_all(dir_); }
    std::string dir() const { return dir_.string(); }

  private:
    std::filesystem::path dir_;
};

}  // namespace

TEST(Calculation, WholeReportOfATypicalProject) {
    TProjectData data = typicalProject();
    int maximum = -1;
    int steps = 0;
    const auto lines = runCalculation(data, shippedTables(), {[&](int m) { maximum = m; }, [&] { ++steps; }});
    const std::vector<std::string> expected = {
        "",
        "************РАСЧЕТНЫЕ ДАННЫЕ************",
        "",
        "ГЛУБИНА ПРОМЕРЗАНИЯ ГРУНТА\t\tdf = 1.756м",
        "ГЛУБИНА ЗАЛОЖЕНИЯ ФУНДАМЕНТА\td = 1.800м",
        "",
        "РАЗМЕРЫ ПОДОШВЫ ФУНДАМЕНТА:",
        "Ширина подошвы\t\t\t\tb= 1.200м",
        "Длина подошвы\t\t\t\tl= 1.800м",
        "Площадь подошвы\t\t\t\tA= 2.160м2",
        "К-т запаса по несущей способности\t\t0.064",
        "",
        "ПРОВЕРКА ДАВЛЕНИЙ ПО ПОДОШВЕ ФУНДАМЕНТА:",
        "1. Максимальный момент",
        "    Среднее давление по подошве\t\tp = 752.528кПа",
        "    Максимальное давление по подошве\tpmax = 1003.608кПа",
        "    Минимальное давление по подошве\tpmin = 501.447кПа",
        "",
        "2. Максимальная сжимающия сила",
        "    Среднее давление по подошве\t\tp = 939.241кПа",
        "    Максимальное давление по подошве\tpmax = 1071.648кПа",
        "    Минимальное давление по подошве\tpmin = 806.833кПа",
        "",
        "3. Максимальная поперечная сила",
        "    Среднее давление по подошве\t\tp = 767.018кПа",
        "    Максимальное давление по подошве\tpmax = 1008.006кПа",
        "    Минимальное давление по подошве\tpmin = 526.031кПа",
        "    ",
        "Расчетное сопротивление грунта\t\tR = 1002.970кПа",
        "",
        "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА",
        "Сторона l:",
        "   Площадь рабочей арматуры\t\t13.854cм2",
        "   Количество стержней\t\t\t9шт",
        "   Диаметр рабочей арматуры\t\t14мм",
        "Сторона b:",
        "   Площадь рабочей арматуры\t\t5.498cм2",
        "   Количество стержней\t\t\t7шт",
        "   Диаметр рабочей арматуры\t\t10мм",
    };
    const std::vector<std::string> got = texts(lines);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i], expected[i]) << "line " << i;
    }
    for (const ReportLine& line : lines) {
        EXPECT_FALSE(line.failure) << line.text;
    }
    EXPECT_EQ(maximum, 33);
    EXPECT_EQ(steps, 33);
    // pedestal from the table for a 0.5 x 0.5 column, one 0.45 m step
    EXPECT_FLOAT_EQ(data.luc, 1.2f);
    EXPECT_FLOAT_EQ(data.hSteps, 0.45f);
    EXPECT_EQ(data.nSteps, 1);
    EXPECT_FLOAT_EQ(data.kz, 1.0f);
}

TEST(Calculation, LocaleSeparatorAndDebugBlock) {
    TProjectData data = typicalProject();
    CalculationOptions options = shippedTables(',');
    options.debug = true;
    const auto lines = texts(runCalculation(data, options));
    ASSERT_GT(lines.size(), 25u);
    EXPECT_EQ(lines[0], "************ОТЛАДОЧНЫЕ ДАННЫЕ************");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "kh  = 0,900");
    EXPECT_EQ(lines[7], "d    = 1,800");
    EXPECT_EQ(lines[8], "A = 0,000");  // the area before the search
    EXPECT_EQ(lines[10], "сii = 38,000");
    EXPECT_EQ(lines[19], "Yii1 = 20,360");
    EXPECT_EQ(lines[20], "");
    EXPECT_EQ(lines[21], "kzap1= 0,064 b1= 1,200 l1= 1,800");
    const auto results = std::find(lines.begin(), lines.end(), "************РАСЧЕТНЫЕ ДАННЫЕ************");
    ASSERT_NE(results, lines.end());
    EXPECT_EQ(*(results - 1), "");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Длина подошвы\t\t\t\tl= 1,800м"), lines.end());
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "Отладочные данные к расчету на продавливание от подколонника"),
        lines.end());
}

// Red lines: what they say, their order, and that the run stops in order
TEST(Calculation, NonPositiveModulesStopBeforeTheSearch) {
    for (float module : {0.0f, -0.3f}) {
        TProjectData data = typicalProject();
        data.d_l = module;
        int steps = 0;
        const auto lines = runCalculation(data, shippedTables(), {nullptr, [&] { ++steps; }});
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(lines[0].failure);
        EXPECT_NE(lines[0].text.find("d_l"), std::string::npos);
        EXPECT_EQ(steps, 0);
    }
    TProjectData tiny = typicalProject();
    tiny.d_l = 1e-8f;  // b1 + d_l would stop growing long before 10 m
    const auto tinyLines = runCalculation(tiny, shippedTables());
    ASSERT_EQ(tinyLines.size(), 1u);
    EXPECT_EQ(tinyLines[0].text, "Модуль длины и ширины подошвы d_l должен быть не меньше 0.010м.");

    TProjectData data = typicalProject();
    data.d_h = 0;
    const auto lines = runCalculation(data, shippedTables());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].text.find("d_h"), std::string::npos);
}

TEST(Calculation, MissingTableIsNamedInARedLine) {
    TProjectData data = typicalProject();
    CalculationOptions options;
    options.programDir = "/nonexistent/fundis";
    const auto lines = runCalculation(data, options);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.back().failure);
    EXPECT_NE(lines.back().text.find("/nonexistent/fundis/table4.dat"), std::string::npos)
        << lines.back().text;
}

TEST(Calculation, TableEndingEarlyIsNamedInARedLine) {
    const ModifiedTables tables(std::map<std::string, std::string>{{"k1.dat", "# 2 3 4 5 6 7\n# 0\n# 5\n"}});
    TProjectData data = typicalProject();
    CalculationOptions options;
    options.programDir = tables.dir();
    const auto lines = runCalculation(data, options);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.back().failure);
    EXPECT_NE(lines.back().text.find("k1.dat"), std::string::npos) << lines.back().text;
}

TEST(Calculation, MissingPedestalEndsTheReport) {
    TProjectData data = typicalProject();
    data.lc = 0.45f;
    data.bc = 0.35f;
    const auto lines = runCalculation(data, shippedTables());
    ASSERT_GE(lines.size(), 3u);
    const std::vector<ReportLine> tail(lines.end() - 3, lines.end());
    EXPECT_EQ(tail[0].text, "");
    EXPECT_EQ(tail[1].text, "Не найдены размеры подколонника для колонны 0.450x0.350м.");
    EXPECT_EQ(tail[2].text, "Необходимо задать размеры подколонника.");
    for (const ReportLine& line : tail) {
        EXPECT_TRUE(line.failure);
    }
    const std::vector<std::string> all = texts(lines);
    EXPECT_EQ(std::find(all.begin(), all.end(), "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА"), all.end());
}

TEST(Calculation, StepAndHeightMessagesCloseTheReportInOrder) {
    // k1 = 0 lets no set reach the pedestal; the last set read is 2.0 m tall, more than Hf = 1.8
    const ModifiedTables tables({{"k1.dat", "# 2 3 4 5 6 7\n# 0 0 0 0 0 0 0\n# 5 0 0 0 0 0 0\n"},
                                 {"hstup.dat", "# 0.3 0.3\r\n# 2.0 2.0\r\n#\r\n"}});
    TProjectData data = typicalProject();
    CalculationOptions options;
    options.programDir = tables.dir();
    const auto lines = runCalculation(data, options);
    ASSERT_GE(lines.size(), 6u);
    const std::vector<ReportLine> tail(lines.end() - 6, lines.end());
    const std::vector<std::string> expected = {
        "",
        "Невозможно подобрать ступени фундамента.",
        "Необходимо увеличить глубину заложения фундамента.",
        "",
        "Общая высота ступеней больше высоты фундамента.",
        "Необходимая глубина заложения фундамента d=2.000м.",
    };
    EXPECT_EQ(texts(tail), expected);
    for (const ReportLine& line : tail) {
        EXPECT_TRUE(line.failure);
    }
    EXPECT_FLOAT_EQ(data.Hf, 2.0f);
    EXPECT_FLOAT_EQ(data.d, 2.0f);
}

TEST(Calculation, DegenerateInputsPrintNoInfinities) {
    struct Case {
        const char* what;
        void (*change)(TProjectData&);
    };
    const Case cases[] = {
        {"no loads", [](TProjectData& d) { d.NII = d.MII = d.QII = d.NI = d.MI = d.QI = {}; }},
        {"no soil strength", [](TProjectData& d) { d.fii = d.cii = d.Yii = d.Yii1 = 0; }},
        {"frost sum typed negative", [](TProjectData& d) { d.Mt = -72; }},
        {"no concrete strength", [](TProjectData& d) { d.Rbt = 0; }},
        {"no steel strength", [](TProjectData& d) { d.Rs = 0; }},
        {"huge depth", [](TProjectData& d) { d.d = 1e30f; }},
    };
    for (const Case& c : cases) {
        TProjectData data = typicalProject();
        c.change(data);
        CalculationOptions options = shippedTables();
        options.debug = true;
        for (const ReportLine& line : runCalculation(data, options)) {
            EXPECT_EQ(line.text.find("INF"), std::string::npos) << c.what << ": " << line.text;
            EXPECT_EQ(line.text.find("NAN"), std::string::npos) << c.what << ": " << line.text;
        }
    }
}
