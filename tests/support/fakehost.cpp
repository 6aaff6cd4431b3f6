#include "support/fakehost.h"

void CFakeHost::Message(const CString& text, Severity severity)
{
    messages.push_back({text, severity});
}

int CFakeHost::Ask(const CString& text, Buttons buttons, int questionDefault)
{
    int answer = defaultAnswer ? defaultAnswer : questionDefault ? questionDefault : FirstAnswer(buttons);
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    questions.push_back({text, buttons, answer, questionDefault});
    return answer;
}

void CFakeHost::ProgressBegin(const CString& title, int steps)
{
    progress.push_back({title, steps});
}

void CFakeHost::ProgressStep(int step)
{
    ++stepsReported;
    if (!progress.empty())
        progress.back().lastStep = step;
}

bool CFakeHost::IsCancelled()
{
    return cancelled || (cancelAfterSteps >= 0 && stepsReported >= cancelAfterSteps);
}

void CFakeHost::ProgressEnd()
{
    if (!progress.empty())
        progress.back().ended = true;
}
