// Writing a whole file the user asked for (a saved sheet, an export) and
// telling the user when it could not be written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "app/safesave.h"

// Tells the host why a save failed: the file cannot be created (2902) or
// writing it failed.
void ReportSaveFailure(const std::filesystem::path& path, const CSafeSaveResult& result);

// Writes an output file in one step, without a backup: the target holds
// either what it held before or all of bytes.  False with the host told
// when nothing was written.
bool WriteOutputFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// path, with extension (".pdf", ".dxf" ...) added unless its name already
// ends in it (in any case).
std::filesystem::path WithExtension(const std::filesystem::path& path, const char* extension);
