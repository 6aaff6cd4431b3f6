// The rules of the project dialog, apart from its window: which buttons are
// enabled, when a missing project is asked about, and what OK does with the
// name, the list of projects and the recent-project list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/string.h"

struct CProjectDialogEnables {
    bool add = false;          // a project file is named
    bool listCommands = false; // open, move, remove, open checked, check all: the list is not empty
    bool openAll = false;      // the list is not empty and a project is named
};
CProjectDialogEnables ProjectDialogEnables(bool projectNamed, bool listEmpty);

// The pseudo entry "プロジェクトなし" (no project), CP932.
CString NoProjectEntry();
// Whether opening the dialog asks to remove a project that does not exist
// from the history (never for the pseudo entry).
bool AskToForgetMissingProject(const CString& name, bool fileExists);
CString ForgetMissingProjectQuestion();
CString WorkWithoutProjectQuestion();

struct CProjectDialogOk {
    // No project or no sheets: ask whether to work without a project
    // (Yes: Sheet/NoProj = 1 and close; No: the previous name returns).
    bool askNoProject = false;
    CString projectPath;            // the name to use (".dpj" appended when needed)
    std::vector<CString> combo;     // the combo's entries afterwards
    std::vector<CString> recent;    // the new recent-project list
};
// OK with a project name, the number of listed sheets and the combo's
// entries; isProject tells whether a path is a readable project file.
CProjectDialogOk ProjectDialogOk(const CString& name, int sheetCount, const std::vector<CString>& combo,
                                 int recentCapacity, const std::function<bool(const CString&)>& isProject);

// The order in which the sheets of a project are opened: first to last with
// Sheet/RevOpen 1, else last to first (so that the first sheet ends on top).
std::vector<std::string> ProjectOpenOrder(const std::vector<std::string>& sheets, bool revOpen);
