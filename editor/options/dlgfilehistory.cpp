#include "editor/options/dlgfilehistory.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "app/recentlist.h"
#include "app/settings.h"
#include "app/vireoapp.h"
#include "base/codepage.h"
#include "base/host.h"

CDlgFileHistory::CDlgFileHistory(CVIREOApp* app, int sheets, int projects, QWidget* parent)
    : QDialog(parent), m_app(app), m_sheets(new QSpinBox(this)), m_projects(new QSpinBox(this))
{
    setWindowTitle(tr("File History"));
    m_sheets->setObjectName("Sheet/FMRU");
    m_projects->setObjectName("Sheet/PMRU");
    for (QSpinBox* spin : {m_sheets, m_projects})
        spin->setRange(1, kMaxRecentEntries);
    m_sheets->setValue(sheets);
    m_projects->setValue(projects);
    auto* clearSheets = new QPushButton(tr("Clear History"), this);
    auto* clearProjects = new QPushButton(tr("Clear History"), this);
    clearSheets->setObjectName("ClearSheets");
    clearProjects->setObjectName("ClearProjects");
    connect(clearSheets, &QPushButton::clicked, this, &CDlgFileHistory::ClearSheets);
    connect(clearProjects, &QPushButton::clicked, this, &CDlgFileHistory::ClearProjects);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Recent sheets:"), this), 0, 0);
    grid->addWidget(m_sheets, 0, 1);
    grid->addWidget(clearSheets, 0, 2);
    grid->addWidget(new QLabel(tr("Recent projects:"), this), 1, 0);
    grid->addWidget(m_projects, 1, 1);
    grid->addWidget(clearProjects, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 3);
}

int CDlgFileHistory::Sheets() const
{
    return m_sheets->value();
}

int CDlgFileHistory::Projects() const
{
    return m_projects->value();
}

bool CDlgFileHistory::ClearSheets()
{
    return Clear(false);
}

bool CDlgFileHistory::ClearProjects()
{
    return Clear(true);
}

bool CDlgFileHistory::Clear(bool projects)
{
    if (Host().Ask(FromUtf8("履歴を削除します"), CHost::OKCancel) != CHost::IDOK)
        return false;
    if (m_app) {
        CRecentList& list = projects ? m_app->RecentProjects() : m_app->RecentSheets();
        list.Clear();
        list.Store();
    } else {
        CRecentList list = projects ? RecentProjectList() : RecentSheetList();
        list.Clear();
        list.Store();
    }
    return true;
}
