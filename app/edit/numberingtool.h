// CNumberingTool: Numbering Reference - a click on a part gives it the base
// reference and steps the base number; Ctrl+click takes the base from the
// part clicked; "+" and "-" step the base number (never below 0).
#pragma once

#include <string>

#include "base/point.h"
#include "base/string.h"

class CEditEngine;

class CNumberingTool {
public:
    explicit CNumberingTool(CEditEngine& engine) : m_e(engine) {}

    // True when the part under p was numbered (one undo step) or gave the base.
    bool Click(const CPoint& p, bool takeBase);
    void Step(int by);
    bool HasBase() const { return m_hasBase; }
    int Number() const { return m_number; }
    CString BaseReference() const;
    // The status text "  基準部品 ..." (empty until a base is taken).
    std::string StatusText() const;

private:
    CEditEngine& m_e;
    bool m_hasBase = false;
    CString m_prefix, m_suffix;
    int m_number = 0;
};
