// CCliHost: the host of the batch front end.  Messages go to stderr (as
// UTF-8, prefixed with the program name); questions take the answer given on
// the command line (--yes), else the question's own default button when it
// names one, else the cautious answer (No / Cancel).
#pragma once

#include "base/host.h"

class CCliHost : public CHost {
public:
    explicit CCliHost(bool answerYes) : m_answerYes(answerYes) {}

    void Message(const CString& text, Severity severity) override;
    int Ask(const CString& text, Buttons buttons, int defaultAnswer = 0) override;
    bool IsShiftDown() override { return false; }

private:
    bool m_answerYes;
};
