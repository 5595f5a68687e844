// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The project the main window works on: its .dan file's name, whether it has unsaved changes, the
// recent files, the settlement inputs kept in the file, and its life: new, open, save, save as, and
// the question before unsaved changes are lost. The design inputs themselves are the input dialog's.

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "core/model/Status.h"
#include "core/settlement/SettlementInput.h"

class QWidget;

namespace fundis {

class InputDialog;

class ProjectDocument : public QObject {
    Q_OBJECT
  public:
    // `window` is where the file dialogs and messages appear; the window owns the document as a member.
    explicit ProjectDocument(QWidget* window);

    // The dialog whose form is the project's design inputs.
    void attachInput(InputDialog* input) { input_ = input; }

    // The file's path, or "Без имени" before the project has one.
    const QString& fileName() const { return fileName_; }
    bool untitled() const;
    // The name the title bar and the question show: the file's name without its folder.
    QString shownName() const;
    bool hasUnsavedChanges() const { return modified_; }
    void setModified(bool modified);

    const std::vector<std::string>& recentFiles() const { return recentFiles_; }
    // The list kept beside kp.ini, read at the window's first activation.
    void loadRecentFiles();

    // The soil layers and limit settlement, which the settlement window edits.
    const SettlementInputs& settlementInputs() const { return settlementInputs_; }
    void setSettlementInputs(const SettlementInputs& inputs);
    // Why the settlement part of the opened file could not be read (true: it was, or there was none).
    const Status& settlementPartRead() const { return settlementPartRead_; }

    // The folder the file dialogs start in (the data folder of the settings).
    void setDialogFolder(const QString& folder) { dialogFolder_ = folder; }
    const QString& dialogFolder() const { return dialogFolder_; }
    // The data folder when it is there, the home folder otherwise.
    QString startFolder() const;

    // Asks whether to save the changes, when there are any; false when the user cancels.
    bool maybeSaveChanges();
    // Reads `path` into the input dialog and the settlement inputs; a file that cannot be read is
    // named in a message and leaves everything as it was (false).
    bool open(const QString& path);
    // Asks for a .dan file to open after the question about unsaved changes; false when cancelled.
    bool chooseAndOpen();
    // Writes to the project's file, asking a name when it has none; false when not written.
    bool save();
    // Asks a name and writes there; false when cancelled or not written.
    bool saveAs();
    // Default inputs, no file, after the question; false when the user cancels.
    bool startNew();
    // An untitled project without the question (the window's first activation).
    void setUntitled();

  signals:
    void fileNameChanged(const QString& fileName);
    void modifiedChanged(bool modified);
    void recentFilesChanged();
    // A project was opened or started anew: what was calculated for the one before is gone.
    void replaced();
    // The inputs were written under fileName().
    void saved();

  private:
    bool saveTo(const QString& name);
    void setFileName(const QString& name);
    void setRecentFiles(std::vector<std::string> files);

    QWidget* window_;
    InputDialog* input_ = nullptr;
    QString fileName_;
    QString proposedSaveName_;
    QString dialogFolder_;
    bool modified_ = false;
    std::vector<std::string> recentFiles_;
    SettlementInputs settlementInputs_;
    Status settlementPartRead_;
};

}  // namespace fundis
