// The PDF command without its dialog: sheets or a project to one PDF file.
//
// The job opens every input as a document (CJobDocuments), draws one page
// per sheet in the order given (a project's sheets in project order) with
// each document's own title block, and builds the whole file in memory; the
// file is written in one step and only when every page was drawn.  The
// editor fills the options from its dialog, vireo-cli from its arguments;
// both start from the "PDF" settings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "base/string.h"
#include "export/pdfexport.h"

class CVIREODoc;

struct CPdfJobOptions {
    // Page set-up: title block area and drawing, margins, scale, background,
    // colour.  Its information strings are filled by the job.
    CPdfOptions page;
    // Unset: the project's properties "PDFTITLE" and "PDFSUBTITLE" (empty
    // without a project).
    std::optional<CString> title, subtitle;
    CString author;
    // A project's sheets that do not take part are converted too.
    bool allSheets = false;
    // With a project among the inputs, a title and subtitle that differ from
    // its properties are stored there after the file is written.
    bool rememberInProject = true;

    // The "PDF" settings and Sheet/TitleDisp.  A stored scale or margin that
    // is no valid value is reported and replaced by its default.
    static CPdfJobOptions FromSettings();
};

struct CPdfJobResult {
    bool ok = false;
    std::filesystem::path output;
    int pages = 0;
    int fonts = 0;
};

// The document for the given sheets, one page each, in memory; nullopt when
// the user cancelled.  pages and fonts are counted into result.
std::optional<std::vector<uint8_t>> RenderPdf(const std::vector<const CVIREODoc*>& documents,
                                              const CPdfOptions& options, CPdfJobResult& result);

// The whole job; output gets ".pdf" when its name does not end in it.
// Failures are told to the host; nothing is written then.
CPdfJobResult RunPdfJob(const std::vector<std::filesystem::path>& inputs,
                        const std::filesystem::path& output, const CPdfJobOptions& options);
