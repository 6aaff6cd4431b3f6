#include "app/checkjob.h"

#include <functional>
#include <map>
#include <set>
#include <string>

#include "app/joboutput.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/hundredths.h"
#include "base/messages.h"
#include "base/profile.h"
#include "netlist/htmltemplate.h"
#include "sheet/sheet.h"

namespace {

CString Titled(const char* utf8, long long count)
{
    return CString::Formatted(FromUtf8(utf8).c_str(), int(count));
}

// The sections of the log in their order: the header and the entries.
struct Section {
    CString title;
    const std::vector<CCheckEntry>* entries = nullptr;
};

std::vector<Section> EntrySections(const CCheckReport& r)
{
    return {
        {Titled("重複部品数\t%7d", (long long)r.duplicates.size()), &r.duplicates},
        {Titled("未決定部品数\t%7d", (long long)r.undetermined.size()), &r.undetermined},
        {Titled("参照番号エラー\t%7d", (long long)r.referenceErrors.size()), &r.referenceErrors},
        {Titled("サブフィックスエラー\t%7d", (long long)r.suffixErrors.size()), &r.suffixErrors},
        {Titled("部品のピン番号重複\t%7d", (long long)r.pinClashes.size() / 2), &r.pinClashes},
        {Titled("部品のピン重複\t%7d", (long long)r.overlaps.size()), &r.overlaps},
        {Titled("ネットチェック\t%7d", (long long)r.connections.size()), &r.connections},
        {Titled("部品にしていないピン\t%7d", (long long)r.loosePins.size()), &r.loosePins},
    };
}

CString PartsTitle(const CCheckReport& r)
{
    return Titled("使用部品数\t%7d", r.parts);
}

CString LastNumbersTitle(const CCheckReport& r)
{
    return FromUtf8(r.bySheet ? "最終部品番号(シート毎)" : "最終部品番号");
}

CString MissingTitle()
{
    return FromUtf8("欠番部品番号");
}

CString PinsTitle(const CCheckReport& r)
{
    return Titled("総ピン数（参考値）\t%7d", r.totalPins);
}

CString MissingNote(const CCheckReport& r)
{
    return CString::Formatted("(%lld more missing numbers not listed)", r.missingNotListed);
}

CString Position(const CPoint& p)
{
    return "X:" + FormatHundredths(p.x) + " Y:" + FormatHundredths(p.y);
}

CString EntryLine(const CCheckEntry& e)
{
    switch (e.kind) {
    case CCheckEntry::Part:
        return e.ref + "\t" + e.partName + "\t" + e.sheet + "\t" + Position(e.at) + "\n";
    case CCheckEntry::Pin:
        return CString::Formatted("%5s(%4s)\t", e.ref.c_str(), e.pinNo.c_str()) + e.sheet + "\t" +
               Position(e.at) + "\n";
    case CCheckEntry::Wire:
        break;
    }
    return "Wire Point\t" + e.sheet + "\t" + Position(e.at) + "\n";
}

// References " %6s", five to a line.
void AppendFive(CString& out, const std::vector<CString>& refs)
{
    for (size_t i = 0; i < refs.size(); ++i) {
        out += CString::Formatted(" %6s", refs[i].c_str());
        if (i % 5 == 4)
            out += "\n";
    }
    if (refs.size() % 5 != 0)
        out += "\n";
}

// The path and the number of a sheet column "path [n]".
CString SheetPath(const CString& sheet)
{
    if (DocumentNumberOfTag(sheet) == 0)
        return sheet;
    CString path = sheet.Left(sheet.ReverseFind('['));
    return path.TrimRight();
}

CString FillLogEntry(const CString& entry, const CCheckEntry& e, int serial)
{
    const CString path = SheetPath(e.sheet);
    std::map<std::string, CString> v = {
        {"$REF$", e.kind == CCheckEntry::Wire ? CString("Wire Point") : e.ref},
        {"$PARTNAME$", e.partName},
        {"$PINNO$", e.pinNo},
        {"$PATH$", path},
        {"$DOCNO$", CString::Formatted("%d", DocumentNumberOfTag(e.sheet))},
        {"$FILE$", CHtmlTemplate::FileName(path)},
        {"$X$", FormatHundredths(e.at.x)},
        {"$Y$", FormatHundredths(e.at.y)},
        {"$TAGJUMP$", CHtmlTemplate::TagJump(e.at)},
        {"$VIREOLINK$", CHtmlTemplate::VireoLink(path, e.at)},
        {"$SERNO$", CString::Formatted("%d", serial)},
    };
    for (auto& value : v)
        value.second = CHtmlTemplate::Escape(value.second);
    return CHtmlTemplate::Expand(entry, v);
}

// The "$REF1$" ... slots of the missing-number block, filled block by block.
CString MissingBlocks(const CHtmlTemplate::ListBlock& block, std::vector<CString> refs)
{
    int slots = 0;
    while (block.entry.Find(CString::Formatted("$REF%d$", slots + 1)) >= 0)
        ++slots;
    // A block without "$REF1$" could never take a number.
    if (slots == 0)
        return CString();
    CString out = CHtmlTemplate::Expand(block.title,
                                        {{"$BLOCKTITLE$", CHtmlTemplate::Escape(MissingTitle())}});
    for (size_t first = 0; first < refs.size(); first += size_t(slots)) {
        std::map<std::string, CString> v;
        for (int s = 0; s < slots; ++s) {
            const size_t k = first + size_t(s);
            v[CString::Formatted("$REF%d$", s + 1).str()] =
                k < refs.size() ? CHtmlTemplate::Escape(refs[k]) : CString();
        }
        out += CHtmlTemplate::Expand(block.entry, v);
    }
    return out + block.end;
}

} // namespace

