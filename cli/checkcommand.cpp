// vireo-cli check [--html] [--save] [--fail-on-findings] [--by-sheet]
//                 [--missing] [--over] [--no-clean-line] [--wire-junc]
//                 [-o BASE] INPUT...
//
// Tidies the wires of every sheet of a design, checks connections, pins and
// references, writes the log BASE.log (BASE.log.html with --html) and prints
// one "section: count" line per section.  The tidied sheets are written
// back only with --save.  With --fail-on-findings the exit status is 5 when
// the log lists anything.  The options override the settings (CleanSection)
// for this run only.
#include <cstdio>

#include "app/checkjob.h"
#include "arguments.h"
#include "commands.h"
#include "designinput.h"

int CheckCommand(const CommandArgs& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"-o"},
                        {"--html", "--save", "--fail-on-findings", "--by-sheet", "--missing",
                         "--over", "--no-clean-line", "--wire-junc"},
                        a, problem))
        return Usage("check: " + problem);
    CCheckOptions options = CCheckOptions::FromSettings();
    std::string base;
    bool save = false, failOnFindings = false;
    for (const auto& [name, value] : a.options) {
        if (name == "-o")
            base = value;
        else if (name == "--html")
            options.html = options.htmlAsked = true;
        else if (name == "--save")
            save = true;
        else if (name == "--fail-on-findings")
            failOnFindings = true;
        else if (name == "--by-sheet")
            options.bySheet = true;
        else if (name == "--missing")
            options.missing = true;
        else if (name == "--over")
            options.over = true;
        else if (name == "--no-clean-line")
            options.cleanLine = false;
        else if (name == "--wire-junc")
            options.wireJunc = true;
    }
    if (options.bySheet && options.missing)
        return Usage("check: --missing lists numbers across all sheets; it does not go with "
                     "--by-sheet");
    CliDesign design;
    if (const int status = design.Open("check", a.files, base); status != kExitOk)
        return status;
    const CCheckResult result = RunCheckJob(options, design.Job());
    if (result.status == CCheckResult::Cancelled)
        return Fail(a.files.front(), "cancelled; no file was written");
    if (result.status != CCheckResult::Done)
        return kExitFailure;
    std::string error;
    if (save && !design.Save(result.tidied, error))
        return Fail(a.files.front(), error);
    for (const auto& [section, count] : CheckSummary(result.report))
        std::printf("%s: %lld\n", section, count);
    if (save)
        std::printf("tidied sheets: %d\n", int(result.tidied.size()));
    return failOnFindings && result.report.Findings() > 0 ? kExitFindings : kExitOk;
}
