#include "base/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "base/exception.h"

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw CFileException(path.string(), "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw CFileException(path.string(), std::strerror(errno));
    std::vector<uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    if (in.bad())
        throw CFileException(path.string(), "read error");
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes)
{
    CPendingFile pending(target, bytes);
    pending.Commit();
}

std::filesystem::path WriteTarget(const std::filesystem::path& path)
{
    // Writing through a symbolic link replaces the file it points to, not the link.
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec)
            return resolved;
    }
    return path;
}

CPendingFile::CPendingFile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path path = WriteTarget(target);
    std::error_code ec;
    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
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
