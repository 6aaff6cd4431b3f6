#include "library/library.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "base/host.h"
#include "base/profile.h"
#include "library/aliastable.h"
#include "library/librarycache.h"
#include "library/librarymessages.h"
#include "sheet/sheet.h"

namespace {

bool EndsWithNoCase(const CString& s, const char* suffix)
{
    const int n = int(std::strlen(suffix));
    return s.GetLength() >= n && Cp932Upper(s.Right(n)) == CString(suffix);
}

const std::shared_ptr<const CLibraryImage>& EmptyImage()
{
    static const std::shared_ptr<const CLibraryImage> empty =
        std::make_shared<const CLibraryImage>();
    return empty;
}

constexpr const char* kListSection = "Library File List";

} // namespace

std::filesystem::path LibraryFilePath(const CString& name)
{
    return std::filesystem::path(ToUtf8(name));
}

bool IsReadOnlyFile(const std::filesystem::path& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0;
}

CLibrary::CLibrary() : m_image(EmptyImage())
{
}

CLibrary::~CLibrary() = default;

// --- names ---------------------------------------------------------------------------------------

void CLibrary::SetLibraryName(const CString& path)
{
    CString name = path;
    // A final dot is part of the name here (a different file than the name
    // without it); dropping it would read or overwrite that other file.
    while (!name.IsEmpty() && name.Right(1) == " ")
        name = name.Left(name.GetLength() - 1);
    m_libraryName = name;
    m_indexName =
        EndsWithNoCase(name, ".LIB") ? name.Left(name.GetLength() - 4) + ".dix" : name + ".dix";
}

CString CLibrary::GetBackUpName() const
{
    if (EndsWithNoCase(m_libraryName, ".LIB"))
        return m_libraryName.Left(m_libraryName.GetLength() - 4) + ".lbk";
    return m_libraryName + ".lbk";
}

std::filesystem::path CLibrary::LibraryPath() const
{
    return LibraryFilePath(m_libraryName);
}

void CLibrary::Report(const CString& text)
{
    m_failed = true;
    Host().Message(text, CHost::Error);
}

bool CLibrary::CheckIntact()
{
    if (!m_image->IsDamaged())
        return true;
    ReportDamaged(m_image->Damage());
    return false;
}

void CLibrary::ReportDamaged(const std::string& reason)
{
    Report(libmsg::Damaged(m_libraryName, reason));
}

// --- reading -------------------------------------------------------------------------------------

bool CLibrary::HoldsLock() const
{
    return m_lock.IsLocked() && m_lock.Target() == WriteTarget(LibraryPath());
}

bool CLibrary::LockForUpdate()
{
    if (HoldsLock())
        return m_updateLock = true;
    try {
        m_lock.Lock(LibraryPath());
    } catch (const CFileException& e) {
        ReportFileError(e, false);
        return false;
    }
    return m_updateLock = true;
}

void CLibrary::ReportFileError(const CFileException& e, bool creating, const CString& name)
{
    const CString file = name.IsEmpty() ? m_libraryName : name;
    if (std::string(e.what()) == kBeingChanged)
        Report(libmsg::BeingChanged(file));
    else
        Report(creating ? libmsg::CannotCreate(file, e.what())
                        : libmsg::CannotOpen(file, e.what()));
}

int CLibrary::ReadFile()
{
    m_failed = false;
    m_loaded = false;
    m_image = EmptyImage();
    if (EndsWithNoCase(m_libraryName, ".LBK")) {
        Report(libmsg::BackupFile());
        return 0;
    }
    const std::filesystem::path path = LibraryPath();
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            Report(libmsg::CannotOpen(m_libraryName, std::strerror(errno)));
            return 0;
        }
        // Only a library that is not there at all may be created here.
        if (Host().Ask(libmsg::NotFoundCreate(m_libraryName), CHost::YesNo, CHost::IDNO) !=
            CHost::IDYES)
            return 0;
        try {
            if (HoldsLock()) {
                m_lock.Replace({});
            } else {
                const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
                if (fd < 0)
                    throw CFileException(path.string(), std::strerror(errno));
                ::close(fd);
            }
        } catch (const CFileException& e) {
            ReportFileError(e, true);
            return 0;
        }
        m_readIdentity = CFileIdentity::Of(path);
        m_loaded = true;
        return 1;
    }
    if (S_ISDIR(st.st_mode)) {
        Report(libmsg::CannotOpen(m_libraryName, "it is a folder"));
        return 0;
    }
    return LoadImage() ? 1 : 0;
}

