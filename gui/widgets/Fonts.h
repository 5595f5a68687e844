// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace fundis {

// The windows' font: a plain sans face of 11 pixels, the size the dialogs' fixed layout is drawn for.
QFont windowFont(int pixelSize = 11);

}  // namespace fundis
