#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "AppFixture.h"
#include "input/FoundationPicture.h"

using fundis::testing::AppFixture;
using fundis::testing::choose;
using fundis::testing::type;

namespace {

QStringList items(QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts << combo->itemText(i);
    }
    return texts;
}

QStringList labelTexts(QWidget* parent) {
    QStringList texts;
    for (QLabel* label : parent->findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

bool hidden(const std::initializer_list<QWidget*>& widgets) {
    return std::all_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->isHidden(); });
}

bool shownAll(const std::initializer_list<QWidget*>& widgets) {
    return std::none_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->isHidden(); });
}

}  // namespace

// The dialog's texts as the program shows them
TEST_F(AppFixture, InputDialogTexts) {
    EXPECT_EQ(input->windowTitle(), QStringLiteral("Ввод исходных данных"));
    EXPECT_EQ(input->size(), QSize(400, 292));
    EXPECT_EQ(input->OKButton->geometry(), QRect(283, 267, 75, 25));
    EXPECT_TRUE(input->OKButton->isDefault());
    QStringList tabs;
    for (int i = 0; i < input->PageControl1->count(); ++i) {
        tabs << input->PageControl1->tabText(i);
    }
    EXPECT_EQ(tabs, (QStringList{"Сооружение", "Нагрузки", "Грунт", "Фундамент"}));

    const struct {
        int combo;
        QStringList items;
    } lists[] = {
        {1,
         {"Cуглинки и глины", "Супеси, пески мелкие и пылеватые",
          "Пески гравелистые, крупные и средней крупности", "Крупнообломочные грунты"}},
        {2,
         {"Без подвала с полами, устраиваемыми на грунте", "то же на лагах по грунту",
          "то же по утепленному цокольному перекрытию", "С подвалом или с техническим подпольем"}},
        {3, {"0", "5", "10", "15", "20 и более"}},
        {4, {"0,5 м. и менее", "Больше 0,5 м."}},
        {5,
         {"Крупн.обл. с песч.зап. и песч. гр., кроме мелк. и пылев.", "Пески мелкие",
          "Пески пылеватые маловлажные и влажные", "Пески пылеватые, насыщенные водой",
          "Пыл.-гл. грунты а также кр.обл. с пыл-гл.зап с пок. тек IL<=0,25", "То же при 0,25<IL<=0.5",
          "То же при IL>0,5"}},
        {6, {"Жесткая", "Гибкая"}},
        {7, {"4 и более", "1,5 и менее", "другое"}},
        {8, {"Непосредственными испытаниями", "По таблицам СНиП 2.02.01-83"}},
        {9, {"B 12,5", "B 15"}},
    };
    for (const auto& list : lists) {
        EXPECT_EQ(items(input->comboBox(list.combo)), list.items) << list.combo;
    }
    // the first frost soil starts with a Latin C
    EXPECT_EQ(input->comboBox(1)->itemText(0).at(0), QLatin1Char('C'));

    const QStringList labels = labelTexts(input);
    for (const char* text : {"Тип пола сооружения",
                             "Температура",
                             "Mt=",
                             "Вылет подошвы",
                             "Величина вылета, м",
                             "Конструктив. схема здания",
                             "L/H",
                             "L/H=",
                             "Сочетания расчетных нагрузок",
                             "Mmax",
                             "Nmax",
                             "Qmax",
                             "M",
                             "N",
                             "Q",
                             "Тип грунта для опр. расчетного сопротивления",
                             "Тип грунта для опр. глубины заложения подошвы фундамента",
                             "сii, кПа",
                             "Метод определения прочн. характер.",
                             "Вес грунта ниже подошвы, кН/м3",
                             "Вес грунта выше подошвы, кН/м3",
                             "d, м",
                             "da, м",
                             "dz, м",
                             "b/l",
                             "d_h, м",
                             "d_l, м",
                             "Класс бетона",
                             "Rs, МПа",
                             "Rsс, МПа",
                             "x"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QString& l) { return l.endsWith(QStringLiteral("ii, град")); }));
    QStringList groups;
    for (QGroupBox* group : input->findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    EXPECT_EQ(groups, (QStringList{"II предельное состояние", "I предельное состояние"}));
    EXPECT_EQ(input->CheckBox1->text(), QStringLiteral("Учет крановых и ветровых нагр."));
    EXPECT_FALSE(input->CheckBox1->isChecked());
    EXPECT_EQ(input->Button1->text(), QStringLiteral("К-т надежн. 1.1"));

    const struct {
        QWidget* widget;
        const char* hint;
    } hints[] = {
        {input->comboBox(2),
         "|Эта информация необходима для определения к-та kh(см. [1], табл. 5.9 в списке литературы)"},
        {input->comboBox(3), "|Температура воздуха в помещении, град."},
        {input->edit(1),
         "|Сумма абсолютных значений среднемесячных отрицательных температур за зиму, СНиП 2.01.01-82"},
        {input->comboBox(4), "|Вылет подошвы фундамента от внешней грани стены, м"},
        {input->edit(2), "|Величина вылета подошвы фундамента"},
        {input->comboBox(6), "|Схема здания - гибкая или жесткая."},
        {input->comboBox(7), "|Отношение длины сооружения или его отсека к его высоте"},
        {input->edit(15), "|Отношение длины сооружения или его отсека к его высоте"},
        {input->edit(3), "|Момент на уровне верхнего обреза фундамента, кН.м"},
        {input->edit(9), "|Момент на уровне верхнего обреза фундамента, кН.м"},
        {input->edit(35), "Момент на уровне верхнего обреза фундамента, кН.м"},
        {input->edit(7), "|Вертикальная нагрузка на уровне верхнего обреза фундамента, кН"},
        {input->edit(39), "|Вертикальная нагрузка на уровне верхнего обреза фундамента, кН"},
        {input->edit(11), "|Поперечная нагрузка на уровне верхнего обреза фундамента, кН"},
        {input->edit(34), "|Поперечная нагрузка на уровне верхнего обреза фундамента, кН"},
        {input->CheckBox1, "|Расчетное сопр. бетона повыш. на 10%"},
        {input->Button1, "|Исп. обобщ. к-т надежности 1.1 для предварительного расчета"},
        {input->edit(13), "|Угол внутреннего трения, град."},
        {input->edit(14), "|Удельное сцепление, кПа."},
        {input->edit(16), "|Вес грунта ниже подошвы фундамента, кН/м3"},
        {input->edit(17), "|Вес грунта выше подошвы фундамента, кН/м3"},
        {input->edit(24), "|Ширина поперечного сечения подколонника, м (задавать необязательно)"},
        {input->edit(25), "|Высота поперечного сечения подколонника, м (задавать необязательно)"},
        {input->edit(27), "|Ширина поперечного сечения колонны, м"},
        {input->edit(23), "|Высота поперечного сечения колонны, м"},
        {input->edit(41), "|Отметка природного рельефа (наружные фундаменты, м)"},
        {input->edit(19), "|Отметка верха подколонника от уровня планировки, м"},
        {input->edit(21), "|Глубина стакана, м"},
        {input->edit(22), "|Толщина днища стакана (минимальная - по конструктивным требованиям), м"},
        {input->edit(26), "|Глубина заложения фундамента, м (если не задана, проводится расчет)"},
        {input->edit(28), "|Диаметр нижней рабочей арматуры, м"},
        {input->edit(29), "|Защитный слой нижней арматуры, м"},
        {input->edit(18), "|Отношение ширины подошвы фундамента к ее длине"},
        {input->edit(20), "|Кратность высоты фундамента, м"},
        {input->edit(12), "|Кратность длины и ширины подошвы фундамента, м"},
        {input->comboBox(9), "|Класс бетона"},
        {input->edit(30), "|Расчетное сопротивление арматуры на растяжение"},
        {input->edit(31), "|Расчетное сопротивление арматуры на сжатие"},
    };
    for (const auto& row : hints) {
        EXPECT_EQ(row.widget->property("hint").toString(), QString::fromUtf8(row.hint))
            << row.widget->objectName().toStdString();
    }
    EXPECT_TRUE(input->comboBox(5)->property("hint").isNull());
}

