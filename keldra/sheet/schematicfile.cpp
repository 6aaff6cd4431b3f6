// The whole schematic file around the sheet records.
//
//   "VIREO DATA FILE Ver 0.08" LF
//   [v7+] int 900, int n, n strings          the document's property list
//   int 1, int width, int height, int size code
//   [v4+] int 2, rect visible area           (older files: the whole sheet)
//   sheet record                             the main sheet
//   [int 1, sheet record]                    the title block, when included
//   int 0
//
// The version is the number in the last two characters of the first line.
// Older layouts differ only in what the header and the item records hold; the
// item readers take the version and decide for themselves.

#include "sheet/schematicfile.h"

#include <cstdlib>

#include "base/archive.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "items/recordline.h"
#include "sheet/sheet.h"

namespace {

constexpr int kPropertyMarker = 900;
constexpr int kSizeMarker = 1;
constexpr int kAreaMarker = 2;
constexpr int kTitleFollows = 1;
constexpr int kDefaultSizeCode = 1; // A3 landscape
constexpr int kSizeCodes = 6;

// Puts a sheet's own type back after a read, also when the read fails.
class KeepSheetType {
public:
    explicit KeepSheetType(CSheet& sheet) : m_sheet(sheet), m_type(sheet.GetSheetType()) {}
    ~KeepSheetType() { m_sheet.SetSheetType(m_type); }
    KeepSheetType(const KeepSheetType&) = delete;
    KeepSheetType& operator=(const KeepSheetType&) = delete;

private:
    CSheet& m_sheet;
    int m_type;
};

// Up to three numbers of a "%u %u %u" setting; the ones missing stay 0.
// Values are clamped into the coordinate range (a negative number is 0).
void ParseSizes(const CString& text, int out[3])
{
    int64_t v[3] = {0, 0, 0};
    const int n = ScanRecordNumbers(text.c_str(), v, 3);
    for (int i = 0; i < n; ++i)
        out[i] = v[i] < 0 ? 0 : ClampCoord(v[i]);
}

} // namespace

CSchematicFile::ReadStatus CSchematicFile::Read(CArchive& ar, CDocumentHeader& header,
                                                CSheet& target, CSheet* title, bool* titleStored)
{
    if (titleStored)
        *titleStored = false;
    CString first;
    ar.ReadString(first);
    const int version = ParseVersion(first);
    if (version < 0)
        return ReadStatus::NotSchematic;
    if (version > kVersion) {
        Host().Message(UnsupportedVersionMessage());
        return ReadStatus::UnsupportedVersion;
    }

    const int targetType = target.GetSheetType();
    ReadHeader(ar, version, header, targetType != CSheet::kTitle, targetType == CSheet::kDrawing);

    // The sheet reader takes the version from the header.  Only the drawing
    // sheet decides what version the document is; a title block read from its
    // own file leaves it as it was, whether the read succeeds or not.
    const int previousVersion = header.version;
    header.version = version;
    struct RestoreVersion {
        CDocumentHeader& header;
        int previous;
        bool active;
        ~RestoreVersion()
        {
            if (active)
                header.version = previous;
        }
    } restore{header, previousVersion, targetType != CSheet::kDrawing};

    {
        const KeepSheetType keep(target);
        target.DataRead(ar, header.version);
    }
    if (ar.ReadInt() == kTitleFollows) {
        CSheet dropped;
        CSheet& titleSheet = title ? *title : dropped;
        {
            const KeepSheetType keep(titleSheet);
            titleSheet.DataRead(ar, version);
        }
        ar.ReadInt(); // the closing 0
        if (titleStored)
            *titleStored = true;
    }
    return ReadStatus::Ok;
}

void CSchematicFile::Write(CArchive& ar, const CDocumentHeader& header, const CSheet& main,
                           const CSheet* title)
{
    ar.WriteString(CString(kHeaderLine) + "\n");
    WriteHeader(ar, header);
    main.DataWrite(ar);
    if (title) {
        ar << int32_t(kTitleFollows);
        title->DataWrite(ar);
    }
    ar << int32_t(0);
}

