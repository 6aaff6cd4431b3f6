#include "app/joboutput.h"

#include <memory>

#include "base/codepage.h"
#include "base/exception.h"
#include "base/fileio.h"
#include "base/host.h"
#include "base/messages.h"
#include "netlist/htmltemplate.h"

std::vector<uint8_t> TextFileBytes(const CString& text, bool crlf)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(text.GetLength()) * 21 / 20 + 16);
    for (char c : text.str()) {
        if (crlf && c == '\n')
            bytes.push_back('\r');
        bytes.push_back(uint8_t(c));
    }
    return bytes;
}

bool CommitJobOutputs(const std::vector<CJobOutput>& outputs,
                      std::vector<std::filesystem::path>* written)
{
    const auto fail = [](const std::filesystem::path& path) {
        Host().Message(FormatMessage(2902, FromUtf8(path.string())), CHost::Error);
        return false;
    };
    std::vector<std::unique_ptr<CPendingFile>> pending;
    for (const CJobOutput& o : outputs) {
        try {
            pending.push_back(std::make_unique<CPendingFile>(o.path, o.bytes));
        } catch (const CException&) {
            return fail(o.path);
        }
    }
    for (size_t i = 0; i < pending.size(); ++i) {
        try {
            pending[i]->Commit();
        } catch (const CException&) {
            return fail(outputs[i].path);
        }
        if (written)
            written->push_back(outputs[i].path);
    }
    return true;
}

bool LoadReportTemplate(const std::filesystem::path& dataFolder, CHtmlTemplate& html,
                        CString& error)
{
    const std::filesystem::path path = dataFolder / "vireohtml.dat";
    std::string bytes;
    try {
        const std::vector<uint8_t> read = ReadFileBytes(path);
        bytes.assign(read.begin(), read.end());
    } catch (const CException&) {
        error = FormatMessage(2903, FromUtf8(path.string()));
        return false;
    }
    CString damage;
    if (!html.Parse(std::move(bytes), damage)) {
        error = FromUtf8(path.string()) + ": " + damage;
        return false;
    }
    return true;
}
