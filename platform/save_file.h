#pragma once

#include <QByteArray>
#include <QString>

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

private:
    friend FileReadStatus ReadRegularFile(const QString&, qint64, QByteArray&, FileVersion*);
    int fd_ = -1;
    bool present_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    off_t size_ = 0;
    long long modified_ = 0;
    long long changed_ = 0;
};

// As above, and `version` (when given) keeps which file was read: the file of a Read,
// nothing of a Missing.
FileReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, FileVersion* version);

// The reason given when a file that is there but could not be read is left as it is
// rather than replaced.
QString UnreadableFileKeptReason();

// Replaces the file at `path` with `bytes` atomically: every write, the flush and the
// sync to disk are checked before the new file takes the old one's place, so a full disk
// or any other failure leaves the old file whole. A path that holds something other than
// a regular file (or a link to one) is not replaced. After a successful save, temporary
// files left beside it by an earlier save that was killed midway are removed.
// False on failure, with `reason` (when given) a short French text of the cause, as
// "le disque est plein".
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

enum class ReplaceOutcome {
    Replaced,
    Failed,   // as SaveFileAtomically's false; the old file is whole
    Changed,  // `version` no longer at the path: nothing was replaced
};

// As SaveFileAtomically, but the new file takes the old one's place only when the path
// still names the file that `version` was read from, checked once the new file is
// written and synced, the instant before it is moved in.
ReplaceOutcome ReplaceFileIfUnchanged(const QString& path, const QByteArray& bytes, const FileVersion& version,
                                      QString* reason = nullptr);

} // namespace tornavel
