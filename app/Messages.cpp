#include "app/Messages.h"

#include <QMessageBox>

namespace fundis {

namespace {

MessageHandler& currentHandler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

void showMessage(QWidget* parent, const QString& caption, const QString& text) {
    if (currentHandler()) {
        currentHandler()(parent, caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler setMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

}  // namespace fundis
