// The rules of the library list as the library option page edits it: which
// paths may be added, the order, and what OK does (create missing libraries,
// warn about an empty list, store the list in the settings).
#pragma once

#include <vector>

#include "base/string.h"

class CLibraryListEditor {
public:
    enum class AddResult { Added, Backup, Duplicate };

    explicit CLibraryListEditor(std::vector<CString> list) : m_list(std::move(list)) {}

    // ".lib" is appended to a name without an extension; a backup (.lbk) and
    // a path already listed are not added.
    AddResult Add(CString path);
    bool Remove(const CString& path);
    bool MoveUp(int index);
    bool MoveDown(int index);
    const std::vector<CString>& List() const { return m_list; }

    // OK: creates every listed library that does not exist (empty; string
    // 2902 when that fails), warns when the list is empty, and stores the
    // list.  False when a library could not be created.
    bool Apply();
    // Only the first step of Apply, for a list that did not change.
    bool CreateMissing() const;

private:
    std::vector<CString> m_list;
};
