// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/input/InputDialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/input/InputProcessing.h"
#include "core/model/NumberFormat.h"
#include "core/model/ProjectForm.h"
#include "core/model/ProjectRecord.h"
#include "core/model/Status.h"
#include "gui/input/FoundationPicture.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/Hints.h"

namespace fundis {

namespace {

const QString kMomentHintII = QStringLiteral("|Момент на уровне верхнего обреза фундамента, кН.м");
const QString kMomentHintI = QStringLiteral("Момент на уровне верхнего обреза фундамента, кН.м");
const QString kForceHint = QStringLiteral("|Вертикальная нагрузка на уровне верхнего обреза фундамента, кН");
const QString kShearHint = QStringLiteral("|Поперечная нагрузка на уровне верхнего обреза фундамента, кН");

QString caption(const FormField& field) { return QString::fromStdString(fieldCaption(field)); }
QString caption(TextField field) { return caption(formField(field)); }
QString caption(ListField field) { return caption(formField(field)); }

}  // namespace

InputDialog::InputDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InputDialog"));
    setWindowTitle(QStringLiteral("Ввод исходных данных"));
    setFont(fundis::windowFont());

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(buildBuildingTab(), QString::fromUtf8(tabTitle(FieldTab::Building)));
    tabs_->addTab(buildLoadsTab(), QString::fromUtf8(tabTitle(FieldTab::Loads)));
    tabs_->addTab(buildSoilTab(), QString::fromUtf8(tabTitle(FieldTab::Soil)));
    tabs_->addTab(buildFoundationTab(), QString::fromUtf8(tabTitle(FieldTab::Foundation)));

    okButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &InputDialog::confirmInput);

    cancelButton_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Отмена"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAutoDefault(false);
    setHint(cancelButton_, QStringLiteral("|Закрыть окно, не принимая изменений"));
    connect(cancelButton_, &QPushButton::clicked, this, &InputDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    // the dialog takes the size its font needs, and keeps it
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitToFont();

    connect(list(ListField::overhangChoice), &QComboBox::activated, this,
            &InputDialog::overhangChoiceChanged);
    connect(list(ListField::scheme), &QComboBox::activated, this, &InputDialog::schemeChanged);
    connect(list(ListField::LHChoice), &QComboBox::activated, this, &InputDialog::ratioChoiceChanged);
    connect(edit(TextField::d), &QLineEdit::textChanged, this, &InputDialog::depthChanged);

    // the starting state: the defaults of a new project, no overhang value, no L/H value
    setForm(fundis::ProjectForm());
    for (QLineEdit* e : edits_) {
        connect(e, &QLineEdit::textEdited, this, [this, e] { editTyped(e); });
    }
    for (QComboBox* box : lists_) {
        connect(box, &QComboBox::activated, this, &InputDialog::formEdited);
    }
    connect(craneAndWind_, &QCheckBox::clicked, this, &InputDialog::formEdited);
    overhangLabel_->hide();
    edit(TextField::overhang)->hide();
    ratioLabel_->hide();
    edit(TextField::LH)->hide();
    tabs_->setCurrentIndex(0);
    opened_ = form();
}

void InputDialog::offerK1Classes(int count) {
    k1Classes_ = count;
    stepMethodChanged();
}

void InputDialog::stepMethodChanged() {
    // k1.dat knows only its own classes: the others are not offered with it
    auto* model = qobject_cast<QStandardItemModel*>(list(ListField::concreteClass)->model());
    if (model == nullptr) {
        return;
    }
    const bool byK1 = list(ListField::stepMethod)->currentIndex() == static_cast<int>(StepMethod::K1Table);
    for (int row = 0; row < model->rowCount(); ++row) {
        model->item(row)->setEnabled(!byK1 || row < k1Classes_);
    }
}

void InputDialog::editTyped(QLineEdit* edit) {
    // every field holds a number, and the program reads numbers with a point: a comma typed in a
    // Russian habit becomes the point at once
    if (edit->text().contains(QLatin1Char(','))) {
        const int cursor = edit->cursorPosition();
        edit->setText(edit->text().replace(QLatin1Char(','), QLatin1Char('.')));
        edit->setCursorPosition(cursor);
    }
    emit formEdited();
}