CCheckOptions CCheckOptions::FromSettings()
{
    CCheckOptions o;
    o.cleanLine = SettingInt("CleanSection", "CleanLine") != 0;
    o.wireJunc = SettingInt("CleanSection", "WireJunc") != 0;
    o.view = SettingInt("CleanSection", "View") != 0;
    o.html = SettingInt("CleanSection", "Html") != 0;
    o.bySheet = SettingInt("CleanSection", "BySheet") != 0;
    o.missing = SettingInt("CleanSection", "Miss") != 0;
    o.over = SettingInt("CleanSection", "Over") != 0;
    return o;
}

void CCheckOptions::Store() const
{
    CProfile& p = Profile();
    p.WriteInt("CleanSection", "CleanLine", cleanLine);
    p.WriteInt("CleanSection", "WireJunc", wireJunc);
    p.WriteInt("CleanSection", "View", view);
    p.WriteInt("CleanSection", "Html", html);
    p.WriteInt("CleanSection", "BySheet", bySheet);
    p.WriteInt("CleanSection", "Miss", missing && !bySheet);
    p.WriteInt("CleanSection", "Over", over);
}

CCleanUpOptions CCheckOptions::CleanUp() const
{
    CCleanUpOptions o;
    o.cleanLine = cleanLine;
    o.wireJunc = cleanLine && wireJunc;
    o.over = over;
    return o;
}

CString CheckLogText(const CCheckReport& r)
{
    CString out = PartsTitle(r) + "\n\n";
    for (const Section& s : EntrySections(r)) {
        out += s.title + "\n";
        for (const CCheckEntry& e : *s.entries)
            out += EntryLine(e);
        out += "\n";
    }
    out += LastNumbersTitle(r) + "\n";
    std::vector<CString> refs;
    CString sheet;
    for (size_t i = 0; i <= r.lastNumbers.size(); ++i) {
        const bool newSheet =
            r.bySheet && i < r.lastNumbers.size() && (i == 0 || r.lastNumbers[i].sheet != sheet);
        if (i == r.lastNumbers.size() || newSheet) {
            AppendFive(out, refs);
            refs.clear();
        }
        if (i == r.lastNumbers.size())
            break;
        if (newSheet) {
            sheet = r.lastNumbers[i].sheet;
            out += "\n" + sheet + "\n";
        }
        refs.push_back(r.lastNumbers[i].ref);
    }
    out += "\n";
    if (r.missingListed) {
        out += MissingTitle() + "\n";
        AppendFive(out, r.missing);
        if (r.missingNotListed > 0)
            out += MissingNote(r) + "\n";
        out += "\n";
    }
    return out + PinsTitle(r) + "\n\n";
}

