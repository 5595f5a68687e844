#include "app/Form6.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/SplashPicture.h"
#include "ui/Fonts.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form6"));
    setFixedSize(369, 285);
    setAutoFillBackground(true);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(navy);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(9, 8, 350, 266);
    Image1->setPixmap(fundis::splashPicture());

    Label2 = new QLabel(QStringLiteral("Команда «Фундиса», 2026"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(106, 230, 155, 13);
    QFont bold = fundis::windowFont(11);
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(QStringLiteral("QLabel { color: blue; background: white; }"));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
    Timer1->start();
}

void TForm6::FormCreate() { exec(); }

void TForm6::Timer1Timer() { accept(); }
