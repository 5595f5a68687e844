#include "files/Settings.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "model/TextCodec.h"

using fundis::parseSettings;
using fundis::Settings;
using fundis::SettingsTexts;
using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

Settings previousValues() {
    Settings settings;
    settings.iterations = 7;
    settings.debugMode = 7;
    settings.showToolbar = 7;
    settings.dataDir = "old data";
    settings.schemeScale = 7;
    settings.programDir = "old program";
    return settings;
}

SettingsTexts exampleTexts() {
    SettingsTexts texts;
    texts.iterations = "5";
    texts.debug = true;
    texts.toolbar = false;
    texts.dataDir = "c:\\windows\\temp";
    texts.schemeScale = "75";
    texts.programDir = "c:\\windows\\temp";
    return texts;
}

}  // namespace

TEST(SettingsWrite, ExampleFileHasTheSixLines) {
    EXPECT_EQ(fundis::serializeSettings(exampleTexts()),
              "5\r\n1\r\n0\r\nc:\\windows\\temp\r\n75\r\nc:\\windows\\temp\r\n");
}

TEST(SettingsRead, ExampleFileGivesTheSixValues) {
    Settings settings = previousValues();
    const auto result =
        parseSettings("5\r\n1\r\n0\r\nc:\\windows\\temp\r\n75\r\nc:\\windows\\temp\r\n", settings);
    EXPECT_TRUE(result.fileOpened);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(settings.iterations, 5);
    EXPECT_EQ(settings.debugMode, 1);
    EXPECT_EQ(settings.showToolbar, 0);
    EXPECT_EQ(settings.dataDir, "c:\\windows\\temp");
    EXPECT_EQ(settings.schemeScale, 75);
    EXPECT_EQ(settings.programDir, "c:\\windows\\temp");
}

TEST(SettingsRead, FolderWithBlanksSurvivesSavingAndLoading) {
    TempFolder folder;
    const std::string path = folder.file("kp.ini");
    SettingsTexts texts = exampleTexts();
    texts.dataDir = "/home/инженер/Мои проекты/  фундаменты ";
    texts.programDir = " /opt/фундис 1.23";
    std::string error;
    ASSERT_TRUE(fundis::writeSettingsFile(path, texts, error)) << error;
    EXPECT_TRUE(error.empty());
    EXPECT_NE(readBytes(path).find(fundis::utf8ToCp1251("/Мои проекты/  фундаменты \r\n75\r\n")),
              std::string::npos);

    Settings settings = previousValues();
    const auto result = fundis::readSettingsFile(path, settings);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(settings.dataDir, texts.dataDir);
    EXPECT_EQ(settings.programDir, texts.programDir);
    EXPECT_EQ(settings.schemeScale, 75);
}

// What each file gives, read over the values 7, 7, 7, "old data", 7, "old program"
TEST(SettingsRead, ReadRulesAndTheFailureCascade) {
    const struct {
        const char* bytes;
        int iterations, debugMode, showToolbar;
        const char* dataDir;
        int schemeScale;
        const char* programDir;
        bool complete;
    } rows[] = {
        // text-mode line ends: LF alone and a last line without one read the same
        {"5\n1\n0\n/d\n75\n/p\n", 5, 1, 0, "/d", 75, "/p", true},
        {"5\r\n1\r\n0\r\n/d\r\n75\r\n/p", 5, 1, 0, "/d", 75, "/p", true},
        // integers skip white space and line ends, take a sign
        {"  -3 +1\r\n\r\n 0\r\n/d\r\n  12\r\n/p\r\n", -3, 1, 0, "/d", 12, "/p", true},
        // an empty folder line is read as an empty folder
        {"5\r\n1\r\n0\r\n\r\n75\r\n/p\r\n", 5, 1, 0, "", 75, "/p", true},
        // a bad integer: it and everything after it keep or lose their values
        {"5\r\nx\r\n0\r\n/d\r\n75\r\n/p\r\n", 5, 7, 7, "", 7, "", false},
        {"abc\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n", 7, 7, 7, "", 7, "", false},
        {"5\r\n1\r\n0\r\n/d\r\nabc\r\n/p\r\n", 5, 1, 0, "/d", 7, "", false},
        {"99999999999\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n", 7, 7, 7, "", 7, "", false},
        {"12abc\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n", 12, 7, 7, "", 7, "", false},
        // exactly one character after line 3: a blank there leaves the line end for the folder
        {"5\r\n1\r\n0 \r\n/d\r\n75\r\n/p\r\n", 5, 1, 0, "", 7, "", false},
        // missing lines
        {"5\r\n1\r\n", 5, 1, 7, "", 7, "", false},
        {"5\r\n1\r\n0\r\n/d\r\n75\r\n", 5, 1, 0, "/d", 75, "", false},
        {"5\r\n1\r\n0", 5, 1, 0, "", 7, "", false},
        {"", 7, 7, 7, "", 7, "", false},
    };
    for (const auto& row : rows) {
        Settings settings = previousValues();
        const auto result = parseSettings(row.bytes, settings);
        EXPECT_TRUE(result.fileOpened);
        EXPECT_EQ(result.complete, row.complete) << row.bytes;
        EXPECT_EQ(settings.iterations, row.iterations) << row.bytes;
        EXPECT_EQ(settings.debugMode, row.debugMode) << row.bytes;
        EXPECT_EQ(settings.showToolbar, row.showToolbar) << row.bytes;
        EXPECT_EQ(settings.dataDir, row.dataDir) << row.bytes;
        EXPECT_EQ(settings.schemeScale, row.schemeScale) << row.bytes;
        EXPECT_EQ(settings.programDir, row.programDir) << row.bytes;
    }
}

