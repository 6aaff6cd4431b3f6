#include "app/jobdocuments.h"

#include <strings.h>

#include "app/docmessages.h"
#include "app/projectfile.h"
#include "base/host.h"

namespace {

bool HasExtension(const std::filesystem::path& path, const char* extension)
{
    return strcasecmp(path.extension().c_str(), extension) == 0;
}

} // namespace

bool CJobDocuments::IsProjectPath(const std::filesystem::path& path)
{
    return HasExtension(path, ".dpj");
}

bool CJobDocuments::IsTextFormPath(const std::filesystem::path& path)
{
    return HasExtension(path, ".txt");
}

bool CJobDocuments::Open(const std::vector<std::filesystem::path>& inputs, bool allSheets)
{
    m_documents.clear();
    m_project.clear();
    int projects = 0;
    for (const std::filesystem::path& input : inputs) {
        if (!IsProjectPath(input)) {
            if (!OpenSheet(input))
                return false;
            continue;
        }
        if (!OpenProject(input, allSheets))
            return false;
        if (++projects == 1)
            m_project = input;
    }
    if (projects > 1)
        m_project.clear();
    return true;
}

bool CJobDocuments::OpenSheet(const std::filesystem::path& path)
{
    auto doc = std::make_unique<CVIREODoc>();
    const bool opened = IsTextFormPath(path) ? doc->OpenTextForm(path) : doc->OnOpenDocument(path);
    if (!opened) {
        // The document tells why, except for a file in no form it knows.
        if (doc->WasUnknownForm())
            Host().Message(docmsg::NotASheet(path), CHost::Error);
        return false;
    }
    m_documents.push_back(std::move(doc));
    return true;
}

bool CJobDocuments::OpenProject(const std::filesystem::path& project, bool allSheets)
{
    std::vector<std::string> sheets;
    if (CProjectFile::ReadFileList(project, allSheets, false, sheets) < 0) {
        Host().Message(docmsg::NotAProject(project), CHost::Error);
        return false;
    }
    if (sheets.empty()) {
        Host().Message(docmsg::NoSheetsInProject(project), CHost::Error);
        return false;
    }
    for (const std::string& sheet : sheets)
        if (!OpenSheet(sheet))
            return false;
    return true;
}

bool CJobDocuments::Holds(const std::filesystem::path& file) const
{
    std::error_code ec;
    const auto same = [&](const std::filesystem::path& other) {
        return !other.empty() && std::filesystem::equivalent(file, other, ec);
    };
    if (same(m_project))
        return true;
    for (const auto& doc : m_documents)
        if (same(doc->GetPathName()))
            return true;
    return false;
}

bool CJobDocuments::RefuseOutputOverInput(const std::filesystem::path& output) const
{
    if (!Holds(output))
        return false;
    Host().Message(docmsg::OutputIsInput(output), CHost::Error);
    return true;
}
