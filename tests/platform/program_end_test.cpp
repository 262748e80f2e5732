// What a program leaves when it ends: a lock that its end releases, and a save that
// exit() runs.

#include "platform/folder_lock.h"
#include "platform/save_at_exit.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

using namespace tornavel;

// A living holder keeps the others out; killed, it keeps no one out, and leaves nothing
// in the folder.
TEST(FolderLock, OnlyALivingHolderKeepsTheOthersOut)
{
    QTemporaryDir dir;
    const QString path = dir.path();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const FolderLock lock(path, 0);
        [[maybe_unused]] const ssize_t written = ::write(ready[1], lock.Held() ? "y" : "n", 1);
        ::alarm(30);
        for (;;)
            ::pause();
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_FALSE(FolderLock(path, 20).Held());
    ::kill(holder, SIGKILL);
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    EXPECT_TRUE(FolderLock(path, 0).Held());
    EXPECT_TRUE(QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
}

// A child process arms a save, disarms it or not, and calls exit(1): the armed save
// runs (it writes into a pipe), and the status stays.
TEST(SaveAtExit, RunsOnlyWhenExitComesWhileArmed)
{
    for (const bool disarmed : {false, true}) {
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::optional<SaveAtExit> save(std::in_place, [out] { (void)!::write(out[1], "saved", 5); });
            if (disarmed)
                save.reset();
            std::exit(1);
        }
        ::close(out[1]);
        char saved[8] = {};
        EXPECT_EQ(::read(out[0], saved, sizeof saved), disarmed ? 0 : 5);
        ::close(out[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    }
}
