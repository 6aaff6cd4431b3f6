// vireo-cli: the batch front end.
//
//   vireo-cli convert IN OUT   read a schematic (.dcd of any version, or .txt
//                              in the text form) and write OUT by its extension
//   vireo-cli info FILE        print the document header and the item counts
//   vireo-cli project ...      list a project's sheets, get and set its properties
//   vireo-cli resave FILE      open and save a schematic through the document
//   vireo-cli refs INPUT...    list the part references of sheets, sorted
//   vireo-cli pdf|dxf|tango|svg    export sheets (see exportcommands.h)
//
//   vireo-cli nets INPUT...    print the nets of the sheets
//   vireo-cli erc INPUT...     print the electrical rule check
//   vireo-cli netlist INPUT... write a netlist (29 formats) and the net report
//   vireo-cli partlist|annotate|netindex|check INPUT...
//                              part list, numbering and Was-Is files, net index,
//                              check log of a design
//   vireo-cli diff OLD NEW     what changed between two revisions
//   vireo-cli edit SHEET SCRIPT -o OUT   run an edit script on a sheet
//   vireo-cli new OUT          an empty sheet
//   vireo-cli find STRING INPUT...   every occurrence of a text (exit 1: none)
//
// Exit status: 0 success, 1 a file could not be read or written, 2 usage,
// 5 findings (erc and check --fail-on-findings, diff --fail-on-changes).
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "base/host.h"
#include "clihost.h"
#include "commands.h"
#include "exportcommands.h"
#include "projectcommands.h"
#include "libcommands.h"
#include "refscommand.h"
#include "schematicio.h"

