// CDlgLibConvert: converts a part library into a text library (type 0) or a
// text library into a part library (type 1).  The names and the type of the
// last successful conversion come back when the dialog opens.
#pragma once

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLineEdit;

class CDlgLibConvert : public QDialog {
    Q_OBJECT

public:
    explicit CDlgLibConvert(QWidget* parent = nullptr);

    // The file dialogs of the browse buttons; tests answer them.  filter is
    // the filter to start with (1 text files, 2 part files, 3 all files) and
    // comes back as the one chosen; an empty name is a Cancel.
    using Chooser = std::function<QString(bool destination, int& filter)>;
    static void SetChooser(Chooser chooser);

    QLineEdit* Source() const { return m_source; }
    QLineEdit* Destination() const { return m_destination; }
    int Type() const;
    void SetType(int type);
    void BrowseSource();
    void BrowseDestination();

    void accept() override;

private:
    QLineEdit* m_source;
    QLineEdit* m_destination;
    QButtonGroup* m_type;
};
