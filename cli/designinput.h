// The design a project command of vireo-cli works on: one project (.dpj,
// its checked sheets in list order) or sheets (.dcd, .txt, Tango, in the
// order given), opened as documents as the editor opens them.
#pragma once

#include <filesystem>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "app/jobdocuments.h"
#include "app/projectjob.h"

class CliDesign {
public:
    // Opens the inputs and fills the job: writable documents, the file list
    // (a project's last sheet first), outputs at base (empty: the project or
    // the first sheet without its extension), the data folder and the date
    // (SOURCE_DATE_EPOCH when set).  Returns an exit status: kExitOk, a usage
    // error (message printed) or a failure (the host told why).
    int Open(const char* command, const std::vector<std::string>& inputs,
             const std::string& base);

    CProjectJob& Job() { return m_job; }
    // Opens one more sheet as a document (a sheet a Was-Is file names);
    // null when it cannot be opened.
    const CJobDocument* OpenExtra(const std::filesystem::path& path);

    // Writes the documents back, each in the form it was read (a ".txt"
    // sheet in the text form, any other in the sheet format), all of them
    // or, when one cannot be written, none.  A Tango schematic cannot be
    // written back.  False with error set.
    bool Save(const std::vector<std::filesystem::path>& documents, std::string& error);

private:
    CVIREODoc* Find(const std::filesystem::path& path);

    CJobDocuments m_documents;
    std::list<std::unique_ptr<CVIREODoc>> m_extra;
    std::list<CJobDocument> m_extraJobs; // stable addresses for OpenExtra
    CProjectJob m_job;
};
