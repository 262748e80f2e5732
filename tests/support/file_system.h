#pragma once

// Awkward places for the program's files: a tiny file system that can be filled up, and
// a FIFO, a directory or a dangling link where a regular file is expected.

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tornavel::testing {

inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<not read>");
}

inline void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A 64 KiB file system on a temporary directory. Mounting needs the super-user; where
// it fails, `mounted` is false and the test skips.
struct SmallFileSystem {
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path());
    const bool mounted = ::mount("tmpfs", native.constData(), "tmpfs", 0, "size=64k") == 0;

    ~SmallFileSystem()
    {
        if (mounted)
            ::umount2(native.constData(), MNT_DETACH);
    }
    // Takes every free block.
    void Fill() const
    {
        const int fd = ::open((native + "/filler").constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), block.size()) > 0) {
        }
        ::close(fd);
    }
};

enum class Special { Fifo, Directory, DanglingLink };
inline constexpr Special kSpecials[] = {Special::Fifo, Special::Directory, Special::DanglingLink};
inline const char* NameOf(Special kind)
{
    return kind == Special::Fifo ? "FIFO" : kind == Special::Directory ? "directory" : "dangling link";
}

inline void MakeSpecial(const QString& path, Special kind)
{
    const QByteArray native = QFile::encodeName(path);
    const int made = kind == Special::Fifo        ? ::mkfifo(native.constData(), 0644)
                     : kind == Special::Directory ? ::mkdir(native.constData(), 0755)
                                                  : ::symlink((native + ".absent").constData(), native.constData());
    ASSERT_EQ(made, 0);
}

// While it lives, a read that waits on a FIFO for a writer ends the test program
// instead of hanging it.
struct HangGuard {
    HangGuard() { ::alarm(10); }
    ~HangGuard() { ::alarm(0); }
};

// True when `path` is still what MakeSpecial put there, and a link still leads nowhere.
inline bool StillSpecial(const QString& path, Special kind)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return false;
    if (kind == Special::DanglingLink)
        return S_ISLNK(st.st_mode) && ::access((native + ".absent").constData(), F_OK) != 0;
    return kind == Special::Fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode);
}

} // namespace tornavel::testing
