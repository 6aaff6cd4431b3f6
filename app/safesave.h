// Saving a file so that neither a failed write nor a crash at any moment can
// lose what was there before.
//
// The sequence:
//   1. the new content is complete in memory before anything is touched;
//   2. it is written to a temporary file in the target's folder and flushed
//      to the disk;
//   3. with backups on, the old file becomes the backup: a hard link (or a
//      flushed copy) under a temporary name is renamed over the backup, so
//      the target itself never goes missing;
//   4. the temporary file is renamed over the target;
//   5. the folder is flushed, so that the renames survive a power loss.
// At every point the target holds either the old or the new content, whole;
// a crash leaves at most a stray temporary file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The points between the steps, where tests inject failures.
enum class SaveStep {
    TempCreated,   // the temporary file exists, empty
    TempWritten,   // the content is written, not yet flushed
    TempSynced,    // the temporary file is on the disk
    BackupMade,    // the backup step is done (or skipped)
    Renamed,       // the target holds the new content
    FolderSynced,  // done
};
constexpr int kSaveSteps = 6;

struct CSafeSaveOptions {
    bool backup = true;
    // Called after each step; a test throws from it to simulate a failure
    // there, or ends the process to simulate a crash.
    std::function<void(SaveStep)> stepHook;
};

struct CSafeSaveResult {
    enum Status {
        Saved,
        ReadOnly,      // the target or its folder is marked read-only
        CannotCreate,  // no temporary file could be made in the folder
        WriteFailed,   // writing, flushing or renaming failed
    };
    Status status = Saved;
    std::string detail;       // the system's reason, for messages
    bool backupMade = false;  // the old file is now the backup
    bool Ok() const { return status == Saved; }
};

CSafeSaveResult SaveFileSafely(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                               const CSafeSaveOptions& options);

// The backup name of a file: a final ".dcd" (any case) becomes ".bak",
// any other name gets ".bak" appended; never the file's own name.
std::filesystem::path BackupPathFor(const std::filesystem::path& path);
