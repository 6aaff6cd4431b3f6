// The connectivity difference between two revisions of a design: parts and
// nets added, removed or changed, and references that changed.
//
// Parts are matched by reference.  A part left over on both sides that sits
// on a sheet of the same file name, at the same centre, with the same part
// name, is the same part under a new reference (renumbered); its new
// reference is used for the old revision's nets before they are compared,
// so that a renumbering alone shows as reference changes and nothing else.
//
// Nets are matched by the pins they connect ("R1-2"): each old net is paired
// with the new net sharing the most pins with it (greedily, the largest
// overlaps first).  A pair with the same pins is unchanged (or only
// renamed); a pair with different pins is a changed net; nets left unpaired
// were added or removed.  Unnumbered parts ("R?") cannot be matched and are
// only counted; pins whose reference is not unique on a side (R5 beside r5)
// are left out of the net comparison, and nets with nothing else on them.
#pragma once

#include <vector>

#include "app/projectjob.h"

struct CDiffPart {
    CString ref, partName, value, sheet; // sheet: the file name
};

struct CDiffPartChange {
    CString ref;
    std::vector<CString> what; // "value 10k -> 22k", "property FOOTPRINT: a -> b" ...
};

struct CDiffRename {
    CString before, after; // references
    CString sheet;
};

struct CDiffNet {
    CString name;              // the net's name, or "(unnamed)"
    std::vector<CString> pins; // "R1-2" ...
};

struct CDiffNetChange {
    CString before, after;      // names
    std::vector<CString> added; // pins
    std::vector<CString> removed;
};

struct CDesignDiff {
    std::vector<CDiffRename> renamed;
    std::vector<CDiffPart> partsAdded, partsRemoved;
    std::vector<CDiffPartChange> partsChanged;
    std::vector<CDiffNet> netsAdded, netsRemoved;
    std::vector<CDiffNetChange> netsChanged; // pins changed, or only the name
    int unnumberedBefore = 0, unnumberedAfter = 0;

    bool Empty() const;
};

// True when the user cancelled.
bool DiffDesigns(const std::vector<CJobDocument>& before, const std::vector<CJobDocument>& after,
                 CDesignDiff& out);
// The report, one line per difference ("\n" line ends).
CString DiffText(const CDesignDiff& diff);
// The reference changes as a simple Was-Is file (package references, each
// once); false with error set when gates of one package went to different
// packages, which a simple file cannot express.
bool DiffWasIs(const CDesignDiff& diff, CString& out, CString& error);
