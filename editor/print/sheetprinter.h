// CSheetPrinter: prints sheets through a QPrinter (a CUPS printer or a PDF
// file), one print job for one sheet or for every sheet of a project, each
// sheet laid out by CPrintLayout with the settings of section "Printer".
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

#include "editor/print/printlayout.h"
#include "export/drawcontext.h"

class CSheet;
class CVIREODoc;
class QPainter;
class QPrinter;

struct CPrintSheet {
    const CSheet* main = nullptr;
    const CSheet* title = nullptr; // null: no title block
    int width = 0, height = 0;
    int sizeIndex = 2;

    static CPrintSheet Of(const CVIREODoc& doc);
};

struct CPrintOptions {
    int autoScale = 1;
    bool dir = false;
    bool grid = false;
    int mainGrid = 100;
    bool titleDisp = true;
    std::vector<unsigned char> upOffset, rightOffset;

    // Section "Printer" of the settings, "MainGrid" and "TitleDisp" of "Sheet".
    static CPrintOptions Load();
};

class CSheetPrinter {
public:
    CSheetPrinter(const CDrawContext& base, const CPrintOptions& options);

    // The paper, orientation and page count of a sheet on this printer;
    // with setPaper the printer's paper and orientation are set for it
    // (only possible before the job starts: the later sheets of a project
    // go onto the paper of the first).
    CPrintLayout Prepare(QPrinter& printer, const CPrintSheet& sheet, bool setPaper) const;
    // Prints the sheets as one job; false when the printer cannot start.
    bool Print(QPrinter& printer, const std::vector<CPrintSheet>& sheets) const;
    // Draws one page of a prepared layout (also for the preview).
    void DrawPage(QPainter& painter, const CPrintSheet& sheet, const CPrintLayout& layout, int page,
                  const QRectF& printable) const;

    static CPrinterPaper PaperOf(const QPrinter& printer);

private:
    CDrawContext m_ctx;
    CPrintOptions m_options;
};
