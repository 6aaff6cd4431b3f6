// vireo-cli netlist [OPTIONS] INPUT...
//
// Writes the netlist of a design in one of the 29 formats, with the net
// information report and, where the format has one, a component file.
// INPUT is one project (.dpj: its checked sheets, in list order) or sheets
// (.dcd or .txt, in the order given).  The options override the settings
// (Tool section) for this run only; nothing is written back.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/netlistjob.h"
#include "base/codepage.h"
#include "commands.h"
#include "designinput.h"
#include "netlist/netformat.h"

namespace {

bool ParseStart(const std::string& text, int& out)
{
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::atoi(text.c_str());
    return out <= 32767;
}

// The options that set a switch.
struct Flag {
    const char* name;
    bool CNetlistOptions::*field;
    bool value;
};
const Flag kFlags[] = {
    {"--report", &CNetlistOptions::report, true},
    {"--no-report", &CNetlistOptions::report, false},
    {"--html", &CNetlistOptions::html, true},
    {"--unix", &CNetlistOptions::unixLineEnds, true},
    {"--node-upper", &CNetlistOptions::nodeUpper, true},
    {"--net-upper", &CNetlistOptions::netUpper, true},
};

const Flag* FindFlag(const std::string& arg)
{
    for (const Flag& flag : kFlags)
        if (arg == flag.name)
            return &flag;
    return nullptr;
}

} // namespace

int NetlistCommand(const CommandArgs& args)
{
    CNetlistOptions options = CNetlistOptions::FromSettings();
    std::vector<std::string> inputs;
    std::string base;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue =
            a == "--format" || a == "--start" || a == "--compo" || a == "--pcb" || a == "-o";
        if (takesValue && i + 1 == args.size())
            return Usage("netlist: " + a + " needs a value");
        if (a == "--format") {
            const CNetFormat* row = FindNetFormat(FromUtf8(args[++i]).str());
            if (!row)
                return Usage("netlist: unknown format " + args[i] + " (a code 1..29 or a name)");
            options.format = row->code;
        } else if (a == "--start") {
            if (!ParseStart(args[++i], options.startNo))
                return Usage("netlist: --start takes a number from 0 to 32767");
        } else if (a == "--compo") {
            options.componentFile = true;
            options.componentExt = FromUtf8(args[++i]);
        } else if (a == "--pcb") {
            options.pcb = FromUtf8(args[++i]);
        } else if (a == "-o") {
            base = args[++i];
        } else if (const Flag* flag = FindFlag(a)) {
            options.*(flag->field) = flag->value;
            if (flag->field == &CNetlistOptions::html)
                options.htmlAsked = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("netlist: unknown option " + a);
        } else {
            inputs.push_back(a);
        }
    }
    if (inputs.empty())
        return Usage("netlist: no input given (a project .dpj or sheets)");
    if (options.format == 0)
        return Usage("netlist: no format given (--format, or Tool/NetType in the settings)");
    if (CString problem = options.Check(); !problem.IsEmpty())
        return Usage("netlist: " + ToUtf8(problem));

    CliDesign design;
    if (const int status = design.Open("netlist", inputs, base); status != kExitOk)
        return status;
    const CNetlistJob& job = design.Job();

    const CNetlistResult result = RunNetlistJob(options, job);
    if (result.status == CNetlistResult::Cancelled)
        return Fail(inputs.front(), "cancelled; no file was changed");
    if (result.status != CNetlistResult::Done)
        return kExitFailure;
    std::printf("nets: %d  connections: %d\n", result.counts.nets, result.counts.connections);
    return kExitOk;
}
