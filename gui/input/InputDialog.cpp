#include "gui/input/InputDialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>

#include "core/input/InputProcessing.h"
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
    setFixedSize(400, 292);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setGeometry(0, 0, 400, 265);
    tabs_->addTab(buildBuildingTab(), QString::fromUtf8(tabTitle(FieldTab::Building)));
    tabs_->addTab(buildLoadsTab(), QString::fromUtf8(tabTitle(FieldTab::Loads)));
    tabs_->addTab(buildSoilTab(), QString::fromUtf8(tabTitle(FieldTab::Soil)));
    tabs_->addTab(buildFoundationTab(), QString::fromUtf8(tabTitle(FieldTab::Foundation)));

    okButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(204, 267, 75, 25);
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &InputDialog::confirmInput);

    cancelButton_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Отмена"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(283, 267, 75, 25);
    cancelButton_->setAutoDefault(false);
    setHint(cancelButton_, QStringLiteral("|Закрыть окно, не принимая изменений"));
    connect(cancelButton_, &QPushButton::clicked, this, &InputDialog::reject);

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

void InputDialog::setTablesFolder(const std::string& folder) { tablesFolder_ = folder; }

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

QLabel* InputDialog::makeLabel(QWidget* parent, const QString& text, int x, int y, const char* field) {
    auto* label = new QLabel(text, parent);
    if (field != nullptr) {
        label->setObjectName(QString::fromLatin1(field) + QStringLiteral("Label"));
    }
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* InputDialog::makeEdit(TextField field, QWidget* parent, const QRect& place, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(formField(field).name));
    edit->setGeometry(place);
    if (!hint.isEmpty()) {
        setHint(edit, hint);
    }
    edits_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QComboBox* InputDialog::makeList(ListField field, QWidget* parent, const QRect& place) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(formField(field).name));
    box->setGeometry(place);
    for (const std::string& item : fundis::listItems(field)) {
        box->addItem(QString::fromStdString(item));
    }
    // the list opens as wide as its longest item, whatever the box's width
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
    lists_[static_cast<std::size_t>(field)] = box;
    return box;
}

QWidget* InputDialog::buildBuildingTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("buildingTab"));

    floorTypeLabel_ = makeLabel(tab, caption(ListField::floorType), 8, 6, "floorType");
    makeList(ListField::floorType, tab, QRect(8, 22, 272, 21));
    setHint(
        list(ListField::floorType),
        QStringLiteral(
            "|Эта информация необходима для определения к-та kh(см. [1], табл. 5.9 в списке литературы)"));

    temperatureLabel_ = makeLabel(tab, caption(ListField::temperature), 292, 6, "temperature");
    makeList(ListField::temperature, tab, QRect(292, 22, 92, 21));
    setHint(list(ListField::temperature), QStringLiteral("|Температура воздуха в помещении, град."));

    overhangChoiceLabel_ = makeLabel(tab, caption(ListField::overhangChoice), 8, 54, "overhangChoice");
    makeList(ListField::overhangChoice, tab, QRect(8, 70, 120, 21));
    setHint(list(ListField::overhangChoice),
            QStringLiteral("|Вылет подошвы фундамента от внешней грани стены, м"));

    overhangLabel_ = makeLabel(tab, caption(TextField::overhang), 156, 54, "overhang");
    makeEdit(TextField::overhang, tab, QRect(156, 70, 60, 21),
             QStringLiteral("|Величина вылета подошвы фундамента"))
        ->setMaxLength(5);

    MtLabel_ = makeLabel(tab, caption(TextField::Mt) + QLatin1Char('='), 292, 54, "Mt");
    makeEdit(
        TextField::Mt, tab, QRect(292, 70, 60, 21),
        QStringLiteral(
            "|Сумма абсолютных значений среднемесячных отрицательных температур за зиму, СНиП 2.01.01-82"))
        ->setMaxLength(5);

    makeLabel(tab, caption(ListField::scheme), 8, 102, "scheme");
    makeList(ListField::scheme, tab, QRect(8, 118, 120, 21));
    setHint(list(ListField::scheme), QStringLiteral("|Схема здания - гибкая или жесткая."));

    const QString ratioHint = QStringLiteral("|Отношение длины сооружения или его отсека к его высоте");
    ratioChoiceLabel_ = makeLabel(tab, caption(ListField::LHChoice), 156, 102, "LHChoice");
    makeList(ListField::LHChoice, tab, QRect(156, 118, 120, 21));
    setHint(list(ListField::LHChoice), ratioHint);

    ratioLabel_ = makeLabel(tab, caption(TextField::LH) + QLatin1Char('='), 292, 102, "LH");
    makeEdit(TextField::LH, tab, QRect(292, 118, 92, 21), ratioHint);
    return tab;
}

