#include "editor/library/dlgliblist.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/host.h"
#include "editor/dialogs/partpreview.h"
#include "editor/library/dlggateedit.h"
#include "editor/view/qtstring.h"
#include "library/library.h"
#include "library/librarybrowser.h"
#include "sheet/sheet.h"

namespace {

enum Role { DataRole = Qt::UserRole, KindRole, PathRole, PackageRole };

// The six pictures of the tree, 16 x 15: closed and open library, gate,
// inverted gate, package, package of named gates.
QIcon TreeIcon(int image)
{
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    switch (image) {
    case 0: // closed library: a book
        p.setBrush(QColor(200, 160, 60));
        p.drawRect(2, 2, 11, 11);
        p.drawLine(5, 2, 5, 13);
        break;
    case 1: // open library
        p.setBrush(QColor(240, 210, 120));
        p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(7, 2), QPoint(7, 13), QPoint(1, 12)}));
        p.drawPolygon(QPolygon({QPoint(14, 4), QPoint(8, 2), QPoint(8, 13), QPoint(14, 12)}));
        break;
    case 2: // gate
    case 3: // inverted gate: with a bubble
        p.setBrush(QColor(180, 220, 255));
        p.drawChord(QRect(-4, 2, 16, 11), -90 * 16, 180 * 16);
        p.drawLine(0, 2, 0, 13);
        if (image == 3)
            p.drawEllipse(QPoint(13, 7), 2, 2);
        break;
    case 4: // package: a chip
    case 5: // package of named gates: a chip with a mark
        p.setBrush(image == 5 ? QColor(255, 220, 180) : QColor(220, 220, 220));
        p.drawRect(3, 1, 9, 12);
        for (int y = 3; y <= 11; y += 4) {
            p.drawLine(1, y, 3, y);
            p.drawLine(12, y, 14, y);
        }
        if (image == 5)
            p.drawEllipse(QPoint(7, 4), 1, 1);
        break;
    default:
        break;
    }
    return QIcon(pixmap);
}

} // namespace

CDlgLibList::CDlgLibList(Mode mode, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_filter(new QLineEdit(this)), m_tree(new QTreeWidget(this)),
      m_preview(new CPartPreview(this)), m_destination(new QComboBox(this))
{
    setWindowTitle(mode == EditLibrary ? tr("Edit Library") : tr("Part Library"));
    setObjectName("LibraryBrowser");
    m_filter->setPlaceholderText(tr("Filter by name"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setObjectName("Filter");
    m_tree->setObjectName("LibraryTree");
    m_tree->setHeaderHidden(true);
    m_tree->setIconSize(QSize(16, 15));
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_destination->setObjectName("Destination");

    const auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    m_delete = button(tr("&Delete"), "Delete");
    m_copy = button(tr("&Copy"), "Copy");
    m_move = button(tr("&Move"), "Move");
    m_edit = button(tr("&Part Edit..."), "PartEdit");
    m_options = button(tr("&Options..."), "Options");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    if (mode == EditLibrary) {
        buttons->button(QDialogButtonBox::Cancel)->hide();
        m_ok->setText(tr("Close"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_filter);
    leftLayout->addWidget(m_tree, 1);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(m_preview, 1);
    auto* operations = new QHBoxLayout;
    operations->addWidget(m_delete);
    operations->addWidget(m_edit);
    operations->addWidget(m_options);
    rightLayout->addLayout(operations);
    auto* transfer = new QHBoxLayout;
    transfer->addWidget(new QLabel(tr("To:"), this));
    transfer->addWidget(m_destination, 1);
    transfer->addWidget(m_copy);
    transfer->addWidget(m_move);
    rightLayout->addLayout(transfer);
    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);

    const bool editing = mode == EditLibrary;
    for (QWidget* w : {static_cast<QWidget*>(m_delete), static_cast<QWidget*>(m_copy),
                       static_cast<QWidget*>(m_move), static_cast<QWidget*>(m_destination)})
        w->setVisible(editing);

    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (KindOf(item) == CLibTreeNode::Library) {
            ExpandLibrary(item);
            item->setIcon(0, TreeIcon(1));
        }
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* item) {
        if (KindOf(item) == CLibTreeNode::Library)
            item->setIcon(0, TreeIcon(0));
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CDlgLibList::OnSelectionChanged);
    connect(m_tree, &QTreeWidget::itemChanged, this, &CDlgLibList::OnItemChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (m_mode == Pick && KindOf(item) != CLibTreeNode::Library && m_part)
            accept();
    });
    connect(m_delete, &QPushButton::clicked, this, &CDlgLibList::DeleteSelected);
    connect(m_copy, &QPushButton::clicked, this, [this] { CopySelected(false); });
    connect(m_move, &QPushButton::clicked, this, [this] { CopySelected(true); });
    connect(m_edit, &QPushButton::clicked, this, &CDlgLibList::EditSelected);
    connect(m_options, &QPushButton::clicked, this, &CDlgLibList::RunOptions);
    connect(m_filter, &QLineEdit::textChanged, this, &CDlgLibList::SetFilter);
    // The Delete key on the tree deletes as the button does.
    m_tree->installEventFilter(this);
    m_options->setEnabled(false);
    Rebuild();
    resize(760, 480);
    // The dialog may grow but not shrink below the size it opens with.
    setMinimumSize(560, 360);
}

bool CDlgLibList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (m_mode == EditLibrary && m_delete->isEnabled())
            DeleteSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- the tree -----------------------------------------------------------------------------------

CString CDlgLibList::PathOf(const QTreeWidgetItem* item)
{
    return item ? CString(item->data(0, PathRole).toByteArray().toStdString()) : CString();
}

CString CDlgLibList::PackageOf(const QTreeWidgetItem* item)
{
    return item ? CString(item->data(0, PackageRole).toByteArray().toStdString()) : CString();
}

int CDlgLibList::DataOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, DataRole).toInt() : 0;
}

