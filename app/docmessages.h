// The texts the document shows (CP932).
#pragma once

#include <filesystem>
#include <string>

#include "base/string.h"

namespace docmsg {
// " (更新)": the mark of a modified document in its title.
CString ModifiedMark();
CString CannotOpen(const std::filesystem::path& path);      // cannot open / failed to read
CString CannotCreate(const std::filesystem::path& path);    // invalid name, read-only, no folder
CString FailedToSave(const std::filesystem::path& path, const std::string& reason);
CString OldTextForm(const std::filesystem::path& path);     // the first text form, "0.01"
CString SaveAsFirst(const std::filesystem::path& path);     // opened from another format
CString ChangedOnDisk(const std::filesystem::path& path);   // the save question after an outside change
CString NoPath();                                           // Save of an unnamed document
CString ReadOnlyNotAutosaved();
CString AskDecompose();
CString AskResetReference();
CString BadTitleFileName(const CString& name);
// The export jobs.
CString NotASheet(const std::filesystem::path& path); // no known first line
CString NotAProject(const std::filesystem::path& path);
CString NoSheetsInProject(const std::filesystem::path& path);
CString OutputIsInput(const std::filesystem::path& path);
CString BadPdfSetting(const char* key, const CString& value, const CString& used);
}  // namespace docmsg
