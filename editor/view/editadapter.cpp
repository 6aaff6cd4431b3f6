#include "editor/view/editadapter.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/edit/documentcommands.h"
#include "app/edit/partnames.h"
#include "app/edit/recentparts.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "editor/dialogs/dlgfind.h"
#include "editor/dialogs/dlgmakelib.h"
#include "editor/dialogs/dlgmakepart.h"
#include "editor/dialogs/dlgmodify.h"
#include "editor/dialogs/dlgpartinput.h"
#include "editor/view/qtdc.h"
#include "editor/view/qtstring.h"
#include "editor/view/vireoview.h"
#include "items/text.h"
#include "library/library.h"

QString EditCommandText(int id)
{
    using namespace editcmd;
    switch (id) {
    case kWire:
        return CEditAdapter::tr("&Wire");
    case kBus:
        return CEditAdapter::tr("&Bus");
    case kLine:
        return CEditAdapter::tr("&Line");
    case kPart:
        return CEditAdapter::tr("&Part");
    case kText:
        return CEditAdapter::tr("&Text");
    case kPin:
        return CEditAdapter::tr("P&in");
    case kCurve:
        return CEditAdapter::tr("&Curve");
    case kMove:
        return CEditAdapter::tr("&Move");
    case kCopy:
        return CEditAdapter::tr("C&opy");
    case kMoveAttribute:
        return CEditAdapter::tr("Move &Attribute");
    case kModify:
        return CEditAdapter::tr("Mo&dify");
    case kErase:
        return CEditAdapter::tr("&Erase");
    case kCut:
        return CEditAdapter::tr("Cu&t");
    case kCopyClipboard:
        return CEditAdapter::tr("&Copy to Clipboard");
    case kPaste:
        return CEditAdapter::tr("&Paste");
    case kCancel:
        return CEditAdapter::tr("C&ancel");
    case kFlipHorizontal:
        return CEditAdapter::tr("Flip &Horizontal");
    case kFlipVertical:
        return CEditAdapter::tr("Flip &Vertical");
    case kRotation:
        return CEditAdapter::tr("&Rotation");
    case kInvert:
        return CEditAdapter::tr("&Invert");
    case kNextGate:
        return CEditAdapter::tr("&Next Gate");
    case kBeforeGate:
        return CEditAdapter::tr("&Before Gate");
    case kClockStyle:
        return CEditAdapter::tr("&Clock");
    case kDotStyle:
        return CEditAdapter::tr("&Dot");
    case kLeftSidePin:
        return CEditAdapter::tr("&Left Side");
    case kUnderSidePin:
        return CEditAdapter::tr("&Under Side");
    case kRightSidePin:
        return CEditAdapter::tr("&Right Side");
    case kUpperSidePin:
        return CEditAdapter::tr("U&pper Side");
    case kSelectAll:
        return CEditAdapter::tr("Select &All");
    case kReselect:
        return CEditAdapter::tr("Re-&select");
    case kUndo:
        return CEditAdapter::tr("&Undo");
    case kRedo:
        return CEditAdapter::tr("&Redo");
    case kMakePart:
        return CEditAdapter::tr("Make Pa&rt");
    case kDecompose:
        return CEditAdapter::tr("Part Deco&mposition");
    case kResetReference:
        return CEditAdapter::tr("Reset Part Re&ference");
    case kDescend:
        return CEditAdapter::tr("Desce&nd");
    case kAscend:
        return CEditAdapter::tr("Asc&end");
    case kLibrary:
        return CEditAdapter::tr("Li&brary");
    case kNumbering:
        return CEditAdapter::tr("N&umbering Reference");
    case kCleanUp:
        return CEditAdapter::tr("C&lean Up");
    default:
        return QString::number(id);
    }
}

CEditAdapter::CEditAdapter(CVIREOView& view)
    : m_view(view), m_engine(std::make_unique<CEditEngine>(view.Document(), *this))
{
}

CEditAdapter::~CEditAdapter() = default;

void CEditAdapter::SyncMapping()
{
    // The grid is the view's (G, Space and the View menu switch it).
    m_engine->SetGridPitch(m_view.Options().gridPitch);
    const double scale = m_view.DeviceMapping().scale;
    CViewMapping m;
    m.unitsPerPixel = scale > 0 ? 1.0 / scale : 1.0;
    m_engine->SetMapping(m);
}

CPoint CEditAdapter::SheetPoint(const QPointF& pos) const
{
    return m_view.ClientToSheet(pos);
}