int CDlgLibList::KindOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, KindRole).toInt() : -1;
}

QTreeWidgetItem* CDlgLibList::AddNode(QTreeWidgetItem* parent, const CLibTreeNode& node)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, ToQString(node.text));
    item->setData(0, DataRole, node.data);
    item->setData(0, KindRole, int(node.kind));
    const CString path =
        node.kind == CLibTreeNode::Library || node.kind == CLibTreeNode::Placeholder
            ? node.path
            : PathOf(parent);
    item->setData(0, PathRole, QByteArray::fromStdString(path.str()));
    if (node.kind == CLibTreeNode::Package) {
        item->setData(0, PackageRole, QByteArray::fromStdString(node.text.str()));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    } else if (node.kind == CLibTreeNode::Gate) {
        item->setData(0, PackageRole, parent->data(0, PackageRole));
    }
    if (node.kind != CLibTreeNode::Placeholder)
        item->setIcon(0, TreeIcon(node.image));
    for (const CLibTreeNode& child : node.children)
        AddNode(item, child);
    return item;
}

void CDlgLibList::Rebuild()
{
    m_building = true;
    m_tree->clear();
    CLibrary library;
    for (const CString& path : library.ReadLibraryList())
        AddNode(nullptr, libtree::LibraryNode(path));
    m_building = false;
    FillDestinations();
    m_part.reset();
    m_preview->SetPart(nullptr);
    UpdateButtons();
    if (!m_filter->text().isEmpty())
        SetFilter(m_filter->text());
}

void CDlgLibList::FillDestinations()
{
    m_destination->clear();
    CLibrary library;
    for (const CString& path : library.ReadLibraryList())
        m_destination->addItem(ToQString(path), QByteArray::fromStdString(path.str()));
}

void CDlgLibList::SetDestination(const CString& path)
{
    const int at = m_destination->findData(QByteArray::fromStdString(path.str()));
    if (at >= 0)
        m_destination->setCurrentIndex(at);
}

QTreeWidgetItem* CDlgLibList::LibraryItem(const CString& path) const
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        if (PathOf(m_tree->topLevelItem(i)) == path)
            return m_tree->topLevelItem(i);
    return nullptr;
}

QTreeWidgetItem* CDlgLibList::PackageItem(const CString& library, const CString& package)
{
    QTreeWidgetItem* lib = LibraryItem(library);
    if (!lib || !ExpandLibrary(lib))
        return nullptr;
    for (int i = 0; i < lib->childCount(); ++i)
        if (PackageOf(lib->child(i)).CompareNoCase(package) == 0)
            return lib->child(i);
    return nullptr;
}

bool CDlgLibList::ExpandLibrary(QTreeWidgetItem* library)
{
    if (library->childCount() > 0 && KindOf(library->child(0)) == CLibTreeNode::Placeholder)
        return ReadLibrary(library);
    return true;
}

bool CDlgLibList::ReadLibrary(QTreeWidgetItem* item)
{
    const CString path = PathOf(item);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CLibrary library;
    library.SetLibraryName(path);
    std::vector<CLibIndexEntry> entries;
    const bool read = library.ReadListing(entries);
    ++m_reads;
    QApplication::restoreOverrideCursor();
    m_building = true;
    qDeleteAll(item->takeChildren());
    if (read) {
        CLibTreeNode node = libtree::LibraryNode(path);
        libtree::Fill(node, entries);
        for (const CLibTreeNode& child : node.children)
            AddNode(item, child);
    }
    m_building = false;
    return read;
}