// The starting texts are the ones a new project's file holds
TEST_F(AppFixture, InputDialogStartsWithTheDefaults) {
    const fundis::ProjectForm defaults;
    const fundis::ProjectForm form = input->toForm();
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        EXPECT_EQ(form.edit(number), defaults.edit(number)) << "Edit" << number;
    }
    EXPECT_EQ(input->edit(1)->maxLength(), 5);
    EXPECT_EQ(input->edit(2)->maxLength(), 5);
    EXPECT_TRUE(hidden({input->edit(2), input->LabelOverhangValue, input->edit(15), input->LabelLHValue}));
}

// The "Фундамент" tab: the edits at their places, borderless on the picture
TEST_F(AppFixture, FoundationTabPlaces) {
    const struct {
        int edit;
        QRect place;
    } rows[] = {
        {24, {82, 6, 33, 13}},   {25, {136, 6, 33, 13}},   {27, {82, 28, 33, 13}},   {23, {136, 28, 33, 13}},
        {41, {18, 39, 33, 13}},  {19, {194, 95, 41, 12}},  {21, {250, 119, 33, 13}}, {22, {250, 175, 33, 13}},
        {26, {24, 127, 33, 13}}, {28, {160, 174, 33, 12}}, {29, {56, 178, 33, 12}},  {18, {264, 16, 33, 21}},
        {20, {304, 16, 33, 21}}, {12, {264, 56, 33, 21}},  {30, {312, 96, 33, 21}},  {31, {312, 136, 33, 21}},
    };
    const QRect picture(FoundationPicture::kLeft, FoundationPicture::kTop, FoundationPicture::kWidth,
                        FoundationPicture::kHeight);
    EXPECT_EQ(picture, QRect(9, 16, 250, 222));
    for (const auto& row : rows) {
        QLineEdit* edit = input->edit(row.edit);
        EXPECT_EQ(edit->geometry(), row.place) << row.edit;
        const bool onPicture = row.place.left() >= picture.left() && row.place.left() <= picture.right();
        EXPECT_EQ(edit->hasFrame(), !onPicture) << row.edit;
    }
    EXPECT_EQ(input->comboBox(9)->geometry(), QRect(312, 56, 65, 21));
}

