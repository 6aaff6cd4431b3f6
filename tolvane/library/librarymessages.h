// The fixed texts the part library shows, as CP932.
#pragma once

#include "base/string.h"

namespace libmsg {

CString BackupFile();                        // a .lbk file was given as library
CString NotFoundCreate(const CString& path); // the create question
CString LibraryDataFault();                  // a package without gates
CString SamePartExists();                    // the overwrite question when registering
CString CannotOpenText();                    // text library cannot be opened
CString NotTextLibrary();                    // wrong first line
CString FormatError(int line);               // malformed text library
CString SameSourceAndDestination();          // conversion onto its own source
CString WillDelete(const CString& name);     // browser: delete question
CString AlreadyExists(const CString& name);  // browser: copy/move overwrite question
CString EnterFileName();                     // conversion: a name is missing
CString FileExistsOverwrite(const CString& path);
CString ConversionDone();
CString NoLibraryRegistered(); // the library list is empty
// String 2902 / 2903 / 2906 with the file name, and the reason when known.
CString CannotCreate(const CString& path, const std::string& reason = std::string());
CString CannotOpen(const CString& path, const std::string& reason = std::string());
// Another program holds the file for its own change.
CString BeingChanged(const CString& path);
CString Damaged(const CString& path, const std::string& reason = std::string());

} // namespace libmsg
