// Items copied in one running editor and pasted in another, through the X11
// clipboard.  Runs under xvfb-run with the xcb platform (the CTest entry
// EditorClipboardTwoPrograms); on other platforms it skips.  The second
// program is this test binary again, started with VIREO_PASTE_INTO set.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <fstream>

#include "app/edit/editids.h"
#include "editor/view/editadapter.h"
#include "editorenv.h"

TEST(EditorClipboardX11, PasteInTheSecondProgram)
{
    const QString target = qEnvironmentVariable("VIREO_PASTE_INTO");
    if (target.isEmpty())
        GTEST_SKIP() << "runs only as the second program of ItemsPassBetweenTwoPrograms";
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("leds.dcd")));
    CVIREOView* view = env.ActiveView();
    ASSERT_TRUE(view->Edit().Engine().IsCommandEnabled(editcmd::kPaste));
    view->Edit().Command(editcmd::kPaste);
    const CSheet& sel = view->Document().SelectionSheet();
    std::ofstream(target.toStdString())
        << sel.Parts().GetCount() << " " << sel.Wires().GetCount() << "\n";
}

TEST(EditorClipboardX11, ItemsPassBetweenTwoPrograms)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "SKIP: needs an X display (QT_QPA_PLATFORM=xcb under xvfb-run)";
    if (!qEnvironmentVariable("VIREO_PASTE_INTO").isEmpty())
        GTEST_SKIP();
    CEditorEnv env;
    ASSERT_TRUE(env.frame->OpenFile(env.DemoQ("power.dcd")));
    CVIREOView* view = env.ActiveView();
    const CSheet& main = view->Document().MainSheet();
    const int parts = main.Parts().GetCount(), wires = main.Wires().GetCount();
    view->Edit().Command(editcmd::kSelectAll);
    view->Edit().Command(editcmd::kCopyClipboard);
    // This program owns the clipboard and must answer while the other reads it.
    const std::string result = (env.Dir() / "pasted.txt").string();
    QProcess second;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("VIREO_PASTE_INTO", QString::fromStdString(result));
    second.setProcessEnvironment(e);
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    second.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=EditorClipboardX11.PasteInTheSecondProgram"});
    loop.exec();
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardOutput().toStdString();
    std::ifstream in(result);
    int pastedParts = -1, pastedWires = -1;
    in >> pastedParts >> pastedWires;
    EXPECT_EQ(pastedParts, parts);
    EXPECT_EQ(pastedWires, wires);
}