bool CheckLogHtml(const CCheckReport& r, const CHtmlTemplate& html,
                  const std::vector<CString>& fileList, const CString& date, CString& out,
                  CString& error)
{
    CHtmlTemplate::ListBlock block;
    if (!html.List("$LOG$", block, error))
        return false;
    out = CHtmlTemplate::Expand(
        html.Head(),
        {{"$FILELIST$", CHtmlTemplate::FileList(fileList)},
         {"$TITLE$", CHtmlTemplate::Escape(FromUtf8("ＶＩＲＥＯ－重複整理ＬＯＧファイル"))},
         {"$DATE$", CHtmlTemplate::Escape(date)}});
    int serial = 0;
    const auto section = [&](const CString& title, const std::vector<CCheckEntry>& entries) {
        out += CHtmlTemplate::Expand(block.title, {{"$BLOCKTITLE$", CHtmlTemplate::Escape(title)}});
        for (const CCheckEntry& e : entries)
            out += FillLogEntry(block.entry, e, serial++);
        out += block.end;
    };
    section(PartsTitle(r), {});
    for (const Section& s : EntrySections(r))
        section(s.title, *s.entries);
    section(LastNumbersTitle(r), r.lastNumbers);
    if (r.missingListed) {
        CHtmlTemplate::ListBlock missing;
        CString ignored;
        std::vector<CString> refs = r.missing;
        if (r.missingNotListed > 0)
            refs.push_back(MissingNote(r));
        if (html.List("$LOG2$", missing, ignored))
            out += MissingBlocks(missing, refs);
    }
    section(PinsTitle(r), {});
    out += html.Tail();
    return true;
}

std::vector<std::pair<const char*, long long>> CheckSummary(const CCheckReport& r)
{
    std::vector<std::pair<const char*, long long>> lines = {
        {"parts", r.parts},
        {"duplicates", (long long)r.duplicates.size()},
        {"undetermined", (long long)r.undetermined.size()},
        {"reference errors", (long long)r.referenceErrors.size()},
        {"suffix errors", (long long)r.suffixErrors.size()},
        {"pin number clashes", (long long)r.pinClashes.size() / 2},
        {"overlapping pins", (long long)r.overlaps.size()},
        {"connection points", (long long)r.connections.size()},
        {"loose pins", (long long)r.loosePins.size()},
    };
    if (r.missingListed)
        lines.push_back({"missing numbers", (long long)r.missing.size() + r.missingNotListed});
    lines.push_back({"pins", r.totalPins});
    return lines;
}

CCheckResult RunCheckJob(const CCheckOptions& options, const CProjectJob& job)
{
    CCheckResult result;
    for (const CJobDocument& doc : job.documents)
        if (doc.path.empty()) {
            Host().Message(LoadMessage(2905), CHost::Error);
            return result;
        }
    // The template is read before any sheet is touched.
    CHtmlTemplate html;
    const bool htmlLog = UseHtmlReport(options.html, options.htmlAsked, job.dataFolder);
    if (htmlLog) {
        CString error;
        CHtmlTemplate::ListBlock block;
        if (!LoadReportTemplate(job.dataFolder, html, error) || !html.List("$LOG$", block, error)) {
            Host().Message(error, CHost::Error);
            return result;
        }
    }

    // Phase one: tidy each sheet once, then look at its connections.
    result.status = CCheckResult::Cancelled;
    Host().ProgressBegin(FromUtf8("ワイヤー、ジャンクションのチェック"), int(job.documents.size()));
    std::set<std::string> handled;
    for (size_t i = 0; i < job.documents.size(); ++i) {
        const CJobDocument& doc = job.documents[i];
        if (handled.insert(doc.path.string()).second) {
            if (doc.editMain &&
                CVIREODoc::CleanUpDrawing(*doc.editMain, CSize(doc.width, doc.height),
                                          options.CleanUp(), doc.history))
                result.tidied.push_back(doc.path);
            const CString sheetText =
                CString::Formatted("%s [%d]", JobDocName(doc).c_str(), int(i) + 1);
            CheckConnectionPoints(*doc.main, sheetText, result.report);
            CheckOverlappingPins(*doc.main, sheetText, result.report);
        }
        if (JobStep(int(i))) {
            Host().ProgressEnd();
            return result;
        }
    }
    Host().ProgressEnd();

    // Phase two: the references of all sheets together.
    const CSheetSetContext context(JobNetSheets(job.documents));
    CSheet parts;
    if (CombineSheets(job.documents, context, parts) ||
        CheckParts(parts, options.bySheet, options.missing, result.report))
        return result;

    result.status = CCheckResult::Failed;
    CJobOutput output;
    if (htmlLog) {
        CString page, error;
        if (!CheckLogHtml(result.report, html, job.fileList, job.date, page, error)) {
            Host().Message(error, CHost::Error);
            return result;
        }
        output = {OutputName(job.outputBase, ".log.html"), TextFileBytes(page, false)};
    } else {
        output = {OutputName(job.outputBase, ".log"),
                  TextFileBytes(CheckLogText(result.report), true)};
    }
    if (!CommitJobOutputs({output}, JobInputs(job)))
        return result;
    result.written = output.path;
    result.status = CCheckResult::Done;
    return result;
}
