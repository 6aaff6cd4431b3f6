#include "app/vireoapp.h"

#include "app/docmessages.h"
#include "app/projectdialog.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "base/host.h"
#include "base/profile.h"

CVIREOApp::CVIREOApp() : m_recentSheets(RecentSheetList()), m_recentProjects(RecentProjectList()) {}

CVIREODoc* CVIREOApp::FindDocument(const std::filesystem::path& path) const
{
    for (const auto& doc : m_documents)
        if (doc->GetPathName() == path)
            return doc.get();
    return nullptr;
}

CVIREODoc* CVIREOApp::OpenDocumentFile(const std::filesystem::path& path)
{
    if (CVIREODoc* open = FindDocument(path))
        return open;
    auto doc = std::make_unique<CVIREODoc>();
    doc->SetDefaultTitle(CString::Formatted("VIREO%d", ++m_untitled));
    if (!doc->OnOpenDocument(path)) {
        // The document tells why, except for a file in no form it knows.
        if (doc->WasUnknownForm())
            Host().Message(docmsg::NotASheet(path), CHost::Error);
        return nullptr;
    }
    if (!m_loadingProject) {
        m_recentSheets.Add(CString(path.string()));
        m_recentSheets.Store();
    }
    m_documents.push_back(std::move(doc));
    if (m_observer)
        m_observer->DocumentOpened(*m_documents.back());
    return m_documents.back().get();
}

CVIREODoc* CVIREOApp::NewDocument(int sizeIndex, const CString& titleFile)
{
    auto doc = std::make_unique<CVIREODoc>();
    doc->SetDefaultTitle(CString::Formatted("VIREO%d", ++m_untitled));
    doc->OnNewDocument(sizeIndex, titleFile);
    m_documents.push_back(std::move(doc));
    if (m_observer)
        m_observer->DocumentOpened(*m_documents.back());
    return m_documents.back().get();
}

void CVIREOApp::CloseDocument(CVIREODoc* doc)
{
    for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
        if (it->get() != doc)
            continue;
        // The document leaves the list before the observer hears of it, so
        // that nothing reaches it through the list while it is torn down.
        std::unique_ptr<CVIREODoc> closing = std::move(*it);
        m_documents.erase(it);
        if (m_observer)
            m_observer->DocumentClosing(*closing);
        return;
    }
}

void CVIREOApp::CloseAllDocuments()
{
    while (!m_documents.empty())
        CloseDocument(m_documents.back().get());
}

int CVIREOApp::OpenProject(bool includeUnchecked)
{
    if (m_project.empty())
        return 0;
    m_loadingProject = true;
    CloseAllDocuments();
    std::vector<std::string> sheets;
    if (CProjectFile::ReadFileList(m_project, includeUnchecked, false, sheets) <= 0) {
        m_loadingProject = false;
        return 0;
    }
    m_projectSheets = sheets;
    for (const std::string& sheet : ProjectOpenOrder(sheets, SettingInt("Sheet", "RevOpen") == 1))
        OpenDocumentFile(sheet);
    if (!m_documents.empty()) {
        m_recentProjects.Add(CString(m_project));
        m_recentProjects.Store();
    }
    m_loadingProject = false;
    return int(m_documents.size());
}

bool CVIREOApp::SwitchProject(const std::string& path)
{
    const std::string previous = m_project;
    m_project = path;
    if (OpenProject(SettingInt("Sheet", "ProjectAllFile") == 1) > 0)
        return true;
    m_project = previous;
    OpenProject(SettingInt("Sheet", "ProjectAllFile") == 1);
    return false;
}

bool CVIREOApp::RunStartup(const CStartupPlan& plan)
{
    if (!plan.openFile.empty() && !OpenDocumentFile(plan.openFile))
        return false;
    if (plan.clearNoProj)
        Profile().WriteInt("Sheet", "NoProj", 0);
    m_project = plan.project;
    if (plan.openProject && OpenProject(plan.includeUnchecked) == 0 && !plan.fallbackProject.empty())
        m_project = plan.fallbackProject;
    return true;
}

void CVIREOApp::HandleInstanceMessage(int code, std::string_view data)
{
    const CInstanceRequest request = ParseInstanceMessage(code, data);
    if (request.action == CInstanceRequest::OpenSheet)
        OpenDocumentFile(request.file);
    else if (request.action == CInstanceRequest::OpenProject)
        SwitchProject(request.file);
}

void CVIREOApp::HandleShellRequest(std::string_view command)
{
    const CShellRequest request = ParseShellRequest(command);
    if (request.verb != CShellRequest::Open)
        return;  // printing belongs to the editor
    if (KindOfArgument(request.file) == StartArgKind::Project) {
        if (SwitchProject(request.file))
            Profile().WriteInt("Sheet", "NoProj", 0);
        return;
    }
    if (OpenDocumentFile(request.file) && m_project.empty() && SettingInt("Sheet", "NoProj") == 0)
        m_project = m_recentProjects.Newest().str();
}

int CVIREOApp::DocumentNumberOf(const std::string& path) const
{
    std::vector<std::string> open;
    for (const auto& doc : m_documents)
        open.push_back(doc->GetPathName().string());
    return DocumentNumber(path, !m_project.empty(), m_projectSheets, open);
}
