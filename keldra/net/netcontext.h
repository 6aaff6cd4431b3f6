// CNetContext: what net extraction needs to know about the other sheets of a
// design.  The editor answers from its open documents and the project; the
// batch front end and the tests from the files they were given
// (CSheetSetContext).  Keeping these questions in one small interface keeps
// the connectivity code free of any window.
#pragma once

#include <vector>

#include "base/string.h"

class CLine;
class CSheet;

// The equally named lines of a design for one line: the line itself and
// (line, document) pairs for the others.
struct CCrossNetEntry {
    const CLine* line = nullptr;
    CString docName;
};
struct CCrossNetList {
    const CLine* line = nullptr;
    std::vector<CCrossNetEntry> pairs;
};

class CNetContext {
public:
    virtual ~CNetContext() = default;
    // Whether a part whose "FILE" property is file, placed on document
    // docName, stands for another sheet that takes part by itself.
    virtual bool IsProjectSheet(const CString& file, const CString& docName) const = 0;
    // The number (from 1) of a document among the participating ones; 0 when
    // it is not one of them.
    virtual int GetSheetNo(const CString& docName) const = 0;
    // Appends to list the lines of every sheet that are named like list.line
    // (CSheet::GetCrossNet on each).
    virtual void CollectCrossNet(CCrossNetList& list) const = 0;
};

// One participating sheet: its document name (the path as the user gave it,
// CP932), its number and its drawing.
struct CNetSheet {
    CString docName;
    int sheetNo = 0;
    const CSheet* sheet = nullptr;
};

// The context of a fixed set of sheets.  A "FILE" property names a
// participating sheet when, taken relative to the folder of the document it
// is on, it is the same path ('\\' and '/' both separate folders).
class CSheetSetContext : public CNetContext {
public:
    explicit CSheetSetContext(std::vector<CNetSheet> sheets);
    bool IsProjectSheet(const CString& file, const CString& docName) const override;
    int GetSheetNo(const CString& docName) const override;
    void CollectCrossNet(CCrossNetList& list) const override;
    const std::vector<CNetSheet>& Sheets() const { return m_sheets; }

private:
    std::vector<CNetSheet> m_sheets;
    std::vector<std::string> m_normalPaths;
};
