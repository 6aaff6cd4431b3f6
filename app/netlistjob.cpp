#include "app/netlistjob.h"

#include <memory>

#include "app/joboutput.h"
#include "app/settings.h"
#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"
#include "netlist/netlistbuild.h"
#include "netlist/netreport.h"
#include "sheet/sheet.h"

namespace {

const char kTemplateFile[] = "vireohtml.dat";
const char kBoardHeaderFile[] = "pcadhead.txt";

// Extensions a component file may not take: files of the system or of this job.
const char* const kRefusedExtensions[] = {"dcd", "dpj", "bak",  "net", "exe", "nrp",
                                          "csv", "log", "html", "txt", "dws", "sch"};

std::string PathText(const std::filesystem::path& p)
{
    return p.string();
}

bool ReadText(const std::filesystem::path& path, std::string& out)
{
    try {
        const std::vector<uint8_t> bytes = ReadFileBytes(path);
        out.assign(bytes.begin(), bytes.end());
        return true;
    } catch (const CException&) {
        return false;
    }
}

// "\n" becomes CR LF; with lineFeedsOnly every CR goes instead.
std::vector<uint8_t> FileBytes(const CString& text, bool crlf, bool lineFeedsOnly)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(text.GetLength()) * 21 / 20 + 16);
    for (char c : text.str()) {
        if (lineFeedsOnly && c == '\r')
            continue;
        if (crlf && !lineFeedsOnly && c == '\n')
            bytes.push_back('\r');
        bytes.push_back(uint8_t(c));
    }
    return bytes;
}

struct Output {
    std::filesystem::path path;
    std::vector<uint8_t> bytes;
};

CNetlistResult Fail(const CString& message)
{
    Host().Message(message, CHost::Error);
    return CNetlistResult{};
}

// The circuit template the first document names through a part with a
// "SPICE" property (its "FILE" property, relative to the document).
std::filesystem::path SimulatorTemplate(const std::vector<CJobDocument>& docs)
{
    for (const CJobDocument& doc : docs) {
        if (!doc.main)
            continue;
        for (const CPart& part : doc.main->Parts()) {
            if (part.GetProperty("SPICE").IsEmpty())
                continue;
            std::string file = ToUtf8(part.GetProperty("FILE"));
            for (char& c : file)
                if (c == '\\')
                    c = '/';
            std::filesystem::path p(file);
            return p.is_absolute() ? p : doc.path.parent_path() / p;
        }
    }
    return {};
}

} // namespace

CNetlistOptions CNetlistOptions::FromSettings()
{
    CNetlistOptions o;
    o.format = SettingInt("Tool", "NetType");
    o.report = SettingInt("Tool", "Index") != 0;
    o.html = SettingInt("Tool", "Html") != 0;
    o.unixLineEnds = SettingInt("Tool", "NetUnix") != 0;
    o.view = SettingInt("Tool", "View") != 0;
    o.componentFile = SettingInt("Tool", "Compo") != 0;
    o.componentExt = SettingString("Tool", "Ext");
    o.startNo = SettingInt("Tool", "StartNo");
    o.pcb = SettingString("Tool", "PCB");
    o.nodeUpper = SettingInt("Tool", "NetNodeUpper") != 0;
    o.netUpper = SettingInt("Tool", "NetSigUpper") != 0;
    return o;
}

void CNetlistOptions::Store() const
{
    CProfile& p = Profile();
    p.WriteInt("Tool", "NetType", format);
    p.WriteInt("Tool", "Index", report);
    p.WriteInt("Tool", "Html", html);
    p.WriteInt("Tool", "NetUnix", unixLineEnds);
    p.WriteInt("Tool", "View", view);
    p.WriteInt("Tool", "Compo", componentFile);
    p.WriteString("Tool", "Ext", componentExt);
    p.WriteInt("Tool", "StartNo", startNo);
    p.WriteString("Tool", "PCB", pcb);
    p.WriteInt("Tool", "NetNodeUpper", nodeUpper);
    p.WriteInt("Tool", "NetSigUpper", netUpper);
}

bool CNetlistOptions::WritesComponentFile() const
{
    const CNetFormat* row = FindNetFormat(format);
    return componentFile && row && row->Has(CNetFormat::kComponentFile);
}

CString CNetlistOptions::Check() const
{
    const CNetFormat* row = FindNetFormat(format);
    if (!row)
        return CString::Formatted("no netlist format %d (formats are 1 to 29)", format);
    if (startNo < 0 || startNo > 32767)
        return CString::Formatted("the net start number %d is outside 0 to 32767", startNo);
    if (!componentFile)
        return CString();
    if (!row->Has(CNetFormat::kComponentFile))
        return CString("the format ") + row->name + " has no component file";
    CString ext = componentExt;
    if (ext.Left(1) == ".")
        ext = ext.Mid(1);
    if (ext.IsEmpty())
        return FromUtf8("コンポーネントファイル拡張子を設定してください。");
    bool plain = true;
    for (char c : ext.str())
        plain = plain && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_');
    bool refused = ext.CompareNoCase(CString(row->extension).Mid(1)) == 0;
    for (const char* bad : kRefusedExtensions)
        refused = refused || ext.CompareNoCase(bad) == 0;
    if (!plain || refused)
        return FromUtf8("ファイル拡張子が不正または使用できません。") + " (" + componentExt + ")";
    return CString();
}

