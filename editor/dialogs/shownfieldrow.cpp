#include "editor/dialogs/shownfieldrow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "editor/view/qtstring.h"

void AddShownFieldRow(QWidget* owner, QFormLayout* form, const QString& label, const CString& text,
                      bool shown, QLineEdit*& edit, QCheckBox*& disp)
{
    edit = new QLineEdit(ToQString(text), owner);
    disp = new QCheckBox(QCoreApplication::translate("CDlgPartInput", "Show"), owner);
    disp->setChecked(shown);
    auto* line = new QHBoxLayout;
    line->addWidget(edit, 1);
    line->addWidget(disp);
    auto* caption = new QLabel(label, owner);
    caption->setBuddy(edit);
    form->addRow(caption, line);
}
