#pragma once

#include <QString>

namespace tornavel {

// An advisory lock on a lock file beside the file it guards (flock), held for the
// lifetime of the object, by which programs working on one folder take turns at a
// read-and-replace of a shared file. The kernel releases the lock when its holder ends,
// however it ends, so a lock file left behind by a killed program never blocks: only
// a living holder does, and no longer than `waitMilliseconds`. Past that wait, or when
// the lock file cannot be opened (a read-only folder, something other than a regular
// file at its path), the object holds nothing and the caller goes on unguarded.
// The lock file is left in place: removing it would let two programs lock two
// different files of the same name.
class FileLock {
public:
    FileLock(const QString& lockPath, int waitMilliseconds);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace tornavel
