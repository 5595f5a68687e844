// SPDX-License-Identifier: GPL-3.0-or-later
// The input dialog driven as a user would: the visibility rules, typing, and what OK says.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>

#include "core/input/InputProcessing.h"
#include "gui/widgets/Fonts.h"
#include "support/WindowsFixture.h"

using fundis::ListField;
using fundis::TextField;
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
// list, the L/H value, the frost-depth inputs; a comma typed becomes a point
TEST_F(WindowsFixture, VisibilityFollowsTheChoices) {
    input->show();
    // a comma typed where a number goes becomes a point at once; typing marks the project changed
    type(textEdit(TextField::Yii), QStringLiteral("18,5"));
    EXPECT_EQ(textEdit(TextField::Yii)->text(), QStringLiteral("18.5"));
    EXPECT_EQ(textEdit(TextField::Yii)->cursorPosition(), 4);
    EXPECT_TRUE(main->document().hasUnsavedChanges());

    struct Row {
        const char* what;
        std::function<void()> act;
        bool overhang, ratioList, ratioValue, frost;
    };
    const Row rows[] = {
        {"start", [] {}, false, true, false, true},
        {"wide overhang", [&] { choose(listBox(ListField::overhangChoice), 1); }, true, true, false, true},
        {"L/H other", [&] { choose(listBox(ListField::LHChoice), 2); }, true, true, true, true},
        {"flexible", [&] { choose(listBox(ListField::scheme), 1); }, true, false, false, true},
        {"rigid again", [&] { choose(listBox(ListField::scheme), 0); }, true, true, false, true},
        {"depth given", [&] { type(textEdit(TextField::d), QStringLiteral("2")); }, false, true, false,
         false},
        {"depth cleared", [&] { type(textEdit(TextField::d), QString()); }, true, true, false, true},
    };
    // shown on its tab, whichever tab is in front
    const auto shown = [](QWidget* widget) { return widget != nullptr && !widget->isHidden(); };
    for (const Row& row : rows) {
        row.act();
        EXPECT_EQ(shown(textEdit(TextField::overhang)), row.overhang) << row.what;
        EXPECT_EQ(shown(labelOf("overhang")), row.overhang) << row.what;
        EXPECT_EQ(shown(listBox(ListField::LHChoice)), row.ratioList) << row.what;
        EXPECT_EQ(shown(textEdit(TextField::LH)), row.ratioValue) << row.what;
        EXPECT_EQ(shown(labelOf("LH")), row.ratioValue) << row.what;
        EXPECT_EQ(shown(listBox(ListField::frostSoil)), row.frost) << row.what;
        EXPECT_EQ(shown(labelOf("Mt")), row.frost) << row.what;
    }
    EXPECT_EQ(listBox(ListField::LHChoice)->currentIndex(), 0);  // a flexible scheme resets the L/H choice
}

// Every field of the table has its control, named by the field; form() and setForm() carry every
// one of them
TEST_F(WindowsFixture, ControlsFollowTheFieldTable) {
    fundis::ProjectForm marked;
    for (int index = 0; index < fundis::kTextFieldCount; ++index) {
        marked.texts[static_cast<std::size_t>(index)] = std::to_string(index + 1);
    }
    for (int index = 0; index < fundis::kListFieldCount; ++index) {
        marked.choices[static_cast<std::size_t>(index)] = index % 2;
    }
    marked.craneAndWind = true;
    input->setForm(marked);
    for (const fundis::FormField& field : fundis::formFields()) {
        QWidget* control = input->findChild<QWidget*>(QString::fromLatin1(field.name));
        ASSERT_NE(control, nullptr) << field.name;
        if (field.kind == fundis::FieldKind::Text) {
            EXPECT_EQ(qobject_cast<QLineEdit*>(control)->text().toStdString(),
                      marked.text(static_cast<TextField>(field.index)))
                << field.name;
        }
    }
    EXPECT_EQ(input->form(), marked);
}

