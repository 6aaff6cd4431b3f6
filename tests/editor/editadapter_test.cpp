// The editing engine in the real window: the same script replayed in the
// view gives the drawing that the headless engine gives, real mouse and key
// events reach the tools, menus follow the engine's state, and what follows
// the cursor is drawn without drawing the sheet again.
#include <QAction>
#include <QMenuBar>
#include <QMouseEvent>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/edit/editengine.h"
#include "app/edit/editscript.h"
#include "app/vireodoc.h"
#include "base/archive.h"
#include "editor/view/editadapter.h"
#include "editorenv.h"

namespace {

std::vector<std::string> Items(const CSheet& sheet)
{
    CArchive ar;
    const_cast<CSheet&>(sheet).SerializeText(ar);
    std::istringstream in(std::string(ar.Bytes().begin(), ar.Bytes().end()));
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<CScriptEvent> Script(const char* path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    std::vector<CScriptEvent> events;
    int line = 0;
    std::string error;
    EXPECT_TRUE(ParseEditScript(s.str(), events, line, error)) << error;
    return events;
}

QPoint Pixel(CVIREOView* view, const CPoint& p)
{
    return view->SheetToClient(p).toPoint();
}

} // namespace

TEST(EditorEditing, ReplayDrawsWhatTheHeadlessEngineDraws)
{
    CEditorEnv env;
    CVIREODoc* doc = env.frame->NewDocument(2);
    ASSERT_NE(doc, nullptr);
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    const auto events = Script(VIREO_EDITOR_TEST_DATA "/../edit/draw.script");
    view->Edit().Replay(events);
    view->Edit().Engine().Finish();

    CVIREODoc headless;
    headless.Header() = doc->Header();
    CScriptAnswers answers;
    CScriptEditHost host(answers);
    CEditEngine engine(headless, host);
    RunEditScript(engine, events, answers);
    engine.Finish();
    EXPECT_EQ(Items(doc->MainSheet()), Items(headless.MainSheet()));
    EXPECT_EQ(doc->MainSheet().GetCount(kind::kWire), 3);
    EXPECT_TRUE(doc->IsModified());
}

TEST(EditorEditing, MouseAndKeysDrawAWireAndMenusFollow)
{
    CEditorEnv env;
    CVIREODoc* doc = env.frame->NewDocument(2);
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    QWidget* vp = view->viewport();
    const QPoint a = Pixel(view, CPoint(2000, 2000)), b = Pixel(view, CPoint(5000, 2000));
    QTest::mouseMove(vp, a);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, a);
    QTest::mouseMove(vp, b);
    EXPECT_TRUE(view->Edit().Engine().InputInProgress());
    EXPECT_EQ(doc->SelectionSheet().GetCount(kind::kWire), 2); // the two legs
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, b);
    QTest::keyClick(vp, Qt::Key_Escape);
    ASSERT_EQ(doc->MainSheet().GetCount(kind::kWire), 1);
    const CLine& wire = *doc->MainSheet().Wires().GetHead();
    EXPECT_EQ(wire.GetStartPoint(), CPoint(2000, 2000));
    EXPECT_EQ(wire.GetEndPoint(), CPoint(5000, 2000));
    EXPECT_FALSE(view->HelpStatus().isEmpty());

    // Ctrl+click selects; the Edit menu's Erase then works, Undo does not.
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, Pixel(view, CPoint(3500, 2000)));
    EXPECT_EQ(doc->SelectionSheet().GetItemCount(), 1u);
    QAction* erase = nullptr;
    QAction* undo = nullptr;
    for (QAction* menu : env.frame->menuBar()->actions())
        if (menu->menu())
            for (QAction* act : menu->menu()->actions()) {
                if (act->text() == EditCommandText(editcmd::kErase))
                    erase = act;
                if (act->text() == EditCommandText(editcmd::kUndo))
                    undo = act;
            }
    ASSERT_TRUE(erase && undo);
    EXPECT_TRUE(erase->isEnabled());
    EXPECT_FALSE(undo->isEnabled());
    erase->trigger();
    EXPECT_EQ(doc->MainSheet().GetItemCount(), 0u);
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(doc->MainSheet().GetCount(kind::kWire), 1);
}

TEST(EditorEditing, WhatFollowsTheCursorIsDrawnOverTheSheet)
{
    CEditorEnv env;
    CVIREODoc* doc = env.frame->NewDocument(2);
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    doc->MainSheet().NewWire(CPoint(1000, 1000), CPoint(3000, 1000));
    view->InvalidateAll();
    QWidget* vp = view->viewport();
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, Pixel(view, CPoint(2000, 1000)));
    ASSERT_EQ(doc->SelectionSheet().GetItemCount(), 1u);
    // A move: the selected wire follows the cursor; the sheet image does not
    // hold it, the overlay does.
    view->Edit().Command(editcmd::kMove);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, Pixel(view, CPoint(2000, 1000)));
    QTest::mouseMove(vp, Pixel(view, CPoint(2000, 4000)));
    QApplication::processEvents();
    const QImage shown = vp->grab().toImage();
    const QPoint moved = Pixel(view, CPoint(2000, 4000)), old = Pixel(view, CPoint(2000, 1000));
    const QColor background = shown.pixelColor(Pixel(view, CPoint(2050, 6050)));
    EXPECT_NE(shown.pixelColor(moved), background);
    EXPECT_EQ(shown.pixelColor(old), background);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, Pixel(view, CPoint(2000, 4000)));
    ASSERT_EQ(doc->MainSheet().GetCount(kind::kWire), 1);
    EXPECT_EQ(doc->MainSheet().Wires().GetHead()->GetStartPoint(), CPoint(1000, 4000));
}
