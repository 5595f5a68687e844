// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "core/model/FormFields.h"
#include "core/model/ProjectForm.h"

namespace fundis {

namespace {

// "--name VALUE" or "--name=VALUE"; false when the option is not `name`.
bool takeValue(const std::vector<std::string>& arguments, std::size_t& i, const std::string& name,
               std::optional<std::string>& value, std::string& error) {
    const std::string& argument = arguments[i];
    if (argument == name) {
        if (i + 1 >= arguments.size()) {
            error = "после " + name + " нужно значение";
            value = std::string();
            return true;
        }
        value = arguments[++i];
        return true;
    }
    if (argument.compare(0, name.size() + 1, name + "=") == 0) {
        value = argument.substr(name.size() + 1);
        return true;
    }
    return false;
}

}  // namespace

bool parseCliArguments(const std::vector<std::string>& arguments, CliOptions& options, std::string& error) {
    error.clear();
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            options.projects.push_back(argument);
            continue;
        }
        std::optional<std::string> separator;
        std::optional<std::string> assignment;
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--debug") {
            options.debug = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--fields") {
            options.fields = true;
        } else if (takeValue(arguments, i, "--set", assignment, error)) {
            if (error.empty()) {
                const std::size_t equals = assignment->find('=');
                if (equals == std::string::npos || equals == 0) {
                    error = "--set ждет ИМЯ=ЗНАЧЕНИЕ, например --set stepMethod=0 (имена полей: --fields)";
                } else {
                    const std::string name = assignment->substr(0, equals);
                    const std::string value = assignment->substr(equals + 1);
                    // the value is checked on a scratch form: a list's item, the box's 0 or 1
                    ProjectForm scratch;
                    if (const Status set = setField(scratch, name, value); !set) {
                        error = "--set " + *assignment + ": " + set.message() + " (имена полей: --fields)";
                    } else {
                        options.assignments.emplace_back(name, value);
                    }
                }
            }
        } else if (takeValue(arguments, i, "--sep", separator, error)) {
            if (error.empty()) {
                const std::string& text = *separator;
                if (text.size() != 1 || (text[0] >= '0' && text[0] <= '9') || text[0] == '-' ||
                    text[0] == '+') {
                    error = "--sep ждет один символ-разделитель, например . или ,";
                } else {
                    options.decimalSeparator = text[0];
                }
            }
        } else if (!takeValue(arguments, i, "--tables", options.tablesDir, error) &&
                   !takeValue(arguments, i, "--settings", options.settingsFile, error) &&
                   !takeValue(arguments, i, "--html", options.htmlFile, error) &&
                   !takeValue(arguments, i, "--pdf", options.pdfFile, error) &&
                   !takeValue(arguments, i, "--svg", options.svgFile, error) &&
                   !takeValue(arguments, i, "--dxf", options.dxfFile, error) &&
                   !takeValue(arguments, i, "--explain", options.explainFile, error) &&
                   !takeValue(arguments, i, "--bom", options.bomFile, error)) {
            error = "неизвестный параметр " + argument;
        }
    }
    if (!error.empty() || options.help || options.version || (options.fields && options.projects.empty())) {
        return error.empty();
    }
    if (options.projects.empty()) {
        error = "не задан ни один файл проекта .dan";
        return false;
    }
    const bool writesFiles = options.htmlFile || options.pdfFile || options.svgFile || options.dxfFile ||
                             options.explainFile || options.bomFile;
    if (writesFiles && options.projects.size() > 1) {
        error = "--html, --pdf, --svg, --dxf, --explain и --bom пишут один файл: задайте для них один проект";
        return false;
    }
    return true;
}

