#include "base/filelock.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/exception.h"
#include "base/fileio.h"

const char* const kBeingChanged = "is being changed by another program";

namespace {

CFileIdentity IdentityOf(const struct stat& st)
{
    CFileIdentity id;
    id.exists = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.mtime = st.st_mtim;
    return id;
}

std::filesystem::path FolderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

} // namespace

CFileIdentity CFileIdentity::Of(const std::filesystem::path& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return CFileIdentity();
    return IdentityOf(st);
}

bool CFileIdentity::Same(const CFileIdentity& o) const
{
    if (exists != o.exists)
        return false;
    return !exists || (device == o.device && inode == o.inode && size == o.size &&
                       mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec);
}

CFileLock::~CFileLock()
{
    Unlock();
}

void CFileLock::Unlock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor releases the lock
    m_fd = -1;
}

void CFileLock::Lock(const std::filesystem::path& path, std::chrono::milliseconds wait)
{
    Unlock();
    m_target = WriteTarget(path);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // The file itself when it is there, else its folder: a file that is
        // about to be created has no inode to lock yet.
        bool onFolder = false;
        int fd = ::open(m_target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0 && errno == ENOENT) {
            onFolder = true;
            fd = ::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        }
        if (fd < 0)
            throw CFileException(m_target.string(), std::strerror(errno));
        struct stat st;
        if (::fstat(fd, &st) != 0 || (!onFolder && !S_ISREG(st.st_mode))) {
            ::close(fd);
            throw CFileException(m_target.string(), "is not a regular file");
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The name may have moved on to another file while this one was
            // waited for: the lock only counts on what the name means now.
            struct stat now;
            const bool present = ::stat(m_target.c_str(), &now) == 0;
            if (onFolder ? !present
                         : present && now.st_dev == st.st_dev && now.st_ino == st.st_ino) {
                m_fd = fd;
                m_identity = present ? IdentityOf(now) : CFileIdentity();
                return;
            }
            ::close(fd);
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK && error != EINTR)
            throw CFileException(m_target.string(), std::strerror(error));
        if (std::chrono::steady_clock::now() >= deadline)
            throw CFileException(m_target.string(), kBeingChanged);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void CFileLock::CheckUnchanged() const
{
    if (!CFileIdentity::Of(m_target).Same(m_identity))
        throw CFileException(m_target.string(), kBeingChanged);
}

void CFileLock::Replace(const std::vector<uint8_t>& bytes,
                        const std::function<void()>& beforeRename)
{
    if (m_fd < 0)
        throw CFileException(m_target.string(), "is not locked");
    CPendingFile pending(m_target, bytes);
    // The new file is locked before its name is given to it, so a writer that
    // looks at the name afterwards finds it locked.
    const int fd = ::open(pending.TempPath().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw CFileException(m_target.string(), std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const std::string error = std::strerror(errno);
        ::close(fd);
        throw CFileException(m_target.string(), error);
    }
    try {
        CheckUnchanged();
        if (beforeRename)
            beforeRename();
        CheckUnchanged();
        pending.Commit();
    } catch (...) {
        ::close(fd);
        throw;
    }
    Unlock();
    m_fd = fd;
    m_identity = CFileIdentity::Of(m_target);
}
