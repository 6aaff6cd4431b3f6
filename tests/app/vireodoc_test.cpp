// The document: what opening each kind of file gives, title blocks, the
// modified rule, saving through the document, autosave and the property and
// size commands.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/projectfile.h"
#include "app/vireodoc.h"
#include "apptestenv.h"
#include "base/archive.h"
#include "base/codepage.h"
#include "base/profile.h"
#include "library/library.h"
#include "support/samplefiles.h"

namespace {

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    CAppTestEnv::WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

// A title block file: a sheet file holding one plain line.
void WriteTitleBlock(const std::filesystem::path& path)
{
    CSheet title(CSheet::kTitle);
    title.NewLine(CPoint(0, 0), CPoint(1000, 0));
    CDocumentHeader header = CSchematicFile::NewDocumentHeader();
    CArchive ar;
    CSchematicFile::Write(ar, header, title, nullptr);
    WriteBytes(path, ar.Bytes());
}

} // namespace

TEST(Document, OpenDispatchesOnTheFirstLine)
{
    CAppTestEnv env;
    WriteTitleBlock(env.data() / "Title.A3");
    const struct {
        const char* name;
        std::string content;
        bool opens;
        bool tellsUser;
    } cases[] = {
        {"v8.dcd",
         [] {
             auto b = SampleSchematic(8);
             return std::string(b.begin(), b.end());
         }(),
         true, false},
        {"v5.dcd",
         [] {
             auto b = SampleSchematic(5);
             return std::string(b.begin(), b.end());
         }(),
         true, false},
        {"empty.dcd", "", true, false},
        {"other.dcd", "hello\n", false, false},
        {"newer.dcd", "VIREO DATA FILE Ver 0.09\n", false, true},
        {"oldtext.dcd", "VIREO DATA FILE Ver 0.01\nsomething\n", false, true},
        {"tango.dcd", ";Tango schematic\n", true, false},
        {"damaged.dcd", "VIREO DATA FILE Ver 0.08\n\x84\x03", false, true},
    };
    for (const auto& c : cases) {
        const auto path = env / c.name;
        CAppTestEnv::WriteFile(path, c.content);
        env->messages.clear();
        CVIREODoc doc;
        EXPECT_EQ(doc.OnOpenDocument(path), c.opens) << c.name;
        EXPECT_EQ(!env->messages.empty(), c.tellsUser) << c.name;
        if (c.opens) {
            EXPECT_EQ(doc.GetPathName(), path);
            EXPECT_FALSE(doc.IsModified());
            EXPECT_EQ(doc.TitleSheet().GetItemCount(), 1u) << c.name;
        }
    }
    // A file that cannot be read, and a FIFO (which must not hang the open).
    CVIREODoc doc;
    env->messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(env / "missing.dcd"));
    ASSERT_EQ(mkfifo((env / "fifo.dcd").c_str(), 0644), 0);
    EXPECT_FALSE(doc.OnOpenDocument(env / "fifo.dcd"));
    EXPECT_EQ(env->messages.size(), 2u);
}

TEST(Document, TangoFilesAreSavedUnderANewNameFirst)
{
    CAppTestEnv env;
    const auto path = env / "t.sch";
    const std::string tango = ";Tango-Schematic\nSHEET 0 0 12000 9000 6\nWIRE 0 0 100 0\n";
    CAppTestEnv::WriteFile(path, tango);
    CVIREODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.MainSheet().GetCount(kind::kWire), 1);
    EXPECT_EQ(doc.Header().width, 12000);
    EXPECT_EQ(doc.Header().height, 9000);
    EXPECT_TRUE(doc.NeedsSaveAs());
    EXPECT_FALSE(doc.Save());
    EXPECT_EQ(CAppTestEnv::ReadFile(path), tango);
    ASSERT_TRUE(doc.OnSaveDocument(env / "t.dcd"));
    EXPECT_FALSE(doc.NeedsSaveAs());
    EXPECT_TRUE(doc.Save());
}

