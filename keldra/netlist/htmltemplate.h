// CHtmlTemplate: the report template of the HTML reports.
//
// The template is a byte file (CP932) that carries, between markers, the
// page around a report and the blocks a report is made of:
//
//   $COMMON$                      the page head follows (after one line break)
//   ...head...$BLOCKIN$           the report's blocks go here
//   ...tail...$COMMON$            (one line break after $BLOCKIN$ is skipped)
//   $RPT$title$BLOCKFOR$entry$BLOCKNEXT$end$RPT$    a list block
//
// A list block is written as its title part once, its entry part once per
// entry and its end part.  Placeholders ("$REF$", ...) are replaced in one
// pass, so that a value holding a placeholder's name is never expanded
// again; values are HTML-escaped.  Every offset is checked: a damaged
// template is refused with a reason, never read past its end.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/point.h"
#include "base/string.h"

class CHtmlTemplate {
public:
    // A list block, split.
    struct ListBlock {
        CString title, entry, end;
    };

    // Takes the template's bytes; false with the reason when the page
    // markers are missing or out of order.
    bool Parse(std::string bytes, CString& error);
    const CString& Head() const { return m_head; }
    const CString& Tail() const { return m_tail; }
    // The text between the first two occurrences of marker; empty when the
    // marker is missing.
    CString Block(const char* marker) const;
    // A named list block; false with the reason when it is missing or lacks
    // its "$BLOCKFOR$" / "$BLOCKNEXT$" markers.
    bool List(const char* marker, ListBlock& out, CString& error) const;

    // Replaces every placeholder of values in one pass over text.
    static CString Expand(const CString& text, const std::map<std::string, CString>& values);
    // HTML text: & < > " ' as character references.
    static CString Escape(const CString& s);
    // The file list of a page head: each path quoted as a script string,
    // comma and CR LF between them, the whole prefixed by an empty entry so
    // that a sheet's number indexes its path.
    static CString FileList(const std::vector<CString>& paths);
    // "$TAGJUMP$": "&[VIREO]AUTOTAGJUMP&" and y * 65536 + (x % 65536), worked
    // out and written in 64 bits (a 32-bit value wraps for y beyond 32767).
    static CString TagJump(const CPoint& p);
    // "$VIREOLINK$": "vireo:PATH?x=X&y=Y" with the sheet's absolute path
    // percent-encoded as UTF-8, so that a browser hands the row's place to
    // the editor; empty for an empty path.
    static CString VireoLink(const CString& path, const CPoint& p);
    // "$FILE$": the name after the last "\" or "/".
    static CString FileName(const CString& path);

private:
    std::string m_bytes;
    CString m_head, m_tail;
};
