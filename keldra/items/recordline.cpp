#include "items/recordline.h"

#include <cstdlib>

const char* SkipRecordKeyword(const CString& line)
{
    int i = 0;
    while (i < line.GetLength() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    while (i < line.GetLength() && line[i] != ' ' && line[i] != '\t')
        i += line.CharLengthAt(i);
    return line.c_str() + (i < line.GetLength() ? i : line.GetLength());
}

int ScanRecordNumbers(const char* text, int64_t* out, int count)
{
    const char* p = text;
    for (int i = 0; i < count; ++i) {
        char* end = nullptr;
        const long long v = std::strtoll(p, &end, 10);  // saturates at the long long range
        if (end == p)
            return i;
        out[i] = v;
        p = end;
    }
    return count;
}
