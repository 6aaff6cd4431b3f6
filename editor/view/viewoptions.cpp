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
    gridPitch = mainGrid;
}
