// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialogs that answer by a script instead of waiting for a click: the tools drive the real windows
// with them, and the window tests answer every modal dialog with them. A file dialog returns the next
// prepared name, the input dialog is confirmed with its own OK, a question takes the next prepared
// answer (or, with none left, its default or last button), messages and shown windows are kept.

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

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
    QString fileName(QWidget*, const FileRequest& request) override {
        requests.push_back(request);
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    void message(QWidget*, const QString&, const QString& text) override { messages << text; }
    int question(QWidget* parent, const QString& caption, const QString& text, const QStringList& buttons,
                 int defaultButton, int escapeButton) override {
        questions << text;
        if (onQuestion) {
            return onQuestion(parent, caption, text, buttons, defaultButton, escapeButton);
        }
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return acceptQuestions ? static_cast<int>(buttons.size()) - 1 : defaultButton;
    }
    int exec(QDialog& dialog) override {
        shown << dialog.objectName();
        return onExec ? onExec(dialog) : runScripted(dialog);
    }
    // a script never starts a browser unless told to: the help shows in the program's own window
    bool openUrl(const QUrl& url) override {
        opened << url;
        return browserAvailable;
    }

    QStringList files;             // names the file dialogs return, in order; none: cancelled
    std::deque<int> answers;       // answers to the questions, in order; none: as below
    bool acceptQuestions = false;  // with no answer left: the last button ("Принять"), or the default
    std::function<int(QWidget*, const QString&, const QString&, const QStringList&, int, int)> onQuestion;
    std::function<int(QDialog&)> onExec;  // instead of the above for every window
    std::vector<FileRequest> requests;
    QStringList messages;
    QStringList questions;
    QStringList shown;   // object names of the windows shown modally
    QList<QUrl> opened;  // pages handed to the desktop's browser
    bool browserAvailable = false;
};

}  // namespace fundis
