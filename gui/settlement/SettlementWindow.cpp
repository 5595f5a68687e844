// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settlement/SettlementWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <utility>

#include "core/model/NumberFormat.h"
#include "core/reports/SettlementPage.h"
#include "core/reports/SettlementPicture.h"
#include "gui/reports/Printing.h"
#include "gui/reports/QPainterCanvas.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ReportPane.h"

namespace fundis {

namespace {

using fundis::LayerColumn;

const QColor kBadCellColor(255, 205, 205);
const char* const kBadSuStyle = "QLineEdit { background-color: #ffcdcd; }";
constexpr LayerColumn kColumns[] = {LayerColumn::h, LayerColumn::gamma, LayerColumn::E};

// The layer table with the text being typed in a cell taken in before a calculation or closing:
// a click on "Рассчитать" must not leave the last number out. Tab in the last cell goes on to a new
// layer (or, with no room for one, out of the table) and Shift+Tab in the first cell out of the
// table, where a table would wrap round and the next keys would overwrite the other end.
class LayerTable : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

    // The cell after the last one: a new row's first cell, or an invalid index to leave the table.
    std::function<QModelIndex()> afterLastCell;

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex current = currentIndex();
        if (current.isValid() && action == MoveNext && current.row() == rowCount() - 1 &&
            current.column() == columnCount() - 1) {
            const QModelIndex next = afterLastCell ? afterLastCell() : QModelIndex();
            return next.isValid() ? next : current;  // the current one: the key leaves the table
        }
        if (current.isValid() && action == MovePrevious && current.row() == 0 && current.column() == 0) {
            return current;
        }
        return QTableWidget::moveCursor(action, modifiers);
    }

    void commitOpenEditor() {
        if (state() != EditingState) {
            return;
        }
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

class PictureView : public QFrame {
  public:
    PictureView(SettlementWindow& form, QWidget* parent) : QFrame(parent), form_(form) {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        setMinimumSize(320, 300);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        form_.paintPicture(*this);
        QFrame::paintEvent(event);
    }

  private:
    SettlementWindow& form_;
};

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text() : QString();
}

// An index read from a file outside the list counts as the typed value.
int comboItem(int buildingType) {
    return buildingType >= 0 && buildingType < fundis::kTypedSuItem ? buildingType : fundis::kTypedSuItem;
}

QString centimetres(double value, char separator) {
    std::string text = fundis::formatGeneral(value, 6);
    std::replace(text.begin(), text.end(), '.', separator);
    return QString::fromStdString(text);
}

}  // namespace

SettlementWindow::SettlementWindow(QWidget* parent, const fundis::SettlementInputs& inputs,
                                   const fundis::ReportContext* design, char decimalSeparator,
                                   QPrinter& printer, QString dataDir)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      separator_(decimalSeparator),
      printer_(printer),
      dataDir_(std::move(dataDir)),
      buildingType_(inputs.buildingType),
      typedSu_(QString::fromStdString(inputs.suText)) {
    if (design != nullptr && design->result != nullptr) {
        // the window keeps the design it was opened with, and its documents' context
        designInputs_ = fundis::shownDesign(*design).inputs;
        designResult_ = *design->result;
        design_ = *design;
        design_->inputs = &designInputs_;
        design_->result = &designResult_;
        design_->settlement = nullptr;
    }
    setObjectName(QStringLiteral("SettlementWindow"));
    setWindowTitle(QStringLiteral("Расчет осадки"));
    setFont(fundis::windowFont(12));
    buildControls();
    buildLayout();

    filling_ = true;
    layersTable_->setRowCount(static_cast<int>(inputs.layers.size()));
    for (int row = 0; row < layersTable_->rowCount(); ++row) {
        setRow(row, inputs.layers[static_cast<std::size_t>(row)]);
    }
    typeCombo_->setCurrentIndex(comboItem(buildingType_));
    filling_ = false;
    showBuildingType(comboItem(buildingType_));
    updateRowButtons();
    printButton_->setEnabled(false);

    // above everything else: the design the settlement stands on is not there, or not current
    designNotice_ = new QLabel(this);
    designNotice_->setObjectName(QStringLiteral("designNotice"));
    designNotice_->setWordWrap(true);
    designNotice_->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    static_cast<QBoxLayout*>(layout())->insertWidget(0, designNotice_);
    const bool notDesigned = design_ && !fundis::baseDesigned(*design_);
    designNotice_->setText(notDesigned ? QString::fromUtf8(fundis::kFoundationNotDesigned) : QString());
    designNotice_->setVisible(notDesigned);

    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(std::min(1120, available.width() * 9 / 10), std::min(900, available.height() * 9 / 10));
}

