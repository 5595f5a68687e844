#include "gui/input/InputDialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

using fundis::setHint;

namespace {

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

const QString kMomentHintII = QStringLiteral("|Момент на уровне верхнего обреза фундамента, кН.м");
const QString kMomentHintI = QStringLiteral("Момент на уровне верхнего обреза фундамента, кН.м");
const QString kForceHint = QStringLiteral("|Вертикальная нагрузка на уровне верхнего обреза фундамента, кН");
const QString kShearHint = QStringLiteral("|Поперечная нагрузка на уровне верхнего обреза фундамента, кН");

}  // namespace

InputDialog::InputDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InputDialog"));
    setWindowTitle(QStringLiteral("Ввод исходных данных"));
    setFont(fundis::windowFont());
    setFixedSize(400, 292);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 400, 265);
    PageControl1->addTab(buildBuildingTab(), QStringLiteral("Сооружение"));
    PageControl1->addTab(buildLoadsTab(), QStringLiteral("Нагрузки"));
    PageControl1->addTab(buildSoilTab(), QStringLiteral("Грунт"));
    PageControl1->addTab(buildFoundationTab(), QStringLiteral("Фундамент"));

    OKButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(283, 267, 75, 25);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &InputDialog::OKButtonClick);

    connect(comboBox(4), &QComboBox::activated, this, &InputDialog::ComboBox4Change);
    connect(comboBox(6), &QComboBox::activated, this, &InputDialog::ComboBox6Change);
    connect(comboBox(7), &QComboBox::activated, this, &InputDialog::ComboBox7Change);
    connect(edit(26), &QLineEdit::textChanged, this, &InputDialog::Edit26Change);

    // the starting state: the defaults of a new project, no overhang value, no L/H value
    fromForm(fundis::ProjectForm());
    for (QLineEdit* e : edits_) {
        connect(e, &QLineEdit::textEdited, this, [this, e] { editTyped(e); });
    }
    for (QComboBox* combo : combos_) {
        connect(combo, &QComboBox::activated, this, &InputDialog::formEdited);
    }
    connect(CheckBox1, &QCheckBox::clicked, this, &InputDialog::formEdited);
    LabelOverhangValue->hide();
    edit(2)->hide();
    LabelLHValue->hide();
    edit(15)->hide();
    PageControl1->setCurrentIndex(0);
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

QLineEdit* InputDialog::makeEdit(int number, QWidget* parent, const QRect& place, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    edit->setGeometry(place);
    if (!hint.isEmpty()) {
        setHint(edit, hint);
    }
    edits_.at(number - 1) = edit;
    return edit;
}

QComboBox* InputDialog::makeCombo(int number, QWidget* parent, const QRect& place) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("ComboBox%1").arg(number));
    combo->setGeometry(place);
    for (const std::string& item : fundis::comboItems(number)) {
        combo->addItem(QString::fromStdString(item));
    }
    // the list opens as wide as its longest item, whatever the box's width
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
    combos_.at(number - 1) = combo;
    return combo;
}

QWidget* InputDialog::buildBuildingTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TabSheet1"));

    LabelFloor = makeLabel(tab, QStringLiteral("Тип пола сооружения"), 8, 6);
    makeCombo(2, tab, QRect(8, 22, 272, 21));
    setHint(
        comboBox(2),
        QStringLiteral(
            "|Эта информация необходима для определения к-та kh(см. [1], табл. 5.9 в списке литературы)"));

    LabelTemperature = makeLabel(tab, QStringLiteral("Температура"), 292, 6);
    makeCombo(3, tab, QRect(292, 22, 92, 21));
    setHint(comboBox(3), QStringLiteral("|Температура воздуха в помещении, град."));

    LabelOverhang = makeLabel(tab, QStringLiteral("Вылет подошвы"), 8, 54);
    makeCombo(4, tab, QRect(8, 70, 120, 21));
    setHint(comboBox(4), QStringLiteral("|Вылет подошвы фундамента от внешней грани стены, м"));

    LabelOverhangValue = makeLabel(tab, QStringLiteral("Величина вылета, м"), 156, 54);
    makeEdit(2, tab, QRect(156, 70, 60, 21), QStringLiteral("|Величина вылета подошвы фундамента"))
        ->setMaxLength(5);

    LabelMt = makeLabel(tab, QStringLiteral("Mt="), 292, 54);
    makeEdit(
        1, tab, QRect(292, 70, 60, 21),
        QStringLiteral(
            "|Сумма абсолютных значений среднемесячных отрицательных температур за зиму, СНиП 2.01.01-82"))
        ->setMaxLength(5);

    makeLabel(tab, QStringLiteral("Конструктив. схема здания"), 8, 102);
    makeCombo(6, tab, QRect(8, 118, 120, 21));
    setHint(comboBox(6), QStringLiteral("|Схема здания - гибкая или жесткая."));

    const QString ratioHint = QStringLiteral("|Отношение длины сооружения или его отсека к его высоте");
    LabelLH = makeLabel(tab, QStringLiteral("L/H"), 156, 102);
    makeCombo(7, tab, QRect(156, 118, 120, 21));
    setHint(comboBox(7), ratioHint);

    LabelLHValue = makeLabel(tab, QStringLiteral("L/H="), 292, 102);
    makeEdit(15, tab, QRect(292, 118, 92, 21), ratioHint);
    return tab;
}

