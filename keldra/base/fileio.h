// Whole-file reads and safe whole-file writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Reads a whole file; CFileException when it cannot.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
// Writes bytes to a file without ever leaving a half-written file in its
// place: a temporary file in the same folder is written, flushed and renamed
// over the target.  CFileException when it cannot.
void WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
