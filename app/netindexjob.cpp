#include "app/netindexjob.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_set>

#include "app/csvfield.h"
#include "app/joboutput.h"
#include "app/settings.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/hundredths.h"
#include "base/messages.h"
#include "base/profile.h"
#include "netlist/htmltemplate.h"
#include "sheet/sheet.h"

namespace {

std::string Lower(CString s)
{
    return s.MakeLower().str();
}

// The name column: the name and its comma, at least 8 characters wide.
CString NameColumn(const CString& name)
{
    return CString::Formatted("%-8s", (CsvField(name) + ",").c_str());
}

} // namespace

CNetIndexOptions CNetIndexOptions::FromSettings()
{
    CNetIndexOptions o;
    o.single = SettingInt("Tool", "IndexSingle") != 0;
    o.xy = SettingInt("Tool", "IndexXY") != 0;
    o.html = SettingInt("Tool", "IndexHtml") != 0;
    o.view = SettingInt("Tool", "IndexView") != 0;
    return o;
}

void CNetIndexOptions::Store() const
{
    CProfile& p = Profile();
    p.WriteInt("Tool", "IndexSingle", single);
    p.WriteInt("Tool", "IndexXY", xy);
    p.WriteInt("Tool", "IndexHtml", html);
    p.WriteInt("Tool", "IndexView", view);
}

bool BuildNetIndex(const std::vector<CJobDocument>& documents, bool single, CNetIndex& out)
{
    out = CNetIndex();
    int wires = 0;
    for (const CJobDocument& doc : documents)
        for (const CSheet* sheet : {doc.main, doc.selection})
            wires += sheet ? sheet->Wires().GetCount() : 0;
    Host().ProgressBegin(FromUtf8("データ収集中"), wires);
    int step = 0;
    std::vector<std::string> lowered;
    for (size_t d = 0; d < documents.size(); ++d) {
        const CJobDocument& doc = documents[d];
        out.files.push_back(JobDocName(doc));
        std::unordered_set<std::string> seen;
        for (const CSheet* sheet : {doc.main, doc.selection}) {
            if (!sheet)
                continue;
            for (const CLine& wire : sheet->Wires()) {
                Host().ProgressStep(step++);
                if (Host().IsCancelled()) {
                    Host().ProgressEnd();
                    return true;
                }
                const CString& name = wire.GetName();
                if (name.IsEmpty() || !seen.insert(Lower(name)).second)
                    continue;
                out.entries.push_back({name, int(d), wire.GetNameText().GetPoint()});
                lowered.push_back(Lower(name));
            }
        }
    }
    Host().ProgressEnd();

    // By name without case, then by document: no two entries are equal.
    std::vector<size_t> order(out.entries.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (lowered[a] != lowered[b])
            return lowered[a] < lowered[b];
        return out.entries[a].document < out.entries[b].document;
    });
    std::vector<CNetIndexEntry> sorted;
    for (size_t k = 0; k < order.size();) {
        size_t end = k + 1;
        while (end < order.size() && lowered[order[end]] == lowered[order[k]])
            ++end;
        if (single || end - k > 1) {
            for (size_t m = k; m < end; ++m)
                sorted.push_back(out.entries[order[m]]);
            ++out.names;
        }
        k = end;
    }
    out.entries = std::move(sorted);
    return false;
}

CString NetIndexText(const CNetIndex& index, bool xy)
{
    CString out = "File lists\n";
    for (size_t i = 0; i < index.files.size(); ++i)
        out += CString::Formatted("%3d ,", int(i) + 1) + CsvField(index.files[i]) + "\n";
    out += "Wire net index\n";
    const auto& e = index.entries;
    for (size_t k = 0; k < e.size();) {
        size_t end = k + 1;
        while (end < e.size() && e[end].name.CompareNoCase(e[k].name) == 0)
            ++end;
        if (xy) {
            for (size_t m = k; m < end; ++m)
                out += NameColumn(e[m].name) + CString::Formatted("%3d,", e[m].document + 1) +
                       FormatHundredths(e[m].at.x) + "," + FormatHundredths(e[m].at.y) + "\n";
        } else {
            out += NameColumn(e[k].name) + CString::Formatted("%3d", e[k].document + 1);
            for (size_t m = k + 1; m < end; ++m)
                out += CString::Formatted(",%3d", e[m].document + 1);
            out += "\n";
        }
        k = end;
    }
    return out;
}

