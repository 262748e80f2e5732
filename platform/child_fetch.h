#pragma once

#include "platform/http_fetch.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <functional>

namespace tornavel {

// The helper program that makes one request and ends (tornavel-fetch): beside this one,
// or where the install puts it (see HelperProgramPath).
QString FetchHelperPath();

// An HTTP client whose every request is made by a short-lived child process, the
// helper program: this process never loads the network or TLS libraries, and a fault
// in them ends the child alone. A child is given the request's time-out and is killed
// when it outlasts it by a moment; it also ends when this process ends, however that
// comes about (a crash or a kill included).
class ChildHttpClient : public QObject {
public:
    explicit ChildHttpClient(QString helperPath = FetchHelperPath());
    // Ends every child still running: none of their `done` calls will come.
    ~ChildHttpClient() override;

    const QString& HelperPath() const { return helperPath_; }

private:
    QString helperPath_;
};

// HttpFetch and HttpDownloadToFile of http_fetch.h, the request made by a child of
// `client` and its end told to `done` from the event loop; the same rules hold (time-out,
// the file replaced only by a 2xx answer whose transfer is complete). Only a helper that
// exited with status 0 succeeded: one that cannot be started, that crashed, was killed or
// failed is a failure, whatever it wrote. No more of a helper's output is read than its
// answer can hold: a helper that writes more is ended and its request fails.
void HttpGet(ChildHttpClient& client, const QString& address, int timeoutMs,
             std::function<void(const HttpReply&)> done);
void HttpDownloadToFile(ChildHttpClient& client, const QString& address, const QString& localPath,
                        int timeoutMs, std::function<void(bool)> done);
// Ends every child of `client` still running: none of their `done` calls will come.
void AbandonRequests(ChildHttpClient& client);

// What is kept of a helper's output: its first `limit` bytes. A helper that writes more
// is not one (a damaged install, a program in its place) and is ended.
class HelperOutput {
public:
    explicit HelperOutput(qsizetype limit) : limit_(limit) {}
    // Keeps `bytes` if they fit; false, keeping nothing more, once the output is past
    // the limit.
    bool Take(QByteArrayView bytes);
    bool Overflowed() const { return overflowed_; }
    const QByteArray& Bytes() const { return bytes_; }

private:
    qsizetype limit_;
    QByteArray bytes_;
    bool overflowed_ = false;
};

// The most a helper's "get" writes: its first line and the largest body, with room to spare.
inline constexpr qsizetype kMaxGetOutputBytes = kMaxHttpBodyBytes + 64;

// The answer of a helper's "get" ("<status> <body length>\n<body>") from its output and
// whether it exited with status 0: ok only for both, a 2xx status and the whole body.
// A first line other than the two numbers in the helper's plain decimal gives no reply.
HttpReply ReplyFromHelperOutput(bool exitedWell, const QByteArray& output);

} // namespace tornavel
