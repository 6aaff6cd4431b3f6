#include "library/libraryconvert.h"

#include <filesystem>

#include "base/host.h"
#include "base/profile.h"
#include "library/library.h"
#include "library/librarymessages.h"

namespace {
constexpr const char* kSection = "Library Convert";
}

void CLibConvertJob::LoadSettings()
{
    type = Profile().GetInt(kSection, "Type", 0);
    source = Profile().GetString(kSection, "SourceFileName");
    destination = Profile().GetString(kSection, "DestFileName");
}

bool CLibConvertJob::Run()
{
    if (source.IsEmpty() || destination.IsEmpty()) {
        Host().Message(libmsg::EnterFileName(), CHost::Warning);
        return false;
    }
    std::error_code ec;
    const std::filesystem::path from = LibraryFilePath(source);
    const std::filesystem::path to = LibraryFilePath(destination);
    // Writing onto the source would destroy what is being read.
    if (std::filesystem::equivalent(from, to, ec)) {
        Host().Message(libmsg::SameSourceAndDestination(), CHost::Error);
        return false;
    }
    if (std::filesystem::exists(to, ec) &&
        Host().Ask(libmsg::FileExistsOverwrite(destination), CHost::YesNo) != CHost::IDYES)
        return false;
    CLibrary library;
    if (type == 0) {
        library.SetLibraryName(source);
        if (!library.ReadFile() || !library.WriteAsciiFile(destination))
            return false;
    } else {
        library.SetLibraryName(destination);
        if (!library.ReadAsciiFile(source))
            return false;
    }
    Profile().WriteInt(kSection, "Type", type);
    Profile().WriteString(kSection, "SourceFileName", source);
    Profile().WriteString(kSection, "DestFileName", destination);
    Host().Message(libmsg::ConversionDone(), CHost::Information);
    return true;
}
