#include "app/edit/curvetool.h"

#include <cmath>

#include "app/edit/editengine.h"
#include "app/settings.h"
#include "app/vireodoc.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int Distance(const CPoint& a, const CPoint& b)
{
    return int(std::lround(std::hypot(double(b.x) - a.x, double(b.y) - a.y)));
}

} // namespace

int CCurveTool::Radius() const
{
    return m_stage >= 2 ? Distance(m_centre, m_startPoint) : Distance(m_centre, m_cursor);
}

int CCurveTool::AngleAt(const CPoint& p) const
{
    const double a = std::atan2(double(p.y) - m_centre.y, double(p.x) - m_centre.x) * 180.0 / kPi;
    return (int(std::lround(a)) % 360 + 360) % 360;
}

int CCurveTool::Snapped(int angle) const
{
    const int step = m_mode == 1 ? 15 : m_mode == 2 ? 45 : 1;
    return (int(std::lround(double(angle) / step)) * step) % 360;
}

void CCurveTool::Click(const CPoint& p, int flags)
{
    if (m_stage < 0) {
        m_centre = m_cursor = p;
        m_stage = 1;
        if (SettingInt("Line", "ArcAutoLock"))
            m_mode = SettingInt("Line", "ArcLockMode");
        m_style = SettingInt("Default", "LineType") % 5;
        m_arrows[0] = SettingInt("Default", "StartArrow") ? CArc::kArrowSize : 0;
        m_arrows[1] = SettingInt("Default", "EndArrow") ? CArc::kArrowSize : 0;
        m_e.SetInput(true);
        Show(flags);
        return;
    }
    if (m_stage == 1) {
        if (p == m_centre)
            return; // no radius yet
        m_startPoint = m_cursor = p;
        m_startAngle = Snapped(AngleAt(p));
        m_stage = 2;
        Show(flags);
        return;
    }
    Follow(p, flags);
    CArc arc(m_centre, Radius(), m_startAngle, m_endAngle, m_style << CArc::kStyleShift,
             SettingInt("Default", "LineWidth"));
    arc.SetArrow(m_arrows[0], m_arrows[1]);
    CSheet added;
    added.NewArc(arc);
    m_e.Doc().AddItems(added);
    m_e.Repaint(added.GetBoundingRect());
    Discard();
}

void CCurveTool::Follow(const CPoint& p, int flags)
{
    m_cursor = p;
    if (m_stage >= 1)
        Show(flags);
}

void CCurveTool::Show(int flags)
{
    CSheet& sel = m_e.Selection();
    sel.DeleteContents();
    if (m_stage == 1) {
        sel.NewLine(CLine(m_centre, m_cursor, CLine::kPlain));
    } else if (m_stage == 2) {
        m_endAngle = (flags & editflag::kShift) ? m_startAngle : Snapped(AngleAt(m_cursor));
        CArc arc(m_centre, Radius(), m_startAngle, m_endAngle, m_style << CArc::kStyleShift,
                 SettingInt("Default", "LineWidth"));
        arc.SetArrow(m_arrows[0], m_arrows[1]);
        sel.NewArc(arc);
    }
    m_e.OverlayChanged();
}

void CCurveTool::Discard()
{
    m_e.Selection().DeleteContents();
    m_stage = -1;
    m_e.SetInput(false);
    m_e.OverlayChanged();
}

void CCurveTool::StepMode()
{
    m_mode = (m_mode + 1) % 3;
    if (m_stage == 2)
        m_startAngle = Snapped(m_startAngle);
    if (m_stage >= 1)
        Show(0);
}

void CCurveTool::NextStyle()
{
    m_style = (m_style + 1) % 5;
    if (m_stage >= 1)
        Show(0);
}

void CCurveTool::Arrow(int which)
{
    int& a = m_arrows[which == 1 ? 0 : 1];
    a = a ? 0 : CArc::kArrowSize;
    if (m_stage >= 1)
        Show(0);
}
