// CHost: how the libraries reach the person using them.
//
// Library code never opens a window or writes to a terminal.  Messages,
// questions, the state of the Shift key, and the progress of long operations
// go through the process-wide host: the editor answers with dialogs, the batch
// front end with stderr and its command-line defaults, tests with a scripted
// fake.  Without an installed host the libraries run silently and take each
// question's default answer.
#pragma once

#include <memory>

#include "base/string.h"

class CHost {
public:
    // Answers, with the values the message-box conventions use.
    enum Answer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
    // Which answers a question offers.
    enum Buttons { OK, OKCancel, YesNo, YesNoCancel };
    // How a message presents itself.
    enum Severity { Information, Warning, Error };

    virtual ~CHost() = default;

    // A message the user must see; text is CP932.
    virtual void Message(const CString& text, Severity severity = Warning) = 0;
    // A question; returns one of the answers the buttons offer.  defaultAnswer
    // is the answer of the default button (0: the first answer the buttons
    // offer), which a host without a person to ask takes.
    virtual int Ask(const CString& text, Buttons buttons, int defaultAnswer = 0) = 0;
    // Whether the Shift key is held at this moment (some commands change
    // direction with it).
    virtual bool IsShiftDown() = 0;

    // Progress of a long operation: a phase starts with its number of steps,
    // each step is reported, and IsCancelled tells whether the user asked to
    // stop.  Defaults do nothing and never cancel.
    virtual void ProgressBegin(const CString& /*title*/, int /*steps*/) {}
    virtual void ProgressStep(int /*step*/) {}
    virtual bool IsCancelled() { return false; }
    virtual void ProgressEnd() {}

    // The first answer a set of buttons offers (Yes or OK).
    static int FirstAnswer(Buttons buttons) { return buttons == YesNo || buttons == YesNoCancel ? IDYES : IDOK; }
};

// Takes each question's default answer and drops messages.
class CSilentHost : public CHost {
public:
    void Message(const CString&, Severity) override {}
    int Ask(const CString&, Buttons buttons, int defaultAnswer = 0) override
    {
        return defaultAnswer ? defaultAnswer : FirstAnswer(buttons);
    }
    bool IsShiftDown() override { return false; }
};

// The phases of the long sheet operations; each has a fixed progress text.
enum class ProgressPhase {
    Pins = 0,        // grouping the pins into nets
    Wires = 1,       // grouping the wires
    NetSort = 2,     // sorting the nets
    Correction = 3,  // tidying the net data
    Reading = 4,     // reading sheets
    PartSort = 5,    // sorting parts
    Output = 6,      // writing
    NetIndex = 7,    // building the net index
};
// The progress text of a phase (CP932).
CString ProgressPhaseText(ProgressPhase phase);
// Starts a phase on the host: Host().ProgressBegin(its text, steps).
void BeginProgressPhase(ProgressPhase phase, int steps);

// The process-wide host.
CHost& Host();
// Installs a host and returns the previous one.
std::unique_ptr<CHost> SetHost(std::unique_ptr<CHost> host);

// Installs a host for the lifetime of the object and puts the previous one back.
class CScopedHost {
public:
    explicit CScopedHost(std::unique_ptr<CHost> host);
    ~CScopedHost();
    CScopedHost(const CScopedHost&) = delete;
    CScopedHost& operator=(const CScopedHost&) = delete;

private:
    std::unique_ptr<CHost> m_previous;
};