// A folder line that does not fit 255 bytes is not taken, and the reads after it fail
TEST(SettingsRead, FolderLineOfMoreThan255BytesIsNotTaken) {
    const std::string fits(255, 'a');
    Settings settings = previousValues();
    EXPECT_TRUE(parseSettings("5\r\n1\r\n0\r\n" + fits + "\r\n75\r\n/p\r\n", settings).complete);
    EXPECT_EQ(settings.dataDir, fits);

    settings = previousValues();
    EXPECT_FALSE(parseSettings("5\r\n1\r\n0\r\n" + fits + "b\r\n75\r\n/p\r\n", settings).complete);
    EXPECT_EQ(settings.dataDir, "");
    EXPECT_EQ(settings.schemeScale, 7);
    EXPECT_EQ(settings.programDir, "");
}

TEST(SettingsRead, FoldersAreConvertedFromCodePage1251) {
    Settings settings;
    parseSettings("1\r\n0\r\n0\r\n" + fundis::utf8ToCp1251("/дом/Проекты") + "\r\n75\r\n/p\r\n", settings);
    EXPECT_EQ(settings.dataDir, "/дом/Проекты");
}

TEST(SettingsRead, NoFileEmptiesTheFoldersAndKeepsTheNumbers) {
    Settings settings = previousValues();
    const auto result = fundis::readSettingsFile("/nonexistent/fundis/kp.ini", settings);
    EXPECT_FALSE(result.fileOpened);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(settings.iterations, 7);
    EXPECT_EQ(settings.debugMode, 7);
    EXPECT_EQ(settings.showToolbar, 7);
    EXPECT_EQ(settings.schemeScale, 7);
    EXPECT_EQ(settings.dataDir, "");
    EXPECT_EQ(settings.programDir, "");
}

TEST(SettingsWrite, NumberTextsAreWrittenAsTyped) {
    SettingsTexts texts = exampleTexts();
    texts.iterations = "12abc";
    texts.schemeScale = "";
    EXPECT_EQ(fundis::serializeSettings(texts),
              "12abc\r\n1\r\n0\r\nc:\\windows\\temp\r\n\r\nc:\\windows\\temp\r\n");
}

// The writer refuses what the reader could not take back; the old file stays
TEST(SettingsWrite, RefusesFoldersThatDoNotFitAndLineBreaks) {
    TempFolder folder;
    const std::string path = folder.file("kp.ini");
    const std::string old = "5\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n";

    std::string cyrillic;
    for (int i = 0; i < 255; ++i) {
        cyrillic += "ж";  // two bytes in UTF-8, one in code page 1251
    }
    SettingsTexts fits = exampleTexts();
    fits.programDir = cyrillic;
    std::string error;
    EXPECT_TRUE(fundis::writeSettingsFile(path, fits, error)) << error;

    const struct {
        std::string dataDir, programDir, iterations;
        const char* reason;
    } rows[] = {
        {std::string(256, 'a'), "/p", "5", "папке с данными длиннее 255 символов"},
        {"/d", cyrillic + "ж", "5", "папке с программой длиннее 255 символов"},
        {"/d\r\n75", "/p", "5", "папке с данными содержит перевод строки"},
        {"/d", "/p", "5\n", "шагов итерации содержит перевод строки"},
        {"/d", "/p\xE2\x88\x9A", "5", "нет в кодировке 1251"},
    };
    for (const auto& row : rows) {
        writeBytes(path, old);
        SettingsTexts texts = exampleTexts();
        texts.dataDir = row.dataDir;
        texts.programDir = row.programDir;
        texts.iterations = row.iterations;
        EXPECT_FALSE(fundis::writeSettingsFile(path, texts, error)) << row.reason;
        EXPECT_NE(error.find(row.reason), std::string::npos) << error;
        EXPECT_EQ(readBytes(path), old);
    }
}
