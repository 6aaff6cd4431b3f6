// vireo-cli: the batch front end.
//
//   vireo-cli convert IN OUT   read a schematic (.dcd of any version, or .txt
//                              in the text form) and write OUT by its extension
//   vireo-cli info FILE        print the document header and the item counts
//
//   vireo-cli nets INPUT...    print the nets of the sheets
//   vireo-cli erc INPUT...     print the electrical rule check
//
// Exit status: 0 success, 1 a file could not be read or written, 2 usage,
// 5 rule-check findings (erc --fail-on-findings).
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/host.h"
#include "clihost.h"
#include "commands.h"
#include "schematicio.h"

namespace {

const char kUsage[] =
    "usage: vireo-cli [--yes] COMMAND ARGS...\n"
    "\n"
    "commands:\n"
    "  convert IN OUT   convert a schematic; IN is .dcd (any version) or .txt (text form),\n"
    "                   OUT is written by its extension: .dcd (version 8) or .txt\n"
    "  info FILE        print version, sheet size and item counts of a schematic\n"
    "  tidy IN OUT [--wire-junc|--no-wire-junc] [--over|--no-over]\n"
    "                   run the sheet clean-up (merge wires, cut wires back at pins,\n"
    "                   remove duplicates, empty items and, with --over, items off the\n"
    "                   sheet) and write OUT; the options override the settings\n"
    "  nets [--cross] INPUT...\n"
    "                   print the nets of the sheets (numbered 1, 2 ... in the order given):\n"
    "                   names, flags, and each pin as REF-PIN type file sheet; with --cross\n"
    "                   also where each named wire or bus continues on other sheets\n"
    "  erc [--fail-on-findings] INPUT...\n"
    "                   print the electrical rule check of the sheets' nets; with the\n"
    "                   option, exit with 5 when it found anything\n"
    "\n"
    "options:\n"
    "  --yes            answer yes to questions (default: no)\n"
    "  --help           show this text\n";

}  // namespace

int Usage(const char* problem)
{
    if (problem)
        std::fprintf(stderr, "vireo-cli: %s\n", problem);
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int Fail(const std::string& file, const std::string& reason)
{
    std::fprintf(stderr, "vireo-cli: %s: %s\n", file.c_str(), reason.c_str());
    return kExitFailure;
}

namespace {

int Convert(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return Usage("convert takes an input and an output file");
    if (FormatOfPath(args[1]) == SchematicFormat::Unknown)
        return Usage("the output file must end in .dcd or .txt");
    LoadedSchematic doc;
    std::string error;
    if (!LoadSchematic(args[0], doc, error))
        return Fail(args[0], error);
    if (!SaveSchematic(args[1], doc, error))
        return Fail(args[1], error);
    return kExitOk;
}

int Info(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage("info takes one file");
    LoadedSchematic doc;
    std::string error;
    if (!LoadSchematic(args[0], doc, error))
        return Fail(args[0], error);
    const CSheet& sheet = doc.main;
    std::printf("version: %d\n", doc.header.version);
    std::printf("size_code: %d\n", doc.header.sizeCode);
    std::printf("width: %d\n", doc.header.width);
    std::printf("height: %d\n", doc.header.height);
    std::printf("wires: %d\n", sheet.GetCount(kind::kWire));
    std::printf("buses: %d\n", sheet.GetCount(kind::kBus));
    std::printf("lines: %d\n", sheet.GetCount(kind::kLine));
    std::printf("junctions: %d\n", sheet.GetCount(kind::kJunc));
    std::printf("pins: %d\n", sheet.GetCount(kind::kPin));
    std::printf("texts: %d\n", sheet.GetCount(kind::kText));
    std::printf("arcs: %d\n", sheet.GetCount(kind::kArc));
    std::printf("parts: %d\n", sheet.GetCount(kind::kPart));
    return kExitOk;
}

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
};

const Command kCommands[] = {
    {"convert", Convert},
    {"info", Info},
    {"tidy", TidyCommand},
    {"nets", NetsCommand},
    {"erc", ErcCommand},
};

}  // namespace

int main(int argc, char** argv)
{
    bool answerYes = false;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--yes" || arg == "-y") {
            answerYes = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return kExitOk;
        } else if (arg.size() > 1 && arg[0] == '-' && words.empty()) {
            return Usage(("unknown option " + arg).c_str());
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty())
        return Usage("no command given");
    SetHost(std::make_unique<CCliHost>(answerYes));
    for (const Command& command : kCommands)
        if (words[0] == command.name)
            return command.run(std::vector<std::string>(words.begin() + 1, words.end()));
    return Usage(("unknown command " + words[0]).c_str());
}
