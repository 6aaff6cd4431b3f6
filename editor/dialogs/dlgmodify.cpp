#include "editor/dialogs/dlgmodify.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString Label(const std::string& name)
{
    static const struct {
        const char* name;
        const char* label;
    } kLabels[] = {
        {"name", QT_TRANSLATE_NOOP("CDlgModify", "Name")},
        {"namedisp", QT_TRANSLATE_NOOP("CDlgModify", "Show name")},
        {"frame", QT_TRANSLATE_NOOP("CDlgModify", "Frame (0-14)")},
        {"power", QT_TRANSLATE_NOOP("CDlgModify", "Power wire")},
        {"style", QT_TRANSLATE_NOOP("CDlgModify", "Line style (0-4)")},
        {"startarrow", QT_TRANSLATE_NOOP("CDlgModify", "Start arrow")},
        {"endarrow", QT_TRANSLATE_NOOP("CDlgModify", "End arrow")},
        {"partname", QT_TRANSLATE_NOOP("CDlgModify", "Part name")},
        {"reference", QT_TRANSLATE_NOOP("CDlgModify", "Reference")},
        {"value", QT_TRANSLATE_NOOP("CDlgModify", "Value")},
        {"partnamedisp", QT_TRANSLATE_NOOP("CDlgModify", "Show part name")},
        {"referencedisp", QT_TRANSLATE_NOOP("CDlgModify", "Show reference")},
        {"valuedisp", QT_TRANSLATE_NOOP("CDlgModify", "Show value")},
        {"inverted", QT_TRANSLATE_NOOP("CDlgModify", "Inverted logic")},
        {"number", QT_TRANSLATE_NOOP("CDlgModify", "Number")},
        {"numberdisp", QT_TRANSLATE_NOOP("CDlgModify", "Show number")},
        {"type", QT_TRANSLATE_NOOP("CDlgModify", "Electrical type")},
        {"display", QT_TRANSLATE_NOOP("CDlgModify", "Shown")},
        {"clock", QT_TRANSLATE_NOOP("CDlgModify", "Clock")},
        {"dot", QT_TRANSLATE_NOOP("CDlgModify", "Dot")},
        {"length", QT_TRANSLATE_NOOP("CDlgModify", "Length")},
        {"text", QT_TRANSLATE_NOOP("CDlgModify", "Text")},
        {"size", QT_TRANSLATE_NOOP("CDlgModify", "Size")},
        {"anchor", QT_TRANSLATE_NOOP("CDlgModify", "Anchor (keypad code)")},
        {"direction", QT_TRANSLATE_NOOP("CDlgModify", "Direction (quarter turns)")},
        {"print", QT_TRANSLATE_NOOP("CDlgModify", "Printed")},
    };
    for (const auto& l : kLabels)
        if (name == l.name)
            return CDlgModify::tr(l.label);
    return QString::fromStdString(name);
}

} // namespace

CDlgModify::CDlgModify(const QString& title, const std::vector<CModifyFieldValue>& fields,
                       QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* form = new QFormLayout;
    for (const CModifyFieldValue& f : fields) {
        Row row;
        row.field = f;
        if (f.kind == CModifyFieldValue::Switch) {
            row.check = new QCheckBox(this);
            if (f.value.empty()) {
                row.check->setTristate(true);
                row.check->setCheckState(Qt::PartiallyChecked);
            } else {
                row.check->setChecked(f.value == "1");
            }
            form->addRow(Label(f.name), row.check);
        } else {
            row.edit = new QLineEdit(QString::fromStdString(f.value), this);
            if (f.kind == CModifyFieldValue::Number)
                row.edit->setPlaceholderText(QStringLiteral("***"));
            form->addRow(Label(f.name), row.edit);
        }
        m_rows.push_back(row);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CModifyFields CDlgModify::Changed() const
{
    CModifyFields out;
    for (const Row& row : m_rows) {
        if (row.check) {
            const Qt::CheckState s = row.check->checkState();
            if (s == Qt::PartiallyChecked)
                continue;
            const std::string v = s == Qt::Checked ? "1" : "0";
            if (v != row.field.value)
                out.emplace_back(row.field.name, v);
        } else {
            const std::string v = row.edit->text().toStdString();
            if (v != row.field.value && !(v.empty() && row.field.kind == CModifyFieldValue::Number))
                out.emplace_back(row.field.name, v);
        }
    }
    return out;
}
