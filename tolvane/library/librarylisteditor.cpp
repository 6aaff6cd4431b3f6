#include "library/librarylisteditor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

#include "base/host.h"
#include "library/library.h"
#include "library/librarymessages.h"

CLibraryListEditor::AddResult CLibraryListEditor::Add(CString path)
{
    int nameStart = 0;
    for (int i = 0; i < path.GetLength(); i += path.CharLengthAt(i))
        if (path[i] == '/' || path[i] == '\\')
            nameStart = i + 1;
    if (path.Mid(nameStart).Find('.') < 0)
        path += ".lib";
    if (path.GetLength() >= 4 && Cp932Upper(path.Right(4)) == CString(".LBK"))
        return AddResult::Backup;
    if (std::find(m_list.begin(), m_list.end(), path) != m_list.end())
        return AddResult::Duplicate;
    m_list.push_back(path);
    return AddResult::Added;
}

bool CLibraryListEditor::Remove(const CString& path)
{
    const auto it = std::find(m_list.begin(), m_list.end(), path);
    if (it == m_list.end())
        return false;
    m_list.erase(it);
    return true;
}

bool CLibraryListEditor::MoveUp(int index)
{
    if (index < 1 || index >= int(m_list.size()))
        return false;
    std::swap(m_list[size_t(index)], m_list[size_t(index - 1)]);
    return true;
}

bool CLibraryListEditor::MoveDown(int index)
{
    if (index < 0 || index + 1 >= int(m_list.size()))
        return false;
    std::swap(m_list[size_t(index)], m_list[size_t(index + 1)]);
    return true;
}

bool CLibraryListEditor::Apply()
{
    const bool ok = CreateMissing();
    if (m_list.empty())
        Host().Message(libmsg::NoLibraryRegistered(), CHost::Warning);
    CLibrary library;
    library.SetLibraryList(m_list);
    library.WriteLibraryList();
    return ok;
}

bool CLibraryListEditor::CreateMissing() const
{
    bool ok = true;
    for (const CString& name : m_list) {
        const std::filesystem::path path = LibraryFilePath(name);
        std::error_code ec;
        if (std::filesystem::exists(path, ec))
            continue;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            Host().Message(libmsg::CannotCreate(name, std::strerror(errno)), CHost::Error);
            ok = false;
            continue;
        }
        ::close(fd);
    }
    return ok;
}
