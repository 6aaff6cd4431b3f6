#include "editor/dialogs/dlgfilenew.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>

#include "app/datafolder.h"
#include "app/settings.h"
#include "editor/view/qtstring.h"
#include "sheet/schematicfile.h"

CDlgFileNew::CDlgFileNew(QWidget* parent)
    : QDialog(parent), m_size(new QComboBox), m_title(new QComboBox)
{
    setWindowTitle(tr("New Sheet"));
    for (int i = 0; i < 6; ++i)
        m_size->addItem(SizeName(i));
    m_size->setCurrentIndex(SettingInt("Sheet", "Work"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("Sheet &size:"), m_size);
    form->addRow(tr("&Title block:"), m_title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_size, &QComboBox::currentIndexChanged, this, &CDlgFileNew::FillTitles);
    FillTitles();
}

CDlgFileNew::CDlgFileNew(int sizeIndex, const QString& titleFile, QWidget* parent)
    : CDlgFileNew(parent)
{
    setWindowTitle(tr("Change Sheet Size"));
    m_size->setCurrentIndex(sizeIndex);
    if (!titleFile.isEmpty()) {
        if (m_title->findText(titleFile) < 0)
            m_title->addItem(titleFile);
        m_title->setCurrentText(titleFile);
    }
}

QString CDlgFileNew::SizeName(int index)
{
    static const char* const names[] = {"A2", "A3", "A4"};
    const QString base = names[index % 3];
    return index < 3 ? tr("%1 landscape").arg(base) : tr("%1 portrait").arg(base);
}

QStringList CDlgFileNew::TitleFilesFor(int index)
{
    const QString def = ToQString(CSchematicFile::TitleFileName(index));
    const QString suffix = def.mid(def.indexOf('.')); // ".A2" ... ".A4P"
    const QDir dir(QString::fromStdString(DataFolder().string()));
    QStringList out;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        if (name.endsWith(suffix, Qt::CaseInsensitive) &&
            name.mid(name.lastIndexOf('.')).compare(suffix, Qt::CaseInsensitive) == 0)
            out << name;
    if (!out.contains(def))
        out.prepend(def);
    return out;
}

void CDlgFileNew::FillTitles()
{
    m_title->clear();
    m_title->addItems(TitleFilesFor(SizeIndex()));
    m_title->setCurrentText(ToQString(CSchematicFile::TitleFileName(SizeIndex())));
}

int CDlgFileNew::SizeIndex() const
{
    return m_size->currentIndex();
}

QString CDlgFileNew::TitleFile() const
{
    const QString chosen = m_title->currentText();
    return chosen == ToQString(CSchematicFile::TitleFileName(SizeIndex())) ? QString() : chosen;
}
