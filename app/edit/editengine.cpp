#include "app/edit/editengine.h"

#include <cstdio>
#include <cstdlib>

#include "app/edit/attributemove.h"
#include "app/edit/clipboardcommands.h"
#include "app/edit/curvetool.h"
#include "app/edit/documentcommands.h"
#include "app/edit/findcommand.h"
#include "app/edit/gatecommands.h"
#include "app/edit/linetool.h"
#include "app/edit/modifycommand.h"
#include "app/edit/nethighlight.h"
#include "app/edit/numberingtool.h"
#include "app/edit/placetool.h"
#include "app/edit/selectionedits.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "library/library.h"

using namespace editcmd;
using namespace editstate;

namespace {

bool IsInputTool(int state)
{
    return state >= kWire && state <= kCurve;
}

// The single selected text, pin or part turned by a quarter or three
// quarters: a flip along the screen's axis is the other flip for it.
bool SingleTurnedItem(const CSheet& s)
{
    if (s.GetItemCount() != 1)
        return false;
    unsigned dir = 0;
    if (!s.Texts().IsEmpty())
        dir = s.Texts().GetHead()->GetDir();
    else if (!s.Pins().IsEmpty())
        dir = s.Pins().GetHead()->GetDir();
    else if (!s.Parts().IsEmpty())
        dir = unsigned(s.Parts().GetHead()->GetAngle()) & 0x380;
    else
        return false;
    return dir == 0x100 || dir == 0x300;
}

} // namespace

CEditEngine::CEditEngine(CVIREODoc& doc, CEditHost& host)
    : m_doc(doc), m_host(host),
      m_mapping(CViewMapping::Fit(doc.Header().width, doc.Header().height)),
      m_line(std::make_unique<CLineTool>(*this)), m_curve(std::make_unique<CCurveTool>(*this)),
      m_place(std::make_unique<CPlaceTool>(*this)),
      m_edits(std::make_unique<CSelectionEdits>(*this)),
      m_attr(std::make_unique<CAttributeMove>(*this)),
      m_numbering(std::make_unique<CNumberingTool>(*this)),
      m_highlight(std::make_unique<CNetHighlight>(*this)),
      m_docCommands(std::make_unique<CDocumentCommands>(*this)),
      m_clipboard(std::make_unique<CClipboardCommands>(*this)), m_partSource(SettingsPartSource())
{
    m_mainGrid = SettingInt("Sheet", "MainGrid");
    m_subGrid = SettingInt("Sheet", "SubGrid");
    if (m_mainGrid <= 0)
        m_mainGrid = 100;
    if (m_subGrid <= 0)
        m_subGrid = 50;
    m_grid = m_mainGrid;
}

CEditEngine::~CEditEngine() = default;

void CEditEngine::SetLibraries(std::vector<CString> libraries)
{
    m_docCommands->SetLibraries(libraries);
    m_partSource = LibraryPartSource(std::move(libraries));
}

CEditEngine::PartSource CEditEngine::LibraryPartSource(std::vector<CString> libraries)
{
    return [libraries](const CString& name, CSheet& gates) {
        for (const CString& file : libraries) {
            CLibrary library;
            library.SetLibraryName(file);
            library.SetPackageName(name);
            if (library.ReadFile() && library.ReadPart(&gates, 1) && !gates.Parts().IsEmpty())
                return true;
            gates.DeleteContents();
        }
        return false;
    };
}

CEditEngine::PartSource CEditEngine::SettingsPartSource()
{
    return [](const CString& name, CSheet& gates) {
        CLibrary list;
        return LibraryPartSource(list.ReadLibraryList())(name, gates);
    };
}

int CEditEngine::UndoSteps(const CUndoHistory& history)
{
    const std::vector<uint32_t>& records = history.UndoRecords();
    int steps = 0;
    for (size_t i = CUndoHistory::kRecordInts; i <= records.size(); i += CUndoHistory::kRecordInts)
        steps += records[i - 1] != uint32_t(CUndoHistory::kNew);
    return steps;
}

CSheet& CEditEngine::Main()
{
    return m_doc.MainSheet();
}

CSheet& CEditEngine::Selection()
{
    return m_doc.SelectionSheet();
}

CSize CEditEngine::SheetSize() const
{
    return CSize(m_doc.Header().width, m_doc.Header().height);
}

int CEditEngine::RoutingMode() const
{
    return m_state == kCurve ? m_curve->Mode() : m_line->Mode();
}

bool CEditEngine::PowerFlag() const
{
    return m_line->Power();
}

int CEditEngine::CurveStage() const
{
    return m_curve->Stage();
}

