// vireo-cli tidy IN OUT [--wire-junc|--no-wire-junc] [--over|--no-over]
//
// Runs the clean-up the editor runs on a sheet, with the "CleanSection"
// settings unless an option says otherwise, writes OUT and tells what each
// pass did.
#include <cstdio>

#include "commands.h"
#include "schematicio.h"
#include "sheet/cleanup.h"

int TidyCommand(const CommandArgs& args)
{
    CCleanUpOptions options = CCleanUpOptions::FromSettings();
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--wire-junc")
            options.wireJunc = true;
        else if (arg == "--no-wire-junc")
            options.wireJunc = false;
        else if (arg == "--over")
            options.over = true;
        else if (arg == "--no-over")
            options.over = false;
        else if (arg.size() > 1 && arg[0] == '-')
            return Usage(("tidy: unknown option " + arg).c_str());
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        return Usage("tidy takes an input and an output file");
    if (FormatOfPath(files[1]) == SchematicFormat::Unknown)
        return Usage("the output file must end in .dcd or .txt");
    LoadedSchematic doc;
    std::string error;
    if (!LoadSchematic(files[0], doc, error))
        return Fail(files[0], error);

    CCleanUpReport report;
    const int changed =
        doc.main.CleanUpDocument(CSize(doc.header.width, doc.header.height), options, &report);
    if (!SaveSchematic(files[1], doc, error))
        return Fail(files[1], error);

    std::printf("changed: %d\n", changed);
    std::printf("empty items removed: %d\n", report.emptyItems);
    std::printf("wires merged: %d\n", report.mergedWires);
    std::printf("buses merged: %d\n", report.mergedBuses);
    std::printf("lines merged: %d\n", report.mergedLines);
    std::printf("overlaps cut back: %d\n", report.cutBackLines);
    std::printf("wires cut back at pins: %d\n", report.pinTrims);
    std::printf("wires on pins removed: %d\n", report.pinTrimDeletions);
    std::printf("duplicates removed: %d\n", report.duplicates);
    std::printf("items outside the sheet removed: %d%s\n", report.outside, options.over ? "" : " (not checked)");
    std::printf("kept to keep connections: %d\n", report.keptForConnections);
    return kExitOk;
}
