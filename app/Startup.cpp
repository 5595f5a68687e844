#include "app/Startup.h"

#include <QApplication>

#include "ui/Fonts.h"
#include "app/Form1.h"
#include "app/Form6.h"
#include "files/ui/Form3.h"
#include "input/ui/Form2.h"

namespace fundis {

void startWindows() {
    QApplication::setApplicationName(QStringLiteral("fundis"));
    QApplication::setApplicationDisplayName(QStringLiteral("Фундис"));
    QApplication::setFont(windowFont());

    Form1 = new TForm1;
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
