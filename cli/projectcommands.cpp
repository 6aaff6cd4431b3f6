#include "projectcommands.h"

#include <cstdio>

#include "app/projectfile.h"
#include "app/vireodoc.h"
#include "base/codepage.h"

#include "commands.h"

namespace {

// Command-line text is UTF-8; project text is CP932.
bool ToProjectText(const std::string& utf8, CString& out)
{
    // Only text that comes back unchanged: see Utf8ToCp932Exact.
    std::string cp932;
    if (!Utf8ToCp932Exact(utf8, cp932))
        return false;
    out = CString(cp932);
    return true;
}

int List(const std::string& project, const std::vector<std::string>& rest)
{
    bool all = false;
    for (const std::string& option : rest) {
        if (option != "--all")
            return Usage("project list takes a project file and --all");
        all = true;
    }
    std::vector<std::string> sheets;
    if (CProjectFile::ReadFileList(project, all, true, sheets) < 0)
        return Fail(project, "cannot be read or is not a project file");
    for (const std::string& sheet : sheets)
        std::printf("%s\n", sheet.c_str());
    return kExitOk;
}

int Get(const std::string& project, const std::vector<std::string>& rest)
{
    CProjectContents contents;
    if (!CProjectFile::Read(project, contents))
        return Fail(project, "cannot be read or is not a project file");
    if (rest.empty()) {
        for (const CString& line : CProjectFile::ListProperties(project))
            std::printf("%s\n", ToUtf8(line).c_str());
        return kExitOk;
    }
    if (rest.size() != 1)
        return Usage("project get takes a project file and at most one property name");
    CString name;
    if (!ToProjectText(rest[0], name))
        return Fail(project, "the property name cannot be written in the project's code page");
    for (const CString& line : CProjectFile::ListProperties(project)) {
        CString n, v;
        if (CProjectFile::SplitPropertyLine(line, n, v) && n.CompareNoCase(name) == 0) {
            std::printf("%s\n", ToUtf8(v).c_str());
            return kExitOk;
        }
    }
    return Fail(project, "no property " + rest[0]);
}

int Set(const std::string& project, const std::vector<std::string>& rest)
{
    if (rest.size() != 2)
        return Usage("project set takes a project file, a property name and a value");
    CString name, value;
    if (!ToProjectText(rest[0], name) || !ToProjectText(rest[1], value))
        return Fail(project, "the text cannot be written in the project's code page");
    std::string error;
    if (!CProjectFile::SetProperty(project, name, value, error))
        return Fail(project, error);
    return kExitOk;
}

} // namespace

int ProjectCommand(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        return Usage("project takes a subcommand (list, get, set) and a project file");
    const std::vector<std::string> rest(args.begin() + 2, args.end());
    if (args[0] == "list")
        return List(args[1], rest);
    if (args[0] == "get")
        return Get(args[1], rest);
    if (args[0] == "set")
        return Set(args[1], rest);
    return Usage(("unknown project subcommand " + args[0]).c_str());
}

int ResaveCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage("resave takes one schematic file");
    CVIREODoc doc;
    // The document tells the host (stderr) why it could not open the file.
    if (!doc.OnOpenDocument(args[0]))
        return Fail(args[0], "not opened");
    if (!doc.Save())
        return Fail(args[0], "not saved; the file is as it was");
    return kExitOk;
}

void PrintTitleAndProperties(const CDocumentHeader& header)
{
    std::printf("title_file: %s\n", ToUtf8(CVIREODoc::TitleFileOf(header)).c_str());
    for (const CString& property : header.properties)
        std::printf("property: %s\n", ToUtf8(property).c_str());
}
