#include "editor/dialogs/dlgproject.h"
#include "editor/window/pathtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/projectdialog.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "app/vireoapp.h"
#include "base/host.h"
#include "base/profile.h"
#include "editor/view/qtstring.h"

namespace {

bool IsReadableProject(const CString& name)
{
    CProjectContents contents;
    return CProjectFile::Read(std::filesystem::path(name.str()), contents);
}

QString NoProjectText()
{
    return ToQString(NoProjectEntry());
}

// A combo box entry as the core takes it: a path (UTF-8), or the no-project entry.
CString ComboEntry(const QString& text)
{
    return text == NoProjectText() ? NoProjectEntry() : PathFromQString(text);
}

} // namespace

// --- sheet list
// ------------------------------------------------------------------------------------------

CSheetListWidget::CSheetListWidget(QWidget* parent) : QListWidget(parent)
{
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setAcceptDrops(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemChanged, this, &CSheetListWidget::Changed);
}

void CSheetListWidget::AddSheet(const QString& path, bool checked)
{
    auto* item = new QListWidgetItem(path, this);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
    item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    emit Changed();
}

void CSheetListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QListWidget::dragEnterEvent(event);
}

void CSheetListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QListWidget::dragMoveEvent(event);
}

void CSheetListWidget::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls()) {
        QListWidget::dropEvent(event);
        emit Changed();
        return;
    }
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (path.endsWith(".dcd", Qt::CaseInsensitive) &&
            findItems(path, Qt::MatchExactly).isEmpty())
            AddSheet(path, true);
    }
    event->acceptProposedAction();
}

// --- dialog
// ------------------------------------------------------------------------------------------------

CDlgProject::CDlgProject(CVIREOApp& app, QWidget* parent)
    : QDialog(parent), m_app(app), m_combo(new QComboBox), m_list(new CSheetListWidget)
{
    setWindowTitle(tr("Project"));
    resize(640, 420);
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* browse = new QPushButton(tr("&Browse..."));
    m_revOpen = new QCheckBox(tr("Open from the top of the list (&R)"));
    m_revOpen->setChecked(SettingInt("Sheet", "RevOpen") == 1);

    const auto button = [this](const QString& text) { return new QPushButton(text, this); };
    m_open = button(tr("&Open"));
    m_openAll = button(tr("Open a&ll"));
    m_openChecked = button(tr("Open &checked"));
    m_add = button(tr("&Add..."));
    m_remove = button(tr("R&emove"));
    m_up = button(tr("&Up"));
    m_down = button(tr("&Down"));
    m_top = button(tr("&Top"));
    m_bottom = button(tr("&Bottom"));
    m_checkAll = button(tr("Chec&k all"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_combo, 1);
    top->addWidget(browse);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {m_open, m_openAll, m_openChecked, m_add, m_remove, m_up, m_down, m_top,
                           m_bottom, m_checkAll})
        side->addWidget(b);
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(m_revOpen);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgProject::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgProject::reject);
    connect(browse, &QPushButton::clicked, this, &CDlgProject::OnBrowse);
    connect(m_add, &QPushButton::clicked, this, &CDlgProject::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        delete m_list->currentItem();
        UpdateButtons();
    });
    connect(m_up, &QPushButton::clicked, this, [this] { MoveCurrent(m_list->currentRow() - 1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveCurrent(m_list->currentRow() + 1); });
    connect(m_top, &QPushButton::clicked, this, [this] { MoveCurrent(0); });
    connect(m_bottom, &QPushButton::clicked, this, [this] { MoveCurrent(m_list->count() - 1); });
    connect(m_checkAll, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < m_list->count(); ++i)
            m_list->item(i)->setCheckState(Qt::Checked);
    });
    connect(m_open, &QPushButton::clicked, this, [this] { emit OpenSheets(Collect(false, true)); });
    connect(m_openAll, &QPushButton::clicked, this,
            [this] { emit OpenSheets(Collect(false, false)); });
    connect(m_openChecked, &QPushButton::clicked, this,
            [this] { emit OpenSheets(Collect(true, false)); });
    connect(m_combo, &QComboBox::currentTextChanged, this, &CDlgProject::UpdateButtons);
    connect(m_combo, &QComboBox::activated, this, &CDlgProject::OnProjectChosen);
    connect(m_list, &CSheetListWidget::Changed, this, &CDlgProject::UpdateButtons);

    // The history, with the current project when it is not in it.
    m_app.RecentProjects().Load();
    for (const CString& p : m_app.RecentProjects().Entries())
        m_combo->addItem(PathToQString(p));
    const QString current = QString::fromStdString(m_app.ProjectPath());
    if (!current.isEmpty() && m_combo->findText(current) < 0)
        m_combo->insertItem(0, current);
    m_combo->addItem(NoProjectText());
    if (SettingInt("Sheet", "NoProj") == 1) {
        m_combo->setCurrentText(NoProjectText());
    } else {
        m_combo->setCurrentIndex(current.isEmpty() ? 0 : m_combo->findText(current));
        OnProjectChosen();
    }
    m_previous = m_combo->currentText();
    UpdateButtons();
}

