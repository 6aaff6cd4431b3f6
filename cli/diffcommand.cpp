// vireo-cli diff [--wasis FILE] [--fail-on-changes] OLD NEW
// vireo-cli diff [--wasis FILE] [--fail-on-changes] OLD... -- NEW...
//
// Lists the parts and nets that were added, removed or changed between two
// revisions of a design (each a project .dpj or sheets; "--" separates the
// sheets of the two sides), and the references that changed.  With --wasis
// the reference changes are written as a simple Was-Is file, which
// "annotate --mode wasis-apply --simple" applies.  With --fail-on-changes
// the exit status is 5 when anything differs.
#include <algorithm>
#include <cstdio>

#include "app/designdiff.h"
#include "app/joboutput.h"
#include "app/projectjob.h"
#include "arguments.h"
#include "base/codepage.h"
#include "commands.h"
#include "designinput.h"

int DiffCommand(const CommandArgs& args)
{
    const auto split = std::find(args.begin(), args.end(), "--");
    Arguments a, after;
    std::string problem;
    if (!ParseArguments(CommandArgs(args.begin(), split), {"--wasis"}, {"--fail-on-changes"}, a,
                        problem))
        return Usage("diff: " + problem);
    if (split != args.end()) {
        if (!ParseArguments(CommandArgs(split + 1, args.end()), {}, {}, after, problem))
            return Usage("diff: " + problem);
        if (a.files.empty() || after.files.empty())
            return Usage("diff: each side of \"--\" needs sheets or a project");
    } else {
        if (a.files.size() != 2)
            return Usage("diff takes two designs (or OLD... -- NEW...)");
        after.files = {a.files[1]};
        a.files.pop_back();
    }
    std::string wasIs;
    bool failOnChanges = false;
    for (const auto& [name, value] : a.options) {
        if (name == "--wasis")
            wasIs = value;
        else if (name == "--fail-on-changes")
            failOnChanges = true;
    }
    CliDesign before, now;
    if (const int status = before.Open("diff", a.files, ""); status != kExitOk)
        return status;
    if (const int status = now.Open("diff", after.files, ""); status != kExitOk)
        return status;
    CDesignDiff diff;
    if (DiffDesigns(before.Job().documents, now.Job().documents, diff))
        return Fail(a.files.front(), "cancelled");
    std::vector<std::filesystem::path> inputs = JobInputs(before.Job());
    for (std::filesystem::path& input : JobInputs(now.Job()))
        inputs.push_back(std::move(input));
    if (!wasIs.empty()) {
        CString text, error;
        if (!DiffWasIs(diff, text, error))
            return Fail(wasIs, ToUtf8(error));
        if (!CommitJobOutputs({{wasIs, TextFileBytes(text, true)}}, inputs))
            return kExitFailure;
    }
    const CString text = DiffText(diff);
    std::fputs(diff.Empty() ? "no differences\n" : ToUtf8(text).c_str(), stdout);
    if (diff.Empty() && !text.IsEmpty())
        std::fputs(ToUtf8(text).c_str(), stdout);
    return failOnChanges && !diff.Empty() ? kExitFindings : kExitOk;
}
