#include "app/pdfjob.h"

#include "app/docmessages.h"
#include "app/jobdocuments.h"
#include "app/outputfile.h"
#include "app/projectfile.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "base/clock.h"
#include "base/codepage.h"
#include "base/host.h"
#include "base/profile.h"
#include "export/drawcontext.h"
#include "export/pdf.h"
#include "export/pdfpage.h"

namespace {

// A margin setting, or its default when the stored number is no margin.
double MarginSetting(const char* key)
{
    const int value = SettingInt("PDF", key);
    const int fallback = FindSetting("PDF", key)->intDefault;
    if (CPDFPage::IsValidMargin(value))
        return value;
    Host().Message(docmsg::BadPdfSetting(key, CString(std::to_string(value)),
                                         CString(std::to_string(fallback))),
                   CHost::Warning);
    return fallback;
}

// The title or subtitle: as given, else the project's property.
CString InfoText(const std::optional<CString>& given, const std::filesystem::path& project,
                 const char* property)
{
    if (given)
        return *given;
    return project.empty() ? CString() : CProjectFile::ReadProperty(project, property);
}

void Remember(const std::filesystem::path& project, const char* property, const CString& value)
{
    if (CProjectFile::ReadProperty(project, property) == value)
        return;
    std::string error;
    if (!CProjectFile::SetProperty(project, property, value, error))
        Host().Message(CString(project.string() + ": " + error), CHost::Warning);
}

} // namespace

CPdfJobOptions CPdfJobOptions::FromSettings()
{
    CPdfJobOptions o;
    o.page.titleInclude = SettingInt("PDF", "TitleInclude") != 0;
    o.page.up = MarginSetting("Up");
    o.page.left = MarginSetting("Left");
    o.page.scale = SettingString("PDF", "Scale");
    if (!TryParsePdfScale(o.page.scale)) {
        const CString fallback = SettingDefaultString("PDF", "Scale");
        Host().Message(docmsg::BadPdfSetting("Scale", o.page.scale, fallback), CHost::Warning);
        o.page.scale = fallback;
    }
    o.page.background = SettingInt("PDF", "Back") != 0;
    o.page.color = SettingInt("PDF", "Color") != 0;
    o.page.titleShown = SettingInt("Sheet", "TitleDisp") != 0;
    o.allSheets = SettingInt("PDF", "AllFile") != 0;
    return o;
}

std::optional<std::vector<uint8_t>> RenderPdf(const std::vector<const CVIREODoc*>& documents,
                                              const CPdfOptions& options, CPdfJobResult& result)
{
    CDrawContext ctx;
    ctx.LoadSettings(Profile());
    CPDF pdf;
    pdf.SetInfo(options.title, options.subject, options.author,
                options.created ? options.created : StampTime());
    Host().ProgressBegin(FromUtf8("PDF変換"), int(documents.size()));
    int step = 0;
    for (const CVIREODoc* doc : documents) {
        const CDocumentHeader& header = doc->Header();
        const CPdfSheet sheet{&doc->MainSheet(), &doc->TitleSheet(), header.sizeCode, header.width,
                              header.height};
        AddPdfPage(pdf, sheet, options, ctx);
        Host().ProgressStep(++step);
        if (Host().IsCancelled()) {
            Host().ProgressEnd();
            return std::nullopt;
        }
    }
    Host().ProgressEnd();
    result.pages = pdf.GetPageCount();
    result.fonts = int(pdf.Fonts().size());
    return pdf.WritePDF();
}

CPdfJobResult RunPdfJob(const std::vector<std::filesystem::path>& inputs,
                        const std::filesystem::path& output, const CPdfJobOptions& options)
{
    CPdfJobResult result;
    result.output = WithExtension(output, ".pdf");
    CJobDocuments docs;
    if (!docs.Open(inputs, options.allSheets) || docs.RefuseOutputOverInput(result.output))
        return result;
    const std::filesystem::path& project = docs.Project();
    CPdfOptions page = options.page;
    page.title = InfoText(options.title, project, "PDFTITLE");
    page.subject = InfoText(options.subtitle, project, "PDFSUBTITLE");
    page.author = options.author;

    std::vector<const CVIREODoc*> documents;
    for (const auto& doc : docs.Documents())
        documents.push_back(doc.get());
    const std::optional<std::vector<uint8_t>> bytes = RenderPdf(documents, page, result);
    if (!bytes || !WriteOutputFile(result.output, *bytes))
        return result;
    result.ok = true;
    if (!project.empty() && options.rememberInProject) {
        Remember(project, "PDFTITLE", page.title);
        Remember(project, "PDFSUBTITLE", page.subject);
    }
    return result;
}
