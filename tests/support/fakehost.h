// CFakeHost: a scripted host for tests.
//
// It writes down every message and question the code under test produces,
// answers questions from a queue the test fills beforehand, and lets the test
// hold the Shift key or press Cancel in a progress dialog.
//
//     CScopedFakeHost host;                 // installed until the end of scope
//     host->answers = {CHost::IDNO};        // the first question gets "No"
//     RunSomething();
//     EXPECT_EQ(host->questions.size(), 1u);
//     EXPECT_NE(host->questions[0].text.Find("duplicate"), -1);
//
// With the queue empty a question gets defaultAnswer, or, when that is 0, the
// question's own default button, or the first answer its buttons offer (OK or
// Yes), as the silent host does.
#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "base/host.h"

class CFakeHost : public CHost {
public:
    struct MessageRecord {
        CString text;
        Severity severity;
    };
    struct QuestionRecord {
        CString text;
        Buttons buttons;
        int answer; // what the fake answered
        int defaultAnswer; // the default button the code asked with (0: none)
    };
    struct ProgressRecord {
        CString title;
        int steps;
        int lastStep = -1; // the last step reported, -1 for none
        bool ended = false;
    };

    // --- what the test sets -------------------------------------------------
    std::deque<int> answers; // consumed front first
    int defaultAnswer = 0;   // 0: the first answer the buttons offer
    bool shiftDown = false;
    bool cancelled = false; // what IsCancelled reports
    // When >= 0, IsCancelled turns true once this many steps were reported
    // (counted over all progress phases).
    int cancelAfterSteps = -1;

    // --- what the fake saw --------------------------------------------------
    std::vector<MessageRecord> messages;
    std::vector<QuestionRecord> questions;
    std::vector<ProgressRecord> progress;
    int stepsReported = 0;

    void Message(const CString& text, Severity severity) override;
    int Ask(const CString& text, Buttons buttons, int defaultAnswer = 0) override;
    bool IsShiftDown() override { return shiftDown; }
    void ProgressBegin(const CString& title, int steps) override;
    void ProgressStep(int step) override;
    bool IsCancelled() override;
    void ProgressEnd() override;

};

// Installs a fresh CFakeHost for the lifetime of the object, puts the previous
// host back afterwards, and gives access to the fake.
class CScopedFakeHost {
public:
    CScopedFakeHost() : CScopedFakeHost(std::make_unique<CFakeHost>()) {}
    CFakeHost& operator*() const { return *m_host; }
    CFakeHost* operator->() const { return m_host; }

private:
    explicit CScopedFakeHost(std::unique_ptr<CFakeHost> host)
        : m_host(host.get()), m_scope(std::move(host))
    {
    }
    CFakeHost* m_host;
    CScopedHost m_scope;
};
