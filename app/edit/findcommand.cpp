#include "app/edit/findcommand.h"

#include "app/edit/editengine.h"
#include "app/edit/findsearch.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "base/host.h"

namespace {

bool SearchSheet(const CFindOptions& options, CFindSheet& sheet, int mode)
{
    CEditEngine& engine = *sheet.engine;
    if (options.selectItem)
        return SelectMatches(engine, options);
    CFindHit hit;
    if (!NextOccurrence(engine.Doc().MainSheet(), options, mode, engine.FindCounter(), hit))
        return false;
    if (sheet.show)
        sheet.show(hit.point);
    return true;
}

// The other sheets in window order, each searched from its start.
bool SearchOthers(const CFindOptions& options, std::vector<CFindSheet>& sheets)
{
    if (!options.allSheet)
        return false;
    for (size_t i = 1; i < sheets.size(); ++i) {
        if (sheets[i].activate)
            sheets[i].activate();
        if (SearchSheet(options, sheets[i], 0))
            return true;
    }
    // Round the circle: the first sheet is the active one again.
    if (sheets.size() > 1 && sheets[0].activate)
        sheets[0].activate();
    return false;
}

bool NotFound(const CFindOptions& options)
{
    Host().Message(options.SearchString() + FromUtf8(" は見つかりません"), CHost::Information);
    return false;
}

} // namespace

bool RunFind(const CFindOptions& options, std::vector<CFindSheet>& sheets)
{
    if (sheets.empty() || options.SearchString().IsEmpty())
        return false;
    if (options.selectItem)
        return SearchSheet(options, sheets[0], 0) || NotFound(options);
    if (SearchSheet(options, sheets[0], 0) || SearchOthers(options, sheets))
        return true;
    return NotFound(options);
}

bool RunFindNext(const CFindOptions& options, std::vector<CFindSheet>& sheets)
{
    if (sheets.empty() || options.SearchString().IsEmpty())
        return false;
    if (SearchSheet(options, sheets[0], 1) || SearchOthers(options, sheets))
        return true;
    return NotFound(options);
}