TEST(Document, TitleFilesAreBareNamesInTheDataFolder)
{
    CAppTestEnv env;
    WriteTitleBlock(env.data() / "Mine.A3");
    WriteTitleBlock(env / "Outside.A3");
    for (const char* bad : {"../Outside.A3", "/etc/passwd", "sub\\x.A3", "..", "", "C:x"})
        EXPECT_FALSE(CVIREODoc::IsValidTitleFileName(bad)) << bad;
    EXPECT_TRUE(CVIREODoc::IsValidTitleFileName(FromUtf8("図枠.A3")));
    // A title file with a Japanese name in the data folder loads.
    WriteTitleBlock(env.data() / "図枠.A3");
    {
        CVIREODoc doc;
        doc.OnNewDocument(1, FromUtf8("図枠.A3"));
        EXPECT_GT(doc.TitleSheet().GetItemCount(), 0);
    }

    CVIREODoc doc;
    doc.OnNewDocument(1, "Mine.A3");
    EXPECT_EQ(doc.GetTitleFile(), "Mine.A3");
    EXPECT_EQ(doc.Header().properties.front(), "&TitleFile&Mine.A3");
    EXPECT_EQ(doc.TitleSheet().GetItemCount(), 1u);

    // A stored name that leads out of the data folder is refused.
    doc.SetProperties("", "", 1, "../Outside.A3");
    EXPECT_EQ(doc.TitleSheet().GetItemCount(), 0u);
    // A FIFO in the data folder is no title block and does not hang.
    ASSERT_EQ(mkfifo((env.data() / "Pipe.A3").c_str(), 0644), 0);
    doc.SetProperties("", "", 1, "Pipe.A3");
    EXPECT_EQ(doc.TitleSheet().GetItemCount(), 0u);
    // A title file may be a Tango schematic.
    CAppTestEnv::WriteFile(env.data() / "Tango.A3",
                           ";Tango\nLINE 0 0 100 0 0 0\nTEXT 60 \"TITLE\" 5 5 0 0 3\n");
    env->messages.clear();
    doc.SetProperties("", "", 1, "Tango.A3");
    EXPECT_EQ(doc.TitleSheet().GetItemCount(), 2u);
    EXPECT_TRUE(env->messages.empty());
}

TEST(Document, ModifiedAfterSaveUndoAndANewChange)
{
    CAppTestEnv env;
    CVIREODoc doc;
    doc.OnNewDocument(2);
    CSheet a, b;
    a.NewWire(CPoint(0, 0), CPoint(100, 0));
    b.NewWire(CPoint(0, 100), CPoint(100, 100));
    doc.AddItems(a);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnSaveDocument(env / "m.dcd"));
    EXPECT_FALSE(doc.IsModified());
    // Undo makes it modified; undoing back (redo) to the saved state does not.
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    // Save, Undo, a new change: the depth is the saved one again, but the
    // saved drawing is gone.
    doc.Undo();
    doc.AddItems(b);
    EXPECT_EQ(doc.History().UndoDepth(), 11);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.TitleText(false).Find(FromUtf8(" (更新)")), -1);
    EXPECT_EQ(doc.TitleText(false).Find(FromUtf8(" (更新) (更新)")), -1);
}

TEST(Document, SaveWritesTheFileAndItsBackup)
{
    CAppTestEnv env;
    const auto path = env / "s.dcd";
    WriteBytes(path, SampleSchematic(6));
    CVIREODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_TRUE(doc.Save());
    EXPECT_EQ(CAppTestEnv::ReadFile(env / "s.bak"), [] {
        auto b = SampleSchematic(6);
        return std::string(b.begin(), b.end());
    }());
    CVIREODoc again;
    ASSERT_TRUE(again.OnOpenDocument(path));
    EXPECT_EQ(again.GetFileVersion(), 8);
    EXPECT_TRUE(again.MainSheet() == doc.MainSheet());

    // A failure in the middle of the save keeps the file and reports it.
    const std::string before = CAppTestEnv::ReadFile(path);
    doc.SetSaveStepHook([](SaveStep s) {
        if (s == SaveStep::TempSynced)
            throw std::runtime_error("disk full");
    });
    doc.SetModifiedFlag();
    env->messages.clear();
    EXPECT_FALSE(doc.Save());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(env->messages.size(), 1u);
    EXPECT_EQ(CAppTestEnv::ReadFile(path), before);
}