void SettlementWindow::buildControls() {
    auto* table = new LayerTable(0, 3, this);
    layersTable_ = table;
    layersTable_->setObjectName(QStringLiteral("layersTable"));
    QStringList headers;
    for (LayerColumn column : kColumns) {
        headers << QString::fromStdString(fundis::layerColumnName(column));
    }
    layersTable_->setHorizontalHeaderLabels(headers);
    layersTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layersTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    layersTable_->verticalHeader()->setDefaultSectionSize(layersTable_->fontMetrics().height() + 10);
    // four rows stay in sight however small the window
    layersTable_->setMinimumHeight(layersTable_->horizontalHeader()->sizeHint().height() +
                                   4 * layersTable_->verticalHeader()->defaultSectionSize() + 4);
    layersTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    layersTable_->setToolTip(QStringLiteral("Слои грунта по порядку от природного рельефа вниз"));
    connect(layersTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_) {
            return;
        }
        filling_ = true;
        item->setData(Qt::BackgroundRole, QVariant());
        item->setToolTip(QString());
        filling_ = false;
        edited();
    });
    connect(layersTable_, &QTableWidget::currentCellChanged, this, [this] { updateRowButtons(); });
    table->afterLastCell = [this, table] {
        if (layersTable_->rowCount() >= fundis::kMostLayers) {
            return QModelIndex();
        }
        // the view moves to it itself
        const int row = layersTable_->rowCount();
        insertLayer(row);
        return table->model()->index(row, 0);
    };

    addLayerButton_ = makeButton(QStringLiteral("Добавить слой"), "addLayerButton", this);
    addLayerButton_->setToolTip(QStringLiteral("Новый слой под выбранным"));
    removeLayerButton_ = makeButton(QStringLiteral("Удалить слой"), "removeLayerButton", this);
    upButton_ = makeButton(QStringLiteral("Выше"), "upButton", this);
    upButton_->setToolTip(QStringLiteral("Переставить выбранный слой на одну строку вверх"));
    downButton_ = makeButton(QStringLiteral("Ниже"), "downButton", this);
    downButton_->setToolTip(QStringLiteral("Переставить выбранный слой на одну строку вниз"));
    connect(addLayerButton_, &QPushButton::clicked, this, [this] { addLayer(); });
    connect(removeLayerButton_, &QPushButton::clicked, this, [this] { removeLayer(); });
    connect(upButton_, &QPushButton::clicked, this, [this] { moveLayer(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { moveLayer(1); });

    typeCombo_ = new QComboBox(this);
    typeCombo_->setObjectName(QStringLiteral("typeCombo"));
    for (const fundis::BuildingType& type : fundis::buildingTypes()) {
        QString text = QString::fromUtf8(type.name);
        if (type.suCm > 0) {
            text += QStringLiteral(" — %1 см").arg(centimetres(type.suCm, separator_));
        }
        typeCombo_->addItem(text);
        typeCombo_->setItemData(typeCombo_->count() - 1, text, Qt::ToolTipRole);
    }
    // the long names would widen the whole window: the list opens wider than the box instead
    typeCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    typeCombo_->setMinimumContentsLength(24);
    typeCombo_->view()->setMinimumWidth(typeCombo_->view()->sizeHintForColumn(0) + 24);
    connect(typeCombo_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (filling_ || item < 0) {
            return;
        }
        buildingType_ = item;
        showBuildingType(item);
        edited();
    });

    suEdit_ = new QLineEdit(this);
    suEdit_->setObjectName(QStringLiteral("suEdit"));
    suEdit_->setAlignment(Qt::AlignRight);
    connect(suEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        typedSu_ = text;
        suEdit_->setStyleSheet(QString());
        suEdit_->setToolTip(QString());
        edited();
    });

    calculateButton_ = makeButton(QStringLiteral("Рассчитать"), "calculateButton", this);
    calculateButton_->setDefault(true);
    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("resultLabel"));
    QFont bold = resultLabel_->font();
    bold.setBold(true);
    resultLabel_->setFont(bold);
    printButton_ = makeButton(QStringLiteral("Печать"), "printButton", this);
    printButton_->setToolTip(QStringLiteral("Лист расчета осадки на принтер или в PDF"));
    closeButton_ = makeButton(QStringLiteral("Закрыть"), "closeButton", this);
    connect(calculateButton_, &QPushButton::clicked, this, [this] { calculate(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { print(); });
    connect(closeButton_, &QPushButton::clicked, this, [this] { close(); });

    reportPane_ = new QTextEdit(this);
    reportPane_->setObjectName(QStringLiteral("reportPane"));
    reportPane_->setReadOnly(true);
    reportPane_->setAcceptRichText(false);
    reportPane_->setUndoRedoEnabled(false);
    reportPane_->setFont(fundis::windowFont(13));
    reportPane_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reportPane_->setPlaceholderText(
        QStringLiteral("Результаты расчета появятся здесь после нажатия «Рассчитать»."));
    reportPane_->setMinimumHeight(120);

    picture_ = new PictureView(*this, this);
    picture_->setObjectName(QStringLiteral("picture"));
}

void SettlementWindow::fitToFont() {
    suEdit_->setFixedWidth(suEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    // the table's columns and the building types; the picture takes the rest of the width
    inputsColumn_->setMinimumWidth(53 * fontMetrics().averageCharWidth());
}

void SettlementWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && inputsColumn_ != nullptr) {
        fitToFont();
    }
    QDialog::changeEvent(event);
}

