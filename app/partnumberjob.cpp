#include "app/partnumberjob.h"

#include <climits>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "app/fileaccess.h"
#include "app/joboutput.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "app/undohistory.h"
#include "app/wasisfile.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"
#include "base/selectionsort.h"
#include "sheet/sheet.h"

namespace {

// One part of the combined sheet, in the order the job numbers them.
struct Item {
    CPart* part = nullptr; // the combined copy
    CPartOrigin origin;    // where it came from
    int group = -1;
};

// The combined part sheet of the documents with the link of every copy to
// its source, in numbering order: sheet by sheet, each in reading order.
struct Combined {
    CSheet sheet;
    std::vector<Item> items;
};

bool Combine(const std::vector<CJobDocument>& docs, Combined& out)
{
    const CSheetSetContext context(JobNetSheets(docs));
    std::vector<CPartOrigin> origins;
    if (CombineSheets(docs, context, out.sheet, &origins))
        return false;
    std::vector<std::pair<int, std::pair<int64_t, int64_t>>> keys;
    std::vector<Item> items;
    size_t i = 0;
    for (CPart& part : out.sheet.Parts()) {
        items.push_back({&part, origins[i], -1});
        keys.emplace_back(origins[i].document, CSheet::ReadingOrderKey(part));
        ++i;
    }
    for (int at : SelectionSortOrder(keys, std::less<>()))
        out.items.push_back(items[size_t(at)]);
    return true;
}

std::string Lower(CString s)
{
    return s.MakeLower().str();
}

void RecordChange(const CJobDocument& doc, const CSheet& before, const CSheet& after)
{
    if (!doc.history)
        return;
    doc.history->Record(before, CUndoHistory::kOld);
    doc.history->Record(after, CUndoHistory::kNew);
}

// The writable part behind a part a document's sheets hold.
class EditableParts {
public:
    explicit EditableParts(const CJobDocument& doc)
    {
        for (CSheet* sheet : {doc.editMain, doc.editSelection})
            if (sheet)
                for (CPart& part : sheet->Parts())
                    m_parts.emplace(&part, &part);
    }
    CPart* Find(const CPart* part) const
    {
        const auto it = m_parts.find(part);
        return it == m_parts.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<const CPart*, CPart*> m_parts;
};

// --- numbering (modes 0 and 1) ----------------------------------------------------------------

// The packages a gate may join: per (group, prefix, part name, value), each
// package number with the gates it holds, the open ones by the position of
// their first part (the first part a scan of the sheet would meet).
class PackageIndex {
public:
    void Add(const Item& item, int number, int position)
    {
        Packages& set = m_sets[KeyOf(item)];
        Package& p = set.all[number];
        if (p.count == 0) {
            p.max = item.part->GetPackageMax();
            p.first = position;
        } else if (position < p.first) {
            set.open.erase(p.first);
            p.first = position;
        }
        ++p.count;
        p.suffixes.insert(Lower(Suffix(*item.part)));
        if (p.count < p.max)
            set.open[p.first] = number;
        else
            set.open.erase(p.first);
    }
    // The number of the first package with room that lacks the part's
    // gate; 0 when there is none.
    int Find(const Item& item) const
    {
        const auto set = m_sets.find(KeyOf(item));
        if (set == m_sets.end())
            return 0;
        const std::string suffix = Lower(Suffix(*item.part));
        for (const auto& [first, number] : set->second.open)
            if (set->second.all.at(number).suffixes.count(suffix) == 0)
                return number;
        return 0;
    }

private:
    struct Package {
        int count = 0, max = 0, first = 0;
        std::set<std::string> suffixes;
    };
    struct Packages {
        std::unordered_map<int, Package> all;
        std::map<int, int> open; // first position -> number
    };
    static CString Suffix(const CPart& part)
    {
        CString prefix, suffix;
        int number;
        part.GetRefName(prefix, suffix, number);
        return suffix;
    }
    static std::string KeyOf(const Item& item)
    {
        CString prefix, suffix;
        int number;
        item.part->GetRefName(prefix, suffix, number);
        return std::to_string(item.group) + '\x01' + Lower(prefix) + '\x01' +
               item.part->GetPartName().str() + '\x01' + item.part->GetValName().str();
    }
    std::unordered_map<std::string, Packages> m_sets;
};

enum class Numbered { Done, Cancelled, Overflow };

Numbered NumberParts(std::vector<Item>& items, const CPartNoOptions& options, int& counters)
{
    const bool all = options.mode == CPartNoOptions::kAll;
    const bool groups = (options.mode == CPartNoOptions::kUndetermined && options.eachSheet) ||
                        (all && options.pageOffset != 0);
    // A group is a sheet: its place among the participating sheets, so that
    // a sheet without parts (a cover sheet) still counts as a page.
    for (Item& item : items) {
        item.group = groups ? item.origin.document : -1;
        if (all)
            item.part->SetRefNo(0, 0);
    }

    // The highest number of every prefix in every group.
    struct Counter {
        int group;
        int64_t number;
    };
    std::map<std::string, Counter> table;
    const auto keyOf = [](const CString& prefix, int g) {
        return std::to_string(g) + '\x01' + Lower(prefix);
    };
    PackageIndex packages;
    Host().ProgressBegin(FromUtf8("リファレンスの最終部品番号をチェ"), int(items.size()));
    int step = 0;
    for (const Item& item : items) {
        CString prefix, suffix;
        int number;
        item.part->GetRefName(prefix, suffix, number);
        auto [at, added] =
            table.try_emplace(keyOf(prefix, item.group), Counter{item.group, number});
        if (!added && number > at->second.number)
            at->second.number = number;
        if (number > 0 && item.part->GetRefName().Find('?') < 0 && item.part->GetPackageMax() >= 2)
            packages.Add(item, number, step);
        if (JobStep(step++)) {
            Host().ProgressEnd();
            return Numbered::Cancelled;
        }
    }
    Host().ProgressEnd();

    // Every group starts at offset * group + start at the least.
    const int64_t offset = all ? options.pageOffset : 0;
    for (auto& entry : table)
        entry.second.number =
            std::max(entry.second.number, offset * entry.second.group + options.start - 1);

    Host().ProgressBegin(FromUtf8("リファレンスを計算"), int(items.size()));
    for (size_t position = 0; position < items.size(); ++position) {
        Item& item = items[position];
        const bool cancelled = JobStep(int(position));
        if (item.part->GetRefName().Find('?') >= 0) {
            CString prefix, suffix;
            int ignored;
            item.part->GetRefName(prefix, suffix, ignored);
            const bool gate = item.part->GetPackageMax() >= 2;
            int64_t number = gate ? packages.Find(item) : 0;
            if (number == 0) {
                auto [at, added] = table.try_emplace(keyOf(prefix, item.group),
                                                     Counter{item.group, options.start});
                if (!added)
                    at->second.number += options.step;
                number = at->second.number;
            }
            if (number > INT_MAX) {
                Host().ProgressEnd();
                Host().Message(CString::Formatted("%s%s: the next number would pass %d; nothing "
                                                  "was renumbered",
                                                  prefix.c_str(), "?", INT_MAX),
                               CHost::Error);
                return Numbered::Overflow;
            }
            item.part->SetRefNo(int(number), 1);
            if (gate)
                packages.Add(item, int(number), int(position));
        }
        if (cancelled) {
            Host().ProgressEnd();
            return Numbered::Cancelled;
        }
    }
    Host().ProgressEnd();
    counters = int(table.size());
    return Numbered::Done;
}

// Writes the new references back to the parts they came from.  Once the
// user cancels, nothing more is written; what each document received so far
// stays, as one undoable change.
bool WriteBack(const std::vector<CJobDocument>& docs, const std::vector<Item>& items,
               const CPartNoOptions& options, bool dryRun, CPartNoResult& result)
{
    std::vector<std::vector<const Item*>> byDocument(docs.size());
    for (const Item& item : items)
        byDocument[size_t(item.origin.document)].push_back(&item);
    Host().ProgressBegin(FromUtf8("部品番号を図面に書込み中"), int(items.size()));
    int step = 0;
    bool cancelled = false;
    for (size_t d = 0; d < docs.size() && !cancelled; ++d) {
        const CJobDocument& doc = docs[d];
        const EditableParts editable(doc);
        CSheet before, after;
        for (const Item* item : byDocument[d]) {
            cancelled = JobStep(step++);
            const CPart* source = item->origin.part;
            const CString& now = source->GetRefName();
            const CString& wanted = item->part->GetRefName();
            const bool taken = options.mode == CPartNoOptions::kAll || now.Find('?') >= 0;
            if (taken && now != wanted) {
                result.changes.push_back({doc.path, now, wanted});
                if (!dryRun) {
                    CPart* target = editable.Find(source);
                    before.NewPart(*target);
                    target->SetRefName(wanted);
                    target->CalcBoundRect();
                    after.NewPart(*target);
                } else {
                    before.NewPart(*source);
                }
            }
            if (cancelled)
                break;
        }
        if (!before.Parts().IsEmpty()) {
            result.changedDocuments.push_back(doc.path);
            if (!dryRun)
                RecordChange(doc, before, after);
        }
    }
    Host().ProgressEnd();
    return !cancelled;
}

// --- Was-Is files --------------------------------------------------------------------------------

// The reference a simple Was-Is line names a part by.
CString SimpleWasIsRef(const CPart& part)
{
    return part.GetPackageMax() >= 2 ? part.GetRefNameA() : part.GetRefName();
}

// The folder the sheet names of a Was-Is file are taken from: the
// project's, else the Was-Is file's own.  Names relative to it keep working
// when the project moves with its files, and never depend on the folder the
// command runs in.
std::filesystem::path WasIsBase(const CProjectJob& job, const std::filesystem::path& wasIs)
{
    std::error_code ec;
    const std::filesystem::path of = job.project.empty() ? wasIs : job.project;
    return std::filesystem::absolute(of, ec).parent_path().lexically_normal();
}

// A document tag text "path [n]" with its path relative to base.
CString RelativeDocText(const CString& docText, const std::filesystem::path& base)
{
    const int cut = docText.ReverseFind('[');
    if (cut < 1 || docText[cut - 1] != ' ')
        return docText;
    const std::string path = ToUtf8(docText.Left(cut - 1));
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec).lexically_normal();
    const std::filesystem::path relative = absolute.lexically_relative(base);
    if (ec || relative.empty())
        return docText;
    return FromUtf8(relative.generic_string()) + docText.Mid(cut - 1);
}

CString MakeTemplate(const Combined& combined, const CProjectJob& job, bool simple,
                     const std::filesystem::path& wasIs)
{
    const std::filesystem::path base = WasIsBase(job, wasIs);
    CString text;
    if (!simple) {
        text = CWasIsFile::FullHead(FromUtf8(job.project.string()));
        CString lastDocument;
        bool first = true;
        for (const Item& item : combined.items) {
            const CString docText = RelativeDocText(PartDocumentText(*item.part), base);
            if (first || docText != lastDocument)
                text += CWasIsFile::SheetComment(docText);
            first = false;
            lastDocument = docText;
            text += CWasIsFile::Record(docText, *item.part);
        }
        return text;
    }
    // One line per package reference, in reference order.
    CSheet sorted;
    sorted = combined.sheet;
    sorted.SortPartRef();
    std::unordered_set<std::string> listed;
    for (const CPart& part : sorted.Parts()) {
        const CString ref = SimpleWasIsRef(part);
        if (listed.insert(Cp932Upper(ref).str()).second)
            text += ref + "\t" + ref + "\n";
    }
    return text;
}

// The documents a Was-Is file may name: the job's, then those opened for it.
class DocumentFinder {
public:
    DocumentFinder(const CPartNoJob& job, std::filesystem::path base)
        : m_job(job), m_base(std::move(base))
    {
        for (const CJobDocument& doc : job.documents)
            m_docs.push_back(&doc);
    }
    const CJobDocument* Find(const CString& file)
    {
        std::filesystem::path named(CProjectFile::ToSlashes(ToUtf8(file)));
        if (named.is_relative())
            named = m_base / named;
        const std::string wanted = named.lexically_normal().generic_string();
        for (const CJobDocument* doc : m_docs) {
            std::error_code ec;
            if (CProjectFile::ToSlashes(doc->path.string()) == wanted ||
                std::filesystem::equivalent(doc->path, wanted, ec))
                return doc;
        }
        const CJobDocument* opened = m_job.openDocument ? m_job.openDocument(wanted) : nullptr;
        if (opened)
            m_docs.push_back(opened);
        return opened;
    }
    const std::vector<const CJobDocument*>& All() const { return m_docs; }

private:
    const CPartNoJob& m_job;
    std::filesystem::path m_base;
    std::vector<const CJobDocument*> m_docs;
};

// A resolved change: the part, and what it becomes.
struct Target {
    const CJobDocument* doc;
    const CPart* part;
    CWasIsPart after;
};

bool ResolveFull(const std::vector<CWasIsRecord>& records, DocumentFinder& finder,
                 std::vector<Target>& targets, bool& cancelled)
{
    std::unordered_set<const CPart*> claimed;
    Host().ProgressBegin(FromUtf8("リファレンスの書き換え"), int(records.size()));
    int step = 0;
    const auto fault = [](const CWasIsRecord& r, const CString& detail) {
        Host().ProgressEnd();
        Host().Message(CWasIsFault{CWasIsFault::Irregular, r.line, detail}.Message(), CHost::Error);
        return false;
    };
    for (const CWasIsRecord& r : records) {
        if ((cancelled = JobStep(step++))) {
            Host().ProgressEnd();
            return false;
        }
        if (r.before == r.after)
            continue;
        const CJobDocument* doc = finder.Find(r.file);
        if (!doc)
            return fault(r, "the sheet " + r.file + " is not open");
        // Stacked parts look alike: each record takes the first one left.
        const CPart* found = nullptr;
        for (const CSheet* sheet : {doc->main, doc->selection}) {
            if (!sheet || found)
                continue;
            for (const CPart& part : sheet->Parts()) {
                if (part.GetCenter() == r.at && part.GetPartName() == r.before.name &&
                    part.GetRefName().CompareNoCase(r.before.ref) == 0 &&
                    part.GetValName() == r.before.value && claimed.count(&part) == 0) {
                    found = &part;
                    break;
                }
            }
        }
        if (!found)
            return fault(r, CString::Formatted("no part %s at x=%d y=%d", r.before.ref.c_str(),
                                               r.at.x, r.at.y));
        claimed.insert(found);
        targets.push_back({doc, found, r.after});
    }
    Host().ProgressEnd();
    return true;
}

bool ResolveSimple(const std::vector<CWasIsPair>& pairs, DocumentFinder& finder,
                   std::vector<Target>& targets)
{
    std::unordered_map<std::string, const CWasIsPair*> renamed; // upper-case old reference
    for (const CWasIsPair& pair : pairs) {
        if (pair.before.CompareNoCase(pair.after) == 0)
            continue;
        if (!renamed.emplace(Cp932Upper(pair.before).str(), &pair).second) {
            Host().Message(
                CWasIsFault{CWasIsFault::Irregular, pair.line, pair.before + " is renamed twice"}
                    .Message(),
                CHost::Error);
            return false;
        }
    }
    std::unordered_set<const CWasIsPair*> used;
    for (const CJobDocument* doc : finder.All())
        for (const CSheet* sheet : {doc->main, doc->selection}) {
            if (!sheet)
                continue;
            for (const CPart& part : sheet->Parts()) {
                // The reference the simple template writes: a gate by its
                // package, a single-gate part by its whole reference ("SW1A").
                const CString package = SimpleWasIsRef(part);
                const auto it = renamed.find(Cp932Upper(package).str());
                if (it == renamed.end())
                    continue;
                used.insert(it->second);
                CWasIsPart after{part.GetPartName(),
                                 it->second->after + part.GetRefName().Mid(package.GetLength()),
                                 part.GetValName()};
                targets.push_back({doc, &part, after});
            }
        }
    for (const CWasIsPair& pair : pairs)
        if (pair.before.CompareNoCase(pair.after) != 0 && used.count(&pair) == 0)
            Host().Message(
                CString::Formatted("line %d: no part is %s", pair.line, pair.before.c_str()),
                CHost::Warning);
    return true;
}

bool ApplyTargets(const std::vector<Target>& targets, bool dryRun, CPartNoResult& result)
{
    // Per document, in the order the documents first appear.
    std::vector<const CJobDocument*> order;
    std::unordered_map<const CJobDocument*, std::vector<const Target*>> byDocument;
    for (const Target& t : targets) {
        auto [at, added] = byDocument.try_emplace(t.doc);
        if (added)
            order.push_back(t.doc);
        at->second.push_back(&t);
    }
    for (const CJobDocument* doc : order)
        if (!dryRun && !doc->editMain) {
            Host().Message(FromUtf8(doc->path.string()) + ": the sheet cannot be changed",
                           CHost::Error);
            return false;
        }
    for (const CJobDocument* doc : order) {
        const EditableParts editable(*doc);
        CSheet before, after;
        for (const Target* t : byDocument[doc]) {
            result.changes.push_back({doc->path, t->part->GetRefName(), t->after.ref});
            if (dryRun)
                continue;
            CPart* part = editable.Find(t->part);
            before.NewPart(*part);
            part->SetPartName(t->after.name);
            part->SetRefName(t->after.ref);
            part->SetValue(t->after.value);
            part->CalcBoundRect();
            after.NewPart(*part);
        }
        result.changedDocuments.push_back(doc->path);
        if (!dryRun)
            RecordChange(*doc, before, after);
    }
    return true;
}

CPartNoResult ApplyWasIs(const CPartNoOptions& options, const CPartNoJob& job,
                         const std::filesystem::path& file)
{
    CPartNoResult result;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadRegularFile(file, bytes, error)) {
        Host().Message(FormatMessage(2903, FromUtf8(file.string())), CHost::Error);
        return result;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    DocumentFinder finder(job, WasIsBase(job, file));
    std::vector<Target> targets;
    CWasIsFault fault;
    if (options.simpleWasIs) {
        std::vector<CWasIsPair> pairs;
        if (!CWasIsFile::ParseSimple(text, pairs, fault)) {
            Host().Message(fault.Message(), CHost::Error);
            return result;
        }
        if (!ResolveSimple(pairs, finder, targets))
            return result;
    } else {
        std::vector<CWasIsRecord> records;
        if (!CWasIsFile::ParseFull(text, records, fault)) {
            Host().Message(fault.Message(), CHost::Error);
            return result;
        }
        bool cancelled = false;
        if (!ResolveFull(records, finder, targets, cancelled)) {
            if (cancelled)
                result.status = CPartNoResult::Cancelled;
            return result;
        }
    }
    if (ApplyTargets(targets, job.dryRun, result))
        result.status = CPartNoResult::Done;
    return result;
}

} // namespace

