// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows with their title bar on the screen.

class QWidget;

namespace fundis {

// Moves a top-level window into the free area of the screen it is on (the primary one when it is
// on none): the title bar and the left edge first, then, as far as the window's size allows, the
// right and the bottom edges; a window larger than that area is made smaller, down to its minimum
// size. A maximized or full-screen window is left as it is.
void keepOnScreen(QWidget& window);

}  // namespace fundis
