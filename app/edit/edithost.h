// CEditHost: what the editing engine asks of the front end that drives it.
//
// The Qt view implements it with real menus and dialogs and draws what it is
// told; a script run answers from the script's queued answers.  The engine
// changes the document itself (always through its recorded operations) and
// tells the host only which part of the sheet to draw again.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/rect.h"
#include "base/string.h"
#include "sheet/batchedit.h"

class CText;
struct CMakePartInput;
struct CLibraryRegisterInput;

// A sheet of the project that carries a wire name too: where the net index
// jump of the right button can go.
struct CNetJumpEntry {
    std::string label; // the sheet's name as the menu shows it (UTF-8)
    int index = 0;     // the front end's own number of that sheet
};
struct CFindOptions;

// What the part dialog asks for: the part name (preset with the part under
// the click) and the reference and value to give it; empty keeps the
// library's.
struct CPartRequest {
    CString name, reference, value;
    bool nameDisp = true, referenceDisp = true, valueDisp = true;
};

struct CMenuEntry {
    int command = 0; // 0: a separator
    bool enabled = true;
    bool checked = false;
};

class CEditHost {
public:
    virtual ~CEditHost() = default;

    // The drawing changed in this sheet rectangle: draw that part again.
    virtual void Repaint(const CRect& area) = 0;
    // What follows the cursor (the selection sheet, the legs being routed,
    // the select box) changed: draw it again over the unchanged sheet.
    virtual void OverlayChanged() {}
    // Status bar: pane 0 the key help, pane 1 coordinates and details (UTF-8).
    virtual void Status(int /*pane*/, const std::string& /*text*/) {}
    // Shows a pop-up menu ("入力", "EDIT", "反転・回転", "ピンの向き") and
    // returns the chosen command id, 0 for none.
    virtual int PopupMenu(const std::string& name, const std::vector<CMenuEntry>& entries) = 0;
    // The text dialog on a new text (its settings preset); false for Cancel.
    virtual bool InputText(CText& text) = 0;
    // The part dialog; false for Cancel.
    virtual bool InputPart(CPartRequest& /*request*/) { return false; }
    // The Modify dialogs on the form of the selected items (one item's own
    // values, or a template of several); false for Cancel.
    virtual bool ModifyLine(CLineEditForm& /*form*/) { return false; }
    virtual bool ModifyPart(CPartEditForm& /*form*/) { return false; }
    virtual bool ModifyPin(CPinEditForm& /*form*/) { return false; }
    virtual bool ModifyText(CTextEditForm& /*form*/) { return false; }
    // Shift+F9 highlighted the nets named in names on this sheet: the front
    // end shows them on the other open sheets of the project too.  An empty
    // list clears the highlight there.
    virtual void HighlightProjectNets(const std::vector<CString>& /*names*/) {}
    // The Make Part dialog on the preset values (name, reference, value,
    // display switches, package data); false for Cancel.
    virtual bool MakePart(CMakePartInput& /*input*/) { return false; }
    // The library register dialog (library file, package name, properties
    // to drop); false for Cancel.
    virtual bool RegisterLibrary(CLibraryRegisterInput& /*input*/) { return false; }
    // Descend: open (or bring forward) the sheet a part stands for.
    virtual void OpenSheet(const std::filesystem::path& /*path*/) {}
    // Ascend: back to the sheet this one was opened from (or that holds a
    // part standing for it).
    virtual void Ascend() {}
    // The other open sheets of the project whose drawing carries a wire
    // named name (compared without case).
    virtual std::vector<CNetJumpEntry> NetJumpTargets(const CString& /*name*/) { return {}; }
    // Brings the sheet of a target forward and shows its first wire named name.
    virtual void JumpToNet(const CNetJumpEntry& /*target*/, const CString& /*name*/) {}
    // The cursor keys moved the cursor point: move the mouse there.
    virtual void MoveCursor(const CPoint& /*sheetPoint*/) {}
    // The grid pitch or style changed.
    virtual void GridChanged() {}
    // The system clipboard's plain text, as CP932 bytes.
    virtual bool ClipboardHasText() { return false; }
    virtual std::string ClipboardText() { return std::string(); }
    virtual void SetClipboardText(const std::string& /*cp932*/) {}
    // The Find dialog on the stored options; false for Cancel.
    virtual bool FindDialog(CFindOptions& /*options*/) { return false; }
    // Find shows an occurrence at this sheet point.
    virtual void ShowFound(const CPoint& /*sheetPoint*/) {}
};
