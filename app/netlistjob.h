// The Net List job: the nets of the participating documents, written as a
// netlist in one of the 29 formats, with the net information report and,
// for the formats that allow it, a component file.
//
// One engine for both front ends: the editor fills CNetlistOptions from its
// dialog, vireo-cli from its arguments; both hand in the documents and get
// the counts back.  Every output is built in memory and replaces its file
// only when the whole job succeeded, so a cancel or a failure leaves the
// files of the previous run as they were.
#pragma once

#include <filesystem>
#include <vector>

#include "app/projectjob.h"
#include "net/netbuild.h"

// The dialog's fields, with their settings keys (section Tool).
struct CNetlistOptions {
    int format = 0;             // NetType: a code 1..29
    bool report = true;         // Index: also the net information report
    bool html = false;          // Html: the report through the HTML template
    bool htmlAsked = false;     // html asked for on this run (not only stored)
    bool unixLineEnds = false;  // NetUnix: line feeds only in netlist and component file
    bool view = true;           // View: open the written files afterwards (editor)
    bool componentFile = false; // Compo: the part section in a file of its own
    CString componentExt;       // Ext: that file's extension, without "."
    int startNo = 1;            // StartNo: the first generated net number, 0..32767
    CString pcb;                // PCB: the property naming a part for the board tool
    bool nodeUpper = false;     // NetNodeUpper
    bool netUpper = false;      // NetSigUpper

    static CNetlistOptions FromSettings();
    // Stores every field under its key.
    void Store() const;
    // Why these options cannot run (empty when they can): an unknown format,
    // a start number out of range, a missing or refused component extension.
    CString Check() const;
    // Whether the component file applies (the option is on and the format has one).
    bool WritesComponentFile() const;
};

// The data folder holds the report template and the board header file.
using CNetlistJob = CProjectJob;

struct CNetlistResult {
    enum Status { Done, Failed, Cancelled };
    Status status = Failed;
    CNetCounts counts;
    std::vector<std::filesystem::path> written; // netlist, report, component file
    std::vector<CString> warnings;
};

// Runs the job; messages and progress go through the host.
CNetlistResult RunNetlistJob(const CNetlistOptions& options, const CNetlistJob& job);
