#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tornavel {

// Reads one HTTP/1.1 answer as its bytes arrive and says whether it ended as the
// protocol says: all the bytes of its Content-Length, the terminating zero chunk (and
// the empty line after it) of a chunked body, or a clean close of the connection for a
// body that the close delimits. Anything else breaks the answer: a chunk size that is
// not one, a body larger than allowed, a connection reset or given up midway, a
// framing or coding that this client did not ask for.
class HttpResponseReader {
public:
    enum class State {
        Reading,  // more is expected
        Complete, // the answer ended as the protocol says
        Broken,   // the answer is unusable
    };

    explicit HttpResponseReader(qint64 maxBodyBytes);

    // Takes the next bytes received; bytes after a complete answer are ignored.
    State Feed(QByteArrayView bytes);
    // The connection ended, closed cleanly by the server or not (reset, error, time-out).
    State End(bool cleanClose);

    State state() const { return state_; }
    bool HeadersRead() const { return phase_ > Phase::Headers; }
    int Status() const { return status_; }
    // The Location header of a redirect, as sent.
    const QByteArray& Location() const { return location_; }
    // The body received so far, also of an answer that broke.
    const QByteArray& Body() const { return body_; }

private:
    enum class Phase { StatusLine, Headers, Sized, UntilClose, ChunkSize, ChunkData, ChunkEnd, Trailers, Done };

    bool TakeLine(QByteArray& line, qsizetype limit);
    bool StatusLine(const QByteArray& line);
    bool Header(const QByteArray& line);
    bool HeadersEnded();
    bool ChunkSizeLine(const QByteArray& line);
    State Break();
    void Complete();

    qint64 maxBodyBytes_;
    State state_ = State::Reading;
    Phase phase_ = Phase::StatusLine;
    QByteArray pending_; // received, not yet parsed from `at_` on
    qsizetype at_ = 0;
    qsizetype headerBytes_ = 0;
    int interimAnswers_ = 0;
    int status_ = 0;
    qint64 contentLength_ = -1;
    bool chunked_ = false;
    QByteArray location_;
    qint64 remaining_ = 0; // of the sized body or of the current chunk
    QByteArray body_;
};

} // namespace tornavel
