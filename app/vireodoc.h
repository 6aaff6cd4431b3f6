// CVIREODoc: the document of one schematic sheet file.
//
// It owns the drawing (main sheet) and the sheets around it: the title
// block, the selection, the reselect copy, the library part buffer, and the
// undo history.  It reads and writes the sheet file, keeps backups, saves
// automatically, loads the title block of its size from the data folder and
// carries out the document commands.  Everything here is free of windows:
// the editor passes in what its dialogs chose, and questions and messages go
// through the host.
//
// The jobs live in separate files: vireodoc.cpp (state, new, title, undo
// wrappers, selection), docfile.cpp (open, title block, save, autosave),
// doccommands.cpp (change size, property, make part, decomposition, reset
// references, command enables), docexport.cpp (Save Other Format).
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/safesave.h"
#include "app/undohistory.h"
#include "base/filelock.h"
#include "items/part.h"
#include "sheet/schematicfile.h"
#include "sheet/sheet.h"

struct CCleanUpOptions;
struct CDxfHeader;

// What the editor's view is doing, as far as the command enables care.
enum class ViewActivity { Idle, Selecting, PlacingPart, MovingAttributes, Pasting, Other };

struct CDocCommandEnables {
    bool undo = false, redo = false, property = true, changeSize = true, saveOtherFormat = true;
    bool makePart = false, decompose = false, library = false, editLibrary = false;
    bool resetReference = false;
};

// The dialog values of Make Part.
struct CMakePartInput {
    CPartDialogInput dialog;  // names, display switches, package data
    CPoint origin;            // where the part's origin lies
    int attr = 0;             // the attribute flag
};

// The dialog values of Library (register the selected parts in a library).
struct CLibraryRegisterInput {
    CString library;                 // the library file
    CString packageName;             // the package the parts become
    std::vector<CString> dropProperties;  // property names deleted from every part first
};

// Where an autosave of a document goes, and what it means for the document.
struct CAutosavePlan {
    std::filesystem::path target;  // empty: nothing is saved
    std::string skipReason;        // why nothing is saved
    bool countsAsSaved = false;    // the document's own file was written
};

class CVIREODoc {
public:
    CVIREODoc();
    CVIREODoc(const CVIREODoc&) = delete;
    CVIREODoc& operator=(const CVIREODoc&) = delete;

    // --- sheets and header ------------------------------------------------------------
    CSheet& MainSheet() { return m_main; }
    CSheet& TitleSheet() { return m_title; }
    CSheet& SelectionSheet() { return m_selection; }
    CSheet& ReselectSheet() { return m_reselect; }
    CSheet& PartBuffer() { return m_partBuffer; }
    const CSheet& MainSheet() const { return m_main; }
    const CSheet& TitleSheet() const { return m_title; }
    const CSheet& SelectionSheet() const { return m_selection; }
    const CDocumentHeader& Header() const { return m_header; }
    CDocumentHeader& Header() { return m_header; }
    int GetFileVersion() const { return m_header.version; }
    int GetSizeIndex() const { return m_header.sizeCode; }
    const CString& GetTitleFile() const { return m_titleFile; }
    CUndoHistory& History() { return m_history; }

    // --- path, title, modified -----------------------------------------------------------
    const std::filesystem::path& GetPathName() const { return m_path; }
    void SetPathName(const std::filesystem::path& path) { m_path = path; }
    // The window title of an unnamed document ("VIREO1", ...).
    void SetDefaultTitle(const CString& title) { m_defaultTitle = title; }
    // Modified: the newest undo record is not the one that was saved, the
    // properties changed, or a command set the modified flag.
    bool IsModified() const;
    void SetModifiedFlag(bool modified = true) { m_modifiedFlag = modified; }
    // The title shown for the document: the full path (Sheet/FullPath) or the
    // file name, with " (更新)" while modified; the given title as it is in
    // a minimised frame.
    CString TitleText(bool minimised) const;
    // A document opened from a file that is not a sheet file must be saved
    // under a name the user chooses first.
    bool NeedsSaveAs() const { return m_needsSaveAs; }

