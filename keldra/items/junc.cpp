// CJunc: junction dots.
//
// A junction read from a damaged file may sit anywhere an int reaches, so the
// transforms compute in 64 bits and clamp instead of overflowing.
#include "items/junc.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "base/archive.h"
#include "items/geometry.h"
#include "items/recordline.h"
#include "items/line.h"

namespace {

// Rectangle corners stay within +-2^30 so that Width() and Height() of the
// box cannot overflow.
constexpr int64_t kRectLimit = 0x3FFFFFFF;


CPoint MakePoint(int64_t x, int64_t y)
{
    return CPoint(ClampInt32(x), ClampInt32(y));
}

int32_t ClampRect(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, -kRectLimit, kRectLimit));
}

bool Between(int v, int a, int b)
{
    return v >= std::min(a, b) && v <= std::max(a, b);
}

} // namespace

bool CJunc::OnWire(const CLine& line) const
{
    return OnWire(line.GetStartPoint(), line.GetEndPoint());
}

bool CJunc::OnWire(const CPoint& start, const CPoint& end) const
{
    if (start.y == end.y && m_point.y == start.y && Between(m_point.x, start.x, end.x))
        return true;
    return start.x == end.x && m_point.x == start.x && Between(m_point.y, start.y, end.y);
}

CRect CJunc::GetBoundingRect() const
{
    const int64_t half = kDotSize / 2;
    return CRect(ClampRect(int64_t(m_point.x) - half), ClampRect(int64_t(m_point.y) - half),
                 ClampRect(int64_t(m_point.x) + half), ClampRect(int64_t(m_point.y) + half));
}

void CJunc::Offset(const CPoint& d)
{
    m_point = MakePoint(int64_t(m_point.x) + d.x, int64_t(m_point.y) + d.y);
}

void CJunc::Rotate(const CPoint& c, int dir)
{
    // The shared quarter-turn formula, in 64 bits.
    const int64_t px = m_point.x, py = m_point.y;
    if (dir)
        m_point = MakePoint(int64_t(c.x) + c.y - py, int64_t(c.y) - c.x + px);
    else
        m_point = MakePoint(int64_t(c.x) - c.y + py, int64_t(c.y) + c.x - px);
}

void CJunc::MirrorX(const CPoint& c)
{
    m_point = MakePoint(2 * int64_t(c.x) - m_point.x, m_point.y);
}

void CJunc::MirrorY(const CPoint& c)
{
    m_point = MakePoint(m_point.x, 2 * int64_t(c.y) - m_point.y);
}

void CJunc::DataWrite(CArchive& ar) const
{
    ar << m_point;
}

void CJunc::DataRead(CArchive& ar)
{
    const CPoint p = ar.ReadPoint();
    RequireStoredCoord(p);
    m_point = p;
}

void CJunc::SerializeText(CArchive& ar) const
{
    CString line;
    line.Format("Junc %d %d\n", m_point.x, m_point.y);
    ar.WriteString(line);
}

void CJunc::ReadTextRecord(const CString& line)
{
    int64_t v[2] = {m_point.x, m_point.y};
    ScanRecordNumbers(SkipRecordKeyword(line), v, 2);
    m_point = CPoint(ClampCoord(v[0]), ClampCoord(v[1]));
}
