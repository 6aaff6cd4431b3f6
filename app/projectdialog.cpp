#include "app/projectdialog.h"

#include <algorithm>
#include <strings.h>

#include "base/codepage.h"

CProjectDialogEnables ProjectDialogEnables(bool projectNamed, bool listEmpty)
{
    return {projectNamed, !listEmpty, !listEmpty && projectNamed};
}

CString NoProjectEntry()
{
    return FromUtf8("プロジェクトなし");
}

bool AskToForgetMissingProject(const CString& name, bool fileExists)
{
    return !name.IsEmpty() && name != NoProjectEntry() && !fileExists;
}

CString ForgetMissingProjectQuestion()
{
    return FromUtf8("プロジェクトファイルが存在しません\n履歴から除外しますか？");
}

CString WorkWithoutProjectQuestion()
{
    return FromUtf8("プロジェクトファイルが未設定か図面ファイルが登録されていません\n「プロジェクト無し」にしますか？");
}

CProjectDialogOk ProjectDialogOk(const CString& name, int sheetCount, const std::vector<CString>& combo,
                                 int recentCapacity, const std::function<bool(const CString&)>& isProject)
{
    CProjectDialogOk ok;
    if (name.IsEmpty() || name == NoProjectEntry() || sheetCount <= 0) {
        ok.askNoProject = true;
        ok.combo = combo;
        return ok;
    }
    ok.projectPath = name;
    const CString ext = name.Right(4);
    if (!isProject(name) && ext.CompareNoCase(".dpj") != 0)
        ok.projectPath += ".dpj";
    // The chosen name goes to the top; names that are no readable project go.
    // (The chosen project is written right after this, so it stays.)
    ok.combo.push_back(ok.projectPath);
    for (const CString& entry : combo)
        if (entry != ok.projectPath && entry != NoProjectEntry() && isProject(entry))
            ok.combo.push_back(entry);
    const size_t n = std::min(ok.combo.size(), size_t(std::max(recentCapacity, 1)));
    ok.recent.assign(ok.combo.begin(), ok.combo.begin() + long(n));
    return ok;
}

std::vector<std::string> ProjectOpenOrder(const std::vector<std::string>& sheets, bool revOpen)
{
    std::vector<std::string> order = sheets;
    if (!revOpen)
        std::reverse(order.begin(), order.end());
    return order;
}
