// CDlgMakeNet: the Net List options - the format, the report and how it is
// written, the component file of the formats that have one, the net start
// number and the board property - loaded from and stored to section Tool.
#pragma once

#include <QDialog>

#include "app/netlistjob.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

class CDlgMakeNet : public QDialog {
    Q_OBJECT

public:
    explicit CDlgMakeNet(QWidget* parent = nullptr);

    // The options as the controls show them.
    CNetlistOptions Options() const;
    // OK: refuses (message, dialog stays) what the options check refuses;
    // otherwise stores every option.
    void accept() override;

    QComboBox* Format() const { return m_format; }
    QCheckBox* Report() const { return m_report; }
    QCheckBox* Html() const { return m_html; }
    QCheckBox* Unix() const { return m_unix; }
    QCheckBox* View() const { return m_view; }
    QCheckBox* Power() const { return m_power; }
    QCheckBox* Component() const { return m_compo; }
    QLineEdit* Extension() const { return m_ext; }
    QSpinBox* StartNo() const { return m_start; }
    QLineEdit* Pcb() const { return m_pcb; }
    QCheckBox* NodeUpper() const { return m_nodeUpper; }
    QCheckBox* NetUpper() const { return m_netUpper; }

private:
    void UpdateEnabling();

    bool m_hasTemplate;
    QComboBox* m_format;
    QCheckBox* m_report;
    QCheckBox* m_html;
    QCheckBox* m_unix;
    QCheckBox* m_view;
    QCheckBox* m_power;
    QCheckBox* m_compo;
    QLineEdit* m_ext;
    QSpinBox* m_start;
    QLineEdit* m_pcb;
    QCheckBox* m_nodeUpper;
    QCheckBox* m_netUpper;
};
