#include "app/extprog.h"

#include <spawn.h>
#include <sys/wait.h>

#include "base/codepage.h"

extern char** environ;

namespace {

// Splits a command line into words: blanks separate, double quotes group and
// are dropped.
std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

// One pass over a word: every placeholder is replaced by its value, and the
// values are never looked at again.
std::string Substitute(const std::string& word, const CExtProgContext& context, bool& copyText)
{
    std::string netlist;
    if (context.projectPath.size() >= 3)
        netlist = context.projectPath.substr(0, context.projectPath.size() - 3) + "net";
    std::string out;
    for (size_t i = 0; i < word.size(); ++i) {
        const std::string_view rest = std::string_view(word).substr(i);
        if (rest.starts_with("%C")) {
            copyText = true;
        } else if (rest.starts_with("$P")) {
            out += context.projectPath;
        } else if (rest.starts_with("$N")) {
            out += netlist;
        } else if (rest.starts_with("$D")) {
            out += context.documentPath;
        } else if (rest.starts_with("#N")) {
            out += std::to_string(context.documentNumber);
        } else {
            out += word[i];
            continue;
        }
        ++i;
    }
    return out;
}

std::string ProgramTitle(const std::string& command)
{
    std::vector<std::string> words = SplitWords(command);
    std::string program = words.empty() ? std::string() : words.front();
    const size_t slash = program.find_last_of("/\\");
    if (slash != std::string::npos)
        program = program.substr(slash + 1);
    const size_t dot = program.rfind('.');
    if (dot != std::string::npos && dot > 0)
        program.resize(dot);
    return program;
}

}  // namespace

std::vector<CExtProgMenuItem> ExternalProgramMenu(const std::array<CString, kExternalPrograms>& entries)
{
    std::vector<CExtProgMenuItem> items;
    for (int k = 1; k <= kExternalPrograms; ++k) {
        CString entry = entries[size_t(k - 1)];
        entry.Trim();
        if (entry.IsEmpty() || entry.Find('*') >= 0)
            continue;
        items.push_back({kFirstExternalProgramId + k - 1, k,
                         CString::Formatted("%s\tCtrl+F%d", ProgramTitle(entry.str()).c_str(), k)});
    }
    return items;
}

CExtProgCommand ExpandExternalProgram(int index, const CString& entry, const CExtProgContext& context)
{
    CExtProgCommand command;
    CString line = entry;
    line.Trim();
    if (line.IsEmpty()) {
        command.action = index == 4 ? CExtProgCommand::CloseWindow
                         : index == 6 ? CExtProgCommand::NextWindow
                                      : CExtProgCommand::Nothing;
        return command;
    }
    if (line[0] == '*')
        line = line.Mid(1);
    line.Trim();
    // The entry is stored text (CP932); the command runs on this system,
    // whose names and arguments are UTF-8.
    std::vector<std::string> words = SplitWords(Cp932ToUtf8(line.str()).text);
    if (words.empty())
        return command;
    // The data-folder prefix is expanded once the words are split, so that a
    // data folder with a blank in its path stays one word.
    std::string& first = words.front();
    if (first.starts_with(".\\") || first.starts_with("./"))
        first = context.dataFolder + first.substr(2);
    for (const std::string& word : words) {
        const std::string value = Substitute(word, context, command.copySheetText);
        // A word that was only "%C" leaves no empty argument behind.
        if (value.empty() && word.find("%C") != std::string::npos)
            continue;
        if (command.program.empty() && &word == &words.front())
            command.program = value;
        else
            command.arguments.push_back(value);
    }
    command.action = command.program.empty() ? CExtProgCommand::Nothing : CExtProgCommand::Run;
    return command;
}

bool StartExternalProgram(const CExtProgCommand& command)
{
    // The programs started before that have ended are collected here, so that
    // a long session leaves no zombies behind; other children of the process
    // are none of our business.
    static std::vector<pid_t> started;
    std::erase_if(started, [](pid_t p) { return waitpid(p, nullptr, WNOHANG) != 0; });
    if (command.action != CExtProgCommand::Run || command.program.empty())
        return false;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const std::string& a : command.arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, command.program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    started.push_back(pid);
    return true;
}

CString CannotRunMessage(const std::string& program)
{
    return FromUtf8("実行できません\n ") + CString(program);
}
