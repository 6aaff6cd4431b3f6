// vireo-cli refs INPUT... [--sort ref|reading]
//
// Lists the parts of the given sheets the way the project commands see them:
// the parts of every sheet, in the order the sheets are named, go into one
// combined sheet, each tagged with the size of its sheet; the combined sheet
// is sorted by reference (the order of netlists and part lists) or in
// reading order (top to bottom, then left to right; sheets of different
// heights are lined up at their tops), and every part prints as one
// tab-separated line:
//   reference  prefix  number  suffix  package reference  value  part name
#include "refscommand.h"

#include <cstdio>
#include <string>

#include "base/codepage.h"
#include "schematicio.h"
#include "sheet/sheet.h"

#include "commands.h"
#include "terminalfield.h"

int RefsCommand(const std::vector<std::string>& args)
{
    std::vector<std::string> inputs;
    bool reading = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string sort;
        if (args[i] == "--sort") {
            if (i + 1 == args.size())
                return Usage("--sort needs ref or reading");
            sort = args[++i];
        } else if (args[i].rfind("--sort=", 0) == 0) {
            sort = args[i].substr(7);
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return Usage("unknown option " + args[i]);
        } else {
            inputs.push_back(args[i]);
            continue;
        }
        if (sort != "ref" && sort != "reading")
            return Usage("unknown sort order " + sort + " (ref or reading)");
        reading = sort == "reading";
    }
    if (inputs.empty())
        return Usage("refs takes at least one input file");

    CSheet combined;
    for (const std::string& input : inputs) {
        LoadedSchematic doc;
        std::string error;
        if (!LoadSchematic(input, doc, error))
            return Fail(input, error);
        const CString tag = CSheet::SizeTag(doc.header.width, doc.header.height);
        for (const CPart& part : doc.main.Parts()) {
            // Parts without a reference are drawings, not components.
            if (part.GetRefName().IsEmpty())
                continue;
            CPart* copy = combined.NewPart(part);
            copy->NewText(CText(tag, CPoint(0, 0), CText::kDefaultSize,
                                CText::kDefaultAttr | CText::kHidden));
        }
    }
    if ((reading ? combined.SortPart() : combined.SortPartRef()) == CSheet::kSortCancelled)
        return kExitFailure;

    for (const CPart& part : combined.Parts()) {
        CString prefix, suffix;
        int number;
        part.GetRefName(prefix, suffix, number);
        std::printf("%s\t%s\t%d\t%s\t%s\t%s\t%s\n", TerminalField(part.GetRefName()).c_str(),
                    TerminalField(prefix).c_str(), number, TerminalField(suffix).c_str(),
                    TerminalField(part.GetRefNameA()).c_str(),
                    TerminalField(part.GetValName()).c_str(),
                    TerminalField(part.GetPartName()).c_str());
    }
    return kExitOk;
}
