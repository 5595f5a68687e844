#include "gui/app/SplashScreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "gui/app/SplashPicture.h"
#include "gui/widgets/Fonts.h"

namespace fundis {

SplashScreen::SplashScreen(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashScreen"));
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
    connect(Timer1, &QTimer::timeout, this, &SplashScreen::Timer1Timer);
    Timer1->start();
}

void SplashScreen::FormCreate() { exec(); }

void SplashScreen::Timer1Timer() { accept(); }

}  // namespace fundis
