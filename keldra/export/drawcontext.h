// CDrawContext: what item drawing needs to know besides the items.
//
// The colour tables, the display switches of the item groups and the few
// settings that change drawing live here, in one plain object that the
// caller fills: the editor from its option pages, the exporters from the
// settings store (LoadSettings) and their own options, tests by hand.  The
// drawing code only reads it.  Colours are looked up by index through
// Color(), which applies the output mode that DrawSheet selects for the
// sheet at hand (screen or print, the sheet's type, a net highlight).
#pragma once

#include <array>
#include <functional>

#include "base/dc.h"
#include "base/string.h"

class CProfile;

// Colour indices of the tables.
namespace colorindex {
constexpr int kWire = 1, kWireName = 2, kBus = 3, kBusName = 4, kLine = 5, kLineName = 6;
constexpr int kJunc = 7, kPartOutline = 8, kPartRef = 9, kPartName = 10, kPin = 11;
constexpr int kPinNo = 12, kPinName = 13, kText = 14, kHighlight = 19, kPartValue = 20;
} // namespace colorindex

// Which item groups are drawn.  A title-block sheet shows every group.
struct CDisplaySwitches {
    bool wires = true, wireNames = true;
    bool buses = true, busNames = true;
    bool lines = true, lineNames = true; // plain lines and arcs
    bool texts = true;
    bool pins = true, pinNames = true, pinNumbers = true;
    bool parts = true;
    bool junctions = true;
};

class CDrawContext {
public:
    enum class Output { Screen, Print };
    static constexpr int kColorCount = 32;
    using ColorTable = std::array<COLORREF, kColorCount>;

    CDrawContext();

    // Reads the drawing settings from the store: Default/FontE, FontJ,
    // PropFrame; Printer/Color, Hide, PinX; FileSave/EMFTextBUG.
    void LoadSettings(CProfile& profile);

    // Chooses the colour mode for one sheet (DrawSheet calls it): a net
    // highlight dims the screen colours.
    void SelectSheet(int sheetType, bool highlight);
    // The colour of an index in the selected mode.
    COLORREF Color(int index) const;
    bool IsPrinting() const { return output == Output::Print; }
    // The not-connected crosses of part pins: always on the screen and in
    // documents (PDF, SVG), on paper as Printer/PinX says.
    bool DrawsPinCrosses() const { return !IsPrinting() || printPinX || document; }

    // The text drawn for a free text of a sheet when printing, and always
    // on a title block: the sheet's property substitution.  Identity when
    // not set.
    CString PrintForm(const CString& text) const { return printForm ? printForm(text) : text; }

    Output output = Output::Screen;
    CDisplaySwitches show;
    ColorTable screenColors;
    ColorTable printColors;
    COLORREF background = RGB(255, 255, 255);
    COLORREF titleColor = RGB(128, 128, 128); // title block on the screen
    COLORREF printTitleColor = RGB(0, 0, 0);  // title block when printed
    bool printInColor = false;                // Printer/Color: else everything printed black
    bool printHidden = false;                 // Printer/Hide: print texts marked "not printed"
    bool printPinX = false;                   // Printer/PinX: print the open-pin crosses
    bool emfTextBug = false;                  // FileSave/EMFTextBUG
    // Drawing a document file (PDF, SVG) rather than paper: arrow heads of
    // lines are filled notched heads and the open-pin crosses are drawn.
    bool document = false;
    bool propFrame = true; // Default/PropFrame: frames of shown properties on the screen
    CString fontE = "Arial";
    CString fontJ; // "ＭＳ ゴシック" unless set
    // On the screen, texts smaller than this many sheet units (too small to
    // read at the current zoom) are drawn as a bar over their rectangle; 0
    // draws every text.
    int greekBelow = 0;
    // The current command moves attribute texts: the open-pin marks are not
    // recomputed while it runs.
    bool movingAttribute = false;
    std::function<CString(const CString&)> printForm;

    // Set by SelectSheet.
    int sheetType = 0;
    bool dimmed = false;
};

// The face of the default Japanese font, "ＭＳ ゴシック" in CP932.
CString DefaultJapaneseFace();
