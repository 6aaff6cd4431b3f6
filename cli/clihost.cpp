#include "clihost.h"

#include <cstdio>
#include <string>

#include "base/codepage.h"

namespace {

// One message per line: embedded line breaks become blanks.
std::string OneLine(const CString& text)
{
    std::string s = ToUtf8(text);
    for (char& c : s)
        if (c == '\n' || c == '\r')
            c = ' ';
    return s;
}

}  // namespace

void CCliHost::Message(const CString& text, Severity severity)
{
    const char* kind = severity == Error ? "error: " : severity == Warning ? "warning: " : "";
    std::fprintf(stderr, "vireo-cli: %s%s\n", kind, OneLine(text).c_str());
}

int CCliHost::Ask(const CString& text, Buttons buttons, int defaultAnswer)
{
    int answer;
    switch (buttons) {
    case OK: answer = IDOK; break;
    case OKCancel: answer = m_answerYes ? IDOK : defaultAnswer ? defaultAnswer : IDCANCEL; break;
    default: answer = m_answerYes ? IDYES : defaultAnswer ? defaultAnswer : IDNO; break;
    }
    std::fprintf(stderr, "vireo-cli: %s -> %s\n", OneLine(text).c_str(),
                 answer == IDYES ? "yes" : answer == IDNO ? "no" : answer == IDOK ? "ok" : "cancel");
    return answer;
}
