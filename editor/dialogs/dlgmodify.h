// CDlgModify: the Modify dialog of the selected items, built from the fields
// of their form (text fields, switches and numbers).  With several items a
// text field reads "***" and a switch stands half checked where the items
// differ; only the fields the user changed are handed back.
#pragma once

#include <QDialog>
#include <QList>

#include "app/edit/modifyfields.h"

class QCheckBox;
class QLineEdit;

class CDlgModify : public QDialog {
    Q_OBJECT

public:
    CDlgModify(const QString& title, const std::vector<CModifyFieldValue>& fields,
               QWidget* parent = nullptr);
    // The fields the user changed, as FIELD=VALUE pairs.
    CModifyFields Changed() const;

private:
    struct Row {
        CModifyFieldValue field;
        QLineEdit* edit = nullptr;
        QCheckBox* check = nullptr;
    };
    QList<Row> m_rows;
};
