// CNetName: one node of a net - a pin of a placed part, with the part's
// reference and the document the part sits on.
#pragma once

#include "base/string.h"
#include "items/pin.h"

struct CNetWriteStyle;

class CNetName {
public:
    CNetName() = default;
    CNetName(const CString& fileName, const CString& partName, const CString& refName,
             const CPin& pin)
        : m_fileName(fileName), m_partName(partName), m_refName(refName), m_pin(pin)
    {
    }

    const CString& GetFileName() const { return m_fileName; }
    void SetFileName(const CString& name) { m_fileName = name; }
    const CString& GetPartName() const { return m_partName; }
    void SetPartName(const CString& name) { m_partName = name; }
    // The part's reference; for parts of a multi-gate package the package
    // reference (without the gate suffix).
    const CString& GetRefName() const { return m_refName; }
    void SetRefName(const CString& name) { m_refName = name; }
    const CString& GetRefPrefix() const { return m_refPrefix; }
    const CString& GetRefSuffix() const { return m_refSuffix; }
    int GetPartNo() const { return m_refNo; }
    const CPin& GetPin() const { return m_pin; }
    CPin& GetPin() { return m_pin; }
    const CString& GetPinName() const { return m_pin.GetName(); }
    const CString& GetPinNo() const { return m_pin.GetNo(); }

    // Same reference and same pin number, both without regard to case.
    // Distinct pins of unnumbered parts ("R?") or pins without numbers compare
    // equal: see IsAmbiguous.
    friend bool operator==(const CNetName& a, const CNetName& b);
    friend bool operator!=(const CNetName& a, const CNetName& b) { return !(a == b); }
    // Whether equality says little about this node: its reference is not
    // numbered yet or its pin has no number.
    bool IsAmbiguous() const;

    // Splits the reference into prefix, number and suffix (the reference grammar
    // of parts).
    void BreakPartRef();
    // The number in a pin number: the leading digits when s starts with one
    // (s keeps the rest), else the digits from the first digit on (s keeps what
    // precedes them); -1 and s unchanged when s has no digit.
    static int BreakPinNo(CString& s);
    // Listing order: reference prefix, reference number, whole reference, then
    // the pin number's text and value.  Needs BreakPartRef on both.
    int Compare(const CNetName& other) const;

    // Whether this node is one of the pins that raised a rule-check code.
    bool CheckDRC(int code) const;

    // The node text of a netlist format (1..29, -24) or of the report (0);
    // references and pin numbers as the style spells them.
    CString MakeString(int format, const CNetWriteStyle& style) const;

private:
    CString m_fileName;
    CString m_partName;
    CString m_refName;
    CString m_refPrefix;
    CString m_refSuffix;
    int m_refNo = 0;
    CPin m_pin;
};

// The sort key of a node: what Compare looks at, computed once.  Keys order
// (operator<) exactly as Compare orders the nodes they came from.
struct CNetNameKey {
    std::string prefix; // lower-cased, as the case-blind comparison sees it
    int number = 0;
    std::string ref;
    std::string pinText;
    int pinValue = -1;
    static CNetNameKey Of(const CNetName& node);
    friend bool operator<(const CNetNameKey& a, const CNetNameKey& b);
};
