// CDlgPDF: the PDF conversion - the output file (with Browse), title,
// subtitle and author, the page set-up, what to convert (the project or the
// open sheets, or the active sheet only; with a project also the sheets
// that do not take part) and viewing the file.  Section PDF.
#pragma once

#include <QDialog>

#include "app/pdfjob.h"

class QCheckBox;
class QSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CDlgPDF : public QDialog {
    Q_OBJECT

public:
    // output: the suggested file; title, subtitle: the project's properties.
    CDlgPDF(const QString& output, const QString& title, const QString& subtitle, bool hasProject,
            QWidget* parent = nullptr);

    CPdfJobOptions Options() const;
    QString OutputFile() const;
    bool ActiveSheetOnly() const;
    bool ViewFile() const;
    // OK: an output name is required; an existing file is overwritten only
    // after Yes; the scale must be a number from 0.01 to 100.
    void accept() override;

    QLineEdit* Output() const { return m_output; }
    QLineEdit* Title() const { return m_title; }
    QLineEdit* Subtitle() const { return m_subtitle; }
    QLineEdit* Author() const { return m_author; }
    QCheckBox* TitleInclude() const { return m_titleInclude; }
    QSpinBox* Up() const { return m_up; }
    QSpinBox* Left() const { return m_left; }
    QLineEdit* Scale() const { return m_scale; }
    QRadioButton* Project() const { return m_project; }
    QRadioButton* Active() const { return m_active; }
    QCheckBox* AllFiles() const { return m_all; }
    QCheckBox* Background() const { return m_back; }
    QCheckBox* Color() const { return m_color; }
    QCheckBox* View() const { return m_view; }

private:
    void UpdateEnabling();

    bool m_hasProject;
    QLineEdit* m_output;
    QPushButton* m_browse;
    QLineEdit* m_title;
    QLineEdit* m_subtitle;
    QLineEdit* m_author;
    QCheckBox* m_titleInclude;
    QSpinBox* m_up;
    QSpinBox* m_left;
    QLineEdit* m_scale;
    QRadioButton* m_project;
    QRadioButton* m_active;
    QCheckBox* m_all;
    QCheckBox* m_back;
    QCheckBox* m_color;
    QCheckBox* m_view;
};
