#pragma once

// "Ввод исходных данных": the four tabs whose controls are the project's persistent form. OK turns
// them into the record.

#include <QDialog>
#include <array>
#include <string>

#include "core/model/ProjectForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
namespace fundis {

class FoundationPicture;

class InputDialog : public QDialog {
    Q_OBJECT
  public:
    explicit InputDialog(QWidget* parent = nullptr);

    // The folder of Rb.dat and table3.dat, which OK reads.
    void setTablesFolder(const std::string& folder);
    // Where the user sets that folder, for messages about a table.
    static QString tablesFolderHint();

    fundis::ProjectForm toForm() const;
    // Selections are set as the program sets them, without the change handlers; the edits' texts
    // do run Edit26's.
    void fromForm(const fundis::ProjectForm& form);
    // The four visibility rules on the present state, as after reading a file.
    void applyVisibilityRules();
    // The first item of all nine combo boxes, without the change handlers.
    void selectFirstItems();

    QLineEdit* edit(int number) const { return edits_.at(number - 1); }
    QComboBox* comboBox(int number) const { return combos_.at(number - 1); }

    QTabWidget* PageControl1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "К-т надежн. 1.1"
    QPushButton* OKButton = nullptr;

    // labels that the visibility rules show and hide with their controls
    QLabel* LabelFloor = nullptr;
    QLabel* LabelTemperature = nullptr;
    QLabel* LabelMt = nullptr;
    QLabel* LabelOverhang = nullptr;
    QLabel* LabelOverhangValue = nullptr;
    QLabel* LabelLH = nullptr;
    QLabel* LabelLHValue = nullptr;
    QLabel* LabelFrostSoil = nullptr;

    void ComboBox4Change();
    void ComboBox6Change();
    void ComboBox7Change();
    void Edit26Change();
    void Button1Click();
    // Lists the fields that are not numbers as typed and asks whether to go back; true to go on.
    bool confirmUnreadableEdits();
    void OKButtonClick();

  signals:
    // The user changed a field, a list or the check box.
    void formEdited();

  private:
    QWidget* buildBuildingTab();
    QWidget* buildLoadsTab();
    QWidget* buildSoilTab();
    QWidget* buildFoundationTab();
    QLineEdit* makeEdit(int number, QWidget* parent, const QRect& place, const QString& hint);
    QComboBox* makeCombo(int number, QWidget* parent, const QRect& place);
    void editTyped(QLineEdit* edit);

    std::array<QLineEdit*, fundis::kEditCount> edits_{};
    std::array<QComboBox*, fundis::kComboCount> combos_{};
    FoundationPicture* picture_ = nullptr;
    std::string tablesFolder_;
};

}  // namespace fundis
