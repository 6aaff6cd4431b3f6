// Whole-file reads and safe whole-file writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Reads a whole file; CFileException when it cannot.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
// Writes bytes to a file without ever leaving a half-written file in its
// place: a temporary file in the same folder is written, flushed and renamed
// over the target.  CFileException when it cannot.
void WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// The file a write to path replaces: the file a symbolic link points to, or
// path itself.
std::filesystem::path WriteTarget(const std::filesystem::path& path);

// The same replacement in two steps, for writers that must do something
// between "the new content is safely on disk" and "it takes the old file's
// place" (a backup copy, for instance).  Write leaves the complete content in
// a temporary file beside the target; Commit renames it over the target.  A
// pending file that is never committed is removed with the object.
class CPendingFile {
public:
    // CFileException when the content cannot be written completely.
    CPendingFile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);
    ~CPendingFile();
    CPendingFile(const CPendingFile&) = delete;
    CPendingFile& operator=(const CPendingFile&) = delete;

    // CFileException when the rename fails (the target is then unchanged).
    void Commit();

private:
    std::filesystem::path m_target;
    std::string m_temp;  // empty once committed
};
