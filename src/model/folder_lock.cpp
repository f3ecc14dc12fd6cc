#include "model/folder_lock.h"

#include <unistd.h>

#include "model/lock_file.h"

namespace orv {
namespace {

bool locksUnsupported(const std::error_code& error) {
    return error == std::errc::no_lock_available || error == std::errc::operation_not_supported ||
           error == std::errc::function_not_supported;
}

}  // namespace

FolderWriteLock::FolderWriteLock(const std::filesystem::path& folder)
    : path_((folder.empty() ? std::filesystem::path(".") : folder) / kWriteLockFile) {
    TakenLock taken = takeLockFile(path_, LockWait::UntilFree);
    if (!taken.error || locksUnsupported(taken.error)) {
        fd_ = std::move(taken.fd);
    } else {
        error_ = taken.error;
    }
}

FolderWriteLock::~FolderWriteLock() {
    if (fd_.valid()) {
        ::unlink(path_.c_str());
    }
}

}  // namespace orv
