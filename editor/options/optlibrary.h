// COptLibrary: the list of part libraries - add (several files at once),
// remove, up and down.  OK creates the listed libraries that do not exist,
// and, when the list was changed, warns about an empty list and stores it.
#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "base/string.h"
#include "editor/options/optionpage.h"

class QListWidget;

class COptLibrary : public COptionPage {
    Q_OBJECT

public:
    explicit COptLibrary(QWidget* parent = nullptr);

    // The file dialog of Add; tests answer it.
    using Chooser = std::function<QStringList()>;
    static void SetChooser(Chooser chooser);

    void Apply() override;
    // The list as the page holds it (CP932 names).
    const std::vector<CString>& List() const { return m_list; }
    bool Changed() const { return m_list != m_shown; }

    void Add(const QStringList& paths);
    void RemoveCurrent();
    void MoveCurrent(int step);

private:
    void Refill(int current);
    QListWidget* m_view;
    std::vector<CString> m_list;
    std::vector<CString> m_shown;
};
