#include "library/libraryrecords.h"

#include "base/exception.h"

bool CRecordWalker::Next(CLibraryRecord& record)
{
    if (m_size == 0)
        return false;
    CArchive ar(m_data + m_pos, m_size - m_pos);
    if (ar.Remaining() < 4)
        throw CArchiveException(CArchiveException::endOfFile, "the library has no end marker");
    record.tag = ar.ReadInt();
    if (record.tag == 0 || record.tag == -1)
        return false;
    record.begin = m_pos;
    ar >> record.name;
    const int32_t length = ar.ReadInt();
    if (length < 0 || size_t(length) > ar.Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "a library record is longer than the file");
    record.data = m_pos + ar.Position();
    record.end = record.data + size_t(length);
    m_pos = record.end;
    return true;
}

std::vector<uint8_t> PackageRecordBytes(const CString& name, const std::vector<const CPart*>& gates)
{
    CArchive body;
    body << int32_t(gates.size());
    for (const CPart* gate : gates)
        gate->DataWrite(body);
    CArchive ar;
    ar << libformat::kTagPackage << name << int32_t(body.Bytes().size());
    ar.Write(body.Bytes().data(), body.Bytes().size());
    return ar.Bytes();
}

void AppendEndMarker(std::vector<uint8_t>& bytes)
{
    bytes.insert(bytes.end(), 4, uint8_t(0));
}
