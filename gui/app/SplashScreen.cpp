// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SplashScreen.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/SplashPicture.h"
#include "gui/widgets/Fonts.h"

namespace fundis {

SplashScreen::SplashScreen(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setAutoFillBackground(true);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(navy);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(fundis::splashPicture(devicePixelRatioF()));

    auto* caption = new QLabel(QStringLiteral("Команда «Фундиса», 2026"));
    caption->setObjectName(QStringLiteral("caption"));
    QFont bold = fundis::windowFont(11);
    bold.setBold(true);
    caption->setFont(bold);
    caption->setAlignment(Qt::AlignCenter);
    caption->setContentsMargins(4, 0, 4, 0);
    caption->setStyleSheet(QStringLiteral("QLabel { color: blue; background: white; }"));

    // the caption on the picture, in the middle of its lower part
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(9, 8, 9, 8);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(picture, 0, 0);
    auto* captionPlace = new QVBoxLayout;
    captionPlace->addStretch(1);
    captionPlace->addWidget(caption, 0, Qt::AlignHCenter);
    captionPlace->addSpacing(picture->pixmap().deviceIndependentSize().toSize().height() / 9);
    layout->addLayout(captionPlace, 0, 0);
    layout->activate();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    closeTimer_ = new QTimer(this);
    closeTimer_->setInterval(1000);
    closeTimer_->setSingleShot(true);
    connect(closeTimer_, &QTimer::timeout, this, &QDialog::accept);
    closeTimer_->start();
}

void SplashScreen::showForAMoment() { exec(); }

}  // namespace fundis
