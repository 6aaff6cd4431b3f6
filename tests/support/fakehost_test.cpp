// The scripted host that other tests rely on, and the host slot it uses.
#include <gtest/gtest.h>

#include "support/fakehost.h"
#include "support/printers.h"

TEST(CFakeHost, RecordsAndAnswersFromItsScript)
{
    CHost* before = &Host();
    {
        CScopedFakeHost host;
        EXPECT_EQ(&Host(), &*host);
        host->answers = {CHost::IDNO, CHost::IDCANCEL};

        Host().Message("Cannot open file a.dcd", CHost::Error);
        EXPECT_EQ(Host().Ask("Pin No 1  duplicate\nContinue ?", CHost::YesNo), CHost::IDNO);
        EXPECT_EQ(Host().Ask("second", CHost::OKCancel), CHost::IDCANCEL);
        // The script is used up: the first answer the buttons offer.
        EXPECT_EQ(Host().Ask("third", CHost::YesNoCancel), CHost::IDYES);
        EXPECT_EQ(Host().Ask("fourth", CHost::OK), CHost::IDOK);
        host->defaultAnswer = CHost::IDNO;
        EXPECT_EQ(Host().Ask("fifth", CHost::YesNo), CHost::IDNO);

        ASSERT_EQ(host->messages.size(), 1u);
        EXPECT_EQ(host->messages[0].text, "Cannot open file a.dcd");
        EXPECT_EQ(host->messages[0].severity, CHost::Error);
        ASSERT_EQ(host->questions.size(), 5u);
        EXPECT_EQ(host->questions[0].buttons, CHost::YesNo);
        EXPECT_EQ(host->questions[1].text, "second");
        EXPECT_EQ(host->questions[4].answer, CHost::IDNO);

        EXPECT_FALSE(Host().IsShiftDown());
        host->shiftDown = true;
        EXPECT_TRUE(Host().IsShiftDown());

        // Progress: cancel after two steps, or at once with the switch.
        host->cancelAfterSteps = 2;
        Host().ProgressBegin("Net list", 3);
        Host().ProgressStep(1);
        EXPECT_FALSE(Host().IsCancelled());
        Host().ProgressStep(2);
        EXPECT_TRUE(Host().IsCancelled());
        Host().ProgressEnd();
        ASSERT_EQ(host->progress.size(), 1u);
        EXPECT_EQ(host->progress[0].steps, 3);
        EXPECT_EQ(host->progress[0].lastStep, 2);
        EXPECT_TRUE(host->progress[0].ended);
        host->cancelAfterSteps = -1;
        EXPECT_FALSE(Host().IsCancelled());
        host->cancelled = true;
        EXPECT_TRUE(Host().IsCancelled());
    }
    EXPECT_EQ(&Host(), before);
}
