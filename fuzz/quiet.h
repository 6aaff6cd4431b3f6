// Fuzz targets run without settings on disk and without anyone to ask.
#pragma once

#include <memory>

#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"

inline bool QuietSetup()
{
    SetProfile(std::make_unique<MemoryProfile>());
    SetHost(std::make_unique<CSilentHost>());
    return true;
}
