// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Application.h"

#include <QMessageBox>
#include <exception>

namespace fundis {

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Фундис"), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Фундис"), QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}

}  // namespace fundis
