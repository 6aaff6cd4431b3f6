#include "library/libraryimage.h"

#include "base/exception.h"

CLibraryImage::CLibraryImage(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes))
{
    CRecordWalker walker(m_bytes.data(), m_bytes.size());
    CLibraryRecord record;
    try {
        while (walker.Next(record)) {
            if (!record.IsPackage())
                continue;
            m_byName.try_emplace(Cp932Upper(record.name).str(), m_packages.size());
            m_packages.push_back(record);
        }
        m_endOffset = walker.EndOffset();
    } catch (const CArchiveException& e) {
        m_damage = e.what();
    }
}

const CLibraryRecord* CLibraryImage::Find(const CString& name) const
{
    if (name.IsEmpty())
        return m_packages.empty() ? nullptr : &m_packages.front();
    const auto it = m_byName.find(Cp932Upper(name).str());
    return it == m_byName.end() ? nullptr : &m_packages[it->second];
}

std::vector<uint8_t> CLibraryImage::Without(const std::vector<const CLibraryRecord*>& records) const
{
    std::vector<uint8_t> out;
    out.reserve(m_bytes.size());
    size_t from = 0;
    for (const CLibraryRecord* r : records) {
        out.insert(out.end(), m_bytes.begin() + long(from), m_bytes.begin() + long(r->begin));
        from = r->end;
    }
    out.insert(out.end(), m_bytes.begin() + long(from), m_bytes.end());
    return out;
}
