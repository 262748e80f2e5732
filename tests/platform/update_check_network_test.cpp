// The update check against a server that the test starts on 127.0.0.1: the engine's
// rules with the real HTTP client under them, its requests made by child processes.

#include "core/engine.h"
#include "platform/child_fetch.h"
#include "tests/support/engine_access.h"
#include "tests/support/fake_ui.h"
#include "tests/support/local_http_server.h"
#include "tests/support/catalogue.h"

#include <QDir>
#include <QTcpServer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include <unistd.h>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

const QByteArray kListPath = "/maj_logiciels/Liste_logiciels.ini";
const QDateTime kBuilt(QDate(2024, 3, 5), QTime(14, 30));

// The desktop of FakeUi with real downloads, sent to the local server.
struct NetworkUi : FakeUi {
    std::unique_ptr<ChildHttpClient> network = std::make_unique<ChildHttpClient>();
    QString root;
    int timeoutMs = 10000;
    int answers = 0;
    void DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done) override
    {
        const QUrl url(address);
        downloads << url.path();
        HttpDownloadToFile(*network, root + url.path(), localPath, timeoutMs, [this, done](bool ok) {
            ++answers;
            done(ok);
        });
    }
};

// The helper processes that are children of process `parent` (none when it is gone).
QList<pid_t> FetchChildren(pid_t parent)
{
    QList<pid_t> found;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid ..."
        const QByteArray line = stat.readAll();
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (line.contains("(tornavel-fetch)") && after.value(1).toInt() == parent)
            found << entry.toInt();
    }
    return found;
}

