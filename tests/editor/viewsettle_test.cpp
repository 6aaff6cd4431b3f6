// The sheet view as a user meets it, with Qt's queued layout run after each
// step (the scroll bars appear and go then): Zoom All, the zoom percentage,
// the wheel with one scroll bar and the arrow keys at a low zoom.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <fstream>

#include "base/codepage.h"
#include "base/messages.h"
#include "editor/view/qtstring.h"
#include "editor/view/statusformat.h"
#include "editor/view/vireoview.h"
#include "editorenv.h"
#include "items/part.h"
#include "items/pin.h"

namespace {

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QString ZoomAfter(CVIREOView* view, void (CVIREOView::*command)())
{
    (view->*command)();
    Settle();
    return view->ZoomStatus();
}

QString ZoomAllAfter(CVIREOView* view)
{
    view->OnZoomAll();
    Settle();
    return view->ZoomStatus();
}

} // namespace

TEST(ViewSettled, ZoomAllAlternatesBetweenTheWholeSheetAndTheLastView)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    Settle();
    EXPECT_EQ(ZoomAllAfter(view), "Zoom 100%");
    EXPECT_EQ(ZoomAfter(view, &CVIREOView::OnZoomUp), "Zoom 120%");
    EXPECT_EQ(ZoomAfter(view, &CVIREOView::OnZoomUp), "Zoom 144%");
    EXPECT_EQ(ZoomAfter(view, &CVIREOView::OnZoomUp), "Zoom 173%");
    // The first Zoom All defines the all area as the whole sheet; each
    // further one goes back to the view before it and returns.
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(ZoomAllAfter(view), "Zoom 100%");
        EXPECT_EQ(ZoomAllAfter(view), "Zoom 173%");
    }
    // The whole sheet is in the window after Zoom All.
    view->OnZoomAll();
    Settle();
    const CRect shown = view->Document().Header().visibleArea;
    EXPECT_EQ(shown,
              CRect(0, 0, view->Document().Header().width, view->Document().Header().height));
}

TEST(ViewSettled, WheelScrollsOnTheOnlyScrollBar)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    // A tall, narrow window: one zoom step overflows the width only.
    QWidget* child = view->parentWidget();
    child->showNormal();
    child->resize(360, 900);
    Settle();
    view->OnZoomAll();
    Settle();
    view->OnZoomUp();
    Settle();
    const CZoomMapping& z = view->Mapping();
    ASSERT_TRUE(z.HasHorzBar());
    ASSERT_FALSE(z.HasVertBar());
    const CPoint before = z.Position();
    QWidget* vp = view->viewport();
    const QPoint pos(20, 20);
    QWheelEvent e(QPointF(pos), QPointF(vp->mapToGlobal(pos)), QPoint(), QPoint(0, -120),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &e);
    EXPECT_EQ(z.Position().x, before.x + 3 * z.LineStep().cx);
    EXPECT_EQ(z.Position().y, before.y);
}

TEST(ViewSettled, ArrowKeysMoveExactlyOneGridStepAtEveryZoom)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    // A small window on the sub grid: a pixel spans more than a grid step,
    // and the mouse move that the cursor's warp raises must not snap the
    // point anew.
    QWidget* child = view->parentWidget();
    child->showNormal();
    child->resize(260, 200);
    Settle();
    view->OnZoomAll();
    view->OnGrid();
    Settle();
    ASSERT_EQ(env.options.gridPitch, 50);
    ASSERT_GT(1.0 / view->Mapping().Scale(), 60.0);
    QWidget* vp = view->viewport();
    const auto warpEcho = [&] {
        const QPoint at = vp->mapFromGlobal(QCursor::pos());
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(vp->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(vp, &move);
    };
    const CPoint start = view->CurrentPoint();
    for (int i = 1; i <= 5; ++i) {
        QTest::keyClick(view, Qt::Key_Right);
        warpEcho();
        EXPECT_EQ(view->CurrentPoint(), CPoint(start.x + i * 50, start.y)) << i;
    }
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    warpEcho();
    EXPECT_EQ(view->CurrentPoint(), CPoint(start.x + 250, start.y + 500));
    // The status bar follows the keys at once.
    EXPECT_EQ(view->CoordinateStatus().toStdString(), CoordinateText(view->CurrentPoint()));
}

