// CNet: one net - the pins that are connected, the wires and junctions that
// connect them on one sheet, and the names the net goes by.
//
// Names that contain the marker "{VIREO}" (in any case) are the net's own
// bookkeeping, not names a person gave: "{VIREO}Open Pin1" names the net of a
// visible pin that touches nothing, "{VIREO}Open Pin2" that of a hidden pin
// that connects to nothing.  They never join nets by name.
#pragma once

#include <vector>

#include "base/string.h"
#include "items/junc.h"
#include "items/line.h"
#include "net/netname.h"

class CNetContext;
struct CNetFormat;
struct CNetRecord;
struct CNetWriteStyle;

extern const char kNetMarker[];    // "{VIREO}"
extern const char kOpenPin1Name[]; // "{VIREO}Open Pin1"
extern const char kOpenPin2Name[]; // "{VIREO}Open Pin2"

// Whether a net name is one of the internal ones (holds the marker in any case).
bool IsInternalNetName(const CString& name);

class CNet {
public:
    // The rule-check codes, one bit each, in report order.
    static constexpr int kDrcCodeCount = 17;
    // The report name of code 1 << index ("Output-Output" ...).
    static const char* DrcName(int index);

    CNet() = default;

    // --- fields --------------------------------------------------------------------
    int GetNetID() const { return m_netId; }
    void SetNetID(int id) { m_netId = id; }
    bool GetPower() const { return m_power; }
    void SetPower(bool power) { m_power = power; }
    const std::vector<CLine>& Wires() const { return m_wires; }
    const std::vector<CJunc>& Juncs() const { return m_juncs; }
    const std::vector<CNetName>& Nodes() const { return m_nodes; }
    std::vector<CNetName>& Nodes() { return m_nodes; }
    const std::vector<CString>& Names() const { return m_names; }
    int GetNodeCount() const { return int(m_nodes.size()); }
    int GetNameCount() const { return int(m_names.size()); }

    // --- building ------------------------------------------------------------------
    // Appends a copy unless an equal item is already there.  A pin alone is no
    // node and is ignored.
    void Add(const CLine& wire);
    void Add(const CJunc& junc);
    void Add(const CNetName& node);
    void Add(const CPin&) {}
    // Takes other's wires, junctions and nodes through Add, then the names it
    // lacks (case-blind); the power flag goes with them.
    void Append(const CNet& other);
    // Takes all of other's nodes as they are, and the names it lacks; true
    // when a name was new.  Wires and junctions stay behind.
    bool Append2(const CNet& other);
    // Exchanges every field with other.
    void ChangeNet(CNet& other);
    // Adds a name unless the net has it already (case-blind).
    void SetNetName(const CString& name);
    bool CheckNetName(const CString& name) const;
    // Whether one of this net's own names (not internal) is one of other's.
    bool CheckNetName(const CNet& other) const;

    // --- contact -------------------------------------------------------------------
    // p is an end of one of the wires, a junction, or the tip of a visible
    // node pin (exact).
    bool CheckPoint(const CPoint& p) const;
    // Some contact point of other is a contact point of this net.
    bool CheckPoint(const CNet& other) const;
    // Calls f on every contact point (wire ends, junctions, visible node pins).
    template <class F> void ForEachPoint(F f) const
    {
        for (const CLine& w : m_wires) {
            f(w.GetStartPoint());
            f(w.GetEndPoint());
        }
        for (const CJunc& j : m_juncs)
            f(j.GetPoint());
        for (const CNetName& n : m_nodes)
            if (n.GetPin().IsDisp())
                f(n.GetPin().GetPoint());
    }

    // --- classes -------------------------------------------------------------------
    // A real net connects at least two pins and has no internal name after
    // the first character of a name.  Only real nets are sorted and written.
    bool CheckNet() const;
    // True when the net has fewer than two names (not an alias net).
    bool CheckAliasNet() const { return m_names.size() < 2; }
    bool CheckHideNet() const { return false; }
    int IsOpenPinNet() const;
    int IsOpenWireNet() const;
    int CheckPowerNet() const { return 1; }
    // The rule-check code mask of the net's pins (0 when all is well).
    int CheckPinDRC() const;

    // --- tidying and order -------------------------------------------------------------
    // Removes repeated wires, junctions, nodes (the same pin: equal reference
    // and pin number) and names, keeping the first of each.
    void NetCorrection();
    // Removes every node equal to an earlier node.
    void NetRefPinCorrection();
    // Real nets only: puts the nodes in listing order.
    void Sort();
    // Order of two sorted nets: that of their first nodes.
    int Compare(const CNet& other) const;

    // --- texts ---------------------------------------------------------------------
    // format -1: the rule-check detail of one code - a line per node that took
    // part in it, then an empty line.  Sheet numbers come from context (0
    // without one).  The netlist formats are written by the netlist writers.
    CString MakeString(int format, unsigned& code, const CNetContext* context = nullptr) const;
    // The netlist texts (keldra/netlist).  MakeString writes the record of a
    // netlist format (1..29) and uses up net numbers as the format does;
    // format -24 is the record of a joined open-net group, format 0 the
    // report lines: with netNo 0 the open-net line, with 1 the alias line.
    // MakeHead returns the header template of a format, to be filled with
    // FillHeader (the netlist path and the date; the date alone for 24 and -24).
    CString MakeString(int format, unsigned& netNo, const CNetWriteStyle& style) const;
    static CString MakeHead(int format);
    static CString MakeTail(int format);
    // The record of a netlist format before it is laid out.
    CNetRecord MakeRecord(const CNetFormat& format, unsigned& netNo,
                          const CNetWriteStyle& style) const;

private:
    friend class CNetEngine;
    friend class CSheet; // the extraction passes build nets in place
    CString MakeDRCSubString(const CNetName& node, const CNetContext* context) const;
    bool HasNode(const CNetName& node) const;

    std::vector<CLine> m_wires;
    std::vector<CJunc> m_juncs;
    int m_netId = 0;
    bool m_power = false;
    std::vector<CNetName> m_nodes;
    std::vector<CString> m_names;
};

// The name the net index gives a real net for a format: its first name (for
// format 21 the first that starts with a digit), else a generated one that
// uses up counter.
CString NetIndexName(const CNet& net, int format, unsigned& counter);

// Nodes that compare equal are dropped as repeats of one pin.  Where the
// reference is not numbered yet ("R?") or a pin has no number, distinct pins
// compare equal too; the result is kept, and the user is told once per scope
// (once per process outside any scope).
void WarnAmbiguousNodeDropped(const CNetName& dropped);
class CNetWarningScope {
public:
    CNetWarningScope();
    ~CNetWarningScope();
    CNetWarningScope(const CNetWarningScope&) = delete;
    CNetWarningScope& operator=(const CNetWarningScope&) = delete;

private:
    bool m_warned = false;
    bool* m_previous;
};
