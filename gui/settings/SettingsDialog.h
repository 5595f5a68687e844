// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Настройка": the six settings, kp.ini, and the folder chooser for the two folders. Laid out
// with Qt layouts, so it follows the font and the screen's scale; the chooser opens beside the
// settings and the dialog grows to hold it.

#include <QDialog>

#include "core/model/Status.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace fundis {

struct Settings;
struct SettingsTexts;

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // The main window's settings values, which loading and saving change.
    void attach(fundis::Settings* settings);
    void setSettingsPath(const QString& path) { settingsPath_ = path; }
    const QString& settingsPath() const { return settingsPath_; }

    // The very first run: a settings file with working values, so the tables are found, and the
    // data folder made. Fails when the file had to be written and could not be.
    fundis::Status writeDefaultsIfMissing();

    // Reads the file into the main window's values and puts them into the controls.
    void loadSettings();

    // Points the folder list at `folder` (on its volume) and the volume list at that volume.
    void pointFolderList(const QString& folder);

    void done(int result) override;

  signals:
    // After save: the toolbar's visibility, the file dialogs' folder and the progress maximum
    // follow at once.
    void settingsSaved(const QString& dialogFolder);
    // After cancel: the values were read from the file again.
    void settingsReloaded();

  private:
    // Which folder the chooser fills when its OK is pressed.
    enum class ChoosingFor { nothing, programFolder, dataFolder };

    // "Сохранить настройки": checks the two numbers, writes kp.ini, the main window follows.
    void saveSettings();
    // "Отмена": the file's values back in the controls.
    void cancelChanges();
    // The "..." beside a folder: the chooser opens for that folder.
    void openChooser(ChoosingFor folder);
    // The chooser's OK: its folder into the edit it was opened for.
    void takeChosenFolder();
    void showVolume(int index);
    void closeChooser();

    void showTexts(const fundis::SettingsTexts& texts);
    // The folder the chooser points at.
    QString chosenFolder() const;
    void fillVolumes();
    // The edits' widths and the folder list's size in the dialog's font.
    void fitToFont();
    void changeEvent(QEvent* event) override;
    int volumeIndexOf(const QString& path) const;

    fundis::Settings* settings_ = nullptr;
    QString settingsPath_;
    ChoosingFor choosingFor_ = ChoosingFor::nothing;

    QCheckBox* debugBox_ = nullptr;    // "Отладка"
    QCheckBox* toolbarBox_ = nullptr;  // "Панель инструментов"
    std::string iterations_;           // kept as kp.ini holds it
    QLineEdit* scaleEdit_ = nullptr;
    QLineEdit* programFolderEdit_ = nullptr;
    QLineEdit* dataFolderEdit_ = nullptr;
    QPushButton* programFolderButton_ = nullptr;  // "..."
    QPushButton* dataFolderButton_ = nullptr;
    QGroupBox* chooser_ = nullptr;  // "Настройка местоположения"
    QFileSystemModel* folders_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QComboBox* volumeList_ = nullptr;
};

}  // namespace fundis
