// Programs on one folder closing together, each in a process of its own, while the lock
// by which they take turns cannot be had, while one of them stalls between its read and
// its replace, or ends midway: every calculation is kept.

#include "core/history_book.h"
#include "core/history_file.h"
#include "platform/save_file.h"
#include "tests/support/catalogue.h"
#include "tests/support/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// The file system under test refuses every swap with this error when it is not 0, as some
// network ones do.
static int swapRefusal = 0;

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) noexcept
{
    if (swapRefusal != 0 && flags != 0) {
        errno = swapRefusal;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

// Runs once, at the next flock (which it may arm again): what another program does in
// between.
static std::function<void(int fd, int operation)> beforeLock;
// Every flock fails with this error when it is not 0, as on file systems without locks.
static int lockRefusal = 0;

extern "C" int flock(int fd, int operation) noexcept
{
    if (beforeLock)
        std::exchange(beforeLock, {})(fd, operation);
    if (lockRefusal != 0) {
        errno = lockRefusal;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_flock, fd, operation));
}

// The clock as this process reads it runs this many seconds ahead: time passes for one
// program only.
static time_t clockAhead = 0;

extern "C" time_t time(time_t* out) noexcept
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const time_t seconds = now.tv_sec + clockAhead;
    if (out)
        *out = seconds;
    return seconds;
}

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

QByteArray Entries(const QStringList& texts)
{
    History history;
    for (const QString& text : texts)
        history.HistoryEntries[static_cast<size_t>(++history.LastHistoryIndex)] = HistoryEntry{2, text, {3, 4}, 1, 10};
    return EncodeHistory(history);
}

QByteArray OneEntry(const QString& text)
{
    return Entries({text});
}

// Waits for a byte on `fd`, or until its write end is closed everywhere.
bool Await(int fd)
{
    char byte;
    return ::read(fd, &byte, 1) >= 0;
}

void Resume(int fd)
{
    (void)!::write(fd, "r", 1);
}

// A hook that stops a save at the steps `stopAt` picks (by the step and the how-many-th
// time it is reached): it says so on `stopped` and goes on at a byte on `resume`.
// `then` sees every step after that.
std::function<void(SaveStep)> Stopping(int stopped, int resume, std::function<bool(SaveStep, int)> stopAt,
                                       std::function<void(SaveStep, int)> then = {})
{
    return [=, reached = std::array<int, 3>{}](SaveStep step) mutable {
        const int time = ++reached[static_cast<size_t>(step)];
        if (stopAt(step, time)) {
            Resume(stopped);
            Await(resume);
        }
        if (then)
            then(step, time);
    };
}

// A program in a child process: it reads the history as at its start, makes the
// calculation `text`, and at a byte or the end on `go` closes (saves). Its exit status says
// whether the save succeeded. `unused` are the pipe ends the child must not keep open.
pid_t StartProgram(const QString& path, const QString& text, int go, std::initializer_list<int> unused,
                   std::function<void(SaveStep)> hook = {})
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    for (const int fd : unused)
        ::close(fd);
    HistoryBook book(AllCalculators().Rows());
    book.Load(path);
    book.Add(2, text, {3, 4}, 1, 10, 0);
    book.SetSaveStepHook(std::move(hook));
    Await(go);
    // A success carries no reason.
    QString reason;
    const bool saved = book.Save(path, &reason);
    ::_exit(saved ? (reason.isEmpty() ? 0 : 2) : 1);
}

