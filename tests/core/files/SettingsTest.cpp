// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <tuple>

#include "core/files/DataLocation.h"
#include "core/model/TextCodec.h"
#include "support/TempFolder.h"

using namespace fundis;
using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

const char* const kExampleFile = "5\r\n1\r\n0\r\nc:\\windows\\temp\r\n75\r\nc:\\windows\\temp\r\n";

Settings previousValues() { return {7, 7, 7, "old data", 7, "old program"}; }

SettingsTexts exampleTexts() { return {"5", true, false, "c:\\windows\\temp", "75", "c:\\windows\\temp"}; }

// Letters of two bytes in UTF-8 and one in code page 1251.
std::string cyrillic(int count) {
    std::string text;
    while (count-- > 0) {
        text += "ж";
    }
    return text;
}

auto fields(const Settings& s) {
    return std::make_tuple(s.iterations, s.debugMode, s.showToolbar, s.dataDir, s.schemeScale, s.programDir);
}

}  // namespace

// The settings dialog's example file; the number texts as typed; folders with blanks and Cyrillic
// letters (255 of them still fit the buffer) survive saving in code page 1251 and loading
TEST(Settings, SavingAndLoading) {
    EXPECT_EQ(serializeSettings(exampleTexts()), kExampleFile);
    EXPECT_EQ(serializeSettings({"12abc", true, false, "/d", "", "/p"}),
              "12abc\r\n1\r\n0\r\n/d\r\n\r\n/p\r\n");
    TempFolder folder;
    const SettingsTexts texts = {"5",  true,         false, "/home/инженер/Мои проекты/  фундаменты ",
                                 "75", cyrillic(255)};
    ASSERT_TRUE(writeSettingsFile(folder.file("kp.ini"), texts).ok());
    EXPECT_NE(readBytes(folder.file("kp.ini")).find(utf8ToCp1251("/Мои проекты/  фундаменты \r\n75\r\n")),
              std::string::npos);
    Settings settings = previousValues();
    EXPECT_TRUE(readSettingsFile(folder.file("kp.ini"), settings).complete);
    EXPECT_EQ(fields(settings), fields({5, 1, 0, texts.dataDir, 75, texts.programDir}));
    // no file: the folders emptied, the numbers kept
    settings = previousValues();
    const SettingsReadResult none = readSettingsFile(folder.file("none.ini"), settings);
    EXPECT_FALSE(none.fileOpened || none.complete);
    EXPECT_EQ(fields(settings), fields({7, 7, 7, "", 7, ""}));
}

// "Масштаб 1:" takes digits only, a whole number greater than zero; any other text is named with what
// to type, and leaves the scale as it was
TEST(Settings, SchemeScaleAsTyped) {
    const std::pair<const char*, int> rows[] = {{"100", 100}, {"1", 1},   {"0", 0},          {"-5", 0},
                                                {"7.5", 0},   {"7,5", 0}, {"", 0},           {"abc", 0},
                                                {" 75", 0},   {"+75", 0}, {"99999999999", 0}};
    for (const auto& [text, value] : rows) {
        int scale = -1;
        const Status read = readSchemeScale(text, scale);
        EXPECT_EQ(scale, value > 0 ? value : -1) << text;
        EXPECT_EQ(read.message(), value > 0 ? std::string()
                                            : "В поле «Масштаб 1:» нужно целое число больше нуля, а не «" +
                                                  std::string(text) +
                                                  "». Исправьте его и сохраните настройки снова.")
            << text;
    }
}

