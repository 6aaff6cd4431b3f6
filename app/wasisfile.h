// Was-Is files (".dws"): reference changes exchanged with the user.
//
// Full form, one record per part, written as a template with the current
// values on both lines; the user edits the "New" lines:
//
//   VIREO Was-Is File Version 1.03
//   #
//   # Project File Name:
//   #  /work/board.dpj
//   #
//   #
//   #---- "/work/top.dcd [1]" ----
//   #
//   File:"/work/top.dcd [1]"
//   Old:Name="RES" Ref="R1" Value="10k" x=1200 y=800
//   New:Name="RES" Ref="R1" Value="10k"
//
// Lines beginning with "#" are comments.  "Ref" and "Value" are left out
// when empty.  A double quote inside a value is written twice.  The
// position after "x=" and "y=" is the part's centre; it is read only after
// the quoted fields, so that a value such as "Vx=5" is never taken for it.
//
// Simple form, one line per package reference: the old reference, a tab,
// the new one.  Lines beginning with "#", ";" or "/" are comments.
//
// The readers take the file as hostile and give back either every record
// or the first fault (with its line); the jobs apply nothing from a file
// with a fault.
#pragma once

#include <string_view>
#include <vector>

#include "base/point.h"
#include "base/string.h"

class CPart;

struct CWasIsPart {
    CString name, ref, value;
    friend bool operator==(const CWasIsPart&, const CWasIsPart&) = default;
};

struct CWasIsRecord {
    CString file;  // the sheet, without the " [n]" document number
    CWasIsPart before;
    CPoint at;     // the part's centre
    CWasIsPart after;
    int line = 0;  // of the "Old:" line
};

struct CWasIsPair {
    CString before, after;
    int line = 0;
};

struct CWasIsFault {
    enum Kind { None, WrongVersion, Irregular };
    Kind kind = None;
    int line = 0;
    CString detail; // what was wrong, for the message
    // The message a user sees: "バージョンが違います" or 2906 with the line.
    CString Message() const;
};

class CWasIsFile {
public:
    static constexpr const char* kHeader = "VIREO Was-Is File Version 1.03";

    // The part text of a line: ":Name=" ... [" Ref=" ...] [" Value=" ...].
    static CString PartText(const CString& name, const CString& ref, const CString& value);
    static CString PartText(const CPart& part);

    // The head of a full file for a project (empty without one).
    static CString FullHead(const CString& project);
    // The sheet comment and the record of one part; docText is the part's
    // document tag text ("path [n]").
    static CString SheetComment(const CString& docText);
    static CString Record(const CString& docText, const CPart& part);

    // False with fault set when the text is not a full Was-Is file.
    static bool ParseFull(std::string_view text, std::vector<CWasIsRecord>& records,
                          CWasIsFault& fault);
    // False with fault set for a full-form file or a line without a new reference.
    static bool ParseSimple(std::string_view text, std::vector<CWasIsPair>& pairs,
                            CWasIsFault& fault);

    // A value in double quotes, inner quotes doubled.
    static CString Quote(const CString& value);
};
