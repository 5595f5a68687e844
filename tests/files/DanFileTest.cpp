#include "files/DanFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "TempFolder.h"
#include "model/TextCodec.h"

using fundis::DanReadResult;
using fundis::parseDan;
using fundis::ProjectForm;
using fundis::serializeDan;
using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

// The file of a project whose controls were never touched, line by line.
const char* const kUntouchedLines[] = {
    "0",   "0",      "0",   "0",     "0",     "0", "0", "0",   "0", "#", "#",     "#",     "#",
    "#",   "#",      "#",   "#",     "#",     "#", "#", "0.3", "#", "#", "#",     "#",     "#",
    "0.7", "-0.150", "0.3", "0.600", "0.600", "#", "#", "#",   "#", "#", "0.020", "0.070", "365",
    "365", "#",      "#",   "#",     "#",     "#", "#", "#",   "#", "#", "#",     "0",
};

std::string untouchedFile(const std::string& separator) {
    std::string bytes;
    for (std::size_t i = 0; i < std::size(kUntouchedLines); ++i) {
        bytes += kUntouchedLines[i];
        if (i + 1 < std::size(kUntouchedLines)) {
            bytes += separator;
        }
    }
    return bytes;
}

// A project with every kind of value: texts, an empty edit, no selection, a ticked box.
ProjectForm sampleForm() {
    ProjectForm form;
    form.combos = {2, 1, 4, 1, 3, 0, 2, 1, -1};
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        form.edit(number) = std::to_string(number) + ".5";
    }
    form.edit(7) = "";
    form.edit(15) = "2.70000004768372";
    form.edit(19) = "-0.150";
    form.edit(40) = "Без_имени";
    form.craneAndWind = true;
    return form;
}

void expectSameForm(const ProjectForm& got, const ProjectForm& want) {
    EXPECT_EQ(got.combos, want.combos);
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        EXPECT_EQ(got.edit(number), want.edit(number)) << "Edit" << number;
    }
    EXPECT_EQ(got.craneAndWind, want.craneAndWind);
}

// A form that differs from everything the files below hold, to see what a read leaves alone.
ProjectForm markedForm() {
    ProjectForm form;
    form.combos.fill(1);
    for (int number = 1; number <= fundis::kEditCount; ++number) {
        form.edit(number) = "old" + std::to_string(number);
    }
    form.craneAndWind = true;
    return form;
}

}  // namespace

// Writing: the untouched project and the byte layout
TEST(DanWrite, UntouchedProjectGivesTheDefaultFile) {
    std::string bytes;
    ASSERT_TRUE(serializeDan(ProjectForm(), bytes).ok);
    EXPECT_EQ(bytes, untouchedFile("\r\n"));
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "\r\n0");  // no line end after the last value
}

TEST(DanWrite, TextsGoInCodePage1251AndNoSelectionAsMinusOne) {
    ProjectForm form;
    form.combo(9) = -1;
    form.edit(40) = "Б";
    form.craneAndWind = true;
    std::string bytes;
    ASSERT_TRUE(serializeDan(form, bytes).ok);
    EXPECT_EQ(bytes.substr(21, 7), "0\r\n-1\r\n");  // ComboBox8, ComboBox9
    EXPECT_NE(bytes.find("\r\n\xC1\r\n#\r\n1"), std::string::npos);
    EXPECT_EQ(bytes.back(), '1');
}

// Reading back what was written
TEST(DanRead, RoundTripRestoresEveryControl) {
    const ProjectForm written = sampleForm();
    std::string bytes;
    ASSERT_TRUE(serializeDan(written, bytes).ok);
    ProjectForm read = markedForm();
    const DanReadResult result = parseDan(bytes, read);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.error.empty());
    expectSameForm(read, written);
}

TEST(DanRead, RoundTripThroughTheDisk) {
    TempFolder folder;
    const std::string path = folder.file("project.dan");
    const ProjectForm written = sampleForm();
    ASSERT_TRUE(fundis::writeDanFile(path, written).ok);
    ProjectForm read = markedForm();
    ASSERT_TRUE(fundis::readDanFile(path, read).ok);
    expectSameForm(read, written);
}