bool CEditEngine::IsLineTool() const
{
    return m_state == kWire || m_state == kBus || m_state == kLine;
}

CPoint CEditEngine::Snap(const CPoint& p) const
{
    // Outside the sheet a point is taken to its edge first.
    const CSize size = SheetSize();
    // Texts of Move Attribute snap by the "AttrMove" setting: 0 the grid,
    // 1 the sub grid, anything else not at all.
    int pitch = m_grid;
    if (m_state == kMoveAttribute) {
        const int rule = SettingInt("Sheet", "AttrMove");
        pitch = rule == 0 ? m_grid : rule == 1 ? m_subGrid : 1;
    }
    auto snap = [pitch](int v, int limit) {
        v = std::clamp(v, 0, std::max(limit, 0));
        const int g = pitch;
        int s = (v / g) * g;
        if (v % g > g / 2)
            s += g;
        return std::min(s, std::max(limit, 0));
    };
    return CPoint(snap(p.x, size.cx), snap(p.y, size.cy));
}

void CEditEngine::Repaint(const CRect& area)
{
    if (!area.IsRectNull())
        m_host.Repaint(area);
}

void CEditEngine::OverlayChanged()
{
    m_host.OverlayChanged();
}

void CEditEngine::ReturnToTool()
{
    m_state = m_lastTool;
    m_inputInProgress = false;
    m_hasPivot = false;
    OverlayChanged();
}

// --- mouse ------------------------------------------------------------------------------------

void CEditEngine::Press(const CPoint& p, int flags)
{
    const int button = flags & (editflag::kLeft | editflag::kRight | editflag::kMiddle);
    if (!button)
        return;
    m_notice.clear();
    if (m_pressFlags == 0) {
        m_pressPoint = p;
        m_dragging = false;
    }
    m_pressFlags |= button;
    m_cursor = Snap(p);
}

void CEditEngine::Move(const CPoint& p, int flags)
{
    m_cursor = Snap(p);
    if ((m_pressFlags & editflag::kLeft) && !m_inputInProgress && m_state != kCopyPlacing &&
        m_state != kPaste && m_state != kMoving && m_state != kCopyPending &&
        m_state != kMoveAttribute) {
        const int limit = m_mapping.Units(kSelectBoxDragPixels);
        if (m_dragging || std::abs(p.x - m_pressPoint.x) >= limit ||
            std::abs(p.y - m_pressPoint.y) >= limit) {
            if (!m_dragging) {
                m_dragging = true;
                if (m_state != kSelectBox)
                    m_savedState = m_state;
                m_state = kSelectBox;
            }
            m_selectBox = CRect(m_pressPoint, p).Normalized();
            OverlayChanged();
            UpdateStatus();
            return;
        }
    }
    FollowCursor(flags);
}

void CEditEngine::FollowCursor(int flags)
{
    if (m_state == kMoving || m_state == kCopyPlacing || m_state == kPaste)
        m_edits->Follow(m_cursor);
    else if (IsLineTool())
        m_line->Follow(m_cursor);
    else if (m_state == kCurve)
        m_curve->Follow(m_cursor, flags);
    else if (m_state == kPin || m_state == kText || m_state == kPart)
        m_place->Follow(m_cursor);
    UpdateStatus();
}

void CEditEngine::Release(const CPoint& p, int flags)
{
    const int pressed = m_pressFlags;
    m_pressFlags &= ~(flags & (editflag::kLeft | editflag::kRight | editflag::kMiddle));
    m_cursor = Snap(p);
    if (m_state == kSelectBox && (flags & editflag::kLeft)) {
        const CRect box = CRect(m_pressPoint, p).Normalized();
        m_selectBox = CRect();
        m_dragging = false;
        m_state = m_savedState;
        if (!(flags & editflag::kCtrl) && !(m_state == kMovePending || m_state == kCopyPending))
            m_edits->ReturnAll();
        m_edits->SelectInside(box);
        if (Selection().GetItemCount() == 0)
            ReturnToTool();
        UpdateStatus();
        return;
    }
    if (flags & editflag::kLeft) {
        // A release while the right button is down is no click.
        if (!(pressed & editflag::kRight))
            LeftClick(m_cursor, flags);
    } else if (flags & editflag::kRight) {
        if (!(pressed & editflag::kLeft))
            RightClick(m_cursor, flags);
    } else if (flags & editflag::kMiddle) {
        const int held = pressed & (editflag::kLeft | editflag::kRight | editflag::kMiddle);
        if (held == editflag::kMiddle && !(flags & editflag::kCtrl))
            MiddleClick(m_cursor, flags);
    }
    UpdateStatus();
}

