// COptionsSheet: the options of the program, one page per settings section
// (save, sheet, tool, initial settings, copy and edit, line input, print,
// colour, library).  OK stores what the pages changed, in one update of the
// settings store; Cancel stores nothing.  The page shown at OK is kept in
// Settings/EnvPage and shown first next time.  Export and Import carry the whole settings store as
// the INI text the program keeps it in.
#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class CVIREOApp;
class COptionPage;
class QTabWidget;

class COptionsSheet : public QDialog {
    Q_OBJECT

public:
    explicit COptionsSheet(CVIREOApp* app, QWidget* parent = nullptr);

    // The file dialogs of Export (save true) and Import; tests answer them.
    // An empty name is a Cancel.
    using Chooser = std::function<QString(bool save)>;
    static void SetChooser(Chooser chooser);

    QList<COptionPage*> Pages() const { return m_pages; }
    COptionPage* Page(int id) const;
    COptionPage* CurrentPage() const;
    void ShowPage(int id);

    // Writes the store to a file / reads it from one (with the messages).
    bool Export();
    bool Import();
    // True when Import replaced values: the pages' values are stale, and OK
    // only closes.
    bool Imported() const { return m_imported; }
    // The language setting changed with OK.
    bool LanguageChanged() const { return m_languageChanged; }

    void accept() override;

private:
    QTabWidget* m_tabs;
    QList<COptionPage*> m_pages;
    bool m_imported = false;
    bool m_languageChanged = false;
};
