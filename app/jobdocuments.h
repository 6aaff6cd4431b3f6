// CJobDocuments: the documents a batch job (the PDF, DXF and Tango exports)
// works on, opened from the files a user names.
//
// Every file is opened as the editor opens it, so that its title block comes
// from the data folder as on the screen.  A file is taken by its name, then
// by its content: a ".dpj" file is a project and contributes its sheets in
// project order; a ".txt" file is a sheet in the text form; anything else is
// opened by its first line (a sheet file of any version, a Tango schematic,
// or an empty file as an empty drawing).
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "app/vireodoc.h"

class CJobDocuments {
public:
    // Opens the files in order; with allSheets a project's sheets that do
    // not take part are opened too.  False (host told) when a file cannot be
    // opened or a project cannot be read or names no sheet: a job never
    // leaves a sheet out without saying so.
    bool Open(const std::vector<std::filesystem::path>& inputs, bool allSheets);

    const std::vector<std::unique_ptr<CVIREODoc>>& Documents() const { return m_documents; }
    // The project, when the inputs named exactly one; empty otherwise.
    const std::filesystem::path& Project() const { return m_project; }

    // True when file is one of the opened files or the project (an output
    // there would destroy an input).
    bool Holds(const std::filesystem::path& file) const;
    // Holds(output), told to the host.
    bool RefuseOutputOverInput(const std::filesystem::path& output) const;

    static bool IsProjectPath(const std::filesystem::path& path);
    static bool IsTextFormPath(const std::filesystem::path& path);

private:
    bool OpenSheet(const std::filesystem::path& path);
    bool OpenProject(const std::filesystem::path& project, bool allSheets);

    std::vector<std::unique_ptr<CVIREODoc>> m_documents;
    std::filesystem::path m_project;
};