int CEditAdapter::Flags(Qt::MouseButton button, Qt::KeyboardModifiers mods) const
{
    int flags = 0;
    if (button == Qt::LeftButton)
        flags |= editflag::kLeft;
    else if (button == Qt::RightButton)
        flags |= editflag::kRight;
    else if (button == Qt::MiddleButton)
        flags |= editflag::kMiddle;
    if (mods & Qt::ShiftModifier)
        flags |= editflag::kShift;
    if (mods & Qt::ControlModifier)
        flags |= editflag::kCtrl;
    return flags;
}

bool CEditAdapter::MousePress(QMouseEvent* event)
{
    const int flags = Flags(event->button(), event->modifiers());
    if (!(flags & (editflag::kLeft | editflag::kRight | editflag::kMiddle)))
        return false;
    SyncMapping();
    m_engine->Press(SheetPoint(event->position()), flags);
    return true;
}

bool CEditAdapter::MouseRelease(QMouseEvent* event)
{
    const int flags = Flags(event->button(), event->modifiers());
    if (!(flags & (editflag::kLeft | editflag::kRight | editflag::kMiddle)))
        return false;
    SyncMapping();
    m_engine->Release(SheetPoint(event->position()), flags);
    emit EditStateChanged();
    return true;
}

void CEditAdapter::MouseMove(QMouseEvent* event)
{
    SyncMapping();
    m_engine->Move(SheetPoint(event->position()), Flags(Qt::NoButton, event->modifiers()));
}

void CEditAdapter::CursorMoved(const CPoint& sheetPoint)
{
    // The keys may have switched the grid since the last mouse event.
    SyncMapping();
    m_engine->Move(sheetPoint, 0);
}

