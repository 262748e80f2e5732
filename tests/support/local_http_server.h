#pragma once

// A small HTTP server on 127.0.0.1 for the network tests, with answers set per path:
// a normal answer, a transfer cut short, silence, or bytes of the test's own that end
// with a clean close or a reset.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

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

class LocalHttpServer {
public:
    enum class Kind { Normal, Cut, Silent, RawThenClose, RawThenReset };
    struct Answer {
        Kind kind = Kind::Normal;
        int status = 200;
        QByteArray body; // the whole answer, status line and header fields too, for the raw kinds
    };

    LocalHttpServer()
    {
        EnsureApplication();
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
            }
        });
    }

    // Answers for a path with its query ("/info/man.php?logiciel=Tornavel1.1"); any
    // other path gets 404.
    void Set(const QByteArray& pathAndQuery, Answer answer) { answers_.insert(pathAndQuery, answer); }
    QString Root() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
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

    QTcpServer server_;
    QHash<QByteArray, Answer> answers_;
    QHash<QTcpSocket*, QByteArray> pending_;
    int requests_ = 0;
};

} // namespace tornavel::testing
