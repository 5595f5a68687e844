// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace fundis {

// An error that escapes a command is shown in a box and the program goes on with the state the
// command left.
class Application : public QApplication {
    Q_OBJECT
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace fundis
