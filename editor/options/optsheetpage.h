// COptSheetPage: the sheet page - sheet sizes, projects, the view's
// behaviour, the program's language, and the file history dialog that sets
// the lengths of the recent lists.
#pragma once

#include "editor/options/optfieldpage.h"

class CVIREOApp;

class COptSheetPage : public COptFieldPage {
    Q_OBJECT

public:
    COptSheetPage(CVIREOApp* app, QWidget* parent = nullptr);
    void Apply() override;
    // Opens the file history dialog (the button).
    void EditHistory();
    int PendingSheets() const { return m_sheets; }
    int PendingProjects() const { return m_projects; }
    void SetPendingHistory(int sheets, int projects);

private:
    CVIREOApp* m_app;
    int m_sheets, m_projects;           // the lengths chosen
    int m_shownSheets, m_shownProjects; // and those stored when the page was made
};