void CDlgLibList::RefreshLibrary(const CString& path, const CString& select, int gate)
{
    QTreeWidgetItem* lib = LibraryItem(path);
    if (!lib)
        return;
    if (lib->childCount() > 0 && KindOf(lib->child(0)) == CLibTreeNode::Placeholder)
        return; // not read yet: it is read when it opens
    const bool open = lib->isExpanded();
    ReadLibrary(lib);
    lib->setExpanded(open);
    if (!m_filter->text().isEmpty())
        SetFilter(m_filter->text());
    if (select.IsEmpty())
        return;
    for (int i = 0; i < lib->childCount(); ++i) {
        QTreeWidgetItem* package = lib->child(i);
        if (!(PackageOf(package) == select))
            continue;
        QTreeWidgetItem* target = package;
        for (int g = 0; g < package->childCount(); ++g)
            if (DataOf(package->child(g)) / 16 == gate)
                target = package->child(g);
        lib->setExpanded(true);
        Select(target);
        return;
    }
}

bool CDlgLibList::Select(QTreeWidgetItem* item)
{
    if (!item)
        return false;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    m_tree->setCurrentItem(item);
    return m_tree->currentItem() == item;
}

// --- selection and preview ----------------------------------------------------------------------

void CDlgLibList::OnSelectionChanged()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    m_part.reset();
    const int kind = KindOf(item);
    if (kind == CLibTreeNode::Package || kind == CLibTreeNode::Gate) {
        CLibrary library;
        CPart part;
        const int gate = kind == CLibTreeNode::Gate ? DataOf(item) / 16 : 0;
        if (library.GetPart(part, PathOf(item), PackageOf(item), gate)) {
            const CRect r = part.GetBoundingRect();
            part.Offset(CPoint(-std::min(r.left, r.right), -std::min(r.top, r.bottom)));
            m_part = part;
            m_partPackage = PackageOf(item);
        }
    }
    m_preview->SetPart(m_part ? &*m_part : nullptr);
    UpdateButtons();
}

void CDlgLibList::UpdateButtons()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    const int kind = KindOf(item);
    const bool package = kind == CLibTreeNode::Package;
    const bool gate = kind == CLibTreeNode::Gate;
    const bool namedGate = gate && (DataOf(item) & 15) == 1;
    m_delete->setEnabled(m_mode == EditLibrary && (package || namedGate));
    m_copy->setEnabled(m_mode == EditLibrary && package);
    m_move->setEnabled(m_mode == EditLibrary && package);
    m_edit->setEnabled((package || gate) && m_part.has_value());
    if (m_mode == Pick)
        m_ok->setEnabled(m_part.has_value());
}

void CDlgLibList::SetOptionsRunner(std::function<bool()> runner)
{
    m_optionsRunner = std::move(runner);
    m_options->setEnabled(bool(m_optionsRunner));
}

bool CDlgLibList::PickPart(QWidget* parent, CPart& part, std::function<bool()> options)
{
    CDlgLibList dialog(Pick, parent);
    dialog.SetOptionsRunner(std::move(options));
    return dialog.exec() == QDialog::Accepted && dialog.GetPart(part);
}

bool CDlgLibList::GetPart(CPart& part) const
{
    if (!m_part)
        return false;
    part = *m_part;
    part.SetPartName(m_partPackage);
    return true;
}

// --- operations ---------------------------------------------------------------------------------

void CDlgLibList::DeleteSelected()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    const int kind = KindOf(item);
    const CString path = PathOf(item), package = PackageOf(item);
    libbrowser::Result r;
    if (kind == CLibTreeNode::Package)
        r = libbrowser::DeletePackage(path, package);
    else if (kind == CLibTreeNode::Gate && (DataOf(item) & 15) == 1)
        r = libbrowser::DeleteGate(path, package, DataOf(item) / 16);
    else
        return;
    if (r != libbrowser::Result::Done)
        return;
    RefreshLibrary(path, kind == CLibTreeNode::Gate ? package : CString());
    if (kind == CLibTreeNode::Package)
        OnSelectionChanged();
}