QWidget* InputDialog::buildLoadsTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("loadsTab"));
    makeLabel(tab, QStringLiteral("Сочетания расчетных нагрузок"), 8, 4);

    const int groupTop = 22;
    const int rowTop[3] = {36, 64, 92};
    const char* rowNames[3] = {"Mmax", "Nmax", "Qmax"};
    for (int row = 0; row < 3; ++row) {
        makeLabel(tab, QString::fromLatin1(rowNames[row]), 6, groupTop + rowTop[row] + 3);
    }

    // the nine loads of a limit state stand M, N, Q of Mmax, then of Nmax, then of Qmax
    auto makeGroup = [&](int left, TextField first, const QString& momentHint) {
        auto* group = new QGroupBox(QString::fromUtf8(formField(first).group), tab);
        group->setGeometry(left, groupTop, 170, 122);
        const int columnLeft[3] = {8, 61, 114};
        const char* heads[3] = {"M", "N", "Q"};
        for (int column = 0; column < 3; ++column) {
            auto* head = makeLabel(group, QString::fromLatin1(heads[column]), columnLeft[column], 18);
            head->setFixedWidth(48);
            head->setAlignment(Qt::AlignHCenter);
        }
        const QString hints[3] = {momentHint, kForceHint, kShearHint};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const auto field = static_cast<TextField>(static_cast<int>(first) + row * 3 + column);
                makeEdit(field, group, QRect(columnLeft[column], rowTop[row], 48, 21), hints[column]);
            }
        }
    };
    makeGroup(42, TextField::MII1, kMomentHintII);
    makeGroup(218, TextField::MI1, kMomentHintI);

    craneAndWind_ = new QCheckBox(caption(craneAndWindField()), tab);
    craneAndWind_->setObjectName(QString::fromLatin1(craneAndWindField().name));
    craneAndWind_->move(8, 160);
    craneAndWind_->adjustSize();
    setHint(craneAndWind_, QStringLiteral("|Расчетное сопр. бетона повыш. на 10%"));

    reliabilityButton_ = new QPushButton(QStringLiteral("К-т надежн. 1.1"), tab);
    reliabilityButton_->setObjectName(QStringLiteral("reliabilityButton"));
    reliabilityButton_->setGeometry(264, 156, 120, 25);
    reliabilityButton_->setAutoDefault(false);
    setHint(reliabilityButton_,
            QStringLiteral("|Исп. обобщ. к-т надежности 1.1 для предварительного расчета"));
    connect(reliabilityButton_, &QPushButton::clicked, this, &InputDialog::fillReliabilityFactor);
    return tab;
}

QWidget* InputDialog::buildSoilTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("soilTab"));

    makeLabel(tab, caption(ListField::soil), 8, 4, "soil");
    makeList(ListField::soil, tab, QRect(8, 20, 376, 21));

    frostSoilLabel_ = makeLabel(tab, caption(ListField::frostSoil), 8, 50, "frostSoil");
    makeList(ListField::frostSoil, tab, QRect(8, 66, 376, 21));

    makeLabel(tab, caption(TextField::fii), 8, 98, "fii");
    makeEdit(TextField::fii, tab, QRect(8, 114, 60, 21), QStringLiteral("|Угол внутреннего трения, град."));
    makeLabel(tab, caption(TextField::cii), 84, 98, "cii");
    makeEdit(TextField::cii, tab, QRect(84, 114, 60, 21), QStringLiteral("|Удельное сцепление, кПа."));
    makeLabel(tab, caption(ListField::method), 160, 98, "method");
    makeList(ListField::method, tab, QRect(160, 114, 224, 21));

    makeLabel(tab, caption(TextField::Yii), 8, 146, "Yii");
    makeEdit(TextField::Yii, tab, QRect(8, 162, 60, 21),
             QStringLiteral("|Вес грунта ниже подошвы фундамента, кН/м3"));
    makeLabel(tab, caption(TextField::Yii1), 200, 146, "Yii1");
    makeEdit(TextField::Yii1, tab, QRect(200, 162, 60, 21),
             QStringLiteral("|Вес грунта выше подошвы фундамента, кН/м3"));
    return tab;
}

