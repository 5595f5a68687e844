// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Ввод исходных данных": the four tabs whose controls are the project's persistent form. OK turns
// them into the record; "Отмена", Esc and the window's close box put the controls back as they were
// when the dialog opened. Each control is named (objectName) by its field of the form's table.

#include <QDialog>
#include <array>
#include <string>
#include <utility>
#include <vector>

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
    // Where the user sets that folder, for messages about a table.
    static QString tablesFolderHint();
    // The concrete classes k1.dat has columns for: with its step method no other is offered.
    void offerK1Classes(int count);

    // What the controls hold now.
    fundis::ProjectForm form() const;
    // Selections are set as the program sets them, without the change handlers; the texts do run
    // the depth's.
    void setForm(const fundis::ProjectForm& form);
    // The four visibility rules on the present state, as after reading a file.
    void applyVisibilityRules();
    // The first item of all nine lists, without the change handlers.
    void selectFirstItems();

    // "К-т надежн.": the I-group loads become γf times the II-group ones.
    void fillReliabilityFactor();
    // OK: asks about fields that are not numbers or break their rules (going back is the default),
    // then takes the form and closes.
    void confirmInput();
    // "Отмена", Esc and the close box: asks first when something was changed, then restores the
    // controls to their state when the dialog opened.
    void reject() override;

  signals:
    // The user changed a field, a list or the check box.
    void formEdited();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* buildBuildingTab();
    QWidget* buildLoadsTab();
    QWidget* buildSoilTab();
    QWidget* buildFoundationTab();
    // An edit `digits` digits wide in the dialog's font (0: placed by hand, on the picture).
    QLineEdit* makeEdit(TextField field, QWidget* parent, int digits, const QString& hint);
    QComboBox* makeList(ListField field, QWidget* parent);
    QLabel* makeLabel(QWidget* parent, const QString& text, const char* field = nullptr);
    // A label at its place on the picture.
    QLabel* placeLabel(QWidget* picture, const QString& text, int x, int y, const char* field = nullptr);
    // The laid-out edits as wide as their digits in the present font.
    void fitToFont();
    QLineEdit* edit(TextField field) const { return edits_[static_cast<std::size_t>(field)]; }
    QComboBox* list(ListField field) const { return lists_[static_cast<std::size_t>(field)]; }
    void editTyped(QLineEdit* edit);
    // the visibility rules, each on its control's change
    void overhangChoiceChanged();
    void schemeChanged();
    void ratioChoiceChanged();
    void depthChanged();
    // the concrete classes k1.dat has no columns for are not offered with its step method
    void stepMethodChanged();
    // Lists what OK would warn about and asks whether to go back; true to go on.
    bool confirmFieldsAsTyped();

    std::array<QLineEdit*, fundis::kTextFieldCount> edits_{};
    std::array<QComboBox*, fundis::kListFieldCount> lists_{};
    std::vector<std::pair<TextField, int>> fittedEdits_;  // laid-out edits and the digits they hold
    QCheckBox* craneAndWind_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPushButton* reliabilityButton_ = nullptr;  // "К-т надежн."
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    // labels that the visibility rules show and hide with their controls
    QLabel* floorTypeLabel_ = nullptr;
    QLabel* temperatureLabel_ = nullptr;
    QLabel* MtLabel_ = nullptr;
    QLabel* overhangChoiceLabel_ = nullptr;
    QLabel* overhangLabel_ = nullptr;
    QLabel* ratioChoiceLabel_ = nullptr;
    QLabel* ratioLabel_ = nullptr;
    QLabel* frostSoilLabel_ = nullptr;

    FoundationPicture* picture_ = nullptr;
    int k1Classes_ = 2;           // the concrete classes of k1.dat
    fundis::ProjectForm opened_;  // the controls when the dialog was last shown
};

}  // namespace fundis
