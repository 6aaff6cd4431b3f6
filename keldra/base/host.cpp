#include "base/host.h"

#include <iterator>

#include "base/codepage.h"

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

CString ProgressPhaseText(ProgressPhase phase)
{
    static const char* const kTexts[] = {
        "ピングループ作成中", "ワイヤーグループ作成中", "ネットソート中", "データ整理中",
        "データ読込み中",     "部品データソート中",     "データ出力中",   "インデックス作成中",
    };
    const int index = int(phase);
    if (index < 0 || index >= int(std::size(kTexts)))
        return CString();
    return FromUtf8(kTexts[index]);
}

void BeginProgressPhase(ProgressPhase phase, int steps)
{
    Host().ProgressBegin(ProgressPhaseText(phase), steps);
}
