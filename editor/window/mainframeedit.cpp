// The Edit and Tool menus and the editing tool bar of the main window.  Every
// entry sends its command id to the active view's editing engine, the same id
// that its key, its pop-up menu entry and a replayed script send.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/edit/editids.h"
#include "app/edit/nethighlight.h"
#include "editor/view/editadapter.h"
#include "editor/view/vireoview.h"
#include "editor/window/childframe.h"
#include "editor/window/mainframe.h"

void CMainFrame::CreateEditMenus()
{
    using namespace editcmd;
    const auto add = [this](QMenu* menu, int id, QKeySequence key = {}) {
        QAction* act = menu->addAction(EditCommandText(id), this, [this, id] {
            if (CVIREOView* view = ActiveView())
                view->Edit().Command(id);
        });
        if (!key.isEmpty())
            act->setShortcut(key);
        m_editActions.insert(id, act);
        return act;
    };
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, kUndo, QKeySequence::Undo);
    add(edit, kRedo, QKeySequence(Qt::CTRL | Qt::Key_Y));
    edit->addSeparator();
    // The clipboard carries items as sheet text between sheets and programs.
    add(edit, kCut, QKeySequence::Cut);
    add(edit, kCopyClipboard, QKeySequence::Copy);
    add(edit, kPaste, QKeySequence::Paste);
    add(edit, kErase);
    edit->addSeparator();
    add(edit, kSelectAll, QKeySequence::SelectAll);
    add(edit, kReselect);
    edit->addSeparator();
    add(edit, kMove);
    add(edit, kCopy);
    add(edit, kMoveAttribute);
    add(edit, kModify);
    add(edit, kFlipHorizontal);
    add(edit, kFlipVertical);
    add(edit, kRotation);
    edit->addSeparator();
    add(edit, kNextGate);
    add(edit, kBeforeGate);
    add(edit, kInvert);
    edit->addSeparator();
    add(edit, kCancel);
    QMenu* tool = menuBar()->addMenu(tr("&Tool"));
    auto* tools = new QActionGroup(this);
    QToolBar* bar = addToolBar(tr("Edit"));
    bar->setObjectName("EditToolBar");
    for (int id : {kWire, kBus, kLine, kPart, kText, kPin, kCurve}) {
        QAction* act = add(tool, id);
        act->setCheckable(true);
        tools->addAction(act);
        bar->addAction(act);
    }
    tool->addSeparator();
    add(tool, kNumbering)->setCheckable(true);
    QMenu* pin = tool->addMenu(tr("Pin &Side"));
    for (int id :
         {kLeftSidePin, kUnderSidePin, kRightSidePin, kUpperSidePin, kClockStyle, kDotStyle})
        add(pin, id)->setCheckable(true);
    bar->addSeparator();
    for (int id : {kUndo, kRedo, kErase, kRotation, kFlipHorizontal, kFlipVertical})
        bar->addAction(m_editActions.value(id));
}

void CMainFrame::CreateChainMenu(QMenu* view)
{
    // Which kinds of line Shift+click takes in chains.
    QMenu* chains = view->addMenu(tr("C&hain Selection"));
    const QString names[3] = {tr("&Wires"), tr("&Buses"), tr("&Lines")};
    for (int k = 0; k < 3; ++k) {
        QAction* act = chains->addAction(names[k]);
        act->setCheckable(true);
        act->setChecked(m_chain[k]);
        connect(act, &QAction::toggled, this, [this, k](bool on) {
            m_chain[k] = on;
            for (CChildFrame* child : Children())
                child->View()->Edit().Engine().SetChainSwitch(k, on);
        });
    }
}

void CMainFrame::UpdateEditCommands()
{
    CVIREOView* view = ActiveView();
    for (auto it = m_editActions.begin(); it != m_editActions.end(); ++it) {
        const int id = it.key();
        QAction* act = it.value();
        if (!view) {
            act->setEnabled(false);
            continue;
        }
        const CEditEngine& engine = view->Edit().Engine();
        act->setEnabled(engine.IsCommandEnabled(id));
        if (act->isCheckable())
            act->setChecked(engine.IsCommandChecked(id));
    }
}

void CMainFrame::ShowNetsOnOtherSheets(CVIREOView* view)
{
    // The window keeps no project of its own: every other open sheet stands
    // for the project's sheets.
    for (CChildFrame* child : Children()) {
        CVIREOView* other = child->View();
        if (!other || other == view)
            continue;
        std::vector<CString> names = view->Edit().ProjectNets();
        CNetHighlight::ByNames(other->Document(), names);
        other->InvalidateAll();
    }
}