    // --- new, open, save ------------------------------------------------------------------
    // A new document of the size the new-document dialog chose (stored in
    // Sheet/Work) with the chosen title file (empty: the size's default).
    void OnNewDocument(int sizeIndex, const CString& titleFile = CString());
    // Opens a file.  False when it is not opened (the host was told why,
    // except for a file that names no known format); the document is then
    // to be discarded.  autosaveNotice is the main window's one-shot flag for
    // the read-only notice.
    bool OnOpenDocument(const std::filesystem::path& path, bool* autosaveNotice = nullptr);
    // Writes the document to path (backups as FileSave/BackUp says); on
    // success path becomes the document's and it is saved.
    bool OnSaveDocument(const std::filesystem::path& path);
    // Save: to the document's own path; refused (false, host told) while the
    // document has none or must be saved under a new name.  When the file
    // was changed on disk since it was opened or saved here, the host is
    // asked first (Yes: overwrite, No: save under another name, Cancel);
    // No returns false and sets SaveAsRequested.
    bool Save();
    // True once after Save declined because the user chose another name.
    bool TakeSaveAsRequest() { return std::exchange(m_saveAsRequested, false); }
    // True after an open that failed because the file is in no known form
    // (the one failure the host is not told about).
    bool WasUnknownForm() const { return m_unknownForm; }
    // Opens a sheet in the plain text form as a drawing of the new-sheet
    // size with its title block; it must be saved under a new name first.
    bool OpenTextForm(const std::filesystem::path& path);
    // Empties the main and title-block sheets.
    void DeleteContents();
    // Reads a Tango schematic text into sheet; its SHEET record sets the
    // header's width and height.
    static void ReadTangoFile(const std::vector<uint8_t>& bytes, CDocumentHeader& header,
                              CSheet& sheet);
    // The step hook of the save sequence (tests).
    void SetSaveStepHook(std::function<void(SaveStep)> hook) { m_saveHook = std::move(hook); }

    // --- Save Other Format (docexport.cpp) -------------------------------------------------
    // The choices of the save dialog, by filter index.
    enum class OtherFormat { Tango = 1, Bitmap8 = 2, Bitmap4 = 3, Bitmap1 = 4, Dxf = 5 };
    // The file a choice writes: the extension of a DXF or bitmap file is
    // added when missing; a Tango name is taken as it is.
    static std::filesystem::path OtherFormatPath(const std::filesystem::path& chosen,
                                                 OtherFormat format);
    // The main sheet as a Tango file, the header from the sheet size, size
    // index and visible area.  The selection is returned to the sheet first.
    std::vector<uint8_t> TangoBytes();
    // The drawing, and the title block when Sheet/TitleDisp is on, as DXF.
    std::vector<uint8_t> DxfBytes(const CDxfHeader& header);
    // Write those files (replacing an existing one whole).  False with the
    // host told when nothing was written: the file cannot be created, or for
    // DXF the header file (empty: DXF_HDR.DAT of the data folder) is missing,
    // which is checked before any file is touched.
    bool SaveTango(const std::filesystem::path& path);
    bool SaveDxf(const std::filesystem::path& path, const std::filesystem::path& headerFile = {});
    // The header file the DXF export reads; false (host told) when it is missing.
    static bool LoadDxfHeader(const std::filesystem::path& headerFile, CDxfHeader& header);

    // --- title block ------------------------------------------------------------------------
    // Loads the title file from the data folder into the title-block sheet;
    // false (host told) when it cannot be read.  The sheet takes the title
    // block's size, except while opening a file that stored a size of its own.
    bool LoadTitleBlock(bool opening = false);
    // A title file name is a bare file name: no folder part, not "." or "..".
    static bool IsValidTitleFileName(const CString& name);
    // The title file a document's properties name, or the size's default.
    static CString TitleFileOf(const CDocumentHeader& header);

    // --- autosave ----------------------------------------------------------------------------
    // Closed records since the last save.
    int GetEditCount() const { return m_editCount; }
    // The autosave is due: nothing selected and FileSave/UndoCount edits done.
    bool IsAutosaveDue() const;
    // Where this document autosaves now.
    CAutosavePlan PlanAutosave() const;
    // Autosaves when due; true when a file was written.
    bool Autosave();
    // The side file an autosave of a named document goes to.
    static std::filesystem::path AutosavePathFor(const std::filesystem::path& document);
    // Removes this document's autosave copies: the user discarded the changes.
    void DiscardAutosave();
    // The autosave left by a crash, when it is newer than the document itself.
    static std::optional<std::filesystem::path> FindNewerAutosave(const std::filesystem::path& document);

