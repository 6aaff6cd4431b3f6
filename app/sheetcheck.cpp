#include "app/sheetcheck.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "app/projectjob.h"
#include "base/codepage.h"
#include "base/host.h"
#include "sheet/sheet.h"

namespace {

struct PointHash {
    size_t operator()(const CPoint& p) const
    {
        return std::hash<int64_t>()(PackPoint(p));
    }
};
using PointSet = std::unordered_set<CPoint, PointHash>;
using PointCount = std::unordered_map<CPoint, int, PointHash>;

CString PinOwner(const CPart& part)
{
    return part.GetRefName().IsEmpty() ? part.GetPartName() : part.GetRefName();
}

CCheckEntry PinEntry(const CString& owner, const CPin& pin, const CString& sheet)
{
    return {CCheckEntry::Pin, owner, CString(), pin.GetNo(), sheet, pin.GetPoint()};
}

std::string Lower(CString s)
{
    return s.MakeLower().str();
}

} // namespace

long long CCheckReport::Findings() const
{
    long long n = 0;
    for (const auto* list : {&duplicates, &undetermined, &referenceErrors, &suffixErrors,
                             &pinClashes, &overlaps, &connections, &loosePins})
        n += (long long)list->size();
    return n + (long long)missing.size() + missingNotListed;
}

void CheckConnectionPoints(const CSheet& sheet, const CString& sheetText, CCheckReport& report)
{
    PointSet juncs;
    for (const CJunc& j : sheet.Juncs())
        juncs.insert(j.GetPoint());
    PointCount wireEnds, pinTips;
    for (const CLine& w : sheet.Wires()) {
        ++wireEnds[w.GetStartPoint()];
        ++wireEnds[w.GetEndPoint()];
    }
    for (const CPart& part : sheet.Parts())
        for (const CPin& pin : part.Pins())
            if (pin.IsDisp())
                ++pinTips[pin.GetPoint()];
    const auto count = [](const PointCount& counts, const CPoint& p) {
        const auto it = counts.find(p);
        return it == counts.end() ? 0 : it->second;
    };

    // Every point is reported once per sheet.  The pin's own tip always
    // lies at P, so the test for a pin at P never skips one here.
    PointSet reported;
    for (const CPart& part : sheet.Parts()) {
        if (part.GetRefName().IsEmpty())
            continue;
        for (const CPin& pin : part.Pins()) {
            const CPoint& p = pin.GetPoint();
            if (!pin.IsDisp() || reported.count(p) || juncs.count(p))
                continue;
            if (count(wireEnds, p) + count(pinTips, p) > 2) {
                report.connections.push_back(PinEntry(part.GetRefName(), pin, sheetText));
                reported.insert(p);
            }
        }
    }
    for (const CLine& w : sheet.Wires()) {
        const CPoint ends[] = {w.GetEndPoint(), w.GetStartPoint()};
        for (int i = 0; i < 2; ++i) {
            const CPoint& p = ends[i];
            if ((i == 1 && p == ends[0]) || reported.count(p) || juncs.count(p) ||
                count(wireEnds, p) < 3)
                continue;
            report.connections.push_back({CCheckEntry::Wire, "", "", "", sheetText, p});
            reported.insert(p);
        }
    }
}