void CSchematicFile::Save(CArchive& ar, const CDocumentHeader& header, const CSheet& main,
                          const CSheet& title)
{
    const bool includeTitle = Profile().GetInt("FileSave", "TitleInclude", 0) != 0;
    Write(ar, header, main, includeTitle ? &title : nullptr);
}

int CSchematicFile::ParseVersion(const CString& firstLine)
{
    if (firstLine.Find("VIREO") < 0)
        return -1;
    // atoi of the last two characters ("08" gives 8, anything else what atoi
    // makes of it); a negative number names no version.
    const int version = std::atoi(firstLine.Right(2).c_str());
    return version < 0 ? -1 : version;
}

void CSchematicFile::ReadHeader(CArchive& ar, int version, CDocumentHeader& header,
                                bool takeProperties, bool takeVisibleArea)
{
    std::vector<CString> properties;
    if (version >= 7) {
        ar.ReadInt(); // 900
        for (int32_t n = ar.ReadCount(1); n > 0; --n)
            properties.push_back(ar.ReadCString());
    }
    ar.ReadInt(); // 1
    const int width = ar.ReadInt();
    const int height = ar.ReadInt();
    const int sizeCode = ar.ReadInt();
    RequireStoredCoord(width);
    RequireStoredCoord(height);
    CRect visible(0, 0, width, height);
    if (version >= 4) {
        ar.ReadInt(); // 2
        visible = ar.ReadRect();
        // What the view showed may reach past the sheet.
        RequireStoredExtent(visible.TopLeft());
        RequireStoredExtent(visible.BottomRight());
    }

    header.width = width;
    header.height = height;
    header.sizeCode = sizeCode;
    if (takeProperties)
        header.properties = std::move(properties);
    if (takeVisibleArea)
        header.visibleArea = visible;
}

void CSchematicFile::WriteHeader(CArchive& ar, const CDocumentHeader& header)
{
    ar << int32_t(kPropertyMarker) << int32_t(header.properties.size());
    for (const CString& property : header.properties)
        ar << property;
    ar << int32_t(kSizeMarker) << int32_t(header.width) << int32_t(header.height)
       << int32_t(header.sizeCode);
    ar << int32_t(kAreaMarker) << header.visibleArea;
}

CDocumentHeader CSchematicFile::NewDocumentHeader()
{
    return NewDocumentHeader(Profile().GetInt("Sheet", "Work", kDefaultSizeCode));
}

CDocumentHeader CSchematicFile::NewDocumentHeader(int code)
{
    CProfile& profile = Profile();
    CDocumentHeader header;
    header.version = kVersion;
    // A size code the program does not know would index past the three
    // paper sizes; such a setting gets the default size.
    if (code < 0 || code >= kSizeCodes)
        code = kDefaultSizeCode;
    // Paper sizes A2, A3 and A4 in mils, landscape.
    int widths[3] = {0, 0, 0};
    int heights[3] = {0, 0, 0};
    ParseSizes(profile.GetString("Sheet", "Work Width", "23386 16535 11693"), widths);
    ParseSizes(profile.GetString("Sheet", "Work Height", "16535 11693 8268"), heights);
    if (code < 3) {
        header.width = widths[code];
        header.height = heights[code];
    } else {
        header.width = heights[code - 3];
        header.height = widths[code - 3];
    }
    header.sizeCode = code;
    header.visibleArea = CRect(0, 0, header.width, header.height);
    return header;
}

CString CSchematicFile::TitleFileName(int sizeCode)
{
    // A code no file can legitimately hold gets the default size's title block.
    if (sizeCode < 0 || sizeCode >= kSizeCodes)
        sizeCode = kDefaultSizeCode;
    return sizeCode < 3 ? CString::Formatted("Title.A%d", sizeCode + 2)
                        : CString::Formatted("Title.A%dP", sizeCode - 1);
}

CString CSchematicFile::UnsupportedVersionMessage()
{
    return FromUtf8("サポートしていないバージョンのデータファイルです。\nＶＩＲＥＯのバージョンを上"
                    "げて下さい。");
}
