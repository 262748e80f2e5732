#include "platform/http_fetch.h"

#include "platform/bounded_text.h"
#include "platform/save_file.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace tornavel {

namespace {

constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;
const QString kRefusalName = QStringLiteral("RefusedRequest");

bool IsFetchable(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

// The body is whole when the transfer ended without an error and, where the server
// announced a length, that many bytes came.
bool BodyComplete(const QNetworkReply& reply, qint64 received)
{
    if (reply.error() != QNetworkReply::NoError)
        return false;
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    return !length.isValid() || length.toLongLong() == received;
}

} // namespace

void HttpGet(QNetworkAccessManager& manager, const QString& address, int timeoutMs,
             std::function<void(const HttpReply&)> done)
{
    const QUrl url(address);
    if (!IsFetchable(url)) {
        auto* refusal = new QObject(&manager);
        refusal->setObjectName(kRefusalName);
        QTimer::singleShot(0, refusal, [refusal, done] {
            refusal->deleteLater();
            done(HttpReply{});
        });
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = manager.get(request);

    // The whole request has one deadline, whatever trickles in meanwhile.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(timeoutMs);
    // A version list or a page is small; anything far larger is not one.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxBodyBytes)
            reply->abort();
    });

    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done] {
        HttpReply result;
        if (reply->isOpen())
            result.body = reply->readAll();
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.ok = result.status == 200 && BodyComplete(*reply, result.body.size());
        reply->deleteLater();
        done(result);
    });
}

void HttpDownloadToFile(QNetworkAccessManager& manager, const QString& address, const QString& localPath,
                        int timeoutMs, std::function<void(bool)> done)
{
    HttpGet(manager, address, timeoutMs, [localPath, done](const HttpReply& reply) {
        if (!reply.ok) {
            done(false);
            return;
        }
        // The same checked, atomic save as the state files: a full disk keeps the old list.
        done(SaveFileAtomically(localPath, reply.body));
    });
}

void AbandonRequests(QNetworkAccessManager& manager)
{
    for (QNetworkReply* reply : manager.findChildren<QNetworkReply*>()) {
        reply->disconnect();
        reply->abort();
    }
    // Failures of addresses refused at once wait on their own small objects.
    qDeleteAll(manager.findChildren<QObject*>(kRefusalName, Qt::FindDirectChildrenOnly));
}
} // namespace tornavel
