// vireo-cli annotate [--mode undetermined|all|wasis-apply|wasis-template]
//                    [--step N] [--start N] [--page-offset N] [--per-sheet]
//                    [--simple] [--wasis FILE] [--dry-run] [-o BASE] INPUT...
//
// Numbers the part references of a design, or exchanges them through a
// Was-Is file (BASE.dws unless --wasis names one).  The changed sheets are
// written back, each in its own form, all together; --dry-run lists the
// changes and writes nothing.  Prints "renumbered: N  sheets: M" (the
// template mode prints the file it wrote).  The options override the
// settings (Tool section) for this run only.
#include <cstdio>
#include <cstdlib>

#include "app/partnumberjob.h"
#include "arguments.h"
#include "base/codepage.h"
#include "commands.h"
#include "designinput.h"

namespace {

bool ParseNumber(const std::string& text, int low, int high, int& out)
{
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || n < low || n > high)
        return false;
    out = int(n);
    return true;
}

const char* const kModes[] = {"undetermined", "all", "wasis-apply", "wasis-template"};

} // namespace

int AnnotateCommand(const CommandArgs& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"--mode", "--step", "--start", "--page-offset", "--wasis", "-o"},
                        {"--per-sheet", "--simple", "--dry-run"}, a, problem))
        return Usage("annotate: " + problem);
    CPartNoOptions options = CPartNoOptions::FromSettings();
    std::string base, wasIs;
    bool dryRun = false;
    std::vector<std::string> given;
    for (const auto& [name, value] : a.options) {
        given.push_back(name);
        if (name == "--mode") {
            int mode = -1;
            for (int m = 0; m < 4; ++m)
                if (value == kModes[m] || value == std::to_string(m))
                    mode = m;
            if (mode < 0)
                return Usage("annotate: --mode takes undetermined, all, wasis-apply or "
                             "wasis-template");
            options.mode = mode;
        } else if (name == "--step") {
            if (!ParseNumber(value, 1, 2, options.step))
                return Usage("annotate: --step takes 1 or 2");
        } else if (name == "--start") {
            if (!ParseNumber(value, 1, 9999, options.start))
                return Usage("annotate: --start takes a number from 1 to 9999");
        } else if (name == "--page-offset") {
            if (!ParseNumber(value, 0, 9999, options.pageOffset))
                return Usage("annotate: --page-offset takes a number from 0 to 9999");
        } else if (name == "--per-sheet") {
            options.eachSheet = true;
        } else if (name == "--simple") {
            options.simpleWasIs = true;
        } else if (name == "--wasis") {
            wasIs = value;
        } else if (name == "--dry-run") {
            dryRun = true;
        } else if (name == "-o") {
            base = value;
        }
    }
    // An option the mode does not use is a mistake worth telling.
    const CPartNoOptions::Fields fields = CPartNoOptions::FieldsOf(options.mode);
    const std::pair<const char*, bool> uses[] = {
        {"--step", fields.step},           {"--start", fields.start},
        {"--page-offset", fields.pageOffset}, {"--per-sheet", fields.eachSheet},
        {"--simple", fields.simpleWasIs},  {"--wasis", fields.simpleWasIs}};
    for (const auto& [option, used] : uses)
        for (const std::string& name : given)
            if (name == option && !used)
                return Usage(std::string("annotate: ") + option + " does not apply to --mode " +
                             kModes[options.mode]);

    CliDesign design;
    if (const int status = design.Open("annotate", a.files, base); status != kExitOk)
        return status;
    CPartNoJob job;
    static_cast<CProjectJob&>(job) = design.Job();
    job.wasIsFile = wasIs;
    job.dryRun = dryRun;
    job.openDocument = [&design](const std::filesystem::path& path) {
        return design.OpenExtra(path);
    };
    const CPartNoResult result = RunPartNoJob(options, job);
    if (result.status == CPartNoResult::Cancelled)
        return Fail(a.files.front(), "cancelled; no sheet was changed");
    if (result.status != CPartNoResult::Done)
        return kExitFailure;
    if (options.mode == CPartNoOptions::kWriteTemplate) {
        if (!dryRun)
            std::printf("template: %s\n", result.written.string().c_str());
        return kExitOk;
    }
    if (dryRun)
        for (const CPartNoChange& c : result.changes)
            std::printf("%s\t%s\t%s\n", c.document.string().c_str(), ToUtf8(c.before).c_str(),
                        ToUtf8(c.after).c_str());
    std::string error;
    if (!dryRun && !design.Save(result.changedDocuments, error))
        return Fail(a.files.front(), error);
    std::printf("renumbered: %d  sheets: %d\n", int(result.changes.size()),
                int(result.changedDocuments.size()));
    return kExitOk;
}
