// What the program opens when it starts, and the requests that reach a
// running program from the desktop shell or from a second start.
//
// These are pure functions: the application object carries out the plan they
// return, so that every combination of argument and settings is testable
// without a window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The kind of the command-line argument.
enum class StartArgKind { None, Sheet, Project, OtherFile };

// ".dpj" gives Project, ".dcd" Sheet (both without case), any other
// non-empty name OtherFile, an empty one None.
StartArgKind KindOfArgument(std::string_view path);

struct CStartupInputs {
    std::string argument;  // the file named on the command line, empty for none
    bool shellStart = false;  // started by the desktop shell to take requests: only show the window
    int noProj = 0;           // Sheet/NoProj
    int projectAutoLoad = 1;  // Sheet/ProjectAutoLoad
    int projectAllFile = 0;   // Sheet/ProjectAllFile
    std::vector<std::string> recentProjects;  // newest first
};

struct CStartupPlan {
    // Open this file as a document first; when that fails the start-up ends.
    std::string openFile;
    // The project that becomes current (empty: no project).
    std::string project;
    // Open the project's sheets (with the unchecked ones when includeUnchecked).
    bool openProject = false;
    bool includeUnchecked = false;
    // When the project opens no sheet, this one becomes current instead
    // (without opening its sheets).
    std::string fallbackProject;
    // Sheet/NoProj is written as 0.
    bool clearNoProj = false;
};

CStartupPlan PlanStartup(const CStartupInputs& in);

// A request of the desktop shell: "[open("FILE")]", "[print("FILE")]" or
// "[printto("FILE")...]".
struct CShellRequest {
    enum Verb { None, Open, Print, PrintTo };
    Verb verb = None;
    std::string file;
};
CShellRequest ParseShellRequest(std::string_view command);

// The message a second start sends to the running program: code 12 carries a
// file name (ended by a zero byte, or by the end of the data).
struct CInstanceRequest {
    enum Action { Ignore, OpenSheet, OpenProject };
    Action action = Ignore;
    std::string file;
};
constexpr int kOpenFileMessageCode = 12;
CInstanceRequest ParseInstanceMessage(int code, std::string_view data);

// The number of a document ("$DOCNO$", "#N"): its position from 1 in the
// project's sheet list, or among the open documents when no project is set;
// 0 when it is in neither.
int DocumentNumber(const std::string& path, bool projectSet,
                   const std::vector<std::string>& projectSheets,
                   const std::vector<std::string>& openDocuments);
