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

// A FIFO, a directory and a dangling link (to `path` + ".absent"), put at `path` by kind
// 0, 1, 2; the file type found at a path afterwards, 0 for none.
inline constexpr int kSpecials[] = {0, 1, 2};
inline mode_t TypeAt(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}
inline mode_t MakeSpecial(const QString& path, int kind)
{
    const QByteArray name = QFile::encodeName(path);
    const int made = kind == 0 ? ::mkfifo(name.constData(), 0644)
                     : kind == 1 ? ::mkdir(name.constData(), 0755)
                                 : ::symlink((name + ".absent").constData(), name.constData());
    EXPECT_EQ(made, 0);
    return TypeAt(path);
}

// While it lives, a read that waits on a FIFO for a writer ends the test program
// instead of hanging it. It catches a hang, not slowness: the test it guards may run
// many times slower on a loaded machine and still pass.
struct HangGuard {
    HangGuard() { ::alarm(60); }
    ~HangGuard() { ::alarm(0); }
};

} // namespace tornavel::testing
