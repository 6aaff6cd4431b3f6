// The Part List job: a bill of materials of the participating documents as
// a comma-separated file (".csv").
//
// Parts are grouped by part name, value and the chosen property columns;
// each group is one record with the references of its parts in reference
// order (gates of one package listed once, under the package reference).
// Parts marked "NOPARTLIST" stay out (unless forced) and are named on a line
// of their own; parts marked "NOMOUNT" stay in and are named on another.
//
// Assembly variants: with a variant name, a part also counts as not mounted
// when its property "NOMOUNT_<name>" is set, or when it carries a "VARIANT"
// property that does not list the name (a part placed for some variants
// only).  Without a variant name both properties are ignored.
//
// Group keys are kept as lists of fields, never as one joined text, so that
// a part name "CAP,X" with value "1u" and a part name "CAP" with value
// "X,1u" stay two groups; records are ordered by the joined text as they
// always were, the field lists breaking ties.
#pragma once

#include <filesystem>
#include <vector>

#include "app/projectjob.h"

class CSheet;

struct CPartListOptions {
    bool count = false; // Tool\PartCount: the number of references before them
    CString properties; // Tool\ListProperty: comma-separated property names
    bool force = false; // list "NOPARTLIST" parts like any other (not stored)
    // The project's values (properties SHEETNO, SETNAME, PCBMAKE).
    CString sheetNo;
    CString setName;
    int quantity = 1; // boards to make, 1..32767
    CString variant;  // the assembly variant; empty: the parts as drawn

    // The Tool settings and, with a project, its three values.
    static CPartListOptions FromSettings(const std::filesystem::path& project);
    // Stores the Tool settings (the property text trimmed) and, with a
    // project, each project value that differs from the stored one.  False
    // with error set when the project could not be written.
    bool Store(const std::filesystem::path& project, std::string& error) const;
    // The property text trimmed of blanks and commas at both ends.
    CString TrimmedProperties() const;
    // The property columns: the text split at commas, each name trimmed and
    // upper-cased, empty names dropped.
    std::vector<CString> Columns() const;
    // A stored quantity as the job takes it: not a number or 0 reads as 1,
    // anything above 32767 as 32767.
    static int QuantityFromText(const CString& text);
};

// One record: the key fields (part name, value, property values) and the
// list references of its parts, sorted.
struct CPartListRecord {
    std::vector<CString> key;
    std::vector<CString> refs;
};

struct CPartList {
    std::vector<CString> noPartList; // distinct, upper case, in order of appearance
    std::vector<CString> noMount;
    std::vector<CPartListRecord> records; // in output order
    int usedParts = 0;                    // the references listed
};

// The list reference of a part: its reference, or for a gate of a package
// of two or more its package reference.
CString PartListReference(const CPart& part);

// Builds the list from a sheet holding the parts of every document (the
// combined part sheet).  Progress through the host; true when the user
// cancelled (out is then incomplete).
bool BuildPartList(const CSheet& parts, const CPartListOptions& options, CPartList& out);
// The file's text, CR LF line ends, every field quoted where it must be.
CString FormatPartList(const CPartList& list, const CPartListOptions& options);

struct CPartListResult {
    enum Status { Done, Failed, Cancelled };
    Status status = Failed;
    int usedParts = 0;
    int records = 0;
    std::filesystem::path written;
};

// The whole job: combine, build, write outputBase + ".csv" (only when all
// of it succeeded).  Messages and progress through the host.
CPartListResult RunPartListJob(const CPartListOptions& options, const CProjectJob& job);
