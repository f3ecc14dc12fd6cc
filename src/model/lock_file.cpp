#include "model/lock_file.h"

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

int lockExclusive(int fd, LockWait wait) {
    const int operation = wait == LockWait::UntilFree ? LOCK_EX : LOCK_EX | LOCK_NB;
    int result = -1;
    do {
        result = ::flock(fd, operation);
    } while (result < 0 && errno == EINTR);
    return result;
}

}  // namespace

TakenLock takeLockFile(const std::filesystem::path& path, LockWait wait) {
    while (true) {
        TakenLock taken{
            UniqueFd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)), {}};
        if (!taken.fd.valid() || lockExclusive(taken.fd.get(), wait) != 0) {
            taken.error = {errno, std::generic_category()};
            return taken;
        }
        if (stillNamed(taken.fd.get(), path)) {
            return taken;
        }
    }
}

}  // namespace orv
