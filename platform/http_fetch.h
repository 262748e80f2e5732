#pragma once

#include <QByteArray>
#include <QString>

namespace tornavel {

// The requests below block the calling thread until they end; the helper program
// tornavel-fetch makes them. The programs themselves make theirs through
// platform/child_fetch.h.

// How long one request may take, from its start to its last byte, before it is given up.
inline constexpr int kHttpTimeoutMs = 10000;

// A version list or a page is small; a body larger than this is refused, however it is
// framed.
inline constexpr qint64 kMaxHttpBodyBytes = 8 * 1024 * 1024;

// The end of one request.
struct HttpReply {
    bool ok = false;    // a 2xx status and a transfer that libcurl says is complete
    int status = 0;     // the HTTP status; 0 when no answer came
    QByteArray body;    // what was received (also of a failed request)
};

// Whether `status` is one of success (2xx): only such an answer counts.
constexpr bool IsSuccessStatus(int status)
{
    return status >= 200 && status < 300;
}

// Fetches an http or https address with GET (libcurl), following at most ten redirects
// to http or https addresses, never from https to http, and returns once the transfer
// has ended, failed or taken `timeoutMs` in all. Any other address fails at once.
// Certificates are checked against the system's bundle, or the file SSL_CERT_FILE names;
// the proxy is the one of the environment, as libcurl reads it (http_proxy, https_proxy,
// all_proxy, no_proxy; all but http_proxy in upper case too).
HttpReply HttpFetch(const QString& address, int timeoutMs);

// Fetches like HttpFetch and, only when the answer is ok, replaces `localPath` with its
// body atomically (the body goes to a temporary file beside it first). True when the
// file was replaced; on any failure it stays as it was.
bool HttpDownloadToFile(const QString& address, const QString& localPath, int timeoutMs);

} // namespace tornavel