void SettlementWindow::buildLayout() {
    auto* rowButtons = new QHBoxLayout;
    for (QPushButton* button : {addLayerButton_, removeLayerButton_, upButton_, downButton_}) {
        rowButtons->addWidget(button);
    }
    auto* note = new QLabel(
        QStringLiteral("Последний слой продолжается вниз без ограничения. Ниже уровня грунтовых вод "
                       "γ вводится с учетом взвешивающего действия воды."),
        this);
    note->setWordWrap(true);
    auto* layersBox = new QGroupBox(QStringLiteral("Слои грунта от природного рельефа вниз"), this);
    auto* layers = new QVBoxLayout(layersBox);
    layers->addWidget(layersTable_, 1);
    layers->addLayout(rowButtons);
    layers->addWidget(note);

    auto* suRow = new QHBoxLayout;
    suRow->addWidget(new QLabel(QStringLiteral("su ="), this));
    suRow->addWidget(suEdit_);
    suRow->addWidget(new QLabel(QStringLiteral("см"), this));
    suRow->addStretch(1);
    auto* limitBox = new QGroupBox(QStringLiteral("Предельная осадка su"), this);
    auto* limit = new QVBoxLayout(limitBox);
    limit->addWidget(new QLabel(QStringLiteral("Тип сооружения:"), this));
    limit->addWidget(typeCombo_);
    limit->addLayout(suRow);

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(layersBox, 1);
    left->addWidget(limitBox);
    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(calculateButton_);
    calculateRow->addSpacing(12);
    calculateRow->addWidget(resultLabel_, 1);
    left->addLayout(calculateRow);
    auto* inputs = new QWidget(this);
    inputs->setLayout(left);
    inputsColumn_ = inputs;
    fitToFont();

    auto* top = new QWidget(this);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(inputs);
    topLayout->addWidget(picture_, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(reportPane_);
    // the report under the picture shows its last lines, s against su, without scrolling
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({470, 390});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    setMinimumSize(780, 640);
}

void SettlementWindow::setRow(int row, const fundis::SoilLayerTexts& texts) {
    const std::string* cells[] = {&texts.h, &texts.gamma, &texts.E};
    for (int column = 0; column < 3; ++column) {
        auto* item = new QTableWidgetItem(QString::fromStdString(*cells[column]));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layersTable_->setItem(row, column, item);
    }
}

fundis::SettlementInputs SettlementWindow::inputs() const {
    fundis::SettlementInputs inputs;
    for (int row = 0; row < layersTable_->rowCount(); ++row) {
        inputs.layers.push_back({cellText(*layersTable_, row, 0).toStdString(),
                                 cellText(*layersTable_, row, 1).toStdString(),
                                 cellText(*layersTable_, row, 2).toStdString()});
    }
    inputs.buildingType = buildingType_;
    inputs.suText = typedSu_.toStdString();
    return inputs;
}

std::vector<fundis::ReportLine> SettlementWindow::reportLines() const {
    return fundis::reportPaneLines(*reportPane_);
}

void SettlementWindow::updateRowButtons() {
    const int rows = layersTable_->rowCount();
    const int current = layersTable_->currentRow();
    addLayerButton_->setEnabled(rows < fundis::kMostLayers);
    removeLayerButton_->setEnabled(current >= 0 && current < rows);
    upButton_->setEnabled(current > 0 && current < rows);
    downButton_->setEnabled(current >= 0 && current + 1 < rows);
}

void SettlementWindow::addLayer() {
    if (layersTable_->rowCount() >= fundis::kMostLayers) {
        return;
    }
    commitTypedCell();
    const int current = layersTable_->currentRow();
    const int row = current >= 0 ? current + 1 : layersTable_->rowCount();
    insertLayer(row);
    layersTable_->setCurrentCell(row, 0);
    layersTable_->setFocus();
    updateRowButtons();
}

void SettlementWindow::insertLayer(int row) {
    filling_ = true;
    layersTable_->insertRow(row);
    setRow(row, {});
    filling_ = false;
    clearMarks();  // the marks name rows by their old numbers
    edited();
}

void SettlementWindow::removeLayer() {
    const int row = layersTable_->currentRow();
    if (row < 0 || row >= layersTable_->rowCount()) {
        return;
    }
    commitTypedCell();
    filling_ = true;
    layersTable_->removeRow(row);
    filling_ = false;
    clearMarks();
    if (layersTable_->rowCount() > 0) {
        layersTable_->setCurrentCell(std::min(row, layersTable_->rowCount() - 1), 0);
    }
    updateRowButtons();
    edited();
}

void SettlementWindow::moveLayer(int step) {
    const int row = layersTable_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= layersTable_->rowCount()) {
        return;
    }
    commitTypedCell();
    const auto textsOf = [this](int r) {
        return fundis::SoilLayerTexts{cellText(*layersTable_, r, 0).toStdString(),
                                      cellText(*layersTable_, r, 1).toStdString(),
                                      cellText(*layersTable_, r, 2).toStdString()};
    };
    const fundis::SoilLayerTexts moving = textsOf(row);
    filling_ = true;
    setRow(row, textsOf(target));
    setRow(target, moving);
    filling_ = false;
    clearMarks();
    layersTable_->setCurrentCell(target, std::max(0, layersTable_->currentColumn()));
    updateRowButtons();
    edited();
}

