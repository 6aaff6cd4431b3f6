// CFileLock: one read-modify-write of a stored file at a time.
//
// Libraries, projects and the settings file are read, changed in memory and
// written back by renaming a new file over the old one.  Two programs doing
// that at once would each write their own change over the other's.  A writer
// therefore locks the file (flock) before it reads and keeps the lock until
// its rename is done; a second writer waits a short while and then gives up
// with "is being changed by another program".
//
// The lock lies on the file itself, so no lock files are left in the user's
// folders.  A rename replaces the inode that carries the lock: a waiter that
// wakes up on the old inode sees that the name now means another file and
// locks that one instead, and Replace moves the lock onto the new file before
// renaming it into place, so the name is never unlocked in between.  A file
// that does not exist yet is locked through its folder.
//
// Before the rename the file's identity (device, inode, size, modification
// time) is compared with what was locked: a program that ignores the lock and
// changes the file meanwhile is noticed, and the write is refused rather than
// throwing its change away.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

struct CFileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec mtime {};

    // The identity of whatever the path names now (following links).
    static CFileIdentity Of(const std::filesystem::path& path);
    bool Same(const CFileIdentity& other) const;
};

// The reason a locked write is refused when another program holds the file.
extern const char* const kBeingChanged;

class CFileLock {
public:
    static constexpr std::chrono::milliseconds kDefaultWait{15000};

    CFileLock() = default;
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Locks the file a write to path replaces (through symbolic links).
    // CFileException (kBeingChanged) when another writer keeps it longer than
    // wait, or the system's reason when it cannot be opened.
    void Lock(const std::filesystem::path& path, std::chrono::milliseconds wait = kDefaultWait);
    bool IsLocked() const { return m_fd >= 0; }
    void Unlock();

    // The file that was locked (after Replace: the new file).
    const std::filesystem::path& Target() const { return m_target; }
    const CFileIdentity& Identity() const { return m_identity; }
    // CFileException (kBeingChanged) when the file is no longer the one locked.
    void CheckUnchanged() const;

    // Replaces the locked file with bytes through a temporary file beside it;
    // beforeRename runs once the new content is safely on disk (a backup
    // copy, for instance).  The lock stays held, now on the new file.
    // CFileException when the file changed behind the lock or cannot be written.
    void Replace(const std::vector<uint8_t>& bytes, const std::function<void()>& beforeRename = {});

private:
    std::filesystem::path m_target;
    CFileIdentity m_identity;
    int m_fd = -1;
};
