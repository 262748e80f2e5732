#pragma once

#include "platform/http_fetch.h"

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
// the file replaced only by an answer with status 200 that ended as the protocol says).
// Only a helper that exited with status 0 succeeded: one that cannot be started, that
// crashed, was killed or failed is a failure, whatever it wrote.
void HttpGet(ChildHttpClient& client, const QString& address, int timeoutMs,
             std::function<void(const HttpReply&)> done);
void HttpDownloadToFile(ChildHttpClient& client, const QString& address, const QString& localPath,
                        int timeoutMs, std::function<void(bool)> done);
// Ends every child of `client` still running: none of their `done` calls will come.
void AbandonRequests(ChildHttpClient& client);

} // namespace tornavel
