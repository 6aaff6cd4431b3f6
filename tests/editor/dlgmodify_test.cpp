// The Modify dialog: only the fields the user changed come back, half
// checked switches and "***" fields stay out, and what comes back is what
// the form takes.
#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "editor/dialogs/dlgmodify.h"
#include "editorenv.h"

TEST(DlgModify, OnlyChangedFieldsComeBackAndMixedOnesStayOut)
{
    // Two wires that differ in their names and power switch.
    CLineEditForm form;
    form.multiple = true;
    form.name = kMixedValue;
    form.nameDisp = true;
    form.frame = 0;
    CDlgModify dialog("Line", ModifyFieldValues(form));
    auto edits = dialog.findChildren<QLineEdit*>();
    auto checks = dialog.findChildren<QCheckBox*>();
    ASSERT_EQ(edits.size(), 3); // name, frame, style
    ASSERT_EQ(checks.size(), 4);
    // Nothing touched: nothing comes back.
    EXPECT_TRUE(dialog.Changed().empty());
    edits[0]->setText("D0++");
    checks[0]->setChecked(false); // "Show name" was on
    const CModifyFields changed = dialog.Changed();
    EXPECT_EQ(changed, (CModifyFields{{"name", "D0++"}, {"namedisp", "0"}}));
    std::string error;
    ASSERT_TRUE(ApplyModifyFields(changed, form, error)) << error;
    EXPECT_EQ(form.name, "D0++");
    EXPECT_EQ(form.nameDisp, false);
    EXPECT_FALSE(form.powerWire.has_value()); // the half-checked switch
    // A number the form cannot take is refused with its field named.
    edits[1]->setText("99");
    EXPECT_FALSE(ApplyModifyFields(dialog.Changed(), form, error));
    EXPECT_NE(error.find("frame"), std::string::npos);
}
