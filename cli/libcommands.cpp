// The part library commands of vireo-cli.  Each one does what the library
// browser or the conversion dialog does, through the same Tolvane functions;
// questions go to the host (the command line's --yes, else the question's
// default, else No).
//
// Exit status: 0 done, 1 failed (a damaged, missing or read-only library, a
// refused operation, a format error), 2 usage error.
#include "libcommands.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/codepage.h"
#include "base/profile.h"
#include "library/library.h"
#include "library/librarybrowser.h"
#include "library/libraryconvert.h"
#include "library/libraryindex.h"
#include "library/librarylisteditor.h"
#include "schematicio.h"
#include "sheet/sheet.h"

#include "commands.h"

namespace {

// The words of a lib command: positional arguments and the options.
struct Words {
    std::vector<std::string> positional;
    int gate = 0; // 0: not given
    std::string output;
    bool move = false;
};

bool ParseWords(const std::vector<std::string>& args, Words& w, std::string& problem)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--gate") {
            if (i + 1 >= args.size()) {
                problem = "--gate needs a number";
                return false;
            }
            char* end = nullptr;
            const long n = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || n < 1 || n > 1000000) {
                problem = "--gate needs a gate number from 1";
                return false;
            }
            w.gate = int(n);
        } else if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a file name";
                return false;
            }
            w.output = args[++i];
        } else if (a == "--move") {
            w.move = true;
        } else if (a.size() > 1 && a[0] == '-') {
            problem = "unknown option " + a;
            return false;
        } else {
            w.positional.push_back(a);
        }
    }
    return true;
}

// Command-line text (UTF-8) as the CP932 the library keeps.  Only a text
// that comes back unchanged is taken: a file name that converts into
// another's ("〜" and "～", "¥" and "\\") would act on that other file.
bool ToCp932(const std::string& utf8, CString& out)
{
    std::string cp932;
    if (!Utf8ToCp932Exact(utf8, cp932)) {
        std::fprintf(
            stderr,
            "vireo-cli: %s: cannot be written in the Japanese code page without changing it; "
            "not used\n",
            utf8.c_str());
        return false;
    }
    out = CString(cp932);
    return true;
}

bool ToCp932(const std::vector<std::string>& in, std::vector<CString>& out)
{
    out.clear();
    for (const std::string& s : in) {
        CString c;
        if (!ToCp932(s, c))
            return false;
        out.push_back(c);
    }
    return true;
}

int Outcome(libbrowser::Result r, const std::string& library, const std::string& package)
{
    switch (r) {
    case libbrowser::Result::Done:
        return kExitOk;
    case libbrowser::Result::Cancelled:
        return Fail(library, "not changed (answer yes with --yes)");
    case libbrowser::Result::NotFound:
        return Fail(library, "no package or gate " + package);
    case libbrowser::Result::Exists:
        return Fail(library, "a package " + package + " exists already");
    case libbrowser::Result::SameLibrary:
        return Fail(library, "source and destination are the same library");
    case libbrowser::Result::Failed:
        return kExitFailure;
    }
    return kExitFailure;
}

// Opens the one existing library a command names; false (reported) when it cannot.
bool OpenTheLibrary(const Words& w, CLibrary& library)
{
    CString path;
    return ToCp932(w.positional[0], path) && libbrowser::OpenLibrary(library, path, false);
}

