// CDlgMakePart: the names, display switches and package data of a part made
// from a drawing.  OK keeps the dialog open, with the field in question
// focused, while the values would not make a valid part.
#pragma once

#include <QDialog>

#include "items/part.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class CDlgMakePart : public QDialog {
    Q_OBJECT

public:
    CDlgMakePart(const CPartDialogInput& preset, QWidget* parent = nullptr);
    // The values as the dialog left them.
    CPartDialogInput Result() const;
    // The message under the fields (why OK did not close); empty when none.
    QString Problem() const;

    void accept() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_reference;
    QLineEdit* m_value;
    QCheckBox* m_nameDisp;
    QCheckBox* m_referenceDisp;
    QCheckBox* m_valueDisp;
    QSpinBox* m_gates;
    QSpinBox* m_gate;
    QLabel* m_problem;
    CPartDialogInput m_preset;
};
