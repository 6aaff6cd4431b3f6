// CSchematicFile: the whole schematic file - the header line naming format
// and version, the document header, the main sheet and optionally the
// title-block sheet.
//
// The writer always produces the newest version (8); the reader accepts
// versions 0 to 8 and refuses newer files with a message through the host.
// Damaged content raises CArchiveException; the caller discards what it read.
#pragma once

#include <vector>

#include "base/rect.h"
#include "base/string.h"

class CArchive;
class CSheet;

// The document members the file header carries.
struct CDocumentHeader {
    int version = 8;                  // the version of the file last read
    std::vector<CString> properties;  // "&Author&...", "&Comment&...", "&TitleFile&..."
    int width = 0;                    // drawing area in sheet units
    int height = 0;
    int sizeCode = 1;                 // 0..2 A2..A4 landscape, 3..5 A2..A4 portrait
    CRect visibleArea;                // the part of the sheet the view showed
};

class CSchematicFile {
public:
    static constexpr int kVersion = 8;
    static constexpr const char* kHeaderLine = "VIREO DATA FILE Ver 0.08";

    enum class ReadStatus {
        Ok,
        NotSchematic,        // the first line does not name the format (no message)
        UnsupportedVersion,  // version 9 or newer (the host was told)
    };

    // Reads a whole file into target.  The header's size and size code are
    // always taken; the property list only when target is not a title-block
    // sheet (type 1), the visible area only when target is a drawing sheet
    // (type 0).  target keeps its own sheet type.  A title-block sheet stored
    // after the main sheet goes into title (skipped when title is null).  The
    // header's version becomes the file's, except for a target that is not a
    // drawing sheet, after which the previous version is put back.
    // titleStored, when given, tells whether the file held a title-block
    // sheet (an empty one included).
    static ReadStatus Read(CArchive& ar, CDocumentHeader& header, CSheet& target, CSheet* title,
                           bool* titleStored = nullptr);

    // Writes a whole version 8 file; the title-block sheet is written when
    // title is not null.
    static void Write(CArchive& ar, const CDocumentHeader& header, const CSheet& main, const CSheet* title);
    // Writes as the document saves: the title-block sheet only when the
    // setting FileSave/TitleInclude is on.
    static void Save(CArchive& ar, const CDocumentHeader& header, const CSheet& main, const CSheet& title);

    // The version a header line names (its last two characters), or -1 when
    // the line does not contain "VIREO".
    static int ParseVersion(const CString& firstLine);
    // The document header of a given version, after the header line.
    static void ReadHeader(CArchive& ar, int version, CDocumentHeader& header, bool takeProperties,
                           bool takeVisibleArea);
    static void WriteHeader(CArchive& ar, const CDocumentHeader& header);

    // The header of a new document: size code from the setting Sheet/Work
    // (default 1), width and height from Sheet/"Work Width" and "Work Height"
    // (three numbers each, for A2, A3 and A4; portrait sizes swap them), the
    // visible area the whole sheet.
    static CDocumentHeader NewDocumentHeader();
    // The same for a given size code (0..5); an unknown code is the default size.
    static CDocumentHeader NewDocumentHeader(int sizeCode);

    // The title-block file name of a size code: "Title.A3", "Title.A4P", ...
    static CString TitleFileName(int sizeCode);

    // The message shown for a file of a newer version.
    static CString UnsupportedVersionMessage();
};
