// The editor's windows on the offscreen platform: the example project opens,
// the view zooms and scrolls through its operations and the mouse, the
// status bar shows the sheet point under the mouse, the visible area comes
// back after saving, and a second start hands its file over.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QWheelEvent>
#include <fstream>

#include "app/vireodoc.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "editorenv.h"
#include "editor/dialogs/dlgproject.h"
#include "editor/window/singleinstance.h"
#include "editor/window/translations.h"

namespace {

void SendWheel(CVIREOView* view, QPoint pos, int delta, Qt::KeyboardModifiers mods)
{
    QWidget* vp = view->viewport();
    QWheelEvent e(QPointF(pos), QPointF(vp->mapToGlobal(pos)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &e);
}

void SendMouse(CVIREOView* view, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QWidget* vp = view->viewport();
    QMouseEvent e(type, QPointF(pos), QPointF(vp->mapToGlobal(pos)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(vp, &e);
}

} // namespace

TEST(EditorWindow, OpensTheExampleProjectWithOneWindowPerSheet)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("demo.dpj")));
    ASSERT_EQ(env.frame->Children().size(), 3);
    EXPECT_EQ(env.app->ProjectPath(), env.Demo("demo.dpj").string());
    // The sheets open last to first, so that the first one ends on top.
    ASSERT_NE(env.frame->ActiveChild(), nullptr);
    EXPECT_EQ(env.frame->ActiveChild()->Document().GetPathName(), env.Demo("power.dcd"));
    EXPECT_EQ(env.frame->ActiveChild()->windowTitle(), env.DemoQ("power.dcd"));
    EXPECT_TRUE(env.frame->windowTitle().endsWith(env.DemoQ("demo.dpj")));
    // The project is the newest recent project; its sheets stay out of the recent sheets.
    EXPECT_EQ(env.app->RecentProjects().Newest().str(), env.Demo("demo.dpj").string());
    EXPECT_EQ(env.app->RecentSheets().Size(), 0);
    // Opening a sheet that is open activates its window.
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    EXPECT_EQ(env.frame->Children().size(), 3);
    EXPECT_EQ(env.frame->ActiveChild()->Document().GetPathName(), env.Demo("leds.dcd"));
    // A project that opens nothing leaves the current one and says so.
    std::filesystem::path empty = env.Dir() / "empty.dpj";
    std::ofstream(empty) << "Project File Ver 0.03\nEndFileList\n";
    EXPECT_FALSE(env.frame->OpenFile(QString::fromStdString(empty.string())));
    EXPECT_EQ(env.app->ProjectPath(), env.Demo("demo.dpj").string());
    EXPECT_EQ(env.frame->Children().size(), 3);
    ASSERT_EQ(env.Host()->messages.size(), 1u);
    EXPECT_NE(env.Host()->messages[0].text.Find("empty.dpj"), -1);
}

