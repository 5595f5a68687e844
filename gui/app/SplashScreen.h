// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The splash: on screen for about a second while the program starts.

#include <QDialog>

class QTimer;

namespace fundis {

class SplashScreen : public QDialog {
    Q_OBJECT
  public:
    explicit SplashScreen(QWidget* parent = nullptr);

    // Shows the splash modally until its timer closes it, about a second.
    void showForAMoment();

  private:
    QTimer* closeTimer_ = nullptr;
};

}  // namespace fundis
