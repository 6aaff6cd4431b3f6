// The project commands from the editor's menus: their dialogs (defaults,
// enabling, OK checks, settings), the files they write compared byte for
// byte with what vireo-cli writes for the same options, Cancel in the
// progress window, and the report window's jumps back into the sheets.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <fstream>
#include <set>
#include <sstream>

#include "app/edit/editengine.h"
#include "app/projectfile.h"
#include "app/startup.h"
#include "app/undohistory.h"
#include "base/codepage.h"
#include "base/messages.h"
#include "base/profile.h"
#include "editor/project/dialogexec.h"
#include "editor/project/dlgchecksheet.h"
#include "editor/project/dlgmakenet.h"
#include "editor/project/dlgmakepartlist.h"
#include "editor/project/dlgmakepartno.h"
#include "editor/project/dlgmakewirenet.h"
#include "editor/project/dlgpdf.h"
#include "editor/project/jobprogress.h"
#include "editor/project/jumpmarker.h"
#include "editor/project/outputviewer.h"
#include "editor/project/reportlinks.h"
#include "editor/project/reportwindow.h"
#include "editor/view/qtstring.h"
#include "editorenv.h"
#include "netlist/htmltemplate.h"
#include "netlist/netformat.h"

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs vireo-cli with the test's data folder, empty settings and a fixed date.
bool RunCli(const QStringList& args, const std::filesystem::path& dir)
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VIREO_CONFIG", QString::fromStdString((dir / "cli.ini").string()));
    cli.setProcessEnvironment(env);
    cli.start(VIREO_CLI_PROGRAM, args);
    return cli.waitForFinished(60000) && cli.exitStatus() == QProcess::NormalExit &&
           cli.exitCode() == 0;
}

// The editor side of a run: the project open, dates fixed, no viewer started.
struct ProjectEnv : CEditorEnv {
    ProjectEnv()
    {
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        COutputViewer::SetLauncher([this](bool desktop, const QStringList& argv) {
            launches << (desktop ? "desktop " : "editor ") + argv.join(' ');
            return true;
        });
        EXPECT_TRUE(frame->OpenFile(DemoQ("demo.dpj")));
    }
    ~ProjectEnv()
    {
        SetDialogHook(nullptr);
        COutputViewer::SetLauncher(nullptr);
        CJobProgress::SetStepObserver(nullptr);
        unsetenv("SOURCE_DATE_EPOCH");
    }
    // Fills the next dialog with fill and presses OK.
    template <class D> void Answer(std::function<void(D&)> fill)
    {
        SetDialogHook([fill](QDialog& dialog) {
            D* d = dynamic_cast<D*>(&dialog);
            EXPECT_NE(d, nullptr);
            if (d)
                fill(*d);
            dialog.accept();
            return dialog.result();
        });
    }
    void Trigger(const char* action)
    {
        QAction* a = frame->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    QStringList launches;
};

// The start of the first wire of a sheet (opened when needed).
CPoint WireEnd(CVIREOApp& app, const std::filesystem::path& sheet)
{
    CVIREODoc* doc = app.OpenDocumentFile(sheet);
    EXPECT_NE(doc, nullptr);
    for (const CLine& w : doc->MainSheet().Wires())
        return w.GetStartPoint();
    return CPoint();
}

} // namespace

