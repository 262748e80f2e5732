#include "platform/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tornavel {

namespace {

// A temporary file of another save may be in the instant between being named and
// taking its place; one untouched for this long is left over from a killed save.
constexpr time_t kStaleTemporaryAge = 60;

// A save takes at most this many files left by earlier saves; the rest wait for the next
// one, so that a folder filled with them cannot hold a close up.
constexpr size_t kMaxLeftoversTaken = 16;

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

// The file a save at `path` puts its new file in place of: a link is followed, and the
// new file is written beside what it leads to. Empty for a dangling link.
QString SaveTarget(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.canonicalFilePath() : path;
}

// Added to a file's name (before a dot and six letters) to name the new files of its
// exchanges and what comes out of them: not a temporary's name, so that no sweep takes
// one unread.
constexpr char kExchangeSuffix[] = ".swap";

// Makes the name of a file just put in place last as its bytes do: without it, a power
// cut soon after may bring the old file back.
void SyncFolder(const QString& path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// Reads at most `maxBytes` bytes (all when negative) from `fd` after `bytes`; false on a
// read error.
bool ReadAll(int fd, qint64 maxBytes, QByteArray& bytes)
{
    char buffer[65536];
    while (maxBytes < 0 || bytes.size() < maxBytes) {
        qint64 wanted = qint64(sizeof buffer);
        if (maxBytes >= 0)
            wanted = std::min(wanted, maxBytes - bytes.size());
        const ssize_t got = ::read(fd, buffer, size_t(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return true;
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

// Writes, flushes, syncs and commits, and cancels at the first failure. With `version`,
// the commit waits on the check that the path still names the file read.
ReplaceOutcome WriteAndCommit(QSaveFile& file, const QByteArray& bytes, const QString& path,
                              const FileVersion* version, QString* reason, const SaveStepHook& step)
{
    // QSaveFile::write() only fills a buffer, and commit() reports success even when
    // the flush of that buffer failed: each step is checked here instead.
    const auto cancel = [&](int error) {
        const QFileDevice::FileError kind = file.error();
        file.cancelWriting();
        Fail(reason, ReasonOf(error, kind));
        return ReplaceOutcome::Failed;
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
    // Checked last, so that the time between the check and the rename is as short as it
    // can be: the sync that commit() runs again finds nothing left to write.
    if (version && !version->StillAt(path)) {
        file.cancelWriting();
        return ReplaceOutcome::Changed;
    }
    if (step)
        step(SaveStep::BeforePlace);
    errno = 0;
    if (!file.commit()) {
        Fail(reason, ReasonOf(errno, file.error()));
        return ReplaceOutcome::Failed;
    }
    SyncFolder(path);
    if (step)
        step(SaveStep::AfterPlace);
    return ReplaceOutcome::Replaced;
}

long long Nanoseconds(const timespec& time)
{
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

ReplaceOutcome Replace(const QString& path, const QByteArray& bytes, const FileVersion* version, QString* reason,
                       const SaveStepHook& step = {})
{
    if (!MayBeReplaced(QFile::encodeName(path))) {
        Fail(reason, QStringLiteral("ce n'est pas un fichier ordinaire"));
        return ReplaceOutcome::Failed;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        // Creating a file in a deleted folder is refused with a misleading "not permitted".
        const int error = FolderIsGone(path) ? ENOENT : errno;
        Fail(reason, ReasonOf(error, file.error()));
        return ReplaceOutcome::Failed;
    }
    const ReplaceOutcome outcome = WriteAndCommit(file, bytes, path, version, reason, step);
    if (outcome == ReplaceOutcome::Replaced)
        RemoveStaleTemporaries(path);
    return outcome;
}

} // namespace

FileReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes)
{
    return ReadRegularFile(path, maxBytes, bytes, nullptr);
}

FileReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, FileVersion* version)
{
    bytes.clear();
    if (version)
        *version = FileVersion();
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
    const FileReadStatus status = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ReadAll(fd, maxBytes, bytes)
        ? FileReadStatus::Read
        : FileReadStatus::Unreadable;
    if (status != FileReadStatus::Read)
        bytes.clear();
    if (status == FileReadStatus::Read && version) {
        version->Keep(fd, st);
    } else {
        ::close(fd);
    }
    return status;
}

QString UnreadableFileKeptReason()
{
    return QStringLiteral("le fichier existant n'a pas pu être lu");
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    return Replace(path, bytes, nullptr, reason) == ReplaceOutcome::Replaced;
}

bool MayBeWritten(const QString& path, QString* reason)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0 && errno == ENOENT)
        return true;
    if ((st.st_mode & 0222) == 0)
        errno = EACCES;
    else if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) == 0)
        return true;
    return Fail(reason, ReasonOf(errno, QFileDevice::OpenError));
}

ReplaceOutcome ReplaceFileIfUnchanged(const QString& path, const QByteArray& bytes, const FileVersion& version,
                                      QString* reason, const SaveStepHook& step)
{
    return Replace(path, bytes, &version, reason, step);
}

FileExchange ExchangeFile(const QString& path, const QByteArray& bytes, const FileVersion& expected, qint64 maxBytes,
                          QString* reason, const SaveStepHook& step)
{
    FileExchange result;
    const auto fail = [&](int error, QFileDevice::FileError kind) {
        Fail(reason, ReasonOf(error, kind));
        return std::move(result);
    };
    if (!MayBeReplaced(QFile::encodeName(path)))
        return fail(EISDIR, QFileDevice::OpenError);
    const QString target = SaveTarget(path);
    if (target.isEmpty())
        return fail(ENOENT, QFileDevice::OpenError);
    const QByteArray native = QFile::encodeName(target);

    // Once exchanged, the new file's name holds what was at the path, another program's
    // work perhaps, with its old times: a name that no sweep of temporaries takes.
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = native + kExchangeSuffix + '.';
        for (int k = 0; k < 6; ++k)
            temporary += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(FolderIsGone(target) ? ENOENT : errno, QFileDevice::OpenError);
        // Held until it is in place, so that no other save takes it for one left over
        // (TakeLeftovers). One that another save took in the instant before is left to it.
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0)
        return fail(EEXIST, QFileDevice::OpenError);
    // Removed while still held: once closed, another save could take what it holds
    // for a leftover.
    const auto discard = [&](int error, QFileDevice::FileError kind) {
        ::unlink(temporary.constData());
        ::close(fd);
        return fail(error, kind);
    };
    if (step)
        step(SaveStep::Writing);
    if (expected.present_)
        (void)::fchmod(fd, expected.mode_ & 07777);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return discard(wrote < 0 ? errno : EIO, QFileDevice::WriteError);
        done += wrote;
    }
    struct stat st {};
    if ((::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) || ::fstat(fd, &st) != 0)
        return discard(errno, QFileDevice::WriteError);

    if (step)
        step(SaveStep::BeforePlace);
    const unsigned flags = expected.present_ ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, native.constData(), flags) != 0) {
        const int error = errno;
        if (error == EINVAL || error == ENOSYS || error == ENOTSUP) {
            discard(error, QFileDevice::RenameError);
            result.outcome = ExchangeOutcome::Unsupported;
            return result;
        }
        if ((expected.present_ && error == ENOENT) || (!expected.present_ && error == EEXIST)) {
            discard(error, QFileDevice::RenameError);
            result.outcome = ExchangeOutcome::Changed;
            return result;
        }
        return discard(error, QFileDevice::RenameError);
    }
    result.outcome = ExchangeOutcome::Placed;
    // Should it come out of another's exchange, that save is to take it.
    (void)::flock(fd, LOCK_UN);
    result.placed.Keep(fd, st);
    SyncFolder(target);
    if (step)
        step(SaveStep::AfterPlace);
    if (expected.present_) {
        // The new file's name now leads to what was at the path. The expected file's
        // entries are in the new file; another's are not yet.
        struct stat out {};
        if (::stat(temporary.constData(), &out) == 0 && expected.Is(out))
            ::unlink(temporary.constData());
        else
            result.cameOut = TakenFile::Take(temporary, maxBytes, false);
    }
    RemoveStaleTemporaries(target);
    return result;
}

