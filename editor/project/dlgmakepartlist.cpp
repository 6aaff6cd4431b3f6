#include "editor/project/dlgmakepartlist.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/view/qtstring.h"

CDlgMakePartList::CDlgMakePartList(const std::filesystem::path& project, QWidget* parent)
    : QDialog(parent), m_project(project), m_sheetNo(new QLineEdit(this)),
      m_setName(new QLineEdit(this)), m_quantity(new QSpinBox(this)),
      m_count(new QCheckBox(tr("Write the &count"), this)),
      m_force(new QCheckBox(tr("List &NOPARTLIST parts too"), this)),
      m_properties(new QLineEdit(this))
{
    setObjectName("DlgMakePartList");
    setWindowTitle(tr("Make Part List"));
    m_quantity->setRange(1, 32767);
    m_properties->setPlaceholderText(tr("comma-separated property names"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Drawing number"), m_sheetNo);
    form->addRow(tr("&Product name"), m_setName);
    form->addRow(tr("B&oards to make"), m_quantity);
    form->addRow(m_count);
    form->addRow(m_force);
    form->addRow(tr("P&roperty list"), m_properties);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const CPartListOptions o = CPartListOptions::FromSettings(project);
    m_sheetNo->setText(ToQString(o.sheetNo));
    m_setName->setText(ToQString(o.setName));
    m_quantity->setValue(o.quantity);
    m_count->setChecked(o.count);
    m_properties->setText(ToQString(o.properties));
}

CPartListOptions CDlgMakePartList::Options() const
{
    CPartListOptions o;
    o.sheetNo = ToCString(m_sheetNo->text());
    o.setName = ToCString(m_setName->text());
    o.quantity = m_quantity->value();
    o.count = m_count->isChecked();
    o.force = m_force->isChecked();
    o.properties = ToCString(m_properties->text());
    o.properties = o.TrimmedProperties();
    return o;
}

void CDlgMakePartList::accept()
{
    std::string error;
    if (!Options().Store(m_project, error)) {
        Host().Message(FromUtf8(error), CHost::Error);
        return;
    }
    QDialog::accept();
}