TEST(ProjectDialogs, NetListDefaultsEnablingChecksAndSettings)
{
    CEditorEnv env;
    CDlgMakeNet dialog;
    // Empty settings: the first format, report on, HTML off, View on, start 1.
    EXPECT_EQ(dialog.Format()->count(), 29);
    EXPECT_EQ(dialog.Format()->currentIndex(), 0);
    EXPECT_TRUE(dialog.Report()->isChecked());
    EXPECT_FALSE(dialog.Html()->isChecked());
    EXPECT_TRUE(dialog.View()->isChecked());
    EXPECT_EQ(dialog.StartNo()->value(), 1);
    EXPECT_FALSE(dialog.Power()->isEnabled());

    // The component file only for 5, 17, 18 and 28; the board property for
    // the formats that name parts by it.
    const std::set<int> compo = {5, 17, 18, 28};
    const std::set<int> pcb = {3, 4, 5, 10, 17, 18, 19, 20, 25, 28, 29};
    for (int i = 0; i < dialog.Format()->count(); ++i) {
        dialog.Format()->setCurrentIndex(i);
        const int code = dialog.Format()->itemData(i).toInt();
        EXPECT_EQ(dialog.Component()->isEnabled(), compo.count(code) == 1) << code;
        EXPECT_EQ(dialog.Pcb()->isEnabled(), pcb.count(code) == 1) << code;
    }
    // HTML only while the report is on.
    dialog.Report()->setChecked(false);
    EXPECT_FALSE(dialog.Html()->isEnabled());
    dialog.Report()->setChecked(true);
    EXPECT_TRUE(dialog.Html()->isEnabled());

    // OK checks: no extension, then a refused one typed with its dot.
    dialog.Format()->setCurrentIndex(dialog.Format()->findData(17));
    dialog.Component()->setChecked(true);
    dialog.accept();
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_EQ(ToUtf8(env.Host()->messages[0].text),
              "コンポーネントファイル拡張子を設定してください。");
    dialog.Extension()->setText(".csv");
    dialog.accept();
    ASSERT_EQ(env.Host()->messages.size(), 2u);
    EXPECT_NE(ToUtf8(env.Host()->messages[1].text).find("ファイル拡張子が不正"), std::string::npos);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Profile().GetInt("Tool", "NetType", -1), -1); // nothing stored yet

    dialog.Extension()->setText(".cmp");
    dialog.StartNo()->setValue(100);
    dialog.Pcb()->setText("FOOT");
    dialog.NetUpper()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Profile().GetInt("Tool", "NetType", 0), 17);
    EXPECT_EQ(Profile().GetInt("Tool", "Compo", 0), 1);
    EXPECT_EQ(Profile().GetString("Tool", "Ext", "").str(), "cmp");
    EXPECT_EQ(Profile().GetInt("Tool", "StartNo", 0), 100);
    EXPECT_EQ(Profile().GetString("Tool", "PCB", "").str(), "FOOT");
    EXPECT_EQ(Profile().GetInt("Tool", "NetSigUpper", 0), 1);
    // And the next dialog starts from them.
    CDlgMakeNet again;
    EXPECT_EQ(again.Format()->currentData().toInt(), 17);
    EXPECT_EQ(again.Extension()->text(), "cmp");
}

TEST(ProjectDialogs, HtmlIsClearedWithoutTheTemplate)
{
    CEditorEnv env;
    const std::filesystem::path data = env.Dir() / "data";
    std::filesystem::create_directory(data);
    setenv("VIREO_DATA", data.c_str(), 1);
    Profile().WriteInt("Tool", "Html", 1);
    Profile().WriteInt("Tool", "IndexHtml", 1);
    Profile().WriteInt("CleanSection", "Html", 1);
    CDlgMakeNet net;
    EXPECT_FALSE(net.Html()->isEnabled());
    EXPECT_FALSE(net.Html()->isChecked());
    EXPECT_FALSE(net.Options().html);
    CDlgCheckSheet check;
    EXPECT_FALSE(check.Html()->isEnabled());
    EXPECT_FALSE(check.Options().html);
    setenv("VIREO_DATA", VIREO_DATA_DIR, 1);
}

