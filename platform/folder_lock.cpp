#include "platform/folder_lock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tornavel {

void PauseMilliseconds(int milliseconds)
{
    timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

FolderLock::FolderLock(const QString& folder, int waitMilliseconds)
{
    // Read access is all a lock needs; O_DIRECTORY refuses anything but a folder.
    fd_ = ::open(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                 O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
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
        // Any other error is a file system that does not lock folders: waiting is vain.
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            return;
        PauseMilliseconds(static_cast<int>(std::min<qint64>(pauseMs, std::max<qint64>(deadline.remainingTime(), 1))));
        pauseMs = std::min(pauseMs * 2, 20);
    }
}

FolderLock::~FolderLock()
{
    // Closing the last descriptor of the open folder releases its lock.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace tornavel
