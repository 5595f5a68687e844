// SPDX-License-Identifier: GPL-3.0-or-later
// fundis [FILE.dan]: the desktop program; the project given opens at start, as "Открыть" does.

#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <exception>

#include "gui/app/Application.h"
#include "gui/app/Startup.h"

namespace {

const char* const kUsage =
    "Использование: fundis [ФАЙЛ.dan]\n"
    "\n"
    "Расчет столбчатого фундамента под сборную колонну. Заданный файл исходных данных\n"
    "открывается при запуске, как командой \"Файл\" -> \"Открыть\".\n"
    "\n"
    "  --version  показать версию программы\n"
    "  --help     показать эту справку\n";

}  // namespace

int main(int argc, char** argv) {
    // answered without a screen
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("fundis (Фундис) %s\n", FUNDIS_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    fundis::Application app(argc, argv);
    QString project;
    const QStringList arguments = QApplication::arguments();  // without Qt's own options
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            project = arguments[i];
            break;
        }
    }
    try {
        fundis::startWindows(project);
        const int code = QApplication::exec();
        fundis::endWindows();
        return code;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Фундис"), QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
