#pragma once

#include <QByteArray>
#include <QString>

namespace tornavel {

// The requests below block the calling thread until they end; the helper program
// tornavel-fetch makes them. The programs themselves make theirs through
// platform/child_fetch.h.

// How long one request may take, from its start to its last byte, before it is given up.
inline constexpr int kHttpTimeoutMs = 10000;

// The end of one request.
struct HttpReply {
    bool ok = false;    // status 200 and an answer that ended as the protocol says
    int status = 0;     // the HTTP status; 0 when no answer came
    QByteArray body;    // what was received (also of a failed request)
};

// Fetches an http or https address with GET over HTTP/1.1, following a few redirects
// (never from https to http), and returns once the answer has ended, broken or taken
// `timeoutMs` in all. Any other address fails at once. The body counts only when its
// answer ended as HttpResponseReader says: a connection cut short is a failure, whatever
// came before it.
HttpReply HttpFetch(const QString& address, int timeoutMs);

// Fetches like HttpFetch and, only when the answer is ok, replaces `localPath` with its
// body atomically (the body goes to a temporary file beside it first). True when the
// file was replaced; on any failure it stays as it was.
bool HttpDownloadToFile(const QString& address, const QString& localPath, int timeoutMs);

} // namespace tornavel
