#pragma once

// The splash: on screen for about a second while the program starts.

#include <QDialog>

class QLabel;
class QTimer;

namespace fundis {

class SplashScreen : public QDialog {
    Q_OBJECT
  public:
    explicit SplashScreen(QWidget* parent = nullptr);

    // Shows the splash modally until the timer closes it.
    void FormCreate();
    void Timer1Timer();

    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace fundis
