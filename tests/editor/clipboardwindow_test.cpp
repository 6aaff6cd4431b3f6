// The editor's clipboard: items copied in one sheet window and pasted in
// another through QClipboard, text from other programs, the bitmaps and the
// SVG picture; and Find stepping over the open sheet windows.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <fstream>

#include "app/edit/editids.h"
#include "app/edit/findoptions.h"
#include "base/codepage.h"
#include "editor/dialogs/dlgfind.h"
#include "editor/view/editadapter.h"
#include "editorenv.h"

namespace {

CEditEngine& Engine(CVIREOView* view)
{
    return view->Edit().Engine();
}

} // namespace

TEST(EditorClipboard, ItemsGoFromOneWindowToAnotherAndForeignTextBecomesTexts)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREOView* from = env.ActiveView();
    const size_t parts = from->Document().MainSheet().Parts().GetCount();
    from->Edit().Command(editcmd::kSelectAll);
    ASSERT_TRUE(Engine(from).IsCommandEnabled(editcmd::kCopyClipboard));
    from->Edit().Command(editcmd::kCopyClipboard);
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Line ")) << text.left(40).toStdString();
    EXPECT_EQ(from->Document().SelectionSheet().GetItemCount(), 0u);

    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    CVIREOView* to = env.ActiveView();
    ASSERT_NE(to, from);
    ASSERT_TRUE(Engine(to).IsCommandEnabled(editcmd::kPaste));
    // With the mouse in the window, it goes onto the pasted items' pivot.
    QWidget* port = to->viewport();
    QCursor::setPos(port->mapToGlobal(QPoint(3, 3)));
    const bool cursorMoves = QCursor::pos() == port->mapToGlobal(QPoint(3, 3));
    to->Edit().Command(editcmd::kPaste);
    EXPECT_EQ(Engine(to).State(), editcmd::kPaste);
    EXPECT_EQ(size_t(to->Document().SelectionSheet().Parts().GetCount()), parts);
    const CPoint pivot =
        Engine(to).Snap(to->Document().SelectionSheet().GetBoundingRect().CenterPoint());
    const QPoint at = to->SheetToClient(pivot).toPoint();
    if (cursorMoves && port->rect().contains(at)) {
        EXPECT_EQ(port->mapFromGlobal(QCursor::pos()), at);
    }
    to->Edit().Command(editcmd::kCancel);
    EXPECT_EQ(to->Document().SelectionSheet().GetItemCount(), 0u);

    // Text another program put there: one text per line, in the sheet's code page.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("電源 5V\nsecond line\n"));
    to->Edit().Command(editcmd::kPaste);
    const CSheet& sel = to->Document().SelectionSheet();
    ASSERT_EQ(sel.Texts().GetCount(), 2);
    EXPECT_EQ(ToUtf8(sel.Texts().GetHead()->GetName()), "電源 5V");
    to->Edit().Command(editcmd::kCancel);
    // No text on the clipboard: Paste is off.
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(Engine(to).IsCommandEnabled(editcmd::kPaste));
}

TEST(EditorClipboard, BitmapsShowTheWindowInColourOrBlackAndWhite)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREOView* view = env.ActiveView();
    env.frame->CopyBitmap(true);
    const QImage color = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(color.isNull());
    EXPECT_EQ(color.size(), view->viewport()->size());
    const QImage mono = CMainFrame::ViewBitmap(*view, false);
    int ink = 0, colored = 0;
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) {
            const QColor c = mono.pixelColor(x, y);
            ink += c != Qt::white;
            colored += c.red() != c.green() || c.green() != c.blue();
        }
    EXPECT_GT(ink, 500);
    EXPECT_EQ(colored, 0);
    EXPECT_NE(color, mono);
}

