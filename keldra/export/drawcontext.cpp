#include "export/drawcontext.h"

#include "base/profile.h"

namespace {

// The colours a new installation starts with, by index (unused entries black).
CDrawContext::ColorTable DefaultColors()
{
    CDrawContext::ColorTable t{};
    t[colorindex::kWire] = RGB(0, 128, 0);
    t[colorindex::kWireName] = RGB(0, 96, 0);
    t[colorindex::kBus] = RGB(0, 0, 255);
    t[colorindex::kBusName] = RGB(0, 0, 160);
    t[colorindex::kLine] = RGB(64, 64, 64);
    t[colorindex::kLineName] = RGB(64, 64, 64);
    t[colorindex::kJunc] = RGB(0, 128, 0);
    t[colorindex::kPartOutline] = RGB(128, 0, 0);
    t[colorindex::kPartRef] = RGB(0, 0, 128);
    t[colorindex::kPartName] = RGB(0, 0, 128);
    t[colorindex::kPin] = RGB(128, 0, 0);
    t[colorindex::kPinNo] = RGB(96, 96, 96);
    t[colorindex::kPinName] = RGB(0, 0, 0);
    t[colorindex::kText] = RGB(0, 0, 0);
    t[colorindex::kHighlight] = RGB(255, 0, 255);
    t[colorindex::kPartValue] = RGB(0, 0, 128);
    return t;
}

COLORREF Halved(COLORREF c)
{
    return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

}  // namespace

CString DefaultJapaneseFace()
{
    return CString("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
}

CDrawContext::CDrawContext()
    : screenColors(DefaultColors()), printColors(DefaultColors()), fontJ(DefaultJapaneseFace())
{
}

void CDrawContext::LoadSettings(CProfile& profile)
{
    fontE = profile.GetString("Default", "FontE", "Arial");
    fontJ = profile.GetString("Default", "FontJ", DefaultJapaneseFace());
    propFrame = profile.GetInt("Default", "PropFrame", 1) != 0;
    printInColor = profile.GetInt("Printer", "Color", 0) != 0;
    printHidden = profile.GetInt("Printer", "Hide", 0) != 0;
    printPinX = profile.GetInt("Printer", "PinX", 0) != 0;
    emfTextBug = profile.GetInt("FileSave", "EMFTextBUG", 0) != 0;
}

void CDrawContext::SelectSheet(int type, bool highlight)
{
    sheetType = type;
    dimmed = output == Output::Screen && highlight;
}

COLORREF CDrawContext::Color(int index) const
{
    const auto entry = [](const ColorTable& t, int i) { return i >= 0 && i < kColorCount ? t[size_t(i)] : 0; };
    if (output == Output::Screen) {
        if (dimmed)
            return index == colorindex::kHighlight ? entry(screenColors, index) : Halved(entry(screenColors, index));
        switch (sheetType) {
        case 1: return titleColor;
        case 2: return ~background & 0xFFFFFF;
        default: return entry(screenColors, index);
        }
    }
    if (sheetType == 1)
        return printTitleColor;
    return printInColor ? entry(printColors, index) : RGB(0, 0, 0);
}
