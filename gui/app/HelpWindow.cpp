// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/HelpWindow.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace fundis {

HelpWindow::HelpWindow(QWidget* parent, const QString& page)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Фундис — помощь"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl::fromLocalFile(page));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);

    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(900, available.width() * 4 / 5), std::min(800, available.height() * 4 / 5));
}

QString HelpWindow::shownText() const { return browser_->toPlainText(); }

}  // namespace fundis
