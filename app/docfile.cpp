// The document's files: open, title block, save and autosave.
#include <cstring>
#include <strings.h>
#include <unistd.h>

#include "app/datafolder.h"
#include "app/docmessages.h"
#include "app/fileaccess.h"
#include "app/outputfile.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "base/archive.h"
#include "base/host.h"
#include "export/tango.h"

namespace {

// The first line of a file (at most 256 bytes), without its line end.
std::string FirstLine(const std::vector<uint8_t>& bytes)
{
    std::string line;
    for (size_t i = 0; i < bytes.size() && i < 256 && bytes[i] != '\n'; ++i)
        line += char(bytes[i]);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

enum class FileForm { Empty, Tango, OldText, Sheet, Unknown };

FileForm FormOf(const std::vector<uint8_t>& bytes)
{
    if (bytes.empty())
        return FileForm::Empty;
    const std::string line = FirstLine(bytes);
    if (line.starts_with(";Tango"))
        return FileForm::Tango;
    if (line.find("VIREO DATA FILE") != std::string::npos)
        return line.find("0.01") != std::string::npos ? FileForm::OldText : FileForm::Sheet;
    return FileForm::Unknown;
}

bool EndsWithNoCase(const std::string& s, const char* suffix)
{
    const size_t n = std::strlen(suffix);
    return s.size() >= n && strcasecmp(s.c_str() + s.size() - n, suffix) == 0;
}

}  // namespace

void CVIREODoc::ReadTangoFile(const std::vector<uint8_t>& bytes, CDocumentHeader& header,
                              CSheet& sheet)
{
    CTangoSheet size;
    ReadTango(bytes, sheet, size);
    if (size.hasSize) {
        header.width = size.width;
        header.height = size.height;
    }
}

void CVIREODoc::TakeFileTimes(const std::filesystem::path& path)
{
    m_diskIdentity = CFileIdentity::Of(path);
    CFileTimes times;
    if (GetFileTimes(path, times)) {
        creationTime = times.creation;
        accessTime = times.access;
        modificationTime = times.modification;
    }
}

bool CVIREODoc::ReadSheetFile(const std::vector<uint8_t>& bytes, CSheet& target, bool titleBlock)
{
    CArchive ar(bytes.data(), bytes.size());
    // A title-block file's own title block is of no use; it is read and dropped.
    return CSchematicFile::Read(ar, m_header, target, titleBlock ? nullptr : &m_title) ==
           CSchematicFile::ReadStatus::Ok;
}

void CVIREODoc::ResetForOpen()
{
    DeleteContents();
    m_history.Clear();
    m_header = CDocumentHeader();
    m_header.version = CSchematicFile::kVersion;
    ResetFromSettings();
    m_needsSaveAs = false;
    m_unknownForm = false;
}

bool CVIREODoc::ReadInput(const std::filesystem::path& path, std::vector<uint8_t>& bytes)
{
    std::string error;
    if (ReadRegularFile(path, bytes, error))
        return true;
    Host().Message(docmsg::CannotOpen(path) + CString(" (" + error + ")"), CHost::Error);
    return false;
}

bool CVIREODoc::OnOpenDocument(const std::filesystem::path& path, bool* autosaveNotice)
{
    ResetForOpen();
    std::vector<uint8_t> bytes;
    if (!ReadInput(path, bytes))
        return false;
    if (IsReadOnlyPath(path) && autosaveNotice && *autosaveNotice) {
        Host().Message(docmsg::ReadOnlyNotAutosaved(), CHost::Information);
        *autosaveNotice = false;
    }
    TakeFileTimes(path);

    try {
        switch (FormOf(bytes)) {
        case FileForm::Empty:
            // An empty file is a new drawing that already has its name.
            LoadTitleBlock();
            m_path = path;
            MarkSaved();
            return true;
        case FileForm::Tango:
            ReadTangoFile(bytes, m_header, m_main);
            // Saving it under its own name would replace the Tango file by
            // a sheet file.
            m_needsSaveAs = true;
            break;
        case FileForm::OldText:
            // Opening it as an empty drawing under the same name would let
            // a save destroy the file.
            Host().Message(docmsg::OldTextForm(path), CHost::Error);
            return false;
        case FileForm::Sheet:
            if (!ReadSheetFile(bytes, m_main, false))
                return false;
            break;
        case FileForm::Unknown:
            m_unknownForm = true;
            return false;
        }
    } catch (const CArchiveException& e) {
        DeleteContents();
        Host().Message(docmsg::CannotOpen(path) + CString(std::string(" (") + e.what() + ")"), CHost::Error);
        return false;
    }
    m_titleFile = TitleFileOf(m_header);
    if (m_title.GetItemCount() == 0)
        LoadTitleBlock();
    m_path = path;
    MarkSaved();
    return true;
}

bool CVIREODoc::OpenTextForm(const std::filesystem::path& path)
{
    ResetForOpen();
    std::vector<uint8_t> bytes;
    if (!ReadInput(path, bytes))
        return false;
    TakeFileTimes(path);
    try {
        CArchive ar(bytes.data(), bytes.size());
        m_main.SerializeText(ar);
    } catch (const CArchiveException& e) {
        DeleteContents();
        Host().Message(docmsg::CannotOpen(path) + CString(std::string(" (") + e.what() + ")"),
                       CHost::Error);
        return false;
    }
    LoadTitleBlock();
    m_path = path;
    // The text form keeps no header: saving over it would turn it into a sheet file.
    m_needsSaveAs = true;
    MarkSaved();
    return true;
}

bool CVIREODoc::LoadTitleBlock()
{
    m_title.DeleteContents();
    if (!IsValidTitleFileName(m_titleFile)) {
        Host().Message(docmsg::BadTitleFileName(m_titleFile), CHost::Warning);
        return false;
    }
    const std::filesystem::path path = DataFolder() / m_titleFile.str();
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadRegularFile(path, bytes, error)) {
        Host().Message(docmsg::CannotOpen(path), CHost::Warning);
        return false;
    }
    try {
        switch (FormOf(bytes)) {
        case FileForm::Tango:
            ReadTangoFile(bytes, m_header, m_title);
            return true;
        case FileForm::Sheet: return ReadSheetFile(bytes, m_title, true);
        default: return false;
        }
    } catch (const CArchiveException&) {
        m_title.DeleteContents();
        Host().Message(docmsg::CannotOpen(path), CHost::Warning);
        return false;
    }
}

