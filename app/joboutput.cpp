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

bool OutputOverInput(const std::vector<std::filesystem::path>& outputs,
                     const std::vector<std::filesystem::path>& inputs)
{
    for (const std::filesystem::path& output : outputs) {
        for (const std::filesystem::path& input : inputs) {
            // The same file whatever the spelling: relative or absolute,
            // through links.  An output that does not exist yet is no input.
            std::error_code ec;
            if (input.empty() || !std::filesystem::equivalent(output, input, ec))
                continue;
            const bool japanese = GetMessageLanguage() == MessageLanguage::Japanese;
            Host().Message(FromUtf8(output.string()) +
                               (japanese
                                    ? FromUtf8("\nはこのコマンドが読む図面またはプロジェクトです。"
                                               "別の出力ファイルを指定して下さい。")
                                    : CString("\nis a sheet or project this command reads; "
                                              "choose another output file.")),
                           CHost::Error);
            return true;
        }
    }
    return false;
}

bool CommitJobOutputs(const std::vector<CJobOutput>& outputs,
                      const std::vector<std::filesystem::path>& inputs,
                      std::vector<std::filesystem::path>* written)
{
    std::vector<std::filesystem::path> targets;
    for (const CJobOutput& o : outputs)
        targets.push_back(o.path);
    if (OutputOverInput(targets, inputs))
        return false;
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

bool UseHtmlReport(bool html, bool asked, const std::filesystem::path& dataFolder)
{
    if (!html || asked)
        return html;
    std::error_code ec;
    if (std::filesystem::exists(dataFolder / "vireohtml.dat", ec))
        return true;
    const bool japanese = GetMessageLanguage() == MessageLanguage::Japanese;
    Host().Message(FromUtf8((dataFolder / "vireohtml.dat").string()) +
                       (japanese ? FromUtf8("\nがありません。テキスト形式で出力します。")
                                 : CString("\nis missing: the report is written as text.")),
                   CHost::Warning);
    return false;
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
