#include "app/fileaccess.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ReadRegularFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error)
{
    // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? "is a folder, not a file" : "is not a regular file";
        ::close(fd);
        return false;
    }
    bytes.clear();
    bytes.reserve(size_t(st.st_size));
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return true;
}

bool IsReadOnlyPath(const std::filesystem::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool PathExists(const std::filesystem::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool GetFileTimes(const std::filesystem::path& path, CFileTimes& times)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    times.creation = st.st_ctime;
    times.access = st.st_atime;
    times.modification = st.st_mtime;
    return true;
}
