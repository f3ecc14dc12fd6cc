// One running copy per data folder: the lock the program holds for its whole life, on a disk with
// room or without.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "model/instance_lock.h"
#include "unit/test_support.h"

namespace orv {
namespace {

std::string lockFileText(const std::filesystem::path& folder) {
    return test::readFile(folder / kInstanceLockFile);
}

std::string ownerText() {
    return std::to_string(::getpid()) + "\n";
}

// A second copy finds the folder held and leaves the lock file exactly as it was; once the first
// copy ends, the folder is free again.
TEST(InstanceLockTest, SecondCopyIsRefusedUntilTheFirstEnds) {
    const test::TempFolder folder;
    auto first = std::make_unique<InstanceLock>(folder.path());
    ASSERT_FALSE(first->heldElsewhere());
    ASSERT_FALSE(first->error());
    EXPECT_EQ(lockFileText(folder.path()), ownerText());

    EXPECT_TRUE(InstanceLock(folder.path()).heldElsewhere());
    EXPECT_EQ(lockFileText(folder.path()), ownerText());

    first.reset();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_FALSE(InstanceLock(folder.path()).heldElsewhere());
}

// A copy killed while running leaves its lock file behind; the next start takes it over.
TEST(InstanceLockTest, LockOfACopyThatDiedIsTakenOver) {
    const test::TempFolder folder;
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Never released: the process ends as a killed one would.
        const bool held = !(new InstanceLock(folder.path()))->heldElsewhere();
        ::_exit(held ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(lockFileText(folder.path()), std::to_string(pid) + "\n");

    const InstanceLock next(folder.path());
    EXPECT_FALSE(next.heldElsewhere());
    EXPECT_EQ(lockFileText(folder.path()), ownerText());
}

// A memory disk of its own (the tests run as root), full of data or without a free file entry or
// read-only: the lock needs no room, and where it cannot be taken the copy is told why instead of
// running unguarded.
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
