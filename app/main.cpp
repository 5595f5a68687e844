#include <QMessageBox>
#include <exception>

#include "app/Application.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    fundis::Application app(argc, argv);
    try {
        fundis::startWindows();
        const int code = QApplication::exec();
        fundis::endWindows();
        return code;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Фундис"), QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
