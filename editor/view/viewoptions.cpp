#include "editor/view/viewoptions.h"

#include "app/settings.h"

void CViewOptions::Load()
{
    zoomAspect = SettingInt("Sheet", "ZoomAspect");
    gridSize = SettingInt("Sheet", "GridSize");
    mainGrid = SettingInt("Sheet", "MainGrid");
    subGrid = SettingInt("Sheet", "SubGrid");
    titleDisp = SettingInt("Sheet", "TitleDisp") != 0;
    scrollRepaint = SettingInt("Sheet", "Scroll") != 0;
    attrMove = SettingInt("Sheet", "AttrMove");
    wheelScroll = SettingInt("Sheet", "WheelScroll") != 0;
    cursorSetting = SettingInt("Sheet", "Cursor");
    cursorColor = COLORREF(SettingInt("Color", "Cursor")) & 0xFFFFFF;
    for (const CDisplayColorKey& c : DisplayColorKeys()) {
        const COLORREF value = COLORREF(SettingInt("Color", c.key)) & 0xFFFFFF;
        switch (c.target) {
        case CDisplayColorKey::Item:
            screenColors[size_t(c.index)] = value;
            break;
        case CDisplayColorKey::Background:
            background = value;
            break;
        case CDisplayColorKey::Grid:
            gridColor = value;
            break;
        case CDisplayColorKey::SubGrid:
            subGridColor = value;
            break;
        case CDisplayColorKey::Cursor:
            cursorColor = value;
            break;
        }
    }
    gridPitch = mainGrid;
    ++generation;
}

void CViewOptions::Reload()
{
    const bool onSub = gridPitch == subGrid && subGrid != mainGrid;
    Load();
    if (onSub)
        gridPitch = subGrid;
}

const std::vector<CDisplayColorKey>& DisplayColorKeys()
{
    using K = CDisplayColorKey;
    using namespace colorindex;
    static const std::vector<CDisplayColorKey> keys = {
        {"Background", K::Background, 0},
        {"Grid", K::Grid, 0},
        {"SubGrid", K::SubGrid, 0},
        {"Cursor", K::Cursor, 0},
        {"Wire", K::Item, kWire},
        {"WireName", K::Item, kWireName},
        {"Bus", K::Item, kBus},
        {"BusName", K::Item, kBusName},
        {"Line", K::Item, kLine},
        {"LineName", K::Item, kLineName},
        {"Junction", K::Item, kJunc},
        {"PartOutline", K::Item, kPartOutline},
        {"PartRef", K::Item, kPartRef},
        {"PartName", K::Item, kPartName},
        {"PartValue", K::Item, kPartValue},
        {"Pin", K::Item, kPin},
        {"PinNo", K::Item, kPinNo},
        {"PinName", K::Item, kPinName},
        {"Text", K::Item, kText},
        {"Highlight", K::Item, kHighlight},
    };
    return keys;
}
