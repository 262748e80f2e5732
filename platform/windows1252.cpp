#include "platform/windows1252.h"

namespace tornavel {

namespace {

// Windows-1252 bytes 0x80 to 0x9F.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or none when the code page cannot hold it.
std::optional<char> EncodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append((b >= 0x80 && b < 0xA0) ? QChar(kHighBlock[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(EncodeChar(c.unicode()).value_or('?'));
    return bytes;
}

std::optional<QByteArray> EncodeWindows1252Exactly(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::optional<char> byte = EncodeChar(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

} // namespace tornavel