void InputDialog::fitToFont() {
    // the edits beside the picture hold a few digits: as wide as those digits in their font
    for (const auto& [field, digits] : fittedEdits_) {
        QLineEdit* e = edit(field);
        const QFontMetrics metrics = e->fontMetrics();
        e->setFixedWidth(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) +
                         2 * metrics.averageCharWidth() + 8);
    }
}

void InputDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && tabs_ != nullptr) {
        fitToFont();
        // the tabs behind the front one are hidden and tell no one that their controls have grown
        for (QLayout* inside : tabs_->findChildren<QLayout*>()) {
            inside->invalidate();
        }
        for (int tab = 0; tab < tabs_->count(); ++tab) {
            tabs_->widget(tab)->updateGeometry();
        }
    }
    QDialog::changeEvent(event);
}

QLabel* InputDialog::makeLabel(QWidget* parent, const QString& text, const char* field) {
    auto* label = new QLabel(text, parent);
    if (field != nullptr) {
        label->setObjectName(QString::fromLatin1(field) + QStringLiteral("Label"));
    }
    return label;
}

QLabel* InputDialog::placeLabel(QWidget* picture, const QString& text, int x, int y, const char* field) {
    QLabel* label = makeLabel(picture, text, field);
    label->move(x, y);
    return label;
}

QLineEdit* InputDialog::makeEdit(TextField field, QWidget* parent, int digits, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(formField(field).name));
    if (!hint.isEmpty()) {
        setHint(edit, hint);
    }
    if (digits > 0) {
        fittedEdits_.emplace_back(field, digits);
    }
    edits_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QComboBox* InputDialog::makeList(ListField field, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(formField(field).name));
    for (const std::string& item : fundis::listItems(field)) {
        box->addItem(QString::fromStdString(item));
    }
    // the long items would widen the whole dialog: the box shows what fits, the list opens as wide
    // as its longest item
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
    lists_[static_cast<std::size_t>(field)] = box;
    return box;
}