std::string cliUsage() {
    return "Использование: fundis-cli [ПАРАМЕТРЫ] ПРОЕКТ.dan...\n"
           "\n"
           "Рассчитывает фундамент по каждому файлу исходных данных .dan (как команда\n"
           "\"Начать расчет\" после \"OK\" в окне ввода данных) и печатает отчет расчета.\n"
           "\n"
           "Параметры:\n"
           "  --tables ПАПКА   папка с таблицами table3.dat, table4.dat, Rb.dat, k1.dat,\n"
           "                   hstup.dat, sizepdkl.dat; по умолчанию папка с программой\n"
           "                   из файла настроек, иначе установленная папка данных\n"
           "                   программы, иначе папка data исходных текстов\n"
           "  --settings ФАЙЛ  файл настроек kp.ini; по умолчанию\n"
           "                   $XDG_CONFIG_HOME/fundis/kp.ini (или ~/.config/fundis/kp.ini),\n"
           "                   если он есть\n"
           "  --debug          выводить отладочные данные (иначе как задано в настройке\n"
           "                   \"Отладка\")\n"
           "  --sep C          десятичный разделитель чисел отчета (по умолчанию\n"
           "                   разделитель LC_NUMERIC текущей локали)\n"
           "  --json           на каждый проект одна строка JSON: file, outcome (complete,\n"
           "                   design failures, not run), report (text, failure), record\n"
           "                   (все поля расчета), input_dialog_needed, settlement,\n"
           "                   quantities (позиции арматуры, итог, сталь, бетон)\n"
           "  --html ФАЙЛ      сохранить отчет в HTML (только с одним проектом)\n"
           "  --pdf ФАЙЛ       сохранить печатный отчет в PDF (только с одним проектом)\n"
           "  --svg ФАЙЛ       сохранить схему фундамента в SVG (только с одним проектом)\n"
           "  --dxf ФАЙЛ       сохранить схему фундамента чертежом DXF в натуральную\n"
           "                   величину, в миллиметрах (только с одним проектом)\n"
           "  --explain ФАЙЛ   сохранить пояснительную записку: формат по расширению\n"
           "                   .html, .odt или .pdf (только с одним проектом)\n"
           "  --set ИМЯ=ЗНАЧЕНИЕ  задать поле проекта перед расчетом, поверх файла (можно\n"
           "                   несколько раз): текст поля как в окне ввода, пункт списка его\n"
           "                   текстом или номером от 0, флажок 0 или 1; например\n"
           "                   --set stepMethod=\"по таблице k1\" --set stepsGiven=\"0,3 0,3\"\n"
           "  --fields         перечислить поля проекта: имя, подпись, вкладка, что принимает\n"
           "  --bom ФАЙЛ       сохранить перечень материалов (позиции арматуры, итог, бетон)\n"
           "                   в CSV: UTF-8, строка заголовков, десятичная точка\n"
           "                   (только с одним проектом)\n"
           "  --version        показать версию программы\n"
           "  --help           показать эту справку\n"
           "\n"
           "Сообщения о невыполненных проверках выводятся на терминал красным. Если задано\n"
           "несколько проектов, отчет каждого начинается строкой \"== ФАЙЛ\".\n"
           "Если и угол внутреннего трения, и сцепление не заданы, программа открыла бы\n"
           "окно ввода данных; здесь об этом только сообщается, и расчет продолжается.\n"
           "\n"
           "Код завершения: 0 - все расчеты выполнены без сообщений о невыполненных\n"
           "проверках; 1 - в отчете есть такие сообщения; 2 - расчет не выполнен (неверные\n"
           "параметры, файл проекта не прочитан, нет таблиц, или обязательное поле проекта\n"
           "пусто, не больше 0 или вне допустимых пределов: тогда отчет - одна строка\n"
           "\"Расчет не выполнен: ...\" с этими полями).\n";
}

std::string fieldList() {
    std::string out;
    for (const FormField& field : formFields()) {
        std::string where = tabTitle(field.tab);
        if (*field.group != '\0') {
            where += std::string(", ") + field.group;
        }
        std::string takes;
        if (field.kind == FieldKind::List) {
            takes = "список:";
            int i = 0;
            for (const std::string& item : listItems(static_cast<ListField>(field.index))) {
                takes += (i > 0 ? "," : "") + std::string(" ") + std::to_string(i) + " «" + item + "»";
                ++i;
            }
        } else if (field.kind == FieldKind::Check) {
            takes = "флажок: 0 или 1";
        } else {
            takes = ruleText(field);
        }
        out += field.name;
        out += "\t" + fieldCaption(field);
        out += "\t" + where;
        out += "\t" + takes;
        out += "\n";
    }
    return out;
}

}  // namespace fundis
