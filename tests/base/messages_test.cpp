// The numbered messages of the string table.
#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/messages.h"
#include "support/printers.h"

TEST(Messages, EveryIdExistsInBothLanguages)
{
    const int ids[] = {2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008,
                       2101, 2102, 2901, 2902, 2903, 2904, 2905, 2906};
    for (int id : ids) {
        SCOPED_TRACE(id);
        const CString english = LoadMessage(id, MessageLanguage::English);
        const CString japanese = LoadMessage(id, MessageLanguage::Japanese);
        EXPECT_FALSE(english.IsEmpty());
        EXPECT_FALSE(english.HasJapanese());
        ASSERT_FALSE(japanese.IsEmpty());
        // Japanese comes as CP932 and converts cleanly to UTF-8.
        EXPECT_TRUE(japanese.HasJapanese());
        EXPECT_TRUE(Cp932ToUtf8(japanese.str()).Ok());
        // A message with a file name keeps its place holder in both.
        EXPECT_EQ(english.Find("%1") >= 0, japanese.Find("%1") >= 0);
    }
    // The English texts are data: byte for byte, misspelling included.
    EXPECT_EQ(LoadMessage(2101, MessageLanguage::English), "Pin No %1  duplicate\nContinue ?");
    EXPECT_EQ(LoadMessage(2905, MessageLanguage::English), "Save shematic file");
    EXPECT_EQ(ToUtf8(LoadMessage(2906, MessageLanguage::Japanese)),
              "ファイルの形式が正しくありません。");
    EXPECT_EQ(LoadMessage(2000, MessageLanguage::English), "");
    EXPECT_EQ(LoadMessage(2909, MessageLanguage::Japanese), "");
}

TEST(Messages, FormatMessageReplacesTheFileName)
{
    const MessageLanguage saved = GetMessageLanguage();
    SetMessageLanguage(MessageLanguage::English);
    EXPECT_EQ(FormatMessage(2903, "/tmp/a.dcd"), "Cannot open file /tmp/a.dcd");
    // A name that itself holds "%1" is inserted once, not expanded again.
    EXPECT_EQ(FormatMessage(2902, "x%1y"), "Cannot create file x%1y");

    SetMessageLanguage(MessageLanguage::Japanese);
    const CString name = FromUtf8("回路図ソ.dcd");
    EXPECT_EQ(ToUtf8(FormatMessage(2902, name)), "ファイル 回路図ソ.dcd を作成できません。");
    EXPECT_EQ(LoadMessage(2904), LoadMessage(2904, MessageLanguage::Japanese));
    SetMessageLanguage(saved);
}
