// Running an outside program on a file a test wrote: its exit status, its
// standard output and its standard error.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/tempdir.h"

struct CToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline bool HaveTool(const std::string& path)
{
    return std::system(("test -x " + path).c_str()) == 0;
}

inline CToolResult RunTool(const std::string& command)
{
    CTempDir dir;
    const std::string out = (dir / "out").string(), err = (dir / "err").string();
    CToolResult r;
    const int status = std::system((command + " >'" + out + "' 2>'" + err + "'").c_str());
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto slurp = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
