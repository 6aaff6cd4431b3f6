// What the project-wide commands share: the participating documents, the
// one sheet their parts are combined into, output names, and the date a
// report carries.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/string.h"
#include "net/netcontext.h"

class CPart;
class CSheet;
class CUndoHistory;
class CVIREOApp;
class CVIREODoc;

// One document taking part in a command: its file, its drawing, its
// selection (a command works on the selection when it holds parts or pins)
// and its sheet size.
struct CJobDocument {
    std::filesystem::path path;
    const CSheet* main = nullptr;
    const CSheet* selection = nullptr;
    int width = 0;
    int height = 0;
    // For the jobs that change documents (numbering, Was-Is files, the
    // tidy-up of the check): the same two sheets, writable, and the history
    // each change is recorded in (none in a batch run that saves at once).
    // Null for a document the job may only read.
    CSheet* editMain = nullptr;
    CSheet* editSelection = nullptr;
    CUndoHistory* history = nullptr;
};

// The document's name as nets and tags carry it (the path, CP932).
CString JobDocName(const CJobDocument& doc);
// The net sheets of the documents, numbered from 1 in order.
std::vector<CNetSheet> JobNetSheets(const std::vector<CJobDocument>& docs);

// The participating documents of the application: with a project, its
// checked sheets in list order (sheets not open are opened and recorded in
// opened; one that cannot be opened is reported and skipped); without one,
// every open document.
std::vector<CJobDocument> CollectParticipants(CVIREOApp& app, std::vector<std::string>& opened);
// The same documents themselves; withUnchecked takes every sheet of the
// project's list.
std::vector<CVIREODoc*> CollectDocuments(CVIREOApp& app, bool withUnchecked,
                                         std::vector<std::string>& opened);
CJobDocument JobDocumentOf(const CVIREODoc& doc);
// The same, writable.
CJobDocument JobDocumentOf(CVIREODoc& doc);

// Copies into `into` every part with a reference of every document (from
// its selection when that holds parts or pins), tagged with the document
// ("{VIREO:DOCNAME}path [n]") and its sheet size, and every free pin with
// its net name set to "path [n]".  Parts that stand for another
// participating sheet (context.IsProjectSheet) stay out.  1 when the user
// cancelled.
//
// With origins, each copied part's source is appended to it in the order
// the copies were made, so that a job can write a result back to the very
// part it came from (stacked parts look alike; only the link tells them apart).
struct CPartOrigin {
    int document = 0;            // index into docs
    const CPart* part = nullptr; // in the document's main or selection sheet
};
int CombineSheets(const std::vector<CJobDocument>& docs, const CNetContext& context, CSheet& into,
                  std::vector<CPartOrigin>* origins = nullptr);

// The output of a command: base plus extension (".net", ".nrp" ...).
std::filesystem::path OutputName(const std::filesystem::path& base, const std::string& extension);
// The base of the outputs of a design: the project without ".dpj", else the
// first sheet without its extension.
std::filesystem::path OutputBase(const std::filesystem::path& project,
                                 const std::vector<CJobDocument>& docs);

// The files a job reads: the project (if any) and every document.
struct CProjectJob;
std::vector<std::filesystem::path> JobInputs(const CProjectJob& job);

// What every project-wide job is handed besides its options.
struct CProjectJob {
    std::vector<CJobDocument> documents; // in their order
    std::filesystem::path project;       // empty: no project
    std::filesystem::path outputBase;    // outputs are this plus their extensions
    std::vector<CString> fileList;       // the HTML pages' file list
    std::filesystem::path dataFolder;    // the report template
    CString date;                        // the creation date (ReportDate())
};

// The number a document's tag carries: the digits between the last "[" and
// the "]" after it ("path [3]" gives 3); 0 when there are none.
int DocumentNumberOfTag(const CString& docText);
// A part's tag text after "{VIREO:DOCNAME}" ("path [n]"); empty without one.
CString PartDocumentText(const CPart& part);

// Reports a step of the running phase to the host; true when the user
// cancelled.
bool JobStep(int step);

// A report's creation date, "%Y/%m/%d  %H:%M:%S" in Japan time:
// SOURCE_DATE_EPOCH when it is set, else now.
CString ReportDate();
CString ReportDate(long long epochSeconds);