void CEditEngine::LeftClick(const CPoint& p, int flags)
{
    const bool ctrl = (flags & editflag::kCtrl) != 0;
    const bool shift = (flags & editflag::kShift) != 0;
    // While a net is highlighted a click only clears it.
    if (ClearHighlight())
        return;
    if (m_state == kMoving || m_state == kCopyPlacing || m_state == kPaste) {
        m_edits->Click(p, flags);
        return;
    }
    if (m_state == kMoveAttribute) {
        m_attr->Click(p);
        return;
    }
    if (m_state == kNumbering) {
        m_numbering->Click(p, ctrl);
        return;
    }
    if (m_state == kMakePart) {
        m_docCommands->MakePartAt(p);
        return;
    }
    // The copy being placed has left its originals: it is not picked apart.
    if (!m_inputInProgress && ctrl && m_state != kCopyPending) {
        m_edits->ToggleAt(p);
        return;
    }
    const bool curveBusy = m_curve->Stage() >= 0;
    if (!m_inputInProgress && shift && !curveBusy && m_state != kCopyPending) {
        if (m_edits->ChainAt(p))
            return;
    }
    if (m_state == kMovePending || m_state == kCopyPending) {
        m_edits->Click(p, flags);
        return;
    }
    if (m_state == kIdle) {
        m_edits->SelectAt(p);
        return;
    }
    ToolClick(p, flags);
}

void CEditEngine::ToolClick(const CPoint& p, int flags)
{
    switch (m_state) {
    case kWire:
    case kBus:
    case kLine:
        m_line->Click(p, m_state);
        break;
    case kCurve:
        m_curve->Click(p, flags);
        break;
    case kPin:
    case kText:
    case kPart:
        m_place->Click(p, m_state, flags);
        break;
    default:
        break;
    }
}

void CEditEngine::RightClick(const CPoint& p, int flags)
{
    if (IsLineTool() && m_line->Running()) {
        m_line->RightClick(flags);
        return;
    }
    if (m_state == kCurve && m_curve->Stage() >= 0) {
        m_curve->Discard();
        return;
    }
    // The origin was not given: Make Part is left, the drawing stays selected.
    if (m_state == kMakePart)
        m_state = kIdle;
    if (Selection().GetItemCount() == 0 && !m_inputInProgress && m_docCommands->NetJumpMenu(p))
        return;
    std::string name;
    std::vector<CMenuEntry> entries;
    if (m_state == kPin && m_inputInProgress) {
        name = "ピンの向き";
        for (int id : {kLeftSidePin, kUnderSidePin, kRightSidePin, kUpperSidePin, kClockStyle,
                       kDotStyle, 0, kCancel})
            entries.push_back({id, true, IsCommandChecked(id)});
    } else if (((m_state == kText || m_state == kPart) && m_inputInProgress) ||
               m_state == kMoving || m_state == kCopyPlacing || m_state == kMoveAttribute ||
               m_state == kPaste) {
        name = "反転・回転";
        for (int id : {kFlipHorizontal, kFlipVertical, kRotation, 0, kNextGate, kBeforeGate,
                       kInvert, 0, kCancel})
            entries.push_back({id,
                               id == kFlipHorizontal || id == kFlipVertical || id == kRotation ||
                                   id == kCancel || id == 0 ||
                                   (m_state == kPart && m_inputInProgress && IsCommandEnabled(id)),
                               false});
    } else if (Selection().GetItemCount() != 0) {
        name = "EDIT";
        for (int id :
             {kCancel, 0, kCut, kCopyClipboard, kPaste, 0, kErase, kMove, kCopy, kMoveAttribute,
              kModify, 0, kMakePart, kDecompose, kResetReference, kDescend, kLibrary})
            entries.push_back({id, IsCommandEnabled(id) || id == 0, false});
    } else {
        name = "入力";
        for (int id : {kWire, kBus, kLine, kText, kPart, kPin, kCurve, 0, kPaste, kAscend})
            entries.push_back({id, IsCommandEnabled(id) || id == 0, m_state == id});
    }
    const int chosen = m_host.PopupMenu(name, entries);
    if (chosen != 0) {
        for (const CMenuEntry& e : entries)
            if (e.command == chosen && e.enabled)
                Command(chosen, flags & (editflag::kShift | editflag::kCtrl));
    }
}

