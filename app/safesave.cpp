#include "app/safesave.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <strings.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/fileaccess.h"
#include "base/fileio.h"

namespace {

// A failure inside the sequence; the message is the system's reason.
struct SaveError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Errno()
{
    return std::strerror(errno);
}

void WriteAll(int fd, const uint8_t* data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw SaveError(Errno());
        done += size_t(n);
    }
}

void SyncFolder(const std::filesystem::path& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // not every file system lets a folder be opened; the renames are done
    ::fsync(fd);
    ::close(fd);
}

// A temporary name in dir for name, made unique by mkstemp.
int MakeTemp(const std::filesystem::path& dir, const std::string& name, std::string& tempPath)
{
    // The suffix adds bytes to the name; a name near the limit is shortened.
    std::string stem = name.size() > 200 ? name.substr(0, 200) : name;
    tempPath = (dir / ("." + stem + ".XXXXXX")).string();
    return ::mkstemp(tempPath.data());
}

// Makes the old file the backup without the old file ever going missing.
void MakeBackup(const std::filesystem::path& path, const std::filesystem::path& backup,
                const std::filesystem::path& dir)
{
    std::string tmp;
    int fd = MakeTemp(dir, backup.filename().string(), tmp);
    if (fd < 0)
        throw SaveError(Errno());
    ::close(fd);
    ::unlink(tmp.c_str());
    if (::link(path.c_str(), tmp.c_str()) != 0) {
        // No hard links on this file system: a flushed copy does the same.
        std::vector<uint8_t> old;
        std::string error;
        if (!ReadRegularFile(path, old, error))
            throw SaveError(error);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            throw SaveError(Errno());
        try {
            WriteAll(fd, old.data(), old.size());
            if (::fsync(fd) != 0)
                throw SaveError(Errno());
        } catch (...) {
            ::close(fd);
            ::unlink(tmp.c_str());
            throw;
        }
        ::close(fd);
    }
    if (std::rename(tmp.c_str(), backup.c_str()) != 0) {
        const std::string error = Errno();
        ::unlink(tmp.c_str());
        throw SaveError(error);
    }
}

} // namespace

std::filesystem::path BackupPathFor(const std::filesystem::path& path)
{
    const std::string s = path.string();
    if (s.size() > 4 && strcasecmp(s.c_str() + s.size() - 4, ".dcd") == 0 && s[s.size() - 5] != '/')
        return s.substr(0, s.size() - 4) + ".bak";
    return s + ".bak";
}

CSafeSaveResult SaveFileSafely(const std::filesystem::path& target,
                               const std::vector<uint8_t>& bytes, const CSafeSaveOptions& options)
{
    CSafeSaveResult result;
    std::error_code ec;
    const std::filesystem::path path = WriteTarget(target);
    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
    struct stat old;
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if ((exists && IsReadOnlyPath(path)) || IsReadOnlyPath(dir)) {
        result.status = CSafeSaveResult::ReadOnly;
        result.detail = "the file or its folder is read-only";
        return result;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        result.status = CSafeSaveResult::CannotCreate;
        result.detail = "is not a regular file";
        return result;
    }

    std::string temp;
    const int fd = MakeTemp(dir, path.filename().string(), temp);
    if (fd < 0) {
        result.status = CSafeSaveResult::CannotCreate;
        result.detail = Errno();
        return result;
    }
    bool fdOpen = true;
    auto step = [&](SaveStep s) {
        if (options.stepHook)
            options.stepHook(s);
    };
    try {
        step(SaveStep::TempCreated);
        WriteAll(fd, bytes.data(), bytes.size());
        // A replaced file keeps its permissions; a new one gets the usual ones
        // rather than mkstemp's 0600.
        if (exists) {
            // The owner and group stay (a privileged writer saving a user's
            // file must not take it over); the mode after them, as changing
            // the owner may clear set-id bits.
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
        step(SaveStep::TempWritten);
        if (::fsync(fd) != 0)
            throw SaveError(Errno());
        fdOpen = false;
        if (::close(fd) != 0)
            throw SaveError(Errno());
        step(SaveStep::TempSynced);
        if (options.backup && exists) {
            const std::filesystem::path backup = BackupPathFor(path);
            // A read-only backup is kept as it is; the file is still replaced.
            if (!IsReadOnlyPath(backup)) {
                MakeBackup(path, backup, dir);
                result.backupMade = true;
            }
        }
        step(SaveStep::BackupMade);
        if (std::rename(temp.c_str(), path.c_str()) != 0)
            throw SaveError(Errno());
        temp.clear();
        step(SaveStep::Renamed);
        SyncFolder(dir);
        step(SaveStep::FolderSynced);
    } catch (const std::exception& e) {
        if (fdOpen)
            ::close(fd);
        if (!temp.empty())
            ::unlink(temp.c_str());
        // Once renamed, the new content is in place: a failure after that
        // point is no failure of the save.
        if (temp.empty() && result.status == CSafeSaveResult::Saved)
            return result;
        result.status = CSafeSaveResult::WriteFailed;
        result.detail = e.what();
    }
    return result;
}