// The dialog follows the font: on each tab every label, button, edit and list whole and inside the
// dialog, at the usual size and at half as large again, the dialog growing with the font; the edits
// on the foundation's picture keep their pixels and places on it
TEST_F(WindowsFixture, InputDialogFollowsTheFont) {
    input->show();
    choose(listBox(ListField::overhangChoice), 1);
    choose(listBox(ListField::LHChoice), 2);
    auto* tabs = input->findChild<QTabWidget*>(QStringLiteral("tabs"));
    auto* pictureArea = input->findChild<QWidget*>(QStringLiteral("pictureArea"));
    ASSERT_TRUE(tabs && pictureArea);
    const auto pictureEdits = pictureArea->findChildren<QLineEdit*>();
    std::vector<QRect> placesOnPicture;
    for (const QLineEdit* e : pictureEdits) {
        placesOnPicture.push_back(e->geometry());
    }
    QSize usual;
    for (const int size : {11, 17}) {
        input->setFont(fundis::windowFont(size));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            SCOPED_TRACE(::testing::Message() << size << " px, " << tabs->tabText(tab).toStdString());
            tabs->setCurrentIndex(tab);
            input->layout()->activate();
            for (QWidget* control : tabs->currentWidget()->findChildren<QWidget*>()) {
                const bool placed = qobject_cast<QLabel*>(control) ||
                                    qobject_cast<QAbstractButton*>(control) ||
                                    qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
                if (placed && control->isVisibleTo(input) && !pictureArea->isAncestorOf(control)) {
                    const QString name =
                        control->objectName() + " «" + control->property("text").toString() + "»";
                    EXPECT_TRUE(
                        input->rect().contains(QRect(control->mapTo(input, QPoint()), control->size())))
                        << name.toStdString() << " lies outside the dialog";
                    EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name.toStdString();
                    EXPECT_GE(control->height(), control->minimumSizeHint().height()) << name.toStdString();
                }
            }
        }
        for (int i = 0; i < pictureEdits.size(); ++i) {
            EXPECT_EQ(pictureEdits[i]->geometry(), placesOnPicture[static_cast<std::size_t>(i)]);
        }
        usual = usual.isEmpty() ? input->size() : usual;
    }
    EXPECT_TRUE(input->width() > usual.width() && input->height() > usual.height());
}

// OK asks the core's question about the fields that are not numbers and those the calculation cannot
// go without; going back is the default, or the user keeps the texts; OK shows the L/H value it uses
TEST_F(WindowsFixture, OkAsksAboutFieldsThatAreNotNumbersOrBreakTheirRules) {
    typeProject();
    textEdit(TextField::NII2)->setText(QStringLiteral("1 900"));
    textEdit(TextField::Yii1)->clear();
    enum { kBack, kAccept };
    input->show();
    input->confirmInput();  // no answer given: the default
    EXPECT_TRUE(input->isVisible());
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].toStdString(),
              fundis::okQuestion(input->form()));  // its parts: the core's
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("«1 900» → 1")));

    choose(listBox(ListField::LHChoice), 2);
    textEdit(TextField::LH)->setText(QStringLiteral("5"));
    dialogs.answers = {kAccept};
    input->confirmInput();
    EXPECT_EQ(input->result(), QDialog::Accepted);
    EXPECT_TRUE(input->form().text(TextField::Yii1).empty());  // kept as typed
    EXPECT_EQ(textEdit(TextField::LH)->text(), QStringLiteral("4"));
}

// "Отмена", Esc and the close box put back what the dialog held when it opened, after asking when
// something changed; "Вернуться к вводу" keeps the dialog open with the typed text; OK applies it
TEST_F(WindowsFixture, CancelEscAndCloseRestoreTheOpeningState) {
    typeProject();
    input->show();
    const fundis::ProjectForm opened = input->form();
    enum { kBack, kDiscard };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Отмена", [&] { input->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); }},
        {"Esc", [&] { QTest::keyClick(input, Qt::Key_Escape); }},
        {"close box", [&] { input->close(); }},
    };
    for (const auto& [way, leave] : ways) {
        dialogs.questions.clear();
        input->show();
        type(textEdit(TextField::NII2), QStringLiteral("abc"));
        choose(listBox(ListField::scheme), 1);
        dialogs.answers = {kBack};
        leave();
        EXPECT_TRUE(input->isVisible()) << way;
        EXPECT_EQ(textEdit(TextField::NII2)->text(), QStringLiteral("abc")) << way;
        ASSERT_EQ(dialogs.questions.size(), 1) << way;

        dialogs.answers = {kDiscard};
        leave();
        EXPECT_FALSE(input->isVisible()) << way;
        EXPECT_EQ(input->result(), QDialog::Rejected) << way;
        EXPECT_EQ(input->form(), opened) << way;
        EXPECT_FALSE(listBox(ListField::LHChoice)->isHidden()) << way;  // the rules follow the restored lists
    }
    // nothing changed: closes without a question
    dialogs.questions.clear();
    input->show();
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_FALSE(input->isVisible());
    EXPECT_TRUE(dialogs.questions.isEmpty());

    // what OK took is what the next Отмена goes back to
    input->show();
    type(textEdit(TextField::NII2), QStringLiteral("2100"));
    input->confirmInput();
    input->show();
    type(textEdit(TextField::NII2), QStringLiteral("2200"));
    dialogs.answers = {kDiscard};
    input->reject();
    EXPECT_EQ(textEdit(TextField::NII2)->text(), QStringLiteral("2100"));
}
