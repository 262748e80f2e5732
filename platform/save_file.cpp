#include "platform/save_file.h"

#include "platform/folder_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

// Every file the program writes is first made under one fixed name of its own beside the
// file it is to replace, "<name>.tornavel.XXXXXX.tmp" (six random letters or digits), a
// name no user gives a copy: a file is only ever removed, or merged, when it bears it.
constexpr char kOwnMark[] = ".tornavel.";
constexpr char kOwnEnd[] = ".tmp";
constexpr int kOwnRandom = 6;

// Whether `name` is one of the program's own files of `base`. Compared by hand: a name
// filter or a regular expression would bring up the regular-expression engine for this.
bool IsOwnFileName(const QString& name, const QString& base)
{
    const QString head = base + QLatin1String(kOwnMark);
    if (name.size() != head.size() + kOwnRandom + 4 || !name.startsWith(head) || !name.endsWith(QLatin1String(kOwnEnd)))
        return false;
    return std::all_of(name.cbegin() + head.size(), name.cend() - 4, [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    });
}

QByteArray OwnFileName(const QByteArray& target)
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = target + kOwnMark;
    for (int k = 0; k < kOwnRandom; ++k)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name + kOwnEnd;
}

// True when the file open as `fd` is still the one `name` leads to.
bool NameLeadsTo(const QByteArray& name, int fd)
{
    struct stat named {}, open {};
    return ::lstat(name.constData(), &named) == 0 && ::fstat(fd, &open) == 0 && named.st_dev == open.st_dev
        && named.st_ino == open.st_ino;
}

// Locks `fd`, waiting a while at most as long as another program holds it: a close that
// looks at a new file holds it only for a read, a placer lets go of its file the instant
// after placing it, and one frozen meanwhile is not waited for.
void LockAWhile(int fd)
{
    for (int wait = 0; wait < 200 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK; ++wait)
        PauseMilliseconds(10);
}

// A new file of the program's own beside `target`, locked before any other program can
// see it. Made without a name (O_TMPFILE), it gets one only once written (LinkOwnFile), so
// that a program that ends while writing leaves nothing. -1 where the file system cannot
// make one.
int MakeUnnamedFile(const QByteArray& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0)
        LockAWhile(fd);
    return fd;
}

bool LinkOwnFile(int fd, const QByteArray& target, QByteArray& name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = OwnFileName(target);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Elsewhere, made under its name and locked at once: another program that looks in
// between finds it empty, and leaves it. -1 with errno on failure.
int MakeNamedFile(const QByteArray& target, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = OwnFileName(target);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            LockAWhile(fd);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Whether the file of the program's own open as `fd` (with `st`) was left by a program
// that ended: no living one holds it, or, where files cannot be locked, it has been left
// alone for a while. Locked then by this one, when it could be.
bool LeftByAnEndedProgram(int fd, const struct stat& st)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    // Its change time: a rename changes it too, so a file just moved is not taken for one
    // left alone.
    return errno != EWOULDBLOCK && std::time(nullptr) - st.st_ctime > kStaleTemporaryAge;
}

// Removes the temporaries of `path` (see IsOwnFileName) that saves which ended midway
// left: regular files of this user's, untouched for a while, that no living program
// holds. Never used beside a file whose saves merge what they find (the history).
void RemoveStaleTemporaries(const QString& path)
{
    const QFileInfo target(path);
    const QDir directory = target.absoluteDir();
    const time_t now = std::time(nullptr);
    const QStringList names = directory.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!IsOwnFileName(name, target.fileName()))
            continue;
        const QByteArray native = QFile::encodeName(directory.filePath(name));
        const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid()
            && now - st.st_mtime > kStaleTemporaryAge && LeftByAnEndedProgram(fd, st) && NameLeadsTo(native, fd))
            ::unlink(native.constData());
        ::close(fd);
    }
}


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