// lib list LIB
int List(const Words& w)
{
    if (w.positional.size() != 1 || w.gate || !w.output.empty() || w.move)
        return Usage("lib list takes one library");
    CLibrary library;
    if (!OpenTheLibrary(w, library))
        return kExitFailure;
    std::vector<CLibIndexEntry> entries;
    if (!library.ReadListing(entries))
        return kExitFailure;
    std::string out;
    for (const CLibIndexEntry& e : entries) {
        out += ToUtf8(e.package) + "\t" + std::to_string(e.gateCount);
        if (e.gateCount > 1) {
            if (!e.reference.IsEmpty())
                out += "\tref=" + ToUtf8(e.reference) + "\tattr=" + std::to_string(e.attr);
            else
                out += "\tgate=" + ToUtf8(e.gateName);
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

// lib get LIB PKG [--gate N] -o OUT
int Get(const Words& w)
{
    if (w.positional.size() != 2 || w.output.empty() || w.move)
        return Usage("lib get takes a library, a package and -o OUT.dcd|.txt");
    if (FormatOfPath(w.output) == SchematicFormat::Unknown)
        return Usage("the output file must end in .dcd or .txt");
    std::vector<CString> a;
    if (!ToCp932(w.positional, a))
        return kExitFailure;
    CLibrary library;
    if (!libbrowser::OpenLibrary(library, a[0], false))
        return kExitFailure;
    LoadedSchematic doc;
    doc.header = CSchematicFile::NewDocumentHeader();
    // Placing a part: alias names resolve as they do in the editor.
    library.SetPackageName(a[1]);
    if (!library.ReadPart(&doc.main, 1))
        return library.Failed() ? kExitFailure
                                : Fail(w.positional[0], "no package " + w.positional[1]);
    if (w.gate) {
        const int count = doc.main.GetCount(kind::kPart);
        if (w.gate > count)
            return Fail(w.positional[0],
                        w.positional[1] + " has " + std::to_string(count) + " gate(s)");
        CPart gate;
        POSITION pos = doc.main.GetFirstPartPos();
        for (int i = 1; i <= w.gate; ++i)
            gate = *doc.main.GetNextPart(pos);
        doc.main.DeleteContents();
        doc.main.NewPart(gate);
    }
    std::string error;
    if (!SaveSchematic(w.output, doc, error))
        return Fail(w.output, error);
    return kExitOk;
}

// lib put LIB PKG SHEET
int Put(const Words& w)
{
    if (w.positional.size() != 3 || w.gate || !w.output.empty() || w.move)
        return Usage("lib put takes a library, a package name and a sheet");
    std::vector<CString> a;
    if (!ToCp932(w.positional, a))
        return kExitFailure;
    if (a[1].IsEmpty())
        return Usage("the package name is empty");
    LoadedSchematic doc;
    std::string error;
    if (!LoadSchematic(w.positional[2], doc, error))
        return Fail(w.positional[2], error);
    if (doc.main.GetCount(kind::kPart) == 0)
        return Fail(w.positional[2], "the sheet holds no parts to register");
    // Registering parts: the library is created on request, an existing
    // package of the name is replaced after the question.
    CLibrary library;
    library.SetLibraryName(a[0]);
    library.SetPackageName(a[1]);
    if (!library.LockForUpdate())
        return kExitFailure;
    if (!library.ReadFile())
        return library.Failed() ? kExitFailure
                                : Fail(w.positional[0], "not created (answer yes with --yes)");
    if (!library.DelPart(true, false))
        return library.Failed() ? kExitFailure
                                : Fail(w.positional[0], "not changed (answer yes with --yes)");
    return library.WritePart(&doc.main) ? kExitOk : kExitFailure;
}

// lib delete LIB PKG [--gate N]
int Delete(const Words& w)
{
    if (w.positional.size() != 2 || !w.output.empty() || w.move)
        return Usage("lib delete takes a library and a package");
    std::vector<CString> a;
    if (!ToCp932(w.positional, a))
        return kExitFailure;
    const libbrowser::Result r =
        w.gate ? libbrowser::DeleteGate(a[0], a[1], w.gate) : libbrowser::DeletePackage(a[0], a[1]);
    return Outcome(r, w.positional[0], w.positional[1]);
}

// lib rename LIB OLD NEW
int Rename(const Words& w)
{
    if (w.positional.size() != 3 || w.gate || !w.output.empty() || w.move)
        return Usage("lib rename takes a library, the old and the new package name");
    std::vector<CString> a;
    if (!ToCp932(w.positional, a))
        return kExitFailure;
    if (a[2].IsEmpty())
        return Usage("the new name is empty");
    const libbrowser::Result r = libbrowser::RenamePackage(a[0], a[1], a[2]);
    return Outcome(r, w.positional[0],
                   r == libbrowser::Result::Exists ? w.positional[2] : w.positional[1]);
}

// lib copy SRC DST PKG [--move]
int Copy(const Words& w)
{
    if (w.positional.size() != 3 || w.gate || !w.output.empty())
        return Usage("lib copy takes a source library, a destination library and a package");
    std::vector<CString> a;
    if (!ToCp932(w.positional, a))
        return kExitFailure;
    return Outcome(libbrowser::CopyPackage(a[0], a[1], a[2], w.move), w.positional[0],
                   w.positional[2]);
}

// lib index LIB
int Index(const Words& w)
{
    if (w.positional.size() != 1 || w.gate || !w.output.empty() || w.move)
        return Usage("lib index takes one library");
    CLibrary library;
    if (!OpenTheLibrary(w, library))
        return kExitFailure;
    CSheet outline;
    library.ReadPartOutline(&outline);
    if (library.Failed())
        return kExitFailure;
    if (!library.MakeIndex(outline))
        return Fail(ToUtf8(library.GetIndexName()), "cannot write the index");
    std::printf("%s: %d gate(s)\n", ToUtf8(library.GetIndexName()).c_str(),
                outline.GetCount(kind::kPart));
    return kExitOk;
}

// lib libs [add PATH... | remove PATH...]
int Libs(const Words& w)
{
    if (w.gate || !w.output.empty() || w.move)
        return Usage("lib libs takes no options");
    std::vector<CString> paths;
    if (!w.positional.empty()) {
        const std::string& action = w.positional[0];
        if ((action != "add" && action != "remove") || w.positional.size() < 2)
            return Usage("lib libs takes add PATH... or remove PATH...");
        for (size_t i = 1; i < w.positional.size(); ++i) {
            // A relative name means the current folder now; stored as it is,
            // it would mean whatever folder a later program runs in.
            std::error_code ec;
            std::filesystem::path path(w.positional[i]);
            if (action == "add" && !path.is_absolute())
                path = std::filesystem::absolute(path, ec).lexically_normal();
            CString name;
            if (!ToCp932(path.string(), name))
                return kExitFailure;
            paths.push_back(name);
        }
    }
    // The list is read, changed and written while no other program can
    // write the settings, so that two changes at once both arrive.
    int status = kExitOk;
    std::vector<CString> list;
    std::string error;
    const bool updated = Profile().Update(
        [&] {
            CLibrary library;
            CLibraryListEditor editor(library.ReadLibraryList());
            for (size_t i = 0; i < paths.size() && status == kExitOk; ++i) {
                const std::string& shown = w.positional[i + 1];
                if (w.positional[0] == "remove") {
                    if (!editor.Remove(paths[i]))
                        status = Fail(shown, "not in the library list");
                    continue;
                }
                switch (editor.Add(paths[i])) {
                case CLibraryListEditor::AddResult::Added:
                    break;
                case CLibraryListEditor::AddResult::Backup:
                    status = Fail(shown, "a backup file is not a library");
                    break;
                case CLibraryListEditor::AddResult::Duplicate:
                    status = Fail(shown, "already in the library list");
                    break;
                }
            }
            if (status == kExitOk && !paths.empty() && !editor.Apply())
                status = kExitFailure;
            list = editor.List();
        },
        error);
    if (!updated)
        return Fail("settings", error);
    if (status != kExitOk)
        return status;
    for (const CString& path : list)
        std::printf("%s\n", ToUtf8(path).c_str());
    return kExitOk;
}

int Convert(const std::vector<std::string>& args, int type)
{
    if (args.size() != 2)
        return Usage(type == 0 ? "lib2txt takes a library and a text file"
                               : "txt2lib takes a text file and a library");
    CLibConvertJob job;
    job.type = type;
    if (!ToCp932(args[0], job.source) || !ToCp932(args[1], job.destination))
        return kExitFailure;
    return job.Run() ? kExitOk : kExitFailure;
}

struct Sub {
    const char* name;
    int (*run)(const Words&);
};

const Sub kSubs[] = {
    {"list", List},     {"get", Get},   {"put", Put},     {"delete", Delete},
    {"rename", Rename}, {"copy", Copy}, {"index", Index}, {"libs", Libs},
};

} // namespace

int LibCommand(const std::vector<std::string>& args)
{
    if (args.empty())
        return Usage("lib needs a command: list, get, put, delete, rename, copy, index, libs");
    Words w;
    std::string problem;
    if (!ParseWords(std::vector<std::string>(args.begin() + 1, args.end()), w, problem))
        return Usage(problem);
    for (const Sub& sub : kSubs)
        if (args[0] == sub.name)
            return sub.run(w);
    return Usage("unknown lib command " + args[0]);
}

int Lib2TxtCommand(const std::vector<std::string>& args)
{
    return Convert(args, 0);
}

int Txt2LibCommand(const std::vector<std::string>& args)
{
    return Convert(args, 1);
}
