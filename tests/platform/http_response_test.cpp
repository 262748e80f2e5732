#include "platform/http_response.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tornavel;

namespace {

using State = HttpResponseReader::State;

// Reads `answer` fed in pieces of `step` bytes, then the end of the connection.
HttpResponseReader Read(const QByteArray& answer, qsizetype step, bool cleanClose, qint64 maxBody = 64)
{
    HttpResponseReader reader(maxBody);
    for (qsizetype at = 0; at < answer.size(); at += step)
        reader.Feed(QByteArrayView(answer).sliced(at, std::min(step, answer.size() - at)));
    reader.End(cleanClose);
    return reader;
}

} // namespace

// Each answer is read whole and byte by byte: where the bytes are split never changes
// how it ends.
TEST(HttpResponseReader, CompleteOnlyWhenTheAnswerEndedAsTheProtocolSays)
{
    struct Case {
        const char* name;
        QByteArray answer;
        bool cleanClose;
        State expected;
        QByteArray body = {}; // of a complete answer
    };
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const QByteArray chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
    const Case cases[] = {
        {"Content-Length, then a reset", ok + "Content-Length: 5\r\n\r\nhello", false, State::Complete, "hello"},
        {"Content-Length, bytes after it ignored", ok + "Content-Length: 2\r\n\r\nhello", true, State::Complete, "he"},
        {"Content-Length not reached", ok + "Content-Length: 9\r\n\r\nhello", true, State::Broken},
        {"chunked with extension and trailer", chunked + "2;x=y\r\nhe\r\n3\r\nllo\r\n0\r\nX-T: 1\r\n\r\n", false,
         State::Complete, "hello"},
        {"chunked, line feeds only", ok + "Transfer-Encoding: Chunked\n\n5\nhello\n0\n\n", false, State::Complete, "hello"},
        {"chunked without the line after the zero chunk", chunked + "5\r\nhello\r\n0\r\n", true, State::Broken},
        {"invalid chunk size after a valid chunk", chunked + "5\r\nhello\r\nzz\r\n0\r\n\r\n", true, State::Broken},
        {"chunk size of 2^64 - 1", chunked + "ffffffffffffffff\r\nhello\r\n0\r\n\r\n", true, State::Broken},
        {"chunk longer than its size", chunked + "3\r\nhello\r\n0\r\n\r\n", true, State::Broken},
        {"chunks past the largest body", chunked + "40\r\n" + QByteArray(64, 'a') + "\r\n1\r\na\r\n0\r\n\r\n", true,
         State::Broken},
        {"delimited by a clean close", ok + "\r\nhello", true, State::Complete, "hello"},
        {"delimited by a reset", ok + "\r\nhello", false, State::Broken},
        {"delimited, past the largest body", ok + "\r\n" + QByteArray(65, 'a'), true, State::Broken},
        {"Content-Length past the largest body", ok + "Content-Length: 65\r\n\r\n", true, State::Broken},
        {"informational answer first", "HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 2\r\n\r\nhi", false,
         State::Complete, "hi"},
        {"no content", "HTTP/1.1 204 No Content\r\n\r\n", false, State::Complete, ""},
        {"both framings", chunked.left(chunked.size() - 2) + "Content-Length: 5\r\n\r\n5\r\nhello\r\n0\r\n\r\n", true,
         State::Broken},
        {"two different lengths", ok + "Content-Length: 5\r\nContent-Length: 4\r\n\r\nhello", true, State::Broken},
        {"coding not asked for", ok + "Content-Encoding: gzip\r\nContent-Length: 5\r\n\r\nhello", true, State::Broken},
        {"transfer coding not asked for", ok + "Transfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n", true, State::Broken},
        {"folded header field", ok + "X-A: 1\r\n b\r\nContent-Length: 0\r\n\r\n", true, State::Broken},
        {"no status line", "hello", true, State::Broken},
        {"header fields without end", ok + "X-A: " + QByteArray(70000, 'a'), true, State::Broken},
    };
    for (const Case& c : cases) {
        for (const qsizetype step : {c.answer.size(), qsizetype(1)}) {
            SCOPED_TRACE(std::string(c.name) + (step == 1 ? ", byte by byte" : ", whole"));
            const HttpResponseReader reader = Read(c.answer, step, c.cleanClose);
            EXPECT_EQ(reader.state(), c.expected);
            if (c.expected == State::Complete) {
                EXPECT_EQ(reader.Body(), c.body);
            }
        }
    }
}

TEST(HttpResponseReader, ARedirectIsKnownFromItsHeaderFields)
{
    HttpResponseReader reader(64);
    EXPECT_EQ(reader.Feed("HTTP/1.1 302 Found\r\nLocation: /b?c=d\r\n"), State::Reading);
    EXPECT_FALSE(reader.HeadersRead());
    reader.Feed("\r\n");
    EXPECT_TRUE(reader.HeadersRead());
    EXPECT_EQ(reader.Status(), 302);
    EXPECT_EQ(reader.Location(), "/b?c=d");
}