long long Nanoseconds(const timespec& time)
{
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

// A new file of the program's own beside the file it is to replace, held (open and
// locked) until it is placed or given up. Given up, it is removed while still held: once
// let go, another save could take it for a leftover.
struct NewFile {
    int fd = -1;
    QByteArray name;
    NewFile() = default;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile()
    {
        if (fd >= 0 && NameLeadsTo(name, fd))
            ::unlink(name.constData());
        if (fd >= 0)
            ::close(fd);
    }
    // Placed: the name leads elsewhere now, and the descriptor is the caller's.
    int Release() { return std::exchange(fd, -1); }
};

// Makes `file` beside `target` and writes `bytes` to it, every write and the sync to disk
// checked, with the mode `mode` when it is not negative. NoError, or the failure's kind
// with its errno in `error`.
QFileDevice::FileError WriteNewFile(const QByteArray& target, const QByteArray& bytes, int mode, NewFile& file,
                                    const SaveStepHook& step, int& error)
{
    for (const bool named : {false, true}) {
        file.fd = named ? MakeNamedFile(target, file.name) : MakeUnnamedFile(target);
        if (file.fd < 0 && !named)
            continue;
        if (file.fd < 0) {
            // Creating a file in a deleted folder is refused with a misleading "not permitted".
            error = FolderIsGone(QFile::decodeName(target)) ? ENOENT : errno;
            return QFileDevice::OpenError;
        }
        if (step && !named)
            step(SaveStep::Writing);
        if (mode >= 0)
            (void)::fchmod(file.fd, mode_t(mode) & 07777);
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t wrote = ::write(file.fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0) {
                error = wrote < 0 ? errno : EIO;
                return QFileDevice::WriteError;
            }
            done += wrote;
        }
        // A file system may report a lack of space or a disk fault only at the sync.
        if (::fsync(file.fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
            error = errno;
            return QFileDevice::WriteError;
        }
        if (named || LinkOwnFile(file.fd, target, file.name))
            return QFileDevice::NoError;
        // No name can be given to it here (no /proc): written again under one.
        ::close(file.Release());
    }
    return QFileDevice::NoError;
}

ReplaceOutcome Replace(const QString& path, const QByteArray& bytes, const FileVersion* version, QString* reason,
                       const SaveStepHook& step, bool sweep)
{
    const auto failed = [&](int error, QFileDevice::FileError kind) {
        Fail(reason, ReasonOf(error, kind));
        return ReplaceOutcome::Failed;
    };
    if (!MayBeReplaced(QFile::encodeName(path)))
        return failed(EISDIR, QFileDevice::OpenError);
    const QString target = SaveTarget(path);
    const QByteArray native = QFile::encodeName(target);
    // The new file keeps the mode of the one it replaces.
    struct stat old {};
    const int mode = ::stat(native.constData(), &old) == 0 ? int(old.st_mode) : -1;
    NewFile file;
    int error = 0;
    if (const QFileDevice::FileError kind = WriteNewFile(native, bytes, mode, file, {}, error))
        return failed(error, kind);
    // Checked last, so that the time between the check and the rename is as short as it
    // can be.
    if (version && !version->StillAt(path))
        return ReplaceOutcome::Changed;
    if (step)
        step(SaveStep::BeforePlace);
    if (::rename(file.name.constData(), native.constData()) != 0) {
        error = errno;
        // Its own new file gone (taken for a leftover where files cannot be locked): the
        // round starts again from the file as it is.
        if (version && error == ENOENT && !FolderIsGone(target))
            return ReplaceOutcome::Changed;
        return failed(error, QFileDevice::RenameError);
    }
    ::close(file.Release());
    SyncFolder(target);
    if (step)
        step(SaveStep::AfterPlace);
    if (sweep)
        RemoveStaleTemporaries(target);
    return ReplaceOutcome::Replaced;
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

QString SaveTarget(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.canonicalFilePath() : path;
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    return Replace(path, bytes, nullptr, reason, {}, true) == ReplaceOutcome::Replaced;
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    return Replace(path, bytes, nullptr, reason, {}, false) == ReplaceOutcome::Replaced;
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
    return Replace(path, bytes, &version, reason, step, false);
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
    // work perhaps, with its old times: one of the program's own names, which no sweep
    // takes unread.
    NewFile file;
    int error = 0;
    if (const QFileDevice::FileError kind =
            WriteNewFile(native, bytes, expected.present_ ? int(expected.mode_) : -1, file, step, error))
        return fail(error, kind);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        return fail(errno, QFileDevice::WriteError);

    if (step)
        step(SaveStep::BeforePlace);
    const unsigned flags = expected.present_ ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    if (::renameat2(AT_FDCWD, file.name.constData(), AT_FDCWD, native.constData(), flags) != 0) {
        error = errno;
        if (error == EINVAL || error == ENOSYS || error == ENOTSUP) {
            result.outcome = ExchangeOutcome::Unsupported;
            return result;
        }
        // The path lost the expected file or gained one where none was, or this save's own
        // new file was taken for a leftover: the round starts again from what is there.
        if ((error == ENOENT && !FolderIsGone(target)) || (!expected.present_ && error == EEXIST)) {
            result.outcome = ExchangeOutcome::Changed;
            return result;
        }
        return fail(error, QFileDevice::RenameError);
    }
    result.outcome = ExchangeOutcome::Placed;
    // Should it come out of another's exchange, that save is to take it.
    (void)::flock(file.fd, LOCK_UN);
    result.placed.Keep(file.Release(), st);
    SyncFolder(target);
    if (step)
        step(SaveStep::AfterPlace);
    if (expected.present_) {
        // The new file's name now leads to what was at the path. The expected file's
        // entries are in the new file; another's are not yet.
        struct stat out {};
        if (::stat(file.name.constData(), &out) == 0 && expected.Is(out))
            ::unlink(file.name.constData());
        else
            result.cameOut = TakenFile::Take(file.name, maxBytes, false);
    }
    return result;
}

TakenFile TakenFile::Take(const QByteArray& name, qint64 maxBytes, bool leftover)
{
    TakenFile file;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (fd < 0)
        return file;
    struct stat st {};
    bool free = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (free && leftover) {
        // An empty one is a new file in the instant between being named and being locked,
        // or was left so by a program that ended then: it holds nothing to merge.
        free = LeftByAnEndedProgram(fd, st);
        if (free && st.st_size == 0) {
            if (std::time(nullptr) - st.st_mtime > kStaleTemporaryAge && NameLeadsTo(name, fd))
                ::unlink(name.constData());
            free = false;
        }
    } else if (free) {
        // What came out of this save's own exchange is a placed file, this save's to merge
        // whoever still holds it.
        LockAWhile(fd);
    }
    // Opened just before its save moved it into place or removed it, and locked once that
    // save let go of it: the name leads elsewhere now, and the file is nobody's leftover.
    if (!free || !NameLeadsTo(name, fd) || !ReadAll(fd, maxBytes, file.bytes_)) {
        ::close(fd);
        file.bytes_.clear();
        return file;
    }
    file.name_ = name;
    file.fd_ = fd;
    file.modified_ = Nanoseconds(st.st_mtim);
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
    // The oldest first, as they were left.
    std::vector<std::pair<long long, QByteArray>> found;
    for (const QString& name : directory.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray native = QFile::encodeName(directory.filePath(name));
        struct stat st {};
        // Another user's file could not be removed once merged, and would be merged again.
        if (IsOwnFileName(name, info.fileName()) && ::lstat(native.constData(), &st) == 0 && S_ISREG(st.st_mode)
            && st.st_uid == ::getuid())
            found.emplace_back(Nanoseconds(st.st_mtim), native);
    }
    std::sort(found.begin(), found.end());
    for (const auto& [modified, native] : found) {
        if (taken.size() == kMaxLeftoversTaken)
            break;
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
        modified_ = other.modified_;
    }
    return *this;
}

void TakenFile::Remove()
{
    if (fd_ < 0)
        return;
    // Removed while still held, so that no other save takes it in between, and only while
    // its name leads to it: where files cannot be locked, another save may have moved its
    // own file under that name since.
    if (NameLeadsTo(name_, fd_))
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
