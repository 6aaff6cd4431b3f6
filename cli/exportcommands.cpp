#include "exportcommands.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/exportjobs.h"
#include "app/jobdocuments.h"
#include "app/pdfjob.h"
#include "app/svgjob.h"
#include "base/codepage.h"
#include "export/pdfpage.h"

#include "arguments.h"
#include "commands.h"

int PdfCommand(const std::vector<std::string>& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"--title", "--subtitle", "--author", "--scale", "-o"},
                        {"--color", "--background", "--no-title", "--all"}, a, problem))
        return Usage("pdf: " + problem);
    if (a.files.empty())
        return Usage("pdf takes at least one input file");

    CPdfJobOptions options = CPdfJobOptions::FromSettings();
    std::filesystem::path base = std::filesystem::path(a.files.front()).replace_extension();
    for (const auto& [name, value] : a.options) {
        CString text;
        if ((name == "--title" || name == "--subtitle" || name == "--author") &&
            !ToCp932(value, text))
            return Fail(name, "the text cannot be written in the Japanese code page");
        if (name == "--title")
            options.title = text;
        else if (name == "--subtitle")
            options.subtitle = text;
        else if (name == "--author")
            options.author = text;
        else if (name == "--scale" && !TryParsePdfScale(CString(value)))
            return Usage("pdf: --scale takes a number from 0.01 to 100, not " + value);
        else if (name == "--scale")
            options.page.scale = CString(value);
        else if (name == "--color")
            options.page.color = true;
        else if (name == "--background")
            options.page.background = true;
        else if (name == "--no-title")
            // Without the title block the page is laid out by the sheet itself.
            options.page.titleShown = options.page.titleInclude = false;
        else if (name == "--all")
            options.allSheets = true;
        else if (name == "-o")
            base = value;
    }
    if (base.empty())
        return Usage("pdf: -o needs a file name");

    std::vector<std::filesystem::path> inputs(a.files.begin(), a.files.end());
    const CPdfJobResult result = RunPdfJob(inputs, base, options);
    if (!result.ok)
        return kExitFailure;
    std::printf("pages: %d  fonts: %d\n", result.pages, result.fonts);
    return kExitOk;
}

int DxfCommand(const std::vector<std::string>& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"--header"}, {}, a, problem))
        return Usage("dxf: " + problem);
    if (a.files.size() != 2)
        return Usage("dxf takes an input sheet and an output file");
    if (CJobDocuments::IsProjectPath(a.files[0]))
        return Usage("dxf takes one sheet, not a project");
    std::filesystem::path header;
    for (const auto& option : a.options) {
        if (option.second.empty())
            return Usage("dxf: --header needs a file name");
        header = option.second;
    }
    return RunDxfJob(a.files[0], a.files[1], header) ? kExitOk : kExitFailure;
}

int TangoCommand(const std::vector<std::string>& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {}, {}, a, problem))
        return Usage("tango: " + problem);
    if (a.files.size() != 2)
        return Usage("tango takes an input sheet and an output file");
    if (CJobDocuments::IsProjectPath(a.files[0]))
        return Usage("tango takes one sheet, not a project");
    return RunTangoJob(a.files[0], a.files[1]) ? kExitOk : kExitFailure;
}

int SvgCommand(const std::vector<std::string>& args)
{
    Arguments a;
    std::string problem;
    if (!ParseArguments(args, {"-o"}, {"--bw", "--all"}, a, problem))
        return Usage("svg: " + problem);
    if (a.files.empty())
        return Usage("svg takes at least one input file");
    std::filesystem::path base = std::filesystem::path(a.files.front()).replace_extension();
    bool color = true, all = false;
    for (const auto& [name, value] : a.options) {
        if (name == "--bw")
            color = false;
        else if (name == "--all")
            all = true;
        else if (name == "-o")
            base = value;
    }
    if (base.empty())
        return Usage("svg: -o needs a file name");
    if (base.extension() == ".svg")
        base.replace_extension();
    const std::vector<std::filesystem::path> inputs(a.files.begin(), a.files.end());
    const CSvgJobResult result = RunSvgJob(inputs, base, color, all);
    if (!result.ok)
        return kExitFailure;
    std::printf("pictures: %d\n", int(result.written.size()));
    return kExitOk;
}
