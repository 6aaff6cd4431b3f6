#include "net/net.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "base/codepage.h"
#include "base/host.h"
#include "base/selectionsort.h"

const char kNetMarker[] = "{VIREO}";
const char kOpenPin1Name[] = "{VIREO}Open Pin1";
const char kOpenPin2Name[] = "{VIREO}Open Pin2";

namespace {

// Where the name is marked, or -1; the marker is recognised in any case so
// that a name equal (case-blind) to an internal one is internal too.
int MarkerPos(const CString& name)
{
    return Cp932Upper(name).Find(kNetMarker);
}

bool g_defaultWarned = false;
bool* g_warned = &g_defaultWarned;

} // namespace

bool IsInternalNetName(const CString& name)
{
    return MarkerPos(name) >= 0;
}

void WarnAmbiguousNodeDropped(const CNetName& dropped)
{
    if (!dropped.IsAmbiguous() || *g_warned)
        return;
    *g_warned = true;
    Host().Message(
        CString::Formatted("Pins of unnumbered parts or without pin numbers were taken as one pin "
                           "(first: %s-%s); number the references for a sound netlist",
                           dropped.GetRefName().c_str(), dropped.GetPinNo().c_str()),
        CHost::Warning);
}

CNetWarningScope::CNetWarningScope() : m_previous(g_warned)
{
    g_warned = &m_warned;
}

CNetWarningScope::~CNetWarningScope()
{
    g_warned = m_previous;
}

// --- building ---------------------------------------------------------------------------

void CNet::Add(const CLine& wire)
{
    if (std::find(m_wires.begin(), m_wires.end(), wire) == m_wires.end())
        m_wires.push_back(wire);
}

void CNet::Add(const CJunc& junc)
{
    if (std::find(m_juncs.begin(), m_juncs.end(), junc) == m_juncs.end())
        m_juncs.push_back(junc);
}

bool CNet::HasNode(const CNetName& node) const
{
    return std::find(m_nodes.begin(), m_nodes.end(), node) != m_nodes.end();
}

void CNet::Add(const CNetName& node)
{
    if (HasNode(node))
        WarnAmbiguousNodeDropped(node);
    else
        m_nodes.push_back(node);
}

void CNet::Append(const CNet& other)
{
    for (const CLine& w : other.m_wires)
        Add(w);
    for (const CJunc& j : other.m_juncs)
        Add(j);
    for (const CNetName& n : other.m_nodes)
        Add(n);
    for (const CString& name : other.m_names)
        SetNetName(name);
    m_power = m_power || other.m_power;
}

bool CNet::Append2(const CNet& other)
{
    m_nodes.insert(m_nodes.end(), other.m_nodes.begin(), other.m_nodes.end());
    bool added = false;
    for (const CString& name : other.m_names) {
        if (!CheckNetName(name)) {
            m_names.push_back(name);
            added = true;
        }
    }
    m_power = m_power || other.m_power;
    return added;
}

void CNet::ChangeNet(CNet& other)
{
    std::swap(m_power, other.m_power);
    std::swap(m_netId, other.m_netId);
    m_juncs.swap(other.m_juncs);
    m_nodes.swap(other.m_nodes);
    m_wires.swap(other.m_wires);
    m_names.swap(other.m_names);
}

void CNet::SetNetName(const CString& name)
{
    if (!CheckNetName(name))
        m_names.push_back(name);
}

bool CNet::CheckNetName(const CString& name) const
{
    for (const CString& n : m_names)
        if (n.CompareNoCase(name) == 0)
            return true;
    return false;
}

bool CNet::CheckNetName(const CNet& other) const
{
    for (const CString& n : m_names)
        if (!IsInternalNetName(n) && other.CheckNetName(n))
            return true;
    return false;
}

// --- contact ----------------------------------------------------------------------------

bool CNet::CheckPoint(const CPoint& p) const
{
    bool found = false;
    ForEachPoint([&](const CPoint& q) { found = found || q == p; });
    return found;
}

