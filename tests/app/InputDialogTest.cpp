#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "AppFixture.h"
#include "input/ui/FoundationPicture.h"

using fundis::testing::AppFixture;
using fundis::testing::choose;
using fundis::testing::contains;
using fundis::testing::type;
using fundis::testing::visibility;
using fundis::testing::Visibility;

// The dialog's frame and a few texts that are easy to get wrong: look-alike letters, the
// items whose index a rule reads, a hint without the leading "|"
TEST_F(AppFixture, InputDialogTexts) {
    EXPECT_EQ(input->windowTitle(), QStringLiteral("Ввод исходных данных"));
    EXPECT_EQ(input->size(), QSize(400, 292));
    EXPECT_TRUE(input->OKButton->isDefault());
    QStringList tabs;
    for (int i = 0; i < input->PageControl1->count(); ++i) {
        tabs << input->PageControl1->tabText(i);
    }
    EXPECT_EQ(tabs, (QStringList{"Сооружение", "Нагрузки", "Грунт", "Фундамент"}));

    // as many items as the tables behind them have rows
    const int counts[] = {4, 4, 5, 2, 7, 2, 3, 2, 2};
    for (int number = 1; number <= 9; ++number) {
        EXPECT_EQ(input->comboBox(number)->count(), counts[number - 1]) << number;
    }
    // the first frost soil starts with a Latin C
    EXPECT_EQ(input->comboBox(1)->itemText(0), QStringLiteral("Cуглинки и глины"));
    EXPECT_EQ(input->comboBox(1)->itemText(0).at(0), QLatin1Char('C'));
    EXPECT_EQ(input->comboBox(4)->itemText(1), QStringLiteral("Больше 0,5 м."));
    EXPECT_EQ(input->comboBox(6)->itemText(1), QStringLiteral("Гибкая"));
    EXPECT_EQ(input->comboBox(7)->itemText(2), QStringLiteral("другое"));

    QStringList labels;
    for (QLabel* label : input->findChildren<QLabel*>()) {
        labels << label->text();
    }
    // "сii" starts with a Cyrillic "с", "Rsс" ends with one
    for (const char* text : {"сii, кПа", "Rsс, МПа", "Mt=", "L/H=", "M", "N", "Q"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QString& l) { return l.endsWith(QStringLiteral("ii, град")); }));
    EXPECT_FALSE(input->CheckBox1->isChecked());

    // the load grids: a hint per column; the moments of the I group have no "|"
    const auto hint = [](QWidget* widget) { return widget->property("hint").toString(); };
    EXPECT_EQ(hint(input->edit(9)), QStringLiteral("|Момент на уровне верхнего обреза фундамента, кН.м"));
    EXPECT_EQ(hint(input->edit(35)), QStringLiteral("Момент на уровне верхнего обреза фундамента, кН.м"));
    EXPECT_EQ(hint(input->edit(39)),
              QStringLiteral("|Вертикальная нагрузка на уровне верхнего обреза фундамента, кН"));
    EXPECT_EQ(hint(input->edit(11)),
              QStringLiteral("|Поперечная нагрузка на уровне верхнего обреза фундамента, кН"));
    EXPECT_TRUE(hint(input->comboBox(5)).isNull());
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
    input->show();
    EXPECT_EQ(visibility(input), (Visibility{true, false, true, false}));
}