void CEditEngine::MiddleClick(const CPoint& p, int flags)
{
    const bool shift = (flags & editflag::kShift) != 0;
    const bool any = Selection().GetItemCount() != 0;
    const bool lock = SettingInt("Line", "MidLineLock") != 0;
    const bool running =
        (IsLineTool() && m_line->Running()) || (m_state == kCurve && m_curve->Stage() >= 0);
    if (any && running) {
        if (lock)
            Key('L', 0);
        else if (m_state == kWire)
            Key('P', 0);
        else if (m_state == kLine || m_state == kCurve)
            Key('S', 0);
        return;
    }
    if (!any && m_state == kNumbering) {
        m_numbering->Click(p, true);
        return;
    }
    if (any) {
        bool horizontal = !shift;
        if (SingleTurnedItem(Selection()))
            horizontal = !horizontal;
        m_edits->Flip(horizontal);
        return;
    }
    (void)p;
    Key('R', 0);
}

bool CEditEngine::Wheel(int delta, int modifiers)
{
    if (modifiers != 0 || delta == 0)
        return false;
    if (IsLineTool() || m_state == kCurve || Selection().GetItemCount() == 0)
        return false;
    m_edits->Rotate(delta > 0 ? 1 : -1);
    UpdateStatus();
    return true;
}

// --- keys
// -------------------------------------------------------------------------------------------

void CEditEngine::MoveCursorBy(int dx, int dy)
{
    const CSize size = SheetSize();
    CPoint p(std::clamp(m_cursor.x + dx, 0, std::max(0, size.cx)),
             std::clamp(m_cursor.y + dy, 0, std::max(0, size.cy)));
    m_cursor = p;
    m_host.MoveCursor(p);
    FollowCursor(m_pressFlags);
}

