// vireo-cli edit SHEET SCRIPT -o OUT [--lib LIB]...   runs an edit script on a sheet
// vireo-cli new [--size A4|A3|A2|A4P|A3P|A2P] OUT    an empty sheet
//
// The script drives the editor's own editing engine on the sheet as a
// notional window of 1280 x 800 pixels showing the whole sheet (see
// app/edit/editscript.h for its lines).  OUT is written only when the whole
// script ran; a malformed line stops before anything is changed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/edit/editengine.h"
#include "app/edit/editscript.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "commands.h"
#include "schematicio.h"

namespace {

bool ReadText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return !in.bad();
}

} // namespace

int EditCommand(const CommandArgs& args)
{
    std::vector<std::string> files;
    std::vector<CString> libraries;
    std::string out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--lib" && i + 1 < args.size())
            libraries.push_back(FromUtf8(args[++i]));
        else if (args[i].size() > 1 && args[i][0] == '-')
            return Usage("edit: unknown option " + args[i]);
        else
            files.push_back(args[i]);
    }
    if (files.size() != 2 || out.empty())
        return Usage("edit takes a sheet, a script, -o OUT and --lib LIB options");
    if (FormatOfPath(out) == SchematicFormat::Unknown)
        return Usage("the output file must end in .dcd or .txt");
    std::string script;
    if (!ReadText(files[1], script))
        return Fail(files[1], "cannot be read");
    std::vector<CScriptEvent> events;
    int line = 0;
    std::string problem;
    if (!ParseEditScript(script, events, line, problem)) {
        std::fprintf(stderr, "vireo-cli: %s:%d: %s\n", files[1].c_str(), line, problem.c_str());
        return kExitUsage;
    }
    LoadedSchematic loaded;
    std::string error;
    if (!LoadSchematic(files[0], loaded, error))
        return Fail(files[0], error);

    CVIREODoc doc;
    doc.Header() = loaded.header;
    doc.MainSheet() = loaded.main;
    // Relative "FILE" properties and library names are taken from the sheet's folder.
    doc.SetPathName(std::filesystem::absolute(files[0]));
    CScriptAnswers answers;
    CScriptEditHost host(answers);
    CEditEngine engine(doc, host);
    // --lib: the Part tool and Library look in these libraries, not the settings' list.
    if (!libraries.empty())
        engine.SetLibraries(libraries);
    RunEditScript(engine, events, answers);
    engine.Finish();

    loaded.main = doc.MainSheet();
    if (!SaveSchematic(out, loaded, error))
        return Fail(out, error);
    std::printf("items: %u  undo steps: %d\n", doc.MainSheet().GetItemCount(),
                CEditEngine::UndoSteps(doc.History()));
    return kExitOk;
}

int NewCommand(const CommandArgs& args)
{
    static const char* const kSizes[6] = {"A2", "A3", "A4", "A2P", "A3P", "A4P"};
    int code = -1;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--size" && i + 1 < args.size()) {
            const std::string& size = args[++i];
            for (int k = 0; k < 6; ++k)
                if (size == kSizes[k])
                    code = k;
            if (code < 0)
                return Usage("new: the size is one of A4, A3, A2, A4P, A3P, A2P");
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return Usage("new: unknown option " + args[i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1)
        return Usage("new takes one output file");
    if (FormatOfPath(files[0]) == SchematicFormat::Unknown)
        return Usage("the output file must end in .dcd or .txt");
    LoadedSchematic sheet;
    sheet.header =
        code < 0 ? CSchematicFile::NewDocumentHeader() : CSchematicFile::NewDocumentHeader(code);
    std::string error;
    if (!SaveSchematic(files[0], sheet, error))
        return Fail(files[0], error);
    std::printf("size: %s  width: %d  height: %d\n", kSizes[sheet.header.sizeCode],
                sheet.header.width, sheet.header.height);
    return kExitOk;
}
