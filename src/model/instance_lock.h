#pragma once
// One running copy of the program per data folder: two copies would rewrite the same files under
// each other. The first copy holds the lock of a file in the folder for as long as it runs (a lock
// that needs no room on the disk); the lock of a copy that died ends with its process, so the next
// start takes it over.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/unique_fd.h"

namespace orv {

inline constexpr std::string_view kInstanceLockFile = "ORV_PC.lock";

class InstanceLock {
public:
    explicit InstanceLock(const std::filesystem::path& dataFolder);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    // True when another running copy holds the folder: this one must end without touching any
    // file.
    bool heldElsewhere() const { return heldElsewhere_; }
    // Why the folder could not be locked otherwise (the lock file cannot be created, say): the
    // program must not run either, since nothing would keep a second copy out.
    const std::error_code& error() const { return error_; }

private:
    std::filesystem::path path_;
    UniqueFd fd_{-1};
    bool heldElsewhere_ = false;
    std::error_code error_;
};

}  // namespace orv
