#pragma once

#include <QByteArray>
#include <QString>

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

} // namespace tornavel
