// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FileIo.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "support/TempFolder.h"

using namespace fundis;
using fundis::testing::readBytes;
using fundis::testing::TempFolder;
using fundis::testing::writeBytes;

namespace {

std::size_t filesIn(const std::string& folder) {
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

}  // namespace

// A new file, a replaced one (keeping its permissions), a link kept as a link; no temporary left
TEST(SaveFileAtomically, WritesAndReplaces) {
    TempFolder folder;
    const std::string path = folder.file("a.dan");
    ASSERT_TRUE(saveFileAtomically(path, std::string("first\0x", 7)).ok());
    EXPECT_EQ(readBytes(path), std::string("first\0x", 7));
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(saveFileAtomically(path, "second").ok());
    EXPECT_EQ(readBytes(path), "second");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(filesIn(folder.path()), 1u);

    const std::string link = folder.file("link.dan");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(saveFileAtomically(link, "third").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(path), "third");
}

// A write that fails half-way leaves the old file as it was; a missing folder is named
TEST(SaveFileAtomically, FailedWriteKeepsTheOldFile) {
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
    const Status status = saveFileAtomically(path, "new contents, longer than four bytes");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("не удалось записать файл «" + path + "»"), std::string::npos)
        << status.message();
    EXPECT_EQ(readBytes(path), "old contents");
    EXPECT_EQ(filesIn(folder.path()), 1u);
    EXPECT_NE(saveFileAtomically("/nonexistent/folder/a.dan", "x").message().find("/nonexistent/folder"),
              std::string::npos);
    EXPECT_FALSE(saveFileAtomically("", "x").ok());
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhy) {
    TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 200000; ++i) {
        bytes.push_back(static_cast<char>(i * 7));
    }
    writeBytes(folder.file("big.bin"), bytes);
    std::string read;
    ASSERT_TRUE(readWholeFile(folder.file("big.bin"), read).ok());
    EXPECT_EQ(read, bytes);

    const Status missing = readWholeFile(folder.file("none"), read);
    EXPECT_NE(missing.message().find(folder.file("none")), std::string::npos) << missing.message();
    EXPECT_FALSE(readWholeFile(folder.path(), read).ok());  // a folder is no file
}
