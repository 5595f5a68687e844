#include <QCheckBox>
#include <QLabel>

#include "AppFixture.h"

using fundis::testing::AppFixture;
using fundis::testing::choose;
using fundis::testing::readFile;
using fundis::testing::writeFile;

namespace {

struct Visibility {
    bool frostInputs;    // ComboBox1..4 and Edit1 with their labels
    bool overhangValue;  // Edit2 and its label
    bool ratioChoice;    // ComboBox7 and "L/H"
    bool ratioValue;     // Edit15 and "L/H="
};

Visibility visibility(TForm2* input) {
    const auto shown = [](std::initializer_list<QWidget*> widgets) {
        bool any = false;
        bool all = true;
        for (QWidget* w : widgets) {
            any = any || !w->isHidden();
            all = all && !w->isHidden();
        }
        EXPECT_EQ(any, all) << "a control shown without its label, or the other way round";
        return all;
    };
    return {shown({input->comboBox(1), input->LabelFrostSoil, input->comboBox(2), input->LabelFloor,
                   input->comboBox(3), input->LabelTemperature, input->comboBox(4), input->LabelOverhang,
                   input->edit(1), input->LabelMt}),
            shown({input->edit(2), input->LabelOverhangValue}), shown({input->comboBox(7), input->LabelLH}),
            shown({input->edit(15), input->LabelLHValue})};
}

}  // namespace

// Save, then Open in a fresh dialog: every control and the visibility come back, and the
// input dialog is shown
TEST_F(AppFixture, SavedProjectOpensAsItWasSaved) {
    const struct {
        const char* name;
        int combos[9];
        const char* depth;
        bool craneAndWind;
        Visibility expected;
    } rows[] = {
        {"глубина.dan", {3, 2, 4, 1, 6, 1, 0, 1, 1}, "1.65", true, {false, false, false, false}},
        {"вылет.dan", {1, 3, 0, 1, 2, 0, 2, 0, 0}, "", false, {true, true, true, true}},
        {"пусто.dan", {-1, 0, 1, 0, -1, 0, 1, -1, 1}, "", false, {true, false, true, false}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        activate();
        fundis::ProjectForm saved;
        for (int number = 1; number <= fundis::kEditCount; ++number) {
            saved.edit(number) = number % 7 == 0 ? std::string() : "т" + std::to_string(number) + ".5";
        }
        saved.edit(26) = row.depth;
        std::copy(std::begin(row.combos), std::end(row.combos), saved.combos.begin());
        saved.craneAndWind = row.craneAndWind;
        input->fromForm(saved);

        nextFileName = dataFolder.filePath(QString::fromUtf8(row.name));
        main->ToolButton4Click();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].title, QStringLiteral("Сохранение исходных данных"));
        EXPECT_EQ(requests[0].filters, (QStringList{"Данные       (*.dan)", "Все файлы  (*.*)"}));
        EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("dan"));
        EXPECT_TRUE(requests[0].save);
        EXPECT_EQ(requests[0].folder, dataFolder.path());
        EXPECT_EQ(main->StatusPanel0->text(), nextFileName);
        EXPECT_TRUE(readFile(nextFileName).startsWith(QByteArray::number(row.combos[0]) + "\r\n"));

        input->fromForm(fundis::ProjectForm());
        input->applyVisibilityRules();
        main->fileName = QStringLiteral("Без имени");
        main->StatusPanel0->setText(main->fileName);

        main->ToolButton3Click();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[1].title, QStringLiteral("Открытие файла с исходными данными"));
        EXPECT_FALSE(requests[1].save);
        const fundis::ProjectForm opened = input->toForm();
        for (int number = 1; number <= fundis::kEditCount; ++number) {
            EXPECT_EQ(opened.edit(number), saved.edit(number)) << "Edit" << number;
        }
        // a flexible building comes back with the first L/H item
        std::array<int, 9> expectedCombos = saved.combos;
        if (expectedCombos[5] == 1) {
            expectedCombos[6] = 0;
        }
        EXPECT_EQ(opened.combos, expectedCombos);
        EXPECT_EQ(opened.craneAndWind, row.craneAndWind);
        const Visibility v = visibility(input);
        EXPECT_EQ(v.frostInputs, row.expected.frostInputs);
        EXPECT_EQ(v.overhangValue, row.expected.overhangValue);
        EXPECT_EQ(v.ratioChoice, row.expected.ratioChoice);
        EXPECT_EQ(v.ratioValue, row.expected.ratioValue);
        EXPECT_EQ(main->fileName, nextFileName);
        EXPECT_EQ(main->StatusPanel0->text(), nextFileName);
        EXPECT_EQ(shown, QStringList{"Form2"});
        EXPECT_TRUE(messages.empty());

        // the next save proposes the opened file
        nextFileName.clear();
        main->ToolButton4Click();
        EXPECT_EQ(requests.back().proposedName, dataFolder.filePath(QString::fromUtf8(row.name)));
    }
}