void CEditEngine::Key(int key, int modifiers)
{
    m_notice.clear();
    const bool shift = (modifiers & editflag::kShift) != 0;
    const bool ctrl = (modifiers & editflag::kCtrl) != 0;
    CSheet& sel = Selection();
    const bool any = sel.GetItemCount() != 0;
    const bool lineRun = IsLineTool() && m_line->Running();
    const bool curveRun = m_state == kCurve && m_curve->Stage() >= 0;
    const int step = m_grid * (shift ? 10 : 1);
    switch (key) {
    case editkey::kLeft:
        MoveCursorBy(-step, 0);
        return;
    case editkey::kRight:
        MoveCursorBy(step, 0);
        return;
    case editkey::kUp:
        MoveCursorBy(0, step);
        return;
    case editkey::kDown:
        MoveCursorBy(0, -step);
        return;
    case editkey::kEnter:
        Press(m_cursor, editflag::kLeft | modifiers);
        Release(m_cursor, editflag::kLeft | modifiers);
        return;
    case editkey::kApplication:
        Press(m_cursor, editflag::kRight);
        Release(m_cursor, editflag::kRight);
        return;
    case editkey::kEscape:
        Command(kCancel);
        return;
    case editkey::kBackspace:
        if (lineRun)
            m_line->Backspace();
        break;
    case editkey::kDelete:
        if (any && !IsInputTool(m_state) && m_state != kMoving && m_state != kCopyPlacing &&
            m_state != kMakePart)
            m_edits->Erase();
        break;
    case editkey::kPageUp:
    case editkey::kPageDown:
        // Shift+Page Up/Down: the selection one size step up or down (the
        // plain keys zoom, which the view does).
        if (shift && any && m_state == kMoveAttribute) {
            m_attr->Resize(key == editkey::kPageUp);
        } else if (shift && any) {
            const bool up = key == editkey::kPageUp;
            const int pitch = m_mainGrid;
            m_edits->Change([up, pitch](CSheet& s) {
                bool changed = false;
                const auto arrow = [up](int size) {
                    if (size == 0)
                        return 0;
                    return std::clamp(size + (up ? 10 : -10), 50, 250);
                };
                for (CLine& l : s.Lines()) {
                    const int a = arrow(l.GetStartArrow()), b = arrow(l.GetEndArrow());
                    changed = changed || a != l.GetStartArrow() || b != l.GetEndArrow();
                    l.SetArrow(a, b);
                }
                for (CArc& c : s.Arcs()) {
                    const int a = arrow(c.GetStartArrow()), b = arrow(c.GetEndArrow());
                    changed = changed || a != c.GetStartArrow() || b != c.GetEndArrow();
                    c.SetArrow(a, b);
                }
                for (CPin& pin : s.Pins()) {
                    const int length = pin.GetLen() + (up ? pitch : -pitch);
                    if (length >= 20 && length <= 600) {
                        pin.SetLen(length);
                        changed = true;
                    }
                }
                for (CText& t : s.Texts())
                    changed = t.ChangeSize(up ? 1 : 0) || changed;
                return changed;
            });
        }
        break;
    case editkey::kSpace:
        if (m_grid == m_subGrid) {
            m_gridStyle = m_gridStyle ? 0 : 1;
            m_host.GridChanged();
        }
        break;
    case '/':
        if (lineRun)
            m_line->FreeMode();
        break;
    case '+':
    case '-':
        if (m_state == kNumbering) {
            m_numbering->Step(key == '+' ? 1 : -1);
        } else if (lineRun && key == '+') {
            m_line->PlusMode();
        } else if (any) {
            const int by = key == '+' ? 1 : -1;
            m_edits->Change([&](CSheet& s) {
                bool changed = false;
                for (CPart& part : s.Parts())
                    changed = part.IncRefName(by) || changed;
                for (CItemList<CLine>* list : {&s.Wires(), &s.Buses(), &s.Lines()})
                    for (CLine& l : *list)
                        changed = l.IncName(by) || changed;
                for (CPin& pin : s.Pins()) {
                    CText& t = (ctrl || shift) ? pin.GetNameText() : pin.GetNoText();
                    changed = t.IncName(by) || changed;
                }
                for (CText& t : s.Texts())
                    changed = t.IncName(by) || changed;
                return changed;
            });
        }
        break;
    case 'B':
    case 'N':
        if (CanChangeGate(*this)) {
            ChangeGate(*this, key == 'N' ? 1 : -1);
        } else if (key == 'B' && any) {
            m_edits->Change([shift](CSheet& s) {
                s.FrameChange(shift ? 1 : 0);
                return true;
            });
        }
        break;
    case 'I':
        InvertGate(*this);
        break;
    case 'C':
    case 'D':
        if ((m_state == kPin && m_inputInProgress) || !sel.Pins().IsEmpty())
            m_place->ToggleShape(key == 'C' ? CPin::kClock : CPin::kDot);
        break;
    case 'E':
        if (any && !m_inputInProgress && m_state != kMakePart)
            shift ? ModifyNext(*this) : ModifySelection(*this);
        break;
    case 'F':
        m_edits->Change([](CSheet& s) {
            bool changed = false;
            for (CArc& a : s.Arcs()) {
                a.SetType(a.GetType() ^ CArc::kFilled);
                changed = true;
            }
            return changed;
        });
        break;
    case 'G':
        if (!ctrl && !shift)
            Command(kGrid);
        else if (!any && !m_inputInProgress)
            m_place->StartNamedPart(SettingString("Default", ctrl ? "Part GND" : "Part VCC"),
                                    m_cursor);
        break;
    case 'H':
        if (!m_inputInProgress && any)
            shift ? m_edits->TrimParts() : m_edits->CornerTrim();
        break;
    case 'J':
        m_edits->ToggleJunction(m_cursor);
        break;
    case 'L':
        if (lineRun)
            m_line->StepMode();
        else if (m_state == kCurve)
            m_curve->StepMode();
        break;
    case 'M':
        if (any && !IsInputTool(m_state))
            Command(kMove);
        break;
    case 'P':
        if (any && !m_inputInProgress && IsCommandEnabled(kMakePart)) {
            Command(kMakePart);
            return;
        } else if (IsLineTool() && (lineRun || !any)) {
            m_line->TogglePower();
        } else if (any) {
            m_edits->Change([](CSheet& s) {
                bool changed = false;
                for (CLine& w : s.Wires()) {
                    const bool power = (w.GetType() & CLine::kPower) == 0;
                    w.ModifyType(CLine::kPower, power ? CLine::kPower : 0);
                    w.SetLineWidth(SettingInt("Default", power ? "PowerWidth" : "WireWidth"));
                    changed = true;
                }
                return changed;
            });
        }
        break;
    case 'R':
    case 'X':
    case 'Y':
        if (any && !lineRun && !curveRun) {
            if (key == 'R')
                m_edits->Rotate(shift ? -1 : 1);
            else
                m_edits->Flip(key == 'X');
        } else if (!any && key == 'R') {
            m_edits->PickAt(m_cursor);
        }
        break;
    case 'S':
        if (lineRun) {
            m_line->NextStyle();
        } else if (m_state == kCurve) {
            m_curve->NextStyle();
        } else if (any) {
            m_edits->Change([](CSheet& s) {
                bool changed = false;
                for (CLine& l : s.Lines()) {
                    l.ModifyType(CLine::kStyleMask, uint32_t((l.GetStyle() + 1) % 5)
                                                        << CLine::kStyleShift);
                    changed = true;
                }
                for (CArc& a : s.Arcs()) {
                    a.SetType((a.GetType() & ~CArc::kStyleMask) |
                              (((a.GetStyle() + 1) % 5) << CArc::kStyleShift));
                    changed = true;
                }
                return changed;
            });
        }
        break;
    case editkey::kF6:
    case editkey::kF7: {
        const int which = key == editkey::kF6 ? 1 : 2;
        if (lineRun) {
            m_line->Arrow(which);
        } else if (curveRun) {
            m_curve->Arrow(which);
        } else if (any) {
            m_edits->Change([which](CSheet& s) {
                bool changed = false;
                for (CLine& l : s.Lines()) {
                    l.SetArrow(which);
                    changed = true;
                }
                for (CArc& a : s.Arcs()) {
                    a.SetArrow(which);
                    changed = true;
                }
                return changed;
            });
        }
        break;
    }
    case editkey::kF9:
        if (m_chain[0] && !any && m_state != kSelectBox && m_state != kMakePart &&
            !m_inputInProgress) {
            std::vector<CString> names;
            if (m_highlight->At(m_cursor, names) && shift && m_highlight->Shown()) {
                m_host.HighlightProjectNets(names);
                m_projectHighlight = true;
            }
        }
        break;
    case editkey::kF5:
        if (any)
            m_edits->Change([](CSheet& s) {
                if (!s.CheckTextNumber())
                    return false;
                s.ChangeTextNumber(0);
                return true;
            });
        break;
    default:
        if (key >= editkey::kNum1 && key < editkey::kNum1 + 9 && any) {
            const int code = 97 + (key - editkey::kNum1);
            m_edits->Change([code](CSheet& s) {
                if (!s.CheckTextOrg(code, true))
                    return false;
                s.ChangeTextOrg(code, true);
                return true;
            });
        }
        break;
    }
    UpdateStatus();
}