bool CLibrary::LoadImage()
{
    const std::filesystem::path path = LibraryPath();
    // Taken before the read: a change between the two is then seen as one.
    m_readIdentity = CFileIdentity::Of(path);
    try {
        m_image = CachedLibraryImage(path);
    } catch (const CFileException& e) {
        ReportFileError(e, false);
        return false;
    }
    m_loaded = true;
    return true;
}

bool CLibrary::ReadTruePartName(CString& alias)
{
    if (!EndsWithNoCase(m_libraryName, ".LIB"))
        return false;
    const std::shared_ptr<const CAliasTable> table =
        CachedAliasTable(FindAliasTable(LibraryPath()));
    CString trueName;
    if (!table || !table->Resolve(m_packageName, trueName, alias))
        return false;
    m_packageName = trueName;
    return true;
}

int CLibrary::ReadPart(CSheet* sheet, int resolveAlias)
{
    m_failed = false;
    if (m_image->IsEmpty())
        return 0;
    CString alias;
    const bool aliased = resolveAlias && ReadTruePartName(alias);
    const CLibraryRecord* record = m_image->Find(m_packageName);
    if (!record) {
        if (m_image->IsDamaged()) {
            ReportDamaged(m_image->Damage());
            return 0;
        }
        if (!aliased)
            return 0;
        // The alias may also be a package of its own.
        m_packageName = alias;
        return ReadPart(sheet, 0);
    }
    std::vector<CPart> gates;
    try {
        ReadGates(m_image->Data(), *record, true, [&](CPart& gate, int, int) {
            if (aliased)
                gate.SetPartName(alias);
            gates.push_back(gate);
        });
    } catch (const CArchiveException& e) {
        ReportDamaged(e.what());
        return 0;
    }
    for (const CPart& gate : gates)
        sheet->NewPart(gate);
    return 1;
}

int CLibrary::ReadPartOutline(CSheet* sheet)
{
    m_failed = false;
    try {
        for (const CLibraryRecord& record : m_image->Packages()) {
            ReadGates(m_image->Data(), record, false, [&](CPart& gate, int, int count) {
                if (count >= 2 && !(gate.GetPartName() == record.name))
                    gate.NewText(gate.GetPartNameText());
                gate.SetPartName(record.name);
                gate.SetOrg(CPoint(count, 0));
                sheet->NewPart(gate);
            });
        }
        if (m_image->IsDamaged())
            ReportDamaged(m_image->Damage());
    } catch (const CArchiveException& e) {
        ReportDamaged(e.what());
    }
    return 0;
}

int CLibrary::GetPart(CPart& part, const CString& library, const CString& package, int index)
{
    m_packageName = package;
    // The index name follows the library, so that a later write removes the
    // right index file.
    SetLibraryName(library);
    if (!ReadFile())
        return 0;
    CSheet scratch;
    ReadPart(&scratch, 1);
    if (scratch.GetItemCount() == 0) {
        if (!m_failed)
            Report(libmsg::LibraryDataFault());
        return 0;
    }
    const int count = scratch.GetCount(kind::kPart);
    if (index < 1 || index > count)
        index = 1;
    POSITION pos = scratch.GetFirstPartPos();
    const CPart* gate = scratch.GetNextPart(pos);
    for (int i = 1; i < index; ++i)
        gate = scratch.GetNextPart(pos);
    part = *gate;
    return 1;
}

// --- writing -------------------------------------------------------------------------------------

bool CLibrary::EnsureImage()
{
    if (m_loaded)
        return true;
    const std::filesystem::path path = LibraryPath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        m_image = EmptyImage();
        m_readIdentity = CFileIdentity();
        m_loaded = true;
        return true;
    }
    return LoadImage();
}

