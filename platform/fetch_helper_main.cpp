// tornavel-fetch: makes one HTTP request for Tornavel and ends, so that Tornavel itself
// never loads the network or TLS libraries (see platform/child_fetch.h).
//
//   tornavel-fetch get TIMEOUT_MS ADDRESS
//       writes "<status> <body length>\n<body>" to the output; status 0 when the answer
//       is status 200 and ended as the protocol says, 1 otherwise
//   tornavel-fetch download TIMEOUT_MS ADDRESS PATH
//       replaces PATH atomically with the body of such an answer; status 0 when PATH was
//       replaced, 1 otherwise (PATH then stays as it was)

#include "platform/http_fetch.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    using namespace tornavel;
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    bool validTimeout = false;
    const int timeoutMs = arguments.value(2).toInt(&validTimeout);
    if (!validTimeout || timeoutMs <= 0 || !((mode == QLatin1String("get") && arguments.size() == 4)
                                             || (mode == QLatin1String("download") && arguments.size() == 5))) {
        std::fprintf(stderr, "usage: tornavel-fetch get TIMEOUT_MS ADDRESS | download TIMEOUT_MS ADDRESS PATH\n");
        return 2;
    }

    int status = 1;
    if (mode == QLatin1String("get")) {
        const HttpReply reply = HttpFetch(arguments[3], timeoutMs);
        const size_t length = size_t(reply.body.size());
        const bool written = std::printf("%d %zu\n", reply.status, length) > 0
                             && std::fwrite(reply.body.constData(), 1, length, stdout) == length;
        status = reply.ok && written ? 0 : 1;
    } else {
        status = HttpDownloadToFile(arguments[3], arguments[4], timeoutMs) ? 0 : 1;
    }
    // Leaves at once: a name look-up still running in a pool thread would hold up an
    // ordinary exit.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        status = 1;
    std::_Exit(status);
}