TEST(Document, JapaneseFolderAndFileNames)
{
    // Paths are UTF-8 on the file system and shown as text (CP932 inside):
    // opening, saving, titles, messages and the project in such a folder.
    CAppTestEnv env;
    std::filesystem::create_directories(env / "回路");
    const auto path = env / "回路" / "図面.dcd";
    WriteBytes(path, SampleSchematic(8));
    CVIREODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.TitleText(true), FromUtf8("図面.dcd"));
    ASSERT_TRUE(doc.Save());
    EXPECT_TRUE(std::filesystem::exists(env / "回路" / "図面.bak"));
    CVIREODoc missing;
    EXPECT_FALSE(missing.OnOpenDocument(env / "回路" / "無い.dcd"));
    ASSERT_FALSE(env->messages.empty());
    EXPECT_GE(env->messages.back().text.Find(FromUtf8("回路/無い.dcd")), 0);

    const auto project = env / "回路" / "設計.dpj";
    std::string error;
    ASSERT_TRUE(CProjectFile::Write(project, {{path.string(), true}}, error)) << error;
    std::vector<std::string> sheets;
    ASSERT_EQ(CProjectFile::ReadFileList(project, false, false, sheets), 1);
    EXPECT_EQ(sheets[0], path.string());
}

TEST(Document, OpeningKeepsTheStoredSheetSize)
{
    // A big sheet whose size code names a smaller title block: opening it
    // keeps its size, and saving without an edit writes the same header.
    CAppTestEnv env;
    WriteTitleBlock(env.data() / "Title.A2");
    CDocumentHeader header = CSchematicFile::NewDocumentHeader();
    header.sizeCode = 0;
    header.width = 200000;
    header.height = 150000;
    CSheet main(CSheet::kDrawing);
    main.NewLine(CPoint(190000, 140000), CPoint(199000, 140000));
    CArchive ar;
    CSchematicFile::Write(ar, header, main, nullptr);
    const auto path = env / "big.dcd";
    WriteBytes(path, ar.Bytes());

    CVIREODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_GT(doc.TitleSheet().GetItemCount(), 0);
    EXPECT_EQ(doc.Header().width, 200000);
    EXPECT_EQ(doc.Header().height, 150000);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Save());
    CVIREODoc again;
    ASSERT_TRUE(again.OnOpenDocument(path));
    EXPECT_EQ(again.Header().width, 200000);
    EXPECT_EQ(again.Header().height, 150000);
    EXPECT_EQ(again.Header().sizeCode, 0);
}

TEST(Document, SaveAsksBeforeOverwritingAnOutsideChange)
{
    CAppTestEnv env;
    const auto path = env / "shared.dcd";
    WriteBytes(path, SampleSchematic(6));
    CVIREODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    // Unchanged on disk: no question.
    ASSERT_TRUE(doc.Save());
    EXPECT_TRUE(env->questions.empty());

    // Another program writes the sheet (a rename, as careful writers do).
    const auto outside = env / "outside.dcd";
    CAppTestEnv::WriteFile(outside, "changed elsewhere");
    std::filesystem::rename(outside, path);
    env->answers = {CHost::IDCANCEL, CHost::IDNO, CHost::IDYES};
    EXPECT_FALSE(doc.Save());  // cancel
    EXPECT_FALSE(doc.TakeSaveAsRequest());
    EXPECT_EQ(CAppTestEnv::ReadFile(path), "changed elsewhere");
    EXPECT_FALSE(doc.Save());  // save under another name
    EXPECT_TRUE(doc.TakeSaveAsRequest());
    EXPECT_FALSE(doc.TakeSaveAsRequest());
    EXPECT_EQ(CAppTestEnv::ReadFile(path), "changed elsewhere");
    ASSERT_TRUE(doc.Save());  // overwrite
    ASSERT_EQ(env->questions.size(), 3u);
    EXPECT_EQ(env->questions[0].buttons, CHost::YesNoCancel);
    EXPECT_EQ(env->questions[0].defaultAnswer, CHost::IDCANCEL);
    CVIREODoc again;
    ASSERT_TRUE(again.OnOpenDocument(path));
    EXPECT_TRUE(again.MainSheet() == doc.MainSheet());
    // After its own save the document knows the file again.
    ASSERT_TRUE(doc.Save());
    EXPECT_EQ(env->questions.size(), 3u);
}

