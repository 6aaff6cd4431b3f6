// Settings, data folder, recent lists, the start-up decision, shell and
// second-start requests, document numbers and external program commands.
#include <set>

#include <gtest/gtest.h>

#include "app/datafolder.h"
#include "app/extprog.h"
#include "app/recentlist.h"
#include "app/settings.h"
#include "app/startup.h"
#include "apptestenv.h"
#include "base/codepage.h"
#include "base/profile.h"

TEST(Settings, TableDefaultsAndClamping)
{
    CAppTestEnv env;
    std::set<std::string> seen;
    for (const CSettingKey& k : SettingsTable()) {
        EXPECT_TRUE(seen.insert(std::string(k.section) + "/" + k.key).second)
            << k.section << "/" << k.key;
        if (k.type == CSettingKey::Int) {
            EXPECT_EQ(ClampSetting(k, k.intDefault), k.intDefault) << k.key;
        }
    }
    const struct {
        const char* section;
        const char* key;
        int stored; // INT_MIN: nothing stored
        int read;
    } cases[] = {
        {"FileSave", "BackUp", INT_MIN, 1},
        {"FileSave", "UndoCount", INT_MIN, 10},
        {"FileSave", "UndoCount", 0, 1},
        {"FileSave", "UndoCount", -5, 1},
        {"Sheet", "FMRU", 0, 1},
        {"Sheet", "FMRU", 99, 16},
        {"Sheet", "PMRU", -1, 1},
        {"Sheet", "PMRU", 7, 7},
        {"Sheet", "Work", 9, 5},
        {"Sheet", "Work", -3, 0},
        {"Sheet", "ProjectAutoLoad", INT_MIN, 1},
        {"Find", "Target", INT_MIN, 770},
        {"Color", "Cursor", INT_MIN, 0xffffff},
        {"CleanSection", "CleanLine", INT_MIN, 1},
        {"Unknown", "Key", INT_MIN, 0},
    };
    for (const auto& c : cases) {
        if (c.stored == INT_MIN)
            Profile().DeleteKey(c.section, c.key);
        else
            Profile().WriteInt(c.section, c.key, c.stored);
        EXPECT_EQ(SettingInt(c.section, c.key), c.read)
            << c.section << "/" << c.key << " " << c.stored;
    }
    EXPECT_EQ(SettingString("Tool", "Editor"), "xdg-open \"%f\"");
    EXPECT_EQ(SettingString("Sheet", "Work Width"), "23386 16535 11693");
    EXPECT_EQ(ToUtf8(SettingString("Default", "FontJ")), "ＭＳ ゴシック");
}

TEST(Settings, DataFolderResolution)
{
    CTempDir dir;
    const auto home = dir / "home";
    const auto prefix = dir / "usr";
    std::filesystem::create_directories(prefix / "bin");
    CDataFolderInputs in;
    in.home = home.string();
    in.programDir = prefix / "bin";
    in.sourceData = "/src/data";
    EXPECT_EQ(ResolveDataFolder(in), "/src/data/");
    std::filesystem::create_directories(prefix / "share/vireo");
    EXPECT_EQ(ResolveDataFolder(in), (prefix / "share/vireo/").string());
    std::filesystem::create_directories(home / ".local/share/Tarnell/VIREO");
    EXPECT_EQ(ResolveDataFolder(in), (home / ".local/share/Tarnell/VIREO/").string());
    in.xdgDataHome = (dir / "xdg").string(); // set, but no folder there
    EXPECT_EQ(ResolveDataFolder(in), (prefix / "share/vireo/").string());
    in.vireoData = "/elsewhere";
    EXPECT_EQ(ResolveDataFolder(in), "/elsewhere/");
}

TEST(Settings, RecentLists)
{
    CAppTestEnv env;
    CRecentList list("Project File List", 3);
    for (const char* p : {"a", "b", "c", "d"})
        list.Add(p);
    EXPECT_EQ(list.Entries(), (std::vector<CString>{"d", "c", "b"}));
    list.Add("b"); // moves to the top
    EXPECT_EQ(list.Entries(), (std::vector<CString>{"b", "d", "c"}));
    list.Store();
    CRecentList read("Project File List", 16);
    read.Load();
    EXPECT_EQ(read.Entries(), list.Entries());
    EXPECT_EQ(read.Entry(1), "b");
    EXPECT_EQ(read.Entry(4), "");
    // A smaller count cuts and stores; a larger one keeps what there is.
    read.SetCapacity(2);
    CRecentList after("Project File List", 16);
    after.Load();
    EXPECT_EQ(after.Entries(), (std::vector<CString>{"b", "d"}));
    after.SetCapacity(0); // clamped to 1
    EXPECT_EQ(after.Capacity(), 1);
    EXPECT_EQ(RecentProjectList().Size(), 1);
}

