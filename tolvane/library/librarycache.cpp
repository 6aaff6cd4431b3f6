#include "library/librarycache.h"

#include <cerrno>
#include <cstring>
#include <list>
#include <mutex>

#include <sys/stat.h>

#include "base/exception.h"
#include "base/fileio.h"

namespace {

struct Entry {
    std::string path;
    off_t size;
    struct timespec mtime;
    struct timespec ctime;
    dev_t device;
    ino_t inode;
    std::shared_ptr<const CLibraryImage> image;
};

// A few libraries are in use at a time; the most recently used come first.
constexpr size_t kMaxEntries = 16;

std::list<Entry>& Entries()
{
    static std::list<Entry> entries;
    return entries;
}

std::mutex& Lock()
{
    static std::mutex lock;
    return lock;
}

std::string Key(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal().string();
}

bool SameStatus(const Entry& e, const struct stat& st)
{
    return e.size == st.st_size && e.inode == st.st_ino && e.device == st.st_dev &&
           e.mtime.tv_sec == st.st_mtim.tv_sec && e.mtime.tv_nsec == st.st_mtim.tv_nsec &&
           e.ctime.tv_sec == st.st_ctim.tv_sec && e.ctime.tv_nsec == st.st_ctim.tv_nsec;
}

void Put(const std::string& key, const struct stat& st, std::shared_ptr<const CLibraryImage> image)
{
    std::list<Entry>& entries = Entries();
    entries.remove_if([&](const Entry& e) { return e.path == key; });
    entries.push_front(
        {key, st.st_size, st.st_mtim, st.st_ctim, st.st_dev, st.st_ino, std::move(image)});
    if (entries.size() > kMaxEntries)
        entries.pop_back();
}

} // namespace

std::shared_ptr<const CLibraryImage> CachedLibraryImage(const std::filesystem::path& path)
{
    const std::string key = Key(path);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        throw CFileException(path.string(), std::strerror(errno));
    {
        const std::lock_guard<std::mutex> guard(Lock());
        for (auto it = Entries().begin(); it != Entries().end(); ++it) {
            if (it->path == key && SameStatus(*it, st)) {
                Entries().splice(Entries().begin(), Entries(), it);
                return it->image;
            }
        }
    }
    auto image = std::make_shared<const CLibraryImage>(ReadFileBytes(path));
    // The file may have changed while it was read; its status after the read
    // is the one the bytes are most likely to belong to, and a later change
    // gives another status anyway.
    struct stat after;
    if (::stat(path.c_str(), &after) == 0 && after.st_size == off_t(image->Bytes().size())) {
        const std::lock_guard<std::mutex> guard(Lock());
        Put(key, after, image);
    }
    return image;
}

void RememberLibraryImage(const std::filesystem::path& path,
                          std::shared_ptr<const CLibraryImage> image)
{
    struct stat st;
    const std::lock_guard<std::mutex> guard(Lock());
    if (::stat(path.c_str(), &st) == 0)
        Put(Key(path), st, std::move(image));
    else
        Entries().remove_if([&](const Entry& e) { return e.path == Key(path); });
}

void ClearLibraryCache()
{
    const std::lock_guard<std::mutex> guard(Lock());
    Entries().clear();
}