// The "Фундамент" tab: the edits at their places, borderless on the picture
TEST_F(AppFixture, FoundationTabPlaces) {
    const QRect picture(FoundationPicture::kLeft, FoundationPicture::kTop, FoundationPicture::kWidth,
                        FoundationPicture::kHeight);
    EXPECT_EQ(picture, QRect(9, 16, 250, 222));
    EXPECT_EQ(input->edit(24)->geometry(), QRect(82, 6, 33, 13));
    EXPECT_EQ(input->edit(19)->geometry(), QRect(194, 95, 41, 12));
    EXPECT_EQ(input->edit(22)->geometry(), QRect(250, 175, 33, 13));
    EXPECT_EQ(input->edit(18)->geometry(), QRect(264, 16, 33, 21));
    EXPECT_EQ(input->comboBox(9)->geometry(), QRect(312, 56, 65, 21));
    const QList<QLineEdit*> edits = input->PageControl1->widget(3)->findChildren<QLineEdit*>();
    EXPECT_EQ(edits.size(), 16);
    for (QLineEdit* edit : edits) {
        const int left = edit->geometry().left();
        EXPECT_EQ(edit->hasFrame(), left < picture.left() || left > picture.right())
            << edit->objectName().toStdString();
    }
}

// Nothing overlaps, and no label or check box is cut off, on any tab
TEST_F(AppFixture, InputTabsHaveNoOverlapsOrClippedTexts) {
    const auto describe = [](QWidget* w) {
        auto* label = qobject_cast<QLabel*>(w);
        return w->objectName().toStdString() + "/" + (label ? label->text().toStdString() : std::string());
    };
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
                EXPECT_TRUE(group->rect().contains(w->geometry())) << describe(w);
            }
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const QRect a = parts[i]->geometry();
            EXPECT_TRUE(page->rect().contains(a)) << describe(parts[i]) << " at " << a.x() << "," << a.y();
            if (auto* label = qobject_cast<QLabel*>(parts[i])) {
                EXPECT_LE(label->sizeHint().width(), a.width()) << describe(label);
            }
            for (std::size_t j = i + 1; j < parts.size(); ++j) {
                EXPECT_FALSE(a.intersects(parts[j]->geometry()))
                    << describe(parts[i]) << " with " << describe(parts[j]);
            }
        }
    }
}

// Overhang rule: the value shows with "Больше 0,5 м."
TEST_F(AppFixture, OverhangValueShowsForAWideOverhang) {
    input->show();
    choose(input->comboBox(4), 1);
    EXPECT_EQ(visibility(input), (Visibility{true, true, true, false}));
    choose(input->comboBox(4), 0);
    EXPECT_EQ(visibility(input), (Visibility{true, false, true, false}));
}

// Scheme and L/H rules
TEST_F(AppFixture, FlexibleSchemeHidesTheRatio) {
    input->show();
    choose(input->comboBox(7), 2);
    EXPECT_EQ(visibility(input), (Visibility{true, false, true, true}));
    choose(input->comboBox(7), 1);
    EXPECT_EQ(visibility(input), (Visibility{true, false, true, false}));
    choose(input->comboBox(7), 2);

    choose(input->comboBox(6), 1);
    EXPECT_EQ(visibility(input), (Visibility{true, false, false, false}));
    EXPECT_EQ(input->comboBox(7)->currentIndex(), 0);

    choose(input->comboBox(6), 0);
    EXPECT_EQ(visibility(input), (Visibility{true, false, true, false}));
}

// Depth rule: a typed depth hides the frost-depth inputs; clearing it shows them again
TEST_F(AppFixture, GivenDepthHidesTheFrostInputs) {
    input->show();
    for (int overhang : {1, 0}) {
        SCOPED_TRACE(overhang);
        choose(input->comboBox(4), overhang);
        QTest::keyClicks(input->edit(26), QStringLiteral("1.5"));
        EXPECT_EQ(visibility(input), (Visibility{false, false, true, false}));
        type(input->edit(26), QString());
        EXPECT_EQ(visibility(input), (Visibility{true, overhang == 1, true, false}));
    }
}

