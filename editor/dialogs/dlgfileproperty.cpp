#include "editor/dialogs/dlgfileproperty.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "editor/dialogs/dlgfilenew.h"
#include "editor/view/qtstring.h"
#include "sheet/schematicfile.h"

CDlgFileProperty::CDlgFileProperty(const QString& author, const QString& comment, int sizeIndex,
                                   const QString& titleFile, int version, QWidget* parent)
    : QDialog(parent), m_author(new QLineEdit(author, this)),
      m_comment(new QLineEdit(comment, this)), m_size(new QComboBox(this)),
      m_title(new QComboBox(this))
{
    setWindowTitle(tr("Document Properties"));
    for (int i = 0; i < 6; ++i)
        m_size->addItem(CDlgFileNew::SizeName(i));
    m_size->setCurrentIndex(sizeIndex);
    FillTitles(titleFile);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Author:"), m_author);
    form->addRow(tr("&Comment:"), m_comment);
    form->addRow(tr("Sheet &size:"), m_size);
    form->addRow(tr("&Title block:"), m_title);
    form->addRow(tr("File version:"), new QLabel(QString::number(version), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    connect(m_size, &QComboBox::currentIndexChanged, this, [this] { FillTitles(QString()); });
}

void CDlgFileProperty::FillTitles(const QString& preferred)
{
    m_title->clear();
    m_title->addItems(CDlgFileNew::TitleFilesFor(SizeIndex()));
    const QString def = ToQString(CSchematicFile::TitleFileName(SizeIndex()));
    m_title->setCurrentText(preferred.isEmpty() ? def : preferred);
    if (!preferred.isEmpty() && m_title->currentText() != preferred) {
        // A title file named by the document but missing from the folder
        // stays its choice until the user picks another.
        m_title->addItem(preferred);
        m_title->setCurrentText(preferred);
    }
}

QString CDlgFileProperty::Author() const
{
    return m_author->text().trimmed();
}

QString CDlgFileProperty::Comment() const
{
    return m_comment->text().trimmed();
}

int CDlgFileProperty::SizeIndex() const
{
    return m_size->currentIndex();
}

QString CDlgFileProperty::TitleFile() const
{
    const QString chosen = m_title->currentText();
    return chosen == ToQString(CSchematicFile::TitleFileName(SizeIndex())) ? QString() : chosen;
}