// Nothing overlaps, and no label or check box is cut off, on any tab
TEST_F(AppFixture, InputTabsHaveNoOverlapsOrClippedTexts) {
    input->show();
    for (int tab = 0; tab < input->PageControl1->count(); ++tab) {
        input->PageControl1->setCurrentIndex(tab);
        QApplication::processEvents();
        QWidget* page = input->PageControl1->widget(tab);
        SCOPED_TRACE(page->objectName().toStdString());
        std::vector<QWidget*> parts;
        for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<FoundationPicture*>(w)) {
                parts.push_back(w);
            }
        }
        for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
            for (QWidget* w : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(group->rect().contains(w->geometry())) << w->objectName().toStdString();
            }
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const QRect a = parts[i]->geometry();
            EXPECT_TRUE(page->rect().contains(a))
                << parts[i]->metaObject()->className() << " " << parts[i]->objectName().toStdString()
                << " at " << a.x() << "," << a.y();
            if (auto* label = qobject_cast<QLabel*>(parts[i])) {
                EXPECT_LE(label->sizeHint().width(), a.width()) << label->text().toStdString();
            }
            for (std::size_t j = i + 1; j < parts.size(); ++j) {
                EXPECT_FALSE(a.intersects(parts[j]->geometry()))
                    << parts[i]->objectName().toStdString() << "/"
                    << qPrintable(qobject_cast<QLabel*>(parts[i]) ? qobject_cast<QLabel*>(parts[i])->text()
                                                                  : QString())
                    << " with " << parts[j]->objectName().toStdString() << "/"
                    << qPrintable(qobject_cast<QLabel*>(parts[j]) ? qobject_cast<QLabel*>(parts[j])->text()
                                                                  : QString());
            }
        }
    }
}

// Overhang rule: the value shows with "Больше 0,5 м."
TEST_F(AppFixture, OverhangValueShowsForAWideOverhang) {
    choose(input->comboBox(4), 1);
    EXPECT_TRUE(shownAll({input->edit(2), input->LabelOverhangValue}));
    choose(input->comboBox(4), 0);
    EXPECT_TRUE(hidden({input->edit(2), input->LabelOverhangValue}));
}

