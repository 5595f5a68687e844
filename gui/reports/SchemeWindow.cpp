#include "gui/reports/SchemeWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/reports/PrintedReport.h"
#include "core/reports/SchemeDrawing.h"
#include "gui/reports/Printing.h"
#include "gui/reports/QPainterCanvas.h"

namespace fundis {

namespace {

constexpr int kScreenUnit = 33;
constexpr double kZoomStep = 1.25;
constexpr double kSmallestZoom = 0.1;
constexpr double kLargestZoom = 8.0;
constexpr int kMargin = 16;

class PaintBox : public QWidget {
  public:
    PaintBox(SchemeWindow& form, QWidget* parent) : QWidget(parent), form_(form) {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

  protected:
    void paintEvent(QPaintEvent*) override { form_.PaintBox1Paint(*this); }

  private:
    SchemeWindow& form_;
};

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

SchemeWindow::SchemeWindow(QWidget* parent, const fundis::ReportContext& context, QPrinter& printer,
                           const QString& dataDir)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      data_(context.data ? *context.data : fundis::ProjectRecord{}),
      context_(context),
      printer_(printer),
      dataDir_(dataDir) {
    setObjectName(QStringLiteral("SchemeWindow"));
    context_.data = &data_;
    setWindowTitle(QStringLiteral("Схема фундамента"));
    fundis::installFontSubstitutes();
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Base);
    ScrollBox1->setAlignment(Qt::AlignCenter);
    PaintBox1 = new PaintBox(*this, ScrollBox1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setFont(windowFont);
    ScrollBox1->setWidget(PaintBox1);
    ScrollBox1->viewport()->installEventFilter(this);

    Button1 = makeButton(QStringLiteral("Печать"), this);
    Button2 = makeButton(QStringLiteral("Закрыть"), this);
    ZoomOut = makeButton(QStringLiteral("−"), this);
    ZoomOut->setToolTip(QStringLiteral("Уменьшить (Ctrl+минус, Ctrl+колесо мыши)"));
    ZoomIn = makeButton(QStringLiteral("+"), this);
    ZoomIn->setToolTip(QStringLiteral("Увеличить (Ctrl+плюс, Ctrl+колесо мыши)"));
    ActualSize = makeButton(QStringLiteral("100 %"), this);
    ActualSize->setToolTip(QStringLiteral("Масштаб из настроек (Ctrl+0)"));
    FitToWindow = makeButton(QStringLiteral("По размеру окна"), this);
    FitToWindow->setToolTip(QStringLiteral("Схема целиком в окне (Ctrl+9)"));
    ZoomLabel = new QLabel(this);
    ZoomLabel->setMinimumWidth(ZoomLabel->fontMetrics().horizontalAdvance(QStringLiteral("800 %")) + 8);
    for (QPushButton* button : {ZoomOut, ZoomIn}) {
        button->setFixedWidth(button->sizeHint().height() + 8);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addSpacing(24);
    buttons->addWidget(ZoomOut);
    buttons->addWidget(ZoomLabel);
    buttons->addWidget(ZoomIn);
    buttons->addWidget(ActualSize);
    buttons->addWidget(FitToWindow);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(ScrollBox1, 1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(ZoomIn, &QPushButton::clicked, this, [this] { zoomBy(kZoomStep); });
    connect(ZoomOut, &QPushButton::clicked, this, [this] { zoomBy(1 / kZoomStep); });
    connect(ActualSize, &QPushButton::clicked, this, [this] { setZoom(1.0); });
    connect(FitToWindow, &QPushButton::clicked, this, [this] { fitToWindow(); });
    const auto shortcut = [this](const QKeySequence& keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence::ZoomIn, [this] { zoomBy(kZoomStep); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomBy(kZoomStep); });
    shortcut(QKeySequence::ZoomOut, [this] { zoomBy(1 / kZoomStep); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_9), [this] { fitToWindow(); });

    // what the drawing covers at zoom 1, from a first drawing into a picture
    extent_ = fundis::schemeBounds(context_, kScreenUnit, windowFont).united(QRect(0, 0, 1, 1));
    extent_.setTopLeft(QPoint(0, 0));

    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1100, available.width() * 4 / 5), std::min(800, available.height() * 4 / 5));
    setZoom(1.0);
}

void SchemeWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    const QSize size(static_cast<int>(std::ceil((extent_.width() + kMargin) * zoom_)),
                     static_cast<int>(std::ceil((extent_.height() + kMargin) * zoom_)));
    PaintBox1->setFixedSize(size);
    ZoomLabel->setText(QStringLiteral("%1 %").arg(std::lround(zoom_ * 100)));
    PaintBox1->update();
}

void SchemeWindow::fitToWindow() {
    // the room without scroll bars: the fitted drawing needs none
    const QSize room = ScrollBox1->maximumViewportSize() - QSize(2, 2);
    const double across = room.width() / static_cast<double>(extent_.width() + kMargin);
    const double down = room.height() / static_cast<double>(extent_.height() + kMargin);
    setZoom(std::min(across, down));
}

void SchemeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!fitted_) {
        fitted_ = true;
        fitToWindow();
    }
}

bool SchemeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() != 0) {
                zoomBy(wheel->angleDelta().y() > 0 ? kZoomStep : 1 / kZoomStep);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SchemeWindow::PaintBox1Paint(QWidget& target) {
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing, zoom_ < 1.0);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom_, zoom_);
    fundis::QPainterCanvas canvas(painter);
    fundis::DrawFoundationScheme(canvas, kScreenUnit, data_, context_.schemeScale, context_.decimalSeparator);
}

void SchemeWindow::Button1Click() {
    fundis::printPages(this, {fundis::DrawReportSchemePage}, context_, printer_, dataDir_);
}

void SchemeWindow::Button2Click() { close(); }

}  // namespace fundis
