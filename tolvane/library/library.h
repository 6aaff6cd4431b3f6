// CLibrary: every access to part library files.
//
// A caller makes one on the stack for one job, sets a library file name and
// a package name, calls the operations and lets it go.  ReadFile loads the
// library image (shared with the process-wide cache); ReadPart appends a
// package's gates to a sheet; DelPart removes a package from the image;
// WritePart appends a package; WriteFile rewrites the file from the image.
// The index file lets the browser list a library without parsing it; the
// alias table resolves other names of a package; the text library is the
// editable form of a whole library.
//
// A caller that is going to change a library calls LockForUpdate before it
// reads it: the library stays locked (see CFileLock) until the object goes,
// so no other program's write falls between the read and the write, and a
// second writer waits or fails clearly.  A write without that lock is still
// checked: when the file is no longer the one that was read, it is refused.
//
// Nothing on disk changes until the new content is complete: every write
// builds the whole new file, puts it beside the library, makes the backup
// copy, and only then renames it over the library; the index is removed
// after a successful write only.  Read-only libraries are never rewritten.
// Read errors (a damaged file) are caught by every public operation and
// reported through the host with the file's name.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/exception.h"
#include "base/filelock.h"
#include "base/string.h"
#include "library/libraryimage.h"
#include "library/libraryindex.h"

class CPart;
class CSheet;

class CLibrary {
public:
    CLibrary();
    ~CLibrary();
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;

    // --- names -----------------------------------------------------------------------------
    // Sets the library file name (trailing blanks removed) and
    // derives the index file name.
    void SetLibraryName(const CString& path);
    CString GetLibraryName() const { return m_libraryName; }
    CString GetPackageName() const { return m_packageName; }
    CString GetIndexName() const { return m_indexName; }
    void SetPackageName(const CString& name) { m_packageName = name; }
    CString GetBackUpName() const;

    // --- reading -----------------------------------------------------------------------------
    // Locks the library (of the name set) for a read-modify-write by this
    // object; reported, false when another program keeps it.
    bool LockForUpdate();
    // Loads the library image.  A missing library leads to the create
    // question (default No).  1 when an image is loaded.
    int ReadFile();
    // Appends the gates of the package to the sheet (the first package when
    // the package name is empty).  With resolveAlias an alias of the alias
    // table is resolved first.  1 when the package was found.
    int ReadPart(CSheet* sheet, int resolveAlias);
    // Appends the short form of every gate to the sheet: header and name
    // texts, the package's gate count in the origin's x, the gate's own name
    // as first text where it differs.  Always 0.
    int ReadPartOutline(CSheet* sheet);
    // One gate (1-based; out of range: the first) of a package of a library.
    int GetPart(CPart& part, const CString& library, const CString& package, int index);

    // --- writing -----------------------------------------------------------------------------
    // Removes every record of the package from the image; asks first when
    // ask is set (No keeps everything and returns false); with write the file
    // is rewritten.  False also when the image is damaged or the write fails.
    bool DelPart(bool ask, bool write);
    // Appends the sheet's parts as one package record (written at once with
    // the rest of the image, so a DelPart before it becomes a replacement in
    // one write).  The image stays current.  False when nothing was written.
    bool WritePart(const CSheet* sheet);
    // Rewrites the library file from the image.
    bool WriteFile();

    // --- index -------------------------------------------------------------------------------
    // Writes the index file from an outline sheet; false when it cannot.
    bool MakeIndex(CSheet& outline);
    static bool CheckIndexVer(const CString& header);
    // The index entries when the index file is present, of this format and
    // not older than the library; false otherwise.
    bool ReadIndex(std::vector<CLibIndexEntry>& entries) const;
    // What the browser lists: the index when it is usable, else an outline
    // scan of the library, after which a new index is written.  False when the
    // library could not be read.
    bool ReadListing(std::vector<CLibIndexEntry>& entries);

    // --- alias table --------------------------------------------------------------------------
    // The alias line that holds the package name, from the tables of the
    // libraries of the library list.
    int SetPartNameList(CString& line);

    // --- library list -------------------------------------------------------------------------
    const std::vector<CString>& ReadLibraryList();
    void SetLibraryList(const std::vector<CString>& list) { m_libraryList = list; }
    const std::vector<CString>& GetLibraryList() const { return m_libraryList; }
    void WriteLibraryList();

    // --- text library ---------------------------------------------------------------------------
    int WriteAsciiFile(const CString& textPath);
    int ReadAsciiFile(const CString& textPath);

    // --- state -----------------------------------------------------------------------------------
    // False (reported) when the loaded image is damaged: a change must not
    // be offered on a library whose end is not known.
    bool CheckIntact();
    const CLibraryImage& Image() const { return *m_image; }
    // True when the last operation failed with a message (damaged or
    // unreadable file, refused write).
    bool Failed() const { return m_failed; }

private:
    std::filesystem::path LibraryPath() const;
    bool ReadTruePartName(CString& alias);
    // Reads the image from disk for a write when ReadFile was not called.
    bool EnsureImage();
    // Reads the existing library file into the image.
    bool LoadImage();
    // Replaces the library file with bytes, with the backup copy, and makes
    // them the image.  Reports and returns false when it cannot.
    bool Commit(std::vector<uint8_t> bytes);
    // Copies the current library file to its backup name (when the settings
    // ask for it); CFileException when the copy cannot be written.
    void MakeBackUp();
    void RemoveIndex();
    void ReportDamaged(const std::string& reason);
    // Reports a file error of the library (or, with name, of another file).
    void ReportFileError(const CFileException& e, bool creating, const CString& name = CString());
    bool HoldsLock() const;
    void Report(const CString& text);

    CString m_libraryName;
    CString m_packageName;
    CString m_indexName;
    std::shared_ptr<const CLibraryImage> m_image;
    bool m_loaded = false;
    bool m_failed = false;
    std::vector<CString> m_libraryList;
    // Held from the read of the library to the end of the object's job, so
    // that no other writer's change falls between its read and its write.
    CFileLock m_lock;
    // Whether the lock was asked for (and is kept to the end of the job) or
    // only taken for one write.
    bool m_updateLock = false;
    // The file the image was read from, for the check before a write.
    CFileIdentity m_readIdentity;
};

// The file-system path of a library name (CP932 inside, UTF-8 on disk).
std::filesystem::path LibraryFilePath(const CString& name);
// True when the file exists and may not be written: its owner's write bit is
// clear (also for root, who could write it anyway) or the process may not
// write it.
bool IsReadOnlyFile(const std::filesystem::path& path);
