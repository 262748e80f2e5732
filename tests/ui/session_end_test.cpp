// The end of the desktop session (SIGTERM) closes Tornavel as its close box does.

#include "core/history_file.h"
#include "ui/session_end.h"
#include "tests/support/file_system.h"
#include "tests/ui/window_fixture.h"

#include <QProcess>

#include <csignal>

#include <sys/types.h>
#include <unistd.h>

using namespace tornavel;

namespace {

// True once the process catches SIGTERM, read from the kernel's view of it.
bool CatchesSigterm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

using SessionEnd = tornavel::testing::WindowFixture<>;
using tornavel::testing::Contents;

} // namespace

TEST_F(SessionEnd, SigtermSavesTheCalculationJustMade)
{
    Start();
    ClickKeys(QStringLiteral("12+3="));
    ASSERT_EQ(engine->history.LastHistoryIndex, 0);
    SessionEndCloser closer(window.get());
    ::kill(::getpid(), SIGTERM);
    QElapsedTimer limit;
    limit.start();
    while (window->isVisible() && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(window->isVisible());

    const History saved = DecodeHistory(Contents(engine->HistoryFilePath));
    ASSERT_EQ(saved.LastHistoryIndex, 0);
    EXPECT_EQ(saved.HistoryEntries[0].Number, 0);
    EXPECT_EQ(saved.HistoryEntries[0].Text, engine->history.HistoryEntries[0].Text);
}

TEST(SessionEndOfTheProgram, SigtermEndsTornavelNormallyWithItsHistorySaved)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tornavel");
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "tornavel is not built";
    QTemporaryDir dir;
    History history;
    history.HistoryEntries[0] = HistoryEntry{3, QStringLiteral("10"), {10.0}, 0, 10};
    history.LastHistoryIndex = 0;
    // A tail cut short: the program drops it when it writes the history back.
    const QByteArray canonical = EncodeHistory(history);
    tornavel::testing::Write(dir.filePath(QStringLiteral("CLS.dat")), canonical + QByteArray(100, '\0'));

    QProcess tornavel;
    tornavel.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tornavel.setProcessEnvironment(environment);
    tornavel.start(program, {});
    ASSERT_TRUE(tornavel.waitForStarted());
    QElapsedTimer limit;
    limit.start();
    while (!CatchesSigterm(tornavel.processId()) && tornavel.state() == QProcess::Running
           && limit.elapsed() < 10000)
        QTest::qSleep(10);
    ASSERT_TRUE(CatchesSigterm(tornavel.processId()));

    ::kill(static_cast<pid_t>(tornavel.processId()), SIGTERM);
    ASSERT_TRUE(tornavel.waitForFinished(10000));
    EXPECT_EQ(tornavel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tornavel.exitCode(), 0);
    EXPECT_EQ(Contents(dir.filePath(QStringLiteral("CLS.dat"))), canonical);
}
