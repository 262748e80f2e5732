#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QNetworkAccessManager;

namespace tornavel {

// The requests below run in the calling process; the helper program tornavel-fetch
// makes them. The programs themselves make theirs through platform/child_fetch.h.

// How long one request may take, from its start to its last byte, before it is given up.
inline constexpr int kHttpTimeoutMs = 10000;

// The end of one request.
struct HttpReply {
    bool ok = false;    // status 200 and the whole body received
    int status = 0;     // the HTTP status; 0 when no answer came
    QByteArray body;    // what was received (also of a failed request)
};

// Fetches an http or https address with GET in the background and calls `done` from
// the event loop of the calling thread once the transfer has ended, failed or timed
// out; any other address fails at once, but `done` still comes from the event loop.
// Returns at once: nothing here waits for the network.
void HttpGet(QNetworkAccessManager& manager, const QString& address, int timeoutMs,
             std::function<void(const HttpReply&)> done);

// Fetches the address like HttpGet and, only when the answer is status 200 with its
// whole body, replaces `localPath` with it atomically (the body goes to a temporary
// file beside it first). `done` receives true when the file was replaced; on any
// failure the file stays as it was.
void HttpDownloadToFile(QNetworkAccessManager& manager, const QString& address, const QString& localPath,
                        int timeoutMs, std::function<void(bool)> done);

// Forgets every request still running: none of their `done` calls will come.
void AbandonRequests(QNetworkAccessManager& manager);

} // namespace tornavel
