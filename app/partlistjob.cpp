#include "app/partlistjob.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "app/csvfield.h"
#include "app/joboutput.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"
#include "base/selectionsort.h"
#include "sheet/sheet.h"

namespace {

// Names of the variant list of a "VARIANT" property: separated by commas,
// semicolons or blanks.
bool ListsVariant(const CString& list, const CString& variant)
{
    std::string name;
    const auto matches = [&]() { return !name.empty() && variant.CompareNoCase(name) == 0; };
    for (char c : list.str()) {
        if (c == ',' || c == ';' || c == ' ' || c == '\t') {
            if (matches())
                return true;
            name.clear();
        } else {
            name += c;
        }
    }
    return matches();
}

bool NotMounted(const CPart& part, const CString& variant)
{
    if (part.IsProperty("NOMOUNT"))
        return true;
    if (variant.IsEmpty())
        return false;
    if (part.IsProperty("NOMOUNT_" + variant))
        return true;
    CString list = part.GetProperty("VARIANT");
    return !list.Trim().IsEmpty() && !ListsVariant(list, variant);
}

// Adds a reference once (the list keeps the order of first appearance).
void AddDistinct(std::vector<CString>& list, std::unordered_set<std::string>& seen,
                 const CString& upper)
{
    if (seen.insert(upper.str()).second)
        list.push_back(upper);
}

std::string JoinedKey(const std::vector<CString>& key)
{
    std::string text;
    for (size_t i = 0; i < key.size(); ++i) {
        if (i)
            text += ',';
        text += key[i].str();
    }
    return text;
}

struct KeyHash {
    size_t operator()(const std::vector<CString>& key) const
    {
        size_t h = key.size();
        for (const CString& field : key)
            h = h * 1000003u ^ std::hash<std::string>()(field.str());
        return h;
    }
};

// The reference order: prefix without case, number, suffix without case.
auto RefOrderKey(const CString& ref)
{
    CString prefix, suffix;
    int number;
    CPart::SplitRef(ref, prefix, suffix, number);
    return std::make_tuple(prefix.MakeLower().str(), number, suffix.MakeLower().str());
}

} // namespace

CPartListOptions CPartListOptions::FromSettings(const std::filesystem::path& project)
{
    CPartListOptions o;
    o.count = SettingInt("Tool", "PartCount") != 0;
    o.properties = SettingString("Tool", "ListProperty");
    if (!project.empty()) {
        o.sheetNo = CProjectFile::ReadProperty(project, "SHEETNO");
        o.setName = CProjectFile::ReadProperty(project, "SETNAME");
        o.quantity = QuantityFromText(CProjectFile::ReadProperty(project, "PCBMAKE"));
    }
    return o;
}

int CPartListOptions::QuantityFromText(const CString& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value < 1 ? 1 : value > 32767 ? 32767 : int(value);
}

bool CPartListOptions::Store(const std::filesystem::path& project, std::string& error) const
{
    Profile().WriteInt("Tool", "PartCount", count);
    Profile().WriteString("Tool", "ListProperty", TrimmedProperties());
    if (project.empty())
        return true;
    const std::pair<const char*, CString> values[] = {
        {"SHEETNO", sheetNo},
        {"SETNAME", setName},
        {"PCBMAKE", CString::Formatted("%d", quantity)}};
    for (const auto& [name, value] : values)
        if (CProjectFile::ReadProperty(project, name) != value &&
            !CProjectFile::SetProperty(project, name, value, error))
            return false;
    return true;
}

CString CPartListOptions::TrimmedProperties() const
{
    int first = 0, last = properties.GetLength();
    const auto trimmed = [](char c) { return c == ' ' || c == '\t' || c == ','; };
    while (first < last && trimmed(properties[first]))
        ++first;
    while (last > first && trimmed(properties[last - 1]) && properties.IsCharBoundary(last - 1))
        --last;
    return properties.Mid(first, last - first);
}

std::vector<CString> CPartListOptions::Columns() const
{
    std::vector<CString> columns;
    const CString text = TrimmedProperties();
    int start = 0;
    while (start <= text.GetLength()) {
        int comma = text.Find(',', start);
        if (comma < 0)
            comma = text.GetLength();
        CString name = text.Mid(start, comma - start);
        name.Trim().MakeUpper();
        if (!name.IsEmpty())
            columns.push_back(name);
        start = comma + 1;
    }
    return columns;
}

CString PartListReference(const CPart& part)
{
    return part.GetPackageMax() < 2 ? part.GetRefName() : part.GetRefNameA();
}

