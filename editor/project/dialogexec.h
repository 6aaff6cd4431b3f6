// Runs a command's modal dialog; tests fill and close it instead.
#pragma once

#include <functional>

class QDialog;

// QDialog::exec, or the installed hook (which returns the dialog's result).
int ExecDialog(QDialog& dialog);
void SetDialogHook(std::function<int(QDialog&)> hook);
