#include "app/settings.h"

#include <strings.h>

#include "base/codepage.h"
#include "base/dc.h"
#include "base/profile.h"

namespace {

constexpr CSettingKey I(const char* section, const char* key, int def, int lo = INT_MIN,
                        int hi = INT_MAX)
{
    return {section, key, CSettingKey::Int, def, "", lo, hi, false};
}
constexpr CSettingKey S(const char* section, const char* key, const char* def = "")
{
    return {section, key, CSettingKey::String, 0, def, INT_MIN, INT_MAX, false};
}
constexpr CSettingKey B(const char* section, const char* key)
{
    return {section, key, CSettingKey::Binary, 0, "", INT_MIN, INT_MAX, false};
}
// Keys whose owner names them without a default: the value here is ours.
constexpr CSettingKey Chosen(CSettingKey k)
{
    k.chosenDefault = true;
    return k;
}

const std::vector<CSettingKey>& BuildTable()
{
    static const std::vector<CSettingKey> table = {
        // FileSave: saving, backups, autosave.
        I("FileSave", "BackUp", 1), I("FileSave", "TitleInclude", 0), I("FileSave", "AutoSave", 0),
        I("FileSave", "FileUpdate", 0), I("FileSave", "Floppy", 1),
        // The option page shows 100, autosave reads 10 when nothing is stored;
        // what the program does is what autosave reads.
        I("FileSave", "UndoCount", 10, 1), I("FileSave", "DelayTime", 5, 1),
        S("FileSave", "SaveFolder"), S("FileSave", "SaveBase"), I("FileSave", "PROJECT", 1),
        I("FileSave", "LibraryBackUp", 1), I("FileSave", "EMFBackDraw", 1),
        I("FileSave", "EMFTextBUG", 0),
        // Sheet: sizes, recent lists, projects, view.
        I("Sheet", "Work", 2, 0, 5), S("Sheet", "Work Width", "23386 16535 11693"),
        S("Sheet", "Work Height", "16535 11693 8268"), I("Sheet", "FullPath", 1),
        I("Sheet", "FMRU", 16, 1, kMaxRecentEntries), I("Sheet", "PMRU", 16, 1, kMaxRecentEntries),
        I("Sheet", "NoProj", 0), I("Sheet", "RevOpen", 0), I("Sheet", "ProjectAllFile", 0),
        I("Sheet", "ProjectAutoLoad", 1), I("Sheet", "ProjectDispMax", 0), I("Sheet", "AutoPan", 0),
        I("Sheet", "AttrMove", 0), I("Sheet", "BarGrid", 0), I("Sheet", "Cursor", 0),
        I("Sheet", "FlatButton", 0), I("Sheet", "GridSize", 7), I("Sheet", "MainGrid", 100, 1),
        I("Sheet", "SubGrid", 50, 1), I("Sheet", "MenuStyle", 0), I("Sheet", "Scroll", 0),
        I("Sheet", "TipHelp", 0), I("Sheet", "TipWireIndex", 1), I("Sheet", "TitleDisp", 1),
        I("Sheet", "WheelScroll", 0), I("Sheet", "ZoomAspect", 20, 20, 60),
        // Tool: project-wide commands and external programs.
        I("Tool", "AutoSave", 0), S("Tool", "Editor", "xdg-open \"%f\""), S("Tool", "ExtProg1"),
        S("Tool", "ExtProg2"), S("Tool", "ExtProg3"), S("Tool", "ExtProg4"), S("Tool", "ExtProg5"),
        S("Tool", "ExtProg6"), S("Tool", "ExtProg7"), S("Tool", "ExtProg8"), S("Tool", "ExtProg9"),
        S("Tool", "ExtProg10"), S("Tool", "ExtProg11"), S("Tool", "ExtProg12"),
        I("Tool", "NetType", 0), I("Tool", "Index", 1), I("Tool", "Html", 0), I("Tool", "NetUnix", 0),
        I("Tool", "View", 1), I("Tool", "Power", 0), I("Tool", "Compo", 0), S("Tool", "Ext"),
        I("Tool", "StartNo", 1), S("Tool", "PCB"), I("Tool", "NetNodeUpper", 0),
        I("Tool", "NetSigUpper", 0), S("Tool", "ListProperty"), I("Tool", "PartCount", 0),
        I("Tool", "PartNoMakeType", 0), I("Tool", "PartNoStep", 0), I("Tool", "PartTopRefNo", 1),
        I("Tool", "RefPageOffset", 0), I("Tool", "EachSheet", 0), I("Tool", "SimpleWasis", 0),
        I("Tool", "IndexSingle", 1), I("Tool", "IndexXY", 0), I("Tool", "IndexHtml", 0),
        I("Tool", "IndexView", 1),
        // CleanSection: the check-sheets command and the clean-up pass.
        I("CleanSection", "CleanLine", 1), I("CleanSection", "WireJunc", 0),
        I("CleanSection", "View", 1), I("CleanSection", "Html", 0), I("CleanSection", "BySheet", 0),
        I("CleanSection", "Miss", 0), I("CleanSection", "Over", 0),
        // MakePart: defaults of the next Make Part, remembered by Part Decomposition.
        I("MakePart", "NameDisp", 1), S("MakePart", "Name"), I("MakePart", "RefDisp", 1),
        Chosen(S("MakePart", "Ref", "U")), I("MakePart", "ValDisp", 1), Chosen(S("MakePart", "Val")),
        Chosen(I("MakePart", "Max", 0)), I("MakePart", "Pack", 0), I("MakePart", "Attr", 0),
        I("MakePart", "HidePowerPin", 1), Chosen(I("MakePart", "PartCount", 0)),
        // Default: new items.
        I("Default", "Text Height", 70), I("Default", "Text H Base", 0),
        I("Default", "Text V Base", 2), I("Default", "Text Direction", 0),
        I("Default", "Text FEP Control", 0), I("Default", "Pin Length", 200),
        I("Default", "Pin Electric Type", 0), I("Default", "Pin NCX", 0), I("Default", "Pin OpenX", 0),
        I("Default", "LineType", 0), I("Default", "StartArrow", 0), I("Default", "EndArrow", 0),
        I("Default", "PropFrame", 1), I("Default", "WireAttrHeight", 70),
        I("Default", "BusAttrHeight", 70), I("Default", "LineAttrHeight", 70),
        I("Default", "PinNameAttrHeight", 70), I("Default", "PinNoAttrHeight", 70),
        I("Default", "PartNameAttrHeight", 65), I("Default", "PartRefAttrHeight", 65),
        I("Default", "PartValueAttrHeight", 65), S("Default", "FontE", "Arial"),
        S("Default", "FontJ", "ＭＳ ゴシック"), S("Default", "Part VCC"), S("Default", "Part GND"),
        I("Default", "WireWidth", 8), I("Default", "PowerWidth", 16), I("Default", "BusWidth", 24),
        I("Default", "LineWidth", 8),
        // Text: remembered text attributes.
        I("Text", "Remember Attr", 0), I("Text", "Text Font", 0), B("Text", "Font"),
        I("Text", "Text Height", 70), I("Text", "Text H Base", 0), I("Text", "Text V Base", 2),
        I("Text", "Text Direction", 0), I("Text", "Printable", 1), I("Text", "Text Frame", 0),
        // CopyIncrement: copy and edit page.
        I("CopyIncrement", "PartRef", 1), I("CopyIncrement", "PartRefEnable", 1),
        I("CopyIncrement", "PinNo", 1), I("CopyIncrement", "PinNoEnable", 1),
        I("CopyIncrement", "PinName", 1), I("CopyIncrement", "PinNameEnable", 1),
        I("CopyIncrement", "WireName", 1), I("CopyIncrement", "WireNameEnable", 1),
        Chosen(I("CopyIncrement", "BusName", 1)), I("CopyIncrement", "BusNameEnable", 1),
        I("CopyIncrement", "LineName", 1), I("CopyIncrement", "LineNameEnable", 1),
        I("CopyIncrement", "Text", 1), I("CopyIncrement", "TextEnable", 0),
        I("CopyIncrement", "LineRing", 0), I("CopyIncrement", "PinRing", 1),
        I("CopyIncrement", "TextRing", 1), I("CopyIncrement", "LineReEdit", 1),
        I("CopyIncrement", "PinReEdit", 1), I("CopyIncrement", "LineAP", 0),
        I("CopyIncrement", "IndexJump", 1), I("CopyIncrement", "OrderRef", 0),
        I("CopyIncrement", "OrderOff", 1),
        // Line: line input page.
        I("Line", "WireAutoLock", 0), I("Line", "WireLockMode", 0), I("Line", "BusAutoLock", 0),
        I("Line", "BusLockMode", 1), I("Line", "LineAutoLock", 0), I("Line", "LineLockMode", 2),
        I("Line", "ArcAutoLock", 0), I("Line", "ArcLockMode", 0), I("Line", "MidLineLock", 0),
        I("Line", "PathLine", 0), I("Line", "PinEnd", 0),
        // Printer.
        I("Printer", "AutoScale", 1, 0, 2), I("Printer", "Color", 0), I("Printer", "Grid", 0),
        I("Printer", "Hide", 0), I("Printer", "PinX", 0), I("Printer", "WhiteGray", 0),
        I("Printer", "Dir", 0), B("Printer", "UpOffset"), B("Printer", "RightOffset"),
        // Color, Find.
        I("Color", "Cursor", 0xffffff),
        // The display colours, 0xBBGGRR; the colour page edits them.
        Chosen(I("Color", "Background", int(RGB(255, 255, 255)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Grid", int(RGB(128, 128, 128)), 0, 0xFFFFFF)),
        Chosen(I("Color", "SubGrid", int(RGB(192, 192, 192)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Wire", int(RGB(0, 128, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "WireName", int(RGB(0, 96, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Bus", int(RGB(0, 0, 255)), 0, 0xFFFFFF)),
        Chosen(I("Color", "BusName", int(RGB(0, 0, 160)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Line", int(RGB(64, 64, 64)), 0, 0xFFFFFF)),
        Chosen(I("Color", "LineName", int(RGB(64, 64, 64)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Junction", int(RGB(0, 128, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "PartOutline", int(RGB(128, 0, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "PartRef", int(RGB(0, 0, 128)), 0, 0xFFFFFF)),
        Chosen(I("Color", "PartName", int(RGB(0, 0, 128)), 0, 0xFFFFFF)),
        Chosen(I("Color", "PartValue", int(RGB(0, 0, 128)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Pin", int(RGB(128, 0, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "PinNo", int(RGB(96, 96, 96)), 0, 0xFFFFFF)),
        Chosen(I("Color", "PinName", int(RGB(0, 0, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Text", int(RGB(0, 0, 0)), 0, 0xFFFFFF)),
        Chosen(I("Color", "Highlight", int(RGB(255, 0, 255)), 0, 0xFFFFFF)),
        I("Find", "Target", 770), I("Find", "AllSheet", 1),
        I("Find", "Hide", 0), I("Find", "MatchCase", 0), I("Find", "SelectItem", 0),
        I("Find", "Word", 0),
        // PDF command.
        I("PDF", "TitleInclude", 1), I("PDF", "Up", 15), I("PDF", "Left", 15),
        S("PDF", "Scale", "1.0"), I("PDF", "Proj", 0), I("PDF", "AllFile", 0), I("PDF", "Back", 0),
        I("PDF", "Color", 0), I("PDF", "View", 1),
        // Part input dialog, libraries.
        I("Recent Part List", "NameDisp", 2), I("Recent Part List", "RefDisp", 2),
        I("Recent Part List", "ValDisp", 2), I("Library File List", "Index", 0),
        I("Library Convert", "Type", 0), S("Library Convert", "SourceFileName"),
        S("Library Convert", "DestFileName"),
        // Settings: window and dialog state.
        I("Settings", "FilterIndex", 1, 1, 5), Chosen(I("Settings", "EnvPage", 0)),
        Chosen(S("Settings", "WindowPos")), I("Settings", "Shell", 1),
        // The editor's language: "ja", "en", empty for the system locale.
        Chosen(S("Settings", "Language")),
    };
    return table;
}

}  // namespace

const std::vector<CSettingKey>& SettingsTable()
{
    return BuildTable();
}

const CSettingKey* FindSetting(const char* section, const char* key)
{
    for (const CSettingKey& entry : SettingsTable())
        if (strcasecmp(entry.section, section) == 0 && strcasecmp(entry.key, key) == 0)
            return &entry;
    return nullptr;
}

int ClampSetting(const CSettingKey& entry, int value)
{
    return value < entry.minValue ? entry.minValue : value > entry.maxValue ? entry.maxValue : value;
}

int SettingInt(const char* section, const char* key)
{
    const CSettingKey* entry = FindSetting(section, key);
    if (!entry)
        return Profile().GetInt(section, key, 0);
    return ClampSetting(*entry, Profile().GetInt(section, key, entry->intDefault));
}

CString SettingDefaultString(const char* section, const char* key)
{
    const CSettingKey* entry = FindSetting(section, key);
    return entry ? FromUtf8(entry->textDefault) : CString();
}

CString SettingString(const char* section, const char* key)
{
    return Profile().GetString(section, key, SettingDefaultString(section, key));
}
