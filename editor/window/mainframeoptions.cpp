// The Options menu of the main window: the options sheet, the library
// browser of Edit Library and the library conversion.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/settings.h"
#include "base/profile.h"
#include "editor/library/dlglibconvert.h"
#include "editor/library/dlgliblist.h"
#include "editor/options/optionpage.h"
#include "editor/options/optionssheet.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"
#include "editor/window/mainframe.h"

void CMainFrame::CreateOptionsMenus()
{
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->addAction(tr("&Options..."), this, [this] { ShowOptions(); });
    options->addSeparator();
    options->addAction(tr("Edit &Library..."), this, [this] {
        CDlgLibList dialog(CDlgLibList::EditLibrary, this);
        dialog.SetOptionsRunner([this] { return ShowOptions(optpage::kLibrary); });
        dialog.exec();
    });
    options->addAction(tr("Library &Conversion..."), this, [this] {
        CDlgLibConvert dialog(this);
        dialog.exec();
    });
}

bool CMainFrame::ShowOptions(int page)
{
    // A page asked for is shown without changing the page remembered.
    const int remembered = SettingInt("Settings", "EnvPage");
    if (page != 0)
        Profile().WriteInt("Settings", "EnvPage", page);
    COptionsSheet sheet(&m_app, this);
    const bool ok = sheet.exec() == QDialog::Accepted;
    if (page != 0)
        Profile().WriteInt("Settings", "EnvPage", remembered);
    if (!ok)
        return false;
    ApplyOptions();
    if (sheet.LanguageChanged())
        QMessageBox::information(this, QApplication::applicationDisplayName(),
                                 tr("The language changes when Vireo is started next time."));
    return true;
}

void CMainFrame::ApplyOptions()
{
    m_options.Reload();
    m_app.RecentSheets().SetCapacity(SettingInt("Sheet", "FMRU"));
    m_app.RecentProjects().SetCapacity(SettingInt("Sheet", "PMRU"));
    for (CChildFrame* child : Children()) {
        child->RefreshTitle();
        if (CVIREOView* view = child->View())
            view->InvalidateAll();
    }
}

bool CMainFrame::PickLibraryPart(QWidget* parent, CPart& part)
{
    return CDlgLibList::PickPart(parent ? parent : this, part,
                                 [this] { return ShowOptions(optpage::kLibrary); });
}