namespace {

// A caption over its control; `span` columns of the grid from `column`.
void addCaptioned(QGridLayout* grid, int row, int column, QLabel* label, QWidget* control, int span = 1,
                  Qt::Alignment alignment = {}) {
    grid->addWidget(label, row, column, 1, span);
    grid->addWidget(control, row + 1, column, 1, span, alignment);
}

// Controls that the visibility rules hide keep their place, so the others do not move.
void keepPlaceWhenHidden(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

// A grid of captions over their controls: close to its control, apart from the row above.
QGridLayout* captionGrid(QWidget* tab) {
    auto* grid = new QGridLayout(tab);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(12);
    return grid;
}

void gapAbove(QGridLayout* grid, int row, QWidget* tab) {
    grid->setRowMinimumHeight(row, tab->fontMetrics().height() / 2);
}

}  // namespace

QWidget* InputDialog::buildBuildingTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("buildingTab"));
    QGridLayout* grid = captionGrid(tab);

    floorTypeLabel_ = makeLabel(tab, caption(ListField::floorType), "floorType");
    makeList(ListField::floorType, tab)->setMinimumContentsLength(24);
    setHint(
        list(ListField::floorType),
        QStringLiteral(
            "|Эта информация необходима для определения к-та kh(см. [1], табл. 5.9 в списке литературы)"));
    addCaptioned(grid, 0, 0, floorTypeLabel_, list(ListField::floorType), 2);

    temperatureLabel_ = makeLabel(tab, caption(ListField::temperature), "temperature");
    makeList(ListField::temperature, tab);
    setHint(list(ListField::temperature), QStringLiteral("|Температура воздуха в помещении, град."));
    addCaptioned(grid, 0, 2, temperatureLabel_, list(ListField::temperature));

    gapAbove(grid, 2, tab);
    overhangChoiceLabel_ = makeLabel(tab, caption(ListField::overhangChoice), "overhangChoice");
    makeList(ListField::overhangChoice, tab);
    setHint(list(ListField::overhangChoice),
            QStringLiteral("|Вылет подошвы фундамента от внешней грани стены, м"));
    addCaptioned(grid, 3, 0, overhangChoiceLabel_, list(ListField::overhangChoice));

    overhangLabel_ = makeLabel(tab, caption(TextField::overhang), "overhang");
    makeEdit(TextField::overhang, tab, 5, QStringLiteral("|Величина вылета подошвы фундамента"))
        ->setMaxLength(5);
    addCaptioned(grid, 3, 1, overhangLabel_, edit(TextField::overhang), 1, Qt::AlignLeft);

    MtLabel_ = makeLabel(tab, caption(TextField::Mt) + QLatin1Char('='), "Mt");
    makeEdit(
        TextField::Mt, tab, 5,
        QStringLiteral(
            "|Сумма абсолютных значений среднемесячных отрицательных температур за зиму, СНиП 2.01.01-82"))
        ->setMaxLength(5);
    addCaptioned(grid, 3, 2, MtLabel_, edit(TextField::Mt), 1, Qt::AlignLeft);

    gapAbove(grid, 5, tab);
    auto* schemeLabel = makeLabel(tab, caption(ListField::scheme), "scheme");
    makeList(ListField::scheme, tab);
    setHint(list(ListField::scheme), QStringLiteral("|Схема здания - гибкая или жесткая."));
    addCaptioned(grid, 6, 0, schemeLabel, list(ListField::scheme));

    const QString ratioHint = QStringLiteral("|Отношение длины сооружения или его отсека к его высоте");
    ratioChoiceLabel_ = makeLabel(tab, caption(ListField::LHChoice), "LHChoice");
    makeList(ListField::LHChoice, tab);
    setHint(list(ListField::LHChoice), ratioHint);
    addCaptioned(grid, 6, 1, ratioChoiceLabel_, list(ListField::LHChoice));

    ratioLabel_ = makeLabel(tab, caption(TextField::LH) + QLatin1Char('='), "LH");
    makeEdit(TextField::LH, tab, 8, ratioHint);
    addCaptioned(grid, 6, 2, ratioLabel_, edit(TextField::LH), 1, Qt::AlignLeft);

    keepPlaceWhenHidden({floorTypeLabel_, list(ListField::floorType), temperatureLabel_,
                         list(ListField::temperature), overhangChoiceLabel_, list(ListField::overhangChoice),
                         overhangLabel_, edit(TextField::overhang), MtLabel_, edit(TextField::Mt),
                         ratioChoiceLabel_, list(ListField::LHChoice), ratioLabel_, edit(TextField::LH)});
    grid->setRowStretch(8, 1);
    return tab;
}

