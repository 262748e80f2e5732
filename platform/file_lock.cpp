#include "platform/file_lock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tornavel {

namespace {

// Opens the lock file, creating it when missing. Never through a link, never anything
// but a regular file, never blocking on a FIFO; read-only when the file belongs to
// someone who did not let others write it (a lock needs no write access).
int OpenLockFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    constexpr int kFlags = O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(native.constData(), O_RDWR | kFlags, 0666);
    if (fd < 0 && errno == EACCES)
        fd = ::open(native.constData(), O_RDONLY | kFlags, 0666);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

void Pause(int milliseconds)
{
    timespec pause{0, milliseconds * 1000000L};
    while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

} // namespace

FileLock::FileLock(const QString& lockPath, int waitMilliseconds)
{
    fd_ = OpenLockFile(lockPath);
    if (fd_ < 0)
        return;
    // Tried without blocking, again after short pauses: a blocking flock could only be
    // cut short by a signal, which the program uses to end the session.
    const QDeadlineTimer deadline(std::max(waitMilliseconds, 0));
    int pauseMs = 1;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return;
        Pause(static_cast<int>(std::min<qint64>(pauseMs, std::max<qint64>(deadline.remainingTime(), 1))));
        pauseMs = std::min(pauseMs * 2, 20);
    }
}

FileLock::~FileLock()
{
    // Closing the last descriptor of the open file releases its lock.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace tornavel
