// The document's files: open, title block, save and autosave.
#include <cstdio>
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
#include "base/codepage.h"
#include "base/exception.h"
#include "base/messages.h"
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

// The first text form shares its header line ("... Ver 0.01") with binary
// sheets of version 1; a binary sheet of that age goes on with the 32-bit
// word 1 right after the line, text never does.
bool IsOldTextForm(const std::vector<uint8_t>& bytes, const std::string& firstLine)
{
    if (firstLine.find("0.01") == std::string::npos)
        return false;
    size_t next = 0;
    while (next < bytes.size() && bytes[next] != '\n')
        ++next;
    ++next;
    static const uint8_t kBinaryOne[4] = {1, 0, 0, 0};
    return !(bytes.size() >= next + 4 && std::memcmp(bytes.data() + next, kBinaryOne, 4) == 0);
}

FileForm FormOf(const std::vector<uint8_t>& bytes)
{
    if (bytes.empty())
        return FileForm::Empty;
    const std::string line = FirstLine(bytes);
    if (line.starts_with(";Tango"))
        return FileForm::Tango;
    if (line.find("VIREO DATA FILE") != std::string::npos)
        return IsOldTextForm(bytes, line) ? FileForm::OldText : FileForm::Sheet;
    return FileForm::Unknown;
}

// Why a sheet could not be read, in the language of the other messages.
CString ArchiveReason(const CArchiveException& e)
{
    if (GetMessageLanguage() != MessageLanguage::Japanese)
        return CString(std::string(" (") + e.what() + ")");
    return FromUtf8(e.m_cause == CArchiveException::endOfFile ? "（ファイルが途中で終わっています）"
                                                              : "（ファイルの内容が正しくありません）");
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
    if (size.hasSizeIndex)
        header.sizeCode = size.sizeIndex;
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
        Host().Message(docmsg::CannotOpen(path) + ArchiveReason(e), CHost::Error);
        return false;
    }
    m_titleFile = TitleFileOf(m_header);
    if (m_title.GetItemCount() == 0)
        LoadTitleBlock(true);
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

bool CVIREODoc::LoadTitleBlock(bool opening)
{
    m_title.DeleteContents();
    if (!IsValidTitleFileName(m_titleFile)) {
        Host().Message(docmsg::BadTitleFileName(m_titleFile), CHost::Warning);
        return false;
    }
    // The name is stored text (CP932); the file system's names are UTF-8.
    const std::filesystem::path path = DataFolder() / ToUtf8(m_titleFile);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadRegularFile(path, bytes, error)) {
        Host().Message(docmsg::CannotOpen(path), CHost::Warning);
        return false;
    }
    try {
        // The title block brings its sheet size with it.  A sheet being opened
        // keeps the size it was stored with: its items may reach beyond the
        // title block's size, and opening must never change what a save
        // writes.  The title block is then drawn at its own size.
        CDocumentHeader titleHeader = m_header;
        bool read = false;
        switch (FormOf(bytes)) {
        case FileForm::Tango:
            ReadTangoFile(bytes, titleHeader, m_title);
            read = true;
            break;
        case FileForm::Sheet: {
            CArchive ar(bytes.data(), bytes.size());
            read = CSchematicFile::Read(ar, titleHeader, m_title, nullptr) == CSchematicFile::ReadStatus::Ok;
            break;
        }
        default: return false;
        }
        const bool keepStoredSize = opening && m_header.width > 0 && m_header.height > 0;
        if (read && !keepStoredSize) {
            m_header.width = titleHeader.width;
            m_header.height = titleHeader.height;
            m_header.sizeCode = titleHeader.sizeCode;
        }
        return read;
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
    // A crash autosave is stale once the document itself is saved, also the
    // one of the name it had before a save under another name.
    DiscardAutosave();
    m_path = path;
    m_needsSaveAs = false;
    MarkSaved();
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

namespace {

// A short fingerprint of a document's full path: copies of /a/top.dcd and
// /b/top.dcd in one folder get different names.
std::string PathHash(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string s = (ec ? path : absolute).lexically_normal().string();
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

}  // namespace

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
        // Unnamed drawings go to the user's own state folder (the data folder
        // may be installed and shared); the name carries the user, the
        // process and the document.
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
        target = UserStateFolder() / name;
    }
    if (SettingInt("FileSave", "FileUpdate") != 0) {
        // The copies go to a folder of their own; an empty setting means the
        // user's state folder, never the root of the file system.  The name
        // carries a fingerprint of the document's full path, so that copies
        // of equally named sheets, and files of the user's own, are never
        // overwritten.
        std::string folder = SettingString("FileSave", "SaveFolder").str();
        std::filesystem::path dir = folder.empty() ? UserStateFolder() : std::filesystem::path(folder);
        const std::filesystem::path source = m_path.empty() ? target : m_path;
        std::string stem = source.filename().string();
        if (EndsWithNoCase(stem, ".dcd"))
            stem.resize(stem.size() - 4);
        target = dir / (stem + "." + PathHash(source) + ".autosave.dcd");
    }
    if (!m_path.empty() && SameFile(target, m_path)) {
        plan.skipReason = "the autosave copy would be the document itself";
        return plan;
    }
    if (IsReadOnlyPath(target) || IsReadOnlyPath(target.parent_path())) {
        plan.skipReason = "the autosave file or its folder is read-only";
        return plan;
    }
    plan.target = target;
    plan.countsAsSaved = false;
    return plan;
}

void CVIREODoc::DiscardAutosave()
{
    std::error_code ec;
    if (!m_lastAutosave.empty())
        std::filesystem::remove(m_lastAutosave, ec);
    m_lastAutosave.clear();
    if (!m_path.empty())
        std::filesystem::remove(AutosavePathFor(m_path), ec);
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
    m_lastAutosave = plan.target;
    // The document's own file was not written: it stays modified, so that
    // closing still asks.
    return true;
}
