// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace fundis {

void keepOnScreen(QWidget& window) {
    if (!window.isWindow() || (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        return;
    }
    const QRect client = window.geometry();
    const QScreen* screen = QGuiApplication::screenAt(client.center());
    if (screen == nullptr) {
        screen = QGuiApplication::screenAt(client.topLeft());
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    // the frame is known once the window manager has framed the window; before that, a title bar's
    // height as the style draws one
    const QRect frame = window.frameGeometry();
    const int titleBar =
        std::max(client.top() - frame.top(), window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const int side = std::max(0, client.left() - frame.left());
    const int below = std::max(0, frame.bottom() - client.bottom());
    const QRect room = screen->availableGeometry().adjusted(side, titleBar, -side, -below);
    const QSize size = client.size().boundedTo(room.size()).expandedTo(window.minimumSize());
    const int x = std::max(std::min(client.left(), room.right() + 1 - size.width()), room.left());
    const int y = std::max(std::min(client.top(), room.bottom() + 1 - size.height()), room.top());
    const QRect placed(QPoint(x, y), size);
    if (placed != client) {
        window.setGeometry(placed);
    }
}

}  // namespace fundis
