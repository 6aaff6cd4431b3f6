// The forms of the Modify command (CSheet::EditLine, EditPart, EditPin,
// EditText) and the name field syntax of a batch edit.
//
// A form is what an item dialog shows and hands back.  The edit operations
// take a callback that plays the dialog on a form and returns true on OK;
// the editor plugs its dialogs in there, tests and scripts fill the form
// directly.
//
// With one item the form holds that item's own values and every field is
// taken as it stands, through the item's own dialog effect.  With several
// items (multiple is set) the form is a template: a text field reads
// kMixedValue and any other field is empty where the items differ, and a
// field left so is not touched.  The text fields of a template also take
// these forms:
//   OLD:=NEW       every item's text has each OLD replaced by NEW
//   NAME++ NAME--  NAME, then numbered up or down by one from item to item
//   NAME+=n NAME-=n   the same by n
// Numbering runs in the order the sheet lists the items after sorting them
// (lines by position, pins and texts in their listing order); it applies when
// NAME ends in digits (full-width digits count), else every item gets NAME.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "base/logfont.h"
#include "base/string.h"

// What a template's text field shows where the items differ.
inline constexpr const char* kMixedValue = "***";

struct CLineEditForm {
    bool multiple = false;
    CString name;
    std::optional<bool> nameDisp;
    std::optional<int> frame;       // frame kind of the name, 0..14
    std::optional<bool> powerWire;  // wires
    std::optional<int> style;       // plain lines: dash style code 0..4
    std::optional<bool> startArrow; // plain lines
    std::optional<bool> endArrow;
};

struct CPartEditForm {
    bool multiple = false;
    CString partName;
    CString reference;
    CString value;
    std::optional<bool> partNameDisp;
    std::optional<bool> referenceDisp;
    std::optional<bool> valueDisp;
    std::optional<bool> inverted; // the logic-inverted form
    // One part only: the gate number and the gates of the package (a
    // template leaves them empty and ignores them).
    std::optional<int> package;
    std::optional<int> packageMax;
};

struct CPinEditForm {
    bool multiple = false;
    std::optional<int> typeListIndex; // position in the type list (CPin::TypeFromListIndex)
    std::optional<bool> display;
    std::optional<bool> clock;
    std::optional<bool> dot;
    CString name;
    std::optional<bool> nameDisp;
    CString number;
    std::optional<bool> numberDisp;
    std::optional<int> length;
};

struct CTextEditForm {
    bool multiple = false;
    CString text;
    std::optional<int> size;
    std::optional<uint32_t> anchor;    // bits 0-6 of the attribute word
    std::optional<uint32_t> direction; // bits 7-9
    std::optional<int> frame;
    std::optional<bool> display;
    std::optional<bool> print;
    std::optional<bool> ownFont;
    std::optional<LOGFONT> font;
};

// Plays a dialog on a form; true when the user pressed OK.
template <class Form> using CEditDialog = std::function<bool(Form&)>;

// One text field of a form as the edit applies it.
struct CNameEdit {
    enum Kind {
        Keep,    // left at kMixedValue: untouched
        Replace, // from := to
        Number,  // name, stepped by step from item to item
    };
    Kind kind = Keep;
    CString name;
    CString from, to;
    int step = 0;
    bool valid = true; // false: a step beyond the range of numbers

    // A field of a template (multiple) or of one item's own form.
    static CNameEdit Parse(const CString& field, bool multiple);
    // The same, where shown is what the template showed: a field the user
    // left as it was changes nothing ("C++" stays "C++" when only the size
    // was edited).
    static CNameEdit Parse(const CString& field, const CString& shown, bool multiple);
    // True when text ends in an ASCII or a full-width digit.
    static bool EndsInDigits(const CString& text);
};