// Scheme and L/H rules
TEST_F(AppFixture, FlexibleSchemeHidesTheRatio) {
    choose(input->comboBox(7), 2);
    EXPECT_TRUE(shownAll({input->edit(15), input->LabelLHValue}));
    choose(input->comboBox(7), 1);
    EXPECT_TRUE(hidden({input->edit(15), input->LabelLHValue}));
    choose(input->comboBox(7), 2);

    choose(input->comboBox(6), 1);
    EXPECT_TRUE(hidden({input->LabelLH, input->comboBox(7), input->LabelLHValue, input->edit(15)}));
    EXPECT_EQ(input->comboBox(7)->currentIndex(), 0);

    choose(input->comboBox(6), 0);
    EXPECT_TRUE(shownAll({input->LabelLH, input->comboBox(7)}));
    EXPECT_TRUE(hidden({input->LabelLHValue, input->edit(15)}));
}

// Depth rule: a typed depth hides the frost-depth inputs; clearing it shows them again
TEST_F(AppFixture, GivenDepthHidesTheFrostInputs) {
    for (int overhang : {1, 0}) {
        SCOPED_TRACE(overhang);
        choose(input->comboBox(4), overhang);
        QTest::keyClicks(input->edit(26), QStringLiteral("1.5"));
        EXPECT_TRUE(
            hidden({input->comboBox(1), input->LabelFrostSoil, input->comboBox(2), input->LabelFloor,
                    input->comboBox(3), input->LabelTemperature, input->comboBox(4), input->LabelOverhang,
                    input->edit(1), input->LabelMt, input->edit(2), input->LabelOverhangValue}));
        type(input->edit(26), QString());
        EXPECT_TRUE(shownAll({input->comboBox(1), input->LabelFrostSoil, input->comboBox(2),
                              input->LabelFloor, input->comboBox(3), input->LabelTemperature,
                              input->comboBox(4), input->LabelOverhang, input->edit(1), input->LabelMt}));
        EXPECT_EQ(input->edit(2)->isHidden(), overhang == 0);
        EXPECT_EQ(input->LabelOverhangValue->isHidden(), overhang == 0);
    }
}

// OK: kh with the overhang raise and its cap
TEST_F(AppFixture, OkDerivesKhWithTheOverhang) {
    const struct {
        int temperature;
        int floor;
        int overhang;
        const char* value;
        float kh;
    } rows[] = {
        {0, 0, 0, "3", 0.9f},     // "0,5 м. и менее" ignores the typed value
        {0, 0, 1, "1.5", 1.0f},   // 0.9 + 0.1
        {0, 0, 1, "3", 1.0f},     // 0.9 + 0.25, capped
        {0, 0, 1, "0.2", 0.87f},  // 0.9 - 0.03
        {2, 3, 1, "1.5", 0.7f},   // 0.6 + 0.1
        {4, 1, 0, "", 0.6f},
    };
    activate();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        choose(input->comboBox(3), row.temperature);
        choose(input->comboBox(2), row.floor);
        choose(input->comboBox(4), row.overhang);
        type(input->edit(2), QString::fromLatin1(row.value));
        pressOk();
        EXPECT_NEAR(main->record.kh, row.kh, 1e-6);
    }
}

// OK: L/H clamped to 1.5..4 and written back; the flexible scheme leaves the edit alone
TEST_F(AppFixture, OkClampsTheRatioAndRewritesIt) {
    const struct {
        int scheme;
        int choice;
        const char* typed;
        const char* rewritten;
        float Yc2;  // soil row 0 of table3.dat: 1.4 at L/H 1.5, 1.2 at 4
    } rows[] = {
        {0, 2, "5", "4", 1.2f},     {0, 2, "1", "1.5", 1.4f},
        {0, 2, "", "1.5", 1.4f},    {0, 2, "2.7", "2.70000004768372", 1.304f},
        {0, 0, "", "4", 1.2f},      {0, 1, "3", "1.5", 1.4f},
        {1, 0, "abc", "abc", 1.0f},
    };
    activate();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        choose(input->comboBox(6), 0);
        choose(input->comboBox(7), row.choice);
        input->edit(15)->setText(QString::fromLatin1(row.typed));
        if (row.scheme == 1) {
            choose(input->comboBox(6), 1);
        }
        pressOk();
        EXPECT_EQ(input->edit(15)->text(), QString::fromLatin1(row.rewritten));
        EXPECT_NEAR(main->record.Yc2, row.Yc2, 1e-5);
        EXPECT_NEAR(main->record.Yc1, 1.4f, 1e-6);
    }
}