void SettlementWindow::showBuildingType(int item) {
    filling_ = true;
    const bool typed = item == fundis::kTypedSuItem;
    suEdit_->setEnabled(typed);
    suEdit_->setText(
        typed ? typedSu_
              : centimetres(fundis::buildingTypes()[static_cast<std::size_t>(item)].suCm, separator_));
    suEdit_->setStyleSheet(QString());
    suEdit_->setToolTip(QString());
    filling_ = false;
}

void SettlementWindow::commitTypedCell() { static_cast<LayerTable*>(layersTable_)->commitOpenEditor(); }

void SettlementWindow::clearMarks() {
    filling_ = true;
    for (int row = 0; row < layersTable_->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            if (QTableWidgetItem* item = layersTable_->item(row, column)) {
                item->setData(Qt::BackgroundRole, QVariant());
                item->setToolTip(QString());
            }
        }
    }
    suEdit_->setStyleSheet(QString());
    suEdit_->setToolTip(QString());
    filling_ = false;
}

void SettlementWindow::markBadCells(const std::vector<fundis::BadCell>& cells) {
    filling_ = true;
    bool focused = false;
    for (const fundis::BadCell& cell : cells) {
        const QString message = QString::fromStdString(cell.message);
        if (cell.row == fundis::kSuRow) {
            suEdit_->setStyleSheet(QString::fromLatin1(kBadSuStyle));
            suEdit_->setToolTip(message);
            continue;
        }
        const int column = static_cast<int>(cell.column);
        QTableWidgetItem* item = layersTable_->item(cell.row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            layersTable_->setItem(cell.row, column, item);
        }
        item->setBackground(kBadCellColor);
        item->setToolTip(message);
        if (!focused) {
            // current but not selected: the selection colour would hide the mark
            layersTable_->clearSelection();
            layersTable_->setCurrentCell(cell.row, column, QItemSelectionModel::NoUpdate);
            layersTable_->scrollToItem(item);
            focused = true;
        }
    }
    filling_ = false;
    updateRowButtons();
}

void SettlementWindow::edited() {
    if (result_) {
        std::vector<fundis::ReportLine> hint = {{"Исходные данные изменены: нажмите «Рассчитать».", false}};
        const fundis::SettlementResult& last = result_->result;
        if (last.status && !last.noAdditionalPressure) {
            hint.push_back(
                {"Прежний расчет: s = " + fundis::formatFixed(last.s * 100, 3, separator_) + " см.", false});
        }
        result_.reset();
        resultLabel_->clear();
        fundis::fillReportPane(*reportPane_, hint);
        printButton_->setEnabled(false);
        picture_->update();
    }
    emit inputsEdited();
}