// Whether process `pid` has ended (gone, or ended and not yet collected).
bool Ended(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

QByteArray List(const char* derVersion, const char* dateMaj, const char* url = "https://tornavel.example/dl")
{
    return QByteArray("[Autre1.0]\r\nDerVersion=Autre2.0\r\n[Tornavel1.1]\r\nDateMaj=") + dateMaj
           + "\r\nUrlMaj=" + url + "\r\nNomPInstall=setup.exe\r\nDerVersion=" + derVersion + "\r\n";
}

struct UpdateCheckOverNetwork : ::testing::Test {
    QTemporaryDir dir;
    LocalHttpServer server;
    StringTable strings;
    NetworkUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    // An earlier run's list that names a newer version: a failed check must not read it.
    const QByteArray oldList = List("Tornavel9.9", "01/01/2030 10:00");

    void SetUp() override
    {
        ui.root = server.Root();
        ui.programDate = kBuilt;
        EngineAccess::Help(engine).SetProgramDirectory(dir.path() + QLatin1Char('/'));
        EngineAccess::Options(engine).SetFilePath(dir.filePath(QStringLiteral("Options.dat")));
        EngineAccess::History(engine).SetFilePath(dir.filePath(QStringLiteral("CLS.dat")));
        QFile old(ListFile());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(oldList);
        old.close();
        engine.FormCreate(QStringLiteral("O"));
    }
    QString ListFile() const { return dir.filePath(QStringLiteral("Liste_logiciels.ini")); }
    QByteArray ListOnDisk() const
    {
        QFile file(ListFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Activates the main window and waits for the answer.
    void Check()
    {
        engine.FormActivate();
        ASSERT_TRUE(WaitFor([this] { return ui.answers == 1; }));
        EXPECT_EQ(ui.downloads, QStringList{QString::fromLatin1(kListPath)});
    }
    void ExpectNothingShown()
    {
        EXPECT_TRUE(ui.questions.isEmpty());
        EXPECT_EQ(ui.updatePageWindows, 0);
        EXPECT_TRUE(ui.openedUrls.isEmpty());
        EXPECT_TRUE(ui.boxes.isEmpty());
    }
};

} // namespace

TEST_F(UpdateCheckOverNetwork, ListsThatAnswer)
{
    struct Case {
        const char* name;
        QByteArray list;
        bool answerYes;
        int questions, pageWindows;
        QStringList opened;
        bool upgradeItem;
    };
    const QString url = QStringLiteral("https://tornavel.example/dl");
    const Case cases[] = {
        {"newer build, Yes", List("Tornavel1.1", "05/03/2024 14:31"), true, 1, 0, {url}, false},
        {"newer build, No", List("Tornavel1.1", "2024-03-06T08:00:00"), false, 1, 0, {}, false},
        {"newer version", List("Tornavel1.2", "6/3/2024 9:05:00"), true, 0, 1, {}, true},
        {"same date", List("Tornavel1.1", "05/03/2024 14:30"), true, 0, 0, {}, false},
        {"older version listed, same date", List("Tornavel1.2", "05/03/2024 14:30"), true, 0, 0, {}, true},
        {"date in another format", List("Tornavel1.2", "March 6, 2024"), true, 0, 0, {}, true},
        {"no section", "[Autre1.0]\r\nDerVersion=Autre2.0\r\n", true, 0, 0, {}, false},
        // Values too long to be a version, a date or a whole address: the list is unreadable.
        {"version of five million characters", List(QByteArray(5'000'000, 'T').constData(), "6/3/2024 9:05:00"), true,
         0, 0, {}, false},
        {"date of two hundred characters",
         List("Tornavel1.1", ("05/03/2024" + QByteArray(200, ' ') + "14:31").constData()), true, 0, 0, {}, false},
        {"address cut on reading",
         List("Tornavel1.1", "05/03/2024 14:31", ("https://tornavel.example/" + QByteArray(3000, 'a')).constData()),
         true, 0, 0, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkUi fresh;
        fresh.root = server.Root();
        fresh.programDate = kBuilt;
        fresh.answerYes = c.answerYes;
        Engine check(AllCalculators(), strings, fresh, QStringLiteral(","));
        EngineAccess::Help(check).SetProgramDirectory(EngineAccess::Help(engine).ProgramDirectory());
        EngineAccess::Options(check).SetFilePath(EngineAccess::Options(engine).FilePath());
        EngineAccess::History(check).SetFilePath(EngineAccess::History(engine).FilePath());
        check.FormCreate(QStringLiteral("O"));
        server.Set(kListPath, {LocalHttpServer::Kind::Normal, 200, c.list});
        check.FormActivate();
        ASSERT_TRUE(WaitFor([&] { return fresh.answers == 1; }));
        EXPECT_EQ(fresh.questions.size(), c.questions);
        EXPECT_EQ(fresh.updatePageWindows, c.pageWindows);
        // The update-page window shows the engine's update page.
        EXPECT_EQ(fresh.pageAddresses, QStringList(c.pageWindows, check.UpdatePageAddress()));
        EXPECT_EQ(fresh.openedUrls, c.opened);
        EXPECT_EQ(EngineAccess::Session(check).Window().upgradeItemVisible, c.upgradeItem);
        EXPECT_EQ(fresh.refreshes, 1);
        EXPECT_EQ(ListOnDisk(), c.list);
    }
}

TEST_F(UpdateCheckOverNetwork, FailuresShowNothingKeepNoPartialFileAndHideTheUpgradeItem)
{
    struct Case {
        const char* name;
        LocalHttpServer::Answer answer;
        bool refused;
    };
    const Case cases[] = {
        {"404 page", {LocalHttpServer::Kind::Normal, 404, List("Tornavel1.2", "01/01/2030 10:00")}, false},
        {"server error", {LocalHttpServer::Kind::Normal, 500, "erreur"}, false},
        {"cut transfer", {LocalHttpServer::Kind::Cut, 200, List("Tornavel1.2", "01/01/2030 10:00")}, false},
        {"connection refused", {}, true},
        {"no helper program", {LocalHttpServer::Kind::Normal, 200, List("Tornavel1.2", "01/01/2030 10:00")}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkUi fresh;
        fresh.programDate = kBuilt;
        fresh.answerYes = true;
        LocalHttpServer other;
        other.Set(kListPath, c.answer);
        fresh.root = other.Root();
        if (c.refused) {
            // A port that was just given up refuses connections.
            QTcpServer closed;
            ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
            fresh.root = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        }
        if (QLatin1String(c.name) == QLatin1String("no helper program"))
            fresh.network = std::make_unique<ChildHttpClient>(dir.filePath(QStringLiteral("tornavel-fetch")));
        Engine check(AllCalculators(), strings, fresh, QStringLiteral(","));
        EngineAccess::Help(check).SetProgramDirectory(EngineAccess::Help(engine).ProgramDirectory());
        EngineAccess::Options(check).SetFilePath(EngineAccess::Options(engine).FilePath());
        EngineAccess::History(check).SetFilePath(EngineAccess::History(engine).FilePath());
        check.FormCreate(QStringLiteral("O"));
        check.FormActivate();
        ASSERT_TRUE(WaitFor([&] { return fresh.answers == 1; }));
        EXPECT_TRUE(fresh.questions.isEmpty());
        EXPECT_EQ(fresh.updatePageWindows, 0);
        EXPECT_FALSE(EngineAccess::Session(check).Window().upgradeItemVisible);
        EXPECT_EQ(ListOnDisk(), oldList);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Liste_logiciels.ini")});
    }
}

TEST_F(UpdateCheckOverNetwork, SilentServerLeavesTheProgramWorkingAndIsGivenUp)
{
    server.Set(kListPath, {LocalHttpServer::Kind::Silent, 200, {}});
    ui.timeoutMs = 300;
    bool eventLoopRan = false;
    QTimer::singleShot(0, [&] { eventLoopRan = true; });
    engine.FormActivate();
    // The activation has returned before any answer; the program goes on working.
    EXPECT_EQ(ui.answers, 0);
    EXPECT_EQ(EngineAccess::Session(engine).Stack().size(), 1u);
    ASSERT_TRUE(WaitFor([this] { return ui.answers == 1; }));
    EXPECT_TRUE(eventLoopRan);
    ExpectNothingShown();
    EXPECT_FALSE(EngineAccess::Session(engine).Window().upgradeItemVisible);
    EXPECT_EQ(ListOnDisk(), oldList);
}

TEST_F(UpdateCheckOverNetwork, DownloadAddressOtherThanAWebPageIsNeverOpened)
{
    ui.answerYes = true;
    server.Set(kListPath, {LocalHttpServer::Kind::Normal, 200, List("Tornavel1.1", "01/01/2030 10:00", "file:///bin/sh")});
    Check();
    EXPECT_EQ(ui.questions.size(), 1);
    EXPECT_TRUE(ui.openedUrls.isEmpty());
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Erreur de connexion !"));
    EXPECT_TRUE(ui.boxes[0].text.startsWith(QStringLiteral("Impossible d'acceder à la page de mise à jour !")));
}

// Closing the main window ends the services and their client while the server says
// nothing: the child goes at once, no answer comes, and the list stays as it was.
TEST_F(UpdateCheckOverNetwork, EndingTheClientDuringADownloadEndsItsChild)
{
    server.Set(kListPath, {LocalHttpServer::Kind::Silent, 200, {}});
    engine.FormActivate();
    ASSERT_TRUE(WaitFor([] { return FetchChildren(::getpid()).size() == 1; }));
    ASSERT_TRUE(WaitFor([this] { return server.Requests() == 1; }));
    const pid_t child = FetchChildren(::getpid()).value(0);
    ui.network.reset();
    EXPECT_TRUE(Ended(child));
    EXPECT_TRUE(FetchChildren(::getpid()).isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.answers, 0);
    EXPECT_EQ(ListOnDisk(), oldList);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Liste_logiciels.ini")});
}

// The parent's side of the next test, run in a process of its own: starts a download
// from the silent server named by the environment, writes its child's number and waits.
TEST(ChildHttpClientParent, DISABLED_DownloadsFromASilentServer)
{
    EnsureApplication();
    ChildHttpClient client;
    QTemporaryDir dir;
    bool answered = false;
    HttpDownloadToFile(client, qEnvironmentVariable("TORNAVEL_TEST_SILENT_ADDRESS"), dir.filePath(QStringLiteral("list")),
                       20000, [&answered](bool) { answered = true; });
    ASSERT_TRUE(WaitFor([] { return FetchChildren(::getpid()).size() == 1; }));
    std::printf("child=%d\n", int(FetchChildren(::getpid()).value(0)));
    std::fflush(stdout);
    WaitFor([&answered] { return answered; }, 20000);
}

// A program killed outright while a download hangs leaves no child behind.
TEST_F(UpdateCheckOverNetwork, ChildEndsWithAParentThatIsKilled)
{
    server.Set(kListPath, {LocalHttpServer::Kind::Silent, 200, {}});
    QProcess parent;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TORNAVEL_TEST_SILENT_ADDRESS"), server.Root() + QString::fromLatin1(kListPath));
    parent.setProcessEnvironment(environment);
    parent.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=ChildHttpClientParent.DISABLED_DownloadsFromASilentServer"),
                  QStringLiteral("--gtest_also_run_disabled_tests")});
    QByteArray output;
    ASSERT_TRUE(WaitFor([&] {
        output += parent.readAllStandardOutput();
        return output.contains("child=") && output.indexOf('\n', output.indexOf("child=")) > 0;
    }));
    const qsizetype at = output.indexOf("child=") + 6;
    const pid_t child = output.mid(at, output.indexOf('\n', at) - at).toInt();
    ASSERT_GT(child, 0);
    ASSERT_TRUE(WaitFor([this] { return server.Requests() == 1; }));
    EXPECT_FALSE(Ended(child));
    parent.kill();
    ASSERT_TRUE(parent.waitForFinished());
    EXPECT_TRUE(WaitFor([child] { return Ended(child); }));
}