TEST(ViewSettled, HoverTipsTellWhatIsUnderTheRestingMouse)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("demo.dpj")));
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    view->OnZoomAll();
    Settle();
    const CSheet& sheet = view->Document().MainSheet();

    // A part: its name, reference and value; the pin under the mouse.
    const CPart& part = *sheet.Parts().begin();
    const CPin& pin = *part.Pins().begin();
    const CPoint mid((pin.GetStartPoint().x + pin.GetPoint().x) / 2,
                     (pin.GetStartPoint().y + pin.GetPoint().y) / 2);
    const QString partTip = view->HoverTipText(view->SheetToClient(mid).toPoint());
    EXPECT_TRUE(partTip.startsWith("<Part name> " + ToQString(part.GetPartName())))
        << partTip.toStdString();
    EXPECT_TRUE(partTip.contains("\n<Reference> " + ToQString(part.GetRefName())));
    EXPECT_TRUE(partTip.contains("<Pin no> " + ToQString(pin.GetNo()) + " <Pin name> "));

    // A named wire: its name and, from the net index, the sheets that carry it.
    const CLine* named = nullptr;
    for (const CLine& wire : sheet.Wires())
        if (!wire.GetName().IsEmpty() && !named)
            named = &wire;
    ASSERT_NE(named, nullptr);
    const QPoint onName =
        view->SheetToClient(named->GetNameText().GetBoundingRect().CenterPoint()).toPoint();
    const QString wireTip = view->HoverTipText(onName);
    EXPECT_TRUE(wireTip.startsWith("<Signal name> " + ToQString(named->GetName())))
        << wireTip.toStdString();
    EXPECT_TRUE(wireTip.contains("controller.dcd [")) << wireTip.toStdString();
    Profile().WriteInt("Sheet", "TipWireIndex", 0);
    EXPECT_FALSE(view->HoverTipText(onName).contains("controller.dcd ["));
    EXPECT_TRUE(view->HoverTipText(QPoint(2, 2)).isEmpty() ||
                !view->HoverTipText(QPoint(2, 2)).contains("<Part"));

    // Resting shows the tip; a press closes it.
    QWidget* vp = view->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(onName), QPointF(vp->mapToGlobal(onName)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QTest::qWait(800);
    EXPECT_TRUE(QToolTip::isVisible());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(onName), QPointF(vp->mapToGlobal(onName)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &press);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(ViewSettled, BadFilesAtStartUpAreToldAndTheWindowStays)
{
    CEditorEnv env;
    const std::filesystem::path garbage = env.Dir() / "garbage.dcd";
    std::ofstream(garbage) << "this is no sheet\n";
    EXPECT_FALSE(env.frame->RunStartup(QString::fromStdString(garbage.string())));
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_NE(env.Host()->messages[0].text.Find("garbage.dcd"), -1);
    // A sheet cut short: the reader's complaint, named.
    std::ifstream whole(env.Demo("power.dcd"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(whole)),
                            std::istreambuf_iterator<char>());
    const std::filesystem::path cut = env.Dir() / "cut.dcd";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    env.Host()->messages.clear();
    EXPECT_FALSE(env.frame->OpenFile(QString::fromStdString(cut.string())));
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_NE(env.Host()->messages[0].text.Find("cut.dcd"), -1);
    EXPECT_TRUE(env.frame->isVisible());
    EXPECT_TRUE(env.frame->Children().isEmpty());
    // In Japanese the reason is Japanese too.
    const MessageLanguage language = GetMessageLanguage();
    SetMessageLanguage(MessageLanguage::Japanese);
    env.Host()->messages.clear();
    EXPECT_FALSE(env.frame->OpenFile(QString::fromStdString(cut.string())));
    SetMessageLanguage(language);
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_EQ(env.Host()->messages[0].text.Find("unexpected"), -1);
    EXPECT_NE(env.Host()->messages[0].text.Find(FromUtf8("途中で終わって")), -1);
}

TEST(ViewSettled, CascadeKeepsUsableWindowsAndTheGridMarkFollowsSpace)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("demo.dpj")));
    Settle();
    const auto action = [&](const QString& text) -> QAction* {
        for (QAction* a : env.frame->findChildren<QAction*>())
            if (a->text() == text)
                return a;
        return nullptr;
    };
    const auto windowMenu = env.frame->menuBar()->actions();
    for (QAction* menu : windowMenu)
        if (menu->menu())
            emit menu->menu()->aboutToShow(); // the Window menu is built when it opens
    QAction* cascade = action("&Cascade");
    ASSERT_NE(cascade, nullptr);
    cascade->trigger();
    Settle();
    const QSize area = env.frame->MdiArea()->viewport()->size();
    for (CChildFrame* child : env.frame->Children()) {
        EXPECT_GE(child->width(), area.width() / 2);
        EXPECT_GE(child->height(), area.height() / 2);
    }
    // Space on the sub grid switches the circles; the menu's mark follows.
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    view->OnGrid();
    QAction* circles = action("Grid with &Circles");
    ASSERT_NE(circles, nullptr);
    const bool before = circles->isChecked();
    QTest::keyClick(view, Qt::Key_Space);
    for (QAction* menu : windowMenu)
        if (menu->menu())
            emit menu->menu()->aboutToShow();
    EXPECT_NE(circles->isChecked(), before);
    EXPECT_EQ(circles->isChecked(), env.options.gridStyle == 1);
    // The main title is the project; the desktop adds the program's name.
    EXPECT_FALSE(env.frame->windowTitle().startsWith("Vireo - "));
}
