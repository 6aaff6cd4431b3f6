// The user's external programs (Tool/ExtProg1 .. ExtProg12, Ctrl+F1 .. F12).
//
// An entry is a command line with placeholders:
//   *      (leading) run it, but keep it out of the tool menu
//   .\ ./  (leading) the data folder
//   %C     removed; the active sheet (or its selection) goes to the clipboard as text
//   $P     the current project's path           $N  its netlist path (".net")
//   $D     the active document's path           #N  the active document's number
// The line is split into words first (blanks separate, double quotes group)
// and each word is substituted once, so a path that itself contains "$D" or a
// blank stays one argument and is never expanded again; the program is
// started directly, without a shell.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/string.h"

constexpr int kExternalPrograms = 12;
constexpr int kFirstExternalProgramId = 107;

struct CExtProgMenuItem {
    int id;        // 107 .. 118
    int index;     // 1 .. 12
    CString text;  // "<program name>\tCtrl+F<index>"
};
// The tool menu's items for the twelve entries.
std::vector<CExtProgMenuItem> ExternalProgramMenu(const std::array<CString, kExternalPrograms>& entries);

struct CExtProgContext {
    std::string dataFolder;   // with a trailing separator
    std::string projectPath;  // empty without a project
    std::string documentPath;
    int documentNumber = 0;
};

struct CExtProgCommand {
    enum Action { Run, CloseWindow, NextWindow, Nothing };
    Action action = Nothing;
    std::string program;
    std::vector<std::string> arguments;
    bool copySheetText = false;  // the entry held %C
};
// What running entry index (1..12) does.
CExtProgCommand ExpandExternalProgram(int index, const CString& entry, const CExtProgContext& context);

// Starts the program with its arguments, without a shell; false when it could
// not be started.
bool StartExternalProgram(const CExtProgCommand& command);
// The message shown when starting failed.
CString CannotRunMessage(const std::string& program);