void CheckOverlappingPins(const CSheet& sheet, const CString& sheetText, CCheckReport& report)
{
    std::vector<const CPart*> parts;
    std::vector<CRect> rects;
    for (const CPart& part : sheet.Parts()) {
        parts.push_back(&part);
        rects.push_back(part.GetSimpleBoundingRect().Normalized());
    }
    // The later parts whose outline meets each part's, found by a sweep
    // over the left edges and listed in sheet order.
    const size_t n = parts.size();
    std::vector<std::vector<size_t>> later(n);
    std::vector<size_t> byLeft(n);
    for (size_t i = 0; i < n; ++i)
        byLeft[i] = i;
    std::sort(byLeft.begin(), byLeft.end(),
              [&rects](size_t a, size_t b) { return rects[a].left < rects[b].left; });
    for (size_t k = 0; k < n; ++k) {
        const size_t a = byLeft[k];
        if (rects[a].IsRectEmpty())
            continue;
        for (size_t m = k + 1; m < n && rects[byLeft[m]].left < rects[a].right; ++m) {
            const size_t b = byLeft[m];
            CRect overlap;
            if (overlap.IntersectRect(rects[a], rects[b]))
                later[std::min(a, b)].push_back(std::max(a, b));
        }
    }
    PointSet reported;
    for (size_t i = 0; i < n; ++i) {
        std::sort(later[i].begin(), later[i].end());
        const CPart& part = *parts[i];
        std::vector<const CPin*> pins;
        for (const CPin& pin : part.Pins())
            pins.push_back(&pin);
        for (size_t a = 0; a < pins.size(); ++a) {
            const CPin& p = *pins[a];
            if (!p.IsDisp())
                continue;
            // Reports p (or, when this part has no reference, the other pin)
            // unless its tip was reported; true once it is.
            const auto test = [&](const CPart& other, const CPin& q) {
                if (!q.IsDisp() || reported.count(p.GetPoint()) || !p.CheckOnPin(q))
                    return false;
                report.overlaps.push_back(part.GetRefName().IsEmpty()
                                              ? PinEntry(PinOwner(other), q, sheetText)
                                              : PinEntry(PinOwner(part), p, sheetText));
                reported.insert(p.GetPoint());
                return true;
            };
            bool done = false;
            for (size_t b = a + 1; b < pins.size() && !done; ++b)
                done = test(part, *pins[b]);
            for (size_t j : later[i]) {
                for (const CPin& q : parts[j]->Pins())
                    if ((done = test(*parts[j], q)))
                        break;
                if (done)
                    break;
            }
        }
    }
}

namespace {

// A part of the combined sheet as the reference tests read it.
struct RefInfo {
    const CPart* part;
    CString prefix, suffix;
    int number = 0;
    std::string full, prefixLower, package; // lower case
    CString docText;
    bool undetermined = false;
};

CCheckEntry PartEntry(const RefInfo& r)
{
    return {CCheckEntry::Part, r.part->GetRefName(), r.part->GetPartName(), CString(), r.docText,
            r.part->GetCenter()};
}

bool Clash(const RefInfo& x, const RefInfo& y)
{
    if (x.full == y.full)
        return true;
    if (x.prefixLower == y.prefixLower && x.number == y.number &&
        x.suffix.IsEmpty() != y.suffix.IsEmpty())
        return true;
    return x.package == y.package && (x.part->GetPartName() != y.part->GetPartName() ||
                                      x.part->GetValName() != y.part->GetValName());
}

// The missing numbers below each last number: the numbers 1 .. N-1 that no
// part of that prefix carries (a reference is read by the grammar, so R004
// is number 4), listed up to the cap and counted beyond it.
void ListMissing(const std::vector<RefInfo>& infos, CCheckReport& report)
{
    std::unordered_map<std::string, std::vector<int>> numbers;
    for (const RefInfo& r : infos)
        if (!r.undetermined && r.number > 0)
            numbers[r.prefixLower].push_back(r.number);
    for (auto& entry : numbers) {
        std::sort(entry.second.begin(), entry.second.end());
        entry.second.erase(std::unique(entry.second.begin(), entry.second.end()),
                           entry.second.end());
    }
    for (const CCheckEntry& last : report.lastNumbers) {
        CString prefix, suffix;
        int highest;
        CPart::SplitRef(last.ref, prefix, suffix, highest);
        const std::vector<int>& present = numbers[Lower(prefix)];
        long long k = 1;
        const auto emit = [&](long long below) {
            for (; k < below; ++k) {
                if (report.missing.size() >= size_t(kMissingListCap)) {
                    report.missingNotListed += below - k;
                    k = below;
                    return;
                }
                report.missing.push_back(prefix + CString::Formatted("%lld", k));
            }
        };
        for (int number : present) {
            if (number >= highest)
                break;
            emit(number);
            k = number + 1;
        }
        emit(highest);
    }
}

} // namespace