// --- commands
// ---------------------------------------------------------------------------------------

void CEditEngine::SelectTool(int id)
{
    if (m_inputInProgress || Selection().GetItemCount() != 0)
        Cancel();
    m_state = id;
    m_lastTool = id;
    OverlayChanged();
}

bool CEditEngine::ClearHighlight()
{
    if (m_projectHighlight) {
        m_projectHighlight = false;
        m_host.HighlightProjectNets({});
    }
    if (!m_highlight->Shown())
        return false;
    Repaint(CNetHighlight::Clear(m_doc));
    return true;
}

void CEditEngine::Cancel()
{
    ClearHighlight();
    if (m_state == kSelectBox) {
        // The box is dropped; what was selected before it stays in the
        // state it had, and goes back from there.
        m_state = m_savedState;
        m_selectBox = CRect();
        m_dragging = false;
    }
    if (IsLineTool() && m_line->Running())
        m_line->End();
    if (m_curve->Stage() >= 0)
        m_curve->Discard();
    if ((m_state == kPin || m_state == kText || m_state == kPart) && m_inputInProgress)
        m_place->Discard();
    if (Selection().GetItemCount() != 0)
        m_edits->CancelMove();
    m_doc.PartBuffer().DeleteContents();
    m_selectBox = CRect();
    m_dragging = false;
    ReturnToTool();
}

void CEditEngine::Command(int id, int modifiers)
{
    if (m_docCommands->Command(id)) {
        UpdateStatus();
        return;
    }
    switch (id) {
    case kWire:
    case kBus:
    case kLine:
    case kPart:
    case kText:
    case kPin:
    case kCurve:
        SelectTool(id);
        break;
    case kCancel:
        Cancel();
        break;
    case kMove:
        if (Selection().GetItemCount() != 0 && !m_inputInProgress)
            m_edits->StartMove();
        break;
    case kCopy:
        if (Selection().GetItemCount() != 0 && !m_inputInProgress)
            m_edits->StartCopy();
        break;
    case kErase:
        m_edits->Erase();
        break;
    case kCut:
        m_clipboard->Cut();
        break;
    case kCopyClipboard:
        m_clipboard->Copy();
        break;
    case kPaste:
        m_clipboard->Paste();
        break;
    case kFind:
    case kFindNext: {
        CFindOptions options = CFindOptions::Load();
        if (id == kFind) {
            if (!m_host.FindDialog(options))
                break;
            options.Save();
        }
        std::vector<CFindSheet> sheets{
            {this, nullptr, [this](const CPoint& p) { m_host.ShowFound(p); }}};
        id == kFind ? RunFind(options, sheets) : RunFindNext(options, sheets);
        break;
    }
    case kModify:
        ModifySelection(*this);
        break;
    case kNextGate:
    case kBeforeGate:
        ChangeGate(*this, id == kNextGate ? 1 : -1);
        break;
    case kInvert:
        InvertGate(*this);
        break;
    case kMoveAttribute:
        if (IsCommandEnabled(kMoveAttribute) &&
            m_attr->Start((modifiers & editflag::kShift) != 0)) {
            m_state = kMoveAttribute;
            m_hasPivot = false;
        }
        break;
    case kNumbering:
        if (m_state == kNumbering) {
            ReturnToTool();
        } else {
            if (m_inputInProgress || Selection().GetItemCount() != 0)
                Cancel();
            m_state = kNumbering;
            OverlayChanged();
        }
        break;
    case kFlipHorizontal:
        m_edits->Flip(true);
        break;
    case kFlipVertical:
        m_edits->Flip(false);
        break;
    case kRotation:
        m_edits->Rotate((modifiers & editflag::kShift) ? -1 : 1);
        break;
    case kSelectAll:
        if (!m_inputInProgress)
            m_edits->SelectAll();
        break;
    case kReselect:
        if (!m_inputInProgress)
            m_edits->Reselect();
        break;
    case kUndo:
    case kRedo:
        if (Selection().GetItemCount() == 0 && (id == kUndo ? m_doc.Undo() : m_doc.Redo()))
            Repaint(m_doc.UpdateRect());
        break;
    case kGrid:
        m_grid = m_grid == m_mainGrid ? m_subGrid : m_mainGrid;
        m_host.GridChanged();
        break;
    case kClockStyle:
        m_place->ToggleShape(CPin::kClock);
        break;
    case kDotStyle:
        m_place->ToggleShape(CPin::kDot);
        break;
    case kLeftSidePin:
        m_place->SetSide(0x200);
        break;
    case kUnderSidePin:
        m_place->SetSide(0x300);
        break;
    case kRightSidePin:
        m_place->SetSide(0x000);
        break;
    case kUpperSidePin:
        m_place->SetSide(0x100);
        break;
    default:
        break;
    }
    UpdateStatus();
}

