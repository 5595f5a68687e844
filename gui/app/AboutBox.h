// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "О ПРОГРАММЕ": made by the about command, shown modally and destroyed. Laid out with Qt
// layouts, so it follows the font and the screen's scale.

#include <QDialog>

namespace fundis {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace fundis
