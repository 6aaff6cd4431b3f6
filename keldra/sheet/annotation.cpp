// Reference annotation and sorting: the orders in which netlists, part lists
// and numbering list the parts, pins and texts of a sheet, the reference
// search, and the leading-zero width of numbered texts.
//
// Every sort keeps the order the swapping selection sort gives (equal items
// do not keep their relative order; see base/selectionsort.h).  Each item's
// key is computed once, so a sheet of 10 000 parts sorts in milliseconds.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "base/host.h"
#include "base/selectionsort.h"
#include "sheet/selectedtexts.h"
#include "sheet/sheet.h"

namespace {

// Progress for the part sorts: one step per list position; a cancel stops
// the sort where it is.
bool PartSortStep(int position, int /*count*/)
{
    Host().ProgressStep(position);
    return Host().IsCancelled();
}

std::string Lower(CString s)
{
    return s.MakeLower().str();
}

} // namespace

template <class KeyOf> int CSheet::SortPartList(KeyOf keyOf)
{
    BeginProgressPhase(ProgressPhase::PartSort, m_parts.GetCount());
    const bool cancelled = SelectionSortList(m_parts, keyOf, std::less<>(), PartSortStep);
    Host().ProgressEnd();
    return cancelled ? kSortCancelled : kSortDone;
}

int CSheet::SortPartRef()
{
    if (m_parts.IsEmpty())
        return kSortEmpty;
    // CompareRef as a key: prefix without case, number, suffix without case.
    return SortPartList([](const CPart& part) {
        CString prefix, suffix;
        int number;
        part.GetRefName(prefix, suffix, number);
        return std::make_tuple(Lower(prefix), number, Lower(suffix));
    });
}

std::pair<int64_t, int64_t> CSheet::ReadingOrderKey(const CPart& part)
{
    // The height of the part's sheet is the last five characters of its size
    // tag ("{VIREO:SIZE}" width "," height, each "%05d").
    int64_t height = 0;
    for (const CText& text : part.Texts()) {
        if (text.GetName().Find(kSizeTag) == 0) {
            height = std::strtol(text.GetName().Right(5).c_str(), nullptr, 10);
            break;
        }
    }
    // Distance from the top of the sheet first, then from the left.  Both in
    // full width: a 16-bit packing of the two would wrap on sheets taller
    // than 32767 or wider than 65535 units.
    const CPoint centre = part.GetCenter();
    return {height - centre.y, centre.x};
}

CString CSheet::SizeTag(int width, int height)
{
    return CString::Formatted("%s%05d,%05d", kSizeTag, width, height);
}

int CSheet::SortPart()
{
    if (m_parts.IsEmpty())
        return kSortDone;
    return SortPartList(ReadingOrderKey);
}

void CSheet::SortPin()
{
    SelectionSortList(m_pins, [](const CPin& pin) { return pin.ListingKey(); });
}

void CSheet::SortText()
{
    SelectionSortList(m_texts, [](const CText& text) { return text.ListingKey(); });
}

int CSheet::FindPartRef(const CString& ref) const
{
    // Gates of one package are found by the package reference (U3 for U3B).
    for (const CPart& part : m_parts) {
        const CString name = part.GetPackageMax() >= 2 ? part.GetRefNameA() : part.GetRefName();
        if (name.CompareNoCase(ref) == 0)
            return 1;
    }
    return 0;
}

template <class F> void CSheet::ForEachNumberedText(F f)
{
    for (CText& text : m_texts)
        f(text);
    CItemList<CLine>* lineLists[] = {&m_wires, &m_buses, &m_lines};
    ForEachSelectedAttr(lineLists, m_pins, m_parts, f, [](CPart&) {});
}

bool CSheet::CheckTextNumber()
{
    int width = 0;
    int numbered = 0;
    bool same = true;
    ForEachNumberedText([&](const CText& text) {
        const int length = text.GetNumberLen();
        if (width > 0 && length != width)
            same = false;
        if (length > 0) {
            ++numbered;
            if (width == 0)
                width = length;
        }
    });
    return same && numbered >= 2;
}

void CSheet::ChangeTextNumber(int width)
{
    if (width == 0) {
        ForEachNumberedText(
            [&width](const CText& text) { width = std::max(width, text.GetNumberLen()); });
        if (width <= 0)
            return;
    }
    width = std::clamp(width, 1, CText::kMaxNumberLen);
    ForEachNumberedText([width](CText& text) { text.SetNumberLen(width); });
    for (CPart& part : m_parts)
        part.CalcBoundRect();
}
