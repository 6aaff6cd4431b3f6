#include "editor/project/dlgchecksheet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "editor/project/reporttemplate.h"

CDlgCheckSheet::CDlgCheckSheet(QWidget* parent)
    : QDialog(parent), m_cleanLine(new QCheckBox(tr("Clean &lines"), this)),
      m_wireJunc(new QCheckBox(tr("Use &junctions when cleaning wires"), this)),
      m_view(new QCheckBox(tr("&View the created file"), this)),
      m_html(new QCheckBox(tr("HTML forma&t"), this)),
      m_bySheet(new QCheckBox(tr("Part numbers per &sheet"), this)),
      m_missing(new QCheckBox(tr("Output &missing part numbers"), this)),
      m_over(new QCheckBox(tr("&Delete items outside the sheet"), this))
{
    setObjectName("DlgCheckSheet");
    setWindowTitle(tr("Check Sheets"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {m_cleanLine, m_wireJunc, m_over, m_bySheet, m_missing, m_html, m_view})
        layout->addWidget(box);
    layout->addWidget(buttons);

    const CCheckOptions o = CCheckOptions::FromSettings();
    const bool hasTemplate = ReportTemplateExists();
    m_cleanLine->setChecked(o.cleanLine);
    m_wireJunc->setChecked(o.wireJunc);
    m_view->setChecked(o.view);
    m_html->setChecked(o.html && hasTemplate);
    m_html->setEnabled(hasTemplate);
    m_bySheet->setChecked(o.bySheet);
    m_missing->setChecked(o.missing);
    m_over->setChecked(o.over);
    connect(m_cleanLine, &QCheckBox::toggled, this, &CDlgCheckSheet::UpdateEnabling);
    connect(m_bySheet, &QCheckBox::toggled, this, &CDlgCheckSheet::UpdateEnabling);
    UpdateEnabling();
}

void CDlgCheckSheet::UpdateEnabling()
{
    m_wireJunc->setEnabled(m_cleanLine->isChecked());
    m_missing->setEnabled(!m_bySheet->isChecked());
}

CCheckOptions CDlgCheckSheet::Options() const
{
    CCheckOptions o;
    o.cleanLine = m_cleanLine->isChecked();
    o.wireJunc = m_wireJunc->isChecked();
    o.view = m_view->isChecked();
    o.html = o.htmlAsked = m_html->isChecked();
    o.bySheet = m_bySheet->isChecked();
    o.missing = m_missing->isChecked() && !o.bySheet;
    o.over = m_over->isChecked();
    return o;
}

void CDlgCheckSheet::accept()
{
    Options().Store();
    QDialog::accept();
}
