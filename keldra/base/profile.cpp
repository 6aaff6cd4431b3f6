#include "base/profile.h"

#include "base/iniprofile.h"

namespace {

std::unique_ptr<CProfile>& Slot()
{
    static std::unique_ptr<CProfile> profile;
    return profile;
}

}  // namespace

CProfile& Profile()
{
    std::unique_ptr<CProfile>& slot = Slot();
    if (!slot)
        slot = std::make_unique<IniProfile>(DefaultProfilePath());
    return *slot;
}

std::unique_ptr<CProfile> SetProfile(std::unique_ptr<CProfile> profile)
{
    std::unique_ptr<CProfile> previous = std::move(Slot());
    Slot() = std::move(profile);
    return previous;
}

CScopedProfile::CScopedProfile(std::unique_ptr<CProfile> profile) : m_previous(SetProfile(std::move(profile))) {}

CScopedProfile::~CScopedProfile()
{
    SetProfile(std::move(m_previous));
}
