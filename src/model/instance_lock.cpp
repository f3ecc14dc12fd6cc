#include "model/instance_lock.h"

#include <unistd.h>

#include <string>

#include "model/lock_file.h"

namespace orv {

InstanceLock::InstanceLock(const std::filesystem::path& dataFolder)
    : path_(dataFolder / kInstanceLockFile) {
    TakenLock taken = takeLockFile(path_, LockWait::Never);
    if (taken.error == std::errc::resource_unavailable_try_again) {
        heldElsewhere_ = true;
    } else if (taken.error) {
        error_ = taken.error;
    } else {
        fd_ = std::move(taken.fd);
        // Who holds it, for whoever looks; a full disk leaves it unsaid, the lock holds anyway.
        const std::string owner = std::to_string(::getpid()) + "\n";
        [[maybe_unused]] const bool noted =
            ::ftruncate(fd_.get(), 0) == 0 && ::write(fd_.get(), owner.data(), owner.size()) > 0;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_.valid()) {
        ::unlink(path_.c_str());
    }
}

}  // namespace orv
