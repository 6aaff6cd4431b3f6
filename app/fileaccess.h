// Reading stored files without surprises, and the read-only test by mode bits.
//
// A file named by a user or by a stored document may be a folder, a FIFO or a
// device: reading one would hang or never end.  Only regular files are read.
// Whether a file may be written is decided by its mode bits, not by access():
// a program running as root would otherwise overwrite files that the user
// marked read-only.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

// Reads a whole regular file; false with error set otherwise.
bool ReadRegularFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);

// True when the path exists and no write bit is set in its mode.
bool IsReadOnlyPath(const std::filesystem::path& path);
// True when the file exists.
bool PathExists(const std::filesystem::path& path);

// The times the file system keeps for a file.
struct CFileTimes {
    std::time_t creation = 0;  // the status change time stands in for it
    std::time_t access = 0;
    std::time_t modification = 0;
};
bool GetFileTimes(const std::filesystem::path& path, CFileTimes& times);
