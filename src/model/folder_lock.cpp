#include "model/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

namespace orv {
namespace {

// True when the open file is the one that now has the lock file's name.
bool stillNamed(int fd, const std::filesystem::path& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

bool locksUnsupported(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

int lockExclusive(int fd) {
    int result = -1;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result < 0 && errno == EINTR);
    return result;
}

}  // namespace

FolderWriteLock::FolderWriteLock(const std::filesystem::path& folder)
    : path_((folder.empty() ? std::filesystem::path(".") : folder) / kWriteLockFile) {
    // The holder removes the lock file before letting go, so a waiter may wake up holding a file
    // that no longer has the name: it then starts again on the file that has it now.
    while (true) {
        UniqueFd fd(::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.valid()) {
            error_ = {errno, std::generic_category()};
            return;
        }
        if (lockExclusive(fd.get()) != 0) {
            if (locksUnsupported(errno)) {
                fd_ = std::move(fd);
            } else {
                error_ = {errno, std::generic_category()};
            }
            return;
        }
        if (stillNamed(fd.get(), path_)) {
            fd_ = std::move(fd);
            return;
        }
    }
}

FolderWriteLock::~FolderWriteLock() {
    if (fd_.valid()) {
        ::unlink(path_.c_str());
    }
}

}  // namespace orv