// The reader splits at white space, so any layout of the same values reads the same
TEST(DanRead, LayoutVariantsReadTheSame) {
    const std::string layouts[] = {
        untouchedFile("\r\n"),
        untouchedFile("\r\n") + "\r\n",  // the last value with a line end
        untouchedFile("\n"),
        untouchedFile(" "),
        untouchedFile(" \t \r\n\r\n "),
        "\r\n\r\n  " + untouchedFile("\t") + "  \r\n\r\n",
        untouchedFile("\r\n") + "\r\nany text after the values",
    };
    for (const std::string& bytes : layouts) {
        ProjectForm read = markedForm();
        const DanReadResult result = parseDan(bytes, read);
        ASSERT_TRUE(result.ok) << result.error;
        expectSameForm(read, ProjectForm());
    }
}

TEST(DanRead, HashIsAnEmptyEditAndAnEditHoldingHashComesBackEmpty) {
    ProjectForm form;
    form.edit(26) = "#";
    std::string bytes;
    ASSERT_TRUE(serializeDan(form, bytes).ok);
    ProjectForm read = markedForm();
    ASSERT_TRUE(parseDan(bytes, read).ok);
    EXPECT_EQ(read.edit(26), "");
    EXPECT_EQ(read.edit(2), "");
    EXPECT_EQ(read.edit(12), "0.3");
}

TEST(DanRead, CheckBoxIsTickedByAnyNonZeroInteger) {
    const struct {
        const char* value;
        bool ticked;
    } rows[] = {{"0", false}, {"1", true}, {"-1", true}, {"7", true}, {"+0", false}};
    for (const auto& row : rows) {
        std::string bytes = untouchedFile("\r\n");
        bytes.back() = ' ';
        bytes += row.value;
        ProjectForm read = markedForm();
        ASSERT_TRUE(parseDan(bytes, read).ok) << row.value;
        EXPECT_EQ(read.craneAndWind, row.ticked) << row.value;
    }
}

// A combo index its list cannot select comes back as no selection
TEST(DanRead, ComboIndicesOutsideTheListBecomeNoSelection) {
    const struct {
        int combo;
        const char* value;
        int index;
    } rows[] = {
        {1, "-1", -1}, {1, "3", 3}, {1, "4", -1}, {3, "4", 4}, {3, "5", -1}, {5, "6", 6},
        {5, "7", -1},  {7, "2", 2}, {7, "3", -1}, {9, "1", 1}, {9, "2", -1}, {2, "-2", -1},
    };
    for (const auto& row : rows) {
        std::string bytes;
        for (int value = 1; value <= 51; ++value) {
            bytes += value == row.combo ? std::string(row.value) : std::string(kUntouchedLines[value - 1]);
            bytes += "\r\n";
        }
        ProjectForm read;
        ASSERT_TRUE(parseDan(bytes, read).ok);
        EXPECT_EQ(read.combo(row.combo), row.index) << "ComboBox" << row.combo << " = " << row.value;
    }
}

// Reading stops at the first value it cannot read, names it and leaves the rest unchanged
TEST(DanRead, StopsAtTheFirstBadValueAndNamesIt) {
    const struct {
        int value;             // 1..51, the value replaced or the first one missing
        const char* word;      // nullptr: the file ends before this value
        const char* expected;  // the whole message
    } rows[] = {
        {1, nullptr, "строка 1: файл кончается раньше значения ComboBox1"},
        {21, nullptr, "строка 21: файл кончается раньше значения Edit12"},
        {51, nullptr, "строка 51: файл кончается раньше значения CheckBox1"},
        {3, "abc", "строка 3: не удалось прочитать значение ComboBox3: ожидалось целое число"},
        {9, "1.0", "строка 9: не удалось прочитать значение ComboBox9: ожидалось целое число"},
        {5, "2x", "строка 5: не удалось прочитать значение ComboBox5: ожидалось целое число"},
        {2, "99999999999", "строка 2: не удалось прочитать значение ComboBox2: ожидалось целое число"},
        {51, "да", "строка 51: не удалось прочитать значение CheckBox1: ожидалось целое число"},
        {12, nullptr, "строка 12: файл кончается раньше значения Edit3"},
    };
    for (const auto& row : rows) {
        std::string bytes;
        for (int value = 1; value < row.value; ++value) {
            bytes += kUntouchedLines[value - 1];
            bytes += "\r\n";
        }
        if (row.word != nullptr) {
            bytes += fundis::utf8ToCp1251(row.word);
            bytes += "\r\n1\r\n1\r\n";
        }
        ProjectForm read = markedForm();
        const DanReadResult result = parseDan(bytes, read);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, row.expected);

        // the values before the bad one are taken, it and the later ones are not
        for (int value = 1; value <= 51; ++value) {
            const bool taken = value < row.value;
            if (value <= 9) {
                EXPECT_EQ(read.combo(value), taken ? 0 : 1) << row.expected << " / value " << value;
            } else if (value <= 50) {
                const std::string old = "old" + std::to_string(value - 9);
                EXPECT_EQ(read.edit(value - 9) == old, !taken) << row.expected << " / value " << value;
            } else {
                EXPECT_TRUE(read.craneAndWind) << row.expected;
            }
        }
    }
}

