#include "net/netcontext.h"

#include <filesystem>

#include "sheet/sheet.h"

namespace {

// A stored path in the form this machine compares: absolute (a sheet given
// as "sub.dcd" and as "/work/sub.dcd" is one sheet), '/' between folders (a
// '\\' trail byte of a double-byte character is left alone), "." and ".."
// resolved.
std::string NormalPath(const CString& path, const CString& relativeTo = CString())
{
    CString s(path);
    for (int i = 0; i < s.GetLength(); i += s.CharLengthAt(i))
        if (s[i] == '\\')
            s.SetAt(i, '/');
    std::filesystem::path p(s.str());
    if (p.is_relative() && !relativeTo.IsEmpty())
        p = std::filesystem::path(NormalPath(relativeTo)).parent_path() / p;
    if (p.is_relative()) {
        std::error_code ec;
        const std::filesystem::path here = std::filesystem::current_path(ec);
        if (!ec)
            p = here / p;
    }
    return p.lexically_normal().generic_string();
}

} // namespace

CSheetSetContext::CSheetSetContext(std::vector<CNetSheet> sheets) : m_sheets(std::move(sheets))
{
    for (const CNetSheet& s : m_sheets)
        m_normalPaths.push_back(NormalPath(s.docName));
}

bool CSheetSetContext::IsProjectSheet(const CString& file, const CString& docName) const
{
    if (file.IsEmpty())
        return false;
    const std::string wanted = NormalPath(file, docName);
    for (const std::string& path : m_normalPaths)
        if (path == wanted)
            return true;
    return false;
}

int CSheetSetContext::GetSheetNo(const CString& docName) const
{
    for (const CNetSheet& s : m_sheets)
        if (s.docName == docName)
            return s.sheetNo;
    return 0;
}

void CSheetSetContext::CollectCrossNet(CCrossNetList& list) const
{
    for (const CNetSheet& s : m_sheets)
        if (s.sheet)
            s.sheet->GetCrossNet(list, s.docName);
}
