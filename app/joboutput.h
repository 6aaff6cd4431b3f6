// What the project-wide jobs share once their work is done: the files they
// write, built in memory and put in place together, and the report template
// they read before anything else.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/string.h"

class CHtmlTemplate;

struct CJobOutput {
    std::filesystem::path path;
    std::vector<uint8_t> bytes;
};

// The bytes of a text file: with crlf every "\n" is written as CR LF, as
// text files of the system always were; without, the text as it is.
std::vector<uint8_t> TextFileBytes(const CString& text, bool crlf);

// Whether one of outputs is the same file as one of inputs (the sheets and
// the project a job reads): such an output is told to the host and true
// returned.  A job never writes over what it read.
bool OutputOverInput(const std::vector<std::filesystem::path>& outputs,
                     const std::vector<std::filesystem::path>& inputs);

// Writes every output completely beside its target first and only then
// puts them in place, so that a failure leaves the files of the previous
// run untouched.  False with message 2902 (the file) told to the host, or
// when an output is one of inputs (nothing is written then); the paths put
// in place are appended to written.
bool CommitJobOutputs(const std::vector<CJobOutput>& outputs,
                      const std::vector<std::filesystem::path>& inputs,
                      std::vector<std::filesystem::path>* written = nullptr);

// Whether a report goes through the template "vireohtml.dat": when html is
// on and the template is in the data folder.  A stored choice (not asked for
// on this run) with the template gone falls back to the text report, told
// as a warning; one asked for explicitly goes ahead (and fails on it).
bool UseHtmlReport(bool html, bool asked, const std::filesystem::path& dataFolder);

// Reads and parses "vireohtml.dat" of the data folder; false with the
// reason (the file named) when it is missing or damaged.
bool LoadReportTemplate(const std::filesystem::path& dataFolder, CHtmlTemplate& html,
                        CString& error);