// Arms `action` for the first flock doing `operation` on a regular file (not a folder).
void BeforeFileLock(int operation, std::function<void()> action)
{
    beforeLock = [=](int fd, int done) {
        struct stat st {};
        if ((done & ~LOCK_NB) == operation && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            action();
        else
            BeforeFileLock(operation, action);
    };
}

struct LocksRefused {
    explicit LocksRefused(int error) { lockRefusal = error; }
    ~LocksRefused() { lockRefusal = 0; }
};

int ExitCode(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool EndedWell(pid_t pid)
{
    return ExitCode(pid) == 0;
}

// A close made in this process: the program started when the file held what it holds
// now, and made the calculation `text`.
void CloseAnother(const QString& path, const QString& text, std::function<void(SaveStep)> hook = {})
{
    HistoryBook book(AllCalculators().Rows());
    book.Load(path);
    book.Add(2, text, {3, 4}, 1, 10, 0);
    book.SetSaveStepHook(std::move(hook));
    QString reason = QStringLiteral("not cleared");
    EXPECT_TRUE(book.Save(path, &reason)) << reason.toStdString();
    EXPECT_EQ(reason, QString());
}

QStringList Sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
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
    enum Blocker { LockFileHeld, LockFileIsAFolder, FolderHeld, NoLocks };
    for (const Blocker blocker : {LockFileHeld, LockFileIsAFolder, FolderHeld, NoLocks}) {
        SCOPED_TRACE(blocker);
        const LocksRefused refused(blocker == NoLocks ? ENOLCK : 0);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        const QString lockPath = path + QStringLiteral(".lock");
        pid_t holder = -1;
        if (blocker == LockFileIsAFolder) {
            ASSERT_TRUE(QDir().mkdir(lockPath));
        } else if (blocker != NoLocks) {
            ASSERT_GT(holder = HoldLock(blocker == LockFileHeld ? lockPath : dir.path()), 0);
        }

        std::array<QStringList, 2> made;
        for (int round = 0; round < 2; ++round) {
            int go[2];
            ASSERT_EQ(::pipe(go), 0);
            std::vector<pid_t> programs;
            for (int k = 0; k < 5; ++k) {
                made[static_cast<size_t>(round)] << QStringLiteral("p%1r%2").arg(k).arg(round);
                programs.push_back(StartProgram(path, made[static_cast<size_t>(round)].last(), go[0], {go[1]}));
            }
            ::close(go[0]);
            ::close(go[1]);  // all close at once
            for (const pid_t program : programs)
                EXPECT_TRUE(EndedWell(program));
        }
        // The second five closed after the first five, whose order is any.
        const QStringList kept = Texts(path);
        for (size_t round = 0; round < made.size(); ++round) {
            QStringList closedTogether = kept.mid(static_cast<qsizetype>(round) * 5, 5);
            closedTogether.sort();
            EXPECT_EQ(closedTogether, made[round]);
        }
        EXPECT_EQ(kept.size(), 10);
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("CLS.dat.tornavel.*")}, QDir::Files | QDir::Hidden),
                  QStringList());
        if (holder > 0) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
    }
}

// A program stalls at the last instant before its file takes the old one's place, with
// the folder's lock (the other waits for it in vain, then saves) or where no one can
// have it. Going on, the stalled one finds the other's calculation in what its swap put
// aside, and adds it after its own; the same calculation made by both is kept twice.
TEST(ClosingTogether, AProgramStalledBeforeItsReplaceKeepsWhatAnotherSavedMeanwhile)
{
    AllCalculators();
    const struct {
        bool folderHeld;
        const char* stalledText;
        const char* otherText;
    } cases[] = {{false, "stalled", "other"}, {true, "stalled", "other"}, {false, "same", "same"},
                 {false, "stalled", "before"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folderHeld ? "nobody can lock the folder" : "the stalled program holds the lock");
        SCOPED_TRACE(c.stalledText);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        Write(path, OneEntry(QStringLiteral("before")));
        const pid_t holder = c.folderHeld ? HoldLock(dir.path()) : 0;
        ASSERT_GE(holder, 0);

        int stalled[2], resume[2], goStalled[2], goOther[2];
        ASSERT_EQ(::pipe(stalled) | ::pipe(resume) | ::pipe(goStalled) | ::pipe(goOther), 0);
        const pid_t slow = StartProgram(path, QString::fromLatin1(c.stalledText), goStalled[0],
                                        {goStalled[1], resume[1], stalled[0], goOther[0], goOther[1]},
                                        Stopping(stalled[1], resume[0], [](SaveStep step, int time) {
                                            return step == SaveStep::BeforePlace && time == 1;
                                        }));
        const pid_t other = StartProgram(path, QString::fromLatin1(c.otherText), goOther[0],
                                         {goOther[1], resume[0], resume[1], stalled[0], stalled[1], goStalled[0],
                                          goStalled[1]});
        ::close(goStalled[0]), ::close(goOther[0]), ::close(stalled[1]), ::close(resume[0]);

        ::close(goStalled[1]);
        ASSERT_TRUE(Await(stalled[0]));
        ::close(goOther[1]);
        EXPECT_TRUE(EndedWell(other));
        EXPECT_EQ(Texts(path), QStringList({"before", c.otherText}));
        ::close(resume[1]);
        EXPECT_TRUE(EndedWell(slow));
        EXPECT_EQ(Texts(path), QStringList({"before", c.stalledText, c.otherText}));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"CLS.dat"}));
        ::close(stalled[0]);
        if (holder > 0) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
    }
}

