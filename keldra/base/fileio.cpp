#include "base/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/exception.h"

namespace {

std::string TooLarge(uint64_t limit)
{
    return limit == kMaxStoredFileSize ? "is larger than 2 GiB"
                                       : "is larger than " + std::to_string(limit) + " bytes";
}

} // namespace

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path, uint64_t limit)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw CFileException(path.string(), std::strerror(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        throw CFileException(path.string(),
                             folder ? "is a folder, not a file" : "is not a regular file");
    }
    if (uint64_t(st.st_size) > limit) {
        ::close(fd);
        throw CFileException(path.string(), TooLarge(limit));
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(st.st_size));
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const std::string error = std::strerror(errno);
            ::close(fd);
            throw CFileException(path.string(), error);
        }
        if (n == 0)
            break;
        // A file that grows while it is read is bounded as well.
        if (bytes.size() + size_t(n) > limit) {
            ::close(fd);
            throw CFileException(path.string(), TooLarge(limit));
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes)
{
    CPendingFile pending(target, bytes);
    pending.Commit();
}

std::filesystem::path WriteTarget(const std::filesystem::path& path)
{
    // Writing through a symbolic link replaces the file it points to, not the
    // link; a link whose file is missing creates that file.
    std::filesystem::path p = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, ec); ++hops) {
        const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
        if (ec)
            return p;
        p = to.is_absolute()
                ? to
                : (p.has_parent_path() ? p.parent_path() : std::filesystem::path(".")) / to;
    }
    if (p == path)
        return path;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(p, ec);
    return ec ? p.lexically_normal() : resolved;
}

bool IsReadOnlyByMode(const std::filesystem::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

CPendingFile::CPendingFile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path path = WriteTarget(target);
    const std::filesystem::path dir =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (IsReadOnlyByMode(path))
        throw CFileException(path.string(), "the file is read-only");
    if (IsReadOnlyByMode(dir))
        throw CFileException(path.string(), "the folder is read-only");
    // The temporary name adds 8 bytes to the file name; a name near the file
    // system's limit would make it too long, so only its start is used.
    std::string stem = path.filename().string();
    if (stem.size() > 200)
        stem.resize(200);
    std::string pattern = (dir / ("." + stem + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        throw CFileException(path.string(), std::strerror(errno));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const std::string err = std::strerror(errno);
            ::close(fd);
            ::unlink(name.data());
            throw CFileException(path.string(), err);
        }
        done += size_t(n);
    }
    // A replaced file keeps its permissions; a new one gets the usual ones
    // rather than mkstemp's 0600.
    struct stat old;
    if (::stat(path.c_str(), &old) == 0) {
        // Owner and group first: changing them may clear set-id bits that
        // the mode then restores.  Only a privileged writer may give a file
        // away; for anyone else the call fails harmlessly.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not permitted: the new file stays the writer's own.
        }
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const bool synced = ::fsync(fd) == 0;
    const int syncErr = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed) {
        const std::string err = std::strerror(synced ? errno : syncErr);
        ::unlink(name.data());
        throw CFileException(path.string(), err);
    }
    m_target = path;
    m_temp = name.data();
}

CPendingFile::~CPendingFile()
{
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
}

void CPendingFile::Commit()
{
    if (std::rename(m_temp.c_str(), m_target.c_str()) != 0)
        throw CFileException(m_target.string(), std::strerror(errno));
    m_temp.clear();
}
