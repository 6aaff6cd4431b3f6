// CFindOptions: what Find searches for and how, kept in the settings
// section "Find" between runs: the search history (newest first, at most
// 16 strings), the kinds of text searched and the switches of the dialog.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/string.h"

// The kinds of text Find searches, as bits of the "Target" mask.
namespace findkind {
constexpr int kPartName = 0x1, kReference = 0x2, kValue = 0x4, kPinName = 0x8;
constexpr int kPinNumber = 0x10, kPartText = 0x20, kSignal = 0x100, kText = 0x200;
constexpr int kAll = 0x33F;
constexpr int kDefault = kReference | kSignal | kText;
} // namespace findkind

struct CFindOptions {
    static constexpr int kHistorySize = 16;

    std::vector<CString> history; // newest first
    int target = findkind::kDefault;
    bool matchCase = false;
    bool word = false;
    bool hide = false;
    bool allSheet = true;
    bool selectItem = false;

    // The current search string: the newest history entry without trailing blanks.
    CString SearchString() const;
    // The string goes to the top of the history (moved up when it is there
    // already, the list cut to 16 otherwise).  False for an empty string.
    bool Push(const CString& text);

    static CFindOptions Load();
    void Save() const;
};

// A kind mask from a list of names ("reference,signal,text"), names being
// those of FindKindName, or from a number (770, 0x302); false with the
// unknown word in bad.
bool ParseFindKinds(const std::string& list, int& mask, std::string& bad);
// Sets options from NAME=VALUE words (kinds=LIST, target=N, matchcase,
// word, hide, allsheet, selectitem =0|1); false with error set.
bool ApplyFindFields(const std::vector<std::pair<std::string, std::string>>& fields,
                     CFindOptions& options, std::string& error);
// The name of one kind bit ("partname", "reference", "value", "pinname",
// "pinnumber", "parttext", "signal", "text").
const char* FindKindName(int bit);
