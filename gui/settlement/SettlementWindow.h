// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window "Расчет осадки": the soil layers from the natural relief down and the limit settlement
// on the left, the picture of the method on the right, the report block under them. It edits a
// copy of the project's settlement inputs; the main window takes them back with inputs() once
// inputsEdited() has told it that the user changed something.

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "core/model/ProjectRecord.h"
#include "core/model/ReportLine.h"
#include "core/reports/ReportContext.h"
#include "core/settlement/SettlementInput.h"
#include "core/settlement/SettlementPass.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;
class QTextEdit;

namespace fundis {

class SettlementWindow : public QDialog {
    Q_OBJECT

  public:
    // `design` is the documents' context of the last calculation, null when there is none; the window
    // keeps a copy of its design.
    SettlementWindow(QWidget* parent, const fundis::SettlementInputs& inputs,
                     const fundis::ReportContext* design, char decimalSeparator, QPrinter& printer,
                     QString dataDir);

    // As the table holds them: texts as typed, empty rows as empty texts; the typed su is kept
    // whichever building type is chosen.
    fundis::SettlementInputs inputs() const;
    // The last calculation, whatever came of it; none before the first one and after any edit, so
    // that a result always belongs to inputs().
    const std::optional<fundis::SettlementPass>& result() const { return result_; }
    // The lines of the report pane as shown, red lines marked.
    std::vector<fundis::ReportLine> reportLines() const;

    void calculate();  // "Рассчитать"
    // The design is the last calculation's, but the inputs have changed since: the window says so
    // above everything else and before the report of every settlement computed on it.
    void markDesignOutOfDate();
    // Shows a settlement computed elsewhere for these very inputs (the main window's last one).
    void showResult(const fundis::SettlementPass& pass);
    void print();     // "Печать": the settlement page on the printer, or into a PDF file
    void addLayer();  // an empty row after the current one
    void removeLayer();
    void moveLayer(int step);  // -1: up, +1: down

    // Paints the picture of the last result on `target`, fitted to its size.
    void paintPicture(QWidget& target);

  public slots:
    void done(int result) override;

  protected:
    void changeEvent(QEvent* event) override;

  signals:
    void inputsEdited();  // a cell, a row, the building type or su changed by the user
    void calculated();    // result() holds a new calculation

  private:
    void buildControls();
    void buildLayout();
    void insertLayer(int row);  // an empty row at `row`; the current cell stays where it was
    void setRow(int row, const fundis::SoilLayerTexts& texts);
    void updateRowButtons();
    void showBuildingType(int item);
    void markBadCells(const std::vector<fundis::BadCell>& cells);
    void clearMarks();
    void commitTypedCell();
    void edited();
    void showCurrentResult();
    // The inputs' column and su's edit as wide as the font needs.
    void fitToFont();

    QTableWidget* layersTable_ = nullptr;
    QPushButton* addLayerButton_ = nullptr;
    QPushButton* removeLayerButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QComboBox* typeCombo_ = nullptr;
    QLineEdit* suEdit_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QLabel* resultLabel_ = nullptr;  // s against su beside "Рассчитать"
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QTextEdit* reportPane_ = nullptr;
    QWidget* picture_ = nullptr;

    std::optional<fundis::ReportContext> design_;  // pointing at the copies below
    fundis::ProjectRecord designInputs_;
    fundis::CalculationResult designResult_;
    char separator_;
    QPrinter& printer_;
    QString dataDir_;
    int buildingType_ = 0;  // as read, until the user picks another: an index out of range stays
    QString typedSu_;
    std::optional<fundis::SettlementPass> result_;
    bool filling_ = false;  // the window itself writes to its controls
    bool designOutOfDate_ = false;
    QLabel* designNotice_ = nullptr;   // no design to stand on, or an out-of-date one
    QWidget* inputsColumn_ = nullptr;  // the layers, the limit and "Рассчитать", left of the picture
};

}  // namespace fundis
