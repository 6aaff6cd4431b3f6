// CCliHost: the host of the batch front end.  Messages go to stderr (as
// UTF-8, prefixed with the program name); questions take the answer given on
// the command line (--yes) or else the cautious one (No / Cancel).
#pragma once

#include "base/host.h"

class CCliHost : public CHost {
public:
    explicit CCliHost(bool answerYes) : m_answerYes(answerYes) {}

    void Message(const CString& text, Severity severity) override;
    int Ask(const CString& text, Buttons buttons) override;
    bool IsShiftDown() override { return false; }

private:
    bool m_answerYes;
};
