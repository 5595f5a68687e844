#pragma once

// Dialogs that answer by a script instead of waiting for a click: the tools drive the real windows
// with them. A file dialog returns the next prepared name, the input dialog is confirmed with its
// own OK, a question takes its default answer, messages are kept.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "gui/input/InputDialog.h"
#include "gui/widgets/Dialogs.h"

namespace fundis {

// A window shown modally, as a script runs it: the input dialog confirmed with its own OK, any other
// one closed at once.
inline int runScripted(QDialog& dialog) {
    if (auto* input = qobject_cast<fundis::InputDialog*>(&dialog)) {
        dialog.setResult(QDialog::Rejected);
        input->confirmInput();
        return dialog.result();
    }
    return QDialog::Rejected;
}

class ScriptedDialogs : public Dialogs {
  public:
    QString fileName(QWidget*, const FileRequest&) override {
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    void message(QWidget*, const QString&, const QString& text) override { messages << text; }
    int question(QWidget* parent, const QString& caption, const QString& text, const QStringList& buttons,
                 int defaultButton, int escapeButton) override {
        questions << text;
        if (onQuestion) {
            return onQuestion(parent, caption, text, buttons, defaultButton, escapeButton);
        }
        return acceptQuestions ? static_cast<int>(buttons.size()) - 1 : defaultButton;
    }
    int exec(QDialog& dialog) override { return onExec ? onExec(dialog) : runScripted(dialog); }
    // a script never starts a browser: the help shows in the program's own window
    bool openUrl(const QUrl&) override { return false; }

    QStringList files;
    QStringList messages;
    QStringList questions;
    bool acceptQuestions = true;  // the last button ("Принять") rather than the default
    std::function<int(QWidget*, const QString&, const QString&, const QStringList&, int, int)> onQuestion;
    std::function<int(QDialog&)> onExec;  // instead of the above for every window
};

}  // namespace fundis
