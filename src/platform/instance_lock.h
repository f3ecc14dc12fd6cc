#pragma once
// One running copy of the program per data folder: two copies would rewrite the same files under
// each other. The first copy holds a lock file in the folder for as long as it runs; the lock of a
// copy that died (its process is gone) is taken over.

#include <QLockFile>
#include <filesystem>
#include <string_view>

namespace orv {

inline constexpr std::string_view kInstanceLockFile = "ORV_PC.lock";

class InstanceLock {
public:
    explicit InstanceLock(const std::filesystem::path& dataFolder);

    // True when another running copy holds the folder: this one must end without touching any
    // file. A folder where no lock can be written at all (read-only) is not held by anyone; no
    // copy can change a file there either.
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    QLockFile file_;
    bool heldElsewhere_ = false;
};

}  // namespace orv