QWidget* InputDialog::buildLoadsTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("loadsTab"));
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(makeLabel(tab, QStringLiteral("Сочетания расчетных нагрузок")));

    // the nine loads of a limit state stand M, N, Q of Mmax, then of Nmax, then of Qmax; the rows'
    // names stand before the first group, whose rows the second one's follow
    const char* rowNames[3] = {"Mmax", "Nmax", "Qmax"};
    auto makeGroup = [&](TextField first, const QString& momentHint, bool rowNamesBefore) {
        auto* group = new QGroupBox(QString::fromUtf8(formField(first).group), tab);
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(5);
        grid->setVerticalSpacing(5);
        const int firstColumn = rowNamesBefore ? 1 : 0;
        const char* heads[3] = {"M", "N", "Q"};
        for (int column = 0; column < 3; ++column) {
            grid->addWidget(makeLabel(group, QString::fromLatin1(heads[column])), 0, firstColumn + column,
                            Qt::AlignHCenter);
        }
        const QString hints[3] = {momentHint, kForceHint, kShearHint};
        for (int row = 0; row < 3; ++row) {
            if (rowNamesBefore) {
                grid->addWidget(makeLabel(group, QString::fromLatin1(rowNames[row])), row + 1, 0);
            }
            for (int column = 0; column < 3; ++column) {
                const auto field = static_cast<TextField>(static_cast<int>(first) + row * 3 + column);
                grid->addWidget(makeEdit(field, group, 5, hints[column]), row + 1, firstColumn + column);
            }
        }
        return group;
    };
    auto* groups = new QHBoxLayout;
    groups->addWidget(makeGroup(TextField::MII1, kMomentHintII, true), 0, Qt::AlignTop);
    groups->addWidget(makeGroup(TextField::MI1, kMomentHintI, false), 0, Qt::AlignTop);
    groups->addStretch(1);
    layout->addLayout(groups);

    craneAndWind_ = new QCheckBox(caption(craneAndWindField()), tab);
    craneAndWind_->setObjectName(QString::fromLatin1(craneAndWindField().name));
    setHint(craneAndWind_, QStringLiteral("|Расчетное сопр. бетона повыш. на 10%"));

    reliabilityButton_ = new QPushButton(QStringLiteral("К-т надежн."), tab);
    reliabilityButton_->setObjectName(QStringLiteral("reliabilityButton"));
    reliabilityButton_->setAutoDefault(false);
    setHint(reliabilityButton_,
            QStringLiteral("|Нагрузки I предельного состояния — нагрузки II, умноженные на "
                           "обобщенный к-т надежности γf, для предварительного расчета"));
    connect(reliabilityButton_, &QPushButton::clicked, this, &InputDialog::fillReliabilityFactor);
    makeEdit(TextField::gammaF, tab, 4,
             QStringLiteral("|Обобщенный к-т надежности по нагрузке для кнопки «К-т надежн.» (пусто — 1,1)"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(craneAndWind_);
    bottom->addStretch(1);
    bottom->addWidget(makeLabel(tab, caption(TextField::gammaF) + QLatin1Char('='), "gammaF"));
    bottom->addWidget(edit(TextField::gammaF));
    bottom->addWidget(reliabilityButton_);
    layout->addLayout(bottom);
    layout->addStretch(1);
    return tab;
}

QWidget* InputDialog::buildSoilTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("soilTab"));
    QGridLayout* grid = captionGrid(tab);

    makeList(ListField::soil, tab)->setMinimumContentsLength(36);
    addCaptioned(grid, 0, 0, makeLabel(tab, caption(ListField::soil), "soil"), list(ListField::soil), 3);

    gapAbove(grid, 2, tab);
    frostSoilLabel_ = makeLabel(tab, caption(ListField::frostSoil), "frostSoil");
    makeList(ListField::frostSoil, tab);
    addCaptioned(grid, 3, 0, frostSoilLabel_, list(ListField::frostSoil), 3);
    keepPlaceWhenHidden({frostSoilLabel_, list(ListField::frostSoil)});

    gapAbove(grid, 5, tab);
    makeEdit(TextField::fii, tab, 5, QStringLiteral("|Угол внутреннего трения, град."));
    addCaptioned(grid, 6, 0, makeLabel(tab, caption(TextField::fii), "fii"), edit(TextField::fii), 1,
                 Qt::AlignLeft);
    makeEdit(TextField::cii, tab, 5, QStringLiteral("|Удельное сцепление, кПа."));
    addCaptioned(grid, 6, 1, makeLabel(tab, caption(TextField::cii), "cii"), edit(TextField::cii), 1,
                 Qt::AlignLeft);
    makeList(ListField::method, tab);
    addCaptioned(grid, 6, 2, makeLabel(tab, caption(ListField::method), "method"), list(ListField::method));

    // the weights, on a row of their own: their long captions do not widen the columns above
    gapAbove(grid, 8, tab);
    auto* weights = new QGridLayout;
    weights->setVerticalSpacing(2);
    weights->setHorizontalSpacing(12);
    makeEdit(TextField::Yii, tab, 5, QStringLiteral("|Вес грунта ниже подошвы фундамента, кН/м3"));
    addCaptioned(weights, 0, 0, makeLabel(tab, caption(TextField::Yii), "Yii"), edit(TextField::Yii), 1,
                 Qt::AlignLeft);
    makeEdit(TextField::Yii1, tab, 5, QStringLiteral("|Вес грунта выше подошвы фундамента, кН/м3"));
    addCaptioned(weights, 0, 1, makeLabel(tab, caption(TextField::Yii1), "Yii1"), edit(TextField::Yii1), 1,
                 Qt::AlignLeft);
    weights->setColumnStretch(2, 1);
    grid->addLayout(weights, 9, 0, 2, 3);

    // formula (7) in full: the coefficients given instead of the tables', a basement
    gapAbove(grid, 11, tab);
    auto* groups = new QHBoxLayout;
    auto* factors = new QGroupBox(QStringLiteral("Заданные коэффициенты (пусто — по таблицам)"), tab);
    auto* factorGrid = captionGrid(factors);
    const std::pair<TextField, const char*> given[] = {
        {TextField::Yc1Given,
         "|Коэффициент условий работы γc1 вместо табл. 3 СНиП 2.02.01-83 (пусто — по таблице)"},
        {TextField::Yc2Given,
         "|Коэффициент условий работы γc2 вместо табл. 3 СНиП 2.02.01-83 (пусто — по таблице)"},
        {TextField::kGiven,
         "|Коэффициент k, п. 2.41 СНиП 2.02.01-83: 1 или 1,1 (пусто — по методу определения)"}};
    int column = 0;
    for (const auto& [field, hint] : given) {
        makeEdit(field, factors, 4, QString::fromUtf8(hint));
        addCaptioned(factorGrid, 0, column++, makeLabel(factors, caption(field), formField(field).name),
                     edit(field), 1, Qt::AlignLeft);
    }
    groups->addWidget(factors, 0, Qt::AlignTop);
    auto* basement = new QGroupBox(QStringLiteral("Подвал (пусто — без подвала)"), tab);
    auto* basementGrid = captionGrid(basement);
    const std::pair<TextField, const char*> basementFields[] = {
        {TextField::db,
         "|Глубина подвала — от уровня планировки до пола подвала, м (более 2 м принимается 2 м; "
         "при ширине подвала более 20 м задайте 0)"},
        {TextField::hs, "|Толщина слоя грунта выше подошвы со стороны подвала, м (пусто — d − db − hcf)"},
        {TextField::hcf, "|Толщина конструкции пола подвала, м"},
        {TextField::Ycf, "|Расчетный удельный вес конструкции пола подвала, кН/м3"}};
    column = 0;
    for (const auto& [field, hint] : basementFields) {
        makeEdit(field, basement, 4, QString::fromUtf8(hint));
        addCaptioned(basementGrid, 0, column++, makeLabel(basement, caption(field), formField(field).name),
                     edit(field), 1, Qt::AlignLeft);
    }
    groups->addWidget(basement, 0, Qt::AlignTop);
    groups->addStretch(1);
    grid->addLayout(groups, 12, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(13, 1);
    return tab;
}

