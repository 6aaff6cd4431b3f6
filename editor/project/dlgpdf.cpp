#include "editor/project/dlgpdf.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/settings.h"
#include "base/host.h"
#include "base/profile.h"
#include "editor/view/qtstring.h"
#include "export/pdfpage.h"

CDlgPDF::CDlgPDF(const QString& output, const QString& title, const QString& subtitle,
                 bool hasProject, QWidget* parent)
    : QDialog(parent), m_hasProject(hasProject), m_output(new QLineEdit(output, this)),
      m_browse(new QPushButton(tr("&Browse..."), this)), m_title(new QLineEdit(title, this)),
      m_subtitle(new QLineEdit(subtitle, this)), m_author(new QLineEdit(this)),
      m_titleInclude(new QCheckBox(tr("Relative to the title &block"), this)),
      m_up(new QSpinBox(this)), m_left(new QSpinBox(this)), m_scale(new QLineEdit(this)),
      m_project(new QRadioButton(hasProject ? tr("The &project") : tr("All o&pen sheets"), this)),
      m_active(new QRadioButton(tr("The a&ctive sheet only"), this)),
      m_all(new QCheckBox(tr("Also the sheets that do not take &part"), this)),
      m_back(new QCheckBox(tr("Back&ground"), this)), m_color(new QCheckBox(tr("C&olour"), this)),
      m_view(new QCheckBox(tr("&View the created file"), this))
{
    setObjectName("DlgPDF");
    setWindowTitle(tr("PDF Conversion"));
    for (QSpinBox* margin : {m_up, m_left}) {
        margin->setRange(0, 1000);
        margin->setSuffix(" mm");
    }
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_output, 1);
    fileRow->addWidget(m_browse);
    auto* form = new QFormLayout;
    auto* outputLabel = new QLabel(tr("Output &file"), this);
    outputLabel->setBuddy(m_output);
    form->addRow(outputLabel, fileRow);
    form->addRow(tr("&Title"), m_title);
    form->addRow(tr("&Subtitle"), m_subtitle);
    form->addRow(tr("&Author"), m_author);
    form->addRow(m_titleInclude);
    form->addRow(tr("Top &margin"), m_up);
    form->addRow(tr("&Left margin"), m_left);
    form->addRow(tr("Sc&ale"), m_scale);
    form->addRow(m_project);
    form->addRow(m_all);
    form->addRow(m_active);
    form->addRow(m_back);
    form->addRow(m_color);
    form->addRow(m_view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const CPdfJobOptions o = CPdfJobOptions::FromSettings();
    m_titleInclude->setChecked(o.page.titleInclude);
    m_up->setValue(int(o.page.up));
    m_left->setValue(int(o.page.left));
    m_scale->setText(ToQString(o.page.scale));
    (SettingInt("PDF", "Proj") == 1 ? m_active : m_project)->setChecked(true);
    m_all->setChecked(o.allSheets);
    m_back->setChecked(o.page.background);
    m_color->setChecked(o.page.color);
    m_view->setChecked(SettingInt("PDF", "View") != 0);
    connect(m_project, &QRadioButton::toggled, this, &CDlgPDF::UpdateEnabling);
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getSaveFileName(this, tr("PDF file"), m_output->text(),
                                                            tr("PDF files (*.pdf)"), nullptr,
                                                            QFileDialog::DontConfirmOverwrite);
        if (!chosen.isEmpty())
            m_output->setText(chosen);
    });
    UpdateEnabling();
}

void CDlgPDF::UpdateEnabling()
{
    m_all->setEnabled(m_hasProject && m_project->isChecked());
}

CPdfJobOptions CDlgPDF::Options() const
{
    CPdfJobOptions o = CPdfJobOptions::FromSettings();
    o.page.titleInclude = m_titleInclude->isChecked();
    o.page.up = m_up->value();
    o.page.left = m_left->value();
    o.page.scale = ToCString(m_scale->text().trimmed());
    o.page.background = m_back->isChecked();
    o.page.color = m_color->isChecked();
    o.allSheets = m_hasProject && m_all->isChecked();
    o.title = ToCString(m_title->text());
    o.subtitle = ToCString(m_subtitle->text());
    o.author = ToCString(m_author->text());
    return o;
}

QString CDlgPDF::OutputFile() const
{
    QString path = m_output->text().trimmed();
    if (!path.isEmpty() && !path.endsWith(".pdf", Qt::CaseInsensitive))
        path += ".pdf";
    return path;
}

bool CDlgPDF::ActiveSheetOnly() const
{
    return m_active->isChecked();
}

bool CDlgPDF::ViewFile() const
{
    return m_view->isChecked();
}

void CDlgPDF::accept()
{
    if (OutputFile().isEmpty()) {
        Host().Message(FromUtf8("出力ファイル名を入力してください。"), CHost::Warning);
        m_output->setFocus();
        return;
    }
    if (!TryParsePdfScale(ToCString(m_scale->text().trimmed()))) {
        Host().Message(ToCString(tr("The scale must be a number from 0.01 to 100.")),
                       CHost::Warning);
        m_scale->setFocus();
        return;
    }
    if (QFileInfo::exists(OutputFile()) &&
        Host().Ask(FromUtf8("ファイルが存在します。上書きしますか？"), CHost::YesNo) !=
            CHost::IDYES)
        return;
    const CPdfJobOptions o = Options();
    CProfile& p = Profile();
    p.WriteInt("PDF", "TitleInclude", o.page.titleInclude ? 1 : 0);
    p.WriteInt("PDF", "Up", int(o.page.up));
    p.WriteInt("PDF", "Left", int(o.page.left));
    p.WriteString("PDF", "Scale", o.page.scale);
    p.WriteInt("PDF", "Proj", ActiveSheetOnly() ? 1 : 0);
    p.WriteInt("PDF", "AllFile", m_all->isChecked() ? 1 : 0);
    p.WriteInt("PDF", "Back", o.page.background ? 1 : 0);
    p.WriteInt("PDF", "Color", o.page.color ? 1 : 0);
    p.WriteInt("PDF", "View", ViewFile() ? 1 : 0);
    QDialog::accept();
}
