#include "platform/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tornavel {

namespace {

// A temporary file of another save may be in the instant between being named and
// taking its place; one untouched for this long is left over from a killed save.
constexpr time_t kStaleTemporaryAge = 60;

QString ReasonOf(int error, QFileDevice::FileError kind)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("le disque est plein");
    case EDQUOT: return QStringLiteral("le quota de disque est atteint");
    case EACCES:
    case EPERM: return QStringLiteral("accès refusé");
    case EROFS: return QStringLiteral("le disque est en lecture seule");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("le dossier n'existe pas");
    case EIO: return QStringLiteral("erreur d'entrée-sortie du disque");
    case EISDIR: return QStringLiteral("ce n'est pas un fichier ordinaire");
    case EMFILE:
    case ENFILE:
    case ENOMEM: return QStringLiteral("le système manque de ressources");
    default: break;
    }
    switch (kind) {
    case QFileDevice::OpenError: return QStringLiteral("le fichier ne peut pas être créé");
    case QFileDevice::RenameError: return QStringLiteral("le fichier ne peut pas être remplacé");
    case QFileDevice::PermissionsError: return QStringLiteral("accès refusé");
    default: return QStringLiteral("erreur d'écriture");
    }
}

bool Fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

// True when nothing is at `path`, or a regular file, or a link to one.
bool MayBeReplaced(const QByteArray& native)
{
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return errno == ENOENT;
    return ::stat(native.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Whether `name` is `base`, a dot and six ASCII letters or digits, as QSaveFile names
// the temporaries of `base` ("CLS.dat.XXXXXX"). Compared by hand: a name filter or a
// regular expression would bring up the regular-expression engine for this alone.
bool IsTemporaryName(const QString& name, const QString& base)
{
    if (name.size() != base.size() + 7 || !name.startsWith(base) || name[base.size()] != u'.')
        return false;
    return std::all_of(name.cbegin() + base.size() + 1, name.cend(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    });
}

// Removes the files named like QSaveFile's temporaries of `path` that belong to this
// user and have been left alone for a while.
void RemoveStaleTemporaries(const QString& path)
{
    const QFileInfo target(path);
    const QDir directory = target.absoluteDir();
    const time_t now = std::time(nullptr);
    const QStringList names = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!IsTemporaryName(name, target.fileName()))
            continue;
        const QByteArray native = QFile::encodeName(directory.filePath(name));
        struct stat st {};
        if (::lstat(native.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid()
            && now - st.st_mtime > kStaleTemporaryAge)
            ::unlink(native.constData());
    }
}

// True when the folder of `path` is not there: missing, or the current folder deleted
// while the program ran (it still answers to "." but no name leads to it any more).
bool FolderIsGone(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(QFileInfo(path).path()).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    return S_ISDIR(st.st_mode) && st.st_nlink == 0;
}

// Writes, flushes, syncs and commits, and cancels at the first failure.
bool WriteAndCommit(QSaveFile& file, const QByteArray& bytes, QString* reason)
{
    // QSaveFile::write() only fills a buffer, and commit() reports success even when
    // the flush of that buffer failed: each step is checked here instead.
    const auto cancel = [&](int error) {
        const QFileDevice::FileError kind = file.error();
        file.cancelWriting();
        return Fail(reason, ReasonOf(error, kind));
    };
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return cancel(errno);
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return cancel(errno);
    // A file system may report a lack of space or a disk fault only at the sync.
    const int handle = file.handle();
    if (handle >= 0 && ::fsync(handle) != 0 && errno != EINVAL && errno != ENOTSUP)
        return cancel(errno);
    errno = 0;
    if (!file.commit())
        return Fail(reason, ReasonOf(errno, file.error()));
    return true;
}

} // namespace

FileReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes)
{
    bytes.clear();
    if (path.isEmpty())
        return FileReadStatus::Missing;
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Unreadable;
    // Only a regular file is opened at all: opening a FIFO waits for a writer, and
    // opening a device may act on it.
    if (::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileReadStatus::Unreadable;
    // Non-blocking all the same, in case something else took its place meanwhile.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return FileReadStatus::Unreadable;
    FileReadStatus status = FileReadStatus::Read;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        status = FileReadStatus::Unreadable;
    char buffer[65536];
    while (status == FileReadStatus::Read && (maxBytes < 0 || bytes.size() < maxBytes)) {
        qint64 wanted = qint64(sizeof buffer);
        if (maxBytes >= 0)
            wanted = std::min(wanted, maxBytes - bytes.size());
        const ssize_t got = ::read(fd, buffer, size_t(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            status = FileReadStatus::Unreadable;
        else if (got == 0)
            break;
        else
            bytes.append(buffer, got);
    }
    ::close(fd);
    if (status != FileReadStatus::Read)
        bytes.clear();
    return status;
}

QString UnreadableFileKeptReason()
{
    return QStringLiteral("le fichier existant n'a pas pu être lu");
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    if (!MayBeReplaced(QFile::encodeName(path)))
        return Fail(reason, QStringLiteral("ce n'est pas un fichier ordinaire"));
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        // Creating a file in a deleted folder is refused with a misleading "not permitted".
        const int error = FolderIsGone(path) ? ENOENT : errno;
        return Fail(reason, ReasonOf(error, file.error()));
    }
    if (!WriteAndCommit(file, bytes, reason))
        return false;
    RemoveStaleTemporaries(path);
    return true;
}

} // namespace tornavel
