// Net highlight: the wires and pins of one net (or of named nets) marked for
// the editor, traced from a point through wire ends, junctions, equally
// named wires and power symbols.
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "net/juncindex.h"
#include "sheet/sheet.h"

CRect CSheet::SetHighlight(const CPoint& p, std::vector<CString>& names, int byNames)
{
    // What each point and each (upper-cased) name reaches.
    std::unordered_map<int64_t, std::vector<CLine*>> wiresAt;
    std::unordered_map<std::string, std::vector<CLine*>> wiresNamed;
    std::unordered_map<CLine*, std::vector<CPoint>> wirePoints;
    const JuncIndex juncs(m_juncs);
    for (CLine& w : m_wires) {
        if (w.GetType() & CLine::kHighlight)
            continue;
        std::vector<CPoint>& points = wirePoints[&w];
        points = {w.GetStartPoint(), w.GetEndPoint()};
        for (int j : juncs.OnWire(w))
            points.push_back(juncs.Point(j));
        for (const CPoint& q : points)
            wiresAt[PackPoint(q)].push_back(&w);
        if (!w.GetName().IsEmpty())
            wiresNamed[Cp932Upper(w.GetName()).str()].push_back(&w);
    }
    // Visible power pins of parts without a reference (power symbols).
    std::unordered_map<int64_t, std::vector<const CPin*>> powerAt;
    std::unordered_map<std::string, std::vector<const CPin*>> powerNamed;
    for (const CPart& part : m_parts) {
        if (!part.GetRefName().IsEmpty())
            continue;
        for (const CPin& pin : part.Pins()) {
            if (!pin.IsDisp() || !pin.IsPower())
                continue;
            powerAt[PackPoint(pin.GetPoint())].push_back(&pin);
            powerNamed[Cp932Upper(pin.GetName()).str()].push_back(&pin);
        }
    }

    std::unordered_set<int64_t> points;
    std::unordered_set<std::string> known;
    std::deque<int64_t> pointQueue;
    std::deque<std::string> nameQueue;
    auto addPoint = [&](const CPoint& q) {
        if (points.insert(PackPoint(q)).second)
            pointQueue.push_back(PackPoint(q));
    };
    auto addName = [&](const CString& name) {
        if (name.IsEmpty())
            return;
        const CString upper = Cp932Upper(name);
        if (known.insert(upper.str()).second) {
            nameQueue.push_back(upper.str());
            bool listed = false;
            for (const CString& n : names)
                listed = listed || n == upper;
            if (!listed)
                names.push_back(upper);
        }
    };
    CRect area;
    bool any = false;
    auto unite = [&](const CRect& r) {
        if (!any)
            area = r;
        else
            area.UnionRect(area, r);
        any = true;
    };
    auto reach = [&](CLine* w) {
        if (w->GetType() & CLine::kHighlight)
            return;
        w->ModifyType(0, CLine::kHighlight);
        unite(w->GetBoundingRect());
        for (const CPoint& q : wirePoints[w])
            addPoint(q);
        addName(w->GetName());
    };

    if (byNames) {
        const std::vector<CString> given = names;
        for (const CString& n : given)
            addName(n);
    } else {
        addPoint(p);
    }
    while (!pointQueue.empty() || !nameQueue.empty()) {
        if (!pointQueue.empty()) {
            const int64_t key = pointQueue.front();
            pointQueue.pop_front();
            if (auto it = wiresAt.find(key); it != wiresAt.end())
                for (CLine* w : it->second)
                    reach(w);
            if (auto it = powerAt.find(key); it != powerAt.end())
                for (const CPin* pin : it->second)
                    addName(pin->GetName());
            continue;
        }
        const std::string name = nameQueue.front();
        nameQueue.pop_front();
        if (auto it = wiresNamed.find(name); it != wiresNamed.end())
            for (CLine* w : it->second)
                reach(w);
        if (auto it = powerNamed.find(name); it != powerNamed.end())
            for (const CPin* pin : it->second)
                addPoint(pin->GetPoint());
    }
    for (CPart& part : m_parts) {
        for (CPin& pin : part.Pins()) {
            if (!pin.IsDisp() || pin.IsHighlight() || !points.count(PackPoint(pin.GetPoint())))
                continue;
            pin.ModifyElect(CPin::kHighlight, 0);
            unite(pin.GetBoundingRect());
        }
    }
    if (any && !area.IsRectEmpty())
        SetHighLight(true);
    return any ? area : CRect();
}
