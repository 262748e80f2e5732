#include "platform/http_fetch.h"

#include "platform/save_file.h"

#include <QDeadlineTimer>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace tornavel {

namespace {

constexpr int kMaxRedirects = 10;
// A transfer slower than this over this many seconds is given up before its time-out.
constexpr long kLowSpeedBytesPerSecond = 32;
constexpr long kLowSpeedSeconds = 5;

enum class Scheme { Other, Http, Https };

Scheme SchemeOf(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return Scheme::Other;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return Scheme::Https;
    return scheme == QLatin1String("http") ? Scheme::Http : Scheme::Other;
}

// The body of the answer being received; refused past kMaxHttpBodyBytes, which
// CURLOPT_MAXFILESIZE only checks against an announced length.
size_t TakeBody(char* data, size_t size, size_t count, void* user)
{
    auto* body = static_cast<QByteArray*>(user);
    const size_t bytes = size * count;
    if (bytes > size_t(kMaxHttpBodyBytes - body->size()))
        return 0; // anything but `bytes` ends the transfer with an error
    body->append(data, qsizetype(bytes));
    return bytes;
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

// One handle set up for every request; the address and the time left are set per hop.
std::unique_ptr<CURL, EasyDeleter> NewTransfer(QByteArray& body)
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised)
        return nullptr;
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy)
        return nullptr;
    CURL* e = easy.get();
    bool set = curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L) == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK
               // Redirects are followed here, hop by hop, to refuse one from https to http.
               && curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_USERAGENT, "Mozilla/5.0") == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(kMaxHttpBodyBytes)) == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytesPerSecond) == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds) == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &TakeBody) == CURLE_OK
               && curl_easy_setopt(e, CURLOPT_WRITEDATA, &body) == CURLE_OK;
    // libcurl on OpenSSL reads its own bundle path, not the variable OpenSSL programs
    // honour; it is passed on so that a certificate the user trusts that way is trusted.
    const QByteArray bundle = qgetenv("SSL_CERT_FILE");
    if (!bundle.isEmpty())
        set = set && curl_easy_setopt(e, CURLOPT_CAINFO, bundle.constData()) == CURLE_OK;
    return set ? std::move(easy) : nullptr;
}

} // namespace

HttpReply HttpFetch(const QString& address, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QUrl url(address);
    QByteArray body;
    const auto easy = NewTransfer(body);
    if (!easy || SchemeOf(url) == Scheme::Other)
        return HttpReply{};
    for (int redirects = 0;; ++redirects) {
        body.clear();
        const long remainingMs = long(std::max<qint64>(deadline.remainingTime(), 1));
        const QByteArray encoded = url.toEncoded();
        if (curl_easy_setopt(easy.get(), CURLOPT_URL, encoded.constData()) != CURLE_OK
            || curl_easy_setopt(easy.get(), CURLOPT_TIMEOUT_MS, remainingMs) != CURLE_OK)
            return HttpReply{};
        const CURLcode ended = curl_easy_perform(easy.get());
        long status = 0;
        curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
        const char* location = nullptr;
        if (ended == CURLE_OK && curl_easy_getinfo(easy.get(), CURLINFO_REDIRECT_URL, &location) == CURLE_OK
            && location && redirects < kMaxRedirects) {
            const QUrl next = QUrl::fromEncoded(location);
            const Scheme from = SchemeOf(url);
            const Scheme to = SchemeOf(next);
            if (to != Scheme::Other && !(from == Scheme::Https && to == Scheme::Http)) {
                url = next;
                continue;
            }
        }
        HttpReply reply;
        reply.status = int(status);
        reply.body = body;
        reply.ok = ended == CURLE_OK && IsSuccessStatus(reply.status);
        return reply;
    }
}

bool HttpDownloadToFile(const QString& address, const QString& localPath, int timeoutMs)
{
    const HttpReply reply = HttpFetch(address, timeoutMs);
    // The same checked, atomic save as the state files: a full disk keeps the old list.
    return reply.ok && SaveFileAtomically(localPath, reply.body);
}

} // namespace tornavel