QWidget* InputDialog::buildLoadsTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TabSheet2"));
    makeLabel(tab, QStringLiteral("Сочетания расчетных нагрузок"), 8, 4);

    const int groupTop = 22;
    const int rowTop[3] = {36, 64, 92};
    const char* rowNames[3] = {"Mmax", "Nmax", "Qmax"};
    for (int row = 0; row < 3; ++row) {
        makeLabel(tab, QString::fromLatin1(rowNames[row]), 6, groupTop + rowTop[row] + 3);
    }

    auto makeGroup = [&](const QString& title, int left, int firstEdit, const QString& momentHint) {
        auto* group = new QGroupBox(title, tab);
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
                makeEdit(firstEdit + row * 3 + column, group, QRect(columnLeft[column], rowTop[row], 48, 21),
                         hints[column]);
            }
        }
    };
    makeGroup(QStringLiteral("II предельное состояние"), 42, 3, kMomentHintII);
    makeGroup(QStringLiteral("I предельное состояние"), 218, 32, kMomentHintI);

    CheckBox1 = new QCheckBox(QStringLiteral("Учет крановых и ветровых нагр."), tab);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(8, 160);
    CheckBox1->adjustSize();
    setHint(CheckBox1, QStringLiteral("|Расчетное сопр. бетона повыш. на 10%"));

    Button1 = new QPushButton(QStringLiteral("К-т надежн. 1.1"), tab);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(264, 156, 120, 25);
    Button1->setAutoDefault(false);
    setHint(Button1, QStringLiteral("|Исп. обобщ. к-т надежности 1.1 для предварительного расчета"));
    connect(Button1, &QPushButton::clicked, this, &InputDialog::Button1Click);
    return tab;
}

QWidget* InputDialog::buildSoilTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TabSheet3"));

    makeLabel(tab, QStringLiteral("Тип грунта для опр. расчетного сопротивления"), 8, 4);
    makeCombo(5, tab, QRect(8, 20, 376, 21));

    LabelFrostSoil =
        makeLabel(tab, QStringLiteral("Тип грунта для опр. глубины заложения подошвы фундамента"), 8, 50);
    makeCombo(1, tab, QRect(8, 66, 376, 21));

    makeLabel(tab, QStringLiteral("φii, град"), 8, 98);
    makeEdit(13, tab, QRect(8, 114, 60, 21), QStringLiteral("|Угол внутреннего трения, град."));
    makeLabel(tab, QStringLiteral("сii, кПа"), 84, 98);
    makeEdit(14, tab, QRect(84, 114, 60, 21), QStringLiteral("|Удельное сцепление, кПа."));
    makeLabel(tab, QStringLiteral("Метод определения прочн. характер."), 160, 98);
    makeCombo(8, tab, QRect(160, 114, 224, 21));

    makeLabel(tab, QStringLiteral("Вес грунта ниже подошвы, кН/м3"), 8, 146);
    makeEdit(16, tab, QRect(8, 162, 60, 21), QStringLiteral("|Вес грунта ниже подошвы фундамента, кН/м3"));
    makeLabel(tab, QStringLiteral("Вес грунта выше подошвы, кН/м3"), 200, 146);
    makeEdit(17, tab, QRect(200, 162, 60, 21), QStringLiteral("|Вес грунта выше подошвы фундамента, кН/м3"));
    return tab;
}