TakenFile TakenFile::Take(const QByteArray& name, qint64 maxBytes, bool leftover)
{
    TakenFile file;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0)
        return file;
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    bool free = regular && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // Where files cannot be locked, a leftover that changed lately may be the new file of
    // a save still at work; what came out of a rename ago is this save's to take.
    if (regular && !free && errno != EWOULDBLOCK)
        free = !leftover || std::time(nullptr) - st.st_ctime > kStaleTemporaryAge;
    // Opened just before its save moved it into place or removed it, and locked once that
    // save let go of it: the name leads elsewhere now, and the file is nobody's leftover.
    struct stat named {};
    if (free && (::lstat(name.constData(), &named) != 0 || named.st_dev != st.st_dev || named.st_ino != st.st_ino))
        free = false;
    if (!free || !ReadAll(fd, maxBytes, file.bytes_)) {
        ::close(fd);
        file.bytes_.clear();
        return file;
    }
    file.name_ = name;
    file.fd_ = fd;
    return file;
}

std::vector<TakenFile> TakeLeftovers(const QString& path, qint64 maxBytes)
{
    std::vector<TakenFile> taken;
    const QString target = SaveTarget(path);
    if (target.isEmpty())
        return taken;
    const QFileInfo info(target);
    const QDir directory = info.absoluteDir();
    const QString base = info.fileName() + QLatin1String(kExchangeSuffix);
    const QStringList names = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (taken.size() == kMaxLeftoversTaken)
            break;
        const QByteArray native = QFile::encodeName(directory.filePath(name));
        struct stat st {};
        // Another user's file could not be removed once merged, and would be merged again.
        if (!IsTemporaryName(name, base) || ::lstat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode)
            || st.st_uid != ::getuid())
            continue;
        TakenFile file = TakenFile::Take(native, maxBytes, true);
        if (file.Held())
            taken.push_back(std::move(file));
    }
    return taken;
}