bool NetIndexHtml(const CNetIndex& index, const CHtmlTemplate& html, const CString& date,
                  CString& out, CString& error)
{
    CHtmlTemplate::ListBlock block;
    if (!html.List("$NET$", block, error))
        return false;
    out = CHtmlTemplate::Expand(
        html.Head(),
        {{"$FILELIST$", CHtmlTemplate::FileList(index.files)},
         {"$TITLE$", CHtmlTemplate::Escape(FromUtf8("ＶＩＲＥＯ－ネットインデックスファイル"))},
         {"$DATE$", CHtmlTemplate::Escape(date)}});
    out += CHtmlTemplate::Expand(
        block.title, {{"$BLOCKTITLE$", CHtmlTemplate::Escape(FromUtf8("ネットインデックス"))}});
    int serial = 0;
    for (const CNetIndexEntry& e : index.entries) {
        const CString& path = index.files[size_t(e.document)];
        std::map<std::string, CString> v = {
            {"$NETNAME$", e.name},
            {"$PATH$", path},
            {"$DOCNO$", CString::Formatted("%d", e.document + 1)},
            {"$FILE$", CHtmlTemplate::FileName(path)},
            {"$X$", FormatHundredths(e.at.x)},
            {"$Y$", FormatHundredths(e.at.y)},
            {"$TAGJUMP$", CHtmlTemplate::TagJump(e.at)},
            {"$VIREOLINK$", CHtmlTemplate::VireoLink(path, e.at)},
            {"$SERNO$", CString::Formatted("%d", serial++)},
        };
        for (auto& value : v)
            value.second = CHtmlTemplate::Escape(value.second);
        out += CHtmlTemplate::Expand(block.entry, v);
    }
    out += block.end + html.Tail();
    return true;
}

CNetIndexResult RunNetIndexJob(const CNetIndexOptions& options, const CProjectJob& job)
{
    CNetIndexResult result;
    CHtmlTemplate html;
    const bool htmlPage = UseHtmlReport(options.html, options.htmlAsked, job.dataFolder);
    if (htmlPage) {
        CString error;
        CHtmlTemplate::ListBlock block;
        if (!LoadReportTemplate(job.dataFolder, html, error) || !html.List("$NET$", block, error)) {
            Host().Message(error, CHost::Error);
            return result;
        }
    }
    std::vector<CJobDocument> documents = job.documents;
    if (!job.project.empty())
        std::reverse(documents.begin(), documents.end());
    CNetIndex index;
    if (BuildNetIndex(documents, options.single, index)) {
        result.status = CNetIndexResult::Cancelled;
        return result;
    }
    Host().ProgressBegin(FromUtf8("ファイル出力中"), 1);
    CJobOutput output;
    if (htmlPage) {
        CString page, error;
        if (!NetIndexHtml(index, html, job.date, page, error)) {
            Host().ProgressEnd();
            Host().Message(error, CHost::Error);
            return result;
        }
        output = {OutputName(job.outputBase, ".net.html"), TextFileBytes(page, false)};
    } else {
        output = {OutputName(job.outputBase, ".net.csv"),
                  TextFileBytes(NetIndexText(index, options.xy), true)};
    }
    Host().ProgressEnd();
    if (!CommitJobOutputs({output}, JobInputs(job)))
        return result;
    result.status = CNetIndexResult::Done;
    result.names = index.names;
    result.entries = int(index.entries.size());
    result.written = output.path;
    return result;
}

const CLine* FindNamedWireAt(const CSheet& sheet, const CPoint& p)
{
    for (const CLine& wire : sheet.Wires())
        if (!wire.GetName().IsEmpty() && wire.GetNameText().GetBoundingRect().PtInRect(p))
            return &wire;
    return nullptr;
}

std::vector<CNetJumpTarget> NetJumpTargets(const std::vector<CJobDocument>& candidates, int active,
                                           const CString& name, int projectSheets,
                                           bool activeInProject)
{
    static constexpr size_t kMaxTargets = 30;
    std::vector<CNetJumpTarget> targets;
    if (projectSheets < 2 || !activeInProject || name.IsEmpty())
        return targets;
    for (size_t i = 0; i < candidates.size() && targets.size() < kMaxTargets; ++i) {
        if (int(i) == active)
            continue;
        // A document is a target when its drawing has the name; the wire
        // shown is then the drawing's first of that name.
        for (const CLine& wire : candidates[i].main->Wires())
            if (wire.GetName().CompareNoCase(name) == 0) {
                targets.push_back({int(i), &wire});
                break;
            }
    }
    return targets;
}

CString NetJumpLabel(int i, const std::filesystem::path& document,
                     const std::filesystem::path& active)
{
    const std::filesystem::path shown = document.lexically_relative(active.parent_path()).empty()
                                            ? document
                                            : document.lexically_relative(active.parent_path());
    return CString::Formatted("&%d ", i + 1) + FromUtf8(shown.string());
}
