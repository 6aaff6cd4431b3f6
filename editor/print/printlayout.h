// CPrintLayout: how one sheet goes onto paper - the paper and orientation,
// the number of pages and, for each page, where the sheet lies on it.
//
// Three ways, chosen by the setting Printer/AutoScale:
//   0  the whole sheet fitted onto one page; with Printer/Dir the paper
//      turns landscape for the landscape sizes (0 to 2) and portrait for
//      the portrait ones (3 to 5);
//   1  true scale on the paper of the sheet's own size when the printer
//      has it; otherwise tiled, 2 pages (A2 on A3, A3 on A4) or 4 (A2 on
//      A4): page 1 the top-left part, page 2 the part to its right for a
//      landscape sheet (below it for a portrait one), page 3 the other of
//      the two, page 4 the diagonal part;
//   2  true scale tiled over as many pages as needed, left to right, then
//      the next row down, on the paper in the printer.
// The print offsets (Printer/UpOffset and RightOffset, one signed step of
// 39 sheet units per sheet size) shift the drawing on the paper.
//
// Everything is in sheet units (thousandths of an inch) and device pixels;
// no printer is needed, so the rules are tested without one.
#pragma once

#include <vector>

enum class PaperSize { A2, A3, A4, Other };

struct CPrintPage {
    // Device pixel = (originX + x * scale, originY - y * scale) on the
    // printable area of the page.
    double scale = 1;
    double originX = 0;
    double originY = 0;
};

struct CPrinterPaper {
    int dpi = 600;
    // The printable area of the current paper in its current orientation (pixels).
    int printableWidth = 0;
    int printableHeight = 0;
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    std::vector<PaperSize> available; // the printer's papers (empty: A4 only)
};

struct CPrintLayout {
    // What the printer is to be set to before printing.
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    int pages = 1;
    bool tiled = false;

    // Chooses the paper and the orientation (before the printable area is known).
    static CPrintLayout Prepare(int autoScale, bool dir, int sizeIndex, int width, int height,
                                const CPrinterPaper& printer);
    // The pages on the paper as set up; offsets in 39-unit steps.
    void Begin(int autoScale, int width, int height, int rightOffset, int upOffset,
               const CPrinterPaper& printer);
    // Page n (from 0).
    CPrintPage Page(int n) const;

    // --- set by Begin
    int autoScale = 1;
    int sheetWidth = 0, sheetHeight = 0;
    int dx = 0, dy = 0;                // the drawing's shift on the paper (sheet units)
    int pageWidth = 0, pageHeight = 0; // the sheet units one page shows (true scale)
    int columns = 1, rows = 1;
    bool rowFirst = true; // tiled pages run along a row first
    double scale = 1;
    int printableHeight = 0;
};

// The paper that a sheet size index (0 to 5: A2, A3, A4, then the same
// portrait) is drawn for.
PaperSize PaperOfSize(int sizeIndex);
// The signed offset step of a size from an entry of six signed bytes; 0
// when the entry is shorter.
int OffsetStep(const std::vector<unsigned char>& entry, int sizeIndex);
