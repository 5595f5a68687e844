// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reports/SchemeWindow.h"

#include <QFontMetrics>
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
#include <functional>
#include <utility>

#include "core/reports/PrintedReport.h"
#include "core/reports/SchemeDrawing.h"
#include "gui/reports/Printing.h"
#include "gui/reports/QPainterCanvas.h"

namespace fundis {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kSmallestZoom = 0.1;
constexpr double kLargestZoom = 8.0;
constexpr int kMargin = 16;

// The drawing's widget: white, painted by the window.
class Drawing : public QWidget {
  public:
    Drawing(std::function<void(QPainter&)> paint, QWidget* parent)
        : QWidget(parent), paint_(std::move(paint)) {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter);
    }

  private:
    std::function<void(QPainter&)> paint_;
};

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

SchemeWindow::SchemeWindow(QWidget* parent, const fundis::ReportContext& context, QPrinter& printer,
                           QString dataDir)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      inputs_(fundis::shownDesign(context).inputs),
      result_(fundis::shownDesign(context).result),
      quantities_(fundis::shownQuantities(context)),
      context_(context),
      printer_(printer),
      dataDir_(std::move(dataDir)) {
    setObjectName(QStringLiteral("SchemeWindow"));
    context_.inputs = &inputs_;
    context_.result = &result_;
    context_.quantities = &quantities_;
    setWindowTitle(QStringLiteral("Схема фундамента"));
    fundis::installFontSubstitutes();
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8);

    view_ = new QScrollArea(this);
    view_->setObjectName(QStringLiteral("schemeView"));
    view_->setBackgroundRole(QPalette::Base);
    view_->setAlignment(Qt::AlignCenter);
    drawing_ = new Drawing([this](QPainter& painter) { paintDrawing(painter); }, view_);
    drawing_->setObjectName(QStringLiteral("schemeDrawing"));
    drawing_->setFont(windowFont);
    view_->setWidget(drawing_);
    view_->viewport()->installEventFilter(this);

    printButton_ = makeButton(QStringLiteral("Печать"), "printButton", this);
    closeButton_ = makeButton(QStringLiteral("Закрыть"), "closeButton", this);
    zoomOutButton_ = makeButton(QStringLiteral("−"), "zoomOutButton", this);
    zoomOutButton_->setToolTip(QStringLiteral("Уменьшить (Ctrl+минус, Ctrl+колесо мыши)"));
    zoomInButton_ = makeButton(QStringLiteral("+"), "zoomInButton", this);
    zoomInButton_->setToolTip(QStringLiteral("Увеличить (Ctrl+плюс, Ctrl+колесо мыши)"));
    actualSizeButton_ = makeButton(QStringLiteral("100 %"), "actualSizeButton", this);
    actualSizeButton_->setToolTip(QStringLiteral("Масштаб из настроек (Ctrl+0)"));
    fitButton_ = makeButton(QStringLiteral("По размеру окна"), "fitButton", this);
    fitButton_->setToolTip(QStringLiteral("Схема целиком в окне (Ctrl+9)"));
    zoomLabel_ = new QLabel(this);
    zoomLabel_->setObjectName(QStringLiteral("zoomLabel"));
    zoomLabel_->setMinimumWidth(zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("800 %")) + 8);
    for (QPushButton* button : {zoomOutButton_, zoomInButton_}) {
        button->setFixedWidth(button->sizeHint().height() + 8);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);
    buttons->addSpacing(24);
    buttons->addWidget(zoomOutButton_);
    buttons->addWidget(zoomLabel_);
    buttons->addWidget(zoomInButton_);
    buttons->addWidget(actualSizeButton_);
    buttons->addWidget(fitButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);

    connect(printButton_, &QPushButton::clicked, this, [this] { print(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { close(); });
    connect(zoomInButton_, &QPushButton::clicked, this, [this] { zoomBy(kZoomStep); });
    connect(zoomOutButton_, &QPushButton::clicked, this, [this] { zoomBy(1 / kZoomStep); });
    connect(actualSizeButton_, &QPushButton::clicked, this, [this] { setZoom(1.0); });
    connect(fitButton_, &QPushButton::clicked, this, [this] { fitToWindow(); });
    const auto shortcut = [this](const QKeySequence& keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence::ZoomIn, [this] { zoomBy(kZoomStep); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomBy(kZoomStep); });
    shortcut(QKeySequence::ZoomOut, [this] { zoomBy(1 / kZoomStep); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_9), [this] { fitToWindow(); });

    // what the drawing covers at zoom 1, from a first drawing into a picture
    extent_ =
        fundis::schemeBounds(context_, fundis::kScreenSchemeUnit, windowFont, true).united(QRect(0, 0, 1, 1));
    extent_.setTopLeft(QPoint(0, 0));
    // a picture's bounds may end at the last text's baseline: room for its descent
    extent_.setHeight(extent_.height() + 2 * QFontMetrics(windowFont).height());

    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1100, available.width() * 4 / 5), std::min(800, available.height() * 4 / 5));
    setZoom(1.0);
}

void SchemeWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    const QSize size(static_cast<int>(std::ceil((extent_.width() + kMargin) * zoom_)),
                     static_cast<int>(std::ceil((extent_.height() + kMargin) * zoom_)));
    drawing_->setFixedSize(size);
    zoomLabel_->setText(QStringLiteral("%1 %").arg(std::lround(zoom_ * 100)));
    drawing_->update();
}

void SchemeWindow::fitToWindow() {
    // the room without scroll bars: the fitted drawing needs none
    const QSize room = view_->maximumViewportSize() - QSize(2, 2);
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
    if (watched == view_->viewport() && event->type() == QEvent::Wheel) {
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

void SchemeWindow::drawScheme(fundis::Canvas& canvas) const {
    // the window shows the sheet with its tables: the bars and the bill of materials too
    fundis::DrawSchemeDocument(canvas, fundis::kScreenSchemeUnit, context_, context_.schemeScale, {}, true);
}

void SchemeWindow::paintDrawing(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, zoom_ < 1.0);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom_, zoom_);
    fundis::QPainterCanvas canvas(painter);
    drawScheme(canvas);
}

void SchemeWindow::print() {
    fundis::printPages(this, {fundis::DrawReportSchemePage}, context_, printer_, dataDir_);
}

}  // namespace fundis
