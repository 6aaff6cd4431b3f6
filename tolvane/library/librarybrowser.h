// The library browser's operations on packages, as the browser window and
// the batch front end call them.
//
// They act on the package as named: a browser node is a package record, not
// an alias.  Each change is one write of the library (the old record out and
// the new one in together), so a failure leaves the library as it was; a move
// writes the destination before it deletes from the source.
#pragma once

#include "base/string.h"

class CLibrary;
class CPart;
class CSheet;

namespace libbrowser {

enum class Result {
    Done,
    Cancelled,    // the user said no
    NotFound,     // no such package or gate
    Exists,       // rename: the new name is taken
    SameLibrary,  // copy or move onto the source library
    Failed,       // the library could not be read or written (already reported)
};

// Reads a library for an operation.  A missing library is reported, or with
// mayCreate goes through the create question.  False when not loaded.
bool OpenLibrary(CLibrary& library, const CString& path, bool mayCreate);
// The gates of a package as named (no alias resolution); NotFound or Failed.
Result ReadPackage(CLibrary& library, const CString& path, const CString& package, CSheet& gates);

// Deletes a package after the question "... を削除します[復活不可]" (OK/Cancel).
Result DeletePackage(const CString& path, const CString& package);
// Deletes one gate (1-based) after the same question; the package without
// gates is deleted.
Result DeleteGate(const CString& path, const CString& package, int gate);
// Copies (or moves) a package to another library; an existing package of the
// name there is replaced after the question "... は既に存在します。上書きしますか？".
Result CopyPackage(const CString& source, const CString& destination, const CString& package, bool move);
// Renames a package; refused when another package has the new name.
Result RenamePackage(const CString& path, const CString& oldName, const CString& newName);
// Writes an edited gate (1-based) back into its package.
Result WriteBackGate(const CString& path, const CString& package, int gate, const CPart& edited);

}  // namespace libbrowser
