#include "app/datafolder.h"

#include <cstdlib>
#include <system_error>

#include <unistd.h>

#ifndef VIREO_SOURCE_DATA
#define VIREO_SOURCE_DATA ""
#endif

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsFolder(const std::filesystem::path& p)
{
    std::error_code ec;
    return !p.empty() && std::filesystem::is_directory(p, ec);
}

std::filesystem::path WithSeparator(std::filesystem::path p)
{
    if (!p.empty() && !p.native().ends_with('/'))
        p += '/';
    return p;
}

}  // namespace

CDataFolderInputs DataFolderInputsFromEnvironment()
{
    CDataFolderInputs in;
    in.vireoData = Env("VIREO_DATA");
    in.xdgDataHome = Env("XDG_DATA_HOME");
    in.home = Env("HOME");
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        in.programDir = exe.parent_path();
    in.sourceData = VIREO_SOURCE_DATA;
    return in;
}

std::filesystem::path ResolveDataFolder(const CDataFolderInputs& in)
{
    if (!in.vireoData.empty())
        return WithSeparator(in.vireoData);
    std::filesystem::path user;
    if (!in.xdgDataHome.empty() && in.xdgDataHome[0] == '/')
        user = in.xdgDataHome;
    else if (!in.home.empty())
        user = std::filesystem::path(in.home) / ".local/share";
    if (!user.empty() && IsFolder(user / "Tarnell/VIREO"))
        return WithSeparator(user / "Tarnell/VIREO");
    if (!in.programDir.empty()) {
        const std::filesystem::path installed = in.programDir.parent_path() / "share/vireo";
        if (IsFolder(installed))
            return WithSeparator(installed);
    }
    if (!in.sourceData.empty())
        return WithSeparator(in.sourceData);
    // Nothing found: the program's own folder, as a last resort.
    return WithSeparator(in.programDir.empty() ? std::filesystem::path(".") : in.programDir);
}

std::filesystem::path DataFolder()
{
    return ResolveDataFolder(DataFolderInputsFromEnvironment());
}

std::filesystem::path UserStateFolder()
{
    std::filesystem::path base;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        base = state;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local/state";
    else
        base = std::filesystem::temp_directory_path() / ("vireo-" + std::to_string(::getuid()));
    const std::filesystem::path folder = base / "vireo";
    std::error_code ec;
    if (std::filesystem::create_directories(folder, ec))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    return folder;
}