TEST(Startup, DecisionTable)
{
    const std::vector<std::string> recent = {"/p/last.dpj", "/p/older.dpj"};
    const struct {
        const char* arg;
        int noProj, autoLoad, allFile;
        std::vector<std::string> recent;
        CStartupPlan expected;
    } cases[] = {
        // No argument: the newest project becomes current, opened with autoload.
        {"", 0, 1, 0, recent, {"", "/p/last.dpj", true, false, "", false}},
        {"", 0, 1, 1, recent, {"", "/p/last.dpj", true, true, "", false}},
        {"", 0, 0, 0, recent, {"", "/p/last.dpj", false, false, "", false}},
        {"", 1, 1, 0, recent, {"", "", false, false, "", false}},
        {"", 0, 1, 0, {}, {"", "", false, false, "", false}},
        // A project: NoProj cleared, opened, the newest as fallback.
        {"/q/new.DPJ", 1, 0, 1, recent, {"", "/q/new.DPJ", true, true, "/p/last.dpj", true}},
        // A sheet: opened, the newest project current without opening it.
        {"/q/a.dcd", 0, 1, 0, recent, {"/q/a.dcd", "/p/last.dpj", false, false, "", false}},
        {"/q/a.dcd", 1, 1, 0, recent, {"/q/a.dcd", "", false, false, "", false}},
        // Another file: opened as the framework would, no project step.
        {"/q/a.txt", 0, 1, 0, recent, {"/q/a.txt", "", false, false, "", false}},
    };
    for (const auto& c : cases) {
        CStartupInputs in;
        in.argument = c.arg;
        in.noProj = c.noProj;
        in.projectAutoLoad = c.autoLoad;
        in.projectAllFile = c.allFile;
        in.recentProjects = c.recent;
        const CStartupPlan p = PlanStartup(in);
        const std::string label = std::string(c.arg) + " noProj " + std::to_string(c.noProj);
        EXPECT_EQ(p.openFile, c.expected.openFile) << label;
        EXPECT_EQ(p.project, c.expected.project) << label;
        EXPECT_EQ(p.openProject, c.expected.openProject) << label;
        EXPECT_EQ(p.includeUnchecked, c.expected.includeUnchecked) << label;
        EXPECT_EQ(p.fallbackProject, c.expected.fallbackProject) << label;
        EXPECT_EQ(p.clearNoProj, c.expected.clearNoProj) << label;
    }
    CStartupInputs shell;
    shell.argument = "/q/a.dcd";
    shell.shellStart = true;
    EXPECT_TRUE(PlanStartup(shell).openFile.empty());
}

TEST(Startup, ShellAndSecondStartRequests)
{
    const struct {
        const char* command;
        CShellRequest::Verb verb;
        const char* file;
    } shell[] = {
        {"[open(\"/a b/x.dcd\")]", CShellRequest::Open, "/a b/x.dcd"},
        {"[print(\"x.dcd\")]", CShellRequest::Print, "x.dcd"},
        {"[printto(\"x.dcd\",\"printer\")]", CShellRequest::PrintTo, "x.dcd"},
        {"[open( \"x.dcd\")]", CShellRequest::None, ""},
        {"[open(\"x.dcd", CShellRequest::None, ""},
        {"[close(\"x.dcd\")]", CShellRequest::None, ""},
    };
    for (const auto& c : shell) {
        const CShellRequest r = ParseShellRequest(c.command);
        EXPECT_EQ(r.verb, c.verb) << c.command;
        EXPECT_EQ(r.file, c.file) << c.command;
    }
    using namespace std::string_view_literals;
    const struct {
        int code;
        std::string_view data;
        CInstanceRequest::Action action;
        const char* file;
    } messages[] = {
        {12, "/p/a.dcd\0"sv, CInstanceRequest::OpenSheet, "/p/a.dcd"},
        {12, "/p/a.DPJ\0garbage"sv, CInstanceRequest::OpenProject, "/p/a.DPJ"},
        {12, "/p/a.dcd"sv, CInstanceRequest::OpenSheet, "/p/a.dcd"},
        {12, "/p/a.txt\0"sv, CInstanceRequest::Ignore, ""},
        {13, "/p/a.dcd\0"sv, CInstanceRequest::Ignore, ""},
        {12, ""sv, CInstanceRequest::Ignore, ""},
    };
    for (const auto& m : messages) {
        const CInstanceRequest r = ParseInstanceMessage(m.code, m.data);
        EXPECT_EQ(r.action, m.action) << m.data;
        EXPECT_EQ(r.file, m.file) << m.data;
    }
    EXPECT_EQ(DocumentNumber("/b", true, {"/a", "/b"}, {"/b"}), 2);
    EXPECT_EQ(DocumentNumber("/b", false, {"/a", "/b"}, {"/b"}), 1);
    EXPECT_EQ(DocumentNumber("/c", true, {"/a", "/b"}, {"/c"}), 0);
}

