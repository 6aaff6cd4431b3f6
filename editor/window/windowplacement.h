// The main window's placement as the settings keep it (Settings/WindowPos):
// "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".
#pragma once

#include <optional>
#include <string>

struct CWindowPlacement {
    enum Show { Normal = 1, Minimized = 2, Maximized = 3 };
    unsigned flags = 0;
    unsigned show = Normal;
    int minX = -1, minY = -1, maxX = -1, maxY = -1;
    int left = 0, top = 0, right = 0, bottom = 0; // the normal (restored) frame

    std::string Format() const;
    // Nothing for a text that is not ten numbers or whose frame is empty or
    // absurdly large (a damaged setting must not put the window nowhere).
    static std::optional<CWindowPlacement> Parse(const std::string& text);
};