TEST(ProjectDialogs, PartNoAndCheckEnableWhatTheirModeUses)
{
    CEditorEnv env;
    CDlgMakePartNo partNo("/tmp/x.dws");
    struct Row {
        int mode;
        bool start, offset, each, simple;
    };
    for (const Row& r : {Row{0, true, false, true, false}, Row{1, true, true, false, false},
                         Row{2, false, false, false, true}, Row{3, false, false, false, true}}) {
        partNo.Mode(r.mode)->setChecked(true);
        EXPECT_EQ(partNo.Start()->isEnabled(), r.start) << r.mode;
        EXPECT_EQ(partNo.Step(1)->isEnabled(), r.start) << r.mode;
        EXPECT_EQ(partNo.PageOffset()->isEnabled(), r.offset) << r.mode;
        EXPECT_EQ(partNo.EachSheet()->isEnabled(), r.each) << r.mode;
        EXPECT_EQ(partNo.Simple()->isEnabled(), r.simple) << r.mode;
        EXPECT_EQ(partNo.FileEdit()->isEnabled(), r.simple) << r.mode;
    }
    partNo.Mode(1)->setChecked(true);
    partNo.Step(1)->setChecked(true);
    partNo.PageOffset()->setValue(100);
    partNo.accept();
    EXPECT_EQ(Profile().GetInt("Tool", "PartNoMakeType", 0), 1);
    EXPECT_EQ(Profile().GetInt("Tool", "PartNoStep", 0), 1);
    EXPECT_EQ(Profile().GetInt("Tool", "RefPageOffset", 0), 100);

    CDlgCheckSheet check;
    EXPECT_TRUE(check.CleanLine()->isChecked()); // the defaults
    EXPECT_TRUE(check.View()->isChecked());
    EXPECT_TRUE(check.WireJunc()->isEnabled());
    check.CleanLine()->setChecked(false);
    EXPECT_FALSE(check.WireJunc()->isEnabled());
    check.Missing()->setChecked(true);
    check.BySheet()->setChecked(true);
    EXPECT_FALSE(check.Missing()->isEnabled());
    check.accept();
    // Missing numbers are not stored while numbers are counted per sheet.
    EXPECT_EQ(Profile().GetInt("CleanSection", "Miss", -1), 0);
    EXPECT_EQ(Profile().GetInt("CleanSection", "BySheet", -1), 1);
    EXPECT_EQ(Profile().GetInt("CleanSection", "CleanLine", -1), 0);
}

TEST(ProjectDialogs, PartListKeepsItsValuesInTheProjectAndNetIndexItsDefaults)
{
    CEditorEnv env;
    const std::filesystem::path project = env.Demo("demo.dpj");
    CDlgMakePartList dialog(project);
    EXPECT_EQ(dialog.Quantity()->value(), 1);
    EXPECT_TRUE(dialog.SheetNo()->text().isEmpty());
    dialog.SheetNo()->setText("DWG-7");
    dialog.Quantity()->setValue(25);
    dialog.Properties()->setText(" ,foot, tol ,");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CProjectFile::ReadProperty(project, "SHEETNO").str(), "DWG-7");
    EXPECT_EQ(CProjectFile::ReadProperty(project, "PCBMAKE").str(), "25");
    EXPECT_EQ(Profile().GetString("Tool", "ListProperty", "").str(), "foot, tol");
    EXPECT_EQ(dialog.Options().Columns(), (std::vector<CString>{"FOOT", "TOL"}));
    CDlgMakePartList again(project);
    EXPECT_EQ(again.SheetNo()->text(), "DWG-7");
    EXPECT_EQ(again.Quantity()->value(), 25);
    // Without a project the values are for this run only.
    CDlgMakePartList none({});
    EXPECT_TRUE(none.SheetNo()->text().isEmpty());
    EXPECT_EQ(none.Quantity()->value(), 1);

    CDlgMakeWireNet index;
    EXPECT_TRUE(index.Single()->isChecked());
    EXPECT_FALSE(index.Xy()->isChecked());
    EXPECT_TRUE(index.View()->isChecked());
    index.Single()->setChecked(false);
    index.accept();
    EXPECT_EQ(Profile().GetInt("Tool", "IndexSingle", -1), 0);
}