void CDlgLibList::CopySelected(bool move)
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (KindOf(item) != CLibTreeNode::Package || m_destination->currentIndex() < 0)
        return;
    const CString source = PathOf(item), package = PackageOf(item);
    const CString destination(m_destination->currentData().toByteArray().toStdString());
    if (destination == source) {
        Host().Message(ToCString(tr("Choose a library other than the package's own.")),
                       CHost::Warning);
        return;
    }
    // The destination is read first, so that its tree shows the result.
    if (QTreeWidgetItem* dest = LibraryItem(destination))
        ExpandLibrary(dest);
    const libbrowser::Result r = libbrowser::CopyPackage(source, destination, package, move);
    if (r == libbrowser::Result::SameLibrary)
        Host().Message(ToCString(tr("Choose a library other than the package's own.")),
                       CHost::Warning);
    if (r != libbrowser::Result::Done)
        return;
    if (move)
        RefreshLibrary(source);
    RefreshLibrary(destination, package);
}

void CDlgLibList::OnItemChanged(QTreeWidgetItem* item, int)
{
    if (m_building || KindOf(item) != CLibTreeNode::Package)
        return;
    const QString text = item->text(0);
    if (text != ToQString(PackageOf(item)))
        RenamePackage(item, text);
}

bool CDlgLibList::RenamePackage(QTreeWidgetItem* item, const QString& newName)
{
    const CString oldName = PackageOf(item);
    const QString trimmed = newName.trimmed();
    const auto restore = [&] {
        m_building = true;
        item->setText(0, ToQString(oldName));
        m_building = false;
    };
    if (trimmed.isEmpty() || trimmed == ToQString(oldName) ||
        !Utf8ToCp932(trimmed.toStdString()).Ok()) {
        restore();
        return false;
    }
    const CString path = PathOf(item);
    const CString name = ToCString(trimmed);
    const libbrowser::Result r = libbrowser::RenamePackage(path, oldName, name);
    if (r == libbrowser::Result::Exists)
        Host().Message(
            ToCString(tr("%1 already holds a package named %2.").arg(ToQString(path), trimmed)),
            CHost::Warning);
    if (r != libbrowser::Result::Done) {
        restore();
        return false;
    }
    // The renamed package is written anew: the library is listed again.
    QTimer::singleShot(0, this, [this, path, name] { RefreshLibrary(path, name); });
    m_building = true;
    item->setData(0, PackageRole, QByteArray::fromStdString(name.str()));
    m_building = false;
    return true;
}

void CDlgLibList::EditSelected()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    const int kind = KindOf(item);
    if (kind != CLibTreeNode::Package && kind != CLibTreeNode::Gate)
        return;
    const CString path = PathOf(item), package = PackageOf(item);
    const int gate = kind == CLibTreeNode::Gate ? DataOf(item) / 16 : 1;
    // The gate is edited as it is stored, so that only what the user changed
    // changes in the library.
    CLibrary library;
    CPart part;
    if (!library.GetPart(part, path, package, gate))
        return;
    const CPart before(part);
    const bool edited = m_partEditor ? m_partEditor(part) : [&] {
        CDlgGateEdit dialog(part, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        part = dialog.Part();
        return true;
    }();
    CPart unchanged(before);
    if (!edited || unchanged.Compare(part))
        return;
    if (libbrowser::WriteBackGate(path, package, gate, part) != libbrowser::Result::Done)
        return;
    RefreshLibrary(path, package, kind == CLibTreeNode::Gate ? gate : 0);
    OnSelectionChanged();
}

void CDlgLibList::RunOptions()
{
    if (!m_optionsRunner)
        return;
    CLibrary library;
    const std::vector<CString> before = library.ReadLibraryList();
    m_optionsRunner();
    if (library.ReadLibraryList() != before)
        Rebuild();
}

void CDlgLibList::SetFilter(const QString& text)
{
    const QString needle = text.trimmed();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* lib = m_tree->topLevelItem(i);
        if (needle.isEmpty()) {
            lib->setHidden(false);
            for (int p = 0; p < lib->childCount(); ++p)
                lib->child(p)->setHidden(false);
            continue;
        }
        ExpandLibrary(lib);
        int shown = 0;
        for (int p = 0; p < lib->childCount(); ++p) {
            QTreeWidgetItem* package = lib->child(p);
            bool match = package->text(0).contains(needle, Qt::CaseInsensitive);
            for (int g = 0; !match && g < package->childCount(); ++g)
                match = package->child(g)->text(0).contains(needle, Qt::CaseInsensitive);
            package->setHidden(!match);
            shown += match ? 1 : 0;
        }
        lib->setHidden(shown == 0);
        if (shown > 0)
            lib->setExpanded(true);
    }
    // A package the filter hides is no longer the one the buttons act on.
    for (QTreeWidgetItem* item = m_tree->currentItem(); item; item = item->parent()) {
        if (item->isHidden()) {
            m_tree->setCurrentItem(nullptr);
            OnSelectionChanged();
            break;
        }
    }
}