TEST(EditorWindow, ZoomScrollAndStatusBar)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    const CZoomMapping& z = view->Mapping();
    // The sheet opens on the area it stored: its circuit, not the whole sheet.
    const CRect stored(800, 4800, 12200, 10600);
    const CRect shown = view->Document().Header().visibleArea;
    EXPECT_GT(z.FitRatio(), 1.2);
    EXPECT_TRUE(shown.left <= stored.left + 50 && shown.right >= stored.right - 50 &&
                shown.top <= stored.top + 50 && shown.bottom >= stored.bottom - 50);
    view->ZoomFull();
    EXPECT_EQ(env.frame->StatusPane(2), "Zoom 100%");

    // The menu's Zoom Up twice: 144 %.
    view->OnZoomUp();
    view->OnZoomUp();
    EXPECT_EQ(env.frame->StatusPane(2), "Zoom 144%");
    EXPECT_TRUE(z.HasHorzBar() && z.HasVertBar());

    // The status bar shows the grid point under the mouse.
    const QPointF at = view->SheetToClient(CPoint(5000, 6000));
    SendMouse(view, QEvent::MouseMove, (at + QPointF(0.3, -0.3)).toPoint(), Qt::NoButton,
              Qt::NoButton);
    EXPECT_EQ(env.frame->StatusPane(1), "X:  50.00 Y:  60.00");
    const QPointF off = view->SheetToClient(CPoint(5120, 6280));
    SendMouse(view, QEvent::MouseMove, off.toPoint(), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(env.frame->StatusPane(1), "X:  51.00 Y:  63.00");
    EXPECT_EQ(view->CurrentPoint(), CPoint(5100, 6300));

    // The plain wheel scrolls three lines down; with Shift sideways.
    const CPoint pos0 = z.Position();
    SendWheel(view, QPoint(100, 100), -120, Qt::NoModifier);
    EXPECT_EQ(z.Position(), CPoint(pos0.x, pos0.y + 3 * z.LineStep().cy));
    EXPECT_EQ(view->verticalScrollBar()->value(), z.Position().y);
    SendWheel(view, QPoint(100, 100), -120, Qt::ShiftModifier);
    EXPECT_EQ(z.Position().x, pos0.x + 3 * z.LineStep().cx);

    // Ctrl and the wheel zoom about the point under the mouse.
    const QPoint mouse(300, 200);
    const CPoint under = view->ClientToSheet(mouse);
    SendWheel(view, mouse, 120, Qt::ControlModifier);
    EXPECT_NEAR(z.FitRatio(), 1.44 * 1.2, 0.01);
    const QPointF centre = view->SheetToClient(under);
    EXPECT_NEAR(centre.x(), view->viewport()->width() / 2.0, 2);

    // The scroll bars scroll the view.
    view->verticalScrollBar()->setValue(0);
    EXPECT_EQ(z.Position().y, 0);
    // The visible area follows into the document.
    const CRect area = view->Document().Header().visibleArea;
    EXPECT_NEAR(area.bottom, view->Document().Header().height, 20);

    // Page Down zooms out about the cursor point; Zoom All fits.
    const double before = z.FitRatio();
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_NEAR(z.FitRatio(), before / 1.2, 0.01);
    view->OnZoomAll();
    EXPECT_EQ(z.FitRatio(), 1.0);
    // Arrow keys move the cursor point one grid step, ten with Shift.
    const CPoint p = view->CurrentPoint();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(view->CurrentPoint(), CPoint(p.x + 100, p.y + 1000));
}