bool CVIREODoc::OnSaveDocument(const std::filesystem::path& path)
{
    ReturnSelection();
    CArchive ar;
    CSchematicFile::Save(ar, m_header, m_main, m_title);
    CSafeSaveOptions options;
    options.backup = SettingInt("FileSave", "BackUp") != 0;
    options.stepHook = m_saveHook;
    const CSafeSaveResult result = SaveFileSafely(path, ar.Bytes(), options);
    if (!result.Ok()) {
        ReportSaveFailure(path, result);
        return false;
    }
    const std::time_t created = creationTime;
    TakeFileTimes(path);
    // The drawing is older than its latest file: it keeps its creation time.
    if (result.backupMade && created != 0)
        creationTime = created;
    m_path = path;
    m_needsSaveAs = false;
    MarkSaved();
    // A crash autosave is stale once the document itself is saved.
    std::error_code ec;
    std::filesystem::remove(AutosavePathFor(path), ec);
    return true;
}

bool CVIREODoc::Save()
{
    if (m_path.empty()) {
        Host().Message(docmsg::NoPath(), CHost::Error);
        return false;
    }
    if (m_needsSaveAs) {
        Host().Message(docmsg::SaveAsFirst(m_path), CHost::Error);
        return false;
    }
    // Another program (or another editor) wrote the sheet since it was read
    // here: saving now would silently throw that work away.
    const CFileIdentity now = CFileIdentity::Of(m_path);
    if (now.exists && !now.Same(m_diskIdentity)) {
        switch (Host().Ask(docmsg::ChangedOnDisk(m_path), CHost::YesNoCancel, CHost::IDCANCEL)) {
        case CHost::IDYES: break;
        case CHost::IDNO: m_saveAsRequested = true; return false;
        default: return false;
        }
    }
    return OnSaveDocument(m_path);
}

