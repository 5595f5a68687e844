// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "gui/widgets/OnScreen.h"

namespace fundis {

namespace {

Dialogs& standardDialogs() {
    static Dialogs standard;
    return standard;
}

Dialogs*& current() {
    static Dialogs* inUse = &standardDialogs();
    return inUse;
}

}  // namespace

QString Dialogs::fileName(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void Dialogs::message(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

std::unique_ptr<QMessageBox> makeQuestionBox(QWidget* parent, const QString& caption, const QString& text,
                                             const QStringList& buttons, int defaultButton,
                                             int escapeButton) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QList<QPushButton*> made;
    for (const QString& label : buttons) {
        made << box->addButton(label, QMessageBox::ActionRole);
        made.back()->setProperty("answer", static_cast<int>(made.size()) - 1);
    }
    if (defaultButton >= 0 && defaultButton < made.size()) {
        box->setDefaultButton(made[defaultButton]);
    }
    if (escapeButton >= 0 && escapeButton < made.size()) {
        box->setEscapeButton(made[escapeButton]);
    }
    return box;
}

int Dialogs::question(QWidget* parent, const QString& caption, const QString& text,
                      const QStringList& buttons, int defaultButton, int escapeButton) {
    const std::unique_ptr<QMessageBox> box =
        makeQuestionBox(parent, caption, text, buttons, defaultButton, escapeButton);
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    return clicked != nullptr ? clicked->property("answer").toInt() : escapeButton;
}

int Dialogs::exec(QDialog& dialog) {
    // once shown where Qt places it, the window is kept with its title bar on the screen
    QTimer::singleShot(0, &dialog, [&dialog] { keepOnScreen(dialog); });
    return dialog.exec();
}

bool Dialogs::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

QString sentence(const std::string& message) {
    QString text = QString::fromStdString(message);
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

Dialogs& dialogs() { return *current(); }

Dialogs* setDialogs(Dialogs* replacement) {
    Dialogs* previous = current();
    current() = replacement != nullptr ? replacement : &standardDialogs();
    return previous;
}

}  // namespace fundis
