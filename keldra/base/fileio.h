// Whole-file reads and safe whole-file writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The largest stored file read whole: the archive's offsets are 32-bit.
constexpr uint64_t kMaxStoredFileSize = 0x7fffffff;

// Reads a whole regular file of at most limit bytes; CFileException when it
// cannot.  A FIFO, a device or a folder is refused before anything is read,
// so a name given by a user can neither hang the program nor fill its memory.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path,
                                   uint64_t limit = kMaxStoredFileSize);
// Writes bytes to a file without ever leaving a half-written file in its
// place: a temporary file in the same folder is written, flushed and renamed
// over the target.  CFileException when it cannot.
void WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// The file a write to path replaces: the file a symbolic link points to
// (also one that does not exist yet), or path itself.
std::filesystem::path WriteTarget(const std::filesystem::path& path);
// True when the file exists and no write bit is set in its mode.  Root could
// write it anyway; the user marked it read-only, so it is not written.
bool IsReadOnlyByMode(const std::filesystem::path& path);

// The same replacement in two steps, for writers that must do something
// between "the new content is safely on disk" and "it takes the old file's
// place" (a backup copy, for instance).  Write leaves the complete content in
// a temporary file beside the target; Commit renames it over the target.  A
// pending file that is never committed is removed with the object.
class CPendingFile {
public:
    // CFileException when the content cannot be written completely, or the
    // target or its folder is read-only.  A replaced file's mode, owner and
    // group carry over to the new one where the system lets them.
    CPendingFile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);
    ~CPendingFile();
    CPendingFile(const CPendingFile&) = delete;
    CPendingFile& operator=(const CPendingFile&) = delete;

    // CFileException when the rename fails (the target is then unchanged).
    void Commit();
    const std::string& TempPath() const { return m_temp; }

private:
    std::filesystem::path m_target;
    std::string m_temp; // empty once committed
};
