#include "app/fileaccess.h"

#include "base/exception.h"
#include "base/fileio.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ReadRegularFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                     std::string& error)
{
    try {
        bytes = ReadFileBytes(path);
        return true;
    } catch (const CFileException& e) {
        error = e.what();
        return false;
    }
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