bool CEditEngine::IsCommandEnabled(int id) const
{
    const bool any = m_doc.SelectionSheet().GetItemCount() != 0;
    const bool pinPlacing = m_state == kPin && m_inputInProgress;
    bool docEnabled = false;
    if (m_docCommands->IsEnabled(id, docEnabled))
        return docEnabled;
    switch (id) {
    case kWire:
    case kBus:
    case kLine:
    case kPart:
    case kText:
    case kPin:
    case kCurve:
    case kCancel:
    case kGrid:
        return true;
    case kMove:
    case kCopy:
        return any && !m_inputInProgress;
    case kMoveAttribute:
        return any && !m_inputInProgress && m_state != kMoveAttribute;
    case kNextGate:
    case kBeforeGate:
    case kInvert:
        return CanChangeGate(const_cast<CEditEngine&>(*this));
    case kNumbering:
        return true;
    case kModify:
        return !m_inputInProgress && ModifyKind(m_doc.SelectionSheet()) != kind::kMixed;
    case kCut:
    case kCopyClipboard:
        return m_clipboard->CanCutOrCopy();
    case kPaste:
        return m_clipboard->CanPaste();
    case kFind:
        return true;
    case kFindNext:
        return !CFindOptions::Load().SearchString().IsEmpty();
    case kErase:
        return any && (m_state == kMovePending || m_state == kCopyPending || m_state == kIdle ||
                       m_state == kMoveAttribute);
    case kFlipHorizontal:
    case kFlipVertical:
    case kRotation:
        return any;
    case kSelectAll:
        return !m_inputInProgress && m_doc.MainSheet().GetItemCount() != 0;
    case kReselect:
        return !any && m_doc.ReselectSheet().GetItemCount() != 0;
    case kUndo:
        return !any && const_cast<CVIREODoc&>(m_doc).History().CanUndo();
    case kRedo:
        return !any && const_cast<CVIREODoc&>(m_doc).History().CanRedo();
    case kClockStyle:
    case kDotStyle:
        return pinPlacing || !m_doc.SelectionSheet().Pins().IsEmpty();
    case kLeftSidePin:
    case kUnderSidePin:
    case kRightSidePin:
    case kUpperSidePin:
        return pinPlacing;
    default:
        return false;
    }
}

bool CEditEngine::IsCommandChecked(int id) const
{
    const CSheet& sel = m_doc.SelectionSheet();
    const CPin* pin = sel.Pins().IsEmpty() ? nullptr : sel.Pins().GetHead();
    switch (id) {
    case kClockStyle:
        return pin && (pin->GetElect() & CPin::kClock);
    case kDotStyle:
        return pin && (pin->GetElect() & 48) == 16;
    case kLeftSidePin:
        return pin && pin->GetDir() == 0x200;
    case kUnderSidePin:
        return pin && pin->GetDir() == 0x300;
    case kRightSidePin:
        return pin && pin->GetDir() == 0;
    case kUpperSidePin:
        return pin && pin->GetDir() == 0x100;
    case kNumbering:
        return m_state == kNumbering;
    default:
        return IsInputTool(id) && m_lastTool == id;
    }
}