bool CLibrary::DelPart(bool ask, bool write)
{
    m_failed = false;
    if (m_image->IsEmpty())
        return true;
    if (m_image->IsDamaged()) {
        ReportDamaged(m_image->Damage());
        return false;
    }
    // Every record of the name goes, so that an older record shadowed by the
    // first one cannot come back once the first is removed.
    std::vector<const CLibraryRecord*> doomed;
    for (const CLibraryRecord& record : m_image->Packages())
        if (record.name.CompareNoCase(m_packageName) == 0)
            doomed.push_back(&record);
    if (doomed.empty())
        return true;
    if (ask && Host().Ask(libmsg::SamePartExists(), CHost::YesNo) != CHost::IDYES)
        return false;
    std::vector<uint8_t> bytes = m_image->Without(doomed);
    if (write)
        return Commit(std::move(bytes));
    m_image = std::make_shared<const CLibraryImage>(std::move(bytes));
    return true;
}

bool CLibrary::WritePart(const CSheet* sheet)
{
    m_failed = false;
    std::vector<const CPart*> gates;
    for (POSITION pos = sheet->GetFirstPartPos(); pos;)
        gates.push_back(sheet->GetNextPart(pos));
    // A package without gates is never written.
    if (gates.empty())
        return false;
    if (!EnsureImage())
        return false;
    if (m_image->IsDamaged()) {
        // Where the records end is not known: writing could cut the library.
        ReportDamaged(m_image->Damage());
        return false;
    }
    const std::vector<uint8_t>& old = m_image->Bytes();
    std::vector<uint8_t> bytes(old.begin(), old.begin() + long(m_image->EndOffset()));
    const std::vector<uint8_t> record = PackageRecordBytes(m_packageName, gates);
    bytes.insert(bytes.end(), record.begin(), record.end());
    AppendEndMarker(bytes);
    return Commit(std::move(bytes));
}

bool CLibrary::WriteFile()
{
    m_failed = false;
    if (!EnsureImage())
        return false;
    return Commit(m_image->Bytes());
}

bool CLibrary::Commit(std::vector<uint8_t> bytes)
{
    const std::filesystem::path path = LibraryPath();
    if (EndsWithNoCase(m_libraryName, ".LBK")) {
        Report(libmsg::BackupFile());
        return false;
    }
    if (IsReadOnlyFile(path)) {
        Report(libmsg::CannotCreate(m_libraryName, "the file is read-only"));
        return false;
    }
    if (bytes.size() > size_t(INT32_MAX)) {
        Report(libmsg::CannotCreate(m_libraryName, "larger than 2 GiB"));
        return false;
    }
    if (!HoldsLock()) {
        if (!LockForUpdate())
            return false;
        // Taken for this write only.
        m_updateLock = false;
        // Read without the lock: another program may have written since.
        if (m_loaded && !CFileIdentity::Of(path).Same(m_readIdentity)) {
            Report(libmsg::BeingChanged(m_libraryName));
            return false;
        }
    }
    try {
        // The new content is complete on disk before the backup is taken, and
        // the library is replaced in one rename: a failure at any step leaves
        // the library and its backup as they were.
        m_lock.Replace(bytes, [this] { MakeBackUp(); });
    } catch (const CFileException& e) {
        const bool library = e.m_path == path.string() || e.m_path == m_lock.Target().string();
        ReportFileError(e, true, library ? CString() : FromUtf8(e.m_path));
        return false;
    }
    RemoveIndex();
    m_readIdentity = m_lock.Identity();
    if (!m_updateLock)
        m_lock.Unlock();
    m_image = std::make_shared<const CLibraryImage>(std::move(bytes));
    m_loaded = true;
    RememberLibraryImage(path, m_image);
    return true;
}

void CLibrary::MakeBackUp()
{
    if (!Profile().GetInt("FileSave", "LibraryBackUp", 1))
        return;
    const std::filesystem::path library = LibraryPath();
    const std::filesystem::path backup = LibraryFilePath(GetBackUpName());
    struct stat st;
    if (::stat(library.c_str(), &st) != 0 || st.st_size == 0)
        return;
    // A backup the user protected is kept as it is.
    if (IsReadOnlyFile(backup))
        return;
    WriteFileAtomically(backup, ReadFileBytes(library));
}