// --- autosave ------------------------------------------------------------------------------------

std::filesystem::path CVIREODoc::AutosavePathFor(const std::filesystem::path& document)
{
    return document.parent_path() / ("." + document.filename().string() + ".autosave");
}

std::optional<std::filesystem::path> CVIREODoc::FindNewerAutosave(const std::filesystem::path& document)
{
    const std::filesystem::path side = AutosavePathFor(document);
    CFileTimes autosaved, saved;
    if (!GetFileTimes(side, autosaved))
        return std::nullopt;
    if (GetFileTimes(document, saved) && saved.modification > autosaved.modification)
        return std::nullopt;
    return side;
}

bool CVIREODoc::IsAutosaveDue() const
{
    return m_selection.GetItemCount() == 0 && m_editCount >= SettingInt("FileSave", "UndoCount");
}

CAutosavePlan CVIREODoc::PlanAutosave() const
{
    CAutosavePlan plan;
    std::filesystem::path target;
    if (!m_path.empty()) {
        if (IsReadOnlyPath(m_path)) {
            plan.skipReason = "the document's file is read-only";
            return plan;
        }
        target = AutosavePathFor(m_path);
    } else {
        // Unnamed drawings of every user and session share the data folder:
        // the name carries the user, the process and the document.
        CString title = m_defaultTitle;
        const CString mark = docmsg::ModifiedMark();
        if (title.Right(mark.GetLength()) == mark)
            title = title.Left(title.GetLength() - mark.GetLength());
        std::string name = title.str();
        for (char& c : name)
            if (c == '/' || c == '\\' || (unsigned char)c < 0x20)
                c = '_';
        name = "Sav_" + std::to_string(getuid()) + "_" + std::to_string(getpid()) + "_" +
               std::to_string(m_serial) + (name.empty() ? "" : "_" + name) + ".dcd";
        target = DataFolder() / name;
    }
    if (SettingInt("FileSave", "FileUpdate") != 0) {
        // The copies go to a folder of their own; an empty setting means the
        // data folder, never the root of the file system.
        std::string folder = SettingString("FileSave", "SaveFolder").str();
        std::filesystem::path dir = folder.empty() ? DataFolder() : std::filesystem::path(folder);
        std::string name = m_path.empty() ? target.filename().string() : m_path.filename().string();
        if (!EndsWithNoCase(name, ".dcd"))
            name += ".dcd";
        target = dir / name;
    }
    if (IsReadOnlyPath(target) || IsReadOnlyPath(target.parent_path())) {
        plan.skipReason = "the autosave file or its folder is read-only";
        return plan;
    }
    plan.target = target;
    plan.countsAsSaved = false;
    return plan;
}

bool CVIREODoc::Autosave()
{
    if (!IsAutosaveDue())
        return false;
    const CAutosavePlan plan = PlanAutosave();
    m_editCount = 0;
    if (plan.target.empty())
        return false;
    CArchive ar;
    CSchematicFile::Save(ar, m_header, m_main, m_title);
    CSafeSaveOptions options;
    options.backup = false;
    options.stepHook = m_saveHook;
    const CSafeSaveResult result = SaveFileSafely(plan.target, ar.Bytes(), options);
    if (!result.Ok()) {
        Host().Message(docmsg::FailedToSave(plan.target, result.detail), CHost::Error);
        return false;
    }
    // The document's own file was not written: it stays modified, so that
    // closing still asks.
    return true;
}
