// The input dialog driven as a user would: the visibility rules, typing, and what OK says.

#include <QLabel>
#include <QPushButton>

#include "support/WindowsFixture.h"

using fundis::testing::type;
using fundis::testing::WindowsFixture;

namespace {

// Picks an item the way a user does, with the keyboard, so the change handler runs.
void choose(QComboBox* combo, int index) {
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
}

}  // namespace

// The four rules, each row a user's choice and what shows afterwards: the overhang value, the L/H
// list, the L/H value, the frost-depth inputs
TEST_F(WindowsFixture, VisibilityFollowsTheChoices) {
    input->show();
    struct Row {
        const char* what;
        std::function<void()> act;
        bool overhang, ratioList, ratioValue, frost;
    };
    const Row rows[] = {
        {"start", [] {}, false, true, false, true},
        {"wide overhang", [&] { choose(input->comboBox(4), 1); }, true, true, false, true},
        {"L/H other", [&] { choose(input->comboBox(7), 2); }, true, true, true, true},
        {"flexible", [&] { choose(input->comboBox(6), 1); }, true, false, false, true},
        {"rigid again", [&] { choose(input->comboBox(6), 0); }, true, true, false, true},
        {"depth given", [&] { type(input->edit(26), QStringLiteral("2")); }, false, true, false, false},
        {"depth cleared", [&] { type(input->edit(26), QString()); }, true, true, false, true},
    };
    // shown on its tab, whichever tab is in front
    const auto shown = [](QWidget* widget) { return !widget->isHidden(); };
    for (const Row& row : rows) {
        row.act();
        EXPECT_EQ(shown(input->edit(2)), row.overhang) << row.what;
        EXPECT_EQ(shown(input->LabelOverhangValue), row.overhang) << row.what;
        EXPECT_EQ(shown(input->comboBox(7)), row.ratioList) << row.what;
        EXPECT_EQ(shown(input->edit(15)), row.ratioValue) << row.what;
        EXPECT_EQ(shown(input->comboBox(1)), row.frost) << row.what;
        EXPECT_EQ(shown(input->LabelMt), row.frost) << row.what;
    }
    EXPECT_EQ(input->comboBox(7)->currentIndex(), 0);  // a flexible scheme resets the L/H choice
}

// A comma typed where a number goes becomes a point at once; typing marks the project changed
TEST_F(WindowsFixture, CommaBecomesAPointAsTyped) {
    input->show();
    type(input->edit(16), QStringLiteral("18,5"));
    EXPECT_EQ(input->edit(16)->text(), QStringLiteral("18.5"));
    EXPECT_EQ(input->edit(16)->cursorPosition(), 4);
    EXPECT_TRUE(main->hasUnsavedChanges());
}

// OK names the fields that are not numbers and what they will be read as; the user goes back to
// them or accepts them
TEST_F(WindowsFixture, OkAsksAboutFieldsThatAreNotNumbers) {
    input->edit(7)->setText(QStringLiteral("1 900"));
    input->edit(13)->setText(QStringLiteral("abc"));
    enum { kBack, kAccept };
    dialogs.answers = {kBack};
    input->show();
    input->OKButtonClick();
    EXPECT_TRUE(input->isVisible());
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(
        dialogs.questions[0].contains(QStringLiteral("N, Nmax, II, вкладка «Нагрузки»: «1 900» → 1")));
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("φII, вкладка «Грунт»: «abc» → 0")));
    EXPECT_FALSE(dialogs.questions[0].contains(QStringLiteral("Edit")));

    dialogs.answers = {kAccept};
    input->OKButtonClick();
    EXPECT_EQ(input->result(), QDialog::Accepted);
}

// OK shows the L/H value it uses; a table it cannot read is named with the place to set its folder
TEST_F(WindowsFixture, OkRewritesTheRatioOrNamesAMissingTable) {
    choose(input->comboBox(7), 2);
    input->edit(15)->setText(QStringLiteral("5"));
    input->OKButtonClick();
    EXPECT_EQ(input->edit(15)->text(), QStringLiteral("4"));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    input->setTablesFolder(dataFolder.path().toStdString());
    input->OKButtonClick();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(dataPath(QStringLiteral("Rb.dat"))));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Папка с программой")));
    EXPECT_EQ(input->result(), QDialog::Accepted);
}
