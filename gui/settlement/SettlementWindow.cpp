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
                                   const fundis::ProjectRecord* design, char decimalSeparator,
                                   QPrinter& printer, QString dataDir)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      separator_(decimalSeparator),
      printer_(printer),
      dataDir_(std::move(dataDir)),
      buildingType_(inputs.buildingType),
      typedSu_(QString::fromStdString(inputs.suText)) {
    if (design != nullptr) {
        design_ = *design;
    }
    setObjectName(QStringLiteral("SettlementForm"));
    setWindowTitle(QStringLiteral("Расчет осадки"));
    setFont(fundis::windowFont(12));
    buildControls();
    buildLayout();

    filling_ = true;
    LayersTable->setRowCount(static_cast<int>(inputs.layers.size()));
    for (int row = 0; row < LayersTable->rowCount(); ++row) {
        setRow(row, inputs.layers[static_cast<std::size_t>(row)]);
    }
    TypeCombo->setCurrentIndex(comboItem(buildingType_));
    filling_ = false;
    showBuildingType(comboItem(buildingType_));
    updateRowButtons();
    PrintButton->setEnabled(false);

    // above everything else: the design the settlement stands on is not there, or not current
    designNotice_ = new QLabel(this);
    designNotice_->setObjectName(QStringLiteral("designNotice"));
    designNotice_->setWordWrap(true);
    designNotice_->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    static_cast<QBoxLayout*>(layout())->insertWidget(0, designNotice_);
    const bool notDesigned = design_ && !(design_->b > 0.0f && design_->l > 0.0f);
    designNotice_->setText(notDesigned ? QString::fromUtf8(fundis::kFoundationNotDesigned) : QString());
    designNotice_->setVisible(notDesigned);

    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(std::min(1120, available.width() * 9 / 10), std::min(900, available.height() * 9 / 10));
}

