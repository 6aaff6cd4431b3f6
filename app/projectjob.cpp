#include "app/projectjob.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "app/projectfile.h"
#include "app/vireoapp.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/messages.h"
#include "sheet/sheet.h"

CString JobDocName(const CJobDocument& doc)
{
    return FromUtf8(doc.path.string());
}

std::vector<CNetSheet> JobNetSheets(const std::vector<CJobDocument>& docs)
{
    std::vector<CNetSheet> sheets;
    for (const CJobDocument& doc : docs)
        sheets.push_back({JobDocName(doc), int(sheets.size()) + 1, doc.main});
    return sheets;
}

CJobDocument JobDocumentOf(const CVIREODoc& doc)
{
    CJobDocument job;
    job.path = doc.GetPathName();
    job.main = &doc.MainSheet();
    job.selection = &doc.SelectionSheet();
    job.width = doc.Header().width;
    job.height = doc.Header().height;
    return job;
}

CJobDocument JobDocumentOf(CVIREODoc& doc)
{
    CJobDocument job = JobDocumentOf(std::as_const(doc));
    job.editMain = &doc.MainSheet();
    job.editSelection = &doc.SelectionSheet();
    job.history = &doc.History();
    return job;
}

std::vector<CJobDocument> CollectParticipants(CVIREOApp& app, std::vector<std::string>& opened)
{
    std::vector<CJobDocument> docs;
    for (CVIREODoc* doc : CollectDocuments(app, false, opened))
        docs.push_back(JobDocumentOf(*doc));
    return docs;
}

std::vector<CVIREODoc*> CollectDocuments(CVIREOApp& app, bool withUnchecked,
                                         std::vector<std::string>& opened)
{
    std::vector<CVIREODoc*> docs;
    if (app.ProjectPath().empty()) {
        for (const auto& doc : app.Documents())
            docs.push_back(doc.get());
        return docs;
    }
    std::vector<std::string> sheets;
    CProjectFile::ReadFileList(app.ProjectPath(), withUnchecked, false, sheets);
    for (const std::string& sheet : sheets) {
        const bool wasOpen = app.FindDocument(sheet) != nullptr;
        CVIREODoc* doc = app.OpenDocumentFile(sheet);
        if (!doc) {
            Host().Message(FormatMessage(2903, FromUtf8(sheet)), CHost::Error);
            continue;
        }
        if (!wasOpen)
            opened.push_back(sheet);
        docs.push_back(doc);
    }
    return docs;
}

int CombineSheets(const std::vector<CJobDocument>& docs, const CNetContext& context, CSheet& into,
                  std::vector<CPartOrigin>* origins)
{
    int total = 0;
    for (const CJobDocument& doc : docs)
        total += doc.main ? doc.main->Parts().GetCount() + doc.main->Pins().GetCount() : 0;
    BeginProgressPhase(ProgressPhase::Reading, total);
    int step = 0;
    auto cancelled = [&step]() {
        Host().ProgressStep(step++);
        return Host().IsCancelled();
    };
    int number = 0;
    for (const CJobDocument& doc : docs) {
        ++number;
        const CString docName = JobDocName(doc);
        const CString nameTag =
            CString::Formatted("{VIREO:DOCNAME}%s [%d]", docName.c_str(), number);
        const CString sizeTag = CSheet::SizeTag(doc.width, doc.height);
        const bool selected = doc.selection && (!doc.selection->Parts().IsEmpty() ||
                                                !doc.selection->Pins().IsEmpty());
        const CSheet* source = selected ? doc.selection : doc.main;
        if (!source)
            continue;
        for (const CPart& part : source->Parts()) {
            if (cancelled()) {
                Host().ProgressEnd();
                return 1;
            }
            if (part.GetRefName().IsEmpty() ||
                context.IsProjectSheet(part.GetProperty("FILE"), docName))
                continue;
            CPart* copy = into.NewPart(part);
            if (origins)
                origins->push_back({number - 1, &part});
            for (const CString& tag : {nameTag, sizeTag})
                copy->NewText(tag, copy->GetOrg(), CText::kDefaultSize,
                              CText::kDefaultAttr | CText::kHidden);
        }
        for (const CPin& pin : source->Pins()) {
            if (cancelled()) {
                Host().ProgressEnd();
                return 1;
            }
            into.NewPin(pin)->SetNetName(CString::Formatted("%s [%d]", docName.c_str(), number));
        }
    }
    Host().ProgressEnd();
    return 0;
}

std::filesystem::path OutputName(const std::filesystem::path& base, const std::string& extension)
{
    return std::filesystem::path(base.string() + extension);
}

std::filesystem::path OutputBase(const std::filesystem::path& project,
                                 const std::vector<CJobDocument>& docs)
{
    std::filesystem::path base = !project.empty() ? project
                                 : docs.empty()   ? std::filesystem::path()
                                                  : docs.front().path;
    return base.replace_extension();
}

int DocumentNumberOfTag(const CString& docText)
{
    const int open = docText.ReverseFind('[');
    const int close = open < 0 ? -1 : docText.Find(']', open);
    if (close <= open + 1)
        return 0;
    long long n = 0;
    for (int i = open + 1; i < close; ++i) {
        if (docText[i] < '0' || docText[i] > '9' || n > 100000000)
            return 0;
        n = n * 10 + (docText[i] - '0');
    }
    return int(n);
}

CString PartDocumentText(const CPart& part)
{
    static const CString kTag("{VIREO:DOCNAME}");
    for (const CText& text : part.Texts())
        if (text.GetName().Left(kTag.GetLength()) == kTag)
            return text.GetName().Mid(kTag.GetLength());
    return CString();
}

CString ReportDate(long long epochSeconds)
{
    // Japan time, nine hours ahead of UTC all year.
    const std::time_t t = std::time_t(epochSeconds + 9 * 3600);
    std::tm tm{};
    if (!gmtime_r(&t, &tm))
        return CString();
    char text[64];
    std::strftime(text, sizeof text, "%Y/%m/%d  %H:%M:%S", &tm);
    return CString(text);
}

CString ReportDate()
{
    long long t = (long long)std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(epoch, &end, 10);
        if (errno == 0 && end && *end == '\0')
            t = value;
    }
    return ReportDate(t);
}

bool JobStep(int step)
{
    Host().ProgressStep(step);
    return Host().IsCancelled();
}

std::vector<std::filesystem::path> JobInputs(const CProjectJob& job)
{
    std::vector<std::filesystem::path> inputs;
    if (!job.project.empty())
        inputs.push_back(job.project);
    for (const CJobDocument& doc : job.documents)
        if (!doc.path.empty())
            inputs.push_back(doc.path);
    return inputs;
}
