// CDlgLibList: the library browser.  A tree of the listed libraries, their
// packages and the gates of multi-gate packages, read from each library's
// index when a library is first opened; a preview of the selected gate; and
// the operations on packages: pick one to place, delete a package or a named
// gate, copy or move a package to another library, rename it (F2 or a click
// on the selected name), edit a gate, open the library options.  The filter
// above the tree shows only the packages whose name holds its text, across
// every library.
//
// Two modes: Pick (the Part tool's Browse: OK takes the selected part) and
// EditLibrary (the Edit Library command: the changing operations are on and
// the dialog only closes).
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "base/string.h"
#include "items/part.h"
#include "library/librarytree.h"

class CPartPreview;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CDlgLibList : public QDialog {
    Q_OBJECT

public:
    enum Mode { Pick, EditLibrary };
    explicit CDlgLibList(Mode mode, QWidget* parent = nullptr);

    // The Options button: opens the library option page; true on OK.
    void SetOptionsRunner(std::function<bool()> runner);
    // The gate editor of Part Edit (tests answer it); true when the gate was changed.
    using PartEditor = std::function<bool(CPart& gate)>;
    void SetPartEditor(PartEditor editor) { m_partEditor = std::move(editor); }

    // The picked part with its part name set to the package name.
    bool GetPart(CPart& part) const;
    // The browser as a picker (the Part tool's Browse): false when nothing
    // was picked.  options opens the library option page (may be empty).
    static bool PickPart(QWidget* parent, CPart& part, std::function<bool()> options = {});

    // --- the operations, as the buttons run them ----------------------------------------------
    QTreeWidget* Tree() const { return m_tree; }
    // The library node of a path (CP932), or null.
    QTreeWidgetItem* LibraryItem(const CString& path) const;
    // The package node of a package in a library (reading the library first), or null.
    QTreeWidgetItem* PackageItem(const CString& library, const CString& package);
    bool Select(QTreeWidgetItem* item);
    bool ExpandLibrary(QTreeWidgetItem* library);
    void DeleteSelected();
    // Copies or moves the selected package to the library chosen in the list.
    void CopySelected(bool move);
    void SetDestination(const CString& path);
    // Renames a package node; false (and the old name shown) when refused.
    bool RenamePackage(QTreeWidgetItem* item, const QString& newName);
    void EditSelected();
    void RunOptions();
    void SetFilter(const QString& text);
    // How many times a library was read from disk (tests: once per library).
    int ReadCount() const { return m_reads; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void FillDestinations();
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const CLibTreeNode& node);
    bool ReadLibrary(QTreeWidgetItem* library);
    // Reads a library again after a change, keeping the selection on package.
    void RefreshLibrary(const CString& path, const CString& select = CString(), int gate = 0);
    void OnSelectionChanged();
    void OnItemChanged(QTreeWidgetItem* item, int column);
    void UpdateButtons();
    static CString PathOf(const QTreeWidgetItem* item);
    static CString PackageOf(const QTreeWidgetItem* item);
    static int DataOf(const QTreeWidgetItem* item);
    static int KindOf(const QTreeWidgetItem* item);

    Mode m_mode;
    QLineEdit* m_filter;
    QTreeWidget* m_tree;
    CPartPreview* m_preview;
    QComboBox* m_destination;
    QPushButton* m_delete;
    QPushButton* m_copy;
    QPushButton* m_move;
    QPushButton* m_edit;
    QPushButton* m_options;
    QPushButton* m_ok;
    std::optional<CPart> m_part; // the preview part, moved to start at 0, 0
    CString m_partPackage;
    std::function<bool()> m_optionsRunner;
    PartEditor m_partEditor;
    bool m_building = false;
    int m_reads = 0;
};
