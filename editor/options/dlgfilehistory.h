// CDlgFileHistory: the lengths of the recent sheet and project lists (1 to
// 16 each) and the clearing of either list.  The lengths are handed back to
// the sheet page and stored with its OK; clearing a list is its own confirmed
// action ("履歴を削除します") and happens at once.
#pragma once

#include <QDialog>

class CVIREOApp;
class QSpinBox;

class CDlgFileHistory : public QDialog {
    Q_OBJECT

public:
    CDlgFileHistory(CVIREOApp* app, int sheets, int projects, QWidget* parent = nullptr);
    int Sheets() const;
    int Projects() const;
    // Clears a list after the question; true when it was cleared.
    bool ClearSheets();
    bool ClearProjects();

private:
    bool Clear(bool projects);
    CVIREOApp* m_app;
    QSpinBox* m_sheets;
    QSpinBox* m_projects;
};
