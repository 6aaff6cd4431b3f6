// A text field with its "Show" switch on one form row, as the part dialogs
// lay out a part's name, reference and value.
#pragma once

#include "base/string.h"

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QString;
class QWidget;

void AddShownFieldRow(QWidget* owner, QFormLayout* form, const QString& label, const CString& text,
                      bool shown, QLineEdit*& edit, QCheckBox*& disp);
