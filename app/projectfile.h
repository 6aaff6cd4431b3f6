// Project files (.dpj): the sheets of one design and the settings the
// project-wide commands remember per project.
//
//   Project File Ver 0.03
//   1:top.dcd                 one line per sheet; "1:" takes part, "0:" not
//   0:sub/power.dcd           (before version 3: the path alone, all take part)
//   EndFileList
//   Property List             the free part; "Propaty List" is read too
//   &NAME&value               "\&" is an ampersand inside the name
//   EndPropertyList
//
// Text is CP932, lines end with a line feed.  Stored paths may use "\" or
// "/" and may be relative to the project's folder.  Every write replaces the
// file atomically and reports failure.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/string.h"

struct CProjectSheet {
    std::string path; // as resolved against the project folder
    bool checked = true;
    friend bool operator==(const CProjectSheet&, const CProjectSheet&) = default;
};

struct CProjectContents {
    int version = 0;
    std::vector<CProjectSheet> sheets;
    std::vector<CString> tail; // every line after "EndFileList"
};

class CProjectFile {
public:
    static constexpr const char* kHeader = "Project File Ver 0.03";

    // Parses a project's text; false when it is no project file (no header,
    // or a version below 1).  Relative paths resolve against projectFolder.
    static bool Parse(std::string_view text, const std::string& projectFolder,
                      CProjectContents& out);
    // Reads a project file; false when it cannot be read or is no project file.
    static bool Read(const std::filesystem::path& project, CProjectContents& out);

    // The sheet list: checked sheets as plain paths, or with includeUnchecked
    // all sheets, each prefixed by "1:" or "0:" when withPrefix.  -1 when the
    // file cannot be read or is no project file.
    static int ReadFileList(const std::filesystem::path& project, bool includeUnchecked,
                            bool withPrefix, std::vector<std::string>& out);

    // The value of a property (names compare without case); empty when absent.
    static CString ReadProperty(const std::filesystem::path& project, const CString& name);
    // The property lines, as stored.
    static std::vector<CString> ListProperties(const std::filesystem::path& project);
    // The property lines of a project's text (those of the list after the sheets).
    static std::vector<CString> PropertyLinesOf(std::string_view text);
    // Sets a property (an empty value removes it).  A value holding a line
    // break is refused; false with error set when refused or not written.
    static bool SetProperty(const std::filesystem::path& project, const CString& name,
                            const CString& value, std::string& error);
    // The text of a project after setting a property in text.
    static std::string SetPropertyText(std::string_view text, const CString& name,
                                       const CString& value);
    // The same, but only when the result is a project with the same sheets
    // whose property reads back as value; false with error set otherwise
    // (what SetProperty writes, or refuses).
    static bool SetPropertyChecked(std::string_view text, const CString& name, const CString& value,
                                   std::string& updated, std::string& error);

    // Writes the sheet list, keeping what followed "EndFileList" in the file
    // that is replaced.  False with error set when it could not be written.
    static bool Write(const std::filesystem::path& project,
                      const std::vector<CProjectSheet>& sheets, std::string& error);
    // The text Write produces for a given tail.
    static std::string Render(const std::string& projectFolder,
                              const std::vector<CProjectSheet>& sheets,
                              const std::vector<CString>& tail);

    // One locked read-modify-write of a project file (see CFileLock): change
    // gets the current text (null for a file not there yet) and gives the new
    // one, or refuses with error set.  False with error set when not written.
    static bool Update(const std::filesystem::path& project, std::string& error,
                       const std::function<bool(const std::string*, std::string&)>& change);

    // --- paths -----------------------------------------------------------------------
    // The folder of a project path (with a trailing "/").
    static std::string FolderOf(const std::string& project);
    // A stored path as a path of this system: "\" becomes "/" (never inside a
    // double-byte character); a path that is not absolute, has no drive letter
    // and does not start with two separators is put below projectFolder.
    static std::string ResolveSheetPath(const std::string& stored,
                                        const std::string& projectFolder);
    // How a sheet path is stored: the bare name for a sheet in the project's
    // folder, the path below it for a sheet in a subfolder, else the full path.
    // Folders compare by whole components, with case.
    static std::string StoredSheetPath(const std::string& sheet, const std::string& projectFolder);
    // "\" to "/", skipping the trail bytes of double-byte characters.
    static std::string ToSlashes(std::string_view path);

    // --- property lines --------------------------------------------------------------------
    // Splits "&name&value"; false when the line is no property line.
    static bool SplitPropertyLine(const CString& line, CString& name, CString& value);
    static CString PropertyLine(const CString& name, const CString& value);
};
