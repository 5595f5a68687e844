// SPDX-License-Identifier: GPL-3.0-or-later
// The splash: its caption on the picture, gone after about a second.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>

#include "gui/app/SplashScreen.h"

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
