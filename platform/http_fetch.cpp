#include "platform/http_fetch.h"

#include "platform/http_response.h"
#include "platform/save_file.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tornavel {

namespace {

// A version list or a page is small; anything far larger is not one.
constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;
constexpr int kMaxRedirects = 10;

bool IsFetchable(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

bool IsHttps(const QUrl& url)
{
    return url.scheme().toLower() == QLatin1String("https");
}

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

int RemainingMs(const QDeadlineTimer& deadline)
{
    // At most the request's time-out, which is an int.
    return int(std::max<qint64>(deadline.remainingTime(), 0));
}

// Waits until `fd` is ready for `events` (or in error); false once the deadline has passed.
bool Wait(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// The addresses of `host`; none when the look-up fails or outlasts the deadline.
QList<QHostAddress> LookUp(const QString& host, const QDeadlineTimer& deadline)
{
    QHostAddress literal;
    if (literal.setAddress(host))
        return {literal};
    QEventLoop loop;
    QList<QHostAddress> found;
    bool answered = false;
    const int id = QHostInfo::lookupHost(host, &loop, [&](const QHostInfo& info) {
        found = info.addresses();
        answered = true;
        loop.quit();
    });
    QTimer::singleShot(RemainingMs(deadline), &loop, &QEventLoop::quit);
    if (!answered)
        loop.exec();
    if (!answered)
        QHostInfo::abortHostLookup(id);
    return found;
}

// A TCP connection to the server of `url`, tried address after address; -1 when none
// answers before the deadline.
int ConnectTo(const QUrl& url, const QDeadlineTimer& deadline)
{
    const quint16 port = quint16(url.port(IsHttps(url) ? 443 : 80));
    for (const QHostAddress& address : LookUp(url.host(QUrl::FullyEncoded), deadline)) {
        sockaddr_storage storage{};
        socklen_t length = 0;
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            auto* in = reinterpret_cast<sockaddr_in*>(&storage);
            in->sin_family = AF_INET;
            in->sin_port = htons(port);
            in->sin_addr.s_addr = htonl(address.toIPv4Address());
            length = sizeof *in;
        } else if (address.protocol() == QAbstractSocket::IPv6Protocol) {
            auto* in6 = reinterpret_cast<sockaddr_in6*>(&storage);
            in6->sin6_family = AF_INET6;
            in6->sin6_port = htons(port);
            const Q_IPV6ADDR bytes = address.toIPv6Address();
            std::memcpy(&in6->sin6_addr, bytes.c, sizeof bytes.c);
            length = sizeof *in6;
        } else {
            continue;
        }
        const int fd = ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            continue;
        int error = 0;
        socklen_t errorLength = sizeof error;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&storage), length) == 0
            || (errno == EINPROGRESS && Wait(fd, POLLOUT, deadline)
                && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &errorLength) == 0 && error == 0))
            return fd;
        ::close(fd);
        if (deadline.hasExpired())
            break;
    }
    return -1;
}

// One connection to a server, plain or under TLS, that tells an answer closed cleanly
// by the server from one cut short. The plain connection is read here rather than by a
// Qt socket, which reads a reset connection as an ordinary end.
class Connection {
public:
    enum class Got { Data, Closed, Broken };

    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection()
    {
        tls_.reset(); // closes its socket
        if (fd_ >= 0)
            ::close(fd_);
    }

    bool Open(const QUrl& url, const QDeadlineTimer& deadline)
    {
        const int fd = ConnectTo(url, deadline);
        if (fd < 0)
            return false;
        if (!IsHttps(url)) {
            fd_ = fd;
            return true;
        }
        tls_ = std::make_unique<QSslSocket>();
        if (!QSslSocket::supportsSsl() || !tls_->setSocketDescriptor(fd)) {
            tls_.reset();
            ::close(fd);
            return false;
        }
        // The close of a TLS session (its close_notify) is the only clean end under TLS;
        // Qt tells it from the end of the connection below only by this text, and any
        // other end counts as broken.
        QObject::connect(tls_.get(), &QSslSocket::errorOccurred, tls_.get(),
                         [this](QAbstractSocket::SocketError error) {
                             if (error == QAbstractSocket::RemoteHostClosedError
                                 && tls_->errorString() == QLatin1String("The TLS/SSL connection has been closed"))
                                 tlsClosed_ = true;
                         });
        tls_->setPeerVerifyName(url.host());
        tls_->startClientEncryption();
        return tls_->waitForEncrypted(RemainingMs(deadline));
    }

