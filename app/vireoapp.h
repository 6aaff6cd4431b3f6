// CVIREOApp: the application state shared by documents and the project-wide
// commands - the open documents, the current project and its sheets, and
// the recent lists - and the steps that open documents and projects.
//
// A front end creates one, carries out the start-up plan through it and
// hands it the requests of the shell and of second starts.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/recentlist.h"
#include "app/startup.h"
#include "app/vireodoc.h"

// Told about every document that joins or leaves the application, so that a
// front end can give each one a window.
class CDocumentObserver {
public:
    virtual ~CDocumentObserver() = default;
    virtual void DocumentOpened(CVIREODoc& doc) = 0;
    // Called before the document is destroyed.
    virtual void DocumentClosing(CVIREODoc& doc) = 0;
};

class CVIREOApp {
public:
    CVIREOApp();
    void SetObserver(CDocumentObserver* observer) { m_observer = observer; }

    // --- documents --------------------------------------------------------------------
    // Opens a file as a document, or returns the document that has it open;
    // null when it cannot be opened.  The path joins the recent sheets unless
    // a project's sheets are being opened.
    CVIREODoc* OpenDocumentFile(const std::filesystem::path& path);
    // A new, unnamed document of a sheet size (0..5) with a title file
    // (empty: the size's default).
    CVIREODoc* NewDocument(int sizeIndex, const CString& titleFile = CString());
    // Closes one document (nothing is asked: the front end asks first).
    void CloseDocument(CVIREODoc* doc);
    void CloseAllDocuments();
    const std::vector<std::unique_ptr<CVIREODoc>>& Documents() const { return m_documents; }
    CVIREODoc* FindDocument(const std::filesystem::path& path) const;

    // --- project ------------------------------------------------------------------------
    const std::string& ProjectPath() const { return m_project; }
    void SetProjectPath(const std::string& path) { m_project = path; }
    const std::vector<std::string>& ProjectSheets() const { return m_projectSheets; }
    bool IsLoadingProject() const { return m_loadingProject; }
    // Closes every document and opens the current project's sheets (the
    // unchecked ones too when includeUnchecked).  Returns the number of
    // documents open afterwards; with at least one the project moves to the
    // top of the recent projects.
    int OpenProject(bool includeUnchecked);
    // Makes path the current project and opens it; when nothing opens, the
    // previous project comes back (and is opened again).  True when a sheet opened.
    bool SwitchProject(const std::string& path);

    // --- requests ---------------------------------------------------------------------------
    // Carries out a start-up plan; false when the named file could not be opened.
    bool RunStartup(const CStartupPlan& plan);
    void HandleInstanceMessage(int code, std::string_view data);
    void HandleShellRequest(std::string_view command);
    // The number of a document path ("$DOCNO$", "#N").
    int DocumentNumberOf(const std::string& path) const;

    CRecentList& RecentSheets() { return m_recentSheets; }
    CRecentList& RecentProjects() { return m_recentProjects; }

private:
    std::vector<std::unique_ptr<CVIREODoc>> m_documents;
    std::string m_project;
    std::vector<std::string> m_projectSheets;
    bool m_loadingProject = false;
    CRecentList m_recentSheets;
    CRecentList m_recentProjects;
    int m_untitled = 0;
    CDocumentObserver* m_observer = nullptr;
};