QWidget* InputDialog::buildFoundationTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TabSheet4"));
    picture_ = new FoundationPicture(tab);

    struct Place {
        int number;
        QRect place;
        const char* placeholder;  // what belongs there while it is empty
        const char* hint;
    };
    const Place onPicture[] = {
        {24, {82, 6, 33, 13}, "buc", "|Ширина поперечного сечения подколонника, м (задавать необязательно)"},
        {25, {136, 6, 33, 13}, "luc", "|Высота поперечного сечения подколонника, м (задавать необязательно)"},
        {27, {82, 28, 33, 13}, "bc", "|Ширина поперечного сечения колонны, м"},
        {23, {136, 28, 33, 13}, "lc", "|Высота поперечного сечения колонны, м"},
        {41, {18, 39, 33, 13}, "0.000", "|Отметка природного рельефа (наружные фундаменты, м)"},
        {19, {194, 95, 41, 12}, "", "|Отметка верха подколонника от уровня планировки, м"},
        {21, {250, 119, 33, 13}, "", "|Глубина стакана, м"},
        {22,
         {250, 175, 33, 13},
         "",
         "|Толщина днища стакана (минимальная - по конструктивным требованиям), м"},
        {26,
         {24, 127, 33, 13},
         "авто",
         "|Глубина заложения фундамента, м (если не задана, проводится расчет)"},
        {28, {160, 174, 33, 12}, "", "|Диаметр нижней рабочей арматуры, м"},
        {29, {56, 178, 33, 12}, "", "|Защитный слой нижней арматуры, м"},
    };
    QList<QRect> textPlaces;
    const QFont small = fundis::windowFont(10);
    for (const Place& p : onPicture) {
        QLineEdit* e = makeEdit(p.number, tab, p.place, QString::fromUtf8(p.hint));
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
    makeLabel(tab, QStringLiteral("x"), 120, 3)->setFont(small);
    makeLabel(tab, QStringLiteral("x"), 120, 25)->setFont(small);
    for (QLabel* label :
         {makeLabel(tab, QStringLiteral("d, м"), 24, 112), makeLabel(tab, QStringLiteral("da, м"), 160, 158),
          makeLabel(tab, QStringLiteral("dz, м"), 57, 160)}) {
        label->setFont(small);
        label->adjustSize();
        textPlaces << label->geometry();
    }
    for (QLabel* label : tab->findChildren<QLabel*>()) {
        if (label->text() == QLatin1String("x")) {
            label->adjustSize();
            textPlaces << label->geometry();
        }
    }
    picture_->setTextPlaces(textPlaces);

    makeLabel(tab, QStringLiteral("b/l"), 264, 2);
    makeEdit(18, tab, QRect(264, 16, 33, 21),
             QStringLiteral("|Отношение ширины подошвы фундамента к ее длине"));
    makeLabel(tab, QStringLiteral("d_h, м"), 304, 2);
    makeEdit(20, tab, QRect(304, 16, 33, 21), QStringLiteral("|Кратность высоты фундамента, м"));
    makeLabel(tab, QStringLiteral("d_l, м"), 264, 42);
    makeEdit(12, tab, QRect(264, 56, 33, 21),
             QStringLiteral("|Кратность длины и ширины подошвы фундамента, м"));
    makeLabel(tab, QStringLiteral("Класс бетона"), 312, 42);
    makeCombo(9, tab, QRect(312, 56, 65, 21));
    setHint(comboBox(9), QStringLiteral("|Класс бетона"));
    makeLabel(tab, QStringLiteral("Rs, МПа"), 312, 82);
    makeEdit(30, tab, QRect(312, 96, 33, 21),
             QStringLiteral("|Расчетное сопротивление арматуры на растяжение"));
    // "Rsс": the last letter is a Cyrillic "с"
    makeLabel(tab, QStringLiteral("Rsс, МПа"), 312, 122);
    makeEdit(31, tab, QRect(312, 136, 33, 21), QStringLiteral("|Расчетное сопротивление арматуры на сжатие"));
    return tab;
}