// Opening never touches the record; only OK does
TEST_F(AppFixture, OpeningLeavesTheRecordAlone) {
    activate();
    const QString path = dataFolder.filePath(QStringLiteral("a.dan"));
    input->edit(13)->setText(QStringLiteral("30"));
    nextFileName = path;
    main->ToolButton4Click();
    main->ToolButton3Click();
    EXPECT_EQ(main->record.fii, 0.0f);
}

// A file that cannot be read is told by name; the dialog, the name and the status bar stay
TEST_F(AppFixture, UnreadableFileIsReportedAndChangesNothing) {
    const struct {
        const char* name;
        const char* bytes;  // null: no such file
        const char* reason;
    } rows[] = {
        {"нет.dan", nullptr, ""},
        {"обрыв.dan", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n49\r\n#\r\n", "Edit3"},
        {"буквы.dan", "0\r\n0\r\nx\r\n", "ComboBox3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        activate();
        nextFileName = dataFolder.filePath(QString::fromUtf8(row.name));
        if (row.bytes) {
            writeFile(nextFileName, QByteArray(row.bytes));
        }
        input->edit(1)->setText(QStringLiteral("77"));
        input->comboBox(5)->setCurrentIndex(3);
        main->ToolButton3Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(nextFileName)) << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QString::fromLatin1(row.reason)))
            << messages[0].text.toStdString();
        EXPECT_EQ(input->edit(1)->text(), QStringLiteral("77"));
        EXPECT_EQ(input->comboBox(5)->currentIndex(), 3);
        EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));
        EXPECT_EQ(main->StatusPanel0->text(), QStringLiteral("Без имени"));
        EXPECT_TRUE(shown.isEmpty());
    }
}

// A save that fails is told; the file already there and the current name survive
TEST_F(AppFixture, FailedSaveKeepsTheOldFileAndName) {
    activate();
    const QString path = dataFolder.filePath(QStringLiteral("проект.dan"));
    nextFileName = path;
    main->ToolButton4Click();
    const QByteArray before = readFile(path);
    ASSERT_FALSE(before.isEmpty());

    input->edit(13)->setText(QStringLiteral("28 град"));  // white space cannot be stored
    main->ToolButton4Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(path));
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("Edit13"))) << messages[0].text.toStdString();
    EXPECT_EQ(readFile(path), before);

    input->edit(13)->setText(QStringLiteral("28"));
    nextFileName = dataFolder.filePath(QStringLiteral("нет папки/проект.dan"));
    main->ToolButton4Click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.contains(nextFileName));
    EXPECT_EQ(main->fileName, path);
    EXPECT_EQ(main->StatusPanel0->text(), path);
}

// Cancelled dialogs do nothing
TEST_F(AppFixture, CancelledFileDialogsDoNothing) {
    activate();
    nextFileName.clear();
    main->ToolButton3Click();
    main->ToolButton4Click();
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));
    EXPECT_TRUE(QDir(dataFolder.path()).isEmpty());
}
