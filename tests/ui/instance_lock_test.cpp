// One running copy per data folder: the lock the program holds for its whole life.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "model/instance_lock.h"

namespace orv::test {
namespace {

class InstanceLockTest : public testing::Test {
protected:
    std::filesystem::path folder() const { return folder_.path().toStdU16String(); }
    QByteArray lockFileBytes() const {
        QFile file(folder_.filePath(QString::fromUtf8(kInstanceLockFile.data())));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList names() const {
        return QDir(folder_.path())
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }

    QTemporaryDir folder_;
};

// A second copy finds the folder held and leaves the lock file exactly as it was; once the first
// copy ends, the folder is free again.
TEST_F(InstanceLockTest, SecondCopyIsRefusedUntilTheFirstEnds) {
    auto first = std::make_unique<InstanceLock>(folder());
    ASSERT_FALSE(first->heldElsewhere());
    const QByteArray held = lockFileBytes();
    ASSERT_FALSE(held.isEmpty());

    EXPECT_TRUE(InstanceLock(folder()).heldElsewhere());
    EXPECT_EQ(lockFileBytes(), held);
    EXPECT_EQ(names(), QStringList{QString::fromUtf8(kInstanceLockFile.data())});

    first.reset();
    EXPECT_TRUE(names().isEmpty());
    EXPECT_FALSE(InstanceLock(folder()).heldElsewhere());
}

// A copy killed while running leaves its lock file behind; the next start takes it over.
TEST_F(InstanceLockTest, LockOfACopyThatDiedIsTakenOver) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Never released: the process ends as a killed one would.
        const bool held = !(new InstanceLock(folder()))->heldElsewhere();
        ::_exit(held ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_FALSE(lockFileBytes().isEmpty());

    const InstanceLock next(folder());
    EXPECT_FALSE(next.heldElsewhere());
    EXPECT_EQ(lockFileBytes(), QByteArray::number(::getpid()) + "\n");
}

}  // namespace
}  // namespace orv::test