QWidget* InputDialog::buildFoundationTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("foundationTab"));
    // the picture is drawn in pixels, and its edits stand on its dimension lines: that part keeps
    // its size and places; the rest of the tab is laid out
    auto* pictureArea = new QWidget(tab);
    pictureArea->setObjectName(QStringLiteral("pictureArea"));
    pictureArea->setFixedSize(FoundationPicture::kLeft + FoundationPicture::kWidth,
                              FoundationPicture::kTop + FoundationPicture::kHeight);
    picture_ = new FoundationPicture(pictureArea);

    struct Place {
        TextField field;
        QRect place;
        const char* placeholder;  // what belongs there while it is empty
        const char* hint;
    };
    // a row a field reads best on one line
    // clang-format off
    const Place onPicture[] = {
        {TextField::buc, {82, 6, 33, 13}, "buc", "|Ширина поперечного сечения подколонника, м (задавать необязательно)"},
        {TextField::luc, {136, 6, 33, 13}, "luc", "|Высота поперечного сечения подколонника, м (задавать необязательно)"},
        {TextField::bc, {82, 28, 33, 13}, "bc", "|Ширина поперечного сечения колонны, м"},
        {TextField::lc, {136, 28, 33, 13}, "lc", "|Высота поперечного сечения колонны, м"},
        {TextField::groundLevel, {18, 39, 33, 13}, "0.000", "|Отметка природного рельефа (наружные фундаменты, м)"},
        {TextField::pedestalTop, {194, 95, 41, 12}, "", "|Отметка верха подколонника от уровня планировки, м"},
        {TextField::socketDepth, {250, 119, 33, 13}, "", "|Глубина стакана, м"},
        {TextField::socketBottom, {250, 175, 33, 13}, "", "|Толщина днища стакана (минимальная - по конструктивным требованиям), м"},
        {TextField::d, {24, 127, 33, 13}, "авто", "|Глубина заложения фундамента, м (если не задана, проводится расчет)"},
        {TextField::da, {160, 174, 33, 12}, "", "|Диаметр нижней рабочей арматуры, м"},
        {TextField::dz, {56, 178, 33, 12}, "", "|Защитный слой нижней арматуры, м"},
    };
    // clang-format on
    QList<QRect> textPlaces;
    const QFont small = fundis::windowFont(10);
    int right = pictureArea->width();
    for (const Place& p : onPicture) {
        QLineEdit* e = makeEdit(p.field, pictureArea, 0, QString::fromUtf8(p.hint));
        e->setGeometry(p.place);
        // on the drawing, where its dimension line is: a light frame shows where to type, a grey
        // placeholder what goes there; the drawing's lines stop short of it
        e->setFont(small);
        e->setTextMargins(0, 0, 0, 0);
        e->setContentsMargins(0, 0, 0, 0);
        e->setPlaceholderText(QString::fromUtf8(p.placeholder));
        e->setStyleSheet(QStringLiteral(
            "QLineEdit { background: white; padding: 0px; border: 1px solid #a8bcd8; border-radius: 2px; }"
            "QLineEdit:focus { border: 1px solid #3a78d0; }"));
        textPlaces << p.place;
        right = std::max(right, p.place.right() + 1);
    }
    QList<QLabel*> onPictureLabels = {placeLabel(pictureArea, QStringLiteral("x"), 120, 3),
                                      placeLabel(pictureArea, QStringLiteral("x"), 120, 25),
                                      placeLabel(pictureArea, caption(TextField::d), 24, 112, "d"),
                                      placeLabel(pictureArea, caption(TextField::da), 160, 158, "da"),
                                      placeLabel(pictureArea, caption(TextField::dz), 57, 160, "dz")};
    for (QLabel* label : onPictureLabels) {
        label->setFont(small);
        label->adjustSize();
        textPlaces << label->geometry();
    }
    // the edits of the socket stand on the picture's right edge and a little beyond it
    pictureArea->setFixedWidth(right + 1);
    picture_->setTextPlaces(textPlaces);

    auto* form = new QWidget(tab);
    form->setObjectName(QStringLiteral("foundationForm"));
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(8);
    // b/l is kept for the .dan file but not offered: the search holds 0.55 ≤ b/l ≤ 1 whatever it says
    makeEdit(TextField::bToL, form, 4, QString())->hide();
    makeEdit(TextField::d_h, form, 4, QStringLiteral("|Кратность высоты фундамента, м"));
    addCaptioned(grid, 0, 0, makeLabel(form, caption(TextField::d_h), "d_h"), edit(TextField::d_h), 1,
                 Qt::AlignLeft);
    grid->setRowMinimumHeight(2, form->fontMetrics().height() / 3);
    makeEdit(TextField::d_l, form, 4, QStringLiteral("|Кратность длины и ширины подошвы фундамента, м"));
    addCaptioned(grid, 3, 0, makeLabel(form, caption(TextField::d_l), "d_l"), edit(TextField::d_l), 1,
                 Qt::AlignLeft);
    makeList(ListField::concreteClass, form)->setMinimumContentsLength(4);
    setHint(list(ListField::concreteClass), QStringLiteral("|Класс бетона"));
    addCaptioned(grid, 3, 1, makeLabel(form, caption(ListField::concreteClass), "concreteClass"),
                 list(ListField::concreteClass), 1, Qt::AlignLeft);
    grid->setRowMinimumHeight(5, form->fontMetrics().height() / 3);
    makeEdit(TextField::Yb2Given, form, 4,
             QStringLiteral("|Коэффициент условий работы бетона γb2, табл. 15 СНиП 2.03.01-84 (пусто — 1,1 с "
                            "крановыми и ветровыми нагрузками, иначе 1)"));
    addCaptioned(grid, 6, 0, makeLabel(form, caption(TextField::Yb2Given), "Yb2Given"),
                 edit(TextField::Yb2Given), 1, Qt::AlignLeft);
    makeEdit(TextField::Rs, form, 4, QStringLiteral("|Расчетное сопротивление арматуры на растяжение"));
    addCaptioned(grid, 6, 1, makeLabel(form, caption(TextField::Rs), "Rs"), edit(TextField::Rs), 1,
                 Qt::AlignLeft);
    grid->setRowMinimumHeight(8, form->fontMetrics().height() / 3);
    makeEdit(TextField::Ymt, form, 4,
             QStringLiteral("|Средний удельный вес фундамента и грунта на его уступах, кН/м3 (пусто — 20)"));
    addCaptioned(grid, 9, 0, makeLabel(form, caption(TextField::Ymt), "Ymt"), edit(TextField::Ymt), 1,
                 Qt::AlignLeft);
    makeEdit(TextField::Rsc, form, 4, QStringLiteral("|Расчетное сопротивление арматуры на сжатие"));
    addCaptioned(grid, 9, 1, makeLabel(form, caption(TextField::Rsc), "Rsc"), edit(TextField::Rsc), 1,
                 Qt::AlignLeft);
    grid->setRowMinimumHeight(11, form->fontMetrics().height() / 3);
    makeList(ListField::stepMethod, form)->setMinimumContentsLength(14);
    setHint(
        list(ListField::stepMethod),
        QStringLiteral("|Вылеты ступеней: по продавливанию каждой ступени (Пособие 1989) или по таблице k1"));
    connect(list(ListField::stepMethod), &QComboBox::currentIndexChanged, this,
            &InputDialog::stepMethodChanged);
    addCaptioned(grid, 12, 0, makeLabel(form, caption(ListField::stepMethod), "stepMethod"),
                 list(ListField::stepMethod), 2, Qt::AlignLeft);
    makeEdit(
        TextField::stepsGiven, form, 12,
        QStringLiteral("|Высоты ступеней снизу вверх через пробел, м, например 0,3 0,3 0,3 (пусто — наборы "
                       "таблицы hstup.dat)"));
    edit(TextField::stepsGiven)->setPlaceholderText(QStringLiteral("по hstup.dat"));
    addCaptioned(grid, 14, 0, makeLabel(form, caption(TextField::stepsGiven), "stepsGiven"),
                 edit(TextField::stepsGiven), 2, Qt::AlignLeft);
    makeEdit(TextField::bGiven, form, 4, QStringLiteral("|Заданная ширина подошвы, м (пусто — подбор)"));
    addCaptioned(grid, 16, 0, makeLabel(form, caption(TextField::bGiven), "bGiven"), edit(TextField::bGiven),
                 1, Qt::AlignLeft);
    makeEdit(TextField::lGiven, form, 4, QStringLiteral("|Заданная длина подошвы, м (пусто — подбор)"));
    addCaptioned(grid, 16, 1, makeLabel(form, caption(TextField::lGiven), "lGiven"), edit(TextField::lGiven),
                 1, Qt::AlignLeft);
    grid->setRowStretch(18, 1);

    auto* layout = new QHBoxLayout(tab);
    layout->setContentsMargins(0, 0, 6, 6);
    layout->addWidget(pictureArea, 0, Qt::AlignTop);
    layout->addWidget(form, 1);
    return tab;
}