// A program whose close another's overtook (that one placed its file between this one's
// read and its swap) ends at a step of its close, its write fails, its file goes and
// comes back, or a third program closes while it is frozen: the next close finds every
// calculation of them all, and only a close that failed says so.
TEST(ClosingTogether, AProgramEndedAtAnyStepOfItsCloseLosesNoCalculationOfAnother)
{
    AllCalculators();
    enum Then { Ends, WriteFails, FileGoesAndComesBack, ThirdClosesMeanwhile };
    // A full history, whose oldest entries each close pushes out.
    QStringList before;
    for (int k = 0; k < HistoryCapacity; ++k)
        before << QStringLiteral("b%1").arg(k);
    const QStringList everyone = before.mid(3) + QStringList{"slow", "other", "next"};
    const struct {
        const char* what;
        SaveStep step;
        int time;
        Then then;
        QStringList kept;
    } cases[] = {
        {"ended after its first swap", SaveStep::AfterPlace, 1, Ends, everyone},
        {"ended while writing its second file", SaveStep::Writing, 2, Ends, everyone},
        {"ended before its second swap", SaveStep::BeforePlace, 2, Ends, everyone},
        {"its second write fails", SaveStep::Writing, 2, WriteFails, everyone},
        {"its file goes, then another comes", SaveStep::BeforePlace, 2, FileGoesAndComesBack,
         {"again", "slow", "other", "next"}},
        // The other's file comes out of its swap an hour old, as after a slow close.
        {"frozen after its first swap", SaveStep::AfterPlace, 1, ThirdClosesMeanwhile,
         before.mid(4) + QStringList{"slow", "other", "third", "next"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        Write(path, Entries(before));
        int stopped[2], resume[2], goSlow[2], goOther[2];
        ASSERT_EQ(::pipe(stopped) | ::pipe(resume) | ::pipe(goSlow) | ::pipe(goOther), 0);
        const auto stopAt = [&c](SaveStep step, int time) {
            return (step == SaveStep::BeforePlace && time == 1) || (step == c.step && time == c.time && c.then != Ends)
                || (c.then == FileGoesAndComesBack && step == SaveStep::BeforePlace && time == 3);
        };
        const auto then = [&c](SaveStep step, int time) {
            if (step != c.step || time != c.time)
                return;
            if (c.then == Ends)
                ::_exit(3);
            if (c.then == WriteFails) {
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{};
                ::getrlimit(RLIMIT_FSIZE, &limit);
                limit.rlim_cur = 0;
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
        };
        const pid_t slow = StartProgram(path, QStringLiteral("slow"), goSlow[0],
                                        {goSlow[1], resume[1], stopped[0], goOther[0], goOther[1]},
                                        Stopping(stopped[1], resume[0], stopAt, then));
        const pid_t other = StartProgram(path, QStringLiteral("other"), goOther[0],
                                         {goOther[1], resume[0], resume[1], stopped[0], stopped[1], goSlow[0],
                                          goSlow[1]});
        ::close(goSlow[0]), ::close(goOther[0]), ::close(stopped[1]), ::close(resume[0]);

        ::close(goSlow[1]);
        ASSERT_TRUE(Await(stopped[0]));
        ::close(goOther[1]);
        EXPECT_TRUE(EndedWell(other));
        if (c.then == ThirdClosesMeanwhile) {
            const timespec anHourAgo[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), anHourAgo, 0), 0);
        }
        Resume(resume[1]);
        if (c.then != Ends) {
            ASSERT_TRUE(Await(stopped[0]));
            if (c.then == FileGoesAndComesBack) {
                ASSERT_TRUE(QFile::remove(path));
            }
            if (c.then == ThirdClosesMeanwhile)
                CloseAnother(path, QStringLiteral("third"));
            Resume(resume[1]);
        }
        if (c.then == FileGoesAndComesBack) {
            ASSERT_TRUE(Await(stopped[0]));
            Write(path, OneEntry(QStringLiteral("again")));
            Resume(resume[1]);
        }
        EXPECT_EQ(ExitCode(slow), c.then == Ends ? 3 : 0);
        CloseAnother(path, QStringLiteral("next"));
        EXPECT_EQ(Texts(path), c.kept);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"CLS.dat"}));
        ::close(stopped[0]), ::close(resume[1]);
    }
}

