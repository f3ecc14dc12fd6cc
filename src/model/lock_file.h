#pragma once
// A lock file: a file of a folder whose exclusive lock (flock) marks who holds it. The lock needs
// no room on the disk once the file exists, and ends with its holder's process, even a killed one.
// A holder removes the file before letting go.

#include <filesystem>
#include <system_error>

#include "model/unique_fd.h"

namespace orv {

enum class LockWait { UntilFree, Never };

struct TakenLock {
    UniqueFd fd{-1};        // the lock file, open whenever it could be opened
    std::error_code error;  // why the lock is not held: EWOULDBLOCK while another holds it
};

// Opens (creating it) and locks the file at path. A waiter woken once the holder removed the file
// starts again on the file that has the name now.
TakenLock takeLockFile(const std::filesystem::path& path, LockWait wait);

}  // namespace orv
