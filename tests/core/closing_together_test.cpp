// Programs on one folder closing together, each in a process of its own, while the lock
// by which they take turns cannot be had, or while one of them stalls between its read
// and its replace: every calculation is kept.

#include "core/history_book.h"
#include "core/history_file.h"
#include "tests/support/catalogue.h"
#include "tests/support/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <initializer_list>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

QStringList Texts(const QString& path)
{
    const History history = DecodeHistory(Contents(path));
    QStringList texts;
    for (int k = 0; k <= history.LastHistoryIndex; ++k)
        texts << history.HistoryEntries[static_cast<size_t>(k)].Text;
    return texts;
}

// Waits until the write end of `fd` is closed everywhere.
void WaitForClose(int fd)
{
    char byte;
    while (::read(fd, &byte, 1) > 0) {
    }
}

// A program in a child process: it reads the history as at its start, makes the
// calculation `text`, and once `go` is closed closes (saves). Its exit status says
// whether the save succeeded. `unused` are the pipe ends the child must not keep open.
pid_t StartProgram(const QString& path, const QString& text, int go, std::initializer_list<int> unused,
                   std::function<void()> pause = {})
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    for (const int fd : unused)
        ::close(fd);
    HistoryBook book(AllCalculators().Rows());
    book.Load(path);
    book.Add(2, text, {3, 4}, 1, 10, 0);
    book.SetPauseBeforeReplace(std::move(pause));
    WaitForClose(go);
    ::_exit(book.Save(path) ? 0 : 1);
}

bool EndedWell(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Another process that takes an exclusive flock on `path` and keeps it until killed.
pid_t HoldLock(const QString& path)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | (QFileInfo(path).isDir() ? 0 : O_CREAT), 0644);
        const bool held = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
        (void)!::write(ready[1], held ? "y" : "n", 1);
        if (!held)
            ::_exit(1);
        ::alarm(120);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char held = 0;
    const bool ok = ::read(ready[0], &held, 1) == 1 && held == 'y';
    ::close(ready[0]);
    return ok ? pid : -1;
}

} // namespace

TEST(ClosingTogether, FiveProgramsKeepEveryCalculationWhateverHoldsOrSpoilsTheLock)
{
    AllCalculators();  // built once, before the children share it
    enum Blocker { LockFileHeld, LockFileIsAFolder, FolderHeld };
    for (const Blocker blocker : {LockFileHeld, LockFileIsAFolder, FolderHeld}) {
        SCOPED_TRACE(blocker);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        const QString lockPath = path + QStringLiteral(".lock");
        pid_t holder = -1;
        if (blocker == LockFileIsAFolder)
            ASSERT_TRUE(QDir().mkdir(lockPath));
        else
            ASSERT_GT(holder = HoldLock(blocker == LockFileHeld ? lockPath : dir.path()), 0);

        QStringList made;
        for (int round = 0; round < 2; ++round) {
            int go[2];
            ASSERT_EQ(::pipe(go), 0);
            std::vector<pid_t> programs;
            for (int k = 0; k < 5; ++k) {
                made << QStringLiteral("p%1r%2").arg(k).arg(round);
                programs.push_back(StartProgram(path, made.last(), go[0], {go[1]}));
            }
            ::close(go[0]);
            ::close(go[1]);  // all close at once
            for (const pid_t program : programs)
                EXPECT_TRUE(EndedWell(program));
        }
        QStringList kept = Texts(path);
        kept.sort();
        made.sort();
        EXPECT_EQ(kept, made);
        if (holder > 0) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
    }
}

// A program stalls at the last instant before its file takes the old one's place, with
// the folder's lock (the other waits for it in vain, then saves) or where no one can
// have it. Going on, the stalled one finds the other's calculation in what its replace
// put aside, and keeps it.
TEST(ClosingTogether, AProgramStalledBeforeItsReplaceKeepsWhatAnotherSavedMeanwhile)
{
    AllCalculators();
    for (const bool folderHeld : {false, true}) {
        SCOPED_TRACE(folderHeld ? "nobody can lock the folder" : "the stalled program holds the lock");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        History start;
        start.HistoryEntries[0] = HistoryEntry{2, QStringLiteral("before"), {3, 4}, 1, 10};
        start.LastHistoryIndex = 0;
        Write(path, EncodeHistory(start));
        const pid_t holder = folderHeld ? HoldLock(dir.path()) : 0;
        ASSERT_GE(holder, 0);

        int stalled[2], resume[2], goStalled[2], goOther[2];
        ASSERT_EQ(::pipe(stalled) | ::pipe(resume) | ::pipe(goStalled) | ::pipe(goOther), 0);
        bool first = true;
        const auto stall = [&] {
            if (!std::exchange(first, false))
                return;
            (void)!::write(stalled[1], "s", 1);
            WaitForClose(resume[0]);
        };
        const pid_t slow = StartProgram(path, QStringLiteral("stalled"), goStalled[0],
                                        {goStalled[1], resume[1], stalled[0], goOther[0], goOther[1]}, stall);
        const pid_t other = StartProgram(path, QStringLiteral("other"), goOther[0],
                                         {goOther[1], resume[0], resume[1], stalled[0], stalled[1], goStalled[0],
                                          goStalled[1]});
        ::close(goStalled[0]), ::close(goOther[0]), ::close(stalled[1]), ::close(resume[0]);

        ::close(goStalled[1]);
        char byte = 0;
        ASSERT_EQ(::read(stalled[0], &byte, 1), 1);
        ::close(goOther[1]);
        EXPECT_TRUE(EndedWell(other));
        EXPECT_EQ(Texts(path), QStringList({"before", "other"}));
        ::close(resume[1]);
        EXPECT_TRUE(EndedWell(slow));
        QStringList kept = Texts(path);
        EXPECT_EQ(kept.size(), 3);
        kept.sort();
        EXPECT_EQ(kept, QStringList({"before", "other", "stalled"}));
        ::close(stalled[0]);
        if (holder > 0) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
    }
}