void SettlementWindow::buildControls() {
    auto* table = new LayerTable(0, 3, this);
    LayersTable = table;
    LayersTable->setObjectName(QStringLiteral("LayersTable"));
    QStringList headers;
    for (LayerColumn column : kColumns) {
        headers << QString::fromStdString(fundis::layerColumnName(column));
    }
    LayersTable->setHorizontalHeaderLabels(headers);
    LayersTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    LayersTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LayersTable->verticalHeader()->setDefaultSectionSize(LayersTable->fontMetrics().height() + 10);
    // four rows stay in sight however small the window
    LayersTable->setMinimumHeight(LayersTable->horizontalHeader()->sizeHint().height() +
                                  4 * LayersTable->verticalHeader()->defaultSectionSize() + 4);
    LayersTable->setSelectionMode(QAbstractItemView::SingleSelection);
    LayersTable->setToolTip(QStringLiteral("Слои грунта по порядку от природного рельефа вниз"));
    connect(LayersTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_) {
            return;
        }
        filling_ = true;
        item->setData(Qt::BackgroundRole, QVariant());
        item->setToolTip(QString());
        filling_ = false;
        edited();
    });
    connect(LayersTable, &QTableWidget::currentCellChanged, this, [this] { updateRowButtons(); });
    table->afterLastCell = [this, table] {
        if (LayersTable->rowCount() >= fundis::kMostLayers) {
            return QModelIndex();
        }
        // the view moves to it itself
        const int row = LayersTable->rowCount();
        insertLayer(row);
        return table->model()->index(row, 0);
    };

    AddLayerButton = makeButton(QStringLiteral("Добавить слой"), "AddLayerButton", this);
    AddLayerButton->setToolTip(QStringLiteral("Новый слой под выбранным"));
    RemoveLayerButton = makeButton(QStringLiteral("Удалить слой"), "RemoveLayerButton", this);
    UpButton = makeButton(QStringLiteral("Выше"), "UpButton", this);
    UpButton->setToolTip(QStringLiteral("Переставить выбранный слой на одну строку вверх"));
    DownButton = makeButton(QStringLiteral("Ниже"), "DownButton", this);
    DownButton->setToolTip(QStringLiteral("Переставить выбранный слой на одну строку вниз"));
    connect(AddLayerButton, &QPushButton::clicked, this, [this] { addLayer(); });
    connect(RemoveLayerButton, &QPushButton::clicked, this, [this] { removeLayer(); });
    connect(UpButton, &QPushButton::clicked, this, [this] { moveLayer(-1); });
    connect(DownButton, &QPushButton::clicked, this, [this] { moveLayer(1); });

    TypeCombo = new QComboBox(this);
    TypeCombo->setObjectName(QStringLiteral("TypeCombo"));
    for (const fundis::BuildingType& type : fundis::buildingTypes()) {
        QString text = QString::fromUtf8(type.name);
        if (type.suCm > 0) {
            text += QStringLiteral(" — %1 см").arg(centimetres(type.suCm, separator_));
        }
        TypeCombo->addItem(text);
        TypeCombo->setItemData(TypeCombo->count() - 1, text, Qt::ToolTipRole);
    }
    // the long names would widen the whole window: the list opens wider than the box instead
    TypeCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    TypeCombo->setMinimumContentsLength(24);
    TypeCombo->view()->setMinimumWidth(TypeCombo->view()->sizeHintForColumn(0) + 24);
    connect(TypeCombo, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (filling_ || item < 0) {
            return;
        }
        buildingType_ = item;
        showBuildingType(item);
        edited();
    });

    SuEdit = new QLineEdit(this);
    SuEdit->setObjectName(QStringLiteral("SuEdit"));
    SuEdit->setAlignment(Qt::AlignRight);
    connect(SuEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        typedSu_ = text;
        SuEdit->setStyleSheet(QString());
        SuEdit->setToolTip(QString());
        edited();
    });

    CalculateButton = makeButton(QStringLiteral("Рассчитать"), "CalculateButton", this);
    CalculateButton->setDefault(true);
    ResultLabel = new QLabel(this);
    ResultLabel->setObjectName(QStringLiteral("ResultLabel"));
    QFont bold = ResultLabel->font();
    bold.setBold(true);
    ResultLabel->setFont(bold);
    PrintButton = makeButton(QStringLiteral("Печать"), "PrintButton", this);
    PrintButton->setToolTip(QStringLiteral("Лист расчета осадки на принтер или в PDF"));
    CloseButton = makeButton(QStringLiteral("Закрыть"), "CloseButton", this);
    connect(CalculateButton, &QPushButton::clicked, this, [this] { calculate(); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { print(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });

    ReportPane = new QTextEdit(this);
    ReportPane->setObjectName(QStringLiteral("ReportPane"));
    ReportPane->setReadOnly(true);
    ReportPane->setAcceptRichText(false);
    ReportPane->setUndoRedoEnabled(false);
    ReportPane->setFont(fundis::windowFont(13));
    ReportPane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ReportPane->setPlaceholderText(
        QStringLiteral("Результаты расчета появятся здесь после нажатия «Рассчитать»."));
    ReportPane->setMinimumHeight(120);

    Picture = new PictureView(*this, this);
    Picture->setObjectName(QStringLiteral("Picture"));
}

void SettlementWindow::fitToFont() {
    SuEdit->setFixedWidth(SuEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
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
    for (QPushButton* button : {AddLayerButton, RemoveLayerButton, UpButton, DownButton}) {
        rowButtons->addWidget(button);
    }
    auto* note = new QLabel(
        QStringLiteral("Последний слой продолжается вниз без ограничения. Ниже уровня грунтовых вод "
                       "γ вводится с учетом взвешивающего действия воды."),
        this);
    note->setWordWrap(true);
    auto* layersBox = new QGroupBox(QStringLiteral("Слои грунта от природного рельефа вниз"), this);
    auto* layers = new QVBoxLayout(layersBox);
    layers->addWidget(LayersTable, 1);
    layers->addLayout(rowButtons);
    layers->addWidget(note);

    auto* suRow = new QHBoxLayout;
    suRow->addWidget(new QLabel(QStringLiteral("su ="), this));
    suRow->addWidget(SuEdit);
    suRow->addWidget(new QLabel(QStringLiteral("см"), this));
    suRow->addStretch(1);
    auto* limitBox = new QGroupBox(QStringLiteral("Предельная осадка su"), this);
    auto* limit = new QVBoxLayout(limitBox);
    limit->addWidget(new QLabel(QStringLiteral("Тип сооружения:"), this));
    limit->addWidget(TypeCombo);
    limit->addLayout(suRow);

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(layersBox, 1);
    left->addWidget(limitBox);
    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(CalculateButton);
    calculateRow->addSpacing(12);
    calculateRow->addWidget(ResultLabel, 1);
    left->addLayout(calculateRow);
    auto* inputs = new QWidget(this);
    inputs->setLayout(left);
    inputsColumn_ = inputs;
    fitToFont();

    auto* top = new QWidget(this);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(inputs);
    topLayout->addWidget(Picture, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(ReportPane);
    // the report under the picture shows its last lines, s against su, without scrolling
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({470, 390});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PrintButton);
    buttons->addWidget(CloseButton);
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
        LayersTable->setItem(row, column, item);
    }
}

fundis::SettlementInputs SettlementWindow::inputs() const {
    fundis::SettlementInputs inputs;
    for (int row = 0; row < LayersTable->rowCount(); ++row) {
        inputs.layers.push_back({cellText(*LayersTable, row, 0).toStdString(),
                                 cellText(*LayersTable, row, 1).toStdString(),
                                 cellText(*LayersTable, row, 2).toStdString()});
    }
    inputs.buildingType = buildingType_;
    inputs.suText = typedSu_.toStdString();
    return inputs;
}

void SettlementWindow::updateRowButtons() {
    const int rows = LayersTable->rowCount();
    const int current = LayersTable->currentRow();
    AddLayerButton->setEnabled(rows < fundis::kMostLayers);
    RemoveLayerButton->setEnabled(current >= 0 && current < rows);
    UpButton->setEnabled(current > 0 && current < rows);
    DownButton->setEnabled(current >= 0 && current + 1 < rows);
}

void SettlementWindow::addLayer() {
    if (LayersTable->rowCount() >= fundis::kMostLayers) {
        return;
    }
    commitTypedCell();
    const int current = LayersTable->currentRow();
    const int row = current >= 0 ? current + 1 : LayersTable->rowCount();
    insertLayer(row);
    LayersTable->setCurrentCell(row, 0);
    LayersTable->setFocus();
    updateRowButtons();
}

void SettlementWindow::insertLayer(int row) {
    filling_ = true;
    LayersTable->insertRow(row);
    setRow(row, {});
    filling_ = false;
    clearMarks();  // the marks name rows by their old numbers
    edited();
}

void SettlementWindow::removeLayer() {
    const int row = LayersTable->currentRow();
    if (row < 0 || row >= LayersTable->rowCount()) {
        return;
    }
    commitTypedCell();
    filling_ = true;
    LayersTable->removeRow(row);
    filling_ = false;
    clearMarks();
    if (LayersTable->rowCount() > 0) {
        LayersTable->setCurrentCell(std::min(row, LayersTable->rowCount() - 1), 0);
    }
    updateRowButtons();
    edited();
}

void SettlementWindow::moveLayer(int step) {
    const int row = LayersTable->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= LayersTable->rowCount()) {
        return;
    }
    commitTypedCell();
    const auto textsOf = [this](int r) {
        return fundis::SoilLayerTexts{cellText(*LayersTable, r, 0).toStdString(),
                                      cellText(*LayersTable, r, 1).toStdString(),
                                      cellText(*LayersTable, r, 2).toStdString()};
    };
    const fundis::SoilLayerTexts moving = textsOf(row);
    filling_ = true;
    setRow(row, textsOf(target));
    setRow(target, moving);
    filling_ = false;
    clearMarks();
    LayersTable->setCurrentCell(target, std::max(0, LayersTable->currentColumn()));
    updateRowButtons();
    edited();
}

