// CDlgFind: the search string (with the history of the last 16) and the
// options of Find.
#pragma once

#include <QDialog>

#include "app/edit/findoptions.h"

class QCheckBox;
class QComboBox;

class CDlgFind : public QDialog {
    Q_OBJECT

public:
    CDlgFind(const CFindOptions& options, QWidget* parent = nullptr);

    // The options as the dialog left them (the string on top of the history).
    const CFindOptions& Options() const { return m_options; }
    // Sets the string field (tests, scripted runs).
    void SetSearchText(const QString& text);

    void accept() override;

private:
    CFindOptions m_options;
    QComboBox* m_text;
    QCheckBox* m_kinds[8];
    QCheckBox* m_matchCase;
    QCheckBox* m_word;
    QCheckBox* m_hide;
    QCheckBox* m_allSheet;
    QCheckBox* m_selectItem;
};