    // --- selection -------------------------------------------------------------------------------
    void SelectItem(const CItemRef& item);
    void DeselectItem(const CItemRef& item);
    // Returns every selected item to the main sheet.
    void ReturnSelection();

    // --- recorded changes ------------------------------------------------------------------------
    // Records items for undo (see CUndoHistory).
    void RecordItems(const CSheet& items, int kind) { m_history.Record(items, kind); }
    void RecordItem(const CItemRef& item, int kind) { m_history.Record(item, kind); }
    int TakeLastRecord(CSheet& into, bool dropJunctions);
    // Adds the items to the main sheet (optionally emptying the source).
    void AddToMainSheet(CSheet& items, bool emptySource);
    // The common edits, each one recorded step: add items, remove items,
    // replace items by changed copies.
    void AddItems(const CSheet& items);
    void RemoveItems(const CSheet& items);
    void ChangeItems(const CSheet& oldItems, const CSheet& newItems);
    bool Undo();
    bool Redo();
    const CRect& UpdateRect() const { return m_history.UpdateRect(); }

    // --- commands ------------------------------------------------------------------------------
    // Change size: a new size index and title file (empty: the default).
    void ChangeSize(int sizeIndex, const CString& titleFile);
    // Property: author, comment, size index and explicit title file (empty:
    // the size's default).  Entries the dialog does not show are kept.
    void SetProperties(const CString& author, const CString& comment, int sizeIndex,
                       const CString& titleFile);
    CString GetProperty(const char* tag) const;
    // Make Part from the selection.  dialog is shown the preset values and
    // returns false for Cancel.  True when the part replaced the selection.
    bool MakePart(const std::function<bool(CMakePartInput&)>& dialog);
    // Part Decomposition of the selected parts (asks first).
    bool DecomposeParts();
    // Reset Part Reference of the selected parts (asks first).
    bool ResetPartReference();
    // Library: writes the selected parts into a part library as one package
    // (replacing a package of that name after the library's question).  dialog
    // is shown the preset values and returns false for Cancel.  True when the
    // package was written; the written copy then replaces the selection and
    // becomes the part buffer.
    bool RegisterLibrary(const std::function<bool(CLibraryRegisterInput&)>& dialog);
    CDocCommandEnables CommandEnables(ViewActivity activity, bool libraryListEmpty) const;

    // The clean-up of the drawing's wires; 1 when it changed the sheet.
    int CleanUpDocument();
    // The clean-up of a drawing of the given size with the given options,
    // recorded in history (when given) as one change; 1 when it changed it.
    static int CleanUpDrawing(CSheet& main, const CSize& size, const CCleanUpOptions& options,
                              CUndoHistory* history);

    // The three file times.
    std::time_t creationTime = 0, accessTime = 0, modificationTime = 0;

private:
    void ResetFromSettings();
    void ResetForOpen();
    bool ReadInput(const std::filesystem::path& path, std::vector<uint8_t>& bytes);
    void SetTitleFileProperty(const CString& titleFile);
    void MarkSaved();
    bool ReadSheetFile(const std::vector<uint8_t>& bytes, CSheet& target, bool titleBlock);
    void TakeFileTimes(const std::filesystem::path& path);

    CSheet m_main{CSheet::kDrawing};
    CSheet m_title{CSheet::kTitle};
    CSheet m_selection{CSheet::kSelection};
    CSheet m_reselect{5};
    CSheet m_partBuffer{4};
    CUndoHistory m_history;
    CDocumentHeader m_header;
    CString m_titleFile;
    std::filesystem::path m_path;
    CString m_defaultTitle;
    bool m_propertiesChanged = false;
    bool m_modifiedFlag = false;
    bool m_needsSaveAs = false;
    bool m_unknownForm = false;
    int m_editCount = 0;
    uint64_t m_savedState = 0;
    uint64_t m_serial;  // tells unnamed documents of one session apart
    std::function<void(SaveStep)> m_saveHook;
    // The file as this document last read or wrote it.
    CFileIdentity m_diskIdentity;
    bool m_saveAsRequested = false;
    std::filesystem::path m_lastAutosave;  // the copy Autosave last wrote
};
