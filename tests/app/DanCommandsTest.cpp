#include "AppFixture.h"

using fundis::testing::AppFixture;
using fundis::testing::contains;
using fundis::testing::readFile;
using fundis::testing::visibility;
using fundis::testing::Visibility;
using fundis::testing::writeFile;

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
        restart();
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
        EXPECT_EQ(visibility(input), row.expected);
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
    const auto check = [this](const char* name, const char* bytes, const char* reason) {
        SCOPED_TRACE(name);
        restart();
        activate();
        nextFileName = dataFolder.filePath(QString::fromUtf8(name));
        if (bytes) {
            writeFile(nextFileName, QByteArray(bytes));
        }
        input->edit(1)->setText(QStringLiteral("77"));
        input->comboBox(5)->setCurrentIndex(3);
        main->ToolButton3Click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(contains(messages[0].text, nextFileName));
        EXPECT_TRUE(contains(messages[0].text, QString::fromLatin1(reason)));
        EXPECT_EQ(input->edit(1)->text(), QStringLiteral("77"));
        EXPECT_EQ(input->comboBox(5)->currentIndex(), 3);
        EXPECT_EQ(main->fileName, QStringLiteral("Без имени"));
        EXPECT_EQ(main->StatusPanel0->text(), QStringLiteral("Без имени"));
        EXPECT_TRUE(shown.isEmpty());
    };
    check("нет.dan", nullptr, "");  // no such file
    check("обрыв.dan", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n49\r\n#\r\n", "Edit3");
}

// A save that fails is told; the file already there and the current name survive
TEST_F(AppFixture, FailedSaveKeepsTheOldFileAndName) {
    activate();
    const QString path = dataFolder.filePath(QStringLiteral("проект.dan"));
    nextFileName = path;
    main->ToolButton4Click();
    ASSERT_FALSE(readFile(path).isEmpty());

    nextFileName = dataFolder.filePath(QStringLiteral("старый.dan"));
    writeFile(nextFileName, "old");
    input->edit(13)->setText(QStringLiteral("28 град"));  // white space cannot be stored
    main->ToolButton4Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0].text, nextFileName));
    EXPECT_TRUE(contains(messages[0].text, QStringLiteral("Edit13")));
    EXPECT_EQ(readFile(nextFileName), QByteArray("old"));
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
