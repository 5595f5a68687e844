// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

namespace fundis {

// The picture of the splash and the about box: a pad foundation under its column, 350 x 266
// device-independent pixels.
QPixmap splashPicture(qreal devicePixelRatio = 1);

}  // namespace fundis