CPartNoOptions CPartNoOptions::FromSettings()
{
    CPartNoOptions o;
    o.mode = SettingInt("Tool", "PartNoMakeType");
    o.step = SettingInt("Tool", "PartNoStep") == 1 ? 2 : 1;
    o.start = SettingInt("Tool", "PartTopRefNo");
    o.pageOffset = SettingInt("Tool", "RefPageOffset");
    o.eachSheet = SettingInt("Tool", "EachSheet") != 0;
    o.simpleWasIs = SettingInt("Tool", "SimpleWasis") != 0;
    return o;
}

void CPartNoOptions::Store() const
{
    CProfile& p = Profile();
    p.WriteInt("Tool", "PartNoMakeType", mode);
    p.WriteInt("Tool", "PartNoStep", step == 2 ? 1 : 0);
    p.WriteInt("Tool", "PartTopRefNo", start);
    p.WriteInt("Tool", "RefPageOffset", pageOffset);
    p.WriteInt("Tool", "EachSheet", eachSheet);
    p.WriteInt("Tool", "SimpleWasis", simpleWasIs);
}

CPartNoOptions::Fields CPartNoOptions::FieldsOf(int mode)
{
    const bool numbering = mode == kUndetermined || mode == kAll;
    return {numbering, numbering, mode == kAll, mode == kUndetermined,
            mode == kApplyWasIs || mode == kWriteTemplate};
}

