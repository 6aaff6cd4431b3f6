// Project files: every version, paths, properties, atomic writes, the
// project dialog's rules and opening a project's sheets.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/projectdialog.h"
#include "app/projectfile.h"
#include "app/vireoapp.h"
#include "apptestenv.h"
#include "base/profile.h"
#include "support/samplefiles.h"

namespace {

std::vector<CProjectSheet> Sheets(const std::string& text, const std::string& folder)
{
    CProjectContents c;
    EXPECT_TRUE(CProjectFile::Parse(text, folder, c)) << text;
    return c.sheets;
}

} // namespace

TEST(ProjectFile, ReadsEveryVersion)
{
    using S = std::vector<CProjectSheet>;
    // Before version 3 the line is the path and every sheet takes part; a
    // drive letter keeps its colon.
    EXPECT_EQ(
        Sheets("Project File Ver 0.02\nD:\\p\\x.dcd\n\n# note\nsub\\y.dcd\nEndFileList\n", "/w/"),
        (S{{"D:/p/x.dcd", true}, {"/w/sub/y.dcd", true}}));
    EXPECT_EQ(Sheets("Project File Ver 0.01\r\n/abs/a.dcd\r\n", "/w/"), (S{{"/abs/a.dcd", true}}));
    // From version 3: "1:" / "0:" (anything but '1' is unchecked), blanks after the colon.
    EXPECT_EQ(
        Sheets("Project File Ver 0.03\n1:x.dcd\n0:sub\\y.dcd\nX: z.dcd\n  EndFileList\nz\n", "/p/"),
        (S{{"/p/x.dcd", true}, {"/p/sub/y.dcd", false}, {"/p/z.dcd", false}}));
    // Version from the text after the tag without dots; below 1 is no project.
    CProjectContents c;
    EXPECT_TRUE(CProjectFile::Parse("Project File Ver 1.00\n", "", c));
    EXPECT_EQ(c.version, 100);
    for (const char* bad : {"", "Project File Ver 0.00\n", "Project File\n",
                            "junk\nProject File Ver 0.03\n", "Project File Ver -3\n"})
        EXPECT_FALSE(CProjectFile::Parse(bad, "", c)) << bad;
    // "\" after a double-byte lead byte is a trail byte, not a separator.
    EXPECT_EQ(CProjectFile::ToSlashes("a\\\x83\x5C\\b"), "a/\x83\x5C/b");
}

TEST(ProjectFile, WritesRelativePathsAndReadsThemBack)
{
    CAppTestEnv env;
    const std::string folder = (env / "p").string() + "/";
    std::filesystem::create_directories(folder);
    const struct {
        std::string sheet;
        std::string stored;
    } paths[] = {
        {folder + "x.dcd", "x.dcd"},
        {folder + "sub/deeper/y.dcd", "sub/deeper/y.dcd"},
        // A folder whose name only starts like the project's is no subfolder.
        {(env / "p2/z.dcd").string(), (env / "p2/z.dcd").string()},
        {"/elsewhere/w.dcd", "/elsewhere/w.dcd"},
        {"D:/win/v.dcd", "D:/win/v.dcd"},
        // The reader drops blanks after the colon: a leading blank keeps the full path.
        {folder + " lead.dcd", " lead.dcd"},
    };
    std::vector<CProjectSheet> sheets;
    for (const auto& p : paths) {
        EXPECT_EQ(CProjectFile::StoredSheetPath(p.sheet, folder), p.stored) << p.sheet;
        sheets.push_back({p.sheet, sheets.size() % 2 == 0});
    }
    const auto project = std::filesystem::path(folder) / "p.dpj";
    // The free part of an existing file is kept.
    CAppTestEnv::WriteFile(
        project, "Project File Ver 0.03\nEndFileList\nProperty List\n&A&1\nEndPropertyList\n");
    std::string error;
    ASSERT_TRUE(CProjectFile::Write(project, sheets, error)) << error;
    CProjectContents back;
    ASSERT_TRUE(CProjectFile::Read(project, back));
    EXPECT_EQ(back.sheets, sheets);
    EXPECT_EQ(CProjectFile::ReadProperty(project, "a"), "1");
    EXPECT_EQ(CAppTestEnv::ReadFile(project).substr(0, 30), "Project File Ver 0.03\n1:x.dcd\n");

    std::vector<std::string> list;
    EXPECT_EQ(CProjectFile::ReadFileList(project, false, true, list), 3);
    EXPECT_EQ(CProjectFile::ReadFileList(project, true, true, list), 6);
    EXPECT_EQ(list[1], "0:" + folder + "sub/deeper/y.dcd");
    EXPECT_EQ(CProjectFile::ReadFileList(env / "none.dpj", true, true, list), -1);

    // A failed write is reported and leaves the file as it was.
    const std::string before = CAppTestEnv::ReadFile(project);
    chmod(folder.c_str(), 0555);
    chmod(project.c_str(), 0444);
    const bool asRoot = geteuid() == 0;
    if (!asRoot) {
        EXPECT_FALSE(CProjectFile::Write(project, {}, error));
    }
    chmod(folder.c_str(), 0755);
    EXPECT_FALSE(CProjectFile::Write(env / "no/such/folder/p.dpj", {}, error));
    EXPECT_EQ(CAppTestEnv::ReadFile(project), before);
    // A file that is no project is never replaced.
    CAppTestEnv::WriteFile(env / "notes.dpj", "my notes\n");
    EXPECT_FALSE(CProjectFile::Write(env / "notes.dpj", sheets, error));
    EXPECT_EQ(CAppTestEnv::ReadFile(env / "notes.dpj"), "my notes\n");
}

