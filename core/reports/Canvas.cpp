// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/Canvas.h"

#include <cmath>

namespace fundis {

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    constexpr int kPieces = 24;
    constexpr double kPi = 3.14159265358979323846;
    const CanvasPoint position = penPosition();
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const double rx = std::abs(x2 - x1) / 2.0;
    const double ry = std::abs(y2 - y1) / 2.0;
    moveTo(static_cast<int>(std::lround(cx + rx)), static_cast<int>(std::lround(cy)));
    for (int i = 1; i <= kPieces; ++i) {
        const double angle = 2 * kPi * i / kPieces;
        lineTo(static_cast<int>(std::lround(cx + rx * std::cos(angle))),
               static_cast<int>(std::lround(cy + ry * std::sin(angle))));
    }
    moveTo(position.x, position.y);
}

}  // namespace fundis