TEST(ProjectDialogs, PdfAsksForANameAndBeforeOverwriting)
{
    CEditorEnv env;
    const std::string existing = env.Demo("demo.dpj").string();
    CDlgPDF dialog("", "", "", true);
    dialog.accept();
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_EQ(ToUtf8(env.Host()->messages[0].text), "出力ファイル名を入力してください。");
    dialog.Output()->setText(QString::fromStdString(env.Demo("out.pdf").string()));
    dialog.Scale()->setText("abc");
    dialog.accept();
    EXPECT_EQ(env.Host()->messages.size(), 2u);
    dialog.Scale()->setText("0.5");
    std::ofstream(env.Demo("out.pdf")) << "old";
    env.Host()->answers = {CHost::IDNO};
    dialog.accept();
    EXPECT_EQ(env.Host()->questions.size(), 1u);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    env.Host()->answers = {CHost::IDYES};
    dialog.Active()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Profile().GetString("PDF", "Scale", "").str(), "0.5");
    EXPECT_EQ(Profile().GetInt("PDF", "Proj", 0), 1);
    EXPECT_FALSE(dialog.AllFiles()->isEnabled()); // only for the whole project
}

TEST(ProjectCommands, NetListFromTheMenuWritesWhatTheCliWrites)
{
    ProjectEnv env;
    env.Answer<CDlgMakeNet>(std::function<void(CDlgMakeNet&)>([](CDlgMakeNet& d) {
        d.Format()->setCurrentIndex(d.Format()->findText("PADS-PCB", Qt::MatchFixedString));
    }));
    env.Trigger("ProjectNetList");
    const std::string net = ReadAll(env.Demo("demo.net"));
    const std::string report = ReadAll(env.Demo("demo.nrp"));
    ASSERT_FALSE(net.empty());
    ASSERT_FALSE(report.empty());
    // View: the netlist to the text editor, the report into the report window.
    ASSERT_EQ(env.launches.size(), 1);
    EXPECT_TRUE(env.launches[0].startsWith("editor xdg-open ")) << env.launches[0].toStdString();
    EXPECT_TRUE(env.launches[0].endsWith("demo.net"));
    ASSERT_NE(env.frame->ReportWindow(), nullptr);
    EXPECT_TRUE(env.frame->ReportWindow()->Path().endsWith("demo.nrp"));

    ASSERT_TRUE(RunCli({"netlist", env.DemoQ("demo.dpj"), "--format", "PADS-PCB"}, env.Dir()));
    EXPECT_EQ(ReadAll(env.Demo("demo.net")), net);
    EXPECT_EQ(ReadAll(env.Demo("demo.nrp")), report);
}

TEST(ProjectCommands, PartListAndCheckLogMatchTheCli)
{
    ProjectEnv env;
    env.Answer<CDlgMakePartList>(std::function<void(CDlgMakePartList&)>(
        [](CDlgMakePartList& d) { d.Count()->setChecked(true); }));
    env.Trigger("ProjectPartList");
    const std::string csv = ReadAll(env.Demo("demo.csv"));
    ASSERT_FALSE(csv.empty());
    ASSERT_TRUE(RunCli({"partlist", env.DemoQ("demo.dpj"), "--count"}, env.Dir()));
    EXPECT_EQ(ReadAll(env.Demo("demo.csv")), csv);

    env.Answer<CDlgCheckSheet>(std::function<void(CDlgCheckSheet&)>(
        [](CDlgCheckSheet& d) { d.View()->setChecked(false); }));
    env.Trigger("ProjectCheck");
    const std::string log = ReadAll(env.Demo("demo.log"));
    ASSERT_FALSE(log.empty());
    // View off: the summary box.
    ASSERT_FALSE(env.Host()->messages.empty());
    EXPECT_NE(ToUtf8(env.Host()->messages.back().text).find("demo.log"), std::string::npos);
    ASSERT_TRUE(RunCli({"check", env.DemoQ("demo.dpj")}, env.Dir()));
    EXPECT_EQ(ReadAll(env.Demo("demo.log")), log);
}

