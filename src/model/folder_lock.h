#pragma once
// The write lock of a folder. Whoever rewrites a file of a folder through a scratch file holds it
// from reading the old content to the rename, so that two processes never share a scratch file
// nor lose each other's change by rewriting the same old content. It lives in a lock file that
// exists only while the lock is held.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/unique_fd.h"

namespace orv {

inline constexpr std::string_view kWriteLockFile = "Temporaire.lock";

class FolderWriteLock {
public:
    // Waits until no other holder is left. A folder whose file system has no locks is written
    // without one, as before locks existed: refusing would stop the operator from logging at all.
    explicit FolderWriteLock(const std::filesystem::path& folder);
    FolderWriteLock(const FolderWriteLock&) = delete;
    FolderWriteLock& operator=(const FolderWriteLock&) = delete;
    ~FolderWriteLock();

    // Why the lock could not be taken (the lock file could not be created, say); nothing may be
    // written then.
    const std::error_code& error() const { return error_; }

private:
    std::filesystem::path path_;
    UniqueFd fd_{-1};
    std::error_code error_;
};

}  // namespace orv