TEST(EditorWindow, GesturesAndZoomWindow)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    view->ZoomFull();
    const CZoomMapping& z = view->Mapping();
    // Both buttons, left and up: zoom in about the release point.
    const QPoint press(400, 300), release(370, 260);
    SendMouse(view, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonPress, press, Qt::RightButton,
              Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(view->ViewState(), int(Gesture::Center));
    EXPECT_EQ(env.frame->StatusPane(0), "Move centre");
    SendMouse(view, QEvent::MouseMove, release, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(view->ViewState(), int(Gesture::ZoomIn));
    SendMouse(view, QEvent::MouseButtonRelease, release, Qt::RightButton, Qt::LeftButton);
    EXPECT_NEAR(z.FitRatio(), 1.2, 0.01);
    EXPECT_EQ(view->ViewState(), 0);
    // Left alone: Zoom Last.
    SendMouse(view, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonPress, press, Qt::RightButton,
              Qt::LeftButton | Qt::RightButton);
    SendMouse(view, QEvent::MouseButtonRelease, press - QPoint(40, 0), Qt::LeftButton,
              Qt::RightButton);
    EXPECT_EQ(z.FitRatio(), 1.0);

    // Zoom Window: a rectangle of no height does nothing, a real one zooms.
    view->OnZoomWindow();
    EXPECT_TRUE(view->IsZoomWindowPending());
    QTest::qWait(150); // past the click that activates the window
    SendMouse(view, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, QPoint(300, 100), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(z.FitRatio(), 1.0);
    view->OnZoomWindow();
    SendMouse(view, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, QPoint(300, 250), Qt::NoButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, QPoint(300, 250), Qt::LeftButton, Qt::NoButton);
    EXPECT_GT(z.FitRatio(), 2.5);
    EXPECT_FALSE(view->IsZoomWindowPending());

    // Zoom All with a defined all area alternates between it and the view before.
    view->OnDefineArea(0);
    view->OnZoomAll(); // the area is what is shown: back to the view before
    EXPECT_EQ(z.FitRatio(), 1.0);
    view->OnZoomAll();
    EXPECT_GT(z.FitRatio(), 2.5);
    EXPECT_EQ(view->DisplayArea(0), view->Document().Header().visibleArea);
}

TEST(EditorWindow, VisibleAreaIsSavedAndRestored)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    view->ZoomRect(CPoint(3000, 4000), CPoint(9000, 9000));
    const CRect shown = view->Document().Header().visibleArea;
    CVIREODoc& doc = view->Document();
    ASSERT_TRUE(env.frame->SaveDocument(doc));
    ASSERT_TRUE(env.frame->CloseDocument(doc));
    EXPECT_TRUE(env.frame->Children().isEmpty());

    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    CVIREOView* again = env.ActiveView();
    ASSERT_NE(again, nullptr);
    const CRect back = again->Document().Header().visibleArea;
    EXPECT_NEAR(back.left, shown.left, 60);
    EXPECT_NEAR(back.right, shown.right, 60);
    EXPECT_NEAR(back.top, shown.top, 60);
    EXPECT_NEAR(back.bottom, shown.bottom, 60);
    // The save kept a backup and the recent list has the sheet.
    EXPECT_TRUE(std::filesystem::exists(env.Demo("leds.bak")));
    EXPECT_EQ(env.app->RecentSheets().Newest().str(), env.Demo("leds.dcd").string());
}

TEST(EditorWindow, ClosingAModifiedSheetAsksAndCancelKeepsIt)
{
    CEditorEnv env;
    CVIREODoc* doc = env.frame->NewDocument(2);
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(env.frame->ActiveChild()->windowTitle().startsWith("VIREO"));
    doc->SetModifiedFlag(true);
    env.frame->ActiveChild()->RefreshTitle();
    EXPECT_TRUE(
        ToCString(env.frame->ActiveChild()->windowTitle()).str().ends_with(" (\x8d\x58\x90\x56)"));

    env.Host()->answers = {CHost::IDCANCEL};
    EXPECT_FALSE(env.frame->CloseDocument(*doc));
    EXPECT_EQ(env.frame->Children().size(), 1);
    // Yes on an unnamed sheet asks for a name; without one nothing closes.
    env.Host()->answers = {CHost::IDYES};
    env.frame->SetFileChoosers(nullptr, [](const QString&) { return QString(); });
    EXPECT_FALSE(env.frame->CloseDocument(*doc));
    // Yes with a name saves there and closes.
    const QString target = QString::fromStdString((env.Dir() / "fresh").string());
    env.frame->SetFileChoosers(nullptr, [target](const QString&) { return target; });
    env.Host()->answers = {CHost::IDYES};
    EXPECT_TRUE(env.frame->CloseDocument(*doc));
    EXPECT_TRUE(env.frame->Children().isEmpty());
    EXPECT_TRUE(std::filesystem::exists(env.Dir() / "fresh.dcd"));
}

TEST(EditorWindow, RecoversANewerAutosaveWhenAsked)
{
    CEditorEnv env;
    const std::filesystem::path sheet = env.Demo("power.dcd");
    const std::filesystem::path side = CVIREODoc::AutosavePathFor(sheet);
    std::filesystem::copy_file(env.Demo("leds.dcd"), side);
    std::filesystem::last_write_time(side, std::filesystem::last_write_time(sheet) +
                                               std::chrono::seconds(10));
    env.Host()->answers = {CHost::IDYES};
    ASSERT_TRUE(env.frame->OpenFile(QString::fromStdString(sheet.string())));
    ASSERT_EQ(env.Host()->questions.size(), 1u);
    CVIREODoc& doc = env.frame->ActiveChild()->Document();
    EXPECT_EQ(doc.GetPathName(), sheet);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.MainSheet().GetCount(8), 16); // the LED sheet's parts came back
}

TEST(EditorWindow, SecondStartHandsItsFileToTheFirst)
{
    CEditorEnv env;
    const QString name = QStringLiteral("vireo-test-%1").arg(QCoreApplication::applicationPid());
    CSingleInstance instance;
    ASSERT_TRUE(instance.Listen(name));
    QObject::connect(&instance, &CSingleInstance::MessageReceived, env.frame.get(),
                     &CMainFrame::HandleInstanceMessage);
    QProcess second;
    QProcessEnvironment penv = QProcessEnvironment::systemEnvironment();
    penv.insert("VIREO_INSTANCE", name);
    penv.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(penv);
    second.start(VIREO_PROGRAM, {env.DemoQ("controller.dcd")});
    QElapsedTimer clock;
    clock.start();
    while (env.frame->Children().isEmpty() && clock.elapsed() < 20000)
        QTest::qWait(20);
    ASSERT_EQ(env.frame->Children().size(), 1);
    EXPECT_EQ(env.frame->ActiveChild()->Document().GetPathName(), env.Demo("controller.dcd"));
    while (second.state() != QProcess::NotRunning && clock.elapsed() < 20000)
        QTest::qWait(20);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // While the first program runs, nobody else takes its name.
    CSingleInstance other;
    EXPECT_FALSE(other.Listen(name));
}

