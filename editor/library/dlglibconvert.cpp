#include "editor/library/dlglibconvert.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/view/qtstring.h"
#include "library/libraryconvert.h"
#include "library/librarymessages.h"

namespace {

CDlgLibConvert::Chooser& ChooserSlot()
{
    static CDlgLibConvert::Chooser chooser;
    return chooser;
}

QStringList Filters()
{
    return {CDlgLibConvert::tr("Text files (*.txt)"), CDlgLibConvert::tr("Part files (*.lib)"),
            CDlgLibConvert::tr("All files (*)")};
}

// The file dialog of a browse button.
QString ChooseFile(QWidget* parent, bool destination, const QString& current, int& filter)
{
    if (ChooserSlot())
        return ChooserSlot()(destination, filter);
    QFileDialog dialog(parent, CDlgLibConvert::tr("Specify File"), current);
    dialog.setNameFilters(Filters());
    dialog.selectNameFilter(Filters().value(filter - 1));
    if (destination) {
        // A new destination file is made only after the question below.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    filter = int(Filters().indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().front();
}

} // namespace

void CDlgLibConvert::SetChooser(Chooser chooser)
{
    ChooserSlot() = std::move(chooser);
}

CDlgLibConvert::CDlgLibConvert(QWidget* parent)
    : QDialog(parent), m_source(new QLineEdit(this)), m_destination(new QLineEdit(this)),
      m_type(new QButtonGroup(this))
{
    setWindowTitle(tr("Library Conversion"));
    m_source->setObjectName("Source");
    m_destination->setObjectName("Destination");
    auto* toText = new QRadioButton(tr("Part library → text library"), this);
    auto* toLibrary = new QRadioButton(tr("Text library → part library"), this);
    m_type->addButton(toText, 0);
    m_type->addButton(toLibrary, 1);
    auto* browseSource = new QPushButton(tr("Browse..."), this);
    auto* browseDestination = new QPushButton(tr("Browse..."), this);
    connect(browseSource, &QPushButton::clicked, this, &CDlgLibConvert::BrowseSource);
    connect(browseDestination, &QPushButton::clicked, this, &CDlgLibConvert::BrowseDestination);

    CLibConvertJob job;
    job.LoadSettings();
    m_source->setText(ToQString(job.source));
    m_destination->setText(ToQString(job.destination));
    SetType(job.type);

    const auto row = [this](QLineEdit* edit, QPushButton* browse) {
        auto* line = new QHBoxLayout;
        line->addWidget(edit, 1);
        line->addWidget(browse);
        return line;
    };
    auto* form = new QFormLayout;
    form->addRow(tr("Source file:"), row(m_source, browseSource));
    form->addRow(tr("Destination file:"), row(m_destination, browseDestination));
    auto* types = new QVBoxLayout;
    types->addWidget(toText);
    types->addWidget(toLibrary);
    form->addRow(tr("Conversion:"), types);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgLibConvert::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(560, 180);
}

int CDlgLibConvert::Type() const
{
    return m_type->checkedId() == 1 ? 1 : 0;
}

void CDlgLibConvert::SetType(int type)
{
    m_type->button(type == 1 ? 1 : 0)->setChecked(true);
}

void CDlgLibConvert::BrowseSource()
{
    int filter = Type() == 0 ? 2 : 1;
    const QString path = ChooseFile(this, false, m_source->text(), filter);
    if (!path.isEmpty())
        m_source->setText(path);
}

void CDlgLibConvert::BrowseDestination()
{
    // The destination starts on the filter of what the conversion writes.
    int filter = Type() + 1;
    const QString path = ChooseFile(this, true, m_destination->text(), filter);
    if (path.isEmpty())
        return;
    // A name that is not there yet makes a new file: the user says so first.
    if (!QFileInfo::exists(path) &&
        Host().Ask(ToCString(path + "\n" + tr("The file does not exist. Create it?")),
                   CHost::YesNo) != CHost::IDYES)
        return;
    m_destination->setText(path);
    // A text file is written by type 0, a part file by type 1; "all files"
    // leaves the type as it is.
    if (filter == 1 || filter == 2)
        SetType(filter - 1);
}

void CDlgLibConvert::accept()
{
    CLibConvertJob job;
    job.source = ToCString(m_source->text().trimmed());
    job.destination = ToCString(m_destination->text().trimmed());
    job.type = Type();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = job.Run();
    QApplication::restoreOverrideCursor();
    if (done)
        QDialog::accept();
}