bool BuildPartList(const CSheet& parts, const CPartListOptions& options, CPartList& out)
{
    out = CPartList();
    const std::vector<CString> columns = options.Columns();
    const int count = parts.Parts().GetCount();

    // First pass: who stays out, who is not mounted.
    Host().ProgressBegin(FromUtf8("部品表を作成中"), count * 2);
    std::unordered_set<std::string> noPartList, noMount;
    // An unnumbered reference ("R?") names no package: only the part that
    // carries NOPARTLIST stays out, not every other "R?".
    std::unordered_set<const CPart*> unlisted;
    int step = 0;
    for (const CPart& part : parts.Parts()) {
        const CString ref = Cp932Upper(PartListReference(part));
        if (!options.force && part.IsProperty("NOPARTLIST")) {
            AddDistinct(out.noPartList, noPartList, ref);
            if (ref.Find('?') >= 0)
                unlisted.insert(&part);
        }
        if (NotMounted(part, options.variant))
            AddDistinct(out.noMount, noMount, ref);
        if (JobStep(step++)) {
            Host().ProgressEnd();
            return true;
        }
    }

    // Second pass: the groups, in order of their first listed part.  A
    // further gate of a package already in the group is not listed again;
    // unnumbered references are listed every time.
    struct Group {
        CPartListRecord record;
        std::unordered_set<std::string> listed; // upper-case references
    };
    std::vector<Group> groups;
    std::unordered_map<std::vector<CString>, size_t, KeyHash> groupOf;
    for (const CPart& part : parts.Parts()) {
        const bool cancelled = JobStep(step++);
        const CString ref = PartListReference(part);
        const CString upper = Cp932Upper(ref);
        const bool left =
            upper.Find('?') >= 0 ? unlisted.count(&part) != 0 : noPartList.count(upper.str()) != 0;
        if (!left) {
            std::vector<CString> key = {part.GetPartName(), part.GetValName()};
            for (const CString& column : columns)
                key.push_back(part.GetProperty(column));
            auto [at, added] = groupOf.emplace(std::move(key), groups.size());
            if (added)
                groups.push_back({{at->first, {}}, {}});
            Group& group = groups[at->second];
            if (ref.Find('?') >= 0 || group.listed.insert(upper.str()).second) {
                group.record.refs.push_back(ref);
                ++out.usedParts;
            }
        }
        if (cancelled) {
            Host().ProgressEnd();
            return true;
        }
    }
    Host().ProgressEnd();

    // Sorting: the references of each record in reference order (the
    // sheets' swapping sort, so that "R1" and "r1" keep their places), then
    // the records by their key text.
    Host().ProgressBegin(FromUtf8("ソート中"), int(groups.size()) * 2);
    step = 0;
    for (Group& group : groups) {
        std::vector<decltype(RefOrderKey(CString()))> keys;
        keys.reserve(group.record.refs.size());
        for (const CString& ref : group.record.refs)
            keys.push_back(RefOrderKey(ref));
        ApplyOrder(group.record.refs, SelectionSortOrder(keys, std::less<>()));
        if (JobStep(step++)) {
            Host().ProgressEnd();
            return true;
        }
    }
    std::vector<std::pair<std::string, size_t>> order;
    order.reserve(groups.size());
    for (size_t i = 0; i < groups.size(); ++i)
        order.emplace_back(JoinedKey(groups[i].record.key), i);
    std::sort(order.begin(), order.end(), [&groups](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return groups[a.second].record.key < groups[b.second].record.key;
    });
    for (const auto& entry : order) {
        out.records.push_back(std::move(groups[entry.second].record));
        if (JobStep(step++)) {
            Host().ProgressEnd();
            return true;
        }
    }
    Host().ProgressEnd();
    return false;
}

CString FormatPartList(const CPartList& list, const CPartListOptions& options)
{
    static constexpr int kFieldsPerLine = 250;
    const std::vector<CString> columns = options.Columns();
    std::string out;
    const auto line = [&out](const char* head, const std::vector<CString>& fields) {
        out += head;
        for (size_t i = 0; i < fields.size(); ++i)
            out += (i ? "," : "") + CsvField(fields[i]).str();
        out += "\r\n";
    };
    if (!list.noPartList.empty())
        line("NOPARTLIST,", list.noPartList);
    if (!list.noMount.empty())
        line("NOMOUNT,", list.noMount);
    if (!options.sheetNo.IsEmpty())
        line("SHEETNO,", {options.sheetNo});
    if (!options.setName.IsEmpty())
        line("SETNAME,", {options.setName});
    if (options.quantity != 0)
        out += CString::Formatted("PCBMAKE,%d\r\n", options.quantity).str();
    if (!options.variant.IsEmpty())
        line("VARIANT,", {options.variant});
    if (!columns.empty())
        line("PROPERTY,", columns);
    if (options.count)
        out += "REFCOUNT\r\n";
    out += CString::Formatted(FromUtf8("使用部品数,%7d\r\n").c_str(), list.usedParts).str();

    // A record longer than 250 fields goes on over further lines, each
    // repeating the part name and value and leaving the property columns empty.
    for (const CPartListRecord& record : list.records) {
        const std::string head =
            CsvField(record.key[0]).str() + "," + CsvField(record.key[1]).str();
        out += head;
        for (size_t i = 2; i < record.key.size(); ++i)
            out += "," + CsvField(record.key[i]).str();
        std::vector<CString> fields;
        if (options.count)
            fields.push_back(CString::Formatted("%d", int(record.refs.size())));
        fields.insert(fields.end(), record.refs.begin(), record.refs.end());
        size_t counter = columns.size();
        for (size_t i = 0; i < fields.size(); ++i) {
            out += "," + CsvField(fields[i]).str();
            if (++counter % kFieldsPerLine == 0 && i + 1 < fields.size())
                out += "\r\n" + head + std::string(columns.size(), ',');
        }
        out += "\r\n";
    }
    return CString(std::move(out));
}

CPartListResult RunPartListJob(const CPartListOptions& options, const CProjectJob& job)
{
    CPartListResult result;
    for (const CJobDocument& doc : job.documents)
        if (doc.path.empty()) {
            Host().Message(LoadMessage(2905), CHost::Error);
            return result;
        }
    const CSheetSetContext context(JobNetSheets(job.documents));
    CSheet parts;
    CPartList list;
    if (CombineSheets(job.documents, context, parts) || BuildPartList(parts, options, list)) {
        result.status = CPartListResult::Cancelled;
        return result;
    }
    const std::filesystem::path path = OutputName(job.outputBase, ".csv");
    const CString text = FormatPartList(list, options);
    if (!CommitJobOutputs({{path, TextFileBytes(text, false)}}, JobInputs(job)))
        return result;
    result.status = CPartListResult::Done;
    result.usedParts = list.usedParts;
    result.records = int(list.records.size());
    result.written = path;
    return result;
}
