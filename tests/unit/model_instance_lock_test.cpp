// The one-running-copy lock on a memory disk of its own (the tests run as root): full of data,
// without a free file entry, or read-only. The lock needs no room; where it cannot be taken, the
// copy is told why instead of running unguarded.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cstring>

#include "model/instance_lock.h"
#include "unit/test_support.h"

namespace orv {
namespace {

TEST(InstanceLockTest, SmallDisksAreLockedOrSayWhyNot) {
    struct Case {
        const char* options;
        unsigned long flags;
        std::error_code expected;
    };
    const Case cases[] = {
        {"size=64k", 0, {}},
        {"nr_inodes=1", 0, make_error_code(std::errc::no_space_on_device)},
        {"size=64k", MS_RDONLY, make_error_code(std::errc::read_only_file_system)}};
    for (const Case& disk : cases) {
        const test::TempFolder folder;
        if (::mount("tmpfs", folder.path().c_str(), "tmpfs", disk.flags, disk.options) != 0) {
            GTEST_SKIP() << "no memory disk can be mounted here: " << std::strerror(errno);
        }
        {
            const UniqueFd filler(::open((folder / "plein").c_str(), O_WRONLY | O_CREAT, 0600));
            const std::string block(4096, 'x');
            while (filler.valid() && ::write(filler.get(), block.data(), block.size()) > 0) {
            }
            const InstanceLock first(folder.path());
            EXPECT_EQ(first.error(), disk.expected) << disk.options;
            EXPECT_FALSE(first.heldElsewhere()) << disk.options;
            EXPECT_EQ(InstanceLock(folder.path()).heldElsewhere(), !disk.expected) << disk.options;
        }
        ::umount2(folder.path().c_str(), MNT_DETACH);
    }
}

}  // namespace
}  // namespace orv
