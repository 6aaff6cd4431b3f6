#include "editor/project/dlgmakenet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/project/reporttemplate.h"
#include "editor/view/qtstring.h"
#include "netlist/netformat.h"

CDlgMakeNet::CDlgMakeNet(QWidget* parent)
    : QDialog(parent), m_hasTemplate(ReportTemplateExists()), m_format(new QComboBox(this)),
      m_report(new QCheckBox(tr("Make net &information file"), this)),
      m_html(new QCheckBox(tr("HTML forma&t"), this)), m_unix(new QCheckBox(tr("For &UNIX"), this)),
      m_view(new QCheckBox(tr("&View the created files"), this)),
      m_power(new QCheckBox(tr("&Power pins as separate nets"), this)),
      m_compo(new QCheckBox(tr("C&omponents in a separate file"), this)),
      m_ext(new QLineEdit(this)), m_start(new QSpinBox(this)), m_pcb(new QLineEdit(this)),
      m_nodeUpper(new QCheckBox(tr("Part and pin numbers in upper ca&se"), this)),
      m_netUpper(new QCheckBox(tr("&Net names in upper case"), this))
{
    setObjectName("DlgMakeNet");
    setWindowTitle(tr("Make Net List"));
    for (const CNetFormat& row : NetFormats())
        m_format->addItem(ToQString(CString(row.name)), row.code);
    m_start->setRange(0, 32767);
    m_ext->setMaxLength(16);

    auto* form = new QFormLayout;
    form->addRow(tr("Net list &format"), m_format);
    form->addRow(m_report);
    form->addRow(m_html);
    form->addRow(m_unix);
    form->addRow(m_view);
    form->addRow(m_power);
    form->addRow(m_compo);
    form->addRow(tr("File &extension"), m_ext);
    form->addRow(tr("Net start number (&C)"), m_start);
    form->addRow(tr("PCB &board property"), m_pcb);
    form->addRow(m_nodeUpper);
    form->addRow(m_netUpper);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const CNetlistOptions options = CNetlistOptions::FromSettings();
    const int index = m_format->findData(options.format);
    m_format->setCurrentIndex(index < 0 ? 0 : index);
    m_report->setChecked(options.report);
    m_html->setChecked(options.html && m_hasTemplate);
    m_unix->setChecked(options.unixLineEnds);
    m_view->setChecked(options.view);
    // Separate power nets are not offered: the net extraction always joins them.
    m_power->setChecked(false);
    m_power->setEnabled(false);
    m_power->setVisible(false);
    m_compo->setChecked(options.componentFile);
    m_ext->setText(ToQString(options.componentExt));
    m_start->setValue(options.startNo);
    m_pcb->setText(ToQString(options.pcb));
    m_nodeUpper->setChecked(options.nodeUpper);
    m_netUpper->setChecked(options.netUpper);

    connect(m_format, &QComboBox::currentIndexChanged, this, &CDlgMakeNet::UpdateEnabling);
    connect(m_report, &QCheckBox::toggled, this, &CDlgMakeNet::UpdateEnabling);
    connect(m_compo, &QCheckBox::toggled, this, &CDlgMakeNet::UpdateEnabling);
    UpdateEnabling();
}

void CDlgMakeNet::UpdateEnabling()
{
    const CNetFormat* row = FindNetFormat(m_format->currentData().toInt());
    const bool compo = row && row->Has(CNetFormat::kComponentFile);
    m_html->setEnabled(m_hasTemplate && m_report->isChecked());
    if (!m_hasTemplate)
        m_html->setChecked(false);
    m_compo->setEnabled(compo);
    m_ext->setEnabled(compo && m_compo->isChecked());
    m_pcb->setEnabled(row && row->Has(CNetFormat::kPcbProperty));
}

CNetlistOptions CDlgMakeNet::Options() const
{
    CNetlistOptions o;
    o.format = m_format->currentData().toInt();
    o.report = m_report->isChecked();
    o.html = m_html->isChecked() && m_hasTemplate;
    o.htmlAsked = o.html;
    o.unixLineEnds = m_unix->isChecked();
    o.view = m_view->isChecked();
    o.componentFile = m_compo->isChecked();
    QString ext = m_ext->text().trimmed();
    if (ext.startsWith('.'))
        ext = ext.mid(1);
    o.componentExt = ToCString(ext);
    o.startNo = m_start->value();
    o.pcb = ToCString(m_pcb->text().trimmed());
    o.nodeUpper = m_nodeUpper->isChecked();
    o.netUpper = m_netUpper->isChecked();
    return o;
}

void CDlgMakeNet::accept()
{
    CNetlistOptions o = Options();
    // A component file the format cannot have is no reason to refuse: the
    // box is only greyed out, its state is kept for the formats that have one.
    CNetlistOptions checked = o;
    checked.componentFile = o.componentFile && m_compo->isEnabled();
    if (const CString problem = checked.Check(); !problem.IsEmpty()) {
        Host().Message(problem, CHost::Warning);
        m_ext->setFocus();
        return;
    }
    o.Store();
    QDialog::accept();
}
