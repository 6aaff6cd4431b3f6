// Every part name the libraries of a library list answer to: the package
// names of each library and the names of its alias table, sorted without
// regard to case, each once.  The part dialog completes names from it.
#pragma once

#include <vector>

#include "base/string.h"

std::vector<CString> LibraryPartNames(const std::vector<CString>& libraries);