void CEditEngine::Finish()
{
    // As Cancel: a selection that rests, moves or waits to be copied goes
    // back as the last recorded step left it.
    if (m_inputInProgress || m_state != m_lastTool || Selection().GetItemCount() != 0)
        Cancel();
}

// --- status bar
// --------------------------------------------------------------------------------------

void CEditEngine::SendStatus(int pane, const std::string& text)
{
    // The coordinates are sent every time: a front end may show its own in between.
    if (pane == 0 && m_status[pane] == text)
        return;
    m_status[pane] = text;
    m_host.Status(pane, text);
}

std::string CEditEngine::HelpText() const
{
    static const char* const kModes[3] = {"フリー", "９０度", "４５度"};
    const bool any = m_doc.SelectionSheet().GetItemCount() != 0;
    const bool lineRun = IsLineTool() && m_line->Running();
    if (m_state == kCurve && m_curve->Stage() == 1)
        return "円弧の始点をクリック";
    if (m_state == kCurve && m_curve->Stage() == 2) {
        static const char* const kAngles[3] = {"フリー", "１５度", "４５度"};
        return std::string("終点をクリック  SHIFT：強制円入力モード、Ｌ：入力モード切替え  ") +
               kAngles[m_curve->Mode()];
    }
    if (m_state == kMoveAttribute)
        return m_attr->HasBase() ? "移動先を左クリックで指示"
                                 : "移動原点をマウスの左ボタンで指定します";
    if (!m_notice.empty())
        return m_notice;
    if (m_state == kMakePart)
        return "部品の原点をマウスの左ボタンで指定します";
    if (m_state == kNumbering)
        return "部品番号クリック割付モード　Ｃｔｒｌ＋クリックで基準部品取得　＋－で指定増減";
    if (any || lineRun) {
        std::string text;
        if (!lineRun)
            text = "Ｒ：回転  Ｘ、Ｙ：反転  ";
        if (m_state == kText)
            text += "１～９：原点";
        else if (m_state == kPin)
            text += "Ｃ：クロック  Ｄ：ドット";
        if (IsLineTool()) {
            if (m_state == kWire)
                text += "Ｐ：電源線切替え";
            else if (m_state == kLine)
                text += "Ｓ：線種切替え、Ｆ６：始点矢印、Ｆ７：終点矢印";
            text += std::string("  Backspace：直前取消し  Ｌ、＋、／：入力モード切替え  ") +
                    kModes[m_line->Mode()];
        }
        return text;
    }
    switch (m_state) {
    case kWire:
    case kBus:
    case kLine:
        return "始点をクリック";
    case kText:
        return "属性コピーしたい文字列か、何もないところでクリック";
    case kPart:
        return "コピー入力したい部品か、何もないところでクリック";
    case kPin:
        return "何もないところでクリック";
    case kCurve:
        return "中心をクリック";
    default:
        return std::string();
    }
}

void CEditEngine::UpdateStatus()
{
    char buf[160];
    const CPoint& p = m_cursor;
    std::snprintf(buf, sizeof buf, "X:%4d.%02d Y:%4d.%02d", p.x / 100, p.x % 100, p.y / 100,
                  p.y % 100);
    std::string text = buf;
    const CSheet& sel = m_doc.SelectionSheet();
    if (m_state == kCurve && m_curve->Stage() == 1) {
        std::snprintf(buf, sizeof buf, " R:%d S:%d", m_curve->Radius(), m_curve->AngleAt(p));
        text += buf;
    } else if (m_state == kCurve && m_curve->Stage() == 2) {
        std::snprintf(buf, sizeof buf, " R:%d S:%d E:%d", m_curve->Radius(), m_curve->StartAngle(),
                      m_curve->EndAngle());
        text += buf;
    } else if (sel.GetItemCount() == 1 && !sel.Texts().IsEmpty()) {
        std::snprintf(buf, sizeof buf, " 高さ :%d", sel.Texts().GetHead()->GetSize());
        text += buf;
    } else if (sel.GetItemCount() == 1 && !sel.Pins().IsEmpty()) {
        std::snprintf(buf, sizeof buf, " 長さ :%d", sel.Pins().GetHead()->GetLen());
        text += buf;
    } else if (sel.GetItemCount() > 1 && !(IsLineTool() && m_line->Running())) {
        std::snprintf(buf, sizeof buf, " 選択数:%d", int(sel.GetItemCount()));
        text += buf;
    }
    if (m_state == kNumbering)
        text += m_numbering->StatusText();
    SendStatus(1, text);
    SendStatus(0, HelpText());
}