TEST(ProjectCommands, NumberingWritesBackAsOneUndoStepPerSheet)
{
    ProjectEnv env;
    env.Answer<CDlgMakePartNo>(std::function<void(CDlgMakePartNo&)>(
        [](CDlgMakePartNo& d) { d.Mode(1)->setChecked(true); }));
    env.Trigger("ProjectPartNo");
    ASSERT_FALSE(env.Host()->messages.empty());
    EXPECT_NE(ToUtf8(env.Host()->messages.back().text).find("リファレンスカウンター"),
              std::string::npos);
    int changed = 0;
    for (const auto& doc : env.app->Documents()) {
        if (!doc->IsModified())
            continue;
        ++changed;
        EXPECT_EQ(CEditEngine::UndoSteps(doc->History()), 1) << doc->GetPathName();
    }
    EXPECT_GT(changed, 0);
}

TEST(ProjectCommands, CancelLeavesThePreviousOutputsUntouched)
{
    ProjectEnv env;
    std::ofstream(env.Demo("demo.net")) << "previous netlist";
    std::ofstream(env.Demo("demo.nrp")) << "previous report";
    int seen = 0;
    CJobProgress::SetStepObserver([&seen](CJobProgressDialog& dialog, int steps) {
        seen = steps;
        if (steps == 5)
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    env.Answer<CDlgMakeNet>(std::function<void(CDlgMakeNet&)>([](CDlgMakeNet& d) {
        d.Format()->setCurrentIndex(d.Format()->findText("PADS-PCB", Qt::MatchFixedString));
    }));
    env.Trigger("ProjectNetList");
    EXPECT_GE(seen, 5);
    EXPECT_EQ(ReadAll(env.Demo("demo.net")), "previous netlist");
    EXPECT_EQ(ReadAll(env.Demo("demo.nrp")), "previous report");
    EXPECT_TRUE(env.launches.isEmpty());
    ASSERT_FALSE(env.Host()->messages.empty());
    EXPECT_NE(ToUtf8(env.Host()->messages.back().text).find("Cancelled"), std::string::npos);
}

TEST(ProjectCommands, ReportLinksBringTheSheetForwardAtThePoint)
{
    ProjectEnv env;
    env.Answer<CDlgMakeNet>(std::function<void(CDlgMakeNet&)>([](CDlgMakeNet& d) {
        d.Format()->setCurrentIndex(d.Format()->findText("PADS-PCB", Qt::MatchFixedString));
    }));
    env.Trigger("ProjectNetList");
    CReportWindow* report = env.frame->ReportWindow();
    // The open pin line "... controller.dcd [2]<tab>X:  40.00 Y:  78.00" is a link.
    const QString html = report->Browser()->toHtml();
    const QString expected = VireoLink(env.DemoQ("controller.dcd"), CPoint(4000, 7800));
    ASSERT_TRUE(html.contains(expected.toHtmlEscaped())) << html.toStdString();
    // Close the sheet first: the jump opens it again.
    CVIREODoc* doc = env.app->FindDocument(env.Demo("controller.dcd"));
    ASSERT_NE(doc, nullptr);
    env.frame->ActiveChild(); // keep the frame's state settled
    ASSERT_TRUE(env.frame->CloseDocument(*doc));
    report->Follow(QUrl(expected));
    CChildFrame* child = env.frame->ActiveChild();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Document().GetPathName(), env.Demo("controller.dcd"));
    // The open pin has no wire to highlight: the marker shows it, at the
    // view's centre.
    auto* marker = child->View()->viewport()->findChild<CJumpMarker*>();
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->Point(), CPoint(4000, 7800));
    const QPointF centre = child->View()->SheetToClient(CPoint(4000, 7800));
    const QSize client = child->View()->viewport()->size();
    EXPECT_NEAR(centre.x(), client.width() / 2.0, 2);
    EXPECT_NEAR(centre.y(), client.height() / 2.0, 2);
    // A point on a wire: its net is highlighted.
    ASSERT_TRUE(env.frame->JumpTo(env.DemoQ("leds.dcd"), WireEnd(*env.app, env.Demo("leds.dcd"))));
    EXPECT_TRUE(env.frame->ActiveChild()->Document().MainSheet().IsHighLight());

    // A second start hands a link on: the running program jumps.
    QByteArray request = VireoLink(env.DemoQ("power.dcd"), CPoint(1000, 1000)).toUtf8();
    request.append('\0');
    env.frame->HandleInstanceMessage(kOpenFileMessageCode, request);
    EXPECT_EQ(env.frame->ActiveChild()->Document().GetPathName(), env.Demo("power.dcd"));

    // A link to something that is not a sheet is refused with a message.
    const size_t before = env.Host()->messages.size();
    EXPECT_FALSE(env.frame->OpenVireoLink(VireoLink(env.DemoQ("demo.dpj"), CPoint(0, 0))));
    EXPECT_EQ(env.Host()->messages.size(), before + 1);
}