TakenFile::~TakenFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

TakenFile::TakenFile(TakenFile&& other) noexcept
{
    *this = std::move(other);
}

TakenFile& TakenFile::operator=(TakenFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        name_ = std::move(other.name_);
        bytes_ = std::move(other.bytes_);
    }
    return *this;
}

void TakenFile::Remove()
{
    if (fd_ < 0)
        return;
    // Removed while still held, so that no other save takes it in between; the name
    // still leads to it, since only a save that holds a file moves it.
    ::unlink(name_.constData());
    ::close(std::exchange(fd_, -1));
}

FileVersion::~FileVersion()
{
    if (fd_ >= 0)
        ::close(fd_);
}

FileVersion::FileVersion(FileVersion&& other) noexcept
{
    *this = std::move(other);
}

FileVersion& FileVersion::operator=(FileVersion&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        present_ = std::exchange(other.present_, false);
        device_ = other.device_;
        inode_ = other.inode_;
        size_ = other.size_;
        mode_ = other.mode_;
        modified_ = other.modified_;
        changed_ = other.changed_;
    }
    return *this;
}

void FileVersion::Keep(int fd, const struct stat& st)
{
    *this = FileVersion();
    fd_ = fd;
    present_ = true;
    device_ = st.st_dev;
    inode_ = st.st_ino;
    size_ = st.st_size;
    mode_ = st.st_mode;
    modified_ = Nanoseconds(st.st_mtim);
    changed_ = Nanoseconds(st.st_ctim);
}

bool FileVersion::Is(const struct stat& st) const
{
    return present_ && st.st_dev == device_ && st.st_ino == inode_ && st.st_size == size_
        && Nanoseconds(st.st_mtim) == modified_;
}

bool FileVersion::StillAt(const QString& path) const
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (!present_)
        return ::lstat(native.constData(), &st) != 0 && errno == ENOENT;
    // Followed through a link, as the read and the replace follow it.
    return ::stat(native.constData(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_
        && st.st_size == size_ && Nanoseconds(st.st_mtim) == modified_ && Nanoseconds(st.st_ctim) == changed_;
}

} // namespace tornavel
