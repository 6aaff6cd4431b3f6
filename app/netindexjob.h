// The Net Index job: which sheets carry each wire name, as a comma-separated
// file (".net.csv") or an HTML page (".net.html"), and the targets of the
// editor's jump from a named wire to the other sheets that carry its name.
//
// The documents are numbered from 0 in the order of the file list (a
// project's sheets last first, as the HTML pages list them), and printed
// from 1.  Every document contributes each of its wire names once (names
// compared without case, the first spelling kept); entries are ordered by
// name without case, then by document.
#pragma once

#include <filesystem>
#include <vector>

#include "app/projectjob.h"
#include "base/point.h"

class CHtmlTemplate;
class CLine;

struct CNetIndexOptions {
    bool single = true;     // IndexSingle: also names found on one sheet only
    bool xy = false;        // IndexXY: one line per sheet, with the name's position
    bool html = false;      // IndexHtml
    bool htmlAsked = false; // html asked for on this run (not only stored)
    bool view = true;       // IndexView: open the file afterwards (editor)

    static CNetIndexOptions FromSettings();
    void Store() const;
};

struct CNetIndexEntry {
    CString name; // as the wire carries it
    int document; // index into the documents, in file-list order
    CPoint at;    // where the name text stands
};

struct CNetIndex {
    std::vector<CString> files; // the file list, in document order
    std::vector<CNetIndexEntry> entries;
    int names = 0; // distinct names listed
};

// Collects and sorts the entries of the documents (given in file-list
// order); progress through the host, true when the user cancelled.
bool BuildNetIndex(const std::vector<CJobDocument>& documents, bool single, CNetIndex& out);
CString NetIndexText(const CNetIndex& index, bool xy);
// False with the reason when the template has no "$NET$" block.
bool NetIndexHtml(const CNetIndex& index, const CHtmlTemplate& html, const CString& date,
                  CString& out, CString& error);

struct CNetIndexResult {
    enum Status { Done, Failed, Cancelled };
    Status status = Failed;
    int names = 0;
    int entries = 0;
    std::filesystem::path written;
};

// job.documents in their participating order; the job puts them in
// file-list order (reversed for a project) itself.
CNetIndexResult RunNetIndexJob(const CNetIndexOptions& options, const CProjectJob& job);

// --- the jump from a named wire --------------------------------------------------------------

// A document the jump may go to, with its first wire of the name.
struct CNetJumpTarget {
    int document;      // index into the candidates
    const CLine* wire; // its drawing's first wire of the name
};

// The named wire of a drawing whose name text holds the point; null when none.
const CLine* FindNamedWireAt(const CSheet& sheet, const CPoint& p);
// The targets for a wire name: every candidate but the active one whose
// drawing has a wire of that name (without case), at most 30.  Only with a
// project of two checked sheets or more that holds the active document
// (projectSheets > 1 and activeInProject); none otherwise.
std::vector<CNetJumpTarget> NetJumpTargets(const std::vector<CJobDocument>& candidates, int active,
                                           const CString& name, int projectSheets,
                                           bool activeInProject);
// The menu text of target i: "&%d %s" with i + 1 and the document's path
// relative to the active document's folder.
CString NetJumpLabel(int i, const std::filesystem::path& document,
                     const std::filesystem::path& active);
