// CDlgMakePartList: the Part List options - the project's drawing number,
// product name and quantity (kept in the project file), the count column,
// the forced listing of NOPARTLIST parts and the property columns.
#pragma once

#include <QDialog>
#include <filesystem>

#include "app/partlistjob.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

class CDlgMakePartList : public QDialog {
    Q_OBJECT

public:
    // project: the current project (empty: none, the project values are
    // then only for this run).
    explicit CDlgMakePartList(const std::filesystem::path& project, QWidget* parent = nullptr);

    CPartListOptions Options() const;
    // OK stores the Tool settings and the project values that changed.
    void accept() override;

    QLineEdit* SheetNo() const { return m_sheetNo; }
    QLineEdit* SetName() const { return m_setName; }
    QSpinBox* Quantity() const { return m_quantity; }
    QCheckBox* Count() const { return m_count; }
    QCheckBox* Force() const { return m_force; }
    QLineEdit* Properties() const { return m_properties; }

private:
    std::filesystem::path m_project;
    QLineEdit* m_sheetNo;
    QLineEdit* m_setName;
    QSpinBox* m_quantity;
    QCheckBox* m_count;
    QCheckBox* m_force;
    QLineEdit* m_properties;
};
