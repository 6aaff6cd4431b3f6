// CDlgMakeLib: where the selected part is registered - the library file
// (one of the library list, or another chosen), the package name, and the
// properties left out of the library's copy.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class CDlgMakeLib : public QDialog {
    Q_OBJECT

public:
    // libraries: the library list; properties: the property names of the
    // selected parts, offered for dropping.
    CDlgMakeLib(const QString& library, const QString& package, const QStringList& libraries,
                const QStringList& properties, QWidget* parent = nullptr);
    QString Library() const;
    QString Package() const;
    // The properties ticked for dropping.
    QStringList Dropped() const;

private:
    void UpdateOk();
    QComboBox* m_library;
    QLineEdit* m_package;
    QListWidget* m_drop;
    QPushButton* m_ok = nullptr;
};
