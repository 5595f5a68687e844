// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything modal the program shows goes through one object: file dialogs, message boxes,
// questions and the modal showing of its own windows. Tests replace it, so that no box waits for
// a click that never comes.

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

class QDialog;
class QMessageBox;
class QUrl;
class QWidget;

namespace fundis {

struct FileRequest {
    QString title;
    QString folder;        // where the dialog starts
    QString proposedName;  // a name to offer (a previous choice or the project's name), or empty
    QStringList filters;   // "Данные       (*.dan)" ...
    QString defaultSuffix;
    bool save = false;  // a save dialog asks before replacing a file
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The chosen file, empty when cancelled.
    virtual QString fileName(QWidget* parent, const FileRequest& request);
    // A warning with an OK button; `parent` may be null (a box without an owner window).
    virtual void message(QWidget* parent, const QString& caption, const QString& text);
    // A question with buttons of the given texts: the index of the one pressed, or `escapeButton`
    // when the box is closed.
    virtual int question(QWidget* parent, const QString& caption, const QString& text,
                         const QStringList& buttons, int defaultButton, int escapeButton);
    // Shows one of the program's windows (or a print dialog) modally; its result.
    virtual int exec(QDialog& dialog);
    // Hands a page to the desktop's browser; false when there is none to take it.
    virtual bool openUrl(const QUrl& url);
};

// The dialogs in use.
Dialogs& dialogs();
// Puts `replacement` in place (null: the standard ones again) and returns the one it replaces.
Dialogs* setDialogs(Dialogs* replacement);

// The box `Dialogs::question` shows, made but not yet shown.
std::unique_ptr<QMessageBox> makeQuestionBox(QWidget* parent, const QString& caption, const QString& text,
                                             const QStringList& buttons, int defaultButton, int escapeButton);

// A core message, written as a clause ("не удалось сохранить файл «…»: …"), as the first sentence
// of a box: the first letter capitalized.
QString sentence(const std::string& message);

inline void showMessage(QWidget* parent, const QString& caption, const QString& text) {
    dialogs().message(parent, caption, text);
}

}  // namespace fundis