TEST(DanRead, WordsOfMoreThan99CharactersAreRefused) {
    for (std::size_t length : {99u, 100u, 500u}) {
        std::string bytes;
        for (int value = 1; value <= 51; ++value) {
            bytes += value == 12 ? std::string(length, '7') : std::string(kUntouchedLines[value - 1]);
            bytes += "\r\n";
        }
        ProjectForm read = markedForm();
        const DanReadResult result = parseDan(bytes, read);
        if (length == 99) {
            ASSERT_TRUE(result.ok) << result.error;
            EXPECT_EQ(read.edit(3), std::string(99, '7'));
        } else {
            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.error,
                      "строка 12: не удалось прочитать значение Edit3: слово длиннее 99 символов");
            EXPECT_EQ(read.edit(3), "old3");
            EXPECT_EQ(read.edit(2), "");
        }
    }
}

TEST(DanRead, LineNumberIsTheLineTheBadWordStandsOn) {
    // all values on the first line, the bad one alone on the third
    std::string bytes = untouchedFile(" ");
    const std::size_t edit5 = bytes.find("# # # # #");  // Edit1 starts the run of "#"
    ASSERT_NE(edit5, std::string::npos);
    bytes = bytes.substr(0, edit5 + 8) + "\r\n\r\n" + std::string(120, 'x') + bytes.substr(edit5 + 9);
    ProjectForm read;
    const DanReadResult result = parseDan(bytes, read);
    EXPECT_EQ(result.error, "строка 3: не удалось прочитать значение Edit5: слово длиннее 99 символов");
}

TEST(DanRead, MissingFileSaysWhy) {
    ProjectForm read = markedForm();
    const DanReadResult result = fundis::readDanFile("/nonexistent/folder/project.dan", read);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("/nonexistent/folder/project.dan"), std::string::npos) << result.error;
    EXPECT_EQ(read.combo(1), 1);
}

// Texts the format cannot hold are refused on saving, naming the edit
TEST(DanWrite, RefusesTextsTheReaderWouldSplitOrCut) {
    const struct {
        int edit;
        std::string text;
        const char* part;
    } rows[] = {
        {12, "0 3", "Edit12"},
        {3, "1\t2", "Edit3"},
        {41, "a\nb", "Edit41"},
        {26, "1.5\r", "Edit26"},
        {1, " 12", "Edit1"},
        {5, std::string(100, '1'), "Edit5 длиннее 99 символов"},
        {7,
         "\xE2\x88\x9A"
         "2",
         "Edit7"},  // the root sign has no place in code page 1251
    };
    for (const auto& row : rows) {
        ProjectForm form;
        form.edit(row.edit) = row.text;
        std::string bytes = "previous";
        const fundis::DanWriteResult result = serializeDan(form, bytes);
        EXPECT_FALSE(result.ok) << row.part;
        EXPECT_NE(result.error.find(row.part), std::string::npos) << result.error;
        EXPECT_EQ(bytes, "previous");
    }
}

TEST(DanWrite, RefusedTextLeavesTheFileAlone) {
    TempFolder folder;
    const std::string path = folder.file("project.dan");
    writeBytes(path, "old contents");
    ProjectForm form;
    form.edit(9) = "1 2";
    const fundis::DanWriteResult result = fundis::writeDanFile(path, form);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Edit9"), std::string::npos);
    EXPECT_EQ(readBytes(path), "old contents");
}
