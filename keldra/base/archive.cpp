#include "base/archive.h"

#include <cstring>

#include "base/codepage.h"
#include "base/fileio.h"

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::vector<uint8_t> bytes) : m_mode(load), m_buffer(std::move(bytes))
{
    m_data = m_buffer.data();
    m_size = m_buffer.size();
}

CArchive::CArchive(const uint8_t* data, size_t size) : m_mode(load), m_data(data), m_size(data ? size : 0) {}

CArchive CArchive::FromFile(const std::filesystem::path& path)
{
    return CArchive(ReadFileBytes(path));
}

void CArchive::RequireLoading() const
{
    if (m_mode != load)
        throw CArchiveException(CArchiveException::writeOnly);
}

void CArchive::RequireStoring() const
{
    if (m_mode != store)
        throw CArchiveException(CArchiveException::readOnly);
}

size_t CArchive::Read(void* out, size_t count)
{
    RequireLoading();
    const size_t n = count < Remaining() ? count : Remaining();
    if (n)
        std::memcpy(out, m_data + m_pos, n);
    m_pos += n;
    return n;
}

void CArchive::ReadExact(void* out, size_t count)
{
    RequireLoading();
    if (count > Remaining())
        throw CArchiveException(CArchiveException::endOfFile);
    Read(out, count);
}

void CArchive::Write(const void* data, size_t count)
{
    RequireStoring();
    const auto* p = static_cast<const uint8_t*>(data);
    m_buffer.insert(m_buffer.end(), p, p + count);
}

int CArchive::ReadByte()
{
    RequireLoading();
    if (AtEnd())
        return -1;
    return m_data[m_pos++];
}

int CArchive::PeekByte() const
{
    RequireLoading();
    return AtEnd() ? -1 : m_data[m_pos];
}

namespace {

void PutLE(uint8_t* out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = uint8_t(v >> (8 * i));
}

uint32_t GetLE(const uint8_t* in, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= uint32_t(in[i]) << (8 * i);
    return v;
}

}  // namespace

CArchive& CArchive::operator<<(int32_t v)
{
    return *this << uint32_t(v);
}

CArchive& CArchive::operator<<(uint32_t v)
{
    uint8_t b[4];
    PutLE(b, v, 4);
    Write(b, 4);
    return *this;
}

CArchive& CArchive::operator<<(uint16_t v)
{
    uint8_t b[2];
    PutLE(b, v, 2);
    Write(b, 2);
    return *this;
}

CArchive& CArchive::operator<<(uint8_t v)
{
    Write(&v, 1);
    return *this;
}

CArchive& CArchive::operator<<(const CPoint& p)
{
    return *this << p.x << p.y;
}

CArchive& CArchive::operator<<(const CRect& r)
{
    return *this << r.left << r.top << r.right << r.bottom;
}

CArchive& CArchive::operator<<(const CString& s)
{
    const uint32_t n = uint32_t(s.GetLength());
    if (n < 0xFF) {
        *this << uint8_t(n);
    } else if (n < 0xFFFE) {
        *this << uint8_t(0xFF) << uint16_t(n);
    } else {
        *this << uint8_t(0xFF) << uint16_t(0xFFFF) << n;
    }
    Write(s.c_str(), n);
    return *this;
}

CArchive& CArchive::operator<<(const LOGFONT& f)
{
    uint8_t b[LOGFONT::kStoredSize];
    f.ToBytes(b);
    Write(b, sizeof b);
    return *this;
}

CArchive& CArchive::operator>>(int32_t& v)
{
    uint32_t u;
    *this >> u;
    v = int32_t(u);
    return *this;
}

CArchive& CArchive::operator>>(uint32_t& v)
{
    uint8_t b[4];
    ReadExact(b, 4);
    v = GetLE(b, 4);
    return *this;
}

CArchive& CArchive::operator>>(uint16_t& v)
{
    uint8_t b[2];
    ReadExact(b, 2);
    v = uint16_t(GetLE(b, 2));
    return *this;
}

CArchive& CArchive::operator>>(uint8_t& v)
{
    ReadExact(&v, 1);
    return *this;
}

int32_t CArchive::ReadCount(size_t minRecordSize)
{
    const int32_t n = ReadInt();
    if (n <= 0)
        return 0;
    if (size_t(n) > Remaining() / (minRecordSize ? minRecordSize : 1))
        throw CArchiveException(CArchiveException::endOfFile);
    return n;
}

