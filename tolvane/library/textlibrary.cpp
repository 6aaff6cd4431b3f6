#include "library/textlibrary.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/archive.h"
#include "base/clock.h"
#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "library/library.h"
#include "library/librarymessages.h"
#include "library/textlines.h"
#include "sheet/sheet.h"

namespace textlib {

namespace {

const char* const kFirstLine = "# VIREO Text Library File Ver 1.02\n";
const char* const kSignature = "# VIREO Text Library File";

bool StartsWith(const CString& s, const char* prefix)
{
    const size_t n = std::strlen(prefix);
    return s.str().compare(0, n, prefix) == 0;
}

}  // namespace

CString FormatDate(std::time_t t)
{
    const std::tm tm = JapanTime(t);
    return CString::Formatted("%04d/%02d/%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                              tm.tm_hour, tm.tm_min, tm.tm_sec);
}

CString DateLine()
{
    return FormatDate(StampTime());
}

std::vector<uint8_t> Write(const CLibraryImage& image, const CString& date)
{
    if (image.IsDamaged())
        throw CArchiveException(CArchiveException::endOfFile, image.Damage());
    CArchive ar;
    ar.WriteString(kFirstLine);
    ar.WriteString(FromUtf8("# 上の行を削除してはいけません。\n"));
    ar.WriteString(FromUtf8("# 行の先頭が '#' で始まる行はコメントになります。\n"));
    ar.WriteString("#\n# File created by VIREO\n");
    ar.WriteString("# Date : " + date + "\n#\n\n");
    for (const CLibraryRecord& record : image.Packages()) {
        // The gate count line comes before the gates: read them first.
        CArchive gates;
        int total = 0;
        ReadGates(image.Data(), record, true, [&](const CPart& gate, int number, int count) {
            total = count;
            gates.WriteString(CString::Formatted("#\nPackage [%d]\n", number));
            gate.SerializeText(gates);
        });
        ar.WriteString("Package Name \"" + record.name + "\"\n");
        ar.WriteString(CString::Formatted("Package Total %d\n", total));
        ar.Write(gates.Bytes().data(), gates.Bytes().size());
        ar.WriteString("Package End\n#\n#\n#\n");
    }
    return ar.Bytes();
}

ParseResult Parse(const std::vector<uint8_t>& text)
{
    ParseResult result;
    const std::vector<CString> lines = SplitTextLines(text);
    if (lines.empty() || lines[0].Find(kSignature) < 0) {
        result.status = ParseResult::NotTextLibrary;
        return result;
    }
    auto fail = [&](size_t index) {
        result.status = ParseResult::FormatError;
        result.errorLine = int(index + 1);
        result.library.clear();
        return result;
    };

    CString package;
    int total = -1;          // the last "Package Total" of the current package
    size_t totalLine = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        CString s = lines[i];
        s.TrimLeft();
        if (s.IsEmpty())
            continue;
        if (StartsWith(s, "Package Name")) {
            const int first = s.Find('"');
            const int last = s.ReverseFind('"');
            if (first < 0 || last <= first + 1)
                return fail(i);
            package = s.Mid(first + 1, last - first - 1);
            total = -1;
        } else if (StartsWith(s, "Package Total")) {
            CString number = s.Mid(13);
            number.Trim();
            char* end = nullptr;
            const long value = std::strtol(number.c_str(), &end, 10);
            if (number.IsEmpty() || *end != '\0' || value < 0 || value > INT32_MAX)
                return fail(i);
            total = int(value);
            totalLine = i;
        } else if (StartsWith(s, "Package [")) {
            if (s.Find(']') < 0)
                return fail(i);
        } else if (StartsWith(s, "Part") && !package.IsEmpty()) {
            // One block holds every gate of the package.
            const size_t partLine = i;
            std::string block;
            for (;; ++i) {
                if (i >= lines.size())
                    return fail(partLine);
                CString t = lines[i];
                t.TrimLeft();
                if (t.CompareNoCase("Package End") == 0)
                    break;
                if (t.IsEmpty() || t.GetAt(0) == '#' || StartsWith(t, "Package ["))
                    continue;
                block += t.str();
                block += '\n';
            }
            CSheet scratch;
            CArchive ar(reinterpret_cast<const uint8_t*>(block.data()), block.size());
            scratch.SerializeText(ar);
            std::vector<const CPart*> gates;
            for (POSITION pos = scratch.GetFirstPartPos(); pos;)
                gates.push_back(scratch.GetNextPart(pos));
            if (total >= 0 && size_t(total) != gates.size())
                return fail(totalLine);
            // What is read here must write back to text: a text the form
            // cannot hold (one ending in half a double-byte character) is
            // refused at its package rather than found by the way back.
            for (const CPart* gate : gates) {
                try {
                    CArchive probe;
                    gate->SerializeText(probe);
                } catch (const CArchiveException&) {
                    return fail(partLine);
                }
            }
            // A package without gates is never written.
            if (!gates.empty()) {
                const std::vector<uint8_t> record = PackageRecordBytes(package, gates);
                result.library.insert(result.library.end(), record.begin(), record.end());
                ++result.packages;
            }
            package.Empty();
            total = -1;
        }
    }
    if (result.packages > 0)
        AppendEndMarker(result.library);
    return result;
}

}  // namespace textlib

// --- the CLibrary side ----------------------------------------------------------------------------

int CLibrary::WriteAsciiFile(const CString& textPath)
{
    m_failed = false;
    std::vector<uint8_t> text;
    try {
        text = textlib::Write(*m_image, textlib::DateLine());
    } catch (const CArchiveException& e) {
        ReportDamaged(e.what());
        return 0;
    }
    try {
        WriteFileAtomically(LibraryFilePath(textPath), text);
    } catch (const CFileException& e) {
        Report(libmsg::CannotCreate(textPath, e.what()));
        return 0;
    }
    return 1;
}

int CLibrary::ReadAsciiFile(const CString& textPath)
{
    m_failed = false;
    const std::filesystem::path source = LibraryFilePath(textPath);
    std::error_code ec;
    if (std::filesystem::equivalent(source, LibraryPath(), ec)) {
        Report(libmsg::SameSourceAndDestination());
        return 0;
    }
    std::vector<uint8_t> text;
    try {
        text = ReadFileBytes(source);
    } catch (const CFileException&) {
        Report(libmsg::CannotOpenText());
        return 0;
    }
    textlib::ParseResult parsed = textlib::Parse(text);
    switch (parsed.status) {
    case textlib::ParseResult::NotTextLibrary: Report(libmsg::NotTextLibrary()); return 0;
    case textlib::ParseResult::FormatError: Report(libmsg::FormatError(parsed.errorLine)); return 0;
    case textlib::ParseResult::Ok: break;
    }
    return Commit(std::move(parsed.library)) ? 1 : 0;
}
