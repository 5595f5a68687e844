#pragma once

// The scheme window "Схема фундамента": the scheme drawn on the whole screen, with "Печать" and
// "Закрыть" at the lower left.

#include <QDialog>
#include <QString>

#include "model/ProjectData.h"
#include "reports/ReportContext.h"

class QPrinter;
class QPushButton;
class QWidget;

class TForm4 : public QDialog {
    Q_OBJECT

  public:
    TForm4(QWidget* parent, const fundis::ReportContext& context, QPrinter& printer, const QString& dataDir);

    QWidget* PaintBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Печать"
    QPushButton* Button2 = nullptr;  // "Закрыть"

    void PaintBox1Paint(QWidget& target);
    void Button1Click();
    void Button2Click();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeControls();

    fundis::TProjectData data_;  // a copy: the window draws what the record held when it opened
    fundis::ReportContext context_;
    QPrinter& printer_;
    QString dataDir_;
};
