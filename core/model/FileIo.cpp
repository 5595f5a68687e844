// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace fundis {

namespace {

std::string reason(int error) { return std::strerror(error); }

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A link is replaced through its target, so the link itself survives the save.
std::string resolvedTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return path;
    }
    std::string target = resolved;
    std::free(resolved);
    return target;
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool isFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status saveFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return Status::failure("не задано имя файла");
    }
    const std::string target = resolvedTarget(path);
    const std::string folder = folderOf(target);

    std::string pattern = target + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return Status::failure("не удалось сохранить файл «" + path + "»: в папке " + folder +
                               " нельзя создать файл (" + reason(errno) + ")");
    }
    const std::string temporary = name.data();

    // the new file gets the old one's permissions, or the usual ones for a new file
    struct stat old {};
    mode_t mode = 0;
    if (stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(fd, mode);

    std::string error;
    if (!writeAll(fd, bytes)) {
        error = "не удалось записать файл «" + path + "»: " + reason(errno);
    } else if (fsync(fd) != 0) {
        error = "не удалось записать файл «" + path + "» на диск: " + reason(errno);
    }
    if (close(fd) != 0 && error.empty()) {
        error = "не удалось записать файл «" + path + "»: " + reason(errno);
    }
    if (error.empty() && rename(temporary.c_str(), target.c_str()) != 0) {
        error = "не удалось заменить файл «" + path + "»: " + reason(errno);
    }
    if (!error.empty()) {
        unlink(temporary.c_str());
        return Status::failure(error);
    }

    // the rename itself reaches the disk with the folder
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return {};
}

Status readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return Status::failure("не удалось открыть файл «" + path + "»: " + reason(errno));
    }
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    if (error != 0) {
        bytes.clear();
        return Status::failure("не удалось прочитать файл «" + path + "»: " + reason(error));
    }
    return {};
}

Status saveFailure(const std::string& path, const Status& problem) {
    return Status::failure("не удалось сохранить файл «" + path + "»: " + problem.message());
}

Status readFailure(const std::string& path, const Status& problem) {
    return Status::failure("не удалось прочитать файл «" + path + "»: " + problem.message());
}

}  // namespace fundis
