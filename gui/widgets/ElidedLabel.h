// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A status-bar panel whose text never widens the window: a text too long for the panel is shown
// shortened with "…" and whole in its tooltip.

#include <QLabel>

namespace fundis {

class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(Qt::TextElideMode mode, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Qt::TextElideMode mode_;
};

}  // namespace fundis
