#include "editor/project/dlgmakepartno.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/view/qtstring.h"

CDlgMakePartNo::CDlgMakePartNo(const QString& wasIsFile, QWidget* parent)
    : QDialog(parent), m_modeGroup(new QButtonGroup(this)), m_stepGroup(new QButtonGroup(this)),
      m_start(new QSpinBox(this)), m_offset(new QSpinBox(this)),
      m_each(new QCheckBox(tr("Count &each sheet by itself"), this)),
      m_simple(new QCheckBox(tr("Si&mple Was-Is file"), this)), m_file(new QLineEdit(this)),
      m_browse(new QPushButton(tr("&Browse..."), this))
{
    setObjectName("DlgMakePartNo");
    setWindowTitle(tr("Part Numbering"));
    auto* modeBox = new QGroupBox(tr("Mode"), this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    const QString modeTexts[4] = {tr("Number &undetermined references only"),
                                  tr("Renumber &all references"), tr("Apply a &Was-Is file"),
                                  tr("Write a Was-Is &template file")};
    for (int i = 0; i < 4; ++i) {
        m_modes[i] = new QRadioButton(modeTexts[i], modeBox);
        m_modeGroup->addButton(m_modes[i], i);
        modeLayout->addWidget(m_modes[i]);
    }
    auto* stepRow = new QHBoxLayout;
    const QString stepTexts[2] = {tr("+1"), tr("+2")};
    for (int i = 0; i < 2; ++i) {
        m_steps[i] = new QRadioButton(stepTexts[i], this);
        m_stepGroup->addButton(m_steps[i], i);
        stepRow->addWidget(m_steps[i]);
    }
    m_start->setRange(1, 9999);
    m_offset->setRange(0, 9999);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_browse);

    auto* form = new QFormLayout;
    form->addRow(tr("Step"), stepRow);
    form->addRow(tr("Start number (&O)"), m_start);
    form->addRow(tr("&Page offset"), m_offset);
    form->addRow(m_each);
    form->addRow(m_simple);
    auto* fileLabel = new QLabel(tr("Was-Is file"), this);
    fileLabel->setBuddy(m_file);
    form->addRow(fileLabel, fileRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeBox);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const CPartNoOptions o = CPartNoOptions::FromSettings();
    m_modes[std::clamp(o.mode, 0, 3)]->setChecked(true);
    m_steps[o.step == 2 ? 1 : 0]->setChecked(true);
    m_start->setValue(o.start);
    m_offset->setValue(o.pageOffset);
    m_each->setChecked(o.eachSheet);
    m_simple->setChecked(o.simpleWasIs);
    m_file->setText(wasIsFile);
    connect(m_modeGroup, &QButtonGroup::idToggled, this, &CDlgMakePartNo::UpdateEnabling);
    connect(m_browse, &QPushButton::clicked, this, &CDlgMakePartNo::OnBrowse);
    UpdateEnabling();
}

void CDlgMakePartNo::UpdateEnabling()
{
    const CPartNoOptions::Fields f = CPartNoOptions::FieldsOf(m_modeGroup->checkedId());
    m_start->setEnabled(f.start);
    for (QRadioButton* step : m_steps)
        step->setEnabled(f.step);
    m_offset->setEnabled(f.pageOffset);
    m_each->setEnabled(f.eachSheet);
    m_simple->setEnabled(f.simpleWasIs);
    m_file->setEnabled(f.simpleWasIs);
    m_browse->setEnabled(f.simpleWasIs);
}

void CDlgMakePartNo::OnBrowse()
{
    const bool writing = m_modeGroup->checkedId() == CPartNoOptions::kWriteTemplate;
    const QString filter = tr("Was-Is files (*.dws)") + ";;" + tr("All files (*)");
    const QString chosen =
        writing ? QFileDialog::getSaveFileName(this, tr("Was-Is file"), m_file->text(), filter)
                : QFileDialog::getOpenFileName(this, tr("Was-Is file"), m_file->text(), filter);
    if (!chosen.isEmpty())
        m_file->setText(chosen);
}

CPartNoOptions CDlgMakePartNo::Options() const
{
    CPartNoOptions o;
    o.mode = m_modeGroup->checkedId();
    o.step = m_stepGroup->checkedId() == 1 ? 2 : 1;
    o.start = m_start->value();
    o.pageOffset = m_offset->value();
    o.eachSheet = m_each->isChecked();
    o.simpleWasIs = m_simple->isChecked();
    return o;
}

QString CDlgMakePartNo::WasIsFile() const
{
    return m_file->text().trimmed();
}

void CDlgMakePartNo::accept()
{
    const CPartNoOptions o = Options();
    if (const CString problem = o.Check(); !problem.IsEmpty()) {
        Host().Message(problem, CHost::Warning);
        return;
    }
    if (CPartNoOptions::FieldsOf(o.mode).simpleWasIs && WasIsFile().isEmpty()) {
        Host().Message(ToCString(tr("Enter the Was-Is file name.")), CHost::Warning);
        m_file->setFocus();
        return;
    }
    o.Store();
    QDialog::accept();
}