// Where the file system cannot swap two files, a close replaces the file it read, with
// another's calculation kept and the file's mode too. With the lock, that is all; without
// it, a close reads the file again once it has replaced it, and adds its calculations
// again when another close replaced the file it had checked just after.
TEST(ClosingTogether, WhereFilesCannotBeSwappedACloseReplacesTheFileItChecked)
{
    AllCalculators();
    struct SwapsRefused {
        explicit SwapsRefused(int error) { swapRefusal = error; }
        ~SwapsRefused() { swapRefusal = 0; }
    };
    for (const int refusal : {0, EINVAL, ENOSYS, ENOTSUP}) {
        SCOPED_TRACE(refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        Write(path, OneEntry(QStringLiteral("before")));
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
        const SwapsRefused refused(refusal);
        HistoryBook book(AllCalculators().Rows());
        book.Load(path);
        book.Add(2, QStringLiteral("mine"), {3, 4}, 1, 10, 0);
        CloseAnother(path, QStringLiteral("other"));
        QString reason;
        EXPECT_TRUE(book.Save(path, &reason)) << reason.toStdString();
        EXPECT_EQ(Texts(path), QStringList({"before", "other", "mine"}));
        EXPECT_EQ(ModeOf(path), 0600u);
    }
    for (const int refusal : {EINVAL, ENOSYS, ENOTSUP}) {
        SCOPED_TRACE(refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        Write(path, OneEntry(QStringLiteral("before")));
        const pid_t holder = HoldLock(dir.path());
        ASSERT_GT(holder, 0);
        const SwapsRefused refused(refusal);
        // Each stops once it has checked the file, just before it replaces it; the first
        // also once it has replaced it.
        int go[2], firstStopped[2], firstResume[2], secondStopped[2], secondResume[2];
        ASSERT_EQ(::pipe(go) | ::pipe(firstStopped) | ::pipe(firstResume) | ::pipe(secondStopped)
                      | ::pipe(secondResume),
                  0);
        const pid_t first = StartProgram(
            path, QStringLiteral("first"), go[0],
            {go[1], firstStopped[0], firstResume[1], secondStopped[0], secondStopped[1], secondResume[0],
             secondResume[1]},
            Stopping(firstStopped[1], firstResume[0], [](SaveStep step, int time) {
                return (step == SaveStep::BeforePlace && time == 2) || (step == SaveStep::AfterPlace && time == 1);
            }));
        const pid_t second = StartProgram(
            path, QStringLiteral("second"), go[0],
            {go[1], secondStopped[0], secondResume[1], firstStopped[0], firstStopped[1], firstResume[0],
             firstResume[1]},
            Stopping(secondStopped[1], secondResume[0],
                     [](SaveStep step, int time) { return step == SaveStep::BeforePlace && time == 2; }));
        ::close(go[0]), ::close(firstStopped[1]), ::close(firstResume[0]), ::close(secondStopped[1]),
            ::close(secondResume[0]);
        ::close(go[1]);
        ASSERT_TRUE(Await(firstStopped[0]));
        ASSERT_TRUE(Await(secondStopped[0]));
        Resume(firstResume[1]);
        ASSERT_TRUE(Await(firstStopped[0]));
        // The second replaces the file that the first has just put there.
        Resume(secondResume[1]);
        EXPECT_TRUE(EndedWell(second));
        Resume(firstResume[1]);
        EXPECT_TRUE(EndedWell(first));
        EXPECT_EQ(Texts(path), QStringList({"before", "second", "first"}));
        ::close(firstStopped[0]), ::close(firstResume[1]), ::close(secondStopped[0]), ::close(secondResume[1]);
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
    }
}

// A close that opened a file left over, and locked it only after the close that wrote it
// had moved it into place or given it up and removed it, does not take it: its entries
// are placed, or were never to be, and what its name now leads to is another's.
TEST(ClosingTogether, AFileMovedOrRemovedBeforeItIsLockedIsNoLeftover)
{
    for (const bool moved : {true, false}) {
        SCOPED_TRACE(moved);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        const QString swap = path + QStringLiteral(".tornavel.AbCd12.tmp");
        Write(path, OneEntry(QStringLiteral("placed before")));
        Write(swap, OneEntry(QStringLiteral("being placed")));
        beforeLock = [&](int, int) {
            const QByteArray from = QFile::encodeName(swap), to = QFile::encodeName(path);
            ASSERT_EQ(moved ? renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE)
                            : ::unlink(from.constData()),
                      0);
        };
        EXPECT_TRUE(TakeLeftovers(path, kMaxHistoryFileBytes).empty());
        EXPECT_FALSE(beforeLock);
        EXPECT_EQ(QFile::exists(swap), moved);
    }
}

// A close that another overtakes at a step of its own, as a program stalled there would
// be: every calculation is in the file once all have ended, and each close that says it
// saved did. Stalled between making its new file and locking it, where no history file
// was there yet; with another's close at each of its swaps, past any fixed number; past
// the minute after which, where nothing can be locked, its new file counts as left over.
TEST(ClosingTogether, ACloseOvertakenAtAnyStepKeepsEveryCalculation)
{
    AllCalculators();
    enum Overtaken { BeforeLockingItsFile, AtEachOfTwelveSwaps, AfterAMinuteWithoutLocks };
    for (const Overtaken when : {BeforeLockingItsFile, AtEachOfTwelveSwaps, AfterAMinuteWithoutLocks}) {
        SCOPED_TRACE(when);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLS.dat"));
        QStringList everyone = {"mine"};
        const LocksRefused refused(when == BeforeLockingItsFile ? 0 : ENOLCK);
        if (when != BeforeLockingItsFile) {
            Write(path, OneEntry(QStringLiteral("before")));
            everyone << "before";
        }
        HistoryBook book(AllCalculators().Rows());
        book.Load(path);
        book.Add(2, QStringLiteral("mine"), {3, 4}, 1, 10, 0);
        pid_t taker = 0;
        int tookIt[2] = {-1, -1}, goOn[2] = {-1, -1};
        if (when == BeforeLockingItsFile) {
            BeforeFileLock(LOCK_EX, [&] { CloseAnother(path, QStringLiteral("other")); });
            everyone << "other";
        } else if (when == AtEachOfTwelveSwaps) {
            book.SetSaveStepHook([&, round = 0](SaveStep step) mutable {
                if (step == SaveStep::BeforePlace && ++round <= 12) {
                    everyone << QStringLiteral("o%1").arg(round);
                    CloseAnother(path, everyone.last());
                }
            });
        } else {
            // Stalled before its swap for over a minute, its new file is taken by another
            // close, whose file then comes out of the stalled one's swap before that close
            // removes what it took.
            ASSERT_EQ(::pipe(tookIt) | ::pipe(goOn), 0);
            book.SetSaveStepHook([&](SaveStep step) {
                if (step == SaveStep::BeforePlace && taker == 0) {
                    taker = ::fork();
                    if (taker == 0) {
                        ::close(tookIt[0]), ::close(goOn[1]);
                        clockAhead = 120;
                        HistoryBook other(AllCalculators().Rows());
                        other.Load(path);
                        other.Add(2, QStringLiteral("taker"), {3, 4}, 1, 10, 0);
                        other.SetSaveStepHook(Stopping(tookIt[1], goOn[0],
                                                       [](SaveStep at, int) { return at == SaveStep::AfterPlace; }));
                        ::_exit(other.Save(path) ? 0 : 1);
                    }
                    ::close(std::exchange(tookIt[1], -1)), ::close(std::exchange(goOn[0], -1));
                    Await(tookIt[0]);
                } else if (step == SaveStep::AfterPlace && goOn[1] >= 0) {
                    ::close(std::exchange(goOn[1], -1));
                    EXPECT_TRUE(EndedWell(taker));
                }
            });
            everyone << "taker";
        }
        QString reason;
        EXPECT_TRUE(book.Save(path, &reason)) << reason.toStdString();
        for (const int fd : {tookIt[0], tookIt[1], goOn[0], goOn[1]})
            if (fd >= 0)
                ::close(fd);
        // Where nothing can be locked, the close whose file was taken cannot tell that its
        // calculation is already in what came out, and keeps it twice.
        QStringList kept = Texts(path);
        if (when == AfterAMinuteWithoutLocks)
            kept.removeDuplicates();
        EXPECT_EQ(Sorted(kept), Sorted(everyone));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"CLS.dat"}));
    }
}

