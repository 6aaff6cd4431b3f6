#include "editor/project/projectrun.h"

#include <algorithm>

#include "app/datafolder.h"
#include "app/edit/nethighlight.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "app/vireoapp.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/messages.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"
#include "editor/window/mainframe.h"

CProjectRun::CProjectRun(CMainFrame& frame) : m_frame(frame)
{
}

CProjectRun::~CProjectRun()
{
    Release();
}

bool CProjectRun::ConfirmWithoutProject()
{
    if (!m_frame.App().ProjectPath().empty())
        return true;
    return Host().Ask(LoadMessage(2901), CHost::YesNo) == CHost::IDYES;
}

bool CProjectRun::Prepare()
{
    CVIREOApp& app = m_frame.App();
    ClearHighlights();
    if (SettingInt("Tool", "AutoSave") != 0 && !app.ProjectPath().empty()) {
        std::vector<std::string> sheets;
        CProjectFile::ReadFileList(app.ProjectPath(), true, false, sheets);
        for (const std::string& sheet : sheets)
            if (CVIREODoc* doc = app.FindDocument(sheet); doc && doc->IsModified())
                m_frame.SaveDocument(*doc);
    }
    m_job = CProjectJob();
    m_job.documents = CollectParticipants(app, m_opened);
    if (m_job.documents.empty())
        return false;
    m_job.project = app.ProjectPath();
    for (const CJobDocument& doc : m_job.documents)
        m_job.fileList.push_back(FromUtf8(doc.path.string()));
    if (HasProject())
        std::reverse(m_job.fileList.begin(), m_job.fileList.end());
    m_job.outputBase = OutputBaseOf(m_job);
    m_job.dataFolder = DataFolder();
    m_job.date = ReportDate();
    return true;
}

std::vector<CVIREODoc*> CProjectRun::PdfDocuments(bool allSheets)
{
    return CollectDocuments(m_frame.App(), allSheets, m_opened);
}

std::filesystem::path CProjectRun::OutputBaseOf(const CProjectJob& job)
{
    return OutputBase(job.project, job.documents);
}

void CProjectRun::ClearHighlights()
{
    // The highlight marks are no part of the design: a command must not see them.
    for (const auto& doc : m_frame.App().Documents())
        CNetHighlight::Clear(*doc);
    RedrawAll();
}

void CProjectRun::RedrawAll()
{
    for (CChildFrame* child : m_frame.Children())
        child->View()->InvalidateAll();
}

void CProjectRun::Release()
{
    if (m_released)
        return;
    m_released = true;
    const bool saveQuietly = (SettingInt("Tool", "AutoSave") & 2) != 0;
    for (const std::string& path : m_opened) {
        CVIREODoc* doc = m_frame.App().FindDocument(path);
        if (!doc)
            continue;
        if (doc->IsModified() && saveQuietly && m_frame.SaveDocument(*doc)) {
            m_frame.App().CloseDocument(doc);
            continue;
        }
        m_frame.CloseDocument(*doc); // asks when modified; Cancel keeps it open
    }
    m_opened.clear();
}
