#include <QMessageBox>
#include <QTimer>
#include <exception>

#include "app/Application.h"
#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Form6.h"
#include "app/Screenshots.h"
#include "files/Form3.h"
#include "input/Form2.h"

int main(int argc, char** argv) {
    fundis::Application app(argc, argv);
    try {
        QApplication::setApplicationName(QStringLiteral("fundis"));
        QApplication::setApplicationDisplayName(QStringLiteral("Фундис"));
        QApplication::setFont(fundis::windowFont());

        Form1 = new TForm1;
        Form2 = new TForm2(Form1);
        Form3 = new TForm3(Form1);
        Form1->attachDialogs(Form2, Form3);
        Form6 = new TForm6;
        Form6->FormCreate();
        Form1->show();

        // a hidden aid for the documentation: pictures of the windows, then exit
        const QString screenshots = qEnvironmentVariable("FUNDIS_SCREENSHOT_DIR");
        if (!screenshots.isEmpty()) {
            QTimer::singleShot(300, Form1, [screenshots] {
                const bool ok = fundis::takeScreenshots(*Form1, *Form2, *Form3, screenshots,
                                                        qEnvironmentVariable("FUNDIS_SCREENSHOT_PROJECT"));
                QApplication::exit(ok ? 0 : 1);
            });
        }
        const int code = QApplication::exec();
        delete Form6;
        delete Form1;
        return code;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Фундис"), QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
