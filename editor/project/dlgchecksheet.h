// CDlgCheckSheet: the Check Sheet options (section CleanSection): the wire
// tidy-up, HTML, viewing the log, last numbers per sheet, missing numbers
// (only while not per sheet) and removing items outside the sheet.
#pragma once

#include <QDialog>

#include "app/checkjob.h"

class QCheckBox;

class CDlgCheckSheet : public QDialog {
    Q_OBJECT

public:
    explicit CDlgCheckSheet(QWidget* parent = nullptr);

    CCheckOptions Options() const;
    // Stores every option before the job runs: the tidy-up reads two of
    // them from the settings itself.
    void accept() override;

    QCheckBox* CleanLine() const { return m_cleanLine; }
    QCheckBox* WireJunc() const { return m_wireJunc; }
    QCheckBox* View() const { return m_view; }
    QCheckBox* Html() const { return m_html; }
    QCheckBox* BySheet() const { return m_bySheet; }
    QCheckBox* Missing() const { return m_missing; }
    QCheckBox* Over() const { return m_over; }

private:
    void UpdateEnabling();

    QCheckBox* m_cleanLine;
    QCheckBox* m_wireJunc;
    QCheckBox* m_view;
    QCheckBox* m_html;
    QCheckBox* m_bySheet;
    QCheckBox* m_missing;
    QCheckBox* m_over;
};
