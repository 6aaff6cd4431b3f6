#include "editor/library/dlggateedit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/host.h"
#include "base/messages.h"
#include "editor/view/qtstring.h"
#include "items/pin.h"

namespace {

// The electrical types a pin may have, in the order the list shows them.
constexpr int kTypes[] = {CPin::Passive,   CPin::Input,     CPin::Output,   CPin::ThreeState,
                          CPin::InOut,     CPin::OpenLow,   CPin::OpenHigh, CPin::PassiveDown,
                          CPin::PassiveUp, CPin::NoConnect, CPin::Power};

bool Storable(const QString& text)
{
    return Utf8ToCp932(text.toStdString()).Ok();
}

} // namespace

CDlgGateEdit::CDlgGateEdit(const CPart& part, QWidget* parent)
    : QDialog(parent), m_part(part), m_name(new QLineEdit(ToQString(part.GetPartName()), this)),
      m_reference(new QLineEdit(ToQString(part.GetRefName()), this)),
      m_value(new QLineEdit(ToQString(part.GetValName()), this)),
      m_pins(new QTableWidget(part.GetPinCount(), 3, this))
{
    setWindowTitle(tr("Part Edit"));
    m_name->setObjectName("PartName");
    m_reference->setObjectName("Reference");
    m_value->setObjectName("Value");
    m_pins->setObjectName("Pins");
    m_pins->setHorizontalHeaderLabels({tr("Number"), tr("Name"), tr("Type")});
    m_pins->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const CPin& pin : part.Pins()) {
        m_pins->setItem(row, 0, new QTableWidgetItem(ToQString(pin.GetNo())));
        m_pins->setItem(row, 1, new QTableWidgetItem(ToQString(pin.GetName())));
        auto* type = new QComboBox(m_pins);
        for (int t : kTypes) {
            type->addItem(ToQString(CPin::GetEleName(t)), t);
            if (t == pin.GetEleType())
                type->setCurrentIndex(type->count() - 1);
        }
        m_pins->setCellWidget(row, 2, type);
        ++row;
    }
    auto* form = new QFormLayout;
    form->addRow(tr("Part &name:"), m_name);
    form->addRow(tr("&Reference:"), m_reference);
    form->addRow(tr("&Value:"), m_value);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgGateEdit::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pins, 1);
    layout->addWidget(buttons);
    resize(460, 420);
}

void CDlgGateEdit::accept()
{
    for (QLineEdit* edit : {m_name, m_reference, m_value})
        if (!Storable(edit->text().trimmed())) {
            Host().Message(ToCString(tr("The text holds characters that a library cannot store.")),
                           CHost::Warning);
            edit->setFocus();
            return;
        }
    CPartDialogInput in;
    in.partName = ToCString(m_name->text().trimmed());
    in.reference = ToCString(m_reference->text().trimmed());
    in.value = ToCString(m_value->text().trimmed());
    // A library gate may go without a reference or a value.
    in.referenceEnabled = false;
    in.valueEnabled = false;
    in.package = m_part.GetPackage();
    in.packageMax = m_part.GetPackageMax();
    in.partNameDisp = m_part.GetPartNameText().IsDisp();
    in.referenceDisp = m_part.GetRefNameText().IsDisp();
    in.valueDisp = m_part.GetValNameText().IsDisp();
    in.inverted = (m_part.GetAttr() & CPart::kLibInverted) != 0;
    in.libraryEditing = true;
    if (const CPartDialogCheck check = CPart::CheckDialogInput(in); !check.Ok()) {
        Host().Message(check.Message(), CHost::Warning);
        return;
    }
    CPart edited(m_part);
    CItemList<CPin> pins;
    int row = 0;
    for (const CPin& original : m_part.Pins()) {
        const QString number = m_pins->item(row, 0)->text().trimmed();
        const QString name = m_pins->item(row, 1)->text().trimmed();
        if (!Storable(number) || !Storable(name)) {
            Host().Message(ToCString(tr("The text holds characters that a library cannot store.")),
                           CHost::Warning);
            return;
        }
        auto pin = std::make_unique<CPin>(original);
        pin->SetNo(ToCString(number));
        pin->SetName(ToCString(name));
        const auto* type = static_cast<QComboBox*>(m_pins->cellWidget(row, 2));
        pin->SetElect((pin->GetElect() & ~CPin::kTypeMask) | uint32_t(type->currentData().toInt()));
        pins.AddTail(std::move(pin));
        ++row;
    }
    const CString duplicate = CPart::FindDuplicatePinNo(pins);
    if (!duplicate.IsEmpty() &&
        Host().Ask(FormatMessage(2101, duplicate), CHost::YesNo) != CHost::IDYES)
        return;
    if (CPart::HasOnlyOneKindPowerPin(pins) &&
        Host().Ask(LoadMessage(2102), CHost::YesNo) != CHost::IDYES)
        return;
    edited.ApplyDialog(in, &pins, true);
    m_part = edited;
    QDialog::accept();
}
