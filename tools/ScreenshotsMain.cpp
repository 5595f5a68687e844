// fundis-screenshots FOLDER [PROJECT.dan]: starts the program's windows as the program does, saves
// pictures of them into FOLDER and exits (0 when every picture was written). Used by
// scripts/screenshots.sh under a virtual X server; not installed.

#include <QTimer>
#include <cstdio>

#include "app/Application.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "files/ui/Form3.h"
#include "input/ui/Form2.h"
#include "tools/Screenshots.h"

int main(int argc, char** argv) {
    fundis::Application app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fundis-screenshots FOLDER [PROJECT.dan]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString project = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    fundis::startWindows();
    QTimer::singleShot(300, Form1, [folder, project] {
        QApplication::exit(fundis::takeScreenshots(*Form1, *Form2, *Form3, folder, project) ? 0 : 1);
    });
    const int code = QApplication::exec();
    fundis::endWindows();
    return code;
}
