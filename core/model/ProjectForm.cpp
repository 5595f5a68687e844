#include "core/model/ProjectForm.h"

namespace fundis {

namespace {

const char* const kTabBuilding = "Сооружение";
const char* const kTabLoads = "Нагрузки";
const char* const kTabSoil = "Грунт";
const char* const kTabFoundation = "Фундамент";

struct FieldLabel {
    const char* label;
    const char* tab;
};

// Edit1..Edit41 as their labels and hints present them
const FieldLabel kEditLabels[kEditCount] = {
    {"Mt", kTabBuilding},
    {"Величина вылета", kTabBuilding},
    {"M, Mmax, II", kTabLoads},
    {"N, Mmax, II", kTabLoads},
    {"Q, Mmax, II", kTabLoads},
    {"M, Nmax, II", kTabLoads},
    {"N, Nmax, II", kTabLoads},
    {"Q, Nmax, II", kTabLoads},
    {"M, Qmax, II", kTabLoads},
    {"N, Qmax, II", kTabLoads},
    {"Q, Qmax, II", kTabLoads},
    {"d_l", kTabFoundation},
    {"φII", kTabSoil},
    {"сII", kTabSoil},
    {"L/H", kTabBuilding},
    {"γII (вес грунта ниже подошвы)", kTabSoil},
    {"γ'II (вес грунта выше подошвы)", kTabSoil},
    {"b/l", kTabFoundation},
    {"отметка верха подколонника", kTabFoundation},
    {"d_h", kTabFoundation},
    {"глубина стакана", kTabFoundation},
    {"толщина днища стакана", kTabFoundation},
    {"высота сечения колонны lc", kTabFoundation},
    {"ширина сечения подколонника buc", kTabFoundation},
    {"высота сечения подколонника luc", kTabFoundation},
    {"d", kTabFoundation},
    {"ширина сечения колонны bc", kTabFoundation},
    {"da", kTabFoundation},
    {"dz", kTabFoundation},
    {"Rs", kTabFoundation},
    {"Rsс", kTabFoundation},
    {"M, Mmax, I", kTabLoads},
    {"N, Mmax, I", kTabLoads},
    {"Q, Mmax, I", kTabLoads},
    {"M, Nmax, I", kTabLoads},
    {"N, Nmax, I", kTabLoads},
    {"Q, Nmax, I", kTabLoads},
    {"M, Qmax, I", kTabLoads},
    {"N, Qmax, I", kTabLoads},
    {"Q, Qmax, I", kTabLoads},
    {"отметка природного рельефа", kTabFoundation},
};

const FieldLabel kComboLabels[kComboCount] = {
    {"Тип грунта для опр. глубины заложения подошвы фундамента", kTabSoil},
    {"Тип пола сооружения", kTabBuilding},
    {"Температура", kTabBuilding},
    {"Вылет подошвы", kTabBuilding},
    {"Тип грунта для опр. расчетного сопротивления", kTabSoil},
    {"Конструктив. схема здания", kTabBuilding},
    {"L/H", kTabBuilding},
    {"Метод определения прочн. характер.", kTabSoil},
    {"Класс бетона", kTabFoundation},
};

std::string fieldName(const FieldLabel& field) {
    return std::string(field.label) + ", вкладка «" + field.tab + "»";
}

}  // namespace

ProjectForm::ProjectForm() {
    combos.fill(0);
    edit(12) = "0.3";
    edit(18) = "0.7";
    edit(19) = "-0.150";
    edit(20) = "0.3";
    edit(21) = "0.600";
    edit(22) = "0.600";
    edit(28) = "0.020";
    edit(29) = "0.070";
    edit(30) = "365";
    edit(31) = "365";
}

const std::vector<std::string>& comboItems(int number) {
    // the first item of the frost-depth soil list begins with a Latin "C"
    static const std::vector<std::string> items[kComboCount] = {
        {"Cуглинки и глины", "Супеси, пески мелкие и пылеватые",
         "Пески гравелистые, крупные и средней крупности", "Крупнообломочные грунты"},
        {"Без подвала с полами, устраиваемыми на грунте", "то же на лагах по грунту",
         "то же по утепленному цокольному перекрытию", "С подвалом или с техническим подпольем"},
        {"0", "5", "10", "15", "20 и более"},
        {"0,5 м. и менее", "Больше 0,5 м."},
        {"Крупн.обл. с песч.зап. и песч. гр., кроме мелк. и пылев.", "Пески мелкие",
         "Пески пылеватые маловлажные и влажные", "Пески пылеватые, насыщенные водой",
         "Пыл.-гл. грунты а также кр.обл. с пыл-гл.зап с пок. тек IL<=0,25", "То же при 0,25<IL<=0.5",
         "То же при IL>0,5"},
        {"Жесткая", "Гибкая"},
        {"4 и более", "1,5 и менее", "другое"},
        {"Непосредственными испытаниями", "По таблицам СНиП 2.02.01-83"},
        {"B 12,5", "B 15"},
    };
    return items[number - 1];
}

int concreteClassCount() { return static_cast<int>(comboItems(9).size()); }

std::string editFieldName(int number) { return fieldName(kEditLabels[number - 1]); }

std::string comboFieldName(int number) { return fieldName(kComboLabels[number - 1]); }

const char* const kCraneAndWindFieldName = "Учет крановых и ветровых нагр., вкладка «Нагрузки»";

}  // namespace fundis
