// CDlgFileNew: the sheet size and title block of a new document.
#pragma once

#include <QDialog>

class QComboBox;

class CDlgFileNew : public QDialog {
    Q_OBJECT

public:
    explicit CDlgFileNew(QWidget* parent = nullptr);
    // Change size: preset with the document's size and title file.
    CDlgFileNew(int sizeIndex, const QString& titleFile, QWidget* parent = nullptr);

    int SizeIndex() const;
    // The chosen title file; empty for the size's default.
    QString TitleFile() const;

    // The names of the sizes, by index (A2 .. A4 landscape, then portrait).
    static QString SizeName(int index);
    // The title files of the data folder for a size ("*.A2" ... "*.A4P").
    static QStringList TitleFilesFor(int index);

private:
    void FillTitles();
    QComboBox* m_size;
    QComboBox* m_title;
};
