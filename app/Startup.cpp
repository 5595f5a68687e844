#include "app/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/Form1.h"
#include "app/Form6.h"
#include "files/ui/Form3.h"
#include "input/ui/Form2.h"
#include "ui/Fonts.h"

namespace fundis {

void startWindows(const QString& project) {
    QApplication::setApplicationName(QStringLiteral("fundis"));
    QApplication::setApplicationDisplayName(QStringLiteral("Фундис"));
    QApplication::setApplicationVersion(QStringLiteral(FUNDIS_VERSION));
    QApplication::setFont(windowFont());
    // the program speaks Russian, so do the file, print and message dialogs of Qt
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    Form1 = new TForm1;
    if (!project.isEmpty()) {
        Form1->openAtStart(project);
    }
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(Form1);
    Form1->attachDialogs(Form2, Form3);
    Form6 = new TForm6;
    Form6->FormCreate();
    Form1->show();
}

void endWindows() {
    delete Form6;
    Form6 = nullptr;
    delete Form1;  // owns Form2 and Form3
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
}

}  // namespace fundis
