// File-system paths between the core and the widgets.
//
// The core keeps paths as this system names them: UTF-8 bytes (also where a
// recent list or the project dialog carries them in a CString).  Texts shown
// to the user are CP932 inside; a path is never put through that conversion
// on its way to the file system, or "~/回路/p.dpj" would name another file.
#pragma once

#include <QString>
#include <string>

#include "base/string.h"

inline QString PathToQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline QString PathToQString(const CString& utf8Path)
{
    return PathToQString(utf8Path.str());
}

inline CString PathFromQString(const QString& path)
{
    return CString(path.toStdString());
}