// OK: the choices reach kh, k and Rbt (the tables behind them are the pure tests' business)
TEST_F(AppFixture, OkDerivesTheFactorsFromTheChoices) {
    activate();
    choose(input->comboBox(3), 2);  // 10 degrees
    choose(input->comboBox(2), 3);  // a basement
    choose(input->comboBox(4), 1);  // a wide overhang
    type(input->edit(2), QStringLiteral("1.5"));
    choose(input->comboBox(8), 1);
    choose(input->comboBox(9), 0);
    input->CheckBox1->setChecked(true);
    for (int press = 0; press < 2; ++press) {  // the same on every OK
        SCOPED_TRACE(press);
        pressOk();
        EXPECT_NEAR(main->record.kh, 0.7f, 1e-6);  // 0.6 + 0.1
        EXPECT_NEAR(main->record.k, 1.1f, 1e-6);
        EXPECT_NEAR(main->record.Rbt, 0.726f, 1e-6);
    }
    choose(input->comboBox(4), 0);  // "0,5 м. и менее" ignores the typed value
    choose(input->comboBox(8), 0);
    choose(input->comboBox(9), 1);
    input->CheckBox1->setChecked(false);
    pressOk();
    EXPECT_NEAR(main->record.kh, 0.6f, 1e-6);
    EXPECT_NEAR(main->record.k, 1.0f, 1e-6);
    EXPECT_NEAR(main->record.Rbt, 0.75f, 1e-6);
}

// OK: L/H clamped to 1.5..4 and written back; the flexible scheme leaves the edit alone
TEST_F(AppFixture, OkClampsTheRatioAndRewritesIt) {
    activate();
    // soil row 0 of table3.dat: Yc2 1.4 at L/H 1.5, 1.2 at 4
    const auto check = [this](int scheme, int choice, const char* typed, const char* rewritten, float Yc2) {
        SCOPED_TRACE(typed);
        choose(input->comboBox(6), 0);
        choose(input->comboBox(7), choice);
        input->edit(15)->setText(QString::fromLatin1(typed));
        choose(input->comboBox(6), scheme);
        pressOk();
        EXPECT_EQ(input->edit(15)->text(), QString::fromLatin1(rewritten));
        EXPECT_NEAR(main->record.Yc2, Yc2, 1e-5);
        EXPECT_NEAR(main->record.Yc1, 1.4f, 1e-6);
    };
    check(0, 2, "5", "4", 1.2f);
    check(0, 1, "3", "1.5", 1.4f);
    check(1, 0, "abc", "abc", 1.0f);
}

// OK: edits into the record, MPa into kPa, iterations 0 raised to 1 (the field map is the pure tests')
TEST_F(AppFixture, OkConvertsTheEdits) {
    activate();
    main->settings.iterations = 0;
    type(input->edit(30), QStringLiteral("280"));
    type(input->edit(40), QStringLiteral("7"));
    pressOk();
    EXPECT_EQ(main->record.Rs, 280000.0f);
    EXPECT_EQ(main->record.QI[3], 7.0f);
    EXPECT_NEAR(main->record.pedestalTop, -0.15f, 1e-7);  // a starting text
    EXPECT_EQ(main->settings.iterations, 1);
    EXPECT_TRUE(messages.empty());
}

// A missing table is told, and the dialog still closes
TEST_F(AppFixture, OkReportsAMissingTable) {
    activate();
    main->settings.programDir = dataFolder.path().toStdString();
    pressOk();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0].text, QStringLiteral("Rb.dat")));
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

// "К-т надежн. 1.1": each edit of the I group becomes 1.1 times its own in the II group
TEST_F(AppFixture, ReliabilityButtonFillsTheFirstLimitState) {
    for (int step = 0; step < 9; ++step) {
        type(input->edit(3 + step), QString::number(10 * (step + 1)));
        input->edit(32 + step)->setText(QStringLiteral("typed by hand"));
    }
    QTest::mouseClick(input->Button1, Qt::LeftButton);
    for (int step = 0; step < 9; ++step) {
        EXPECT_EQ(input->edit(32 + step)->text(), QString::number(11 * (step + 1))) << "Edit" << 32 + step;
        EXPECT_EQ(input->edit(3 + step)->text(), QString::number(10 * (step + 1)));
    }
    EXPECT_EQ(main->record.MI[1], 0.0f);  // only the texts change
}
