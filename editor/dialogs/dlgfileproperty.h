// CDlgFileProperty: the document's author and comment, its sheet size and
// title block, with the file version it was read in.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

class CDlgFileProperty : public QDialog {
    Q_OBJECT

public:
    CDlgFileProperty(const QString& author, const QString& comment, int sizeIndex,
                     const QString& titleFile, int version, QWidget* parent = nullptr);
    QString Author() const;
    QString Comment() const;
    int SizeIndex() const;
    // The chosen title file; empty for the size's default.
    QString TitleFile() const;

private:
    void FillTitles(const QString& preferred);
    QLineEdit* m_author;
    QLineEdit* m_comment;
    QComboBox* m_size;
    QComboBox* m_title;
};
