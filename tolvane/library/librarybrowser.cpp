#include "library/librarybrowser.h"

#include <filesystem>

#include "base/host.h"
#include "library/library.h"
#include "library/librarymessages.h"
#include "sheet/sheet.h"

namespace libbrowser {

namespace {

std::vector<const CPart*> Gates(const CSheet& sheet)
{
    std::vector<const CPart*> gates;
    for (POSITION pos = sheet.GetFirstPartPos(); pos;)
        gates.push_back(sheet.GetNextPart(pos));
    return gates;
}

// Replaces the package in the loaded library with the given gates (none:
// the package goes), in one write.
Result Replace(CLibrary& library, const CString& package, const CSheet& gates)
{
    library.SetPackageName(package);
    if (gates.GetCount(kind::kPart) == 0)
        return library.DelPart(false, true) ? Result::Done : Result::Failed;
    if (!library.DelPart(false, false))
        return Result::Failed;
    return library.WritePart(&gates) ? Result::Done : Result::Failed;
}

// The text the browser shows for a gate: its reference, else its own name.
CString GateLabel(const CPart& gate)
{
    return gate.GetRefName().IsEmpty() ? gate.GetPartName() : gate.GetRefName();
}

} // namespace

bool OpenLibrary(CLibrary& library, const CString& path, bool mayCreate)
{
    library.SetLibraryName(path);
    std::error_code ec;
    if (!mayCreate && !std::filesystem::exists(LibraryFilePath(library.GetLibraryName()), ec)) {
        Host().Message(libmsg::CannotOpen(library.GetLibraryName(), "no such file"), CHost::Error);
        return false;
    }
    return library.ReadFile() == 1;
}

Result ReadPackage(CLibrary& library, const CString& path, const CString& package, CSheet& gates)
{
    // Every caller changes the library afterwards: it stays locked from here.
    library.SetLibraryName(path);
    if (!library.LockForUpdate() || !OpenLibrary(library, path, false) || !library.CheckIntact())
        return Result::Failed;
    if (package.IsEmpty())
        return Result::NotFound;
    library.SetPackageName(package);
    if (!library.ReadPart(&gates, 0))
        return library.Failed() ? Result::Failed : Result::NotFound;
    // From here on the package goes by the name it is stored under.
    library.SetPackageName(library.Image().Find(package)->name);
    return Result::Done;
}

Result DeletePackage(const CString& path, const CString& package)
{
    CLibrary library;
    CSheet gates;
    if (const Result r = ReadPackage(library, path, package, gates); r != Result::Done)
        return r;
    if (Host().Ask(libmsg::WillDelete(package), CHost::OKCancel) != CHost::IDOK)
        return Result::Cancelled;
    return library.DelPart(false, true) ? Result::Done : Result::Failed;
}

// The gates of a package when it has the given gate (1-based).
Result ReadWithGate(CLibrary& library, const CString& path, const CString& package, int gate,
                    CSheet& gates, std::vector<const CPart*>& all)
{
    if (const Result r = ReadPackage(library, path, package, gates); r != Result::Done)
        return r;
    all = Gates(gates);
    return gate < 1 || gate > int(all.size()) ? Result::NotFound : Result::Done;
}

Result DeleteGate(const CString& path, const CString& package, int gate)
{
    CLibrary library;
    CSheet gates;
    std::vector<const CPart*> all;
    if (const Result r = ReadWithGate(library, path, package, gate, gates, all); r != Result::Done)
        return r;
    if (Host().Ask(libmsg::WillDelete(GateLabel(*all[size_t(gate - 1)])), CHost::OKCancel) !=
        CHost::IDOK)
        return Result::Cancelled;
    CSheet rest;
    for (size_t i = 0; i < all.size(); ++i)
        if (int(i) + 1 != gate)
            rest.NewPart(*all[i]);
    return Replace(library, library.GetPackageName(), rest);
}

Result CopyPackage(const CString& source, const CString& destination, const CString& package,
                   bool move)
{
    CLibrary from;
    from.SetLibraryName(source);
    CLibrary to;
    to.SetLibraryName(destination);
    std::error_code ec;
    if (std::filesystem::equivalent(LibraryFilePath(from.GetLibraryName()),
                                    LibraryFilePath(to.GetLibraryName()), ec))
        return Result::SameLibrary;
    CSheet gates;
    if (const Result r = ReadPackage(from, source, package, gates); r != Result::Done)
        return r;
    if (!to.LockForUpdate() || !OpenLibrary(to, destination, true) || !to.CheckIntact())
        return Result::Failed;
    if (to.Image().Find(package) &&
        Host().Ask(libmsg::AlreadyExists(package), CHost::YesNo) != CHost::IDYES)
        return Result::Cancelled;
    // The destination first: a failure after it leaves the package in both
    // libraries, never in neither.
    if (const Result r = Replace(to, from.GetPackageName(), gates); r != Result::Done)
        return r;
    if (move) {
        if (!from.DelPart(false, true))
            return Result::Failed;
    }
    return Result::Done;
}

Result RenamePackage(const CString& path, const CString& oldName, const CString& newName)
{
    if (newName.IsEmpty() || newName == oldName)
        return Result::Done;
    CLibrary library;
    CSheet gates;
    if (const Result r = ReadPackage(library, path, oldName, gates); r != Result::Done)
        return r;
    // A change of case only renames the same package.
    if (oldName.CompareNoCase(newName) != 0 && library.Image().Find(newName))
        return Result::Exists;
    if (!library.DelPart(false, false))
        return Result::Failed;
    library.SetPackageName(newName);
    return library.WritePart(&gates) ? Result::Done : Result::Failed;
}

Result WriteBackGate(const CString& path, const CString& package, int gate, const CPart& edited)
{
    CLibrary library;
    CSheet gates;
    std::vector<const CPart*> all;
    if (const Result r = ReadWithGate(library, path, package, gate, gates, all); r != Result::Done)
        return r;
    CSheet updated;
    for (size_t i = 0; i < all.size(); ++i)
        updated.NewPart(int(i) + 1 == gate ? edited : *all[i]);
    return Replace(library, library.GetPackageName(), updated);
}

} // namespace libbrowser
