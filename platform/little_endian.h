#pragma once

// Fields of the binary state files: little-endian signed 32-bit integers and IEEE-754
// doubles.

#include <QByteArray>
#include <QtEndian>

#include <cstring>

namespace tornavel {

inline qint32 ReadInt32(const char* p)
{
    return qFromLittleEndian<qint32>(p);
}

inline double ReadDouble(const char* p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void AppendInt32(QByteArray& out, qint32 value)
{
    char buf[4];
    qToLittleEndian<qint32>(value, buf);
    out.append(buf, 4);
}

inline void AppendDouble(QByteArray& out, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buf[8];
    qToLittleEndian<quint64>(bits, buf);
    out.append(buf, 8);
}

} // namespace tornavel