CArchive& CArchive::operator>>(CPoint& p)
{
    return *this >> p.x >> p.y;
}

CArchive& CArchive::operator>>(CRect& r)
{
    return *this >> r.left >> r.top >> r.right >> r.bottom;
}

// The length prefix without the UTF-16 announcement.
uint32_t CArchive::ReadStringLength()
{
    uint8_t b;
    *this >> b;
    if (b < 0xFF)
        return b;
    uint16_t w;
    *this >> w;
    if (w < 0xFFFF)
        return w;
    uint32_t d;
    *this >> d;
    return d;
}

CArchive& CArchive::operator>>(CString& s)
{
    // 0xFF 0xFFFE announces UTF-16 text; the real length follows in the same
    // scheme and counts 16-bit units.
    bool wide = false;
    uint32_t n;
    {
        uint8_t b;
        *this >> b;
        if (b < 0xFF) {
            n = b;
        } else {
            uint16_t w;
            *this >> w;
            if (w == 0xFFFE) {
                wide = true;
                n = ReadStringLength();
            } else if (w < 0xFFFF) {
                n = w;
            } else {
                uint32_t d;
                *this >> d;
                n = d;
            }
        }
    }
    const uint64_t bytes = wide ? uint64_t(n) * 2 : uint64_t(n);
    if (bytes > Remaining())
        throw CArchiveException(CArchiveException::endOfFile);
    const uint8_t* p = m_data + m_pos;
    m_pos += size_t(bytes);
    if (wide)
        s = CString(Utf16LeToCp932(p, size_t(bytes)).text);
    else
        s = CString(reinterpret_cast<const char*>(p), int(bytes));
    return *this;
}

CArchive& CArchive::operator>>(LOGFONT& f)
{
    uint8_t b[LOGFONT::kStoredSize];
    ReadExact(b, sizeof b);
    f.FromBytes(b);
    return *this;
}

void CArchive::WriteString(const CString& s)
{
    Write(s.c_str(), size_t(s.GetLength()));
}

bool CArchive::ReadString(CString& line)
{
    RequireLoading();
    line.Empty();
    if (AtEnd())
        return false;
    const uint8_t* start = m_data + m_pos;
    const void* nl = std::memchr(start, '\n', Remaining());
    size_t len = nl ? size_t(static_cast<const uint8_t*>(nl) - start) : Remaining();
    m_pos += len + (nl ? 1 : 0);
    if (nl && len > 0 && start[len - 1] == '\r')
        --len;
    line = CString(reinterpret_cast<const char*>(start), int(len));
    return true;
}

void LOGFONT::ToBytes(uint8_t out[kStoredSize]) const
{
    PutLE(out + 0, uint32_t(lfHeight), 4);
    PutLE(out + 4, uint32_t(lfWidth), 4);
    PutLE(out + 8, uint32_t(lfEscapement), 4);
    PutLE(out + 12, uint32_t(lfOrientation), 4);
    PutLE(out + 16, uint32_t(lfWeight), 4);
    out[20] = lfItalic;
    out[21] = lfUnderline;
    out[22] = lfStrikeOut;
    out[23] = lfCharSet;
    out[24] = lfOutPrecision;
    out[25] = lfClipPrecision;
    out[26] = lfQuality;
    out[27] = lfPitchAndFamily;
    std::memcpy(out + 28, lfFaceName, kFaceSize);
}

void LOGFONT::FromBytes(const uint8_t in[kStoredSize])
{
    lfHeight = int32_t(GetLE(in + 0, 4));
    lfWidth = int32_t(GetLE(in + 4, 4));
    lfEscapement = int32_t(GetLE(in + 8, 4));
    lfOrientation = int32_t(GetLE(in + 12, 4));
    lfWeight = int32_t(GetLE(in + 16, 4));
    lfItalic = in[20];
    lfUnderline = in[21];
    lfStrikeOut = in[22];
    lfCharSet = in[23];
    lfOutPrecision = in[24];
    lfClipPrecision = in[25];
    lfQuality = in[26];
    lfPitchAndFamily = in[27];
    std::memcpy(lfFaceName, in + 28, kFaceSize);
}

