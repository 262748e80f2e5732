#include "platform/http_response.h"

#include <QList>

#include <algorithm>

namespace tornavel {

namespace {

// The status line and header fields of one answer, and its trailer fields.
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
// A chunk-size line with its extensions.
constexpr qsizetype kMaxChunkLineBytes = 1024;
// Informational answers (1xx) before the final one.
constexpr int kMaxInterimAnswers = 8;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A Content-Length value: digits only, small enough for qint64.
bool ReadLength(const QByteArray& text, qint64& value)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// Every item of a comma-separated header value, trimmed and in lower case, is `wanted`.
bool OnlyCoding(const QByteArray& value, const char* wanted, int& count)
{
    for (const QByteArray& item : value.split(',')) {
        if (item.trimmed().toLower() != wanted)
            return false;
        ++count;
    }
    return true;
}

} // namespace

HttpResponseReader::HttpResponseReader(qint64 maxBodyBytes) : maxBodyBytes_(maxBodyBytes) {}

HttpResponseReader::State HttpResponseReader::Break()
{
    state_ = State::Broken;
    pending_.clear();
    at_ = 0;
    return state_;
}

void HttpResponseReader::Complete()
{
    state_ = State::Complete;
    phase_ = Phase::Done;
    pending_.clear();
    at_ = 0;
}

// Takes the next line (without its CRLF or LF) when it has come whole. A line longer
// than `limit` bytes with its line break breaks the answer.
bool HttpResponseReader::TakeLine(QByteArray& line, qsizetype limit)
{
    const qsizetype end = pending_.indexOf('\n', at_);
    if (end < 0 ? pending_.size() - at_ > limit : end + 1 - at_ > limit) {
        Break();
        return false;
    }
    if (end < 0)
        return false;
    line = pending_.mid(at_, end - at_);
    if (line.endsWith('\r'))
        line.chop(1);
    at_ = end + 1;
    return true;
}

// "HTTP/1.1 200 OK": the reason phrase may be empty or missing.
bool HttpResponseReader::StatusLine(const QByteArray& line)
{
    if (line.size() < 12 || !line.startsWith("HTTP/1.") || !IsDigit(line[7]) || line[8] != ' '
        || !IsDigit(line[9]) || !IsDigit(line[10]) || !IsDigit(line[11]) || (line.size() > 12 && line[12] != ' '))
        return false;
    status_ = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
    contentLength_ = -1;
    chunked_ = false;
    location_.clear();
    phase_ = Phase::Headers;
    return true;
}

bool HttpResponseReader::Header(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    // A continuation line (obsolete folding) or a name with blanks is not a header field.
    if (colon <= 0 || line.left(colon).contains(' ') || line.left(colon).contains('\t'))
        return false;
    const QByteArray name = line.left(colon).toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "content-length") {
        qint64 length = 0;
        if (!ReadLength(value, length) || (contentLength_ >= 0 && contentLength_ != length))
            return false;
        contentLength_ = length;
    } else if (name == "transfer-encoding") {
        // The request asks for no coding: chunked, once, is the only one read.
        int count = chunked_ ? 1 : 0;
        if (!OnlyCoding(value, "chunked", count) || count != 1)
            return false;
        chunked_ = true;
    } else if (name == "content-encoding") {
        int count = 0;
        if (!OnlyCoding(value, "identity", count))
            return false;
    } else if (name == "location") {
        location_ = value;
    }
    return true;
}

bool HttpResponseReader::HeadersEnded()
{
    if (status_ >= 100 && status_ <= 199) {
        // No protocol change was asked for; other informational answers come before the real one.
        if (status_ == 101 || ++interimAnswers_ > kMaxInterimAnswers)
            return false;
        phase_ = Phase::StatusLine;
        return true;
    }
    if (status_ == 204 || status_ == 304) {
        Complete();
        return true;
    }
    // Both framings at once make the length of the answer ambiguous.
    if (chunked_ && contentLength_ >= 0)
        return false;
    if (chunked_) {
        phase_ = Phase::ChunkSize;
    } else if (contentLength_ >= 0) {
        if (contentLength_ > maxBodyBytes_)
            return false;
        remaining_ = contentLength_;
        phase_ = Phase::Sized;
        if (remaining_ == 0)
            Complete();
    } else {
        phase_ = Phase::UntilClose;
    }
    return true;
}

// "1a3f" with optional extensions (";name=value"); a size past what the body may still
// hold breaks the answer before anything of the chunk is read.
bool HttpResponseReader::ChunkSizeLine(const QByteArray& line)
{
    qint64 size = 0;
    qsizetype at = 0;
    for (; at < line.size() && HexValue(line[at]) >= 0; ++at) {
        size = size * 16 + HexValue(line[at]);
        if (size > maxBodyBytes_ - body_.size())
            return false;
    }
    const QByteArray rest = line.mid(at).trimmed();
    if (at == 0 || !(rest.isEmpty() || rest.startsWith(';')))
        return false;
    if (size == 0) {
        headerBytes_ = 0;
        phase_ = Phase::Trailers;
    } else {
        remaining_ = size;
        phase_ = Phase::ChunkData;
    }
    return true;
}

HttpResponseReader::State HttpResponseReader::Feed(QByteArrayView bytes)
{
    if (state_ != State::Reading)
        return state_;
    pending_.append(bytes);
    while (state_ == State::Reading) {
        const qsizetype available = pending_.size() - at_;
        QByteArray line;
        bool ok = true;
        switch (phase_) {
        case Phase::StatusLine:
        case Phase::Headers:
        case Phase::Trailers: {
            const qsizetype from = at_;
            if (!TakeLine(line, kMaxHeaderBytes - headerBytes_))
                break;
            headerBytes_ += at_ - from;
            if (phase_ == Phase::StatusLine)
                ok = StatusLine(line);
            else if (!line.isEmpty())
                ok = phase_ == Phase::Trailers || Header(line);
            else if (phase_ == Phase::Headers)
                ok = HeadersEnded();
            else
                Complete();
            break;
        }
        case Phase::Sized:
        case Phase::ChunkData: {
            const qint64 taken = std::min<qint64>(remaining_, available);
            body_.append(pending_.constData() + at_, taken);
            at_ += taken;
            remaining_ -= taken;
            if (remaining_ > 0)
                break;
            if (phase_ == Phase::Sized)
                Complete();
            else
                phase_ = Phase::ChunkEnd;
            break;
        }
        case Phase::UntilClose:
            if (body_.size() + available > maxBodyBytes_)
                return Break();
            body_.append(pending_.constData() + at_, available);
            at_ += available;
            break;
        case Phase::ChunkSize:
            if (TakeLine(line, kMaxChunkLineBytes))
                ok = ChunkSizeLine(line);
            break;
        case Phase::ChunkEnd:
            // The line break that closes the data of a chunk, and nothing else.
            if (TakeLine(line, 2)) {
                ok = line.isEmpty();
                phase_ = Phase::ChunkSize;
            }
            break;
        case Phase::Done:
            break;
        }
        if (!ok)
            return Break();
        // Nothing more can be read from what has come: wait for more.
        if (state_ == State::Reading && at_ == pending_.size() - available)
            break;
    }
    if (state_ == State::Reading) {
        pending_.remove(0, at_);
        at_ = 0;
    }
    return state_;
}

HttpResponseReader::State HttpResponseReader::End(bool cleanClose)
{
    if (state_ == State::Reading) {
        if (phase_ == Phase::UntilClose && cleanClose)
            Complete();
        else
            Break();
    }
    return state_;
}

} // namespace tornavel