fundis::ProjectForm InputDialog::toForm() const {
    fundis::ProjectForm form;
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        form.edit(number) = edit(number)->text().toStdString();
    }
    for (int number = 1; number <= fundis::kComboCount; ++number) {
        form.combo(number) = comboBox(number)->currentIndex();
    }
    form.craneAndWind = CheckBox1->isChecked();
    return form;
}

void InputDialog::fromForm(const fundis::ProjectForm& form) {
    for (int number = 1; number <= fundis::kComboCount; ++number) {
        comboBox(number)->setCurrentIndex(form.combo(number));
    }
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        edit(number)->setText(QString::fromStdString(form.edit(number)));
    }
    CheckBox1->setChecked(form.craneAndWind);
}

void InputDialog::applyVisibilityRules() {
    ComboBox4Change();
    ComboBox6Change();
    ComboBox7Change();
    Edit26Change();
}

void InputDialog::selectFirstItems() {
    for (QComboBox* combo : combos_) {
        combo->setCurrentIndex(0);
    }
}

void InputDialog::ComboBox4Change() {
    const bool shown = comboBox(4)->currentIndex() != 0;
    LabelOverhangValue->setVisible(shown);
    edit(2)->setVisible(shown);
}

void InputDialog::ComboBox6Change() {
    if (comboBox(6)->currentIndex() != 1) {
        LabelLH->show();
        comboBox(7)->show();
        return;
    }
    // a flexible building needs no L/H
    LabelLH->hide();
    comboBox(7)->hide();
    LabelLHValue->hide();
    edit(15)->hide();
    comboBox(7)->setCurrentIndex(0);
}

void InputDialog::ComboBox7Change() {
    const bool shown = comboBox(7)->currentIndex() == 2;
    LabelLHValue->setVisible(shown);
    edit(15)->setVisible(shown);
}

void InputDialog::Edit26Change() {
    // a given depth makes the frost-depth inputs pointless
    const bool shown = edit(26)->text().isEmpty();
    const std::initializer_list<QWidget*> frostInputs = {
        comboBox(1),      LabelFrostSoil, comboBox(2),   LabelFloor, comboBox(3),
        LabelTemperature, comboBox(4),    LabelOverhang, edit(1),    LabelMt};
    for (QWidget* widget : frostInputs) {
        widget->setVisible(shown);
    }
    if (!shown) {
        edit(2)->hide();
        LabelOverhangValue->hide();
    } else if (comboBox(4)->currentIndex() == 1) {
        edit(2)->show();
        LabelOverhangValue->show();
    }
}

void InputDialog::Button1Click() {
    fundis::ProjectForm form = toForm();
    fundis::fillReliabilityFactor(form);
    for (int number = 32; number <= 40; ++number) {
        edit(number)->setText(QString::fromStdString(form.edit(number)));
    }
    emit formEdited();
}

bool InputDialog::confirmUnreadableEdits() {
    const std::vector<fundis::UnreadableEdit> unreadable = fundis::editsNotWholeNumbers(toForm());
    if (unreadable.empty()) {
        return true;
    }
    QStringList lines;
    for (const fundis::UnreadableEdit& field : unreadable) {
        lines << QStringLiteral("  ") + QString::fromStdString(field.describe());
    }
    const QString text = QStringLiteral(
                             "В этих полях не число, расчет прочитает их так:\n%1\n\n"
                             "Вернитесь к вводу, чтобы исправить их, или примите данные как есть.")
                             .arg(lines.join(QLatin1Char('\n')));
    const int kBack = 0;
    return fundis::dialogs().question(this, windowTitle(), text,
                                      {QStringLiteral("Вернуться к вводу"), QStringLiteral("Принять")}, kBack,
                                      kBack) != kBack;
}

void InputDialog::OKButtonClick() {
    if (!confirmUnreadableEdits()) {
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
        fundis::ProjectForm form = toForm();
        fundis::ProjectRecord scratch;
        fundis::applyInputForm(form, scratch, tables);
        edit(15)->setText(QString::fromStdString(form.edit(15)));
    }
    accept();
}

QString InputDialog::tablesFolderHint() {
    return QStringLiteral(
        "Папка с таблицами задается в меню «Настройка → Настройка параметров → Папка с программой».");
}

}  // namespace fundis
