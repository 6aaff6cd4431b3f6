#include "app/edit/findsearch.h"

#include "app/edit/editengine.h"
#include "app/edit/nethighlight.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"

CString PreparedSearch(const CString& text, bool matchCase)
{
    CString s = text;
    s.TrimRight();
    return matchCase ? s : Cp932Upper(s);
}

namespace {

class Collector {
public:
    Collector(const CFindOptions& o, std::vector<CFindHit>& out)
        : m_search(PreparedSearch(o.SearchString(), o.matchCase)), m_o(o), m_out(out)
    {
    }

    bool Text(const CText& text, int kind, const CItemRef& item)
    {
        CPoint at;
        if (!(m_o.target & kind) || !text.Find(m_search, m_o.matchCase, m_o.word, m_o.hide, at))
            return false;
        m_out.push_back(CFindHit{kind, text.GetName(), at, item});
        return true;
    }

    // A hidden pin takes part only when hidden texts are searched.
    bool Pin(const CPin& pin, const CItemRef& item)
    {
        if (!pin.IsDisp() && !m_o.hide)
            return false;
        const bool name = Text(pin.GetNameText(), findkind::kPinName, item);
        const bool number = Text(pin.GetNoText(), findkind::kPinNumber, item);
        return name || number;
    }

    bool Empty() const { return m_search.IsEmpty(); }

private:
    CString m_search;
    const CFindOptions& m_o;
    std::vector<CFindHit>& m_out;
};

} // namespace

std::vector<CFindHit> FindOccurrences(const CSheet& sheet, const CFindOptions& options)
{
    std::vector<CFindHit> hits;
    Collector c(options, hits);
    if (c.Empty())
        return hits;
    for (const CItemList<CLine>* list : {&sheet.Wires(), &sheet.Buses()})
        for (const CLine& line : *list)
            c.Text(line.GetNameText(), findkind::kSignal, line);
    for (const CPart& part : sheet.Parts()) {
        c.Text(part.GetPartNameText(), findkind::kPartName, part);
        c.Text(part.GetRefNameText(), findkind::kReference, part);
        c.Text(part.GetValNameText(), findkind::kValue, part);
        for (const CPin& pin : part.Pins())
            c.Pin(pin, part);
        for (const CText& text : part.Texts())
            c.Text(text, findkind::kPartText, part);
    }
    for (const CPin& pin : sheet.Pins())
        c.Pin(pin, pin);
    for (const CText& text : sheet.Texts())
        c.Text(text, findkind::kText, text);
    return hits;
}

std::vector<CItemRef> FindMatchingItems(const CSheet& sheet, const CFindOptions& options)
{
    std::vector<CItemRef> items;
    for (const CFindHit& hit : FindOccurrences(sheet, options))
        if (items.empty() || items.back().item != hit.item.item)
            items.push_back(hit.item);
    return items;
}

bool NextOccurrence(const CSheet& sheet, const CFindOptions& options, int mode, int& counter,
                    CFindHit& hit)
{
    if (mode == 0)
        counter = 0;
    const std::vector<CFindHit> hits = FindOccurrences(sheet, options);
    if (counter < 0 || size_t(counter) >= hits.size()) {
        counter = 0;
        return false;
    }
    hit = hits[size_t(counter)];
    ++counter;
    return true;
}

bool SelectMatches(CEditEngine& engine, const CFindOptions& options)
{
    engine.Finish();
    CVIREODoc& doc = engine.Doc();
    const std::vector<CItemRef> items = FindMatchingItems(doc.MainSheet(), options);
    if (items.empty())
        return false;
    engine.Repaint(CNetHighlight::Clear(doc));
    for (const CItemRef& item : items)
        doc.SelectItem(item);
    engine.Repaint(doc.SelectionSheet().GetBoundingRect());
    engine.Edits().SelectionChanged();
    return doc.SelectionSheet().GetItemCount() != 0;
}
