#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>

namespace tornavel {

// How a file of the program's own (state, settings, version list) was found.
enum class FileReadStatus {
    Read,       // a regular file (or a link to one), read
    Missing,    // nothing at that path
    Unreadable, // something is there that could not be read as a regular file: a
                // directory, a FIFO, a device, a dangling link, a file without read
                // permission, a read error. It is to be left as it is.
};

// Reads at most `maxBytes` bytes (the whole file when negative) of the file at `path`
// into `bytes`. Only a regular file is opened, and without blocking, so that a FIFO or a
// device in its place cannot hang the program; `bytes` is empty unless Read.
FileReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

// The points of a save at which tests stall it, or end the program, through a hook.
enum class SaveStep {
    Writing,     // the new file is made and locked, its bytes not written yet
    BeforePlace, // the new file is written and synced; it is about to take the path
    AfterPlace,  // the new file is at the path; what it replaced is not looked at yet
};
using SaveStepHook = std::function<void(SaveStep)>;

struct FileExchange;
class TakenFile;

// Which file a read found at its path, kept open until the object goes, so that no other
// file can take over its identity meanwhile (a freed inode number is soon reused). It
// tells whether the path still names that file unchanged: what another program that
// replaced it since has written was not in what was read.
class FileVersion {
public:
    FileVersion() = default;
    ~FileVersion();
    FileVersion(FileVersion&& other) noexcept;
    FileVersion& operator=(FileVersion&& other) noexcept;
    FileVersion(const FileVersion&) = delete;
    FileVersion& operator=(const FileVersion&) = delete;

    // True when the path names the same file as when it was read (device, inode, size,
    // modification and change times), or still names nothing when nothing was there.
    bool StillAt(const QString& path) const;
    // When the file read was last written, in nanoseconds since 1970; -1 for nothing.
    long long Modified() const { return present_ ? modified_ : -1; }

private:
    friend FileReadStatus ReadRegularFile(const QString&, qint64, QByteArray&, FileVersion*);
    friend FileExchange ExchangeFile(const QString&, const QByteArray&, const FileVersion&, qint64, QString*,
                                     const SaveStepHook&);
    // Takes the open file `fd` as it stands now.
    void Keep(int fd, const struct stat& st);
    // The file `st` describes is this one, unchanged since (a rename changes its change
    // time, so that is not compared).
    bool Is(const struct stat& st) const;
    int fd_ = -1;
    bool present_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    off_t size_ = 0;
    mode_t mode_ = 0;
    long long modified_ = 0;
    long long changed_ = 0;
};

// As above, and `version` (when given) keeps which file was read: the file of a Read,
// nothing of a Missing.
FileReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, FileVersion* version);

// The reason given when a file that is there but could not be read is left as it is
// rather than replaced.
QString UnreadableFileKeptReason();

// The file that a save at `path` writes: what a link there leads to, else `path` itself.
// Empty for a dangling link.
QString SaveTarget(const QString& path);

// Replaces the file at `path` with `bytes` atomically: the new file is made beside it under
// a name of the program's own ("<name>.tornavel.XXXXXX.tmp"), locked before any other
// program can see it, and every write and the sync to disk are checked before it takes
// the old one's place, so a full disk or any other failure leaves the old file whole; it
// keeps the old file's mode. A path that holds something other than a regular file (or a
// link to one) is not replaced. After a successful save, the files of that name left
// beside it by an earlier save that was killed midway are removed; no other file is.
// False on failure, with `reason` (when given) a short French text of the cause, as
// "le disque est plein".
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// As SaveFileAtomically, but no file is removed: for a file whose saves merge the files
// of the program's own name that they find beside it.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// True when nothing is at `path`, or when the file there may be opened for writing: this
// user may write it, and its mode lets someone write it at all. A file that nobody may
// write is read-only for the super-user too, whom the system lets write anything. False
// with `reason` (when given) otherwise.
bool MayBeWritten(const QString& path, QString* reason = nullptr);

enum class ReplaceOutcome {
    Replaced,
    Failed,   // as SaveFileAtomically's false; the old file is whole
    Changed,  // `version` no longer at the path: nothing was replaced
};