TEST(ReportLinks, TagJumpsTextLinesAndVireoLinks)
{
    // y * 65536 + x, signed 32 bits.
    struct Row {
        const char* text;
        std::optional<CPoint> at;
    };
    for (const Row& r :
         {Row{"&[VIREO]AUTOTAGJUMP&262244", CPoint(100, 4)},
          Row{"&[VIREO]AUTOTAGJUMP&0", CPoint(0, 0)},
          Row{"&[VIREO]AUTOTAGJUMP&-2147483648", CPoint(0, -32768)},
          Row{"&[VIREO]AUTOTAGJUMP&", std::nullopt}, Row{"AUTOTAGJUMP&5", std::nullopt}}) {
        const auto at = DecodeTagJump(r.text);
        ASSERT_EQ(at.has_value(), r.at.has_value()) << r.text;
        if (at) {
            EXPECT_EQ(*at, *r.at) << r.text;
        }
    }
    const QString link = VireoLink("/tmp/設計/回路 1/a.dcd", CPoint(1250, -30));
    EXPECT_FALSE(link.contains(' '));
    const auto back = ParseVireoLink(link);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->path, "/tmp/設計/回路 1/a.dcd");
    EXPECT_EQ(back->at, CPoint(1250, -30));
    // The reports' own links (written by the core) read back the same.
    const auto fromCore = ParseVireoLink(
        ToQString(CHtmlTemplate::VireoLink(FromUtf8("/tmp/設計/回路 1/a.dcd"), CPoint(5, -6))));
    ASSERT_TRUE(fromCore);
    EXPECT_EQ(fromCore->path, "/tmp/設計/回路 1/a.dcd");
    EXPECT_EQ(fromCore->at, CPoint(5, -6));
    EXPECT_FALSE(ParseVireoLink("vireo:/a.dcd"));
    EXPECT_FALSE(ParseVireoLink("http://x/a.dcd?x=1&y=2"));

    const QString row =
        "<tr id=\"entry0\" data-jump=\"&amp;[VIREO]AUTOTAGJUMP&amp;262244\">"
        "<td class=\"num\"><a href=\"vireo:/elsewhere/b.dcd?x=1&amp;y=2\">0</a></td>"
        "<td title=\"sub\\b.dcd\">1 b.dcd</td></tr>";
    EXPECT_TRUE(LinkHtmlReport(row, "/p").contains(
        "<a href=\"" + VireoLink("/p/sub/b.dcd", CPoint(100, 4)).toHtmlEscaped() + "\">0</a>"));

    const QString text = "File lists\n  1 ,a.dcd\n  2 ,b.dcd\nWire net index\n"
                         "CLK,      2,  12.50,   3.00\n"
                         "R1\tRES\tx y.dcd [1]\tX:   1.00 Y:   2.05\n";
    const QString out = LinkTextReport(text, "/p");
    EXPECT_TRUE(out.contains(VireoLink("/p/b.dcd", CPoint(1250, 300)).toHtmlEscaped()));
    EXPECT_TRUE(out.contains(VireoLink("/p/x y.dcd", CPoint(100, 205)).toHtmlEscaped()));
}