fundis::ProjectForm InputDialog::form() const {
    fundis::ProjectForm form;
    for (int index = 0; index < kTextFieldCount; ++index) {
        const auto field = static_cast<TextField>(index);
        form.text(field) = edit(field)->text().toStdString();
    }
    for (int index = 0; index < kListFieldCount; ++index) {
        const auto field = static_cast<ListField>(index);
        form.choice(field) = list(field)->currentIndex();
    }
    form.craneAndWind = craneAndWind_->isChecked();
    return form;
}

void InputDialog::setForm(const fundis::ProjectForm& form) {
    for (int index = 0; index < kListFieldCount; ++index) {
        const auto field = static_cast<ListField>(index);
        list(field)->setCurrentIndex(form.choice(field));
    }
    for (int index = 0; index < kTextFieldCount; ++index) {
        const auto field = static_cast<TextField>(index);
        edit(field)->setText(QString::fromStdString(form.text(field)));
    }
    craneAndWind_->setChecked(form.craneAndWind);
}

void InputDialog::applyVisibilityRules() {
    overhangChoiceChanged();
    schemeChanged();
    ratioChoiceChanged();
    depthChanged();
}

void InputDialog::selectFirstItems() {
    for (QComboBox* box : lists_) {
        box->setCurrentIndex(0);
    }
}

