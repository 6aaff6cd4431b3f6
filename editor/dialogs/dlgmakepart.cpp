#include "editor/dialogs/dlgmakepart.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "editor/dialogs/shownfieldrow.h"
#include "editor/view/qtstring.h"

CDlgMakePart::CDlgMakePart(const CPartDialogInput& preset, QWidget* parent)
    : QDialog(parent), m_gates(new QSpinBox(this)), m_gate(new QSpinBox(this)),
      m_problem(new QLabel(this)), m_preset(preset)
{
    setWindowTitle(tr("Make Part"));
    auto* form = new QFormLayout(this);
    const auto row = [&](const QString& label, const CString& text, bool shown, QLineEdit*& edit,
                         QCheckBox*& disp) {
        AddShownFieldRow(this, form, label, text, shown, edit, disp);
    };
    row(tr("Part &name:"), preset.partName, preset.partNameDisp, m_name, m_nameDisp);
    row(tr("&Reference:"), preset.reference, preset.referenceDisp, m_reference, m_referenceDisp);
    row(tr("&Value:"), preset.value, preset.valueDisp, m_value, m_valueDisp);
    // A single-gate part has 0 gates and gate 0; a package numbers its gates from 1.
    m_gates->setRange(0, 99);
    m_gates->setSpecialValueText(tr("single part"));
    m_gates->setValue(preset.packageMax);
    m_gate->setRange(0, 99);
    m_gate->setValue(preset.package);
    form->addRow(tr("&Gates in the package:"), m_gates);
    form->addRow(tr("&This gate:"), m_gate);
    m_problem->setStyleSheet("color: #b00000");
    m_problem->setWordWrap(true);
    form->addRow(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    m_name->selectAll();
}

CPartDialogInput CDlgMakePart::Result() const
{
    CPartDialogInput out = m_preset;
    out.partName = ToCString(m_name->text().trimmed());
    out.reference = ToCString(m_reference->text().trimmed());
    out.value = ToCString(m_value->text().trimmed());
    out.partNameDisp = m_nameDisp->isChecked();
    out.referenceDisp = m_referenceDisp->isChecked();
    out.valueDisp = m_valueDisp->isChecked();
    out.packageMax = m_gates->value();
    out.package = m_gate->value();
    return out;
}

QString CDlgMakePart::Problem() const
{
    return m_problem->text();
}

void CDlgMakePart::accept()
{
    for (QLineEdit* edit : {m_name, m_reference, m_value}) {
        if (!Utf8ToCp932(edit->text().trimmed().toStdString()).Ok()) {
            m_problem->setText(tr("The text holds characters that a sheet cannot store."));
            edit->setFocus();
            return;
        }
    }
    const CPartDialogCheck check = CPart::CheckDialogInput(Result());
    if (!check.Ok()) {
        m_problem->setText(ToQString(check.Message()));
        QWidget* focus[] = {nullptr, m_name, m_reference, m_value, m_gate, m_gates};
        if (QWidget* w = focus[check.field])
            w->setFocus();
        return;
    }
    QDialog::accept();
}
