// The commands of vireo-cli, one function each, and what they share.
//
// A command gets the words after its name and returns the exit status:
// 0 done, 1 a file could not be read or written (or the job failed),
// 2 a usage error, 5 the check found something and was asked to fail on it.
#pragma once

#include <string>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFindings = 5;

using CommandArgs = std::vector<std::string>;

// Prints "vireo-cli: problem (see vireo-cli --help)" to stderr; returns kExitUsage.
int Usage(const std::string& problem);
// Prints "vireo-cli: file: reason" to stderr; returns kExitFailure.
int Fail(const std::string& file, const std::string& reason);

int TidyCommand(const CommandArgs& args);
int NetsCommand(const CommandArgs& args);
int ErcCommand(const CommandArgs& args);
int NetlistCommand(const CommandArgs& args);
int PartListCommand(const CommandArgs& args);
int AnnotateCommand(const CommandArgs& args);
int NetIndexCommand(const CommandArgs& args);
int CheckCommand(const CommandArgs& args);
int DiffCommand(const CommandArgs& args);
int EditCommand(const CommandArgs& args);
int NewCommand(const CommandArgs& args);
int FindCommand(const CommandArgs& args);