// As SaveFileAtomically, but the new file takes the old one's place only when the path
// still names the file that `version` was read from, checked once the new file is
// written and synced, the instant before it is moved in. The check and the move are two
// steps: a replace by another program between them is lost. `step` sees BeforePlace
// between them, and AfterPlace.
ReplaceOutcome ReplaceFileIfUnchanged(const QString& path, const QByteArray& bytes, const FileVersion& version,
                                      QString* reason = nullptr, const SaveStepHook& step = {});

// Another program's work that a save of `path` found on disk: a file that came out of an
// exchange (see ExchangeFile), or one left beside the path by a save that ended midway
// (a file that came out of its exchange, or its own new file, never put in place). It
// stays on disk until Remove(): the caller removes it once what it holds is in a file
// placed at the path. While the object lives, the file is locked (flock), so that no
// other save takes it meanwhile; a save that ends, however it ends, lets it go.
class TakenFile {
public:
    TakenFile() = default;
    ~TakenFile();
    TakenFile(TakenFile&& other) noexcept;
    TakenFile& operator=(TakenFile&& other) noexcept;
    TakenFile(const TakenFile&) = delete;
    TakenFile& operator=(const TakenFile&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Its first bytes, up to the bound given when it was taken.
    const QByteArray& Bytes() const { return bytes_; }
    // When it was last written, in nanoseconds since 1970.
    long long Modified() const { return modified_; }
    void Remove();

private:
    friend std::vector<TakenFile> TakeLeftovers(const QString&, qint64);
    friend FileExchange ExchangeFile(const QString&, const QByteArray&, const FileVersion&, qint64, QString*,
                                     const SaveStepHook&);
    // Takes the file `name` and reads it, unless it is gone, not a regular file, or held
    // by another program; a leftover (not one that just came out of this save's own
    // exchange) is also left alone when files cannot be locked and it changed lately.
    static TakenFile Take(const QByteArray& name, qint64 maxBytes, bool leftover);
    QByteArray name_;
    QByteArray bytes_;
    int fd_ = -1;
    long long modified_ = 0;
};

// The files left beside `path` (beside what a link there leads to) by saves that ended
// midway and that no living program holds, taken, the oldest first (at most a few at a
// time: the rest wait for the next save). Only this user's regular files of the program's
// own name are taken.
std::vector<TakenFile> TakeLeftovers(const QString& path, qint64 maxBytes);

enum class ExchangeOutcome {
    Placed,      // the new file is at the path
    Failed,      // nothing changed; the reason says why
    Changed,     // nothing changed: the path lost the expected file, or gained one where
                 // none was expected, or the new file was taken for a leftover
    Unsupported, // nothing changed: the file system cannot exchange two names
};

struct FileExchange {
    ExchangeOutcome outcome = ExchangeOutcome::Failed;
    // Placed: what the new file took the place of, when that is neither the expected file
    // (nor nothing, as expected) nor already taken by another save.
    TakenFile cameOut;
    // Placed: the new file, now at the path, as the next exchange is to expect it.
    FileVersion placed;
};

// Puts `bytes` at `path` in one step, with no instant in which another program's replace
// can slip between a check and the move: a new file written and synced beside the path is
// swapped with the file there (renameat2 with RENAME_EXCHANGE), or moved in where nothing
// is expected (RENAME_NOREPLACE), and only then is what came out compared with
// `expected`, which `bytes` are to have been built on. What came out keeps the name the
// new file had (see SaveFileAtomically), which no sweep takes: it is removed when it is the
// expected file, else handed back taken, so that the caller merges what another program
// wrote into it before removing it. A save that ends before that leaves it for the next
// (TakeLeftovers). A link at the path is followed, as the other saves follow it. The
// folder is synced once the new file is in place.
FileExchange ExchangeFile(const QString& path, const QByteArray& bytes, const FileVersion& expected, qint64 maxBytes,
                          QString* reason = nullptr, const SaveStepHook& step = {});

} // namespace tornavel
