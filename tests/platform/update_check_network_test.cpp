// The update check against a server that the test starts on 127.0.0.1: the engine's
// rules with the real HTTP client under them, its requests made by child processes.

#include "core/engine.h"
#include "platform/child_fetch.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
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
#include <optional>

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
    // The program's folder, the current one, where it keeps its state files.
    TemporaryCurrentFolder folder;
    QTemporaryDir& dir = folder.dir;
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
        engine.SetDirectories(dir.path() + QLatin1Char('/'));
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
    // A newer version's list, lengthened to `size` bytes by a comment line after it.
    const auto padded = [](qint64 size) {
        const QByteArray list = List("Tornavel1.2", "6/3/2024 9:05:00");
        return list + ';' + QByteArray(size - list.size() - 3, 'x') + "\r\n";
    };
    const Case cases[] = {
        {"newer build, Yes", List("Tornavel1.1", "05/03/2024 14:31"), true, 1, 0, {url}, false},
        {"newer build, No", List("Tornavel1.1", "2024-03-06T08:00:00"), false, 1, 0, {}, false},
        {"newer version", List("Tornavel1.2", "6/3/2024 9:05:00"), true, 0, 1, {}, true},
        {"same date", List("Tornavel1.1", "05/03/2024 14:30"), true, 0, 0, {}, false},
        {"older version listed, same date", List("Tornavel1.2", "05/03/2024 14:30"), true, 0, 0, {}, true},
        {"date in another format", List("Tornavel1.2", "March 6, 2024"), true, 0, 0, {}, true},
        {"no section", "[Autre1.0]\r\nDerVersion=Autre2.0\r\n", true, 0, 0, {}, false},
        {"list as long as a list is read", padded(kMaxVersionListBytes), true, 0, 1, {}, true},
        {"list too long to be read", padded(kMaxVersionListBytes + 1), true, 0, 0, {}, false},
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
        check.SetDirectories(Seen(engine).help.ProgramDirectory());
        check.FormCreate(QStringLiteral("O"));
        server.Set(kListPath, {LocalHttpServer::Kind::Normal, 200, c.list});
        check.FormActivate();
        ASSERT_TRUE(WaitFor([&] { return fresh.answers == 1; }));
        EXPECT_EQ(fresh.questions.size(), c.questions);
        EXPECT_EQ(fresh.updatePageWindows, c.pageWindows);
        // The update-page window shows the engine's update page.
        EXPECT_EQ(fresh.pageAddresses, QStringList(c.pageWindows, check.UpdatePageAddress()));
        EXPECT_EQ(fresh.openedUrls, c.opened);
        EXPECT_EQ(check.Window().upgradeItemVisible, c.upgradeItem);
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
        check.SetDirectories(Seen(engine).help.ProgramDirectory());
        check.FormCreate(QStringLiteral("O"));
        check.FormActivate();
        ASSERT_TRUE(WaitFor([&] { return fresh.answers == 1; }));
        EXPECT_TRUE(fresh.questions.isEmpty());
        EXPECT_EQ(fresh.updatePageWindows, 0);
        EXPECT_FALSE(check.Window().upgradeItemVisible);
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
    EXPECT_EQ(Seen(engine).stack.Records().size(), 1u);
    ASSERT_TRUE(WaitFor([this] { return ui.answers == 1; }));
    EXPECT_TRUE(eventLoopRan);
    ExpectNothingShown();
    EXPECT_FALSE(engine.Window().upgradeItemVisible);
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

// The helper counts an answer only when its transfer is complete, for the version list
// it saves and for the pages it hands back alike.
TEST_F(UpdateCheckOverNetwork, AnAnswerCountsOnlyWhenItsTransferIsComplete)
{
    using Kind = LocalHttpServer::Kind;
    const QByteArray list = List("Tornavel1.2", "01/01/2030 10:00");
    const auto chunk = [](const QByteArray& data) { return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n"; };
    const QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    const QByteArray byClose = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
    const QByteArray sized = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(list.size()) + "\r\n\r\n" + list;
    server.Set("/moved/list", {Kind::RawThenClose, 200, sized});
    struct Case {
        const char* name;
        Kind kind;
        QByteArray answer;
        bool counts;
        qsizetype received; // bytes of the list that come before the answer ends or breaks
    };
    const qsizetype all = list.size();
    const Case cases[] = {
        {"all of Content-Length", Kind::RawThenClose, sized, true, all},
        {"chunked to the zero chunk", Kind::RawThenClose, chunked + chunk(list.left(5)) + chunk(list.mid(5)) + "0\r\n\r\n", true, all},
        {"chunked with extensions and trailers", Kind::RawThenClose,
         chunked + "5;a=b\r\n" + list.left(5) + "\r\n" + chunk(list.mid(5)) + "0\r\nX-Fin: 1\r\n\r\n", true, all},
        {"delimited by a clean close", Kind::RawThenClose, byClose + list, true, all},
        {"redirected", Kind::RawThenClose, "HTTP/1.1 302 Found\r\nLocation: /moved/list\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", true, all},
        {"invalid chunk size after a valid chunk", Kind::RawThenClose,
         chunked + chunk(list.left(5)) + "zz\r\n" + chunk(list.mid(5)) + "0\r\n\r\n", false, 5},
        {"chunk size of 2^64 - 1", Kind::RawThenClose, chunked + "ffffffffffffffff\r\n" + list + "\r\n0\r\n\r\n", false, 0},
        {"closed before the zero chunk", Kind::RawThenClose, chunked + chunk(list), false, all},
        {"closed before Content-Length", Kind::RawThenClose, sized.left(sized.size() - 3), false, all - 3},
        {"length past any integer", Kind::RawThenClose,
         "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n" + list, false, 0},
        {"length past the largest body", Kind::RawThenClose,
         "HTTP/1.1 200 OK\r\nContent-Length: 104857600\r\n\r\n" + list, false, 0},
        {"delimited by a reset", Kind::RawThenReset, byClose + list.left(all / 2), false, all / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.Set(kListPath, {c.kind, 200, c.answer});
        const QString address = server.Root() + QString::fromLatin1(kListPath);
        QFile old(ListFile());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate) && old.write(oldList) == oldList.size());
        old.close();
        std::optional<bool> replaced;
        HttpDownloadToFile(*ui.network, address, ListFile(), 5000, [&replaced](bool ok) { replaced = ok; });
        ASSERT_TRUE(WaitFor([&] { return replaced.has_value(); }));
        EXPECT_EQ(*replaced, c.counts);
        EXPECT_EQ(ListOnDisk(), c.counts ? list : oldList);
        std::optional<HttpReply> page;
        HttpGet(*ui.network, address, 5000, [&page](const HttpReply& reply) { page = reply; });
        ASSERT_TRUE(WaitFor([&] { return page.has_value(); }));
        EXPECT_EQ(page->ok, c.counts);
        EXPECT_EQ(page->status, 200);
        // What came before a break did come: the answer is refused for how it ended.
        EXPECT_EQ(page->body, list.left(c.received));
    }
}

// Only a helper that exited with status 0 after writing its whole answer gives a page.
TEST(ChildHttpClient, AHelperThatFailedNeverCountsAsASuccess)
{
    EnsureApplication();
    struct Case {
        const char* name;
        const char* script;
        bool counts;
    };
    const Case cases[] = {
        {"whole answer", "printf '200 5\\nhello'", true},
        {"status 1 after a whole answer", "printf '200 5\\nhello'; exit 1", false},
        {"killed after a whole answer", "printf '200 5\\nhello'; kill -KILL $$", false},
        {"answer shorter than announced", "printf '200 9\\nhello'", false},
        {"answer longer than announced", "printf '200 3\\nhello'", false},
        {"no length", "printf '200\\nhello'", false},
        {"nothing written", "exit 0", false},
        // A program in the helper's place that floods its output is ended at the bound.
        {"endless answer", "printf '200 5\\n'; exec cat /dev/zero", false},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString helper = dir.filePath(QStringLiteral("helper-%1").arg(&c - cases));
        QFile script(helper);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\n") + c.script + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        ChildHttpClient client(helper);
        std::optional<HttpReply> page;
        // A time-out longer than the wait: only the output's bound can end a flood in time.
        HttpGet(client, QStringLiteral("http://127.0.0.1:1/"), 60000, [&page](const HttpReply& reply) { page = reply; });
        ASSERT_TRUE(WaitFor([&] { return page.has_value(); }, 30000));
        EXPECT_EQ(page->ok, c.counts);
        EXPECT_LE(page->body.size(), kMaxGetOutputBytes);
    }
    SCOPED_TRACE("endless output of a download");
    const QString helper = dir.filePath(QStringLiteral("zeros"));
    QFile script(helper);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec cat /dev/zero\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    ChildHttpClient client(helper);
    std::optional<bool> replaced;
    HttpDownloadToFile(client, QStringLiteral("http://127.0.0.1:1/"), dir.filePath(QStringLiteral("list")), 60000,
                       [&replaced](bool ok) { replaced = ok; });
    ASSERT_TRUE(WaitFor([&] { return replaced.has_value(); }, 30000));
    EXPECT_FALSE(*replaced);
}
