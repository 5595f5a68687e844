#pragma once

// "О ПРОГРАММЕ": made by the about command, shown modally and destroyed.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace fundis {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Maker = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKButton = nullptr;
};

}  // namespace fundis