// A close whose swap brings out a file that its placer has just put in place, and still
// holds for an instant, merges it all the same.
TEST(ClosingTogether, AFileItsPlacerStillHoldsIsMergedByTheCloseItCameOutTo)
{
    AllCalculators();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CLS.dat"));
    Write(path, OneEntry(QStringLiteral("before")));
    int placerHolds[2], placerGoes[2], takerStopped[2], takerGoes[2], goPlacer[2], goTaker[2];
    ASSERT_EQ(::pipe(placerHolds) | ::pipe(placerGoes) | ::pipe(takerStopped) | ::pipe(takerGoes) | ::pipe(goPlacer)
                  | ::pipe(goTaker),
              0);
    // The placer stops as it lets go of its placed file; the taker once it has read.
    BeforeFileLock(LOCK_UN, [&] {
        Resume(placerHolds[1]);
        Await(placerGoes[0]);
    });
    const pid_t placer = StartProgram(path, QStringLiteral("placer"), goPlacer[0], {goPlacer[1], goTaker[0], goTaker[1]});
    beforeLock = {};
    const pid_t taker = StartProgram(path, QStringLiteral("taker"), goTaker[0], {goTaker[1], goPlacer[0], goPlacer[1]},
                                     Stopping(takerStopped[1], takerGoes[0], [](SaveStep step, int time) {
                                         return step == SaveStep::BeforePlace && time == 1;
                                     }));
    ::close(goTaker[1]);
    ASSERT_TRUE(Await(takerStopped[0]));
    ::close(goPlacer[1]);
    ASSERT_TRUE(Await(placerHolds[0]));
    Resume(takerGoes[1]);
    EXPECT_TRUE(EndedWell(taker));
    Resume(placerGoes[1]);
    EXPECT_TRUE(EndedWell(placer));
    EXPECT_EQ(Texts(path), QStringList({"before", "taker", "placer"}));
    for (const int* pipe : {placerHolds, placerGoes, takerStopped, takerGoes, goPlacer, goTaker})
        ::close(pipe[0]), ::close(pipe[1]);
}