CString CPartNoOptions::Check() const
{
    if (mode < kUndetermined || mode > kWriteTemplate)
        return CString::Formatted("no numbering mode %d (modes are 0 to 3)", mode);
    if (step != 1 && step != 2)
        return CString::Formatted("the step %d is neither 1 nor 2", step);
    if (start < 1 || start > 9999)
        return CString::Formatted("the start number %d is outside 1 to 9999", start);
    if (pageOffset < 0 || pageOffset > 9999)
        return CString::Formatted("the page offset %d is outside 0 to 9999", pageOffset);
    return CString();
}

CString CPartNoResult::Summary() const
{
    return CString::Formatted(FromUtf8("リファレンスカウンター %4d").c_str(), counters);
}

CPartNoResult RunPartNoJob(const CPartNoOptions& given, const CPartNoJob& job)
{
    CPartNoResult result;
    if (CString problem = given.Check(); !problem.IsEmpty()) {
        Host().Message(problem, CHost::Error);
        return result;
    }
    // Options a mode does not use take no part in it.
    CPartNoOptions options = given;
    const CPartNoOptions::Fields fields = CPartNoOptions::FieldsOf(options.mode);
    options.pageOffset = fields.pageOffset ? options.pageOffset : 0;
    options.eachSheet = fields.eachSheet && options.eachSheet;
    options.simpleWasIs = fields.simpleWasIs && options.simpleWasIs;
    for (const CJobDocument& doc : job.documents)
        if (doc.path.empty()) {
            Host().Message(LoadMessage(2905), CHost::Error);
            return result;
        }
    const std::filesystem::path wasIs =
        job.wasIsFile.empty() ? OutputName(job.outputBase, ".dws") : job.wasIsFile;
    if (options.mode == CPartNoOptions::kApplyWasIs)
        return ApplyWasIs(options, job, wasIs);
    if (!job.dryRun && options.mode != CPartNoOptions::kWriteTemplate)
        for (const CJobDocument& doc : job.documents)
            if (!doc.editMain) {
                Host().Message(FromUtf8(doc.path.string()) + ": the sheet cannot be changed",
                               CHost::Error);
                return result;
            }

    result.status = CPartNoResult::Cancelled;
    Combined combined;
    if (!Combine(job.documents, combined))
        return result;
    if (options.mode == CPartNoOptions::kWriteTemplate) {
        const CString text = MakeTemplate(combined, job, options.simpleWasIs, wasIs);
        result.status = CPartNoResult::Failed;
        if (!job.dryRun && !CommitJobOutputs({{wasIs, TextFileBytes(text, true)}}, JobInputs(job)))
            return result;
        result.status = CPartNoResult::Done;
        result.written = job.dryRun ? std::filesystem::path() : wasIs;
        return result;
    }
    switch (NumberParts(combined.items, options, result.counters)) {
    case Numbered::Cancelled:
        return result;
    case Numbered::Overflow:
        result.status = CPartNoResult::Failed;
        return result;
    case Numbered::Done:
        break;
    }
    // Write back in the order of the combined sheet.
    std::vector<Item> inSheetOrder = combined.items;
    std::unordered_map<const CPart*, size_t> position;
    size_t k = 0;
    for (const CPart& part : combined.sheet.Parts())
        position.emplace(&part, k++);
    std::sort(inSheetOrder.begin(), inSheetOrder.end(), [&position](const Item& a, const Item& b) {
        return position.at(a.part) < position.at(b.part);
    });
    result.status = WriteBack(job.documents, inSheetOrder, options, job.dryRun, result)
                        ? CPartNoResult::Done
                        : CPartNoResult::Cancelled;
    return result;
}
