// Sheets to a PDF document: one page per sheet, drawn as on paper.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

#include "base/string.h"
#include "export/drawcontext.h"

class CPDF;
class CSheet;

// One page: the drawing, its title block (may be null) and the document's
// sheet size.
struct CPdfSheet {
    const CSheet* main = nullptr;
    const CSheet* title = nullptr;
    int sizeIndex = 2;
    int width = 0;
    int height = 0;
};

// The options of the PDF command (the job in the application fills them
// from the settings section "PDF").
struct CPdfOptions {
    CString title, subject, author;
    bool titleInclude = true;   // page area from the title block
    double up = 15, left = 15;  // margins, millimetres
    CString scale = "1.0";
    bool background = false;
    bool color = false;
    bool titleShown = true;     // Sheet/TitleDisp: draw the title block
    std::time_t created = 0;    // 0: now (or SOURCE_DATE_EPOCH)
};

// Draws one sheet as a page of pdf.
void AddPdfPage(CPDF& pdf, const CPdfSheet& sheet, const CPdfOptions& options, const CDrawContext& base);
// The whole document for the sheets, in memory.
std::vector<uint8_t> RenderSheetsToPdf(const std::vector<CPdfSheet>& sheets, const CPdfOptions& options,
                                       const CDrawContext& base);
