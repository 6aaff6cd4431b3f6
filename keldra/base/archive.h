// CArchive: the little-endian binary stream that stored files are made of.
//
// An archive either loads from bytes (a memory buffer or a whole file read
// into memory) or stores into a growing buffer that the caller then writes
// out.  Every read is checked against the bytes that remain: a short read,
// or a string length longer than what remains, raises CArchiveException with
// the end-of-file cause before anything is allocated.  Reading a storing
// archive or writing a loading one raises it with the write-only or
// read-only cause.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/exception.h"
#include "base/logfont.h"
#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CArchive {
public:
    enum Mode { load, store };

    // A storing archive with an empty buffer.
    CArchive();
    // A loading archive over bytes owned by the archive.
    explicit CArchive(std::vector<uint8_t> bytes);
    // A loading archive over bytes the caller keeps alive.
    CArchive(const uint8_t* data, size_t size);

    // A loading archive over the whole content of a file (CFileException when
    // it cannot be read).
    static CArchive FromFile(const std::filesystem::path& path);

    CArchive(CArchive&&) = default;
    CArchive& operator=(CArchive&&) = default;

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    // Storing: the bytes written so far.  Loading: the whole input.
    const std::vector<uint8_t>& Bytes() const { return m_buffer; }
    // Loading: the bytes not yet read.
    size_t Remaining() const { return m_size - m_pos; }
    size_t Position() const { return m_pos; }
    bool AtEnd() const { return m_pos >= m_size; }

    // Raw bytes.  Read returns how many bytes it could read (no exception at
    // the end of the input); ReadExact raises at a short read.
    size_t Read(void* out, size_t count);
    void ReadExact(void* out, size_t count);
    void Write(const void* data, size_t count);

    CArchive& operator<<(int32_t v);
    CArchive& operator<<(uint32_t v);
    CArchive& operator<<(uint16_t v);
    CArchive& operator<<(uint8_t v);
    CArchive& operator<<(const CPoint& p);
    CArchive& operator<<(const CRect& r);
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const LOGFONT& f);

    CArchive& operator>>(int32_t& v);
    CArchive& operator>>(uint32_t& v);
    CArchive& operator>>(uint16_t& v);
    CArchive& operator>>(uint8_t& v);
    CArchive& operator>>(CPoint& p);
    CArchive& operator>>(CRect& r);
    CArchive& operator>>(CString& s);
    CArchive& operator>>(LOGFONT& f);

    int32_t ReadInt()
    {
        int32_t v;
        *this >> v;
        return v;
    }
    uint16_t ReadWord()
    {
        uint16_t v;
        *this >> v;
        return v;
    }
    CPoint ReadPoint()
    {
        CPoint p;
        *this >> p;
        return p;
    }
    CRect ReadRect()
    {
        CRect r;
        *this >> r;
        return r;
    }
    CString ReadCString()
    {
        CString s;
        *this >> s;
        return s;
    }
    // A signed record count for records of at least minRecordSize bytes each.
    // A count of zero or less gives 0; a count that the remaining bytes cannot
    // hold raises the end-of-file exception at once, so that a damaged count
    // never drives a long loop or a large allocation.
    int32_t ReadCount(size_t minRecordSize);

    // Text lines: WriteString writes the bytes as they are (the caller adds
    // the line feed); ReadString reads up to and without the line feed, drops
    // a carriage return before it, and returns false when nothing was left.
    void WriteString(const CString& s);
    bool ReadString(CString& line);

    // Reads one byte; -1 at the end of the input.
    int ReadByte();
    // The next byte without consuming it; -1 at the end of the input.
    int PeekByte() const;

private:
    void RequireLoading() const;
    void RequireStoring() const;
    uint32_t ReadStringLength();

    Mode m_mode;
    std::vector<uint8_t> m_buffer;  // store: output; load: owned input
    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
};
