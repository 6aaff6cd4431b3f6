// CDlgGateEdit: edits one gate of a library package - its name, reference
// and value texts and the number, name and electrical type of each pin - with
// the checks the part dialog makes on OK (names, duplicate pin numbers, one
// name for the power pins).  On OK the pins are sorted and the outline
// recomputed.
#pragma once

#include <QDialog>

#include "items/part.h"

class QLineEdit;
class QTableWidget;

class CDlgGateEdit : public QDialog {
    Q_OBJECT

public:
    CDlgGateEdit(const CPart& part, QWidget* parent = nullptr);
    // The edited gate (valid after OK).
    const CPart& Part() const { return m_part; }

    void accept() override;

private:
    CPart m_part;
    QLineEdit* m_name;
    QLineEdit* m_reference;
    QLineEdit* m_value;
    QTableWidget* m_pins;
};
