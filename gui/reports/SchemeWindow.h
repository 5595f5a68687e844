#pragma once

// The scheme window "Схема фундамента": the scheme at the scale of the settings, in a normal
// window that can be moved, resized and maximised; it opens with the drawing fitted to the window,
// zooms (Ctrl+wheel, Ctrl+plus/minus, "100 %", "По размеру окна") and scrolls. "Печать" and
// "Закрыть" stand at the lower left.

#include <QDialog>
#include <QRect>
#include <QString>

#include "core/model/ProjectRecord.h"
#include "core/reports/ReportContext.h"

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QWidget;

namespace fundis {

class SchemeWindow : public QDialog {
    Q_OBJECT

  public:
    SchemeWindow(QWidget* parent, const fundis::ReportContext& context, QPrinter& printer,
                 const QString& dataDir);

    QScrollArea* ScrollBox1 = nullptr;
    QWidget* PaintBox1 = nullptr;    // the drawing, as large as the zoom makes it
    QPushButton* Button1 = nullptr;  // "Печать"
    QPushButton* Button2 = nullptr;  // "Закрыть"
    QPushButton* ZoomOut = nullptr;
    QPushButton* ZoomIn = nullptr;
    QPushButton* ActualSize = nullptr;  // "100 %": the scale of the settings on the screen
    QPushButton* FitToWindow = nullptr;
    QLabel* ZoomLabel = nullptr;

    // 1 is the scale of the settings at the screen's unit of 33 pixels.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomBy(double factor) { setZoom(zoom_ * factor); }
    void fitToWindow();

    void PaintBox1Paint(QWidget& target);
    void Button1Click();
    void Button2Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    fundis::ProjectRecord data_;  // a copy: the window draws what the record held when it opened
    fundis::ReportContext context_;
    QPrinter& printer_;
    QString dataDir_;
    QRect extent_;  // what the drawing covers at zoom 1
    double zoom_ = 1.0;
    bool fitted_ = false;
};

}  // namespace fundis
