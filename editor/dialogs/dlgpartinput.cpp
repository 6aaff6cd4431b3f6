#include "editor/dialogs/dlgpartinput.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "editor/view/qtstring.h"

CDlgPartInput::CDlgPartInput(const CPartRequest& preset, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Part"));
    auto* form = new QFormLayout;
    const auto row = [&](const QString& label, const CString& text, bool shown, QLineEdit*& edit,
                         QCheckBox*& disp) {
        edit = new QLineEdit(ToQString(text), this);
        disp = new QCheckBox(tr("Show"), this);
        disp->setChecked(shown);
        auto* line = new QHBoxLayout;
        line->addWidget(edit, 1);
        line->addWidget(disp);
        form->addRow(label, line);
    };
    row(tr("Part &name:"), preset.name, preset.nameDisp, m_name, m_nameDisp);
    row(tr("&Reference:"), preset.reference, preset.referenceDisp, m_reference, m_referenceDisp);
    row(tr("&Value:"), preset.value, preset.valueDisp, m_value, m_valueDisp);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setLayout(form);
    m_name->selectAll();
}

bool CDlgPartInput::Result(CPartRequest& out) const
{
    for (QLineEdit* edit : {m_name, m_reference, m_value})
        if (!Utf8ToCp932(edit->text().trimmed().toStdString()).Ok())
            return false;
    out.name = ToCString(m_name->text().trimmed());
    out.reference = ToCString(m_reference->text().trimmed());
    out.value = ToCString(m_value->text().trimmed());
    out.nameDisp = m_nameDisp->isChecked();
    out.referenceDisp = m_referenceDisp->isChecked();
    out.valueDisp = m_valueDisp->isChecked();
    return true;
}