void SettlementWindow::calculate() {
    commitTypedCell();
    clearMarks();
    const fundis::SettlementInputs typed = inputs();
    result_ = design_
                  ? fundis::runSettlementPass(designResult_, typed, separator_)
                  : fundis::unreadSettlementPass(fundis::Status::failure(fundis::kNoDesignYet), separator_);
    showCurrentResult();
    emit calculated();

    const bool designed = design_ && fundis::baseDesigned(*design_);
    const std::vector<fundis::BadCell> bad =
        designed ? fundis::badCells(typed) : std::vector<fundis::BadCell>{};
    if (!bad.empty()) {
        markBadCells(bad);
        QString text = QStringLiteral("Осадка не рассчитана: исправьте выделенные ячейки.\n");
        for (const fundis::BadCell& cell : bad) {
            text += QStringLiteral("\n") + QString::fromStdString(cell.message);
        }
        fundis::showMessage(this, windowTitle(), text);
    }
}

void SettlementWindow::markDesignOutOfDate() {
    designOutOfDate_ = true;
    if (designNotice_->isHidden()) {
        designNotice_->setText(QString::fromUtf8(fundis::kOutOfDateLine) +
                               QStringLiteral(" Осадка рассчитывается по последнему расчету фундамента."));
        designNotice_->show();
    }
    if (result_) {
        showCurrentResult();
    }
}

void SettlementWindow::showResult(const fundis::SettlementPass& pass) {
    result_ = pass;
    showCurrentResult();
}

void SettlementWindow::showCurrentResult() {
    std::vector<fundis::ReportLine> lines = result_->report;
    // the block's heading stands first in the pane; the report's blank line before it is for the main report
    while (!lines.empty() && lines.front().text.empty()) {
        lines.erase(lines.begin());
    }
    if (designOutOfDate_) {
        lines.insert(lines.begin(), {{fundis::kOutOfDateLine, true}, {"", false}});
    }
    fundis::fillReportPane(*reportPane_, lines);
    const fundis::SettlementResult& result = result_->result;
    const auto cm = [this](double metres) {
        return QString::fromStdString(fundis::formatFixed(metres * 100, 3, separator_));
    };
    if (!result.status) {
        resultLabel_->clear();
    } else if (result.noAdditionalPressure) {
        resultLabel_->setText(QStringLiteral("Осадки нет: p0 ≤ 0"));
    } else {
        resultLabel_->setText(QStringLiteral("s = %1 см %2 su = %3 см")
                                  .arg(cm(result.s),
                                       result.exceeds ? QStringLiteral(">") : QStringLiteral("≤"),
                                       cm(result.su)));
    }
    resultLabel_->setStyleSheet(result.status && result.exceeds ? QStringLiteral("color: red;") : QString());
    printButton_->setEnabled(result.status.ok());
    picture_->update();
}

void SettlementWindow::print() {
    if (!result_ || !result_->result.status || !design_) {
        return;
    }
    // the main window's documents' context, with this window's settlement
    fundis::ReportContext context = *design_;
    context.settlement = &*result_;
    context.outOfDate = designOutOfDate_;
    fundis::printPages(this, {fundis::DrawReportSettlementPage}, context, printer_, dataDir_);
}

void SettlementWindow::paintPicture(QWidget& target) {
    QPainter painter(&target);
    const QRect area = target.contentsRect();
    painter.fillRect(area, Qt::white);
    if (!result_ || !result_->result.status || !design_) {
        painter.setPen(QColor(120, 120, 120));
        painter.drawText(area.adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                         result_ ? QStringLiteral("Осадка не рассчитана: причина указана в отчете ниже.")
                                 : QStringLiteral("Схема к расчету появится после нажатия «Рассчитать»."));
        return;
    }
    fundis::QPainterCanvas canvas(painter);
    fundis::CanvasFont font;
    font.sizePoints = 9;
    canvas.setFont(font);
    const int margin = 10;
    fundis::DrawSettlementPicture(canvas, area.left() + margin, area.top() + margin,
                                  area.width() - 2 * margin, area.height() - 2 * margin, result_->d,
                                  result_->data, result_->result, separator_);
}

void SettlementWindow::done(int result) {
    commitTypedCell();
    QDialog::done(result);
}

}  // namespace fundis