void SettlementWindow::showBuildingType(int item) {
    filling_ = true;
    const bool typed = item == fundis::kTypedSuItem;
    SuEdit->setEnabled(typed);
    SuEdit->setText(
        typed ? typedSu_
              : centimetres(fundis::buildingTypes()[static_cast<std::size_t>(item)].suCm, separator_));
    SuEdit->setStyleSheet(QString());
    SuEdit->setToolTip(QString());
    filling_ = false;
}

void SettlementWindow::commitTypedCell() { static_cast<LayerTable*>(LayersTable)->commitOpenEditor(); }

void SettlementWindow::clearMarks() {
    filling_ = true;
    for (int row = 0; row < LayersTable->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            if (QTableWidgetItem* item = LayersTable->item(row, column)) {
                item->setData(Qt::BackgroundRole, QVariant());
                item->setToolTip(QString());
            }
        }
    }
    SuEdit->setStyleSheet(QString());
    SuEdit->setToolTip(QString());
    filling_ = false;
}

void SettlementWindow::markBadCells(const std::vector<fundis::BadCell>& cells) {
    filling_ = true;
    bool focused = false;
    for (const fundis::BadCell& cell : cells) {
        const QString message = QString::fromStdString(cell.message);
        if (cell.row == fundis::kSuRow) {
            SuEdit->setStyleSheet(QString::fromLatin1(kBadSuStyle));
            SuEdit->setToolTip(message);
            continue;
        }
        const int column = static_cast<int>(cell.column);
        QTableWidgetItem* item = LayersTable->item(cell.row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            LayersTable->setItem(cell.row, column, item);
        }
        item->setBackground(kBadCellColor);
        item->setToolTip(message);
        if (!focused) {
            // current but not selected: the selection colour would hide the mark
            LayersTable->clearSelection();
            LayersTable->setCurrentCell(cell.row, column, QItemSelectionModel::NoUpdate);
            LayersTable->scrollToItem(item);
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
        ResultLabel->clear();
        fundis::fillReportPane(*ReportPane, hint);
        PrintButton->setEnabled(false);
        Picture->update();
    }
    emit inputsEdited();
}

void SettlementWindow::calculate() {
    commitTypedCell();
    clearMarks();
    const fundis::SettlementInputs typed = inputs();
    result_ = design_
                  ? fundis::runSettlementPass(*design_, typed, separator_)
                  : fundis::unreadSettlementPass(fundis::Status::failure(fundis::kNoDesignYet), separator_);
    showCurrentResult();
    emit calculated();

    const bool designed = design_ && design_->b > 0.0f && design_->l > 0.0f;
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
    fundis::fillReportPane(*ReportPane, lines);
    const fundis::SettlementResult& result = result_->result;
    const auto cm = [this](double metres) {
        return QString::fromStdString(fundis::formatFixed(metres * 100, 3, separator_));
    };
    if (!result.status) {
        ResultLabel->clear();
    } else if (result.noAdditionalPressure) {
        ResultLabel->setText(QStringLiteral("Осадки нет: p0 ≤ 0"));
    } else {
        ResultLabel->setText(QStringLiteral("s = %1 см %2 su = %3 см")
                                 .arg(cm(result.s),
                                      result.exceeds ? QStringLiteral(">") : QStringLiteral("≤"),
                                      cm(result.su)));
    }
    ResultLabel->setStyleSheet(result.status && result.exceeds ? QStringLiteral("color: red;") : QString());
    PrintButton->setEnabled(result.status.ok());
    Picture->update();
}

void SettlementWindow::print() {
    if (!result_ || !result_->result.status) {
        return;
    }
    fundis::ReportContext context;
    context.data = design_ ? &*design_ : nullptr;
    context.decimalSeparator = separator_;
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
