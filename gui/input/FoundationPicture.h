// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cross-section on the "Фундамент" tab: stepped pad, pedestal, socket with the column, the
// grade line "0.000", the mat of bottom bars and the dimension lines the edits sit on.

#include <QList>
#include <QRect>
#include <QWidget>

class QPainter;

namespace fundis {

class FoundationPicture : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kLeft = 9, kTop = 16, kWidth = 250, kHeight = 222;

    explicit FoundationPicture(QWidget* tab);

    // Places (in the tab's coordinates) of the edits lying on the picture: lines stop short of them.
    void setTextPlaces(const QList<QRect>& places);

    // The drawing in the tab's coordinates, clipped to the picture.
    static void draw(QPainter& painter, const QList<QRect>& textPlaces);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<QRect> textPlaces_;
};

}  // namespace fundis