TEST(Document, AutosaveGoesToItsOwnFiles)
{
    CAppTestEnv env;
    Profile().WriteInt("FileSave", "AutoSave", 1);
    Profile().WriteInt("FileSave", "UndoCount", 2);
    CVIREODoc unnamed, other;
    unnamed.SetDefaultTitle("VIREO1");
    other.SetDefaultTitle("VIREO1");
    unnamed.OnNewDocument(1);
    other.OnNewDocument(1);
    // Two unnamed documents with one title never share a file.
    const CAutosavePlan p1 = unnamed.PlanAutosave(), p2 = other.PlanAutosave();
    // ... and never in the data folder, which may be shared: the user's own.
    EXPECT_EQ(p1.target.parent_path(), env.state());
    EXPECT_NE(p1.target, p2.target);

    CSheet wire;
    wire.NewWire(CPoint(0, 0), CPoint(100, 0));
    unnamed.AddItems(wire);
    EXPECT_FALSE(unnamed.IsAutosaveDue());
    unnamed.AddItems(wire);
    ASSERT_TRUE(unnamed.IsAutosaveDue());
    ASSERT_TRUE(unnamed.Autosave());
    EXPECT_TRUE(std::filesystem::exists(p1.target));
    EXPECT_TRUE(unnamed.IsModified()); // closing still asks
    EXPECT_EQ(unnamed.GetEditCount(), 0);

    // A named document autosaves beside itself, never over itself.
    const auto path = env / "n.dcd";
    WriteBytes(path, SampleSchematic(8));
    CVIREODoc named;
    ASSERT_TRUE(named.OnOpenDocument(path));
    named.AddItems(wire);
    named.AddItems(wire);
    ASSERT_TRUE(named.Autosave());
    const auto side = CVIREODoc::AutosavePathFor(path);
    EXPECT_TRUE(std::filesystem::exists(side));
    EXPECT_EQ(CAppTestEnv::ReadFile(path), [] {
        auto b = SampleSchematic(8);
        return std::string(b.begin(), b.end());
    }());
    // After a crash the newer autosave is found; a save makes it stale.
    EXPECT_EQ(CVIREODoc::FindNewerAutosave(path), side);
    ASSERT_TRUE(named.Save());
    EXPECT_FALSE(CVIREODoc::FindNewerAutosave(path).has_value());

    // FileUpdate: copies of equally named sheets, a user's file of that name
    // and the document itself are never written over.  An empty folder means
    // the user's state folder, not the root.
    Profile().WriteInt("FileSave", "FileUpdate", 1);
    const std::filesystem::path copy = named.PlanAutosave().target;
    EXPECT_EQ(copy.parent_path(), env.state());
    std::filesystem::create_directories(env / "b");
    WriteBytes(env / "b" / "n.dcd", SampleSchematic(8));
    CVIREODoc twin;
    ASSERT_TRUE(twin.OnOpenDocument(env / "b" / "n.dcd"));
    EXPECT_NE(twin.PlanAutosave().target, copy);
    EXPECT_NE(copy.filename(), "n.dcd");
    Profile().WriteString("FileSave", "SaveFolder", CString((env / "").string()));
    EXPECT_NE(named.PlanAutosave().target, path);
    EXPECT_EQ(named.PlanAutosave().target.parent_path(), path.parent_path());
    // Saving, also under another name, and discarding remove the copies.
    named.AddItems(wire);
    named.AddItems(wire);
    ASSERT_TRUE(named.Autosave());
    const std::filesystem::path written = named.PlanAutosave().target;
    ASSERT_TRUE(std::filesystem::exists(written));
    ASSERT_TRUE(named.OnSaveDocument(env / "renamed.dcd"));
    EXPECT_FALSE(std::filesystem::exists(written));
    unnamed.AddItems(wire);
    unnamed.AddItems(wire);
    ASSERT_TRUE(unnamed.Autosave());
    const std::filesystem::path unnamedCopy = unnamed.PlanAutosave().target;
    ASSERT_TRUE(std::filesystem::exists(unnamedCopy));
    unnamed.DiscardAutosave();
    EXPECT_FALSE(std::filesystem::exists(unnamedCopy));
    Profile().WriteString("FileSave", "SaveFolder", CString());
    // Read-only documents and folders are skipped.
    Profile().WriteInt("FileSave", "FileUpdate", 0);
    chmod(named.GetPathName().c_str(), 0444);
    EXPECT_TRUE(named.PlanAutosave().target.empty());
    chmod(named.GetPathName().c_str(), 0644);
    chmod(env.state().c_str(), 0555);
    EXPECT_TRUE(unnamed.PlanAutosave().target.empty());
    chmod(env.state().c_str(), 0755);
}