void InputDialog::overhangChoiceChanged() {
    const bool shown = list(ListField::overhangChoice)->currentIndex() != 0;
    overhangLabel_->setVisible(shown);
    edit(TextField::overhang)->setVisible(shown);
}

void InputDialog::schemeChanged() {
    QComboBox* ratioChoice = list(ListField::LHChoice);
    if (list(ListField::scheme)->currentIndex() != 1) {
        ratioChoiceLabel_->show();
        ratioChoice->show();
        return;
    }
    // a flexible building needs no L/H
    ratioChoiceLabel_->hide();
    ratioChoice->hide();
    ratioLabel_->hide();
    edit(TextField::LH)->hide();
    ratioChoice->setCurrentIndex(0);
}

void InputDialog::ratioChoiceChanged() {
    const bool shown = list(ListField::LHChoice)->currentIndex() == 2;
    ratioLabel_->setVisible(shown);
    edit(TextField::LH)->setVisible(shown);
}

void InputDialog::depthChanged() {
    // a given depth makes the frost-depth inputs pointless
    const bool shown = edit(TextField::d)->text().isEmpty();
    const std::initializer_list<QWidget*> frostInputs = {list(ListField::frostSoil),
                                                         frostSoilLabel_,
                                                         list(ListField::floorType),
                                                         floorTypeLabel_,
                                                         list(ListField::temperature),
                                                         temperatureLabel_,
                                                         list(ListField::overhangChoice),
                                                         overhangChoiceLabel_,
                                                         edit(TextField::Mt),
                                                         MtLabel_};
    for (QWidget* widget : frostInputs) {
        widget->setVisible(shown);
    }
    if (!shown) {
        edit(TextField::overhang)->hide();
        overhangLabel_->hide();
    } else if (list(ListField::overhangChoice)->currentIndex() == 1) {
        edit(TextField::overhang)->show();
        overhangLabel_->show();
    }
}

