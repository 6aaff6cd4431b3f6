// CDlgMakePartNo: the Part No options - the four modes, the step, the start
// number, the page offset, counting per sheet and the simple Was-Is form,
// each enabled only in the modes that use it - and the Was-Is file.
#pragma once

#include <QDialog>

#include "app/partnumberjob.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CDlgMakePartNo : public QDialog {
    Q_OBJECT

public:
    // wasIsFile: the file modes 2 and 3 use unless the user picks another.
    CDlgMakePartNo(const QString& wasIsFile, QWidget* parent = nullptr);

    CPartNoOptions Options() const;
    QString WasIsFile() const;
    void accept() override;

    QRadioButton* Mode(int mode) const { return m_modes[mode]; }
    QRadioButton* Step(int step) const { return m_steps[step]; }
    QSpinBox* Start() const { return m_start; }
    QSpinBox* PageOffset() const { return m_offset; }
    QCheckBox* EachSheet() const { return m_each; }
    QCheckBox* Simple() const { return m_simple; }
    QLineEdit* FileEdit() const { return m_file; }
    QPushButton* Browse() const { return m_browse; }

private:
    void UpdateEnabling();
    void OnBrowse();

    QButtonGroup* m_modeGroup;
    QRadioButton* m_modes[4];
    QButtonGroup* m_stepGroup;
    QRadioButton* m_steps[2];
    QSpinBox* m_start;
    QSpinBox* m_offset;
    QCheckBox* m_each;
    QCheckBox* m_simple;
    QLineEdit* m_file;
    QPushButton* m_browse;
};