bool CEditAdapter::Key(QKeyEvent* event)
{
    int code = 0;
    const int k = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (keypad && k >= Qt::Key_1 && k <= Qt::Key_9)
        code = editkey::kNum1 + (k - Qt::Key_1);
    else if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        code = k; // Qt's codes of letters and digits are their upper-case ASCII
    else if (k == Qt::Key_Plus || k == Qt::Key_Minus || k == Qt::Key_Slash)
        code = k;
    else {
        switch (k) {
        case Qt::Key_Backspace:
            code = editkey::kBackspace;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = editkey::kEnter;
            break;
        case Qt::Key_Escape:
            code = editkey::kEscape;
            break;
        case Qt::Key_Delete:
            code = editkey::kDelete;
            break;
        case Qt::Key_Menu:
            code = editkey::kApplication;
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (!(event->modifiers() & Qt::ShiftModifier))
                return false; // the view zooms
            code = k == Qt::Key_PageUp ? editkey::kPageUp : editkey::kPageDown;
            break;
        case Qt::Key_F5:
            code = editkey::kF5;
            break;
        case Qt::Key_F6:
            code = editkey::kF6;
            break;
        case Qt::Key_F7:
            code = editkey::kF7;
            break;
        case Qt::Key_F9:
            code = editkey::kF9;
            break;
        default:
            return false;
        }
    }
    // G and the grid keys are the view's; Ctrl+letters are menu shortcuts.
    if (k == Qt::Key_G || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if ((event->modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return false;
    int mods = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        mods |= editflag::kShift;
    if (event->modifiers() & Qt::ControlModifier)
        mods |= editflag::kCtrl;
    SyncMapping();
    m_engine->Key(code, mods);
    emit EditStateChanged();
    return true;
}

bool CEditAdapter::Wheel(QWheelEvent* event)
{
    int mods = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        mods |= editflag::kShift;
    if (event->modifiers() & Qt::ControlModifier)
        mods |= editflag::kCtrl;
    if (event->buttons() != Qt::NoButton)
        return false;
    const bool taken = m_engine->Wheel(event->angleDelta().y(), mods);
    if (taken)
        emit EditStateChanged();
    return taken;
}

void CEditAdapter::Command(int id)
{
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    m_engine->Command(id, (held & Qt::ShiftModifier) ? editflag::kShift : 0);
    emit EditStateChanged();
}

void CEditAdapter::Replay(const std::vector<CScriptEvent>& events)
{
    m_replaying = true;
    SyncMapping();
    RunEditScript(*m_engine, events, m_answers);
    m_replaying = false;
    emit EditStateChanged();
}

// --- drawing
// --------------------------------------------------------------------------------------

QRect CEditAdapter::OverlayPixels() const
{
    QRect pixels;
    const CSheet& sel = m_view.Document().SelectionSheet();
    const CDeviceMapping map = m_view.DeviceMapping();
    if (sel.GetItemCount() != 0)
        pixels = map.Map(sel.GetBoundingRect().Normalized()).toAlignedRect();
    const CRect& box = m_engine->SelectBox();
    if (!box.IsRectNull())
        pixels |= map.Map(box).toAlignedRect();
    // Pen widths, arrow heads and text descents reach a little further.
    return pixels.isNull() ? pixels : pixels.adjusted(-8, -8, 8, 8);
}

void CEditAdapter::OverlayChanged()
{
    // Only the union of where the overlay was and where it is now.
    const QRect now = OverlayPixels();
    const QRect area = m_overlay | now;
    m_overlay = now;
    if (!area.isNull())
        m_view.viewport()->update(area);
}

void CEditAdapter::DrawOverlay(QPainter& painter)
{
    const CSheet& sel = m_view.Document().SelectionSheet();
    const CDeviceMapping map = m_view.DeviceMapping();
    if (sel.GetItemCount() != 0) {
        CQtDC dc(painter, map, QRectF(m_view.viewport()->rect()));
        const_cast<CSheet&>(sel).DrawSheet(dc, m_view.DrawContext(), true);
    }
    const CRect& box = m_engine->SelectBox();
    if (!box.IsRectNull()) {
        painter.save();
        QPen pen(Qt::white, 0);
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.drawRect(map.Map(box));
        painter.restore();
    }
}

// --- host
// -----------------------------------------------------------------------------------------

void CEditAdapter::Repaint(const CRect& area)
{
    m_view.InvalidateSheetRect(area.Normalized());
}

void CEditAdapter::Status(int pane, const std::string& text)
{
    m_view.ShowEditStatus(pane, QString::fromStdString(text));
}

int CEditAdapter::PopupMenu(const std::string& name, const std::vector<CMenuEntry>& entries)
{
    if (m_replaying || !m_answers.Empty()) {
        CScriptEditHost scripted(m_answers);
        return scripted.PopupMenu(name, entries);
    }
    QMenu menu(QString::fromStdString(name), &m_view);
    for (const CMenuEntry& e : entries) {
        if (e.command == 0) {
            menu.addSeparator();
            continue;
        }
        const int jump = e.command - editcmd::kNetJumpFirst;
        const bool isJump = e.command >= editcmd::kNetJumpFirst &&
                            e.command <= editcmd::kNetJumpLast && jump < m_jumpLabels.size();
        QAction* a = menu.addAction(isJump ? QString("&%1 %2").arg(jump + 1).arg(m_jumpLabels[jump])
                                           : EditCommandText(e.command));
        a->setData(e.command);
        a->setEnabled(e.enabled);
        a->setCheckable(e.checked);
        a->setChecked(e.checked);
    }
    QAction* chosen = menu.exec(QCursor::pos());
    return chosen ? chosen->data().toInt() : 0;
}

bool CEditAdapter::InputText(CText& text)
{
    if (m_replaying || !m_answers.Empty()) {
        CScriptEditHost scripted(m_answers);
        return scripted.InputText(text);
    }
    bool ok = false;
    const QString s = QInputDialog::getText(&m_view, tr("Text"), tr("Text:"), QLineEdit::Normal,
                                            ToQString(text.GetName()), &ok);
    if (!ok || s.isEmpty())
        return false;
    const CodepageResult cp = Utf8ToCp932(s.toStdString());
    if (!cp.Ok()) {
        QMessageBox::warning(&m_view, tr("Text"),
                             tr("The text holds characters that a sheet cannot store."));
        return false;
    }
    text.SetName(CString(cp.text));
    return true;
}

bool CEditAdapter::InputPart(CPartRequest& request)
{
    if (m_replaying || !m_answers.Empty()) {
        CScriptEditHost scripted(m_answers);
        return scripted.InputPart(request);
    }
    CPartChoices choices;
    choices.recent = CRecentParts::Load();
    choices.names = LibraryPartNames(m_engine->DocCommands().Libraries());
    choices.lookup = [this](const CString& name, CSheet& gates) {
        return m_engine->FindPart(name, gates);
    };
    if (m_libraryPicker)
        choices.browse = [this](QWidget* parent, CString& name) {
            CPart part;
            if (!m_libraryPicker(parent, part))
                return false;
            name = part.GetPartName();
            return true;
        };
    CDlgPartInput dialog(request, choices, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!dialog.Result(request)) {
        QMessageBox::warning(&m_view, tr("Part"),
                             tr("The text holds characters that a sheet cannot store."));
        return false;
    }
    return true;
}

namespace {

// The Modify dialog on a form; false for Cancel or input the form cannot
// take (said in a message, nothing changes).
template <class Form> bool RunModifyDialog(QWidget* parent, const QString& title, Form& form)
{
    CDlgModify dialog(title, ModifyFieldValues(form), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    std::string error;
    if (!ApplyModifyFields(dialog.Changed(), form, error)) {
        QMessageBox::warning(parent, title, QString::fromStdString(error));
        return false;
    }
    return true;
}

} // namespace

bool CEditAdapter::ModifyLine(CLineEditForm& form)
{
    if (m_replaying || !m_answers.Empty())
        return CScriptEditHost(m_answers).ModifyLine(form);
    return RunModifyDialog(&m_view, tr("Line"), form);
}

bool CEditAdapter::ModifyPart(CPartEditForm& form)
{
    if (m_replaying || !m_answers.Empty())
        return CScriptEditHost(m_answers).ModifyPart(form);
    return RunModifyDialog(&m_view, tr("Part"), form);
}

bool CEditAdapter::ModifyPin(CPinEditForm& form)
{
    if (m_replaying || !m_answers.Empty())
        return CScriptEditHost(m_answers).ModifyPin(form);
    return RunModifyDialog(&m_view, tr("Pin"), form);
}

bool CEditAdapter::ModifyText(CTextEditForm& form)
{
    if (m_replaying || !m_answers.Empty())
        return CScriptEditHost(m_answers).ModifyText(form);
    return RunModifyDialog(&m_view, tr("Text"), form);
}

void CEditAdapter::HighlightProjectNets(const std::vector<CString>& names)
{
    m_projectNets = names;
    emit ProjectNetsChanged();
}

void CEditAdapter::GridChanged()
{
    m_view.InvalidateAll();
}

bool CEditAdapter::MakePart(CMakePartInput& input)
{
    if (m_replaying || !m_answers.Empty())
        return CScriptEditHost(m_answers).MakePart(input);
    CDlgMakePart dialog(input.dialog, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    input.dialog = dialog.Result();
    return true;
}

bool CEditAdapter::RegisterLibrary(CLibraryRegisterInput& input)
{
    if (m_replaying || !m_answers.Empty())
        return CScriptEditHost(m_answers).RegisterLibrary(input);
    QStringList libraries, properties;
    CLibrary list;
    for (const CString& file : list.ReadLibraryList())
        libraries << ToQString(file);
    for (const CPart& part : m_view.Document().SelectionSheet().Parts())
        for (const CText& t : part.Texts()) {
            const QString name = ToQString(t.GetPropertyName());
            if (!name.isEmpty() && !properties.contains(name, Qt::CaseInsensitive))
                properties << name;
        }
    CDlgMakeLib dialog(ToQString(input.library), ToQString(input.packageName), libraries,
                       properties, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (const QString& s : QStringList{dialog.Library(), dialog.Package()} + dialog.Dropped()) {
        if (!Utf8ToCp932(s.toStdString()).Ok()) {
            QMessageBox::warning(&m_view, tr("Register in Library"),
                                 tr("The text holds characters that a sheet cannot store."));
            return false;
        }
    }
    input.library = ToCString(dialog.Library());
    input.packageName = ToCString(dialog.Package());
    input.dropProperties.clear();
    for (const QString& name : dialog.Dropped())
        input.dropProperties.push_back(ToCString(name));
    return true;
}

void CEditAdapter::OpenSheet(const std::filesystem::path& path)
{
    emit OpenSheetRequested(QString::fromStdString(path.string()));
}

void CEditAdapter::Ascend()
{
    emit AscendRequested();
}

std::vector<CNetJumpEntry> CEditAdapter::NetJumpTargets(const CString& name)
{
    std::vector<CNetJumpEntry> targets =
        m_netTargets ? m_netTargets(name) : std::vector<CNetJumpEntry>();
    m_jumpLabels.clear();
    for (const CNetJumpEntry& t : targets)
        m_jumpLabels << QString::fromStdString(t.label);
    return targets;
}

void CEditAdapter::JumpToNet(const CNetJumpEntry& target, const CString& name)
{
    emit NetJumpRequested(target.index, ToQString(name));
}

bool CEditAdapter::ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string CEditAdapter::ClipboardText()
{
    return Utf8ToCp932(QGuiApplication::clipboard()->text().toStdString()).text;
}

void CEditAdapter::SetClipboardText(const std::string& cp932)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(Cp932ToUtf8(cp932).text));
}

bool CEditAdapter::FindDialog(CFindOptions& options)
{
    if (m_replaying || !m_answers.Empty()) {
        CScriptEditHost scripted(m_answers);
        return scripted.FindDialog(options);
    }
    CDlgFind dialog(options, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}

bool CEditAdapter::MoveMouseOnto(const CPoint& sheetPoint)
{
    // A replayed script drives the mouse itself.
    if (m_replaying)
        return false;
    QWidget* port = m_view.viewport();
    const QPoint mouse = port->mapFromGlobal(QCursor::pos());
    const QPoint at = m_view.SheetToClient(sheetPoint).toPoint();
    if (!port->rect().contains(mouse) || !port->rect().contains(at))
        return false;
    QCursor::setPos(port->mapToGlobal(at));
    return true;
}

void CEditAdapter::ShowFound(const CPoint& sheetPoint)
{
    m_view.ZoomTo(sheetPoint, 1.0, true);
}
