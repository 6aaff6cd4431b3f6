#include "editor/options/optfieldpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/settings.h"
#include "base/codepage.h"
#include "base/profile.h"
#include "editor/view/qtstring.h"

namespace {

// A spin box cannot usefully offer the whole int range: numbers without a
// stated range are kept to what a user may sensibly type.
constexpr int kWidestNumber = 9999999;

} // namespace

COptFieldPage::COptFieldPage(int id, const QString& title, std::vector<COptionField> fields,
                             QWidget* parent)
    : COptionPage(id, title, parent)
{
    auto* inner = new QWidget;
    m_form = new QFormLayout(inner);
    for (COptionField& f : fields) {
        Row row{f, nullptr, QVariant()};
        const QString name = QStringLiteral("%1/%2").arg(f.section, f.key);
        const CSettingKey* entry =
            f.kind == COptionField::Heading ? nullptr : FindSetting(f.section, f.key);
        switch (f.kind) {
        case COptionField::Heading: {
            auto* label = new QLabel(QStringLiteral("<b>%1</b>").arg(f.label.toHtmlEscaped()));
            m_form->addRow(label);
            continue;
        }
        case COptionField::Check: {
            auto* box = new QCheckBox(f.label);
            box->setChecked(SettingInt(f.section, f.key) != 0);
            row.widget = box;
            m_form->addRow(box);
            break;
        }
        case COptionField::Number: {
            auto* spin = new QSpinBox;
            const int lo = entry ? std::max(entry->minValue, -kWidestNumber) : -kWidestNumber;
            const int hi = entry ? std::min(entry->maxValue, kWidestNumber) : kWidestNumber;
            spin->setRange(lo, hi);
            spin->setValue(std::clamp(SettingInt(f.section, f.key), lo, hi));
            row.widget = spin;
            m_form->addRow(f.label, spin);
            break;
        }
        case COptionField::Text: {
            auto* edit = new QLineEdit(ToQString(SettingString(f.section, f.key)));
            row.widget = edit;
            m_form->addRow(f.label, edit);
            break;
        }
        case COptionField::Choice: {
            auto* combo = new QComboBox;
            combo->addItems(f.choices);
            combo->setCurrentIndex(
                std::clamp(SettingInt(f.section, f.key), 0, int(f.choices.size()) - 1));
            row.widget = combo;
            m_form->addRow(f.label, combo);
            break;
        }
        case COptionField::NamedChoice: {
            auto* combo = new QComboBox;
            combo->addItems(f.choices);
            const int at = int(f.values.indexOf(ToQString(SettingString(f.section, f.key))));
            combo->setCurrentIndex(std::max(0, at));
            row.widget = combo;
            m_form->addRow(f.label, combo);
            break;
        }
        }
        row.widget->setObjectName(name);
        row.shown = Current(row);
        m_rows.push_back(std::move(row));
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

QVariant COptFieldPage::Current(const Row& row) const
{
    switch (row.field.kind) {
    case COptionField::Check:
        return static_cast<QCheckBox*>(row.widget)->isChecked() ? 1 : 0;
    case COptionField::Number:
        return static_cast<QSpinBox*>(row.widget)->value();
    case COptionField::Text:
        return static_cast<QLineEdit*>(row.widget)->text();
    case COptionField::Choice:
        return static_cast<QComboBox*>(row.widget)->currentIndex();
    case COptionField::NamedChoice:
        return row.field.values.value(static_cast<QComboBox*>(row.widget)->currentIndex());
    case COptionField::Heading:
        break;
    }
    return QVariant();
}

QVariant COptFieldPage::FieldValue(const QString& sectionKey) const
{
    for (const Row& row : m_rows)
        if (row.widget->objectName() == sectionKey)
            return Current(row);
    return QVariant();
}

bool COptFieldPage::CanApply()
{
    for (const Row& row : m_rows) {
        if (row.field.kind != COptionField::Text)
            continue;
        const QString text = Current(row).toString();
        if (!Utf8ToCp932(text.toStdString()).Ok()) {
            QMessageBox::warning(
                this, Title(),
                tr("\"%1\" holds characters that the settings cannot store.").arg(row.field.label));
            row.widget->setFocus();
            return false;
        }
    }
    return true;
}

void COptFieldPage::Apply()
{
    for (const Row& row : m_rows) {
        const QVariant value = Current(row);
        if (value == row.shown)
            continue;
        const COptionField& f = row.field;
        switch (f.kind) {
        case COptionField::Check:
        case COptionField::Number:
        case COptionField::Choice: {
            int n = value.toInt();
            if (const CSettingKey* entry = FindSetting(f.section, f.key))
                n = ClampSetting(*entry, n);
            Profile().WriteInt(f.section, f.key, n);
            break;
        }
        case COptionField::Text:
        case COptionField::NamedChoice:
            Profile().WriteString(f.section, f.key, ToCString(value.toString()));
            break;
        case COptionField::Heading:
            break;
        }
    }
}