TEST(ProjectFile, Properties)
{
    const std::string head = "Project File Ver 0.03\n1:a.dcd\nEndFileList\n";
    const struct {
        std::string text;
        const char* name;
        const char* value;
        std::string expected;
    } cases[] = {
        // No property list yet.
        {head, "PCB", "board", head + "Property List\n&PCB&board\nEndPropertyList\n"},
        // The misspelt header is rewritten; names compare without case.
        {head + "Propaty List\n&pcb&old\n# c\nEndPropatyList\n", "PCB", "new",
         head + "Property List\n&PCB&new\n# c\nEndPropertyList\n"},
        // An empty value removes the line.
        {head + "Property List\n&A&1\n&B&2\nEndPropertyList\n", "a", "",
         head + "Property List\n&B&2\nEndPropertyList\n"},
        // "\&" in a name; lines after the list are kept.
        {head + "Property List\n&X\\&Y&1\nEndPropertyList\nlater\n", "X&Y", "2",
         head + "Property List\n&X\\&Y&2\nEndPropertyList\nlater\n"},
        // A sheet list without its end line runs to the end of the file: the
        // end line comes before the properties, whose ":" then adds no sheet.
        {"Project File Ver 0.03\n1:a.dcd\n", "PCB", "top:1",
         "Project File Ver 0.03\n1:a.dcd\nEndFileList\nProperty List\n&PCB&top:1\nEndPropertyList\n"},
        // The header and the sheet lines stay as they are, even when they
        // look like the property list.
        {"Propaty List Project File Ver 0.02\nPropaty List\n&A&b\nEndFileList\n", "A", "c",
         "Propaty List Project File Ver 0.02\nPropaty List\n&A&b\nEndFileList\nProperty List\n&A&c\n"
         "EndPropertyList\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CProjectFile::SetPropertyText(c.text, c.name, c.value), c.expected) << c.text;

    CAppTestEnv env;
    const auto project = env / "p.dpj";
    CAppTestEnv::WriteFile(project, head);
    std::string error;
    EXPECT_FALSE(CProjectFile::SetProperty(project, "A", "two\nlines", error));
    EXPECT_FALSE(CProjectFile::SetProperty(project, "A\r", "x", error));
    // A final backslash would escape the separator before the value.
    EXPECT_FALSE(CProjectFile::SetProperty(project, "A\\", "x", error));
    EXPECT_EQ(CAppTestEnv::ReadFile(project), head);
    ASSERT_TRUE(CProjectFile::SetProperty(project, "DRAWNO", "D-1&2", error));
    EXPECT_EQ(CProjectFile::ReadProperty(project, "drawno"), "D-1&2");
    EXPECT_EQ(CProjectFile::ListProperties(project), (std::vector<CString>{"&DRAWNO&D-1&2"}));
    EXPECT_FALSE(CProjectFile::SetProperty(env / "missing.dpj", "A", "1", error));
    EXPECT_FALSE(std::filesystem::exists(env / "missing.dpj"));

    // What fuzzing found: a project that setting a property used to destroy.
    // Either it is refused and left alone, or it keeps its sheets and gets the value.
    const auto fuzzed = env / "fuzz.dpj";
    const std::string original = CAppTestEnv::ReadFile(VIREO_TEST_DATA "/regress/fuzz_project-crash.dpj");
    CAppTestEnv::WriteFile(fuzzed, original);
    CProjectContents before, after;
    ASSERT_TRUE(CProjectFile::Read(fuzzed, before));
    if (CProjectFile::SetProperty(fuzzed, "FUZZ", "value", error)) {
        ASSERT_TRUE(CProjectFile::Read(fuzzed, after));
        EXPECT_EQ(after.sheets, before.sheets);
        EXPECT_EQ(CProjectFile::ReadProperty(fuzzed, "FUZZ"), "value");
    } else {
        EXPECT_EQ(CAppTestEnv::ReadFile(fuzzed), original);
    }
}

TEST(ProjectDialog, Rules)
{
    const auto e = ProjectDialogEnables(true, true);
    EXPECT_TRUE(e.add);
    EXPECT_FALSE(e.listCommands);
    EXPECT_FALSE(e.openAll);
    EXPECT_TRUE(ProjectDialogEnables(false, false).listCommands);
    EXPECT_FALSE(ProjectDialogEnables(false, false).openAll);

    EXPECT_FALSE(AskToForgetMissingProject(NoProjectEntry(), false));
    EXPECT_TRUE(AskToForgetMissingProject("/p/gone.dpj", false));
    EXPECT_FALSE(AskToForgetMissingProject("/p/here.dpj", true));

    const auto isProject = [](const CString& p) { return p == "/a.dpj" || p == "/c.dpj"; };
    EXPECT_TRUE(ProjectDialogOk("", 3, {}, 16, isProject).askNoProject);
    EXPECT_TRUE(ProjectDialogOk("/a.dpj", 0, {}, 16, isProject).askNoProject);
    const CProjectDialogOk ok = ProjectDialogOk(
        "/new", 2, {"/a.dpj", "/gone.dpj", NoProjectEntry(), "/c.dpj"}, 2, isProject);
    EXPECT_FALSE(ok.askNoProject);
    EXPECT_EQ(ok.projectPath, "/new.dpj");
    EXPECT_EQ(ok.combo, (std::vector<CString>{"/new.dpj", "/a.dpj", "/c.dpj"}));
    EXPECT_EQ(ok.recent, (std::vector<CString>{"/new.dpj", "/a.dpj"}));
    EXPECT_EQ(ProjectDialogOk("/c.dpj", 1, {"/a.dpj"}, 16, isProject).projectPath, "/c.dpj");

    EXPECT_EQ(ProjectOpenOrder({"1", "2", "3"}, false), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(ProjectOpenOrder({"1", "2", "3"}, true), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(ProjectOpen, OpensTheSheetsAndKeepsTheRecentLists)
{
    CAppTestEnv env;
    for (const char* name : {"a.dcd", "b.dcd", "c.dcd"}) {
        const auto bytes = SampleSchematic(8);
        CAppTestEnv::WriteFile(env / name, std::string(bytes.begin(), bytes.end()));
    }
    const auto project = env / "p.dpj";
    CAppTestEnv::WriteFile(
        project, "Project File Ver 0.03\n1:a.dcd\n0:b.dcd\n1:missing.dcd\n1:c.dcd\nEndFileList\n");
    CVIREOApp app;
    app.SetProjectPath(project.string());
    EXPECT_EQ(app.OpenProject(false), 2); // the missing sheet is reported and skipped
    // Last to first, so that the first sheet ends on top.
    EXPECT_EQ(app.Documents().front()->GetPathName(), env / "c.dcd");
    EXPECT_EQ(app.RecentProjects().Newest(), project.string());
    EXPECT_EQ(app.RecentSheets().Size(), 0); // a project's sheets stay out of it
    EXPECT_EQ(app.DocumentNumberOf((env / "c.dcd").string()), 3);

    Profile().WriteInt("Sheet", "RevOpen", 1);
    Profile().WriteInt("Sheet", "ProjectAllFile", 1);
    app.HandleInstanceMessage(12, project.string() + std::string(1, '\0'));
    ASSERT_EQ(app.Documents().size(), 3u);
    EXPECT_EQ(app.Documents().front()->GetPathName(), env / "a.dcd");

    // A project that opens nothing: the previous one comes back.
    CAppTestEnv::WriteFile(env / "empty.dpj", "Project File Ver 0.03\nEndFileList\n");
    EXPECT_FALSE(app.SwitchProject((env / "empty.dpj").string()));
    EXPECT_EQ(app.ProjectPath(), project.string());
    EXPECT_EQ(app.Documents().size(), 3u);

    // The start-up plan of a project that opens nothing falls back.
    CStartupPlan plan;
    plan.project = (env / "empty.dpj").string();
    plan.openProject = true;
    plan.fallbackProject = project.string();
    plan.clearNoProj = true;
    Profile().WriteInt("Sheet", "NoProj", 1);
    EXPECT_TRUE(app.RunStartup(plan));
    EXPECT_EQ(app.ProjectPath(), project.string());
    EXPECT_EQ(Profile().GetInt("Sheet", "NoProj", -1), 0);

    // A sheet opened by the shell joins the recent sheets.
    app.HandleShellRequest("[open(\"" + (env / "b.dcd").string() + "\")]");
    EXPECT_EQ(app.RecentSheets().Newest(), (env / "b.dcd").string());
}
