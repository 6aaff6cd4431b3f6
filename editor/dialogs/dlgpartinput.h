// CDlgPartInput: the part to place - its name in the libraries, and the
// reference and value to give it (empty: the library's), with their display
// switches.  The name field lists the recently placed parts and completes
// from every name the libraries answer to; the chosen part is drawn beside
// the fields before it is placed.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/edit/edithost.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class CPartPreview;
class CSheet;

// What the dialog offers besides the request: the recent part names (newest
// first), every library part name for completion, and the lookup that
// gives a name's gates for the preview.
struct CPartChoices {
    std::vector<CString> recent;
    std::vector<CString> names;
    std::function<bool(const CString& name, CSheet& gates)> lookup;
    // The library browser as a picker: the chosen part's name, false when
    // nothing was picked.  Without it the dialog has no Browse button.
    std::function<bool(QWidget* parent, CString& name)> browse;
};

class CDlgPartInput : public QDialog {
    Q_OBJECT

public:
    CDlgPartInput(const CPartRequest& preset, const CPartChoices& choices = {},
                  QWidget* parent = nullptr);
    // The request as the dialog left it; false when a field holds text a
    // sheet cannot store.
    bool Result(CPartRequest& out) const;
    // The preview shows a part (the name was found).
    bool HasPreview() const;
    // Draws the part the name field names now (else clears the preview).
    void UpdatePreview();

private:
    QComboBox* m_name;
    QLineEdit* m_reference;
    QLineEdit* m_value;
    QCheckBox* m_nameDisp;
    QCheckBox* m_referenceDisp;
    QCheckBox* m_valueDisp;
    CPartPreview* m_preview;
    QTimer m_previewTimer;
    CPartChoices m_choices;
};
