// vireo-cli partlist [--count] [--props A,B] [--force] [--variant NAME]
//                    [--sheet-no TEXT] [--set-name TEXT] [--quantity N]
//                    [-o BASE] INPUT...
//
// Writes the part list of a design to BASE.csv and prints
// "parts: N  lines: M".  INPUT is one project (.dpj) or sheets.  The options
// override the settings (Tool section) and the project's values for this
// run only; nothing is written back.
#include <cstdio>
#include <cstdlib>

#include "app/partlistjob.h"
#include "arguments.h"
#include "commands.h"
#include "designinput.h"

int PartListCommand(const CommandArgs& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args,
                        {"--props", "--variant", "--sheet-no", "--set-name", "--quantity", "-o"},
                        {"--count", "--no-count", "--force"}, a, problem))
        return Usage("partlist: " + problem);
    std::string base;
    for (const auto& [name, value] : a.options)
        if (name == "-o")
            base = value;
    CliDesign design;
    if (const int status = design.Open("partlist", a.files, base); status != kExitOk)
        return status;

    CPartListOptions options = CPartListOptions::FromSettings(design.Job().project);
    for (const auto& [name, value] : a.options) {
        CString text;
        if (name != "-o" && !value.empty() && !ToCp932(value, text))
            return Usage("partlist: " + name + " has a character the sheets cannot hold");
        if (name == "--count" || name == "--no-count") {
            options.count = name == "--count";
        } else if (name == "--force") {
            options.force = true;
        } else if (name == "--props") {
            options.properties = text;
        } else if (name == "--variant") {
            if (text.IsEmpty())
                return Usage("partlist: --variant needs a name");
            options.variant = text;
        } else if (name == "--sheet-no") {
            options.sheetNo = text;
        } else if (name == "--set-name") {
            options.setName = text;
        } else if (name == "--quantity") {
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || n < 1 || n > 32767)
                return Usage("partlist: --quantity takes a number from 1 to 32767");
            options.quantity = int(n);
        }
    }
    const CPartListResult result = RunPartListJob(options, design.Job());
    if (result.status == CPartListResult::Cancelled)
        return Fail(a.files.front(), "cancelled; no file was written");
    if (result.status != CPartListResult::Done)
        return kExitFailure;
    std::printf("parts: %d  lines: %d\n", result.usedParts, result.records);
    return kExitOk;
}
