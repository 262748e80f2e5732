#pragma once

// A small HTTP or HTTPS server on 127.0.0.1 for the network tests, with answers set per
// path: a normal answer, a transfer cut short, silence, a drip, an endless body, or bytes
// of the test's own that end with a clean close or a reset.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include <sys/socket.h>

namespace tornavel::testing {

// The network needs an event loop; engine tests have no application object of their own.
inline void EnsureApplication()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv); // lives until the test program ends
    }
}

// Runs the event loop until `done` holds, at most `limitMs` (a guard against a hang,
// not a measure of speed). Returns whether it holds.
inline bool WaitFor(const std::function<bool()>& done, int limitMs = 10000)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A self-signed certificate for 127.0.0.1 and its key, made by the openssl command in a
// folder of its own.
struct TestCertificate {
    QTemporaryDir dir;
    QString certificatePath = dir.filePath(QStringLiteral("cert.pem"));
    QSslConfiguration server;
    bool made = false;

    TestCertificate()
    {
        const QString keyPath = dir.filePath(QStringLiteral("key.pem"));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                       QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"),
                       QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), keyPath,
                       QStringLiteral("-out"), certificatePath});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
            return;
        QFile certificate(certificatePath);
        QFile key(keyPath);
        if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
            return;
        server.setLocalCertificate(QSslCertificate(certificate.readAll()));
        server.setPrivateKey(QSslKey(key.readAll(), QSsl::Ec));
        made = !server.localCertificate().isNull() && !server.privateKey().isNull();
    }
};

class LocalHttpServer {
public:
    enum class Kind {
        Normal,
        Cut,
        Silent,
        RawThenClose,
        RawThenReset,
        Drip,    // a body of a thousand bytes announced, one byte a second sent
        Endless, // a body delimited by the close that never ends
    };
    struct Answer {
        Kind kind = Kind::Normal;
        int status = 200;
        QByteArray body; // the whole answer, status line and header fields too, for the raw kinds
    };

    // Over TLS with `tls` when it is given.
    explicit LocalHttpServer(const QSslConfiguration* tls = nullptr)
    {
        EnsureApplication();
        if (tls) {
            auto* secure = new QSslServer;
            secure->setSslConfiguration(*tls);
            server_.reset(secure);
        } else {
            server_ = std::make_unique<QTcpServer>();
        }
        server_->listen(QHostAddress::LocalHost);
        QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, [this] {
            while (QTcpSocket* socket = server_->nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
                if (socket->bytesAvailable() > 0)
                    Serve(socket);
            }
        });
        scheme_ = tls ? QStringLiteral("https") : QStringLiteral("http");
    }

    // Answers for a path with its query ("/info/man.php?logiciel=Tornavel1.1"), or for
    // the whole address asked of a proxy; any other gets 404.
    void Set(const QByteArray& pathAndQuery, Answer answer) { answers_.insert(pathAndQuery, answer); }
    QString Root() const { return QStringLiteral("%1://127.0.0.1:%2").arg(scheme_).arg(server_->serverPort()); }
    int Requests() const { return requests_; }

private:
    void Serve(QTcpSocket* socket)
    {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++requests_;
        const QByteArray path = request.split(' ').value(1);
        pending_.remove(socket);
        const Answer answer = answers_.value(path, Answer{Kind::Normal, 404, "<html>introuvable</html>"});
        if (answer.kind == Kind::Silent)
            return;
        if (answer.kind == Kind::Drip) {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
            auto* drip = new QTimer(socket);
            QObject::connect(drip, &QTimer::timeout, socket, [socket] {
                if (socket->state() == QAbstractSocket::ConnectedState)
                    socket->write("x");
            });
            drip->start(1000);
            return;
        }
        if (answer.kind == Kind::Endless) {
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            const QByteArray block(64 * 1024, 'x');
            // Written as the client takes it, so that the server holds one block at a time.
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket, block] {
                if (socket->bytesToWrite() == 0 && socket->state() == QAbstractSocket::ConnectedState)
                    socket->write(block);
            });
            socket->write(block);
            return;
        }
        if (answer.kind == Kind::RawThenClose || answer.kind == Kind::RawThenReset) {
            socket->write(answer.body);
            while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(1000)) {
            }
            if (answer.kind == Kind::RawThenClose) {
                socket->disconnectFromHost();
                return;
            }
            // With a linger of zero the close resets the connection.
            const linger reset{1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            socket->abort();
            return;
        }
        const qsizetype announced = answer.body.size() + (answer.kind == Kind::Cut ? 1000 : 0);
        socket->write("HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nContent-Length: "
                      + QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n" + answer.body);
        socket->flush();
        socket->disconnectFromHost();
    }

    std::unique_ptr<QTcpServer> server_;
    QString scheme_;
    QHash<QByteArray, Answer> answers_;
    QHash<QTcpSocket*, QByteArray> pending_;
    int requests_ = 0;
};

} // namespace tornavel::testing
