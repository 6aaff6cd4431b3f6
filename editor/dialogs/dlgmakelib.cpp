#include "editor/dialogs/dlgmakelib.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CDlgMakeLib::CDlgMakeLib(const QString& library, const QString& package,
                         const QStringList& libraries, const QStringList& properties,
                         QWidget* parent)
    : QDialog(parent), m_library(new QComboBox(this)), m_package(new QLineEdit(package, this)),
      m_drop(new QListWidget(this))
{
    setWindowTitle(tr("Register in Library"));
    m_library->setEditable(true);
    m_library->addItems(libraries);
    m_library->setCurrentText(library);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getSaveFileName(
            this, tr("Library File"), m_library->currentText(), tr("Part libraries (*.lib)"),
            nullptr, QFileDialog::DontConfirmOverwrite);
        if (!file.isEmpty())
            m_library->setCurrentText(file);
    });
    auto* line = new QHBoxLayout;
    line->addWidget(m_library, 1);
    line->addWidget(browse);
    for (const QString& name : properties) {
        auto* item = new QListWidgetItem(name, m_drop);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Library:"), line);
    form->addRow(tr("&Package name:"), m_package);
    form->addRow(tr("&Leave out:"), m_drop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    connect(m_library, &QComboBox::currentTextChanged, this, &CDlgMakeLib::UpdateOk);
    connect(m_package, &QLineEdit::textChanged, this, &CDlgMakeLib::UpdateOk);
    UpdateOk();
}

void CDlgMakeLib::UpdateOk()
{
    // Both names are needed: nothing is written without them.
    m_ok->setEnabled(!Library().isEmpty() && !Package().isEmpty());
}

QString CDlgMakeLib::Library() const
{
    return m_library->currentText().trimmed();
}

QString CDlgMakeLib::Package() const
{
    return m_package->text().trimmed();
}

QStringList CDlgMakeLib::Dropped() const
{
    QStringList out;
    for (int i = 0; i < m_drop->count(); ++i)
        if (m_drop->item(i)->checkState() == Qt::Checked)
            out << m_drop->item(i)->text();
    return out;
}
