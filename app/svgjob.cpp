#include "app/svgjob.h"

#include "app/jobdocuments.h"
#include "app/joboutput.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "base/profile.h"
#include "export/drawcontext.h"
#include "export/svgexport.h"

CSvgJobResult RunSvgJob(const std::vector<std::filesystem::path>& inputs,
                        const std::filesystem::path& base, bool color, bool allSheets)
{
    CSvgJobResult result;
    CJobDocuments docs;
    if (!docs.Open(inputs, allSheets))
        return result;
    const auto& documents = docs.Documents();
    std::vector<CJobOutput> outputs;
    CDrawContext ctx;
    ctx.LoadSettings(Profile());
    const bool titleShown = SettingInt("Sheet", "TitleDisp") != 0;
    for (size_t i = 0; i < documents.size(); ++i) {
        std::filesystem::path path = base;
        if (documents.size() > 1)
            path += "-" + std::to_string(i + 1);
        path += ".svg";
        if (docs.RefuseOutputOverInput(path))
            return result;
        const CVIREODoc& doc = *documents[i];
        const std::string svg =
            RenderSheetToSvg(doc.MainSheet(), titleShown ? &doc.TitleSheet() : nullptr,
                             doc.Header().width, doc.Header().height, color, ctx);
        outputs.push_back(CJobOutput{path, std::vector<uint8_t>(svg.begin(), svg.end())});
    }
    if (!CommitJobOutputs(outputs, inputs, &result.written))
        return result;
    result.ok = true;
    return result;
}
