// CDlgPartInput: the part to place - its name in the libraries, and the
// reference and value to give it (empty: the library's), with their display
// switches.
#pragma once

#include <QDialog>

#include "app/edit/edithost.h"

class QCheckBox;
class QLineEdit;

class CDlgPartInput : public QDialog {
    Q_OBJECT

public:
    CDlgPartInput(const CPartRequest& preset, QWidget* parent = nullptr);
    // The request as the dialog left it; false when a field holds text a
    // sheet cannot store.
    bool Result(CPartRequest& out) const;

private:
    QLineEdit* m_name;
    QLineEdit* m_reference;
    QLineEdit* m_value;
    QCheckBox* m_nameDisp;
    QCheckBox* m_referenceDisp;
    QCheckBox* m_valueDisp;
};
