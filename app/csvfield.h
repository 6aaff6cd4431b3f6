// A field of the comma-separated files the project commands write.
//
// A field is written as it is unless it holds a comma, a double quote, a
// carriage return or a line feed: then it is enclosed in double quotes and
// each quote inside is doubled, so that any reader of comma-separated text
// sees the field the drawing holds.  None of the four can be the trail byte
// of a double-byte character, so the bytes can be looked at one by one.
#pragma once

#include "base/string.h"

inline bool CsvNeedsQuotes(const CString& field)
{
    return field.str().find_first_of(",\"\r\n") != std::string::npos;
}

inline CString CsvField(const CString& field)
{
    if (!CsvNeedsQuotes(field))
        return field;
    std::string quoted = "\"";
    for (char c : field.str()) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return CString(std::move(quoted));
}