TEST(OutputViewer, EditorCommandLines)
{
    struct Row {
        const char* line;
        QStringList argv;
    };
    for (const Row& r :
         {Row{"xdg-open \"%f\"", {"xdg-open", "/a b/c.net"}}, Row{"gedit", {"gedit", "/a b/c.net"}},
          Row{"\"/opt/my ed/ed\" -n %f", {"/opt/my ed/ed", "-n", "/a b/c.net"}}, Row{"", {}}})
        EXPECT_EQ(COutputViewer::EditorCommand(r.line, "/a b/c.net"), r.argv) << r.line;
    EXPECT_TRUE(COutputViewer::OpensWithDesktop("/x/DEMO.NRP.HTML"));
    EXPECT_TRUE(COutputViewer::OpensWithDesktop("/x/a.pdf"));
    EXPECT_FALSE(COutputViewer::OpensWithDesktop("/x/a.csv"));
}

TEST(ProjectCommands, PdfAndOtherFormatsMatchTheCli)
{
    ProjectEnv env;
    env.Answer<CDlgPDF>(
        std::function<void(CDlgPDF&)>([](CDlgPDF& d) { d.View()->setChecked(true); }));
    env.Trigger("ProjectPdf");
    const std::string pdf = ReadAll(env.Demo("demo.pdf"));
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    ASSERT_FALSE(env.launches.isEmpty());
    EXPECT_EQ(env.launches.back(), "desktop " + env.DemoQ("demo.pdf"));
    ASSERT_TRUE(RunCli({"pdf", env.DemoQ("demo.dpj"), "-o", env.DemoQ("cli")}, env.Dir()));
    EXPECT_EQ(ReadAll(env.Demo("cli.pdf")), pdf);

    // Save Other Format on the active sheet, as Tango and as DXF.
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    for (const int format : {1, 5}) {
        const QString name = format == 1 ? "leds.tng" : "leds.dxf";
        env.frame->SetExportChooser([&](const QString&, int& chosen) {
            chosen = format;
            return env.DemoQ(name.toStdString());
        });
        env.Trigger("ProjectOtherFormat");
        const std::string written = ReadAll(env.Demo(name.toStdString()));
        ASSERT_FALSE(written.empty()) << name.toStdString();
        ASSERT_TRUE(RunCli({format == 1 ? "tango" : "dxf", env.DemoQ("leds.dcd"),
                            env.DemoQ("cli-" + name.toStdString())},
                           env.Dir()));
        // A Tango file records the area the window shows, which the window
        // changed; everything else is the same.
        const auto withoutArea = [](std::string text) {
            const size_t at = text.find("\nSIZE ");
            if (at != std::string::npos)
                text.erase(at, text.find('\n', at + 1) - at);
            return text;
        };
        EXPECT_TRUE(withoutArea(ReadAll(env.Demo("cli-" + name.toStdString()))) ==
                    withoutArea(written))
            << name.toStdString();
    }
    EXPECT_EQ(Profile().GetInt("Settings", "FilterIndex", 0), 5);
}

TEST(ProjectCommands, ExternalProgramsFromTheToolSettings)
{
    ProjectEnv env;
    const std::filesystem::path made = env.Dir() / "made by tool";
    Profile().WriteString("Tool", "ExtProg2", CString("/usr/bin/touch \"" + made.string() + "\""));
    Profile().WriteString("Tool", "ExtProg3", "*/usr/bin/true");
    // The Tool menu lists the second entry (not the hidden third) with its key.
    QMenu* tool = nullptr;
    for (QAction* a : env.frame->menuBar()->actions())
        if (a->menu() && a->menu()->title() == CMainFrame::tr("&Tool"))
            tool = a->menu();
    ASSERT_NE(tool, nullptr);
    emit tool->aboutToShow();
    QStringList texts;
    for (QAction* a : tool->actions())
        if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F2) ||
            a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F3))
            texts << a->text();
    EXPECT_EQ(texts, QStringList{"touch"});
    env.Trigger("ExtProg2");
    for (int i = 0; i < 100 && !std::filesystem::exists(made); ++i)
        QTest::qWait(20);
    EXPECT_TRUE(std::filesystem::exists(made));
    // An empty fourth entry closes the active window.
    const size_t open = env.app->Documents().size();
    env.Trigger("ExtProg4");
    EXPECT_EQ(env.app->Documents().size(), open - 1);
}

