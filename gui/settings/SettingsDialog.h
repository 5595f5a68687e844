#pragma once

// "Настройка": the six settings, kp.ini, and the folder chooser for the two folders.

#include <QDialog>

#include "core/model/Status.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
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
    void showTexts(const fundis::SettingsTexts& texts);

    QCheckBox* CheckBox1 = nullptr;  // "Отладка"
    QCheckBox* CheckBox2 = nullptr;  // "Панель инструментов"
    QLineEdit* Edit1 = nullptr;      // iterations
    QLineEdit* Edit2 = nullptr;      // data folder
    QLineEdit* Edit3 = nullptr;      // scheme scale
    QLineEdit* Edit4 = nullptr;      // program folder
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;

    bool programFolderMarked() const { return programFolderMark_; }
    bool dataFolderMarked() const { return dataFolderMark_; }
    // The folder the chooser points at.
    QString chosenFolder() const;
    // Points the folder list at `folder` (on its volume) and the drive list at that volume.
    void pointFolderList(const QString& folder);

    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void DriveComboBox1Change(int index);
    void FormClose();

  signals:
    // After save: the toolbar's visibility, the file dialogs' folder and the progress maximum
    // follow at once.
    void settingsSaved(const QString& dialogFolder, int progressMaximum);
    // After cancel: the values were read from the file again.
    void settingsReloaded();

  public:
    void done(int result) override;

  private:
    void fillVolumes();
    void showChooser(bool shown);
    void fitToControls();
    int volumeIndexOf(const QString& path) const;

    fundis::Settings* settings_ = nullptr;
    QString settingsPath_;
    QFileSystemModel* folders_ = nullptr;
    bool programFolderMark_ = false;
    bool dataFolderMark_ = false;
};

}  // namespace fundis
