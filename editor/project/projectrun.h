// CProjectRun: what every project command does around its job in the
// editor - clear the net highlight, save the project's modified sheets when
// Tool/AutoSave asks for it, collect the participating documents (opening
// the project's sheets that are not open), fill the job the same way the
// batch front end fills it, and afterwards redraw what changed and close
// the documents opened for the command.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "app/projectjob.h"

class CMainFrame;
class CVIREODoc;

class CProjectRun {
public:
    explicit CProjectRun(CMainFrame& frame);
    // Releases (see Release) when that was not done yet.
    ~CProjectRun();
    CProjectRun(const CProjectRun&) = delete;
    CProjectRun& operator=(const CProjectRun&) = delete;

    // Without a project, asks 2901 unless silent; false on No.
    bool ConfirmWithoutProject();
    // Clears highlights and saves; collects the documents and fills the job.
    // False when no document takes part.
    bool Prepare();

    CProjectJob& Job() { return m_job; }
    // The documents the PDF conversion draws: with a project its sheets
    // (allSheets: also those that do not take part), opened when needed;
    // without one every open document.
    std::vector<CVIREODoc*> PdfDocuments(bool allSheets);
    bool HasProject() const { return !m_job.project.empty(); }

    // Clears the net highlight of every open document (Prepare does it too).
    void ClearHighlights();
    // Every view of every open document draws again (a job changed them).
    void RedrawAll();
    // Closes the documents opened for the command: an unmodified one closes;
    // a modified one is saved without asking when bit 1 of Tool/AutoSave is
    // set, else the user is asked; if the user cancels, it stays open.
    void Release();

    // The output base a command writes beside: the project without ".dpj",
    // else the first participating sheet without its extension.
    static std::filesystem::path OutputBaseOf(const CProjectJob& job);

private:
    CMainFrame& m_frame;
    CProjectJob m_job;
    std::vector<std::string> m_opened;
    bool m_released = false;
};
