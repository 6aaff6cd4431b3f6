// CDlgProject: chooses the current project and edits its list of sheets -
// order, which sheets take part, adding and removing - and opens sheets.
//
// The rules of OK (no project, ".dpj" added, the history rebuilt) are the
// core's; this is the window around them.
#pragma once

#include <QDialog>
#include <QListWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class CVIREOApp;

// The sheet list: checkable entries, reordered by dragging, and sheet files
// dropped from a file manager are added.
class CSheetListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit CSheetListWidget(QWidget* parent = nullptr);
    void AddSheet(const QString& path, bool checked);

signals:
    void Changed();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class CDlgProject : public QDialog {
    Q_OBJECT

public:
    explicit CDlgProject(CVIREOApp& app, QWidget* parent = nullptr);

    QComboBox* ProjectCombo() const { return m_combo; }
    CSheetListWidget* SheetList() const { return m_list; }
    // The sheets as listed, with their check states.
    QList<QPair<QString, bool>> Sheets() const;
    // Shows the sheets of a project file (nothing for a missing one).
    void LoadProject(const QString& path);

    // Close: the core's OK rules; the dialog closes unless the user chose
    // to go back.
    void accept() override;

signals:
    // Open these sheets now (the dialog stays).
    void OpenSheets(const QStringList& sheets);

private:
    void OnProjectChosen();
    void OnBrowse();
    void OnAdd();
    void MoveCurrent(int to);
    void UpdateButtons();
    QStringList Collect(bool onlyChecked, bool onlySelected) const;

    CVIREOApp& m_app;
    QComboBox* m_combo;
    CSheetListWidget* m_list;
    QCheckBox* m_revOpen;
    QPushButton *m_open, *m_openAll, *m_openChecked, *m_add, *m_remove;
    QPushButton *m_up, *m_down, *m_top, *m_bottom, *m_checkAll;
    QString m_previous;
};