namespace {

const char kUsage[] =
    "usage: vireo-cli [--yes] COMMAND ARGS...\n"
    "\n"
    "commands:\n"
    "  convert IN OUT   convert a schematic; IN is .dcd (any version), .txt (text form) or a\n"
    "                   Tango schematic,\n"
    "                   OUT is written by its extension: .dcd (version 8) or .txt\n"
    "  info FILE        print version, sheet size, title file, properties and item counts\n"
    "  project list P.dpj [--all]       the sheets of a project (--all: unchecked too, as 1:/0:)\n"
    "  project get P.dpj [KEY]          a project property (without KEY: all property lines)\n"
    "  project set P.dpj KEY VALUE      set a project property (empty VALUE removes it)\n"
    "  resave FILE.dcd  open and save a schematic as the editor does (backup, version 8)\n"
    "  tidy IN OUT [--wire-junc|--no-wire-junc] [--over|--no-over]\n"
    "                   run the sheet clean-up (merge wires, cut wires back at pins,\n"
    "                   remove duplicates, empty items and, with --over, items off the\n"
    "                   sheet) and write OUT; the options override the settings\n"
    "  lib list LIB                     one line per gate: package, gate count, ref=/attr= or gate=\n"
    "  lib get LIB PKG [--gate N] -o OUT.dcd|.txt   write a package (or one gate) as a sheet\n"
    "  lib put LIB PKG SHEET            register the parts of a sheet as package PKG\n"
    "  lib delete LIB PKG [--gate N]    delete a package (or one gate)\n"
    "  lib rename LIB OLD NEW           rename a package\n"
    "  lib copy SRC DST PKG [--move]    copy (or move) a package to another library\n"
    "  lib index LIB                    rebuild the index file (.dix)\n"
    "  lib libs [add|remove PATH...]    show or edit the library list of the settings\n"
    "  lib2txt LIB TXT                  write a library as a text library\n"
    "  txt2lib TXT LIB                  build a library from a text library (old one kept as .lbk)\n"
    "  refs INPUT... [--sort ref|reading]\n"
    "                   list the parts of the sheets, by reference or in reading order;\n"
    "                   tab-separated: reference, prefix, number, suffix, package reference,\n"
    "                   value, part name\n"
    "  nets [--cross] INPUT...\n"
    "                   print the nets of the sheets (numbered 1, 2 ... in the order given):\n"
    "                   names, flags, and each pin as REF-PIN type file sheet; with --cross\n"
    "                   also where each named wire or bus continues on other sheets\n"
    "  erc [--fail-on-findings] INPUT...\n"
    "                   print the electrical rule check of the sheets' nets; with the\n"
    "                   option, exit with 5 when it found anything\n"
    "  pdf [--title T] [--subtitle S] [--author A] [--scale X] [--color] [--background]\n"
    "      [--no-title] [--all] [-o BASE] INPUT...\n"
    "                   sheets (.dcd, .txt, Tango) or projects (.dpj, their sheets in order;\n"
    "                   --all: also those not taking part) to BASE.pdf, one page each\n"
    "                   (BASE: the first input without its extension); --no-title leaves\n"
    "                   out the title block; prints pages: N  fonts: M\n"
    "  dxf [--header FILE] IN OUT.dxf   a sheet as DXF (header: DXF_HDR.DAT of the data folder)\n"
    "  tango IN OUT     a sheet as a Tango schematic\n"
    "  svg [--bw] [--all] [-o BASE] INPUT...\n"
    "                   each sheet (or project sheet) as an SVG picture BASE.svg, or\n"
    "                   BASE-1.svg, BASE-2.svg ... for several; --bw draws in black\n"
    "  netlist [--format F] [--start N] [--report|--no-report] [--html] [--unix]\n"
    "          [--compo EXT] [--pcb PROP] [--node-upper] [--net-upper] [-o BASE] INPUT...\n"
    "                   write BASE.net (.cir for SPICE, .asc for PowerPCB) in format F\n"
    "                   (a code 1..29 or its name, e.g. PADS-PCB), the report BASE.nrp\n"
    "                   (BASE.nrp.html with --html) and with --compo the part list\n"
    "                   BASE.EXT; INPUT is one .dpj or sheets; BASE defaults to the\n"
    "                   project or first sheet without its extension\n"
    "  partlist [--count] [--props A,B] [--force] [--variant NAME] [--sheet-no T]\n"
    "           [--set-name T] [--quantity N] [-o BASE] INPUT...\n"
    "                   write the part list BASE.csv; prints parts: N  lines: M\n"
    "  annotate [--mode undetermined|all|wasis-apply|wasis-template] [--step 1|2]\n"
    "           [--start N] [--page-offset N] [--per-sheet] [--simple] [--wasis FILE]\n"
    "           [--dry-run] [-o BASE] INPUT...\n"
    "                   number the references (or apply / write the Was-Is file\n"
    "                   BASE.dws) and write the changed sheets back; prints\n"
    "                   renumbered: N  sheets: M\n"
    "  netindex [--no-single] [--xy] [--html] [-o BASE] INPUT...\n"
    "                   write the wire name index BASE.net.csv (.net.html); prints\n"
    "                   names: N  entries: M\n"
    "  check [--html] [--save] [--fail-on-findings] [--by-sheet] [--missing] [--over]\n"
    "        [--no-clean-line] [--wire-junc] [-o BASE] INPUT...\n"
    "                   tidy the wires, check pins and references, write BASE.log\n"
    "                   (.log.html); --save writes the tidied sheets back\n"
    "  diff [--wasis FILE] [--fail-on-changes] OLD NEW   (or OLD... -- NEW...)\n"
    "                   parts and nets added, removed or changed between two\n"
    "                   revisions; --wasis writes the reference changes\n"
    "  find STRING INPUT... [--kinds LIST] [--case] [--word] [--hidden]\n"
    "                   every occurrence of STRING in the sheets (or project sheets),\n"
    "                   one line each: sheet, kind, text, x, y; LIST is a comma list of\n"
    "                   partname reference value pinname pinnumber parttext signal text\n"
    "                   (default reference,signal,text) or all; exit 0 found, 1 not found\n"
    "  edit SHEET SCRIPT -o OUT [--lib LIB]...\n"
    "                   run an edit script (one event a line: command, click, press,\n"
    "                   move, release, key, wheel, answer) on a sheet with the editor's\n"
    "                   editing engine and write OUT (.dcd or .txt); the Part tool takes\n"
    "                   parts from the LIBs (default: the library list of the settings)\n"
    "  new [--size A4|A3|A2|A4P|A3P|A2P] OUT\n"
    "                   write an empty sheet (size: the File > New setting)\n"
    "\n"
    "options:\n"
    "  --yes            answer yes to questions (default: the question's default, else no)\n"
    "  --help           show this text\n";

}  // namespace

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "vireo-cli: %s (see vireo-cli --help)\n", problem.c_str());
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
    PrintTitleAndProperties(doc.header);
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
    {"project", ProjectCommand},
    {"resave", ResaveCommand},
    {"lib", LibCommand},
    {"lib2txt", Lib2TxtCommand},
    {"txt2lib", Txt2LibCommand},
    {"refs", RefsCommand},
    {"nets", NetsCommand},
    {"erc", ErcCommand},
    {"pdf", PdfCommand},
    {"dxf", DxfCommand},
    {"tango", TangoCommand},
    {"svg", SvgCommand},
    {"netlist", NetlistCommand},
    {"partlist", PartListCommand},
    {"annotate", AnnotateCommand},
    {"netindex", NetIndexCommand},
    {"check", CheckCommand},
    {"diff", DiffCommand},
    {"edit", EditCommand},
    {"new", NewCommand},
    {"find", FindCommand},
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
    if (words.empty()) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    SetHost(std::make_unique<CCliHost>(answerYes));
    for (const Command& command : kCommands) {
        if (words[0] != command.name)
            continue;
        // Whatever a command lets escape ends it with a message and status 1,
        // never with an abort: the files it writes are replaced atomically,
        // so none is left half-written.
        try {
            return command.run(std::vector<std::string>(words.begin() + 1, words.end()));
        } catch (const std::bad_alloc&) {
            return Fail(words[0], "stopped: out of memory");
        } catch (const std::exception& e) {
            return Fail(words[0], std::string("stopped: ") + e.what());
        }
    }
    return Usage(("unknown command " + words[0]).c_str());
}