// The next start shows what closes that ended midway left, and the next close places it
// as shown: the oldest leftover first, one older than the file below the file's entries
// placed after it, one newer after them, and of a full file's oldest entries pushed out
// meanwhile none comes back; so where files cannot be swapped. The folder locked is the
// one the files are in.
TEST(ClosingTogether, LeftoversAreShownAtStartAndPlacedByAgeAtTheNextClose)
{
    AllCalculators();
    QStringList full;
    for (int k = 0; k < HistoryCapacity; ++k)
        full << QStringLiteral("n%1").arg(k);
    const struct Leftover {
        const char* name;  // its random part
        QStringList texts;
        int age;           // seconds; the file is a second old
    } older{"zzzzzz", {"old0", "old1"}, 3600}, oldest{"AAAAAA", {"first"}, 7200};
    const struct {
        const char* what;
        QStringList file;
        std::vector<Leftover> leftovers;
        int swapRefusal;
        QStringList shown;
    } cases[] = {
        {"no file, two leftovers", {}, {older, oldest}, 0, {"first", "old0", "old1"}},
        {"a newer leftover", {"a", "b"}, {{"AbCd12", {"a", "x"}, 0}}, 0, {"a", "b", "x"}},
        {"an hour-old leftover and a full file", full, {{"AbCd12", {"o0", "o1", "o2"}, 3600}}, 0, full},
        {"a full file and a newer leftover it pushed out of", full, {{"AbCd12", {"gone", "n3", "n4", "x"}, 0}}, 0,
         full.mid(1) + QStringList{"x"}},
        {"swaps refused", {"a"}, {{"AbCd12", {"a", "x"}, 0}}, EINVAL, {"a", "x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        // Through a link into another folder, where there is a file to lead to.
        const QString files = dir.filePath(QStringLiteral("files"));
        const QString path = c.file.isEmpty() ? files + QStringLiteral("/CLS.dat") : dir.filePath(QStringLiteral("CLS.dat"));
        ASSERT_TRUE(QDir().mkdir(files));
        const auto aged = [](const QString& at, const QStringList& texts, int age) {
            Write(at, Entries(texts));
            const timespec then[2] = {{0, UTIME_OMIT}, {::time(nullptr) - age, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(at).constData(), then, 0), 0);
        };
        if (!c.file.isEmpty()) {
            aged(files + QStringLiteral("/CLS.dat"), c.file, 1);
            ASSERT_TRUE(QFile::link(files + QStringLiteral("/CLS.dat"), path));
        }
        for (const Leftover& leftover : c.leftovers)
            aged(files + QStringLiteral("/CLS.dat.tornavel.%1.tmp").arg(QLatin1String(leftover.name)), leftover.texts,
                 leftover.age);

        HistoryBook book(AllCalculators().Rows());
        book.Load(path);
        QStringList shown;
        for (int k = 0; k <= book.Values().LastHistoryIndex; ++k)
            shown << book.Values().HistoryEntries[static_cast<size_t>(k)].Text;
        EXPECT_EQ(shown, c.shown);
        book.Add(2, QStringLiteral("mine"), {3, 4}, 1, 10, 0);
        swapRefusal = c.swapRefusal;
        std::vector<ino_t> locked;
        beforeLock = [&](int fd, int) {
            struct stat st {};
            if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
                locked.push_back(st.st_ino);
        };
        EXPECT_TRUE(book.Save(path));
        swapRefusal = 0;
        beforeLock = {};
        EXPECT_EQ(Texts(path), (shown + QStringList{"mine"}).mid(shown.size() == HistoryCapacity ? 1 : 0));
        EXPECT_EQ(QDir(files).entryList(QDir::Files), QStringList({"CLS.dat"}));
        struct stat folder {};
        ASSERT_EQ(::stat(QFile::encodeName(files).constData(), &folder), 0);
        EXPECT_EQ(locked, std::vector<ino_t>({folder.st_ino}));
    }
}
