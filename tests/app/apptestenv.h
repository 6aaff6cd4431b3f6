// The environment every application test runs in: settings in memory, a
// fresh data folder, and a scripted host.
#pragma once

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "base/memoryprofile.h"
#include "support/fakehost.h"
#include "support/tempdir.h"

class CAppTestEnv {
public:
    CAppTestEnv() : m_profile(std::make_unique<MemoryProfile>())
    {
        std::filesystem::create_directories(data());
        setenv("VIREO_DATA", data().c_str(), 1);
        setenv("XDG_STATE_HOME", (m_dir / "state").c_str(), 1);
    }
    ~CAppTestEnv()
    {
        unsetenv("VIREO_DATA");
        unsetenv("XDG_STATE_HOME");
    }
    // Where autosave copies of unnamed sheets go.
    std::filesystem::path state() const { return m_dir / "state" / "vireo"; }

    std::filesystem::path data() const { return m_dir / "data"; }
    std::filesystem::path operator/(const std::string& name) const { return m_dir / name; }
    CFakeHost* operator->() const { return &*m_host; }

    static void WriteFile(const std::filesystem::path& path, const std::string& content)
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    static std::string ReadFile(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    CTempDir m_dir;
    CScopedProfile m_profile;
    CScopedFakeHost m_host;
};
