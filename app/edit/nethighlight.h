// CNetHighlight: F9 shows the net of the wire under the cursor in the
// highlight colour (every wire and part pin it reaches); F9 on a highlighted
// wire takes the highlighted wires, with their junctions, into the selection.
// Any left click or Cancel while a highlight is shown only clears it.
#pragma once

#include <string>
#include <vector>

#include "base/point.h"
#include "base/rect.h"
#include "base/string.h"

class CEditEngine;
class CVIREODoc;

class CNetHighlight {
public:
    explicit CNetHighlight(CEditEngine& engine) : m_e(engine) {}

    // F9 at p.  names receives the net names met (for the other sheets of a
    // project, which the front end highlights by name).  False when no wire
    // lies under p.
    bool At(const CPoint& p, std::vector<CString>& names);
    // Highlights the nets named in names (another sheet of the project).
    static CRect ByNames(CVIREODoc& doc, std::vector<CString>& names);
    // Clears every mark; returns the area to draw again (empty when nothing
    // was highlighted).
    static CRect Clear(CVIREODoc& doc);
    bool Shown() const;

private:
    void TakeIntoSelection();

    CEditEngine& m_e;
};
