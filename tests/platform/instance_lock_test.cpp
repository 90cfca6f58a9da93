#include "platform/instance_lock.h"

#include <filesystem>

#include "fakes/scratch_dir.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wazenie {
namespace {

using testing::ScratchDir;

// Takes the lock in a child process and tells the parent through a pipe; the child then waits to be
// killed, so it never releases the lock itself.
pid_t child_holding_lock(const std::filesystem::path& dir) {
    int fds[2];
    if (pipe(fds) != 0) {
        return -1;
    }
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        InstanceLock lock(dir);
        char ok = lock.acquire() ? '1' : '0';
        if (write(fds[1], &ok, 1) != 1) {
            _exit(2);
        }
        pause();
        _exit(0);
    }
    close(fds[1]);
    char ok = '0';
    bool told = read(fds[0], &ok, 1) == 1 && ok == '1';
    close(fds[0]);
    if (!told) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

TEST(InstanceLock, ASecondCopyIsRefusedWhileTheFirstRuns) {
    ScratchDir dir;
    InstanceLock first(dir.path());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(std::filesystem::exists(InstanceLock::lock_file_path(dir.path())));

    InstanceLock second(dir.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.held());

    first.release();
    EXPECT_TRUE(second.acquire());
}

TEST(InstanceLock, ACopyInAnotherProcessKeepsTheLockUntilItDies) {
    ScratchDir dir;
    pid_t child = child_holding_lock(dir.path());
    ASSERT_GT(child, 0);
    InstanceLock mine(dir.path());
    EXPECT_FALSE(mine.acquire());

    // A crash leaves the lock file behind; the dead owner's lock is taken over.
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(std::filesystem::exists(InstanceLock::lock_file_path(dir.path())));
    EXPECT_TRUE(mine.acquire());
}

TEST(InstanceLock, ReleasingRemovesTheLockFile) {
    ScratchDir dir;
    {
        InstanceLock lock(dir.path());
        ASSERT_TRUE(lock.acquire());
        EXPECT_TRUE(lock.acquire());
    }
    EXPECT_FALSE(std::filesystem::exists(InstanceLock::lock_file_path(dir.path())));
}

TEST(InstanceLock, AMissingDataDirectoryCannotBeLocked) {
    ScratchDir dir;
    InstanceLock lock(dir / "brak");
    EXPECT_FALSE(lock.acquire());
}

}  // namespace
}  // namespace wazenie
