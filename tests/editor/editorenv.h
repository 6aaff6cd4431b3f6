// The environment of the window tests: settings in memory, the shipped data
// folder, a scripted host, a copy of the example project in a temporary
// folder, and a main window over a fresh application object.
#pragma once

#include <QApplication>
#include <QMdiArea>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/vireoapp.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "editor/view/viewoptions.h"
#include "editor/view/vireoview.h"
#include "support/fakehost.h"
#include "support/tempdir.h"
#include "editor/window/childframe.h"
#include "editor/window/mainframe.h"

class CEditorEnv {
public:
    CEditorEnv() : m_profile(std::make_unique<MemoryProfile>())
    {
        setenv("VIREO_DATA", VIREO_DATA_DIR, 1);
        std::filesystem::copy(std::filesystem::path(VIREO_EXAMPLES) / "demo",
                              m_dir.path() / "demo");
        options.Load();
        app = std::make_unique<CVIREOApp>();
        frame = std::make_unique<CMainFrame>(*app, options);
        frame->resize(1000, 760);
        frame->show();
        frame->MdiArea()->setViewMode(QMdiArea::SubWindowView);
    }
    ~CEditorEnv()
    {
        frame.reset();
        app.reset();
        unsetenv("VIREO_DATA");
    }

    std::filesystem::path Demo(const std::string& name) const
    {
        return m_dir.path() / "demo" / name;
    }
    QString DemoQ(const std::string& name) const
    {
        return QString::fromStdString(Demo(name).string());
    }
    const std::filesystem::path& Dir() const { return m_dir.path(); }
    CFakeHost* Host() const { return &*m_host; }

    // The active sheet window, maximised to a known size and set up.
    CVIREOView* ActiveView()
    {
        CChildFrame* child = frame->ActiveChild();
        if (!child)
            return nullptr;
        child->showMaximized();
        QApplication::processEvents();
        CVIREOView* view = child->View();
        if (!view->IsInitialised())
            view->OnInitialUpdate();
        return view;
    }

    CViewOptions options;
    std::unique_ptr<CVIREOApp> app;
    std::unique_ptr<CMainFrame> frame;

private:
    CTempDir m_dir;
    CScopedProfile m_profile;
    CScopedFakeHost m_host;
};
