// CDlgMakeWireNet: the Net Index options (names on one sheet too, a line per
// sheet with the name's position, HTML, view the file), section Tool.
#pragma once

#include <QDialog>

#include "app/netindexjob.h"

class QCheckBox;

class CDlgMakeWireNet : public QDialog {
    Q_OBJECT

public:
    explicit CDlgMakeWireNet(QWidget* parent = nullptr);

    CNetIndexOptions Options() const;
    void accept() override;

    QCheckBox* Single() const { return m_single; }
    QCheckBox* Xy() const { return m_xy; }
    QCheckBox* Html() const { return m_html; }
    QCheckBox* View() const { return m_view; }

private:
    QCheckBox* m_single;
    QCheckBox* m_xy;
    QCheckBox* m_html;
    QCheckBox* m_view;
};
