#include "base/host.h"

namespace {

std::unique_ptr<CHost>& Slot()
{
    static std::unique_ptr<CHost> host;
    return host;
}

}  // namespace

CHost& Host()
{
    std::unique_ptr<CHost>& slot = Slot();
    if (!slot)
        slot = std::make_unique<CSilentHost>();
    return *slot;
}

std::unique_ptr<CHost> SetHost(std::unique_ptr<CHost> host)
{
    std::unique_ptr<CHost> previous = std::move(Slot());
    Slot() = std::move(host);
    return previous;
}

CScopedHost::CScopedHost(std::unique_ptr<CHost> host) : m_previous(SetHost(std::move(host))) {}

CScopedHost::~CScopedHost()
{
    SetHost(std::move(m_previous));
}
