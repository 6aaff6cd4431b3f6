#include "app/exportjobs.h"

#include "app/docmessages.h"
#include "app/jobdocuments.h"
#include "app/outputfile.h"
#include "base/host.h"
#include "export/dxf.h"

namespace {

// The one sheet of a job; a project names several and is refused.
CVIREODoc* OpenOne(CJobDocuments& docs, const std::filesystem::path& input)
{
    if (CJobDocuments::IsProjectPath(input)) {
        Host().Message(docmsg::NotASheet(input), CHost::Error);
        return nullptr;
    }
    return docs.Open({input}, false) ? docs.Documents().front().get() : nullptr;
}

} // namespace

bool RunDxfJob(const std::filesystem::path& input, const std::filesystem::path& output,
               const std::filesystem::path& headerFile)
{
    CDxfHeader header;
    if (!CVIREODoc::LoadDxfHeader(headerFile, header))
        return false;
    CJobDocuments docs;
    CVIREODoc* doc = OpenOne(docs, input);
    if (!doc)
        return false;
    const std::filesystem::path target =
        CVIREODoc::OtherFormatPath(output, CVIREODoc::OtherFormat::Dxf);
    if (docs.RefuseOutputOverInput(target))
        return false;
    return WriteOutputFile(target, doc->DxfBytes(header));
}

bool RunTangoJob(const std::filesystem::path& input, const std::filesystem::path& output)
{
    CJobDocuments docs;
    CVIREODoc* doc = OpenOne(docs, input);
    return doc && !docs.RefuseOutputOverInput(output) && doc->SaveTango(output);
}