void CDlgProject::OnProjectChosen()
{
    const QString name = m_combo->currentText();
    if (AskToForgetMissingProject(ComboEntry(name), QFileInfo::exists(name))) {
        const int answer = Host().Ask(
            ToCString(tr("The project file does not exist.\nRemove it from the history?")),
            CHost::YesNo);
        if (answer == CHost::IDYES) {
            m_combo->removeItem(m_combo->findText(name));
            m_app.RecentProjects().Remove(PathFromQString(name));
            m_app.RecentProjects().Store();
        }
        m_list->clear();
        UpdateButtons();
        return;
    }
    LoadProject(name);
}

void CDlgProject::LoadProject(const QString& path)
{
    m_list->clear();
    std::vector<std::string> sheets;
    if (path.isEmpty() || path == NoProjectText() ||
        CProjectFile::ReadFileList(path.toStdString(), true, true, sheets) < 0) {
        UpdateButtons();
        return;
    }
    for (const std::string& line : sheets)
        m_list->AddSheet(QString::fromStdString(line.substr(2)), line.starts_with("1:"));
    UpdateButtons();
}

void CDlgProject::OnBrowse()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Project"), m_combo->currentText(),
                                                      tr("Project files (*.dpj)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    m_combo->setCurrentText(path);
    LoadProject(path);
}

void CDlgProject::OnAdd()
{
    const QString folder = QFileInfo(m_combo->currentText()).path();
    for (const QString& path :
         QFileDialog::getOpenFileNames(this, tr("Add"), folder, tr("Sheet files (*.dcd)")))
        if (m_list->findItems(path, Qt::MatchExactly).isEmpty())
            m_list->AddSheet(path, true);
}

void CDlgProject::MoveCurrent(int to)
{
    const int from = m_list->currentRow();
    if (from < 0 || to < 0 || to >= m_list->count() || to == from)
        return;
    QListWidgetItem* item = m_list->takeItem(from);
    m_list->insertItem(to, item);
    m_list->setCurrentRow(to);
}

void CDlgProject::UpdateButtons()
{
    const QString name = m_combo->currentText().trimmed();
    const bool named = !name.isEmpty() && name != NoProjectText();
    const CProjectDialogEnables e = ProjectDialogEnables(named, m_list->count() == 0);
    m_add->setEnabled(e.add);
    for (QPushButton* b :
         {m_open, m_openChecked, m_remove, m_up, m_down, m_top, m_bottom, m_checkAll})
        b->setEnabled(e.listCommands);
    m_openAll->setEnabled(e.openAll);
}

QList<QPair<QString, bool>> CDlgProject::Sheets() const
{
    QList<QPair<QString, bool>> out;
    for (int i = 0; i < m_list->count(); ++i)
        out.append({m_list->item(i)->text(), m_list->item(i)->checkState() == Qt::Checked});
    return out;
}

QStringList CDlgProject::Collect(bool onlyChecked, bool onlySelected) const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* item = m_list->item(i);
        if ((onlyChecked && item->checkState() != Qt::Checked) ||
            (onlySelected && item != m_list->currentItem()))
            continue;
        out << item->text();
    }
    return out;
}

void CDlgProject::accept()
{
    std::vector<CString> combo;
    for (int i = 0; i < m_combo->count(); ++i)
        combo.push_back(ComboEntry(m_combo->itemText(i)));
    const CString name = ComboEntry(m_combo->currentText().trimmed());
    const CProjectDialogOk ok = ProjectDialogOk(name, m_list->count(), combo,
                                                SettingInt("Sheet", "PMRU"), IsReadableProject);
    if (ok.askNoProject) {
        const QString question =
            tr("No project file is set or it lists no sheet.\nWork without a project?");
        if (Host().Ask(ToCString(question), CHost::YesNo) == CHost::IDYES) {
            Profile().WriteInt("Sheet", "NoProj", 1);
            m_app.SetProjectPath(std::string());
            QDialog::accept();
        } else {
            m_combo->setCurrentText(m_previous);
        }
        return;
    }
    Profile().WriteInt("Sheet", "NoProj", 0);
    std::vector<CProjectSheet> sheets;
    for (const auto& [path, checked] : Sheets())
        sheets.push_back(CProjectSheet{
            std::filesystem::absolute(path.toStdString()).lexically_normal().string(), checked});
    std::string error;
    if (!CProjectFile::Write(ok.projectPath.str(), sheets, error)) {
        Host().Message(
            ToCString(tr("The project file %1 could not be written: %2")
                          .arg(PathToQString(ok.projectPath), QString::fromStdString(error))),
            CHost::Error);
        return;
    }
    CRecentList& recent = m_app.RecentProjects();
    recent.Clear();
    for (auto it = ok.recent.rbegin(); it != ok.recent.rend(); ++it)
        recent.Add(*it);
    recent.Store();
    Profile().WriteInt("Sheet", "RevOpen", m_revOpen->isChecked() ? 1 : 0);
    m_app.SetProjectPath(ok.projectPath.str());
    QDialog::accept();
}