CNetlistResult RunNetlistJob(const CNetlistOptions& options, const CNetlistJob& job)
{
    if (CString problem = options.Check(); !problem.IsEmpty())
        return Fail(problem);
    const CNetFormat& row = *FindNetFormat(options.format);
    for (const CJobDocument& doc : job.documents)
        if (doc.path.empty())
            return Fail(LoadMessage(2905));

    // Everything read from files comes first, so that a missing file stops
    // the job before anything is written.
    CHtmlTemplate html;
    const bool htmlReport =
        options.report && UseHtmlReport(options.html, options.htmlAsked, job.dataFolder);
    if (htmlReport) {
        const std::filesystem::path path = job.dataFolder / kTemplateFile;
        std::string bytes;
        CString damage;
        if (!ReadText(path, bytes))
            return Fail(FormatMessage(2903, FromUtf8(PathText(path))));
        if (!html.Parse(std::move(bytes), damage))
            return Fail(FromUtf8(PathText(path)) + ": " + damage);
        CHtmlTemplate::ListBlock list;
        if (!html.List("$RPT$", list, damage))
            return Fail(FromUtf8(PathText(path)) + ": " + damage);
    }
    const std::filesystem::path netlistPath = OutputName(job.outputBase, row.extension);
    CNetlistRequest request;
    request.format = row.code;
    request.startNo = unsigned(options.startNo);
    request.style.nodeUpper = options.nodeUpper;
    request.style.netUpper = options.netUpper;
    request.style.pcbProperty = options.pcb;
    request.path = FromUtf8(PathText(netlistPath));
    request.date = job.date;
    request.baseName = FromUtf8(netlistPath.stem().string());
    request.componentFile = options.WritesComponentFile();
    if (row.code == 19) {
        const std::filesystem::path path = job.dataFolder / kBoardHeaderFile;
        if (!ReadText(path, request.boardHeader))
            return Fail(FormatMessage(2903, FromUtf8(PathText(path))));
    }
    if (row.code == 21) {
        const std::filesystem::path path = SimulatorTemplate(job.documents);
        if (!path.empty()) {
            if (!ReadText(path, request.simulatorTemplate))
                return Fail(FormatMessage(2903, FromUtf8(PathText(path))));
            request.hasSimulatorTemplate = true;
        }
    }

    // Nets of every sheet, merged by name and sorted.
    const std::vector<CNetSheet> sheets = JobNetSheets(job.documents);
    const CSheetSetContext context(sheets);
    request.style.context = &context;
    CNetlistResult result;
    result.status = CNetlistResult::Cancelled;
    CItemList<CNet> nets;
    if (BuildNets(sheets, nets, &context))
        return result;
    std::unique_ptr<CSheet> partSheet;
    if (row.Has(CNetFormat::kPartSheet)) {
        partSheet = std::make_unique<CSheet>();
        if (CombineSheets(job.documents, context, *partSheet))
            return result;
    }
    result.warnings = PreflightWarnings(nets, request, &sheets, &context);
    CNetlistText text;
    if (BuildNetlistText(nets, partSheet.get(), request, text))
        return result;
    result.warnings.insert(result.warnings.end(), text.warnings.begin(), text.warnings.end());
    result.counts = text.counts;

    std::vector<Output> outputs;
    outputs.push_back({netlistPath, FileBytes(text.netlist, true, options.unixLineEnds)});
    if (request.componentFile) {
        CString ext = options.componentExt;
        if (ext.Left(1) == ".")
            ext = ext.Mid(1);
        outputs.push_back({OutputName(job.outputBase, "." + ext.str()),
                           FileBytes(text.component, true, options.unixLineEnds)});
    }
    if (options.report) {
        CNetReportInfo info;
        info.date = job.date;
        info.counts = text.counts;
        info.context = &context;
        info.fileList = job.fileList;
        info.warnings = result.warnings;
        if (htmlReport) {
            CString page, damage;
            if (!MakeNetReportHtml(nets, info, html, page, damage))
                return Fail(damage);
            outputs.push_back(
                {OutputName(job.outputBase, ".nrp.html"), FileBytes(page, false, false)});
        } else {
            outputs.push_back({OutputName(job.outputBase, ".nrp"),
                               FileBytes(MakeNetReportText(nets, info), true, false)});
        }
    }
    for (const CString& warning : result.warnings)
        Host().Message(warning, CHost::Warning);

    std::vector<std::filesystem::path> targets;
    for (const Output& o : outputs)
        targets.push_back(o.path);
    if (OutputOverInput(targets, JobInputs(job))) {
        result.status = CNetlistResult::Failed;
        return result;
    }

    // All files are complete on disk before any of them replaces its old self.
    std::vector<std::unique_ptr<CPendingFile>> pending;
    for (const Output& o : outputs) {
        try {
            pending.push_back(std::make_unique<CPendingFile>(o.path, o.bytes));
        } catch (const CException&) {
            return Fail(FormatMessage(2902, FromUtf8(PathText(o.path))));
        }
    }
    for (size_t i = 0; i < pending.size(); ++i) {
        try {
            pending[i]->Commit();
        } catch (const CException&) {
            return Fail(FormatMessage(2902, FromUtf8(PathText(outputs[i].path))));
        }
        result.written.push_back(outputs[i].path);
    }
    result.status = CNetlistResult::Done;
    return result;
}