TEST(EditorWindow, CataloguesLoadInBothLanguages)
{
    QApplication& app = *qApp;
    ASSERT_TRUE(InstallTranslations(app, "ja"));
    EXPECT_EQ(CVIREOView::tr("Move centre"), QString::fromUtf8("中心移動"));
    EXPECT_EQ(CDlgProject::tr("Open a&ll"), QString::fromUtf8("全部開く(&L)"));
    ASSERT_TRUE(InstallTranslations(app, "en"));
    EXPECT_EQ(CVIREOView::tr("Move centre"), QStringLiteral("Move centre"));
    EXPECT_EQ(ChooseLanguage("", QLocale(QLocale::Japanese)), "ja");
    EXPECT_EQ(ChooseLanguage("", QLocale(QLocale::German)), "en");
    EXPECT_EQ(ChooseLanguage("en", QLocale(QLocale::Japanese)), "en");
}

TEST(EditorWindow, CrosshairAndAutoScroll)
{
    CEditorEnv env;
    env.options.cursorSetting = 2; // the full-window cross
    env.options.cursorColor = RGB(255, 255, 255);
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("controller.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_NE(view, nullptr);
    const QPoint at(333, 222);
    SendMouse(view, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    const QImage shot = view->viewport()->grab().toImage();
    // White drawn exclusive-or: dark on the white sheet, all along both lines.
    int dark = 0;
    for (int x = 0; x < shot.width(); x += 7)
        dark += qGray(shot.pixel(x, at.y())) < 64;
    EXPECT_GT(dark, shot.width() / 7 * 2 / 3);
    EXPECT_LT(qGray(shot.pixel(at.x(), 30)), 64);

    // Scroll Lock on, a zoom rectangle dragged to the right edge: the view
    // scrolls right and keeps doing so until the rectangle is let go.
    view->ZoomIn(3.0);
    view->ScrollToPosition(0, 0);
    QTest::keyClick(view, Qt::Key_ScrollLock);
    view->OnZoomWindow();
    QTest::qWait(150);
    SendMouse(view, QEvent::MouseButtonPress, QPoint(200, 200), Qt::LeftButton, Qt::LeftButton);
    const QPoint edge(view->viewport()->width() - 5, 200);
    SendMouse(view, QEvent::MouseMove, edge, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(view->Mapping().Position().x, view->Mapping().LineStep().cx);
    EXPECT_TRUE(view->IsAutoScrolling());
    QTest::qWait(700);
    EXPECT_GE(view->Mapping().Position().x, 2 * view->Mapping().LineStep().cx);
    SendMouse(view, QEvent::MouseButtonRelease, edge, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(view->IsAutoScrolling());
}

TEST(EditorWindow, ExitAsksForEveryModifiedSheet)
{
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("demo.dpj")));
    for (CChildFrame* child : env.frame->Children())
        child->Document().SetModifiedFlag(true);
    // Cancel at the first question: nothing closes.
    env.Host()->answers = {CHost::IDCANCEL};
    EXPECT_FALSE(env.frame->close());
    EXPECT_EQ(env.frame->Children().size(), 3);
    // No, No, No: the window closes with the sheets unsaved.
    env.Host()->answers = {CHost::IDNO, CHost::IDNO, CHost::IDNO};
    const auto before = std::filesystem::last_write_time(env.Demo("power.dcd"));
    EXPECT_TRUE(env.frame->close());
    EXPECT_TRUE(env.app->Documents().empty());
    EXPECT_EQ(env.Host()->questions.size(), 4u);
    EXPECT_EQ(std::filesystem::last_write_time(env.Demo("power.dcd")), before);
    EXPECT_FALSE(Profile().GetString("Settings", "WindowPos").IsEmpty());
}
