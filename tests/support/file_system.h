#pragma once

// Awkward places for the program's files: a tiny file system that can be filled up, and
// a FIFO, a directory or a dangling link where a regular file is expected.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tornavel::testing {

// A 64 KiB file system mounted on a temporary directory; needs the right to mount
// (root), else `mounted` is false and the test skips.
struct SmallFileSystem {
    QTemporaryDir dir;
    bool mounted = false;

    SmallFileSystem()
    {
        mounted = dir.isValid()
            && ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    QString FilePath(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Takes every free block with one file.
    void Fill() const
    {
        const int fd = ::open(QFile::encodeName(FilePath("filler")).constData(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), block.size()) > 0) {
        }
        ::close(fd);
    }
};

enum class Special { Fifo, Directory, DanglingLink };
inline constexpr Special kSpecials[] = {Special::Fifo, Special::Directory, Special::DanglingLink};

inline const char* NameOf(Special kind)
{
    switch (kind) {
    case Special::Fifo: return "FIFO";
    case Special::Directory: return "directory";
    case Special::DanglingLink: return "dangling link";
    }
    return "";
}

inline void MakeSpecial(const QString& path, Special kind)
{
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case Special::Fifo: ASSERT_EQ(::mkfifo(native.constData(), 0644), 0); break;
    case Special::Directory: ASSERT_EQ(::mkdir(native.constData(), 0755), 0); break;
    case Special::DanglingLink: ASSERT_EQ(::symlink((native + ".absent").constData(), native.constData()), 0); break;
    }
}

// True when `path` is still what MakeSpecial put there, and a dangling link still leads nowhere.
inline bool StillSpecial(const QString& path, Special kind)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return false;
    switch (kind) {
    case Special::Fifo: return S_ISFIFO(st.st_mode);
    case Special::Directory: return S_ISDIR(st.st_mode);
    case Special::DanglingLink: return S_ISLNK(st.st_mode) && ::access((native + ".absent").constData(), F_OK) != 0;
    }
    return false;
}

// Turns a reader stuck on opening a FIFO into a test failure instead of a hang: unless
// stopped first, it opens the FIFO for writing after a while, which lets the reader go,
// and says so in `fired`.
class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& fifo)
        : path_(QFile::encodeName(fifo)), thread_([this] { Watch(); })
    {
    }
    ~FifoWatchdog() { Stop(); }
    void Stop()
    {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }
    std::atomic<bool> fired{false};

private:
    void Watch()
    {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(10), [this] { return stopped_; }))
            return;
        const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            fired = true;
            ::close(fd);
        }
    }
    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::thread thread_;
};

} // namespace tornavel::testing
