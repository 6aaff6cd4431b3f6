#include "app/outputfile.h"

#include <cstring>
#include <strings.h>

#include "app/docmessages.h"
#include "base/host.h"

void ReportSaveFailure(const std::filesystem::path& path, const CSafeSaveResult& result)
{
    if (result.status == CSafeSaveResult::WriteFailed)
        Host().Message(docmsg::FailedToSave(path, result.detail), CHost::Error);
    else
        Host().Message(docmsg::CannotCreate(path) + CString(" (" + result.detail + ")"),
                       CHost::Error);
}

bool WriteOutputFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    CSafeSaveOptions options;
    options.backup = false;
    const CSafeSaveResult result = SaveFileSafely(path, bytes, options);
    if (!result.Ok())
        ReportSaveFailure(path, result);
    return result.Ok();
}

std::filesystem::path WithExtension(const std::filesystem::path& path, const char* extension)
{
    const std::string name = path.filename().string();
    const size_t n = std::strlen(extension);
    if (name.size() >= n && strcasecmp(name.c_str() + name.size() - n, extension) == 0)
        return path;
    std::filesystem::path out = path;
    out += extension;
    return out;
}
