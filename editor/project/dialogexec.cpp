#include "editor/project/dialogexec.h"

#include <QDialog>

namespace {
std::function<int(QDialog&)>& Hook()
{
    static std::function<int(QDialog&)> hook;
    return hook;
}
} // namespace

int ExecDialog(QDialog& dialog)
{
    if (Hook())
        return Hook()(dialog);
    return dialog.exec();
}

void SetDialogHook(std::function<int(QDialog&)> hook)
{
    Hook() = std::move(hook);
}
