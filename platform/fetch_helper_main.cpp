// tornavel-fetch: makes one HTTP request for Tornavel and ends, so that Tornavel itself
// never loads the network or TLS libraries (see platform/child_fetch.h).
//
//   tornavel-fetch get TIMEOUT_MS ADDRESS
//       writes "<status> <body length>\n<body>" to the output; status 0 when the answer
//       has a 2xx status and its transfer is complete, 1 otherwise
//   tornavel-fetch download TIMEOUT_MS ADDRESS PATH
//       replaces PATH atomically with the body of such an answer; status 0 when PATH was
//       replaced, 1 otherwise (PATH then stays as it was)

#include "platform/http_fetch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    using namespace tornavel;
    const bool get = argc == 4 && std::strcmp(argv[1], "get") == 0;
    const bool download = argc == 5 && std::strcmp(argv[1], "download") == 0;
    bool validTimeout = false;
    const int timeoutMs = argc > 2 ? QByteArray(argv[2]).toInt(&validTimeout) : 0;
    if (!validTimeout || timeoutMs <= 0 || !(get || download)) {
        std::fprintf(stderr, "usage: tornavel-fetch get TIMEOUT_MS ADDRESS | download TIMEOUT_MS ADDRESS PATH\n");
        return 2;
    }

    const QString address = QString::fromLocal8Bit(argv[3]);
    int status = 1;
    if (get) {
        const HttpReply reply = HttpFetch(address, timeoutMs);
        const size_t length = size_t(reply.body.size());
        const bool written = std::printf("%d %zu\n", reply.status, length) > 0
                             && std::fwrite(reply.body.constData(), 1, length, stdout) == length;
        status = reply.ok && written ? 0 : 1;
    } else {
        status = HttpDownloadToFile(address, QString::fromLocal8Bit(argv[4]), timeoutMs) ? 0 : 1;
    }
    // Leaves at once: a name look-up still running in libcurl's resolver thread would
    // hold up an ordinary exit.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        status = 1;
    std::_Exit(status);
}
