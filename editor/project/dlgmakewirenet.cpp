#include "editor/project/dlgmakewirenet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "editor/project/reporttemplate.h"

CDlgMakeWireNet::CDlgMakeWireNet(QWidget* parent)
    : QDialog(parent), m_single(new QCheckBox(tr("Also names found on a &single sheet"), this)),
      m_xy(new QCheckBox(tr("Add the X-Y &coordinates"), this)),
      m_html(new QCheckBox(tr("HTML forma&t"), this)),
      m_view(new QCheckBox(tr("&View the created file"), this))
{
    setObjectName("DlgMakeWireNet");
    setWindowTitle(tr("Make Net Index"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {m_single, m_xy, m_html, m_view})
        layout->addWidget(box);
    layout->addWidget(buttons);

    const CNetIndexOptions o = CNetIndexOptions::FromSettings();
    const bool hasTemplate = ReportTemplateExists();
    m_single->setChecked(o.single);
    m_xy->setChecked(o.xy);
    m_html->setChecked(o.html && hasTemplate);
    m_html->setEnabled(hasTemplate);
    m_view->setChecked(o.view);
}

CNetIndexOptions CDlgMakeWireNet::Options() const
{
    CNetIndexOptions o;
    o.single = m_single->isChecked();
    o.xy = m_xy->isChecked();
    o.html = o.htmlAsked = m_html->isChecked();
    o.view = m_view->isChecked();
    return o;
}

void CDlgMakeWireNet::accept()
{
    Options().Store();
    QDialog::accept();
}
