#include "editor/dialogs/dlgpartinput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

#include "editor/dialogs/partpreview.h"
#include "editor/dialogs/shownfieldrow.h"
#include "editor/view/qtstring.h"
#include "sheet/sheet.h"

CDlgPartInput::CDlgPartInput(const CPartRequest& preset, const CPartChoices& choices,
                             QWidget* parent)
    : QDialog(parent), m_name(new QComboBox(this)), m_preview(new CPartPreview(this)),
      m_choices(choices)
{
    setWindowTitle(tr("Part"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    for (const CString& name : choices.recent)
        m_name->addItem(ToQString(name));
    m_name->setEditText(ToQString(preset.name));
    QStringList all;
    for (const CString& name : choices.names)
        all << ToQString(name);
    auto* completer = new QCompleter(new QStringListModel(all, this), this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    m_name->setCompleter(completer);

    auto* form = new QFormLayout;
    auto* nameLine = new QHBoxLayout;
    nameLine->addWidget(m_name, 1);
    m_nameDisp = new QCheckBox(tr("Show"), this);
    m_nameDisp->setChecked(preset.nameDisp);
    nameLine->addWidget(m_nameDisp);
    if (m_choices.browse) {
        auto* browse = new QPushButton(tr("&Browse..."), this);
        browse->setAutoDefault(false);
        nameLine->addWidget(browse);
        connect(browse, &QPushButton::clicked, this, [this] {
            CString picked;
            if (m_choices.browse(this, picked)) {
                m_name->setEditText(ToQString(picked));
                UpdatePreview();
            }
        });
    }
    auto* nameCaption = new QLabel(tr("Part &name:"), this);
    nameCaption->setBuddy(m_name);
    form->addRow(nameCaption, nameLine);
    const auto row = [&](const QString& label, const CString& text, bool shown, QLineEdit*& edit,
                         QCheckBox*& disp) {
        AddShownFieldRow(this, form, label, text, shown, edit, disp);
    };
    row(tr("&Reference:"), preset.reference, preset.referenceDisp, m_reference, m_referenceDisp);
    row(tr("&Value:"), preset.value, preset.valueDisp, m_value, m_valueDisp);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(form, 1);
    columns->addWidget(m_preview);

    // The libraries are looked in once typing pauses.
    m_previewTimer.setSingleShot(true);
    m_previewTimer.setInterval(150);
    connect(&m_previewTimer, &QTimer::timeout, this, &CDlgPartInput::UpdatePreview);
    connect(m_name, &QComboBox::editTextChanged, this, [this] { m_previewTimer.start(); });
    UpdatePreview();
    m_name->lineEdit()->selectAll();
}

void CDlgPartInput::UpdatePreview()
{
    CSheet gates;
    const QString name = m_name->currentText().trimmed();
    const CodepageResult cp = Utf8ToCp932(name.toStdString());
    if (!name.isEmpty() && cp.Ok() && m_choices.lookup)
        m_choices.lookup(CString(cp.text), gates);
    m_preview->SetPart(gates);
}

bool CDlgPartInput::HasPreview() const
{
    return !m_preview->IsEmpty();
}

bool CDlgPartInput::Result(CPartRequest& out) const
{
    const QString name = m_name->currentText().trimmed();
    for (const QString& text : {name, m_reference->text().trimmed(), m_value->text().trimmed()})
        if (!Utf8ToCp932(text.toStdString()).Ok())
            return false;
    out.name = ToCString(name);
    out.reference = ToCString(m_reference->text().trimmed());
    out.value = ToCString(m_value->text().trimmed());
    out.nameDisp = m_nameDisp->isChecked();
    out.referenceDisp = m_referenceDisp->isChecked();
    out.valueDisp = m_valueDisp->isChecked();
    return true;
}