QWidget* InputDialog::buildFoundationTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("foundationTab"));
    picture_ = new FoundationPicture(tab);

    struct Place {
        TextField field;
        QRect place;
        const char* placeholder;  // what belongs there while it is empty
        const char* hint;
    };
    const Place onPicture[] = {
        {TextField::buc,
         {82, 6, 33, 13},
         "buc",
         "|Ширина поперечного сечения подколонника, м (задавать необязательно)"},
        {TextField::luc,
         {136, 6, 33, 13},
         "luc",
         "|Высота поперечного сечения подколонника, м (задавать необязательно)"},
        {TextField::bc, {82, 28, 33, 13}, "bc", "|Ширина поперечного сечения колонны, м"},
        {TextField::lc, {136, 28, 33, 13}, "lc", "|Высота поперечного сечения колонны, м"},
        {TextField::groundLevel,
         {18, 39, 33, 13},
         "0.000",
         "|Отметка природного рельефа (наружные фундаменты, м)"},
        {TextField::pedestalTop,
         {194, 95, 41, 12},
         "",
         "|Отметка верха подколонника от уровня планировки, м"},
        {TextField::socketDepth, {250, 119, 33, 13}, "", "|Глубина стакана, м"},
        {TextField::socketBottom,
         {250, 175, 33, 13},
         "",
         "|Толщина днища стакана (минимальная - по конструктивным требованиям), м"},
        {TextField::d,
         {24, 127, 33, 13},
         "авто",
         "|Глубина заложения фундамента, м (если не задана, проводится расчет)"},
        {TextField::da, {160, 174, 33, 12}, "", "|Диаметр нижней рабочей арматуры, м"},
        {TextField::dz, {56, 178, 33, 12}, "", "|Защитный слой нижней арматуры, м"},
    };
    QList<QRect> textPlaces;
    const QFont small = fundis::windowFont(10);
    for (const Place& p : onPicture) {
        QLineEdit* e = makeEdit(p.field, tab, p.place, QString::fromUtf8(p.hint));
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
    }
    QList<QLabel*> onPictureLabels = {makeLabel(tab, QStringLiteral("x"), 120, 3),
                                      makeLabel(tab, QStringLiteral("x"), 120, 25),
                                      makeLabel(tab, caption(TextField::d), 24, 112, "d"),
                                      makeLabel(tab, caption(TextField::da), 160, 158, "da"),
                                      makeLabel(tab, caption(TextField::dz), 57, 160, "dz")};
    for (QLabel* label : onPictureLabels) {
        label->setFont(small);
        label->adjustSize();
        textPlaces << label->geometry();
    }
    picture_->setTextPlaces(textPlaces);

    makeLabel(tab, caption(TextField::bToL), 264, 2, "bToL");
    makeEdit(TextField::bToL, tab, QRect(264, 16, 33, 21),
             QStringLiteral("|Отношение ширины подошвы фундамента к ее длине"));
    makeLabel(tab, caption(TextField::d_h), 304, 2, "d_h");
    makeEdit(TextField::d_h, tab, QRect(304, 16, 33, 21), QStringLiteral("|Кратность высоты фундамента, м"));
    makeLabel(tab, caption(TextField::d_l), 264, 42, "d_l");
    makeEdit(TextField::d_l, tab, QRect(264, 56, 33, 21),
             QStringLiteral("|Кратность длины и ширины подошвы фундамента, м"));
    makeLabel(tab, caption(ListField::concreteClass), 312, 42, "concreteClass");
    makeList(ListField::concreteClass, tab, QRect(312, 56, 65, 21));
    setHint(list(ListField::concreteClass), QStringLiteral("|Класс бетона"));
    makeLabel(tab, caption(TextField::Rs), 312, 82, "Rs");
    makeEdit(TextField::Rs, tab, QRect(312, 96, 33, 21),
             QStringLiteral("|Расчетное сопротивление арматуры на растяжение"));
    makeLabel(tab, caption(TextField::Rsc), 312, 122, "Rsc");
    makeEdit(TextField::Rsc, tab, QRect(312, 136, 33, 21),
             QStringLiteral("|Расчетное сопротивление арматуры на сжатие"));
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
    const fundis::ProjectForm typed = form();
    const std::vector<fundis::UnreadableText> unreadable = fundis::textsNotWholeNumbers(typed);
    const std::vector<fundis::FieldProblem> problems = fundis::fieldProblems(typed);
    if (unreadable.empty() && problems.empty()) {
        return true;
    }
    QStringList parts;
    if (!unreadable.empty()) {
        QStringList lines;
        for (const fundis::UnreadableText& field : unreadable) {
            lines << QStringLiteral("  ") + QString::fromStdString(field.describe());
        }
        parts << QStringLiteral("В этих полях не число, расчет прочитает их так:\n") +
                     lines.join(QLatin1Char('\n'));
    }
    if (!problems.empty()) {
        QStringList lines;
        for (const fundis::FieldProblem& problem : problems) {
            lines << QStringLiteral("  ") + QString::fromStdString(problem.describe());
        }
        parts << QStringLiteral("Без этих полей расчет не будет выполнен:\n") + lines.join(QLatin1Char('\n'));
    }
    const QString text =
        parts.join(QStringLiteral("\n\n")) +
        QStringLiteral("\n\nВернитесь к вводу, чтобы исправить их, или примите данные как есть.");
    const int kBack = 0;
    return fundis::dialogs().question(this, windowTitle(), text,
                                      {QStringLiteral("Вернуться к вводу"), QStringLiteral("Принять")}, kBack,
                                      kBack) != kBack;
}

void InputDialog::confirmInput() {
    if (!confirmFieldsAsTyped()) {
        return;
    }
    fundis::CodeTables tables;
    const fundis::Status loaded = fundis::loadCodeTables(tablesFolder_, tables, fundis::TableGroup::Input);
    if (!loaded) {
        fundis::showMessage(
            this, windowTitle(),
            QString::fromStdString(loaded.message()) + QStringLiteral(".\n\n") + tablesFolderHint());
    } else {
        // the L/H edit shows the ratio actually used
        fundis::ProjectForm confirmed = form();
        fundis::ProjectRecord scratch;
        fundis::applyInputForm(confirmed, scratch, tables);
        edit(TextField::LH)->setText(QString::fromStdString(confirmed.text(TextField::LH)));
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