TEST(EditorClipboard, VectorPictureIsFramedBySelectionOrTitleBlock)
{
    if (QStandardPaths::findExecutable("rsvg-convert").isEmpty())
        GTEST_SKIP() << "SKIP: rsvg-convert is not installed (librsvg2-bin)";
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREOView* view = env.ActiveView();
    CVIREODoc& doc = view->Document();
    // Renders the clipboard's SVG at 10 pixels per inch with a real reader.
    const auto render = [&](const char* name) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        EXPECT_TRUE(data->hasFormat("image/svg+xml"));
        const std::string svg = (env.Dir() / name).string();
        std::ofstream(svg) << data->data("image/svg+xml").toStdString();
        QProcess p;
        p.start("rsvg-convert",
                {"--dpi-x", "254", "--dpi-y", "254", "-o", QString::fromStdString(svg + ".png"),
                 QString::fromStdString(svg)});
        p.waitForFinished(30000);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QImage(QString::fromStdString(svg + ".png"));
    };
    // The picture's size is the frame's in millimetres: at 254 dpi one
    // sheet unit (a thousandth of an inch) is 0.254 pixels.
    const CRect title = doc.TitleSheet().GetBoundingRect();
    env.frame->CopyMetafile(false);
    const QImage whole = render("whole.svg");
    EXPECT_NEAR(whole.width(), std::abs(title.Width()) * 0.254, 2);
    EXPECT_NEAR(whole.height(), std::abs(title.Height()) * 0.254, 2);

    view->Edit().Command(editcmd::kSelectAll);
    view->Edit().Command(editcmd::kCancel);
    ASSERT_GT(doc.MainSheet().Parts().GetCount(), 0);
    view->Edit().Command(editcmd::kSelectAll);
    const CRect selected = doc.SelectionSheet().GetBoundingRect();
    env.frame->CopyMetafile(true);
    EXPECT_EQ(doc.SelectionSheet().GetItemCount(), 0u); // back in the drawing
    const QImage part = render("selection.svg");
    EXPECT_NEAR(part.width(), std::abs(selected.Width()) * 0.254, 2);
    EXPECT_NEAR(part.height(), std::abs(selected.Height()) * 0.254, 2);
    // Something was drawn on the filled background.
    int ink = 0;
    const QRgb background = part.pixel(0, 0);
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            ink += part.pixel(x, y) != background;
    EXPECT_GT(ink, 100);
}

TEST(EditorFind, FindGoesOnInTheNextWindowAndReportsWhatIsNotThere)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("demo.dpj")));
    ASSERT_EQ(env.frame->Children().size(), 3);
    // Find sits in the Edit menu.
    QMenu* edit = nullptr;
    for (QAction* a : env.frame->menuBar()->actions())
        if (a->menu() && a->menu()->actions().size() > 0 &&
            a->menu()->actions().front()->shortcut() == QKeySequence::Undo)
            edit = a->menu();
    ASSERT_TRUE(edit);
    bool found = false;
    for (QAction* a : edit->actions())
        found = found || a->shortcut() == QKeySequence(QKeySequence::Find);
    EXPECT_TRUE(found);
    // Window order: leds, controller, power; the search starts on the last
    // and goes round to the first.
    env.frame->MdiArea()->setActiveSubWindow(env.frame->Children().back());
    CVIREODoc* first = &env.frame->ActiveChild()->Document();

    QString answer = "LEDs show";
    env.frame->SetFindDialogHook([&](CDlgFind& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, &answer] {
            dialog.SetSearchText(answer);
            dialog.accept();
        });
    });
    Profile().WriteInt("Find", "Target", 0x200);
    env.frame->OnFind(false);
    // Found only on the leds sheet: its window came forward.
    ASSERT_NE(&env.frame->ActiveChild()->Document(), first);
    EXPECT_EQ(env.frame->ActiveChild()->Document().GetPathName().filename(), "leds.dcd");
    EXPECT_EQ(CFindOptions::Load().SearchString(), "LEDs show");
    EXPECT_TRUE(env.Host()->messages.empty());
    answer = "nowhere at all";
    env.frame->OnFind(false);
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_EQ(ToUtf8(env.Host()->messages[0].text), "nowhere at all は見つかりません");
    EXPECT_EQ(CFindOptions::Load().history.size(), 2u);
}
