// The end of the desktop session (SIGTERM) closes Tornavel as its close box does.

#include "core/history_file.h"
#include "tests/support/engine_view.h"
#include "ui/session_end.h"
#include "tests/support/file_system.h"
#include "tests/ui/window_fixture.h"
#include "ui/widget_ui_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <csignal>

using namespace tornavel;
using tornavel::testing::Contents;

using SessionEnd = tornavel::testing::WindowFixture<>;

TEST_F(SessionEnd, SigtermSavesTheCalculationJustMade)
{
    Start();
    ClickKeys(QStringLiteral("12+3="));
    ASSERT_EQ(Seen(*engine).history.Values().LastHistoryIndex, 0);
    SessionEndCloser closer(window.get());
    ::kill(::getpid(), SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }));

    const History saved = DecodeHistory(Contents(Seen(*engine).history.FilePath()));
    ASSERT_EQ(saved.LastHistoryIndex, 0);
    EXPECT_EQ(saved.HistoryEntries[0].Text, Seen(*engine).history.Values().HistoryEntries[0].Text);
}

// The rest of a burst of requests, coming once the close is done, is ignored: it would
// end the test program.
TEST_F(SessionEnd, RequestsAfterTheCloseAreIgnored)
{
    Start();
    constexpr int kRequests[] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction before[3] {};
    for (int k = 0; k < 3; ++k)
        ::sigaction(kRequests[k], nullptr, &before[k]);
    {
        SessionEndCloser closer(window.get());
        ::kill(::getpid(), SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }));
    }
    for (int k = 0; k < 3; ++k)
        ::kill(::getpid(), kRequests[k]);
    QTest::qWait(0);
    for (int k = 0; k < 3; ++k)
        ::sigaction(kRequests[k], &before[k], nullptr);
}

// The session ends while the default-calculator window is open with no box on, which
// its OK refuses with a box: nothing is asked, the default stays, the window closes.
using SessionEndOnTheDesktop = tornavel::testing::WindowFixture<WidgetUiServices>;

TEST_F(SessionEndOnTheDesktop, SigtermAsksNothingOfAListWindowThatRefusesItsOk)
{
    Start();
    SessionEndCloser closer(window.get());
    bool asked = false;
    QTimer boxes;  // takes away a box that would wait for the leaving user
    QObject::connect(&boxes, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            asked = true, box->hide();
    });
    boxes.start(20);
    QTimer::singleShot(0, [] {
        QApplication::activeModalWidget()->findChild<QCheckBox*>(QStringLiteral("CbCalculette0"))->click();
        ::kill(::getpid(), SIGTERM);
    });
    engine->SelCalculetteDefautClick();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }));
    EXPECT_FALSE(asked);
    EXPECT_EQ(Seen(*engine).options.Values().DefaultCalculator, 0);
}

// The program itself: started in a directory with a history whose tail is cut short,
// ended by SIGTERM once it catches the signal, it ends normally and writes the
// history back, without that tail.
TEST(SessionEndOfTheProgram, SigtermEndsTornavelNormallyWithItsHistorySaved)
{
    QTemporaryDir dir;
    History history;
    history.HistoryEntries[0] = HistoryEntry{3, QStringLiteral("10"), {10.0}, 0, 10};
    history.LastHistoryIndex = 0;
    const QString file = dir.filePath(QStringLiteral("CLS.dat"));
    tornavel::testing::Write(file, EncodeHistory(history) + QByteArray(100, '\0'));

    QProcess tornavel;
    tornavel.setWorkingDirectory(dir.path());
    tornavel.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tornavel"), {});
    ASSERT_TRUE(tornavel.waitForStarted());
    const auto catchesSigterm = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(tornavel.processId()));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        const qsizetype at = text.indexOf("SigCgt:");
        return at >= 0 && (text.mid(at + 7, 17).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    };
    ASSERT_TRUE(QTest::qWaitFor(catchesSigterm, 10000));

    ::kill(static_cast<pid_t>(tornavel.processId()), SIGTERM);
    ASSERT_TRUE(tornavel.waitForFinished(10000));
    EXPECT_EQ(tornavel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tornavel.exitCode(), 0);
    EXPECT_EQ(Contents(file), EncodeHistory(history));
}
