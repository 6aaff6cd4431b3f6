// Edit scripts: one engine event a line, for vireo-cli edit, the editor's
// replay and the tests.
//
//   command NAME|ID
//   click X Y [left|right|middle] [shift] [ctrl]     (press and release)
//   press X Y ...   move X Y [shift] [ctrl]   release X Y ...
//   key NAME [shift] [ctrl]
//   wheel DELTA [shift] [ctrl]
//   answer text "STRING" | answer part NAME [REF [VALUE]] | answer ok | cancel
//          | yes | no | answer menu ENTRY | answer modify FIELD=VALUE ...
//          (the Modify fields: app/edit/modifyfields.h)
//          | answer makepart NAME [REF [VALUE [GATES [GATE]]]]
//          | answer library FILE [PACKAGE [PROPERTY...]]   (properties dropped)
//          | answer find "STRING" [kinds=LIST] [matchcase=0|1] [word=0|1]
//            [hide=0|1] [allsheet=0|1] [selectitem=0|1]
//
// yes, no, ok and cancel also answer the questions commands ask (Part
// Decomposition, Reset Part Reference, Make Part's pin checks); a question
// with no such answer queued takes the front end's default.
//
// Blank lines and lines starting with '#' are skipped.  Coordinates are sheet
// units before snapping.  An answer waits in a queue for the next dialog or
// pop-up menu; a dialog with no queued answer is cancelled.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/edit/edithost.h"
#include "app/edit/modifyfields.h"
#include "base/point.h"

class CEditEngine;

struct CScriptAnswer {
    enum Kind { Text, Part, Ok, Cancel, Yes, No, Menu, Modify, MakePart, Library, Find };
    Kind kind = Cancel;
    std::string text;               // Text: the string (UTF-8); Part: the part name
    std::string ref, value;         // Part, MakePart (Library: ref is the package)
    int gates = 0, gate = 0;        // MakePart: package count and number (0: preset)
    std::vector<std::string> words; // Library: the properties dropped
    int command = 0;                // Menu
    CModifyFields fields;           // Modify, Find (the options)
};

struct CScriptEvent {
    enum Kind { Command, Click, Press, Move, Release, Key, Wheel, Answer };
    Kind kind = Command;
    int line = 0; // line number in the script, from 1
    CPoint point;
    int flags = 0; // button and modifier flags (editflag)
    int code = 0;  // command id, key code or wheel delta
    CScriptAnswer answer;
};

// Parses a script.  On a malformed line returns false with its number and
// what is wrong.
bool ParseEditScript(const std::string& text, std::vector<CScriptEvent>& events, int& errorLine,
                     std::string& error);

// The queued answers of a script run.
class CScriptAnswers {
public:
    void Push(const CScriptAnswer& a) { m_queue.push_back(a); }
    bool Empty() const { return m_queue.empty(); }
    // The next answer when it is of one of the kinds; otherwise none is taken.
    bool Take(std::initializer_list<CScriptAnswer::Kind> kinds, CScriptAnswer& out);
    // Where a dialog without an answer is noted (stderr by default).
    std::function<void(const std::string&)> note;
    void Note(const std::string& what) const;

private:
    std::deque<CScriptAnswer> m_queue;
};

// A host for headless runs: dialogs and menus answered from the queue,
// repaint areas collected.
class CScriptEditHost : public CEditHost {
public:
    explicit CScriptEditHost(CScriptAnswers& answers) : m_answers(answers) {}
    void Repaint(const CRect& area) override;
    int PopupMenu(const std::string& name, const std::vector<CMenuEntry>& entries) override;
    bool InputText(CText& text) override;
    bool InputPart(CPartRequest& request) override;
    bool ModifyLine(CLineEditForm& form) override { return Modify(form); }
    bool ModifyPart(CPartEditForm& form) override { return Modify(form); }
    bool ModifyPin(CPinEditForm& form) override { return Modify(form); }
    bool ModifyText(CTextEditForm& form) override { return Modify(form); }
    bool MakePart(CMakePartInput& input) override;
    bool RegisterLibrary(CLibraryRegisterInput& input) override;
    void Status(int pane, const std::string& text) override { m_status[pane & 1] = text; }
    bool ClipboardHasText() override { return !clipboard.empty(); }
    std::string ClipboardText() override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    bool FindDialog(CFindOptions& options) override;
    void ShowFound(const CPoint& p) override { found.push_back(p); }

    std::vector<CRect> repaints;    // every area asked for
    std::vector<std::string> menus; // the names of the menus shown
    std::string m_status[2];
    std::string clipboard;     // what Cut and Copy put there (CP932)
    std::vector<CPoint> found; // the occurrences Find showed

private:
    template <class Form> bool Modify(Form& form);
    CScriptAnswers& m_answers;
};

// Feeds the events to the engine in order; answers go to the queue.
void RunEditScript(CEditEngine& engine, const std::vector<CScriptEvent>& events,
                   CScriptAnswers& answers);
