// The options of a command: "--name VALUE" and "--name=VALUE" for the
// options that take a value, "--name" for switches; everything else is a
// file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/string.h"

struct Arguments {
    std::vector<std::pair<std::string, std::string>> options; // in order
    std::vector<std::string> files;
};

// False (with problem set) on an unknown option or a missing value.
bool ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                    const std::vector<std::string>& switches, Arguments& out, std::string& problem);

// Command-line text is UTF-8; the system's texts are CP932.  False when the
// text has a character the Japanese code page cannot hold.
bool ToCp932(const std::string& utf8, CString& out);
