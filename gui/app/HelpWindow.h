// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help page in a window of the program, for a desktop without a browser to hand it to.

#include <QDialog>

class QTextBrowser;

namespace fundis {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    // `page` is the help page's file; its links to its own sections work inside the window.
    HelpWindow(QWidget* parent, const QString& page);

    // What the window shows, as plain text.
    QString shownText() const;

  private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace fundis