void InputDialog::fillReliabilityFactor() {
    fundis::ProjectForm raised = form();
    fundis::fillReliabilityFactor(raised);
    for (int index = static_cast<int>(TextField::MI1); index <= static_cast<int>(TextField::QI3); ++index) {
        const auto field = static_cast<TextField>(index);
        edit(field)->setText(QString::fromStdString(raised.text(field)));
    }
    emit formEdited();
}

bool InputDialog::confirmFieldsAsTyped() {
    const QString text = QString::fromStdString(fundis::okQuestion(form()));
    if (text.isEmpty()) {
        return true;
    }
    const int kBack = 0;
    return fundis::dialogs().question(this, windowTitle(), text,
                                      {QStringLiteral("Вернуться к вводу"), QStringLiteral("Принять")}, kBack,
                                      kBack) != kBack;
}

void InputDialog::confirmInput() {
    if (!confirmFieldsAsTyped()) {
        return;
    }
    // the L/H edit shows the ratio actually used
    if (const std::optional<float> LH = fundis::lengthToHeightRatio(form())) {
        edit(TextField::LH)->setText(QString::fromStdString(fundis::formatGeneral(*LH, 15)));
    }
    opened_ = form();
    accept();
}

void InputDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        opened_ = form();
    }
}

void InputDialog::reject() {
    if (form() != opened_) {
        const int kBack = 0;
        const int answer = fundis::dialogs().question(
            this, windowTitle(),
            QStringLiteral("Исходные данные изменены. Закрыть окно без них? Поля вернутся к тому, что "
                           "было при открытии окна; принимает изменения кнопка «OK»."),
            {QStringLiteral("Вернуться к вводу"), QStringLiteral("Отменить изменения")}, kBack, kBack);
        if (answer == kBack) {
            return;
        }
        setForm(opened_);
        applyVisibilityRules();
    }
    QDialog::reject();
}

QString InputDialog::tablesFolderHint() {
    return QStringLiteral(
        "Папка с таблицами задается в меню «Настройка → Настройка параметров → Папка с программой».");
}

}  // namespace fundis