TEST(Document, OpeningAReadOnlyFileWithAutosaveTellsOnce)
{
    CAppTestEnv env;
    const auto path = env / "ro.dcd";
    WriteBytes(path, SampleSchematic(8));
    chmod(path.c_str(), 0444);
    bool notice = true;
    CVIREODoc a, b;
    ASSERT_TRUE(a.OnOpenDocument(path, &notice));
    ASSERT_TRUE(b.OnOpenDocument(path, &notice));
    int shown = 0;
    for (const auto& m : env->messages)
        shown += m.text == FromUtf8("読み込み専用ファイルは自動保存の対象外です");
    EXPECT_EQ(shown, 1);
    // Saving it is refused and it stays as it was.
    EXPECT_FALSE(a.Save());
}

TEST(Document, PropertiesAndSize)
{
    CAppTestEnv env;
    CVIREODoc doc;
    doc.OnNewDocument(4); // A3 portrait
    EXPECT_EQ(doc.Header().width, 11693);
    EXPECT_EQ(doc.Header().height, 16535);
    EXPECT_EQ(doc.GetTitleFile(), "Title.A3P");
    EXPECT_EQ(Profile().GetInt("Sheet", "Work", -1), 4);
    EXPECT_FALSE(doc.IsModified());

    doc.Header().properties.push_back("&Checked&yes");
    doc.SetProperties("Ann", "Rev B", 4, "Title.A3P");
    EXPECT_TRUE(doc.IsModified());
    // Title file, comment, author; the default title file is no entry; other
    // entries stay.
    EXPECT_EQ(doc.Header().properties,
              (std::vector<CString>{"&Comment&Rev B", "&Author&Ann", "&Checked&yes"}));
    doc.SetProperties("Ann", "Rev B", 4, "Big.A3P");
    EXPECT_EQ(doc.Header().properties.front(), "&TitleFile&Big.A3P");

    doc.ChangeSize(0, "");
    EXPECT_EQ(doc.GetSizeIndex(), 0);
    EXPECT_EQ(doc.GetTitleFile(), "Title.A2");
    EXPECT_EQ(doc.Header().width, 23386);
    EXPECT_EQ(doc.GetProperty("&TitleFile&"), "");
    EXPECT_EQ(doc.GetProperty("&Author&"), "Ann");
}

TEST(Document, MakePartAndDecomposeRoundTrip)
{
    CAppTestEnv env;
    CVIREODoc doc;
    doc.OnNewDocument(1);
    CSheet drawing;
    drawing.NewLine(CPoint(0, 0), CPoint(400, 0));
    drawing.NewPin(CPoint(0, 0), CPoint(-200, 0), 0);
    drawing.NewText("Name", CPoint(0, 500), 70, 0);
    drawing.NewText("Ref", CPoint(0, 600), 70, 0);
    drawing.NewWire(CPoint(1000, 1000), CPoint(2000, 1000));
    doc.AddToMainSheet(drawing, false);
    for (const CLine& x : drawing.Lines())
        doc.SelectItem(x);
    for (const CPin& x : drawing.Pins())
        doc.SelectItem(x);
    for (const CText& x : drawing.Texts())
        doc.SelectItem(x);
    for (const CLine& x : drawing.Wires())
        doc.SelectItem(x);
    EXPECT_TRUE(doc.CommandEnables(ViewActivity::Selecting, true).makePart);
    EXPECT_FALSE(doc.CommandEnables(ViewActivity::PlacingPart, true).makePart);

    // Cancel in the dialog changes nothing.
    EXPECT_FALSE(doc.MakePart([](CMakePartInput&) { return false; }));
    EXPECT_EQ(doc.SelectionSheet().GetItemCount(), 5u);
    CString presetRef;
    ASSERT_TRUE(doc.MakePart([&](CMakePartInput& in) {
        presetRef = in.dialog.reference;
        in.dialog.partName = "OPAMP";
        in.dialog.reference = "U?";
        in.dialog.value = "LM358";
        return true;
    }));
    EXPECT_EQ(presetRef, "U?");
    // The part replaced what it took; the wire stays selected.
    const CSheet& sel = doc.SelectionSheet();
    ASSERT_EQ(sel.Parts().GetCount(), 1);
    EXPECT_EQ(sel.Wires().GetCount(), 1);
    EXPECT_EQ(sel.GetItemCount(), 2u);
    const CPart& part = *sel.GetHeadPart();
    EXPECT_EQ(part.GetPartName(), "OPAMP");
    EXPECT_EQ(part.GetPartNameText().GetPoint(), CPoint(0, 500));
    EXPECT_EQ(part.GetPinCount(), 1);
    EXPECT_EQ(part.Lines().GetCount(), 1);

    // Decomposition gives back free items and the placeholders, and
    // remembers the part's settings for the next Make Part.
    EXPECT_TRUE(doc.CommandEnables(ViewActivity::Selecting, true).decompose);
    env->answers = {CHost::IDNO};
    EXPECT_FALSE(doc.DecomposeParts());
    ASSERT_TRUE(doc.DecomposeParts());
    doc.ReturnSelection();
    EXPECT_EQ(doc.MainSheet().Parts().GetCount(), 0);
    int placeholders = 0;
    for (const CText& t : doc.MainSheet().Texts())
        placeholders += t.GetName() == "Name" || t.GetName() == "Ref" || t.GetName() == "Val";
    EXPECT_EQ(placeholders, 3);
    EXPECT_EQ(Profile().GetString("MakePart", "Name"), "OPAMP");
    EXPECT_EQ(Profile().GetString("MakePart", "Ref"), "U");
    EXPECT_EQ(Profile().GetString("MakePart", "Val"), "LM358");
}

