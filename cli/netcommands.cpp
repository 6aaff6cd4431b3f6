// vireo-cli nets [--cross] INPUT...            the nets of a design (with
//                                              the cross-sheet references)
// vireo-cli erc [--fail-on-findings] INPUT...  the electrical rule check
//
// INPUT is a sheet (.dcd or .txt); the sheets are numbered from 1 in the
// order given.  A part whose "FILE" property names one of the other inputs
// stands for that sheet and adds no pins of its own.
#include <cstdio>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "commands.h"
#include "net/netbuild.h"
#include "schematicio.h"

namespace {

// The sheets of the inputs, loaded and numbered.
struct LoadedDesign {
    std::list<LoadedSchematic> docs; // stable addresses for the sheet pointers
    std::vector<CNetSheet> sheets;
};

// Loads every input; on failure reports it and returns the exit status.
int LoadDesign(const std::vector<std::string>& files, LoadedDesign& design)
{
    for (const std::string& file : files) {
        LoadedSchematic& doc = design.docs.emplace_back();
        std::string error;
        if (!LoadSchematic(file, doc, error))
            return Fail(file, error);
        design.sheets.push_back({FromUtf8(file), int(design.sheets.size()) + 1, &doc.main});
    }
    return kExitOk;
}

// Splits the words into options (checked against known) and inputs.
bool SplitArgs(const CommandArgs& args, const std::vector<std::string>& known,
               std::vector<std::string>& options, std::vector<std::string>& inputs,
               std::string& problem)
{
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            bool ok = false;
            for (const std::string& k : known)
                ok = ok || arg == k;
            if (!ok) {
                problem = "unknown option " + arg;
                return false;
            }
            options.push_back(arg);
        } else {
            inputs.push_back(arg);
        }
    }
    if (inputs.empty()) {
        problem = "no input sheet given";
        return false;
    }
    return true;
}

// The nets of the inputs named in args.
struct DesignNets {
    LoadedDesign design;
    std::unique_ptr<CSheetSetContext> context;
    CItemList<CNet> nets;
};

// Reads the words, loads the sheets and builds the nets; returns the exit
// status of a failure, or kExitOk.
int PrepareNets(const char* command, const CommandArgs& args, const std::vector<std::string>& known,
                std::vector<std::string>& options, DesignNets& out)
{
    std::vector<std::string> inputs;
    std::string problem;
    if (!SplitArgs(args, known, options, inputs, problem))
        return Usage((std::string(command) + ": " + problem).c_str());
    if (int status = LoadDesign(inputs, out.design))
        return status;
    out.context = std::make_unique<CSheetSetContext>(out.design.sheets);
    if (BuildNets(out.design.sheets, out.nets, out.context.get()))
        return Fail(inputs.front(), "cancelled");
    return kExitOk;
}

void Print(const CString& text)
{
    std::fputs(ToUtf8(text).c_str(), stdout);
}

// The cross-sheet references every named wire and bus of every sheet gets:
// "cross FILE SHEET: NAME -> TEXT" for each that has partners elsewhere.
void PrintCrossReferences(DesignNets& built)
{
    auto sheet = built.design.sheets.begin();
    for (LoadedSchematic& doc : built.design.docs) {
        for (CItemList<CLine>* list : {&doc.main.Wires(), &doc.main.Buses()})
            for (CLine& line : *list)
                if (!line.GetName().IsEmpty())
                    line.ModifyType(0, CLine::kWorkMark1);
        doc.main.MakeCrossNet(*built.context);
        for (const CItemList<CLine>* list : {&doc.main.Wires(), &doc.main.Buses()})
            for (const CLine& line : *list)
                if (!line.GetCrossName().IsEmpty())
                    Print(CString::Formatted("cross %s %d: %s -> %s\n", sheet->docName.c_str(),
                                             sheet->sheetNo, line.GetName().c_str(),
                                             line.GetCrossName().c_str()));
        ++sheet;
    }
}

} // namespace

int NetsCommand(const CommandArgs& args)
{
    std::vector<std::string> options;
    DesignNets built;
    if (int status = PrepareNets("nets", args, {"--cross"}, options, built))
        return status;
    const CSheetSetContext& context = *built.context;
    const CItemList<CNet>& nets = built.nets;

    int number = 0;
    for (const CNet& net : nets) {
        CString line = CString::Formatted("net %d:", ++number);
        if (net.Names().empty())
            line += " (unnamed)";
        for (size_t i = 0; i < net.Names().size(); ++i)
            line += (i ? ", " : " ") + net.Names()[i];
        if (!net.CheckAliasNet())
            line += " [alias]";
        if (net.IsOpenPinNet())
            line += " [open pin]";
        if (net.IsOpenWireNet())
            line += " [open wire]";
        Print(line + "\n");
        for (const CNetName& node : net.Nodes()) {
            const CPin& pin = node.GetPin();
            const CString type = pin.GetEleName().IsEmpty()
                                     ? CString::Formatted("Type%d", pin.GetEleType())
                                     : pin.GetEleName();
            Print(CString::Formatted(
                "  %s-%s %s %s %d%s\n", node.GetRefName().c_str(), node.GetPinNo().c_str(),
                type.c_str(), node.GetFileName().c_str(), context.GetSheetNo(node.GetFileName()),
                pin.IsDisp() ? "" : " hidden"));
        }
    }
    if (!options.empty())
        PrintCrossReferences(built);
    const CNetCounts counts = CountNets(nets);
    std::printf("nets: %d  connections: %d\n", counts.nets, counts.connections);
    return kExitOk;
}

int ErcCommand(const CommandArgs& args)
{
    std::vector<std::string> options;
    DesignNets built;
    if (int status = PrepareNets("erc", args, {"--fail-on-findings"}, options, built))
        return status;
    const bool failOnFindings = !options.empty();
    const CSheetSetContext& context = *built.context;
    const CItemList<CNet>& nets = built.nets;

    std::vector<int> codes;
    for (const CNet& net : nets)
        codes.push_back(net.CheckPinDRC());
    int findings = 0;
    for (int i = 0; i < CNet::kDrcCodeCount; ++i) {
        unsigned mask = 1u << i;
        bool headed = false;
        size_t k = 0;
        for (const CNet& net : nets) {
            if (!(codes[k++] & int(mask)))
                continue;
            if (!headed)
                Print(CString::Formatted("[DRC %s]\n", CNet::DrcName(i)));
            headed = true;
            ++findings;
            Print(net.MakeString(-1, mask, &context));
        }
    }
    std::printf("findings: %d\n", findings);
    return findings && failOnFindings ? kExitFindings : kExitOk;
}