TEST(ExternalPrograms, CommandExpansion)
{
    CExtProgContext ctx;
    ctx.dataFolder = "/data/";
    ctx.projectPath = "/p/my proj.dpj";
    ctx.documentPath = "/p/$D sheet.dcd"; // a path that looks like a placeholder
    ctx.documentNumber = 3;
    using V = std::vector<std::string>;
    const struct {
        int index;
        const char* entry;
        CExtProgCommand::Action action;
        const char* program;
        V args;
        bool copy;
    } cases[] = {
        {1, "editor \"$D\"", CExtProgCommand::Run, "editor", V{"/p/$D sheet.dcd"}, false},
        {1, "editor $D", CExtProgCommand::Run, "editor", V{"/p/$D sheet.dcd"}, false},
        {2, "*  tool -n #N $P $N  ", CExtProgCommand::Run, "tool",
         V{"-n", "3", "/p/my proj.dpj", "/p/my proj.net"}, false},
        {3, ".\\conv.sh %C --sheet=#N", CExtProgCommand::Run, "/data/conv.sh", V{"--sheet=3"},
         true},
        {3, "\"/opt/my tool/run\" a\"b c\"d", CExtProgCommand::Run, "/opt/my tool/run", V{"ab cd"},
         false},
        {4, "", CExtProgCommand::CloseWindow, "", V{}, false},
        {6, "  ", CExtProgCommand::NextWindow, "", V{}, false},
        {5, "", CExtProgCommand::Nothing, "", V{}, false},
    };
    for (const auto& c : cases) {
        const CExtProgCommand cmd = ExpandExternalProgram(c.index, c.entry, ctx);
        EXPECT_EQ(cmd.action, c.action) << c.entry;
        EXPECT_EQ(cmd.program, c.program) << c.entry;
        EXPECT_EQ(cmd.arguments, c.args) << c.entry;
        EXPECT_EQ(cmd.copySheetText, c.copy) << c.entry;
    }
    CExtProgContext none;
    EXPECT_EQ(ExpandExternalProgram(1, "t $P $N", none).arguments, (V{"", ""}));
    // A data folder with a blank stays one word; stored Japanese text runs as UTF-8.
    CExtProgContext spaced = ctx;
    spaced.dataFolder = "/my data/";
    const CExtProgCommand conv = ExpandExternalProgram(3, ".\\conv.sh x", spaced);
    EXPECT_EQ(conv.program, "/my data/conv.sh");
    EXPECT_EQ(conv.arguments, V{"x"});
    const CExtProgCommand edit = ExpandExternalProgram(1, FromUtf8("編集 \"図面.txt\""), ctx);
    EXPECT_EQ(edit.program, "編集");
    EXPECT_EQ(edit.arguments, V{"図面.txt"});

    std::array<CString, kExternalPrograms> entries;
    entries[0] = "/usr/bin/gedit.bin \"$D\"";
    entries[1] = "*hidden";
    entries[11] = "make";
    const auto menu = ExternalProgramMenu(entries);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].id, 107);
    EXPECT_EQ(menu[0].text, "gedit\tCtrl+F1");
    EXPECT_EQ(menu[1].id, 118);
    EXPECT_EQ(menu[1].text, "make\tCtrl+F12");

    EXPECT_FALSE(StartExternalProgram(ExpandExternalProgram(1, "/no/such/program", ctx)));
    EXPECT_TRUE(StartExternalProgram(ExpandExternalProgram(1, "true", ctx)));
}
