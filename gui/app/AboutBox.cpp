#include "gui/app/AboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/app/SplashPicture.h"
#include "gui/widgets/Fonts.h"

namespace fundis {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О ПРОГРАММЕ"));
    setFont(fundis::windowFont());
    setFixedSize(486, 267);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 16, 273, 233);
    Image1->setScaledContents(true);
    Image1->setPixmap(fundis::splashPicture());

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(288, 16, 195, 185);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    ProductName = new QLabel(QStringLiteral("ФУНДИС"), panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setFont(fundis::windowFont(32));
    ProductName->setStyleSheet(QStringLiteral("QLabel { color: blue; }"));
    ProductName->move(37, 10);
    ProductName->adjustSize();

    Version = new QLabel(QStringLiteral("Версия " FUNDIS_VERSION), panel);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(61, 58, 73, 13);

    Maker = new QLabel(QStringLiteral("Москва, «Фундис», 2026"), panel);
    Maker->setObjectName(QStringLiteral("Maker"));
    Maker->setGeometry(32, 82, 153, 13);

    Memo1 = new QPlainTextEdit(panel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(5, 98, 185, 81);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFont(fundis::windowFont(11));
    QPalette face = Memo1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    Memo1->setPalette(face);
    Memo1->setPlainText(
        QStringLiteral("  Программа предназначена для\n"
                       "учебных целей. Составитель не \n"
                       "берет на себя никакой ответствен-\n"
                       "ности за неправильное использо-\n"
                       "вание программы"));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(343, 226, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace fundis
