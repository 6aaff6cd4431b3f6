// The numbered messages of the string table, in English and Japanese.
//
// Messages are returned as CP932 text.  The language follows the user's
// locale (Japanese when LC_ALL, LC_MESSAGES or LANG starts with "ja") unless a
// program sets it.
#pragma once

#include "base/string.h"

enum class MessageLanguage { English, Japanese };

MessageLanguage GetMessageLanguage();
void SetMessageLanguage(MessageLanguage language);

// The text of a numbered message; empty for an unknown id.
CString LoadMessage(int id);
CString LoadMessage(int id, MessageLanguage language);
// The text with "%1" replaced by arg.
CString FormatMessage(int id, const CString& arg);