TEST(ProjectCommands, AutoSaveAndTheSheetsOpenedForACommand)
{
    ProjectEnv env;
    // A modified project sheet is saved first when Tool/AutoSave says so.
    Profile().WriteInt("Tool", "AutoSave", 1);
    CVIREODoc* leds = env.app->FindDocument(env.Demo("leds.dcd"));
    ASSERT_NE(leds, nullptr);
    CSheet added(CSheet::kScratch);
    added.NewWire(CPoint(100, 100), CPoint(900, 100));
    leds->AddItems(added);
    ASSERT_TRUE(leds->IsModified());
    // A closed sheet is opened for the command and closed again after it.
    CVIREODoc* power = env.app->FindDocument(env.Demo("power.dcd"));
    ASSERT_NE(power, nullptr);
    ASSERT_TRUE(env.frame->CloseDocument(*power));
    env.Answer<CDlgMakeWireNet>(std::function<void(CDlgMakeWireNet&)>(
        [](CDlgMakeWireNet& d) { d.Xy()->setChecked(true); }));
    env.Trigger("ProjectNetIndex");
    EXPECT_FALSE(leds->IsModified());
    EXPECT_EQ(env.app->FindDocument(env.Demo("power.dcd")), nullptr);
    const std::string index = ReadAll(env.Demo("demo.net.csv"));
    EXPECT_NE(index.find("power.dcd"), std::string::npos);
    ASSERT_TRUE(RunCli({"netindex", env.DemoQ("demo.dpj"), "--xy"}, env.Dir()));
    EXPECT_EQ(ReadAll(env.Demo("demo.net.csv")), index);
    // The index went to the report window, its rows links.
    EXPECT_TRUE(env.frame->ReportWindow()->Browser()->toHtml().contains("vireo:"));
}

TEST(ProjectCommands, WithoutAProjectTheOpenSheetsAfterAsking)
{
    CEditorEnv env;
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    ASSERT_TRUE(env.app->ProjectPath().empty());
    SetDialogHook([](QDialog& dialog) {
        auto& d = dynamic_cast<CDlgMakeNet&>(dialog);
        d.Format()->setCurrentIndex(d.Format()->findText("PADS-PCB", Qt::MatchFixedString));
        d.View()->setChecked(false);
        dialog.accept();
        return dialog.result();
    });
    env.Host()->answers = {CHost::IDNO};
    env.frame->OnMakeNetList();
    ASSERT_EQ(env.Host()->questions.size(), 1u);
    EXPECT_EQ(env.Host()->questions[0].text, LoadMessage(2901));
    EXPECT_FALSE(std::filesystem::exists(env.Demo("leds.net")));

    env.Host()->answers = {CHost::IDYES};
    env.frame->OnMakeNetList();
    SetDialogHook(nullptr);
    // Beside the first sheet, and the summary box instead of a viewer.
    const std::string net = ReadAll(env.Demo("leds.net"));
    ASSERT_FALSE(net.empty());
    ASSERT_FALSE(env.Host()->messages.empty());
    EXPECT_EQ(ToUtf8(env.Host()->messages.back().text).rfind("総ネット数", 0), 0u);
    ASSERT_TRUE(RunCli({"netlist", env.DemoQ("leds.dcd"), env.DemoQ("controller.dcd"), "--format",
                        "PADS-PCB", "--no-report"},
                       env.Dir()));
    EXPECT_EQ(ReadAll(env.Demo("leds.net")), net);
    unsetenv("SOURCE_DATE_EPOCH");
}
