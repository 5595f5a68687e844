// SPDX-License-Identifier: GPL-3.0-or-later
// The about box and the splash: the version, OK, the splash gone after about a second.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include "gui/app/AboutBox.h"
#include "gui/app/SplashScreen.h"

// The box shows the program's version; OK closes it
TEST(AboutBox, ShowsTheVersionAndOkCloses) {
    fundis::AboutBox about;
    about.show();
    const auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Версия " FUNDIS_VERSION));

    auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

// The caption lies on the picture, whole; the splash closes itself after about a second
TEST(SplashScreen, CaptionOnThePictureAndGoneAfterAMoment) {
    fundis::SplashScreen splash;
    const auto* picture = splash.findChild<QLabel*>(QStringLiteral("picture"));
    const auto* caption = splash.findChild<QLabel*>(QStringLiteral("caption"));
    ASSERT_TRUE(picture && caption);
    splash.show();
    EXPECT_TRUE(picture->geometry().contains(caption->geometry()));
    EXPECT_GE(caption->width(), caption->sizeHint().width());
    EXPECT_TRUE(splash.rect().contains(picture->geometry()));

    QElapsedTimer shown;
    shown.start();
    splash.showForAMoment();
    EXPECT_EQ(splash.result(), QDialog::Accepted);
    EXPECT_LT(shown.elapsed(), 3000);
    EXPECT_FALSE(splash.isVisible());
}
