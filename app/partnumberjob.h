// The Part No job: numbering the part references of the participating
// documents, and exchanging references through Was-Is files.
//
// Modes (Tool\PartNoMakeType):
//   0  number the unnumbered references ("R?"): every prefix counts on from
//      the highest number it already has (per sheet with EachSheet);
//   1  renumber everything from the start number, with a page offset per
//      sheet when one is set (sheet k starts at offset * k + start);
//   2  apply a Was-Is file (full or simple form);
//   3  write a Was-Is template listing every part.
//
// Numbering works on the combined part sheet: parts are taken sheet by
// sheet, each sheet in reading order (top to bottom, then left to right).
// The counters are a map of (prefix without case, group) to the highest
// number, kept in 64 bits: a number that would pass the largest reference
// number stops the job before anything is changed.  The gates of a package
// share its number: an unnumbered gate joins the first package of its
// prefix, part name and value that still has room and lacks its gate suffix.
//
// New references reach the documents through the link each combined part
// keeps to its source part, never by looking for an equal part, so stacked
// parts get a number each.  Every document that changes records the change
// as one undoable step.  A Was-Is file is read, and every record resolved to
// its part, before anything is applied: a damaged file changes nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "app/projectjob.h"

struct CPartNoOptions {
    enum Mode { kUndetermined = 0, kAll = 1, kApplyWasIs = 2, kWriteTemplate = 3 };
    int mode = kUndetermined; // PartNoMakeType
    int step = 1;             // PartNoStep: 0 means 1, 1 means 2
    int start = 1;            // PartTopRefNo, 1..9999
    int pageOffset = 0;       // RefPageOffset, 0..9999
    bool eachSheet = false;   // EachSheet
    bool simpleWasIs = false; // SimpleWasis

    static CPartNoOptions FromSettings();
    void Store() const;
    // Which fields a mode uses (the dialog enables exactly these).
    struct Fields {
        bool start, step, pageOffset, eachSheet, simpleWasIs;
    };
    static Fields FieldsOf(int mode);
    // Why these options cannot run; empty when they can.
    CString Check() const;
};

struct CPartNoJob : CProjectJob {
    // The Was-Is file of modes 2 and 3; empty: outputBase + ".dws".
    std::filesystem::path wasIsFile;
    // Work everything out and report it, but change no document and write
    // no file.
    bool dryRun = false;
    // Opens a sheet a Was-Is record names that is not among the documents
    // (the editor opens it as a document, which stays open); null when the
    // sheet cannot be opened.  Without it such a record is a fault.
    std::function<const CJobDocument*(const std::filesystem::path&)> openDocument;
};

struct CPartNoChange {
    std::filesystem::path document;
    CString before, after; // the references
};

struct CPartNoResult {
    enum Status { Done, Failed, Cancelled };
    Status status = Failed;
    std::vector<CPartNoChange> changes;            // parts whose reference (or part) changed
    std::vector<std::filesystem::path> changedDocuments;
    int counters = 0;                              // entries of the counter table
    std::filesystem::path written;                 // the template (mode 3)
    // The information the editor shows at the end ("リファレンスカウンター %4d").
    CString Summary() const;
};

CPartNoResult RunPartNoJob(const CPartNoOptions& options, const CPartNoJob& job);
