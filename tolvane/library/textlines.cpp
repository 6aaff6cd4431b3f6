#include "library/textlines.h"

std::vector<CString> SplitTextLines(const std::vector<uint8_t>& text)
{
    std::vector<CString> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != '\n')
            ++end;
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.emplace_back(std::string(text.begin() + long(start), text.begin() + long(stop)));
        start = end + 1;
    }
    return lines;
}
