// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scheme window "Схема фундамента": the scheme document of the last calculation (its
// out-of-date line and red lines above the drawing) at the scale of the settings, in a normal
// window that can be moved, resized and maximised; it opens with the drawing fitted to the window,
// zooms (Ctrl+wheel, Ctrl+plus/minus, "100 %", "По размеру окна") and scrolls. "Печать" and
// "Закрыть" stand at the lower left.

#include <QDialog>
#include <QRect>
#include <QString>

#include "core/model/ProjectRecord.h"
#include "core/reports/Canvas.h"
#include "core/reports/ReportContext.h"

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QScrollArea;
class QWidget;

namespace fundis {

class SchemeWindow : public QDialog {
    Q_OBJECT

  public:
    SchemeWindow(QWidget* parent, const fundis::ReportContext& context, QPrinter& printer, QString dataDir);

    // 1 is the scale of the settings at the screen's unit of 33 pixels.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomBy(double factor) { setZoom(zoom_ * factor); }
    void fitToWindow();

    // What the window shows, drawn on `canvas` at the screen's unit, before the zoom.
    void drawScheme(fundis::Canvas& canvas) const;
    // "Печать": the scheme page, as the printed report has it.
    void print();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void paintDrawing(QPainter& painter) const;

    // copies: the window draws the calculation it was opened with
    fundis::ProjectRecord inputs_;
    fundis::CalculationResult result_;
    fundis::BillOfMaterials quantities_;
    fundis::ReportContext context_;
    QPrinter& printer_;
    QString dataDir_;
    QRect extent_;  // what the drawing covers at zoom 1
    double zoom_ = 1.0;
    bool fitted_ = false;

    QScrollArea* view_ = nullptr;
    QWidget* drawing_ = nullptr;  // as large as the zoom makes it
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* zoomOutButton_ = nullptr;
    QPushButton* zoomInButton_ = nullptr;
    QPushButton* actualSizeButton_ = nullptr;  // "100 %": the scale of the settings on the screen
    QPushButton* fitButton_ = nullptr;         // "По размеру окна"
    QLabel* zoomLabel_ = nullptr;
};

}  // namespace fundis
