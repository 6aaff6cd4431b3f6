// The Find and Next find commands over the open sheets.
//
// The front end lists the open sheets in its window order, the active one
// first, each with its editing engine (which keeps the sheet's occurrence
// counter) and with what showing an occurrence means there (bring the
// window forward, move the cursor onto the point or centre the view on
// it).  With "all sheets" the search goes on in the next sheets when the
// active one has no (further) occurrence; when nothing is found anywhere
// the user is told "%s は見つかりません".
#pragma once

#include <functional>
#include <vector>

#include "app/edit/findoptions.h"
#include "base/point.h"

class CEditEngine;

struct CFindSheet {
    CEditEngine* engine = nullptr;
    // The sheet's window comes forward (not called for the first, active one).
    std::function<void()> activate;
    // An occurrence at this sheet point is shown.
    std::function<void(const CPoint&)> show;
};

// Find after the dialog was answered with OK (options as the dialog left
// them); Next find.  True when something was shown or selected.
bool RunFind(const CFindOptions& options, std::vector<CFindSheet>& sheets);
bool RunFindNext(const CFindOptions& options, std::vector<CFindSheet>& sheets);
