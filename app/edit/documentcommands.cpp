#include "app/edit/documentcommands.h"

#include <cstdio>

#include "app/edit/editengine.h"
#include "app/edit/placetool.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "library/library.h"

using namespace editcmd;
using namespace editstate;

namespace {

// Counts of the kinds the clean-up changes, for its report.
struct CKindCounts {
    int wires, buses, lines, juncs;
    explicit CKindCounts(const CSheet& s)
        : wires(s.Wires().GetCount()), buses(s.Buses().GetCount()), lines(s.Lines().GetCount()),
          juncs(s.Juncs().GetCount())
    {
    }
};

std::string Signed(int n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%+d", n);
    return buf;
}

} // namespace

CDocCommandEnables CDocumentCommands::Enables() const
{
    CEditEngine& e = const_cast<CEditEngine&>(m_e);
    const bool any = e.Selection().GetItemCount() != 0;
    const int state = e.State();
    ViewActivity activity = ViewActivity::Other;
    if (state == kPart && e.InputInProgress())
        activity = ViewActivity::PlacingPart;
    else if (state == kMoveAttribute)
        activity = ViewActivity::MovingAttributes;
    else if (state == kPaste)
        activity = ViewActivity::Pasting;
    else if (!e.InputInProgress() && state != kMakePart && state != kMoving &&
             state != kCopyPlacing && state != kSelectBox)
        activity = any ? ViewActivity::Selecting : ViewActivity::Idle;
    return e.Doc().CommandEnables(activity, LibraryListEmpty());
}

std::vector<CString> CDocumentCommands::Libraries() const
{
    if (!m_libraries.empty())
        return m_libraries;
    CLibrary list;
    return list.ReadLibraryList();
}

bool CDocumentCommands::LibraryListEmpty() const
{
    return Libraries().empty();
}

bool CDocumentCommands::IsEnabled(int id, bool& enabled) const
{
    switch (id) {
    case kMakePart:
        enabled = Enables().makePart;
        return true;
    case kDecompose:
        enabled = Enables().decompose;
        return true;
    case kResetReference:
        enabled = Enables().resetReference;
        return true;
    case kLibrary:
        enabled = Enables().library;
        return true;
    case kDescend:
        enabled = !m_e.InputInProgress() && !DescendTarget().empty();
        return true;
    case kAscend:
        enabled =
            !m_e.InputInProgress() && const_cast<CEditEngine&>(m_e).Selection().GetItemCount() == 0;
        return true;
    case kCleanUp:
        enabled =
            !m_e.InputInProgress() && const_cast<CEditEngine&>(m_e).Selection().GetItemCount() == 0;
        return true;
    default:
        return false;
    }
}

bool CDocumentCommands::Command(int id)
{
    bool enabled = false;
    if (!IsEnabled(id, enabled))
        return false;
    if (!enabled)
        return true;
    CVIREODoc& doc = m_e.Doc();
    const CRect before = m_e.Selection().GetBoundingRect();
    switch (id) {
    case kMakePart:
        // The next click gives the part's origin.
        m_e.SetState(kMakePart);
        m_e.ForgetPivot();
        break;
    case kDecompose:
        if (doc.DecomposeParts()) {
            m_e.Repaint(before);
            if (m_e.Selection().GetItemCount() == 0)
                m_e.ReturnToTool();
            m_e.OverlayChanged();
        }
        break;
    case kResetReference:
        if (doc.ResetPartReference()) {
            m_e.Repaint(before);
            m_e.ReturnToTool();
        }
        break;
    case kLibrary: {
        const std::vector<CString> offered = m_libraries;
        doc.RegisterLibrary([this, &offered](CLibraryRegisterInput& input) {
            if (!offered.empty())
                input.library = offered.front();
            return m_e.Host().RegisterLibrary(input);
        });
        m_e.OverlayChanged();
        break;
    }
    case kDescend:
        m_e.Host().OpenSheet(DescendTarget());
        break;
    case kAscend:
        m_e.Host().Ascend();
        break;
    case kCleanUp:
        CleanUp();
        break;
    }
    return true;
}

void CDocumentCommands::MakePartAt(const CPoint& origin)
{
    CVIREODoc& doc = m_e.Doc();
    const CRect drawn = m_e.Selection().GetBoundingRect();
    const bool made = doc.MakePart([this, &origin](CMakePartInput& input) {
        input.origin = origin;
        return m_e.Host().MakePart(input);
    });
    if (!made) {
        // The drawing stays selected as it was.
        m_e.SetState(kIdle);
        m_e.OverlayChanged();
        return;
    }
    // The part takes the drawing's place; a copy of it follows the cursor
    // in the Part tool for further placing.
    CSheet gates;
    gates.NewPart(*m_e.Selection().GetLastPart());
    doc.ReturnSelection();
    m_e.Repaint(drawn);
    m_e.Place().StartWithGates(gates, origin);
}

std::filesystem::path CDocumentCommands::DescendTarget() const
{
    const CSheet& sel = const_cast<CEditEngine&>(m_e).Selection();
    if (sel.Parts().GetCount() != 1)
        return {};
    CString file = sel.Parts().GetHead()->GetProperty("FILE");
    file.TrimLeft();
    file.TrimRight();
    if (file.IsEmpty())
        return {};
    std::string utf8 = ToUtf8(file);
    for (char& c : utf8)
        if (c == '\\')
            c = '/';
    std::filesystem::path path(utf8);
    const std::filesystem::path& doc = m_e.Doc().GetPathName();
    if (path.is_relative() && !doc.empty())
        path = doc.parent_path() / path;
    return path.lexically_normal();
}

CString CDocumentCommands::WireNameAt(const CPoint& p) const
{
    for (const CLine& w : m_e.Doc().MainSheet().Wires()) {
        const CText& name = w.GetNameText();
        if (!w.GetName().IsEmpty() && name.IsDisp() &&
            name.GetBoundingRect().Normalized().PtInRect(p))
            return w.GetName();
    }
    return CString();
}

bool CDocumentCommands::NetJumpMenu(const CPoint& p)
{
    const CString name = WireNameAt(p);
    if (name.IsEmpty())
        return false;
    std::vector<CNetJumpEntry> targets = m_e.Host().NetJumpTargets(name);
    if (targets.empty())
        return false;
    if (targets.size() > size_t(kNetJumpMax))
        targets.resize(kNetJumpMax);
    std::vector<CMenuEntry> entries;
    for (size_t i = 0; i < targets.size(); ++i)
        entries.push_back({kNetJumpFirst + int(i), true, false});
    const int chosen = m_e.Host().PopupMenu("NETINDEX", entries);
    const int i = chosen - kNetJumpFirst;
    if (i >= 0 && i < int(targets.size()))
        m_e.Host().JumpToNet(targets[size_t(i)], name);
    return true;
}

void CDocumentCommands::CleanUp()
{
    CVIREODoc& doc = m_e.Doc();
    const CRect area = doc.MainSheet().GetBoundingRect();
    const CKindCounts before(doc.MainSheet());
    if (!doc.CleanUpDocument()) {
        m_e.Notice("整理：変更なし");
        return;
    }
    const CKindCounts after(doc.MainSheet());
    m_e.Repaint(Union(area, doc.MainSheet().GetBoundingRect()));
    m_e.Notice("整理：ワイヤ " + Signed(after.wires - before.wires) + "  バス " +
               Signed(after.buses - before.buses) + "  線 " + Signed(after.lines - before.lines) +
               "  接続点 " + Signed(after.juncs - before.juncs));
}