// OK: k by the method, Rbt by the class and the crane-and-wind box, the same on every OK
TEST_F(AppFixture, OkDerivesKAndRbt) {
    const struct {
        int method;
        int concrete;
        bool craneAndWind;
        float k;
        float Rbt;
    } rows[] = {
        {0, 0, false, 1.0f, 0.66f},
        {1, 0, true, 1.1f, 0.726f},
        {1, 1, false, 1.1f, 0.75f},
        {0, 1, true, 1.0f, 0.825f},
    };
    activate();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Rbt);
        choose(input->comboBox(8), row.method);
        choose(input->comboBox(9), row.concrete);
        input->CheckBox1->setChecked(row.craneAndWind);
        for (int press = 0; press < 2; ++press) {
            pressOk();
            EXPECT_NEAR(main->record.k, row.k, 1e-6);
            EXPECT_NEAR(main->record.Rbt, row.Rbt, 1e-6) << "press " << press;
        }
    }
}

// OK: edits into the record, MPa into kPa, iterations 0 raised to 1
TEST_F(AppFixture, OkConvertsTheEdits) {
    activate();
    main->settings.iterations = 0;
    type(input->edit(13), QStringLiteral("0,5"));
    type(input->edit(14), QStringLiteral(" 12abc"));
    type(input->edit(16), QStringLiteral("0.5"));
    type(input->edit(30), QStringLiteral("280"));
    type(input->edit(3), QStringLiteral("-40"));
    type(input->edit(40), QStringLiteral("7"));
    pressOk();
    EXPECT_EQ(main->record.fii, 0.0f);
    EXPECT_EQ(main->record.cii, 12.0f);
    EXPECT_EQ(main->record.Yii, 0.5f);
    EXPECT_EQ(main->record.Rs, 280000.0f);
    EXPECT_EQ(main->record.MII[1], -40.0f);
    EXPECT_EQ(main->record.QI[3], 7.0f);
    EXPECT_NEAR(main->record.pedestalTop, -0.15f, 1e-7);
    EXPECT_EQ(main->settings.iterations, 1);
    EXPECT_TRUE(messages.empty());
}

// A missing table is told, and the dialog still closes
TEST_F(AppFixture, OkReportsAMissingTable) {
    activate();
    main->settings.programDir = dataFolder.path().toStdString();
    pressOk();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("Rb.dat"))) << messages[0].text.toStdString();
}

// Closing without OK keeps the typed texts for the next showing and leaves the record alone
TEST_F(AppFixture, ClosingKeepsTheTextsButNotTheRecord) {
    activate();
    input->show();
    type(input->edit(13), QStringLiteral("31"));
    input->PageControl1->setCurrentIndex(2);
    input->close();
    EXPECT_EQ(input->result(), QDialog::Rejected);
    EXPECT_EQ(main->record.fii, 0.0f);
    input->show();
    EXPECT_EQ(input->edit(13)->text(), QStringLiteral("31"));
    EXPECT_EQ(input->PageControl1->currentIndex(), 2);
}

// "К-т надежн. 1.1": the I group becomes 1.1 times the II group
TEST_F(AppFixture, ReliabilityButtonFillsTheFirstLimitState) {
    const struct {
        int source;
        const char* text;
        int target;
        const char* expected;
    } rows[] = {
        {3, "100", 32, "110"},        {4, "123.45", 33, "135.795"},
        {5, "1e6", 34, "1.1e+06"},    {6, "", 35, "0"},
        {7, "3", 36, "3.3"},          {8, "-50", 37, "-55"},
        {9, "2.5e6", 38, "2.75e+06"}, {10, "0.00001", 39, "1.1e-05"},
        {11, "0,5", 40, "0"},
    };
    for (const auto& row : rows) {
        type(input->edit(row.source), QString::fromLatin1(row.text));
        input->edit(row.target)->setText(QStringLiteral("typed by hand"));
    }
    QTest::mouseClick(input->Button1, Qt::LeftButton);
    for (const auto& row : rows) {
        EXPECT_EQ(input->edit(row.target)->text(), QString::fromLatin1(row.expected)) << row.text;
        EXPECT_EQ(input->edit(row.source)->text(), QString::fromLatin1(row.text));
    }
    EXPECT_EQ(main->record.MI[1], 0.0f);  // only the texts change
}
