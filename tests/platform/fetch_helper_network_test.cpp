// The helper program against servers that the test starts on 127.0.0.1: what it takes
// over TLS, through redirects and a proxy, and where its limits end a transfer.

#include "platform/child_fetch.h"
#include "tests/support/local_http_server.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

using namespace tornavel;
using namespace tornavel::testing;

namespace {

// A request for `path`, named, and whether its answer is taken.
struct PathCase {
    const char* name;
    const char* path;
    bool taken;
};

using Kind = LocalHttpServer::Kind;

const QByteArray kOldList = "[Tornavel1.1]\r\nDerVersion=Tornavel1.1\r\n";
const QByteArray kNewList = "[Tornavel1.1]\r\nDerVersion=Tornavel1.2\r\n";

// Sets an environment variable (unset for an empty value) for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

struct FetchHelper : ::testing::Test {
    // The client finds the helper beside the test program, which needs the application.
    bool application = (EnsureApplication(), true);
    QTemporaryDir dir;
    ChildHttpClient client;
    // No proxy or bundle of the machine's plays a part unless a test sets one.
    ScopedEnvironment noHttpProxy{"http_proxy", {}};
    ScopedEnvironment noHttpsProxy{"https_proxy", {}};
    ScopedEnvironment noBundle{"SSL_CERT_FILE", {}};

    QString ListFile() const { return dir.filePath(QStringLiteral("Liste_logiciels.ini")); }
    // Downloads `address` over an old list; whether the list was replaced, and how it ends.
    bool Download(const QString& address, QByteArray& onDisk, int timeoutMs = 5000)
    {
        QFile old(ListFile());
        if (!old.open(QIODevice::WriteOnly | QIODevice::Truncate) || old.write(kOldList) != kOldList.size())
            return false;
        old.close();
        std::optional<bool> replaced;
        HttpDownloadToFile(client, address, ListFile(), timeoutMs, [&replaced](bool ok) { replaced = ok; });
        // A guard against a hang only: every case ends well before it.
        EXPECT_TRUE(WaitFor([&] { return replaced.has_value(); }, 30000));
        AbandonRequests(client); // no late answer may reach `replaced`
        QFile file(ListFile());
        onDisk = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return replaced.value_or(false);
    }
    // Expects a download of `address` to replace the list with kNewList, or to leave it.
    void ExpectTaken(const QString& address, bool taken, int timeoutMs = 5000)
    {
        QByteArray onDisk;
        EXPECT_EQ(Download(address, onDisk, timeoutMs), taken);
        EXPECT_EQ(onDisk, taken ? kNewList : kOldList);
    }
};

} // namespace

TEST_F(FetchHelper, TlsIsTakenOnlyFromATrustedCertificateAndNeverDowngraded)
{
    TestCertificate certificate;
    ASSERT_TRUE(certificate.made);
    LocalHttpServer secure(&certificate.server);
    LocalHttpServer plain;
    plain.Set("/list", {Kind::Normal, 200, kNewList});
    secure.Set("/list", {Kind::Normal, 200, kNewList});
    secure.Set("/by-close", {Kind::RawThenClose, 200, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + kNewList});
    // Cut without the close of the TLS session: the body may be short.
    secure.Set("/cut", {Kind::RawThenReset, 200, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + kNewList});
    secure.Set("/to-https", {Kind::RawThenClose, 200, "HTTP/1.1 302 Found\r\nLocation: /list\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"});
    secure.Set("/to-http", {Kind::RawThenClose, 200,
                            "HTTP/1.1 302 Found\r\nLocation: " + plain.Root().toLatin1()
                                + "/list\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"});

    {
        SCOPED_TRACE("self-signed, not trusted");
        ExpectTaken(secure.Root() + QStringLiteral("/list"), false);
        EXPECT_EQ(secure.Requests(), 0);
    }
    ScopedEnvironment trusted("SSL_CERT_FILE", certificate.certificatePath.toLocal8Bit());
    const PathCase cases[] = {
        {"sized", "/list", true},
        {"delimited by the close of the session", "/by-close", true},
        {"delimited by a cut connection", "/cut", false},
        {"redirected to https", "/to-https", true},
        {"redirected to http", "/to-http", false},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectTaken(secure.Root() + QLatin1String(c.path), c.taken);
    }
    EXPECT_EQ(plain.Requests(), 0);
}

TEST_F(FetchHelper, RedirectsAreFollowedTenTimesToWebAddressesOnly)
{
    LocalHttpServer server;
    const QString listPath = dir.filePath(QStringLiteral("local.ini"));
    QFile local(listPath);
    ASSERT_TRUE(local.open(QIODevice::WriteOnly) && local.write(kNewList) == kNewList.size());
    local.close();
    const auto redirect = [](const QByteArray& to) {
        return LocalHttpServer::Answer{Kind::RawThenClose, 302,
                                       "HTTP/1.1 301 Moved\r\nLocation: " + to + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"};
    };
    server.Set("/hop/0", {Kind::Normal, 200, kNewList});
    for (int hop = 1; hop <= 11; ++hop)
        server.Set("/hop/" + QByteArray::number(hop), redirect("/hop/" + QByteArray::number(hop - 1)));
    server.Set("/to-file", redirect(QUrl::fromLocalFile(listPath).toEncoded()));
    server.Set("/to-ftp", redirect("ftp://127.0.0.1/list"));
    const PathCase cases[] = {
        {"ten redirects", "/hop/10", true},
        {"eleven redirects", "/hop/11", false},
        {"redirected to a local file", "/to-file", false},
        {"redirected to ftp", "/to-ftp", false},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Eleven requests in one time-out: room for a loaded machine.
        ExpectTaken(server.Root() + QLatin1String(c.path), c.taken, 20000);
    }
    // A file address given outright is not fetched either.
    ExpectTaken(QUrl::fromLocalFile(listPath).toString(), false);
}

TEST_F(FetchHelper, TheProxyOfTheEnvironmentIsUsed)
{
    LocalHttpServer proxy;
    const QByteArray address = "http://tornavel-update.invalid/maj_logiciels/Liste_logiciels.ini";
    proxy.Set(address, {Kind::Normal, 200, kNewList});
    ScopedEnvironment viaProxy("http_proxy", proxy.Root().toLatin1());
    ScopedEnvironment noExceptions("no_proxy", {});
    ExpectTaken(QString::fromLatin1(address), true);
    EXPECT_EQ(proxy.Requests(), 1);
}

// No test here asserts a time: the drip could only end by the time-out, and the endless
// body only by the size bound, before the guard of Download gives up.
TEST_F(FetchHelper, ADripEndsAtTheTimeOutAndAnEndlessBodyAtTheSizeBound)
{
    LocalHttpServer server;
    server.Set("/drip", {Kind::Drip, 200, {}});
    server.Set("/endless", {Kind::Endless, 200, {}});
    {
        SCOPED_TRACE("drip");
        ExpectTaken(server.Root() + QStringLiteral("/drip"), false, 2000);
    }
    {
        SCOPED_TRACE("endless body, downloaded");
        ExpectTaken(server.Root() + QStringLiteral("/endless"), false, 25000);
    }
    SCOPED_TRACE("endless body, as a page");
    std::optional<HttpReply> page;
    HttpGet(client, server.Root() + QStringLiteral("/endless"), 25000, [&page](const HttpReply& reply) { page = reply; });
    ASSERT_TRUE(WaitFor([&] { return page.has_value(); }, 30000));
    EXPECT_FALSE(page->ok);
    EXPECT_LE(page->body.size(), kMaxHttpBodyBytes);
}