void CLibrary::RemoveIndex()
{
    const std::filesystem::path index = LibraryFilePath(m_indexName);
    std::error_code ec;
    if (std::filesystem::exists(index, ec) && !IsReadOnlyFile(index))
        std::filesystem::remove(index, ec);
}

// --- index ---------------------------------------------------------------------------------------

bool CLibrary::MakeIndex(CSheet& outline)
{
    if (Profile().GetInt(kListSection, "Index", 0))
        return true;
    try {
        WriteFileAtomically(LibraryFilePath(m_indexName), libindex::Build(outline));
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

bool CLibrary::CheckIndexVer(const CString& header)
{
    return header == libindex::kHeader;
}

bool CLibrary::ReadIndex(std::vector<CLibIndexEntry>& entries) const
{
    const std::filesystem::path index = LibraryFilePath(m_indexName);
    struct stat ist, lst;
    if (::stat(index.c_str(), &ist) != 0 || !S_ISREG(ist.st_mode) || ist.st_size > INT32_MAX)
        return false;
    // An index older than its library does not describe it.  The status
    // change time counts too: a library put back with "mv" or "cp -p" keeps
    // an old modification time, but its status change time is new.
    auto older = [](const struct timespec& a, const struct timespec& b) {
        return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
    };
    if (::stat(LibraryPath().c_str(), &lst) == 0 &&
        (older(ist.st_mtim, lst.st_mtim) || older(ist.st_mtim, lst.st_ctim)))
        return false;
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadFileBytes(index);
    } catch (const CFileException&) {
        return false;
    }
    return libindex::Parse(bytes.data(), bytes.size(), entries);
}

bool CLibrary::ReadListing(std::vector<CLibIndexEntry>& entries)
{
    m_failed = false;
    if (ReadIndex(entries))
        return true;
    if (!ReadFile())
        return false;
    CSheet outline;
    ReadPartOutline(&outline);
    entries = libindex::FromOutline(outline);
    if (m_failed)
        return false;
    MakeIndex(outline);
    return true;
}

// --- alias table and library list ------------------------------------------------------------

int CLibrary::SetPartNameList(CString& line)
{
    if (m_packageName.IsEmpty())
        return 0;
    for (const CString& library : ReadLibraryList()) {
        if (!EndsWithNoCase(library, ".LIB"))
            continue;
        const std::shared_ptr<const CAliasTable> table =
            CachedAliasTable(FindAliasTable(LibraryFilePath(library)));
        if (table && table->FindLine(m_packageName, line))
            return 1;
    }
    return 0;
}

const std::vector<CString>& CLibrary::ReadLibraryList()
{
    m_libraryList.clear();
    for (int i = 1;; ++i) {
        const CString value =
            Profile().GetString(kListSection, CString::Formatted("File%d", i).c_str());
        if (value.IsEmpty())
            break;
        m_libraryList.push_back(value);
    }
    return m_libraryList;
}

void CLibrary::WriteLibraryList()
{
    std::string error;
    const bool written = Profile().Update(
        [this] {
            // The section holds other settings ("Index"): only the file keys go.
            // Keys after a gap are not read, but would come back once the gap is
            // filled, so they go too.
            const CString absent("\x01");
            const int last = std::max<int>(int(m_libraryList.size()) + 1, 256);
            for (int i = 1; i <= last; ++i) {
                const std::string key = CString::Formatted("File%d", i).str();
                if (!(Profile().GetString(kListSection, key.c_str(), absent) == absent))
                    Profile().DeleteKey(kListSection, key.c_str());
            }
            for (size_t i = 0; i < m_libraryList.size(); ++i)
                Profile().WriteString(kListSection,
                                      CString::Formatted("File%d", int(i + 1)).c_str(),
                                      m_libraryList[i]);
        },
        error);
    if (!written)
        Report(libmsg::CannotCreate(FromUtf8(error)));
}
