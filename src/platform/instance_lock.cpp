#include "platform/instance_lock.h"

#include <QString>

namespace orv {

InstanceLock::InstanceLock(const std::filesystem::path& dataFolder)
    : file_(QString::fromStdU16String((dataFolder / kInstanceLockFile).u16string())) {
    // Held for the program's whole life, so never stale by its age: only by its owner's death.
    file_.setStaleLockTime(0);
    heldElsewhere_ = !file_.tryLock(0) && file_.error() == QLockFile::LockFailedError;
}

}  // namespace orv
