#include "reports/ui/Form4.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include "reports/ui/QPainterCanvas.h"
#include "reports/PrintedReport.h"
#include "reports/ui/Printing.h"
#include "reports/SchemeDrawing.h"

namespace {

// The design client area is 698 x 529 with the buttons 33 pixels above its bottom edge.
constexpr int kButtonsFromBottom = 529 - 496;
constexpr int kScreenUnit = 33;

class PaintBox : public QWidget {
  public:
    PaintBox(TForm4& form, QWidget* parent) : QWidget(parent), form_(form) {}

  protected:
    void paintEvent(QPaintEvent*) override { form_.PaintBox1Paint(*this); }

  private:
    TForm4& form_;
};

}  // namespace

TForm4::TForm4(QWidget* parent, const fundis::ReportContext& context, QPrinter& printer,
               const QString& dataDir)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      data_(context.data ? *context.data : fundis::TProjectData{}),
      context_(context),
      printer_(printer),
      dataDir_(dataDir) {
    context_.data = &data_;
    setWindowTitle(QStringLiteral("Схема фундамента"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    fundis::installFontSubstitutes();
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8);
    setFont(windowFont);

    PaintBox1 = new PaintBox(*this, this);
    Button1 = new QPushButton(QStringLiteral("Печать"), this);
    Button2 = new QPushButton(QStringLiteral("Закрыть"), this);
    for (QPushButton* button : {Button1, Button2}) {
        button->setFixedSize(75, 25);
        button->setAutoDefault(false);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    resize(698, 529);
    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    placeControls();
}

void TForm4::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeControls();
}

void TForm4::placeControls() {
    PaintBox1->setGeometry(rect());
    // anchored to the lower left
    Button1->move(337, height() - kButtonsFromBottom);
    Button2->move(424, height() - kButtonsFromBottom);
}

void TForm4::PaintBox1Paint(QWidget& target) {
    QPainter painter(&target);
    fundis::QPainterCanvas canvas(painter);
    fundis::DrawFoundationScheme(canvas, kScreenUnit, data_, context_.schemeScale, context_.decimalSeparator);
}

void TForm4::Button1Click() { fundis::printPages(this, {fundis::DrawReportSchemePage}, context_, printer_, dataDir_); }

void TForm4::Button2Click() { close(); }
