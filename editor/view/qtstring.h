// Conversions between the CP932 strings of the core and Qt's strings.
#pragma once

#include <QString>

#include "base/codepage.h"
#include "base/string.h"

inline QString ToQString(const CString& s)
{
    return QString::fromStdString(ToUtf8(s));
}
inline CString ToCString(const QString& s)
{
    return FromUtf8(s.toStdString());
}
