#include "editor/options/optlibrary.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/view/qtstring.h"
#include "library/library.h"
#include "library/librarylisteditor.h"
#include "library/librarymessages.h"

namespace {

COptLibrary::Chooser& ChooserSlot()
{
    static COptLibrary::Chooser chooser;
    return chooser;
}

} // namespace

void COptLibrary::SetChooser(Chooser chooser)
{
    ChooserSlot() = std::move(chooser);
}

COptLibrary::COptLibrary(QWidget* parent)
    : COptionPage(optpage::kLibrary, tr("Library"), parent), m_view(new QListWidget(this))
{
    CLibrary library;
    m_list = m_shown = library.ReadLibraryList();
    m_view->setObjectName("LibraryList");
    const auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    QPushButton* add = button(tr("&Add..."), "AddLibrary");
    QPushButton* remove = button(tr("&Remove"), "RemoveLibrary");
    QPushButton* up = button(tr("&Up"), "LibraryUp");
    QPushButton* down = button(tr("&Down"), "LibraryDown");
    connect(add, &QPushButton::clicked, this, [this] {
        const QStringList chosen =
            ChooserSlot() ? ChooserSlot()()
                          : QFileDialog::getOpenFileNames(this, tr("Add Part Libraries"), QString(),
                                                          tr("Part libraries (*.lib)") + ";;" +
                                                              tr("All files (*)"));
        Add(chosen);
    });
    connect(remove, &QPushButton::clicked, this, &COptLibrary::RemoveCurrent);
    connect(up, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, remove, up, down})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    Refill(0);
}

void COptLibrary::Refill(int current)
{
    m_view->clear();
    for (const CString& path : m_list)
        m_view->addItem(ToQString(path));
    if (!m_list.empty())
        m_view->setCurrentRow(std::clamp(current, 0, int(m_list.size()) - 1));
}

void COptLibrary::Add(const QStringList& paths)
{
    CLibraryListEditor editor(m_list);
    for (const QString& path : paths)
        if (editor.Add(ToCString(path)) == CLibraryListEditor::AddResult::Backup)
            Host().Message(ToCString(path) + "\n" + libmsg::BackupFile(), CHost::Warning);
    m_list = editor.List();
    Refill(int(m_list.size()) - 1);
}

void COptLibrary::RemoveCurrent()
{
    const int row = m_view->currentRow();
    if (row < 0 || row >= int(m_list.size()))
        return;
    m_list.erase(m_list.begin() + row);
    Refill(row);
}

void COptLibrary::MoveCurrent(int step)
{
    const int row = m_view->currentRow();
    CLibraryListEditor editor(m_list);
    if (!(step < 0 ? editor.MoveUp(row) : editor.MoveDown(row)))
        return;
    m_list = editor.List();
    Refill(row + step);
}

void COptLibrary::Apply()
{
    CLibraryListEditor editor(m_list);
    // A list that did not change is not stored again, but a library that
    // went missing is still made, so that placing parts finds it.
    if (!Changed()) {
        editor.CreateMissing();
        return;
    }
    editor.Apply();
    m_shown = m_list;
}
