#pragma once

// The program's message boxes go through one function, so the widget tests can see what would
// have been shown without a modal box waiting for a click.

#include <QString>
#include <functional>

class QWidget;

namespace fundis {

using MessageHandler = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// A warning box with an OK button; `parent` may be null (a box without an owner window).
void showMessage(QWidget* parent, const QString& caption, const QString& text);

// Replaces the box; returns the previous handler. An empty handler restores the box.
MessageHandler setMessageHandler(MessageHandler handler);

}  // namespace fundis
