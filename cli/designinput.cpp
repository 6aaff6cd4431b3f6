#include "designinput.h"

#include <algorithm>

#include "app/datafolder.h"
#include "base/archive.h"
#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "commands.h"
#include "sheet/schematicfile.h"

int CliDesign::Open(const char* command, const std::vector<std::string>& inputs,
                    const std::string& base)
{
    const std::string name = command;
    if (inputs.empty())
        return Usage(name + ": no input given (a project .dpj or sheets)");
    std::vector<std::filesystem::path> paths(inputs.begin(), inputs.end());
    const bool project = std::any_of(paths.begin(), paths.end(), CJobDocuments::IsProjectPath);
    if (project && paths.size() != 1)
        return Usage(name + ": a project is the only input");
    if (!m_documents.Open(paths, false))
        return kExitFailure;
    m_job = CProjectJob();
    m_job.project = m_documents.Project();
    for (const auto& doc : m_documents.Documents()) {
        m_job.documents.push_back(JobDocumentOf(*doc));
        m_job.fileList.push_back(FromUtf8(doc->GetPathName().string()));
    }
    if (project)
        std::reverse(m_job.fileList.begin(), m_job.fileList.end());
    m_job.outputBase = base.empty() ? OutputBase(m_job.project, m_job.documents)
                                    : std::filesystem::path(base);
    m_job.dataFolder = DataFolder();
    m_job.date = ReportDate();
    return kExitOk;
}

const CJobDocument* CliDesign::OpenExtra(const std::filesystem::path& path)
{
    auto doc = std::make_unique<CVIREODoc>();
    const bool opened = CJobDocuments::IsTextFormPath(path) ? doc->OpenTextForm(path)
                                                             : doc->OnOpenDocument(path);
    if (!opened)
        return nullptr;
    m_extraJobs.push_back(JobDocumentOf(*doc));
    m_extra.push_back(std::move(doc));
    return &m_extraJobs.back();
}

CVIREODoc* CliDesign::Find(const std::filesystem::path& path)
{
    for (const auto& doc : m_documents.Documents())
        if (doc->GetPathName() == path)
            return doc.get();
    for (const auto& doc : m_extra)
        if (doc->GetPathName() == path)
            return doc.get();
    return nullptr;
}

bool CliDesign::Save(const std::vector<std::filesystem::path>& documents, std::string& error)
{
    std::vector<std::unique_ptr<CPendingFile>> pending;
    for (const std::filesystem::path& path : documents) {
        CVIREODoc* doc = Find(path);
        if (!doc)
            continue;
        doc->ReturnSelection();
        CArchive ar;
        try {
            if (CJobDocuments::IsTextFormPath(path)) {
                doc->MainSheet().SerializeText(ar);
            } else if (doc->NeedsSaveAs()) {
                error = path.string() + ": a sheet in this form cannot be written back "
                                        "(convert it to .dcd first); no sheet was changed";
                return false;
            } else {
                CSchematicFile::Save(ar, doc->Header(), doc->MainSheet(), doc->TitleSheet());
            }
            pending.push_back(std::make_unique<CPendingFile>(path, ar.Bytes()));
        } catch (const CException& e) {
            error = path.string() + ": " + e.what() + "; no sheet was changed";
            return false;
        }
    }
    for (const auto& file : pending) {
        try {
            file->Commit();
        } catch (const CException& e) {
            error = std::string(e.what()) + "; some sheets may already have been written";
            return false;
        }
    }
    return true;
}
