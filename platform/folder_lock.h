#pragma once

#include <QString>

namespace tornavel {

// An advisory lock (flock) on a folder, held for the lifetime of the object, by which
// programs working on one folder take turns at a read-and-replace of a file in it. The
// folder itself is locked, not a lock file beside the file: nothing is left behind in the
// folder, and no file, folder or link put at some name can keep the lock from being
// taken. The kernel releases the lock when its holder ends, however it ends, so only a
// living holder keeps the others out, and no longer than `waitMilliseconds`. Past that
// wait, or where the folder cannot be locked (a file system without flock on folders, a
// folder that cannot be opened), the object holds nothing and the caller goes on
// without it: what it does then must be safe unguarded.
// Waits `milliseconds`, through any signal that interrupts the wait.
void PauseMilliseconds(int milliseconds);

class FolderLock {
public:
    FolderLock(const QString& folder, int waitMilliseconds);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace tornavel