    bool Send(const QByteArray& bytes, const QDeadlineTimer& deadline)
    {
        if (tls_) {
            if (tls_->write(bytes) != bytes.size())
                return false;
            while (tls_->bytesToWrite() > 0) {
                if (!tls_->waitForBytesWritten(RemainingMs(deadline)))
                    return false;
            }
            return true;
        }
        for (qsizetype at = 0; at < bytes.size();) {
            const ssize_t sent = ::send(fd_, bytes.constData() + at, size_t(bytes.size() - at), MSG_NOSIGNAL);
            if (sent > 0)
                at += sent;
            else if (!(sent < 0 && (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK)
                                                       && Wait(fd_, POLLOUT, deadline)))))
                return false;
        }
        return true;
    }

    // The next bytes, or how the connection ended: Broken also when the deadline passed.
    Got Receive(QByteArray& bytes, const QDeadlineTimer& deadline)
    {
        return tls_ ? ReceiveTls(bytes, deadline) : ReceivePlain(bytes, deadline);
    }

private:
    Got ReceivePlain(QByteArray& bytes, const QDeadlineTimer& deadline)
    {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
            if (got > 0) {
                bytes = QByteArray(buffer, got);
                return Got::Data;
            }
            if (got == 0)
                return Got::Closed;
            if (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && Wait(fd_, POLLIN, deadline)))
                continue;
            return Got::Broken; // a reset, another error, or the deadline
        }
    }

    Got ReceiveTls(QByteArray& bytes, const QDeadlineTimer& deadline)
    {
        for (;;) {
            if (tls_->bytesAvailable() > 0) {
                bytes = tls_->readAll();
                return Got::Data;
            }
            if (tlsClosed_)
                return Got::Closed;
            if (tls_->state() != QAbstractSocket::ConnectedState)
                return Got::Broken;
            if (!tls_->waitForReadyRead(RemainingMs(deadline)) && tls_->bytesAvailable() == 0 && !tlsClosed_
                && tls_->state() == QAbstractSocket::ConnectedState)
                return Got::Broken; // the deadline, or an error that left the socket open
        }
    }

    int fd_ = -1;
    std::unique_ptr<QSslSocket> tls_;
    bool tlsClosed_ = false;
};

QByteArray Request(const QUrl& url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() >= 0)
        host += ':' + QByteArray::number(url.port());
    // The same agent as ever, and no content coding: the body is kept as sent.
    return "GET " + target + " HTTP/1.1\r\nHost: " + host
           + "\r\nUser-Agent: Mozilla/5.0\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

// One request and its answer, read until it ends, breaks or (for a redirect) has its
// header fields.
HttpResponseReader Exchange(const QUrl& url, const QDeadlineTimer& deadline)
{
    HttpResponseReader reader(kMaxBodyBytes);
    Connection connection;
    if (!connection.Open(url, deadline) || !connection.Send(Request(url), deadline)) {
        reader.End(false);
        return reader;
    }
    QByteArray bytes;
    while (reader.state() == HttpResponseReader::State::Reading
           && !(reader.HeadersRead() && IsRedirect(reader.Status()))) {
        switch (connection.Receive(bytes, deadline)) {
        case Connection::Got::Data:
            reader.Feed(bytes);
            break;
        case Connection::Got::Closed:
            reader.End(true);
            break;
        case Connection::Got::Broken:
            reader.End(false);
            break;
        }
    }
    return reader;
}

} // namespace

HttpReply HttpFetch(const QString& address, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QUrl url(address);
    for (int redirects = 0; IsFetchable(url); ++redirects) {
        const HttpResponseReader reader = Exchange(url, deadline);
        if (reader.HeadersRead() && IsRedirect(reader.Status()) && !reader.Location().isEmpty()
            && redirects < kMaxRedirects) {
            const QUrl next = url.resolved(QUrl::fromEncoded(reader.Location()));
            if (!IsHttps(url) || IsHttps(next)) {
                url = next;
                continue;
            }
        }
        HttpReply reply;
        reply.status = reader.Status();
        reply.body = reader.Body();
        reply.ok = reader.state() == HttpResponseReader::State::Complete && reply.status == 200;
        return reply;
    }
    return HttpReply{};
}

bool HttpDownloadToFile(const QString& address, const QString& localPath, int timeoutMs)
{
    const HttpReply reply = HttpFetch(address, timeoutMs);
    // The same checked, atomic save as the state files: a full disk keeps the old list.
    return reply.ok && SaveFileAtomically(localPath, reply.body);
}

} // namespace tornavel
