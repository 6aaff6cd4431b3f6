// vireo-cli find STRING INPUT... [--kinds LIST] [--case] [--word] [--hidden]
//
// Finds a text among the sheets as the editor's Find steps through them:
// every occurrence, sheet by sheet in the order given (a project's checked
// sheets in list order), one tab-separated line each:
//   sheet  kind  text  x  y
// with x and y in sheet units.  Exit status as grep's: 0 found, 1 not found,
// 2 usage or an input that cannot be read.
#include <cstdio>
#include <string>

#include "app/edit/findsearch.h"
#include "arguments.h"
#include "base/codepage.h"
#include "commands.h"
#include "designinput.h"
#include "terminalfield.h"

int FindCommand(const CommandArgs& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"--kinds"}, {"--case", "--word", "--hidden"}, a, problem))
        return Usage("find: " + problem);
    if (a.files.size() < 2)
        return Usage("find takes a string and at least one input file");
    CFindOptions options;
    CString search;
    if (!ToCp932(a.files.front(), search))
        return Usage("find: the string has a character the sheets cannot hold");
    if (!options.Push(search) || options.SearchString().IsEmpty())
        return Usage("find: the string is empty");
    for (const auto& [name, value] : a.options) {
        if (name == "--kinds") {
            std::string bad;
            if (!ParseFindKinds(value, options.target, bad))
                return Usage("find: unknown kind '" + bad +
                             "' (partname, reference, value, pinname, pinnumber, parttext, "
                             "signal, text, all, or a number)");
        } else if (name == "--case") {
            options.matchCase = true;
        } else if (name == "--word") {
            options.word = true;
        } else if (name == "--hidden") {
            options.hide = true;
        }
    }
    CliDesign design;
    const std::vector<std::string> inputs(a.files.begin() + 1, a.files.end());
    if (design.Open("find", inputs, std::string()) != kExitOk)
        return kExitUsage;
    int count = 0;
    for (const CJobDocument& doc : design.Job().documents) {
        for (const CFindHit& hit : FindOccurrences(*doc.main, options)) {
            std::printf("%s\t%s\t%s\t%d\t%d\n", doc.path.string().c_str(), FindKindName(hit.kind),
                        TerminalField(hit.text).c_str(), hit.point.x, hit.point.y);
            ++count;
        }
    }
    return count != 0 ? kExitOk : kExitFailure;
}
