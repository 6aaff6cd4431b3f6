// vireo-cli netindex [--single|--no-single] [--xy] [--html] [-o BASE] INPUT...
//
// Writes the cross-reference of the wire names of a design to BASE.net.csv
// (BASE.net.html with --html) and prints "names: N  entries: M".  The
// options override the settings (Tool section) for this run only.
#include <cstdio>

#include "app/netindexjob.h"
#include "arguments.h"
#include "commands.h"
#include "designinput.h"

int NetIndexCommand(const CommandArgs& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"-o"}, {"--single", "--no-single", "--xy", "--no-xy", "--html"}, a,
                        problem))
        return Usage("netindex: " + problem);
    CNetIndexOptions options = CNetIndexOptions::FromSettings();
    std::string base;
    for (const auto& [name, value] : a.options) {
        if (name == "-o")
            base = value;
        else if (name == "--single" || name == "--no-single")
            options.single = name == "--single";
        else if (name == "--xy" || name == "--no-xy")
            options.xy = name == "--xy";
        else if (name == "--html")
            options.html = options.htmlAsked = true;
    }
    CliDesign design;
    if (const int status = design.Open("netindex", a.files, base); status != kExitOk)
        return status;
    const CNetIndexResult result = RunNetIndexJob(options, design.Job());
    if (result.status == CNetIndexResult::Cancelled)
        return Fail(a.files.front(), "cancelled; no file was written");
    if (result.status != CNetIndexResult::Done)
        return kExitFailure;
    std::printf("names: %d  entries: %d\n", result.names, result.entries);
    return kExitOk;
}