bool CheckParts(const CSheet& parts, bool bySheet, bool missing, CCheckReport& report)
{
    report.parts = parts.Parts().GetCount();
    report.bySheet = bySheet;
    report.missingListed = missing && !bySheet;
    std::vector<RefInfo> infos;
    for (const CPart& part : parts.Parts()) {
        RefInfo r;
        r.part = &part;
        part.GetRefName(r.prefix, r.suffix, r.number);
        r.full = Lower(part.GetRefName());
        r.prefixLower = Lower(r.prefix);
        r.package = Lower(part.GetRefNameA());
        r.docText = PartDocumentText(part);
        r.undetermined = part.GetRefName().Find('?') >= 0;
        infos.push_back(std::move(r));
        report.totalPins += part.GetPinCount();
    }
    report.totalPins += parts.Pins().GetCount();

    // Candidates for a clash: parts with the same package reference or the
    // same prefix and number (every clash has one or the other).
    std::unordered_map<std::string, std::vector<size_t>> byPackage, byNumber;
    std::vector<bool> listedDuplicate(infos.size());
    std::map<std::string, size_t> lastOf; // prefix (and sheet) -> entry in lastParts
    std::vector<size_t> lastParts;
    Host().ProgressBegin(FromUtf8("部品番号をチェック"), int(infos.size()));
    for (size_t i = 0; i < infos.size(); ++i) {
        Host().ProgressStep(int(i));
        if (Host().IsCancelled()) {
            Host().ProgressEnd();
            return true;
        }
        const RefInfo& x = infos[i];
        const CPart& part = *x.part;
        const bool gates = part.GetPackageMax() >= 2;
        if (gates == x.suffix.IsEmpty())
            report.suffixErrors.push_back(PartEntry(x));
        if (x.undetermined) {
            report.undetermined.push_back(PartEntry(x));
        } else {
            if (x.number == 0) {
                report.referenceErrors.push_back(PartEntry(x));
            } else {
                const std::string key =
                    x.prefixLower + (bySheet ? '\x01' + x.docText.str() : std::string());
                auto [at, added] = lastOf.try_emplace(key, lastParts.size());
                if (added)
                    lastParts.push_back(i);
                else if (x.number > infos[lastParts[at->second]].number)
                    lastParts[at->second] = i;
            }
            std::vector<size_t> candidates = byPackage[x.package];
            const std::string numberKey = x.prefixLower + '\x01' + std::to_string(x.number);
            const std::vector<size_t>& sameNumber = byNumber[numberKey];
            candidates.insert(candidates.end(), sameNumber.begin(), sameNumber.end());
            std::sort(candidates.begin(), candidates.end());
            candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
            bool clashed = false;
            for (size_t j : candidates) {
                if (!Clash(x, infos[j]))
                    continue;
                if (!clashed && !listedDuplicate[i]) {
                    report.duplicates.push_back(PartEntry(x));
                    listedDuplicate[i] = true;
                }
                clashed = true;
                if (!listedDuplicate[j]) {
                    report.duplicates.push_back(PartEntry(infos[j]));
                    listedDuplicate[j] = true;
                }
            }
            byPackage[x.package].push_back(i);
            byNumber[numberKey].push_back(i);
        }

        // Pin numbers used twice: each pin with the later pins of its number.
        std::vector<const CPin*> pins;
        std::unordered_map<std::string, std::vector<size_t>> byNo;
        for (const CPin& pin : part.Pins()) {
            byNo[Lower(pin.GetNo())].push_back(pins.size());
            pins.push_back(&pin);
        }
        for (size_t a = 0; a < pins.size(); ++a) {
            const std::vector<size_t>& same = byNo[Lower(pins[a]->GetNo())];
            const auto after = std::upper_bound(same.begin(), same.end(), a);
            if (after == same.end())
                continue;
            report.pinClashes.push_back(PinEntry(PinOwner(part), *pins[a], x.docText));
            for (auto b = after; b != same.end(); ++b)
                report.pinClashes.push_back(PinEntry(PinOwner(part), *pins[*b], x.docText));
        }
    }
    Host().ProgressEnd();

    for (const CPin& pin : parts.Pins())
        report.loosePins.push_back(PinEntry(pin.GetName(), pin, pin.GetNetName()));

    // The last numbers: by sheet (sheets in order of appearance) when asked,
    // then by the reference without its suffix as plain text.
    std::vector<std::pair<int, std::string>> keys;
    std::map<std::string, int> sheetOrder;
    for (size_t i : lastParts) {
        const int sheet =
            bySheet ? sheetOrder.try_emplace(infos[i].docText.str(), int(sheetOrder.size()))
                          .first->second
                    : 0;
        keys.emplace_back(sheet, infos[i].part->GetRefNameA().str());
    }
    std::vector<size_t> order(lastParts.size());
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    for (size_t k : order)
        report.lastNumbers.push_back(PartEntry(infos[lastParts[k]]));
    if (report.missingListed)
        ListMissing(infos, report);
    return false;
}
