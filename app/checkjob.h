// The Check Sheet job: tidy the wires of every participating document,
// check connections, pins and references, and write the log (".log", or
// ".log.html" through the report template).
//
// The tidy-up changes the documents (each change one undoable step; a batch
// run saves them only when asked); the checks only report.  The log is
// built in memory and written only when the whole run succeeded.
#pragma once

#include <filesystem>
#include <vector>

#include "app/projectjob.h"
#include "app/sheetcheck.h"
#include "sheet/cleanup.h"

class CHtmlTemplate;

// The dialog's fields, with their keys in the section "CleanSection".
struct CCheckOptions {
    bool cleanLine = true;  // CleanLine: merge collinear wires
    bool wireJunc = false;  // WireJunc: merges keep junction dots
    bool view = true;       // View: open the log afterwards (editor)
    bool html = false;      // Html: the log through the template
    bool htmlAsked = false; // html asked for on this run (not only stored)
    bool bySheet = false;   // BySheet: last numbers per sheet
    bool missing = false;   // Miss: list missing numbers (not per sheet)
    bool over = false;      // Over: the tidy-up removes items outside the sheet

    static CCheckOptions FromSettings();
    // Stores every field; Miss is stored 0 while BySheet is on.
    void Store() const;
    CCleanUpOptions CleanUp() const;
};

// The log as text ("\n" line ends; the file has CR LF).
CString CheckLogText(const CCheckReport& report);
// The log through the template's "$LOG$" (and "$LOG2$") blocks; false with
// the reason when "$LOG$" is missing.
bool CheckLogHtml(const CCheckReport& report, const CHtmlTemplate& html,
                  const std::vector<CString>& fileList, const CString& date, CString& out,
                  CString& error);

// One line per section for a summary: ("duplicates", 2) ...
std::vector<std::pair<const char*, long long>> CheckSummary(const CCheckReport& report);

struct CCheckResult {
    enum Status { Done, Failed, Cancelled };
    Status status = Failed;
    CCheckReport report;
    std::vector<std::filesystem::path> tidied; // documents the tidy-up changed
    std::filesystem::path written;
};

CCheckResult RunCheckJob(const CCheckOptions& options, const CProjectJob& job);
