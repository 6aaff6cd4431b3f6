// The lines of a text file, without their line ends (LF or CR LF).
#pragma once

#include <cstdint>
#include <vector>

#include "base/string.h"

std::vector<CString> SplitTextLines(const std::vector<uint8_t>& text);
