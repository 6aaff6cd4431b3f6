// The process-wide cache of library images.
//
// A library file is read and scanned once per (path, size, modification
// time); placing a hundred parts from one library reads it once.  Writes made
// through CLibrary put their new image in the cache, so a read right after a
// write does not depend on the file system's time resolution.
#pragma once

#include <filesystem>
#include <memory>

#include "library/libraryimage.h"

// The image of the file at path, read again only when the file changed.
// CFileException when it cannot be read.
std::shared_ptr<const CLibraryImage> CachedLibraryImage(const std::filesystem::path& path);
// Records the image just written to path.
void RememberLibraryImage(const std::filesystem::path& path, std::shared_ptr<const CLibraryImage> image);
// Empties the cache (tests).
void ClearLibraryCache();
