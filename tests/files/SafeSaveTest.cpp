#include "files/FileIo.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "TempFolder.h"

using fundis::readWholeFile;
using fundis::saveFileAtomically;
using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

int filesIn(const std::string& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

}  // namespace

TEST(SafeSave, WritesNewFileAndReplacesOldOne) {
    TempFolder folder;
    const std::string path = folder.file("a.dan");
    std::string error;
    ASSERT_TRUE(saveFileAtomically(path, std::string("first\0x", 7), error)) << error;
    EXPECT_EQ(readBytes(path), std::string("first\0x", 7));
    ASSERT_TRUE(saveFileAtomically(path, "second", error)) << error;
    EXPECT_EQ(readBytes(path), "second");
    EXPECT_EQ(filesIn(folder.path()), 1);  // no temporary file left behind
}

TEST(SafeSave, KeepsThePermissionsOfTheOldFile) {
    TempFolder folder;
    const std::string path = folder.file("kp.ini");
    writeBytes(path, "old");
    chmod(path.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(saveFileAtomically(path, "new", error)) << error;
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SafeSave, SavingThroughALinkKeepsTheLink) {
    TempFolder folder;
    const std::string target = folder.file("real.dan");
    const std::string link = folder.file("link.dan");
    writeBytes(target, "old");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    std::string error;
    ASSERT_TRUE(saveFileAtomically(link, "new", error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(target), "new");
}

// A write that fails half-way leaves the old file as it was
TEST(SafeSave, FailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.file("a.dan");
    writeBytes(path, "old contents");

    // the file-size limit makes the write itself fail, whoever runs the test
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool savedOk = saveFileAtomically(path, "new contents, longer than four bytes", error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(savedOk);
    EXPECT_NE(error.find("не удалось записать файл " + path), std::string::npos) << error;
    EXPECT_EQ(readBytes(path), "old contents");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

TEST(SafeSave, UnwritableFolderKeepsTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    TempFolder folder;
    const std::string path = folder.file("a.dan");
    writeBytes(path, "old contents");
    chmod(folder.path().c_str(), 0500);
    std::string error;
    EXPECT_FALSE(saveFileAtomically(path, "new", error));
    chmod(folder.path().c_str(), 0700);
    EXPECT_NE(error.find("временный файл"), std::string::npos) << error;
    EXPECT_EQ(readBytes(path), "old contents");
}

TEST(SafeSave, MissingFolderOrEmptyNameSaysWhy) {
    std::string error;
    EXPECT_FALSE(saveFileAtomically("/nonexistent/folder/a.dan", "x", error));
    EXPECT_NE(error.find("/nonexistent/folder"), std::string::npos) << error;
    EXPECT_FALSE(saveFileAtomically("", "x", error));
    EXPECT_FALSE(error.empty());
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhy) {
    TempFolder folder;
    const std::string path = folder.file("big.bin");
    std::string bytes;
    for (int i = 0; i < 200000; ++i) {
        bytes.push_back(static_cast<char>(i * 7));
    }
    writeBytes(path, bytes);
    std::string read;
    std::string error;
    ASSERT_TRUE(readWholeFile(path, read, error)) << error;
    EXPECT_EQ(read, bytes);

    EXPECT_FALSE(readWholeFile(folder.file("none"), read, error));
    EXPECT_NE(error.find(folder.file("none")), std::string::npos);
    EXPECT_FALSE(readWholeFile(folder.path(), read, error));  // a folder is no file
    EXPECT_FALSE(error.empty());
}