bool CNet::CheckPoint(const CNet& other) const
{
    bool found = false;
    other.ForEachPoint([&](const CPoint& q) { found = found || CheckPoint(q); });
    return found;
}

// --- classes ----------------------------------------------------------------------------

bool CNet::CheckNet() const
{
    if (m_nodes.size() < 2)
        return false;
    for (const CString& name : m_names)
        if (MarkerPos(name) > 0)
            return false;
    return true;
}

int CNet::IsOpenPinNet() const
{
    if (CheckNet() || !CheckAliasNet())
        return 0;
    for (const CString& name : m_names)
        if (name == kOpenPin1Name || name == kOpenPin2Name)
            return 1;
    return 0;
}

int CNet::IsOpenWireNet() const
{
    if (CheckNet() || !CheckAliasNet())
        return 0;
    if (m_names.empty())
        return 1;
    for (const CString& name : m_names)
        if (name != kOpenPin1Name && name != kOpenPin2Name)
            return 1;
    return 0;
}

// --- tidying and order ------------------------------------------------------------------------

namespace {

// Keeps the first of each class of equal elements (equal ones hash alike).
template <class T, class Hash, class Eq>
void KeepFirst(std::vector<T>& items, Hash hash, Eq eq, void (*onDrop)(const T&) = nullptr)
{
    std::unordered_multimap<size_t, size_t> seen; // hash -> index in kept
    std::vector<T> kept;
    kept.reserve(items.size());
    for (T& item : items) {
        const size_t h = hash(item);
        auto [first, last] = seen.equal_range(h);
        if (std::any_of(first, last,
                        [&](const auto& entry) { return eq(kept[entry.second], item); })) {
            if (onDrop)
                onDrop(item);
            continue;
        }
        seen.emplace(h, kept.size());
        kept.push_back(std::move(item));
    }
    items.swap(kept);
}

size_t HashPoint(const CPoint& p)
{
    return std::hash<int64_t>()(PackPoint(p));
}

size_t HashLower(const CString& s)
{
    CString lower(s);
    lower.MakeLower();
    return std::hash<std::string>()(lower.str());
}

size_t HashNode(const CNetName& n)
{
    return HashLower(n.GetRefName()) * 31 + HashLower(n.GetPinNo());
}

} // namespace

void CNet::NetRefPinCorrection()
{
    KeepFirst(
        m_nodes, HashNode, [](const CNetName& a, const CNetName& b) { return a == b; },
        WarnAmbiguousNodeDropped);
}

void CNet::NetCorrection()
{
    KeepFirst(
        m_wires,
        [](const CLine& w) {
            return HashPoint(w.GetStartPoint()) * 7 + HashPoint(w.GetEndPoint());
        },
        [](const CLine& a, const CLine& b) { return a == b; });
    KeepFirst(
        m_juncs, [](const CJunc& j) { return HashPoint(j.GetPoint()); },
        [](const CJunc& a, const CJunc& b) { return a == b; });
    // Two pins stacked at one place are still two pins: only the same pin
    // (same reference and number) is a repeat.
    NetRefPinCorrection();
    KeepFirst(m_names, HashLower,
              [](const CString& a, const CString& b) { return a.CompareNoCase(b) == 0; });
}

void CNet::Sort()
{
    if (!CheckNet())
        return;
    for (CNetName& n : m_nodes)
        n.BreakPartRef();
    std::vector<CNetNameKey> keys;
    keys.reserve(m_nodes.size());
    for (const CNetName& n : m_nodes)
        keys.push_back(CNetNameKey::Of(n));
    ApplyOrder(m_nodes, SelectionSortOrder(keys, std::less<>()));
}

int CNet::Compare(const CNet& other) const
{
    if (m_nodes.empty() || other.m_nodes.empty())
        return int(other.m_nodes.empty()) - int(m_nodes.empty());
    return m_nodes.front().Compare(other.m_nodes.front());
}