TEST(Document, CleanUpIsOneUndoableChange)
{
    CAppTestEnv env;
    CVIREODoc doc;
    doc.OnNewDocument(2);
    CSheet pieces;
    pieces.NewWire(CPoint(0, 0), CPoint(100, 0));
    pieces.NewWire(CPoint(100, 0), CPoint(200, 0));
    pieces.NewWire(CPoint(300, 300), CPoint(300, 300));
    doc.AddItems(pieces);
    const int depth = doc.History().UndoDepth();
    ASSERT_EQ(doc.CleanUpDocument(), 1);
    EXPECT_EQ(doc.History().UndoDepth(), depth + 22); // a kind-3 and a kind-4 record
    ASSERT_EQ(doc.MainSheet().GetCount(kind::kWire), 1);
    EXPECT_EQ(doc.CleanUpDocument(), 0); // nothing left to do: nothing recorded
    EXPECT_EQ(doc.History().UndoDepth(), depth + 22);
    doc.Undo();
    EXPECT_EQ(doc.MainSheet().GetCount(kind::kWire), 3);
    doc.Redo();
    EXPECT_EQ(doc.MainSheet().GetCount(kind::kWire), 1);
}

TEST(Document, LibraryRegistersTheSelectedPartsWithoutTheDroppedProperties)
{
    CAppTestEnv env;
    CVIREODoc doc;
    doc.OnNewDocument(2);
    CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(0, 0), 1, 1, 0, 0);
    part.SetPartName("OPAMP");
    part.NewPin(CPoint(0, 0), CPoint(-300, 0), 0);
    part.NewText(CText("&Maker&ACME", CPoint(0, 100), 70, 8));
    part.NewText(CText("&Footprint&SO8", CPoint(0, 200), 70, 8));
    part.CalcBoundRect();
    doc.SelectionSheet().NewPart(part);

    const std::filesystem::path lib = env / "parts.lib";
    env->answers = {CHost::IDYES}; // create the library
    ASSERT_TRUE(doc.RegisterLibrary([&](CLibraryRegisterInput& input) {
        EXPECT_EQ(input.packageName, "OPAMP"); // preset from the first part
        input.library = CString(lib.c_str());
        input.dropProperties = {"Maker"};
        return true;
    }));
    EXPECT_EQ(doc.PartBuffer().GetCount(kind::kPart), 1);
    EXPECT_TRUE(doc.SelectionSheet().GetHeadPart()->GetProperty("Maker").IsEmpty());

    CLibrary library;
    library.SetLibraryName(CString(lib.c_str()));
    library.SetPackageName("OPAMP");
    ASSERT_EQ(library.ReadFile(), 1);
    CSheet read;
    ASSERT_EQ(library.ReadPart(&read, 0), 1);
    EXPECT_TRUE(read.GetHeadPart()->GetProperty("Maker").IsEmpty());
    EXPECT_EQ(read.GetHeadPart()->GetProperty("Footprint"), "SO8");

    // Cancel writes nothing.
    EXPECT_FALSE(doc.RegisterLibrary([](CLibraryRegisterInput&) { return false; }));
}