// What each file gives, read over the values 7, 7, 7, "old data", 7, "old program"
TEST(Settings, ReadRulesAndTheFailureCascade) {
    const std::string fits(255, 'a');
    const std::tuple<std::string, Settings, bool> rows[] = {
        {kExampleFile, {5, 1, 0, "c:\\windows\\temp", 75, "c:\\windows\\temp"}, true},
        // text-mode line ends: LF alone and a last line without one read the same
        {"5\n1\n0\n/d\n75\n/p\n", {5, 1, 0, "/d", 75, "/p"}, true},
        {"5\r\n1\r\n0\r\n/d\r\n75\r\n/p", {5, 1, 0, "/d", 75, "/p"}, true},
        // integers skip white space and line ends, take a sign
        {"  -3 +1\r\n\r\n 0\r\n/d\r\n  12\r\n/p\r\n", {-3, 1, 0, "/d", 12, "/p"}, true},
        // an empty folder line is an empty folder; 255 bytes fit the folder buffer
        {"5\r\n1\r\n0\r\n\r\n75\r\n/p\r\n", {5, 1, 0, "", 75, "/p"}, true},
        {"5\r\n1\r\n0\r\n" + fits + "\r\n75\r\n/p\r\n", {5, 1, 0, fits, 75, "/p"}, true},
        // a bad integer: it and everything after it keep their values, the folders are emptied
        {"5\r\nx\r\n0\r\n/d\r\n75\r\n/p\r\n", {5, 7, 7, "", 7, ""}, false},
        {"abc\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n", {7, 7, 7, "", 7, ""}, false},
        {"5\r\n1\r\n0\r\n/d\r\nabc\r\n/p\r\n", {5, 1, 0, "/d", 7, ""}, false},
        {"99999999999\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n", {7, 7, 7, "", 7, ""}, false},
        {"12abc\r\n1\r\n0\r\n/d\r\n75\r\n/p\r\n", {12, 7, 7, "", 7, ""}, false},
        // exactly one character after line 3: a blank there leaves the line end for the folder
        {"5\r\n1\r\n0 \r\n/d\r\n75\r\n/p\r\n", {5, 1, 0, "", 7, ""}, false},
        // a folder longer than its buffer is not taken, and the reads after it fail
        {"5\r\n1\r\n0\r\n" + fits + "b\r\n75\r\n/p\r\n", {5, 1, 0, "", 7, ""}, false},
        // missing lines
        {"5\r\n1\r\n", {5, 1, 7, "", 7, ""}, false},
        {"5\r\n1\r\n0\r\n/d\r\n75\r\n", {5, 1, 0, "/d", 75, ""}, false},
        {"", {7, 7, 7, "", 7, ""}, false},
    };
    for (const auto& [bytes, expected, complete] : rows) {
        SCOPED_TRACE(bytes);
        Settings settings = previousValues();
        const SettingsReadResult result = parseSettings(bytes, settings);
        EXPECT_TRUE(result.fileOpened);
        EXPECT_EQ(result.complete, complete) << bytes;
        EXPECT_EQ(fields(settings), fields(expected)) << bytes;
    }
}

// The writer refuses what the reader could not take back, saying which setting; the old file stays
TEST(Settings, WriteRefusesWhatCannotBeReadBack) {
    TempFolder folder;
    const std::string path = folder.file("kp.ini");
    const std::tuple<std::string, std::string, std::string, const char*> rows[] = {
        {std::string(256, 'a'), "/p", "5", "папке с данными длиннее 255 символов"},
        {"/d", cyrillic(256), "5", "папке с программой длиннее 255 символов"},
        {"/d\r\n75", "/p", "5", "папке с данными содержит перевод строки"},
        {"/d", "/p", "5\n", "шагов итерации содержит перевод строки"},
        {"/d", "/p√", "5", "нет в кодировке 1251"}};
    for (const auto& [dataDir, programDir, iterations, reason] : rows) {
        SCOPED_TRACE(reason);
        writeBytes(path, kExampleFile);
        const Status written = writeSettingsFile(path, {iterations, true, false, dataDir, "75", programDir});
        EXPECT_NE(written.message().find(reason), std::string::npos) << written.message();
        EXPECT_EQ(readBytes(path), kExampleFile);
    }
}

namespace {

// An environment variable set (or unset) for one test, restored after it.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

// kp.ini in $XDG_CONFIG_HOME/fundis (a relative one does not count), else ~/.config/fundis; the
// first data folder is the documents folder of user-dirs.dirs; the tables are found from a build
TEST(DataLocation, SettingsDocumentsAndTables) {
    TempFolder home;
    const ScopedEnv homeVar("HOME", home.path().c_str());
    for (const char* config : {"/elsewhere", "relative/config", static_cast<const char*>(nullptr)}) {
        const ScopedEnv configVar("XDG_CONFIG_HOME", config);
        const std::string folder = config && config[0] == '/' ? config : home.path() + "/.config";
        EXPECT_EQ(settingsFilePath(), folder + "/fundis/kp.ini") << (config ? config : "unset");
    }
    const ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
    mkdir(home.file(".config").c_str(), 0700);
    writeBytes(home.file(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n");
    EXPECT_EQ(defaultDataDir(), home.path() + "/Документы");
    struct stat info {};
    EXPECT_EQ(stat((installedTablesDir() + "/table4.dat").c_str(), &info), 0) << installedTablesDir();
    const ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(settingsFilePath(), "");
}
