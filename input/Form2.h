#pragma once

// "Ввод исходных данных": the four tabs whose controls are the project's persistent form. OK turns
// them into the record.

#include <QDialog>
#include <array>

#include "input/ProjectForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class FoundationPicture;

namespace fundis {
struct Settings;
struct TProjectData;
}  // namespace fundis

class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent = nullptr);

    // The record OK fills, and the settings it reads the tables' folder from and whose
    // `iterations` it raises from 0 to 1.
    void attach(fundis::TProjectData* record, fundis::Settings* settings);

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
    void OKButtonClick();

  private:
    QWidget* buildBuildingTab();
    QWidget* buildLoadsTab();
    QWidget* buildSoilTab();
    QWidget* buildFoundationTab();
    QLineEdit* makeEdit(int number, QWidget* parent, const QRect& place, const QString& hint);
    QComboBox* makeCombo(int number, QWidget* parent, const QRect& place, const QStringList& items);

    std::array<QLineEdit*, fundis::kEditCount> edits_{};
    std::array<QComboBox*, fundis::kComboCount> combos_{};
    FoundationPicture* picture_ = nullptr;
    fundis::TProjectData* record_ = nullptr;
    fundis::Settings* settings_ = nullptr;
};

extern TForm2* Form2;
