#pragma once

// What the fuzz targets share: the check of a reader's promise, and a scratch file for
// the readers that take a path.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>

// A broken promise is a finding: one line saying which, then a trap that libFuzzer and
// the replay both report.
#define FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "fuzz: broken promise: %s (%s)\n", what, #condition);     \
            std::fflush(stderr);                                                           \
            __builtin_trap();                                                              \
        }                                                                                  \
    } while (0)

namespace tornavel::fuzz {

// A folder for the whole run, in memory where the system offers it: the readers under
// test are fed thousands of files a second.
inline const QTemporaryDir& ScratchDir()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/tornavel-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/tornavel-fuzz-XXXXXX"));
    return dir;
}

// Writes `bytes` to the file `name` of the scratch folder and gives its path.
inline QString ScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = ScratchDir().filePath(name);
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    FUZZ_CHECK(written, "the scratch file could not be written");
    return path;
}

// An input starting with 0xFF stands for a long one: byte 1 says how many times 128 bytes
// the rest is repeated to fill, so that short seeds reach the bounds of long documents (up
// to 32 KiB: past the bounds of a tip, and still quick under the sanitizers).
inline QByteArray Expanded(const uint8_t* data, size_t size)
{
    QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (size < 3 || data[0] != 0xFF)
        return input;
    const QByteArray unit = input.mid(2);
    const qsizetype wanted = qsizetype(data[1]) * 128;
    QByteArray grown;
    grown.reserve(wanted + unit.size());
    while (grown.size() < wanted)
        grown += unit;
    return grown;
}

} // namespace tornavel::fuzz
