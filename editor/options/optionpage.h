// COptionPage: one page of the options sheet.  A page shows the values of
// the settings store when it is made, keeps what the user changes to itself,
// and writes only the values that differ from what it showed when the sheet
// is closed with OK.  Cancel simply lets the page go.
#pragma once

#include <QWidget>

class COptionPage : public QWidget {
    Q_OBJECT

public:
    // id: the page's number, kept in Settings/EnvPage for the next opening.
    COptionPage(int id, const QString& title, QWidget* parent = nullptr)
        : QWidget(parent), m_id(id), m_title(title)
    {
    }
    int Id() const { return m_id; }
    const QString& Title() const { return m_title; }

    // False (after telling the user why) when a value cannot be stored.
    virtual bool CanApply() { return true; }
    // Writes the changed values to the settings store.
    virtual void Apply() = 0;

private:
    int m_id;
    QString m_title;
};

// The page numbers.
namespace optpage {
constexpr int kSave = 155, kSheet = 156, kTool = 157, kDefault = 158, kCopy = 159, kLine = 160,
              kPrint = 161, kColor = 162, kLibrary = 163;
} // namespace optpage
