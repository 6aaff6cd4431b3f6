#include "app/edit/editscript.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "app/edit/editengine.h"
#include "app/edit/editids.h"
#include "app/vireodoc.h"
#include "app/edit/findoptions.h"
#include "base/codepage.h"
#include "base/host.h"
#include "items/text.h"

namespace {

// Splits a line into words; a word in double quotes may hold blanks and
// \" and \\ escapes.
bool Words(const std::string& line, std::vector<std::string>& out, std::string& error)
{
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i >= line.size())
            break;
        std::string w;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    w += line[i++];
                } else if (c == '"') {
                    closed = true;
                    break;
                } else {
                    w += c;
                }
            }
            if (!closed) {
                error = "unterminated string";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                w += line[i++];
        }
        out.push_back(w);
    }
    return true;
}

bool Number(const std::string& s, int& v)
{
    if (s.empty())
        return false;
    char* end = nullptr;
    const long n = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || n < -100000000L || n > 100000000L)
        return false;
    v = int(n);
    return true;
}

// Flags after the fixed words: buttons (when allowed) and modifiers.
bool Flags(const std::vector<std::string>& w, size_t from, bool buttons, int& flags,
           std::string& error)
{
    for (size_t i = from; i < w.size(); ++i) {
        const std::string& f = w[i];
        if (f == "shift")
            flags |= editflag::kShift;
        else if (f == "ctrl")
            flags |= editflag::kCtrl;
        else if (buttons && f == "left")
            flags = (flags & ~7) | editflag::kLeft;
        else if (buttons && f == "right")
            flags = (flags & ~7) | editflag::kRight;
        else if (buttons && f == "middle")
            flags = (flags & ~7) | editflag::kMiddle;
        else {
            error = "unknown word '" + f + "'";
            return false;
        }
    }
    return true;
}

bool ParseLine(const std::vector<std::string>& w, CScriptEvent& e, std::string& error)
{
    const std::string& verb = w[0];
    if (verb == "command") {
        if (w.size() != 2 || (e.code = EditCommandId(w[1])) == 0) {
            error = w.size() != 2 ? "command takes one name" : "unknown command '" + w[1] + "'";
            return false;
        }
        e.kind = CScriptEvent::Command;
        return true;
    }
    if (verb == "click" || verb == "press" || verb == "release" || verb == "move") {
        if (w.size() < 3 || !Number(w[1], e.point.x) || !Number(w[2], e.point.y)) {
            error = verb + " takes X Y";
            return false;
        }
        const bool button = verb != "move";
        e.flags = button ? editflag::kLeft : 0;
        if (!Flags(w, 3, button, e.flags, error))
            return false;
        e.kind = verb == "click"     ? CScriptEvent::Click
                 : verb == "press"   ? CScriptEvent::Press
                 : verb == "release" ? CScriptEvent::Release
                                     : CScriptEvent::Move;
        return true;
    }
    if (verb == "key") {
        if (w.size() < 2 || (e.code = EditKeyCode(w[1])) == 0) {
            error = w.size() < 2 ? "key takes a key name" : "unknown key '" + w[1] + "'";
            return false;
        }
        e.kind = CScriptEvent::Key;
        return Flags(w, 2, false, e.flags, error);
    }
    if (verb == "wheel") {
        if (w.size() < 2 || !Number(w[1], e.code)) {
            error = "wheel takes a delta";
            return false;
        }
        e.kind = CScriptEvent::Wheel;
        return Flags(w, 2, false, e.flags, error);
    }
    if (verb == "answer") {
        e.kind = CScriptEvent::Answer;
        CScriptAnswer& a = e.answer;
        const std::string what = w.size() > 1 ? w[1] : std::string();
        if (what == "text" && w.size() == 3) {
            a.kind = CScriptAnswer::Text;
            a.text = w[2];
        } else if (what == "part" && w.size() >= 3 && w.size() <= 5) {
            a.kind = CScriptAnswer::Part;
            a.text = w[2];
            a.ref = w.size() > 3 ? w[3] : std::string();
            a.value = w.size() > 4 ? w[4] : std::string();
        } else if (what == "modify") {
            a.kind = CScriptAnswer::Modify;
            for (size_t i = 2; i < w.size(); ++i) {
                const size_t eq = w[i].find('=');
                const std::string name = w[i].substr(0, eq);
                if (eq == std::string::npos || !IsModifyField(name)) {
                    error = eq == std::string::npos ? "answer modify takes FIELD=VALUE words"
                                                    : "unknown modify field '" + name + "'";
                    return false;
                }
                a.fields.emplace_back(name, w[i].substr(eq + 1));
            }
        } else if (what == "makepart" && w.size() >= 3 && w.size() <= 7) {
            a.kind = CScriptAnswer::MakePart;
            a.text = w[2];
            a.ref = w.size() > 3 ? w[3] : std::string();
            a.value = w.size() > 4 ? w[4] : std::string();
            if ((w.size() > 5 && (!Number(w[5], a.gates) || a.gates < 1)) ||
                (w.size() > 6 && (!Number(w[6], a.gate) || a.gate < 1))) {
                error = "answer makepart takes NAME [REF [VALUE [GATES [GATE]]]], counts from 1";
                return false;
            }
        } else if (what == "library" && w.size() >= 3) {
            a.kind = CScriptAnswer::Library;
            a.text = w[2];
            a.ref = w.size() > 3 ? w[3] : std::string();
            a.words.assign(w.begin() + std::min<size_t>(4, w.size()), w.end());
        } else if (what == "find" && w.size() >= 3) {
            a.kind = CScriptAnswer::Find;
            a.text = w[2];
            for (size_t i = 3; i < w.size(); ++i) {
                const size_t eq = w[i].find('=');
                if (eq == std::string::npos) {
                    error = "answer find takes OPTION=VALUE words after the string";
                    return false;
                }
                a.fields.emplace_back(w[i].substr(0, eq), w[i].substr(eq + 1));
            }
            CFindOptions check;
            if (!ApplyFindFields(a.fields, check, error))
                return false;
        } else if (what == "menu" && w.size() == 3 && (a.command = EditCommandId(w[2])) != 0) {
            a.kind = CScriptAnswer::Menu;
        } else if (w.size() == 2 &&
                   (what == "ok" || what == "cancel" || what == "yes" || what == "no")) {
            a.kind = what == "ok"       ? CScriptAnswer::Ok
                     : what == "cancel" ? CScriptAnswer::Cancel
                     : what == "yes"    ? CScriptAnswer::Yes
                                        : CScriptAnswer::No;
        } else {
            error = "answer takes text \"STRING\", part NAME [REF [VALUE]], modify FIELD=VALUE..., "
                    "makepart NAME..., library FILE..., find \"STRING\" OPTION=VALUE..., "
                    "ok, cancel, yes, no or menu ENTRY";
            return false;
        }
        return true;
    }
    error = "unknown event '" + verb + "'";
    return false;
}

} // namespace

bool ParseEditScript(const std::string& text, std::vector<CScriptEvent>& events, int& errorLine,
                     std::string& error)
{
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> w;
        if (!Words(line, w, error)) {
            errorLine = number;
            return false;
        }
        if (w.empty() || w[0].starts_with("#"))
            continue;
        CScriptEvent e;
        e.line = number;
        if (!ParseLine(w, e, error)) {
            errorLine = number;
            return false;
        }
        events.push_back(e);
    }
    return true;
}

bool CScriptAnswers::Take(std::initializer_list<CScriptAnswer::Kind> kinds, CScriptAnswer& out)
{
    if (m_queue.empty())
        return false;
    for (CScriptAnswer::Kind k : kinds) {
        if (m_queue.front().kind == k) {
            out = m_queue.front();
            m_queue.pop_front();
            return true;
        }
    }
    return false;
}

void CScriptAnswers::Note(const std::string& what) const
{
    if (note)
        note(what);
    else
        std::fprintf(stderr, "vireo: %s\n", what.c_str());
}

void CScriptEditHost::Repaint(const CRect& area)
{
    repaints.push_back(area);
}

int CScriptEditHost::PopupMenu(const std::string& name, const std::vector<CMenuEntry>& entries)
{
    menus.push_back(name);
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::Menu, CScriptAnswer::Cancel}, a) ||
        a.kind != CScriptAnswer::Menu) {
        if (a.kind != CScriptAnswer::Cancel)
            m_answers.Note("pop-up menu " + name + " closed: no answer queued");
        return 0;
    }
    for (const CMenuEntry& e : entries)
        if (e.command == a.command && e.enabled)
            return a.command;
    m_answers.Note("pop-up menu " + name + " has no enabled entry " + EditCommandName(a.command));
    return 0;
}

bool CScriptEditHost::InputText(CText& text)
{
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::Text, CScriptAnswer::Cancel}, a)) {
        m_answers.Note("text dialog cancelled: no answer queued");
        return false;
    }
    if (a.kind != CScriptAnswer::Text)
        return false;
    text.SetName(FromUtf8(a.text));
    return true;
}

bool CScriptEditHost::InputPart(CPartRequest& request)
{
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::Part, CScriptAnswer::Cancel}, a)) {
        m_answers.Note("part dialog cancelled: no answer queued");
        return false;
    }
    if (a.kind != CScriptAnswer::Part)
        return false;
    request.name = FromUtf8(a.text);
    request.reference = FromUtf8(a.ref);
    request.value = FromUtf8(a.value);
    return true;
}

bool CScriptEditHost::MakePart(CMakePartInput& input)
{
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::MakePart, CScriptAnswer::Cancel}, a)) {
        m_answers.Note("make part dialog cancelled: no answer queued");
        return false;
    }
    if (a.kind != CScriptAnswer::MakePart)
        return false;
    input.dialog.partName = FromUtf8(a.text);
    if (!a.ref.empty())
        input.dialog.reference = FromUtf8(a.ref);
    if (!a.value.empty())
        input.dialog.value = FromUtf8(a.value);
    if (a.gates > 0)
        input.dialog.packageMax = a.gates;
    if (a.gate > 0)
        input.dialog.package = a.gate;
    return true;
}

bool CScriptEditHost::RegisterLibrary(CLibraryRegisterInput& input)
{
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::Library, CScriptAnswer::Cancel}, a)) {
        m_answers.Note("library dialog cancelled: no answer queued");
        return false;
    }
    if (a.kind != CScriptAnswer::Library)
        return false;
    input.library = FromUtf8(a.text);
    if (!a.ref.empty())
        input.packageName = FromUtf8(a.ref);
    for (const std::string& name : a.words)
        input.dropProperties.push_back(FromUtf8(name));
    return true;
}

bool CScriptEditHost::FindDialog(CFindOptions& options)
{
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::Find, CScriptAnswer::Cancel}, a)) {
        m_answers.Note("find dialog cancelled: no answer queued");
        return false;
    }
    if (a.kind != CScriptAnswer::Find)
        return false;
    std::string error;
    if (!ApplyFindFields(a.fields, options, error) || !options.Push(FromUtf8(a.text))) {
        m_answers.Note("find dialog cancelled: " + (error.empty() ? "no search string" : error));
        return false;
    }
    return true;
}

template <class Form> bool CScriptEditHost::Modify(Form& form)
{
    CScriptAnswer a;
    if (!m_answers.Take({CScriptAnswer::Modify, CScriptAnswer::Ok, CScriptAnswer::Cancel}, a)) {
        m_answers.Note("modify dialog cancelled: no answer queued");
        return false;
    }
    if (a.kind == CScriptAnswer::Cancel)
        return false;
    std::string error;
    if (!ApplyModifyFields(a.fields, form, error)) {
        m_answers.Note("modify dialog cancelled: " + error);
        return false;
    }
    return true;
}

namespace {

// While a script runs, the questions of the commands take the script's
// queued yes, no, ok or cancel; everything else goes to the host that was
// installed before.
class CScriptQuestionHost : public CHost {
public:
    explicit CScriptQuestionHost(CScriptAnswers& answers) : m_answers(answers) {}
    void Message(const CString& text, Severity severity) override
    {
        inner->Message(text, severity);
    }
    int Ask(const CString& text, Buttons buttons, int defaultAnswer) override
    {
        CScriptAnswer a;
        if (m_answers.Take(
                {CScriptAnswer::Yes, CScriptAnswer::No, CScriptAnswer::Ok, CScriptAnswer::Cancel},
                a)) {
            const bool yes = a.kind == CScriptAnswer::Yes || a.kind == CScriptAnswer::Ok;
            if (buttons == YesNo || buttons == YesNoCancel)
                return a.kind == CScriptAnswer::Cancel && buttons == YesNoCancel ? IDCANCEL
                       : yes                                                     ? IDYES
                                                                                 : IDNO;
            return yes || buttons == OK ? IDOK : IDCANCEL;
        }
        return inner->Ask(text, buttons, defaultAnswer);
    }
    bool IsShiftDown() override { return inner->IsShiftDown(); }
    void ProgressBegin(const CString& title, int steps) override
    {
        inner->ProgressBegin(title, steps);
    }
    void ProgressStep(int step) override { inner->ProgressStep(step); }
    bool IsCancelled() override { return inner->IsCancelled(); }
    void ProgressEnd() override { inner->ProgressEnd(); }

    std::unique_ptr<CHost> inner;

private:
    CScriptAnswers& m_answers;
};

// Installs the question host for one script run.
class CQuestionScope {
public:
    explicit CQuestionScope(CScriptAnswers& answers)
    {
        auto host = std::make_unique<CScriptQuestionHost>(answers);
        m_host = host.get();
        m_host->inner = SetHost(std::move(host));
        m_hadNone = !m_host->inner;
        if (m_hadNone)
            m_host->inner = std::make_unique<CSilentHost>();
    }
    ~CQuestionScope()
    {
        std::unique_ptr<CHost> previous = std::move(m_host->inner);
        SetHost(m_hadNone ? nullptr : std::move(previous));
    }
    CQuestionScope(const CQuestionScope&) = delete;
    CQuestionScope& operator=(const CQuestionScope&) = delete;

private:
    CScriptQuestionHost* m_host;
    bool m_hadNone = false;
};

} // namespace

void RunEditScript(CEditEngine& engine, const std::vector<CScriptEvent>& events,
                   CScriptAnswers& answers)
{
    const CQuestionScope questions(answers);
    for (const CScriptEvent& e : events) {
        switch (e.kind) {
        case CScriptEvent::Command:
            engine.Command(e.code, e.flags);
            break;
        case CScriptEvent::Click:
            engine.Click(e.point, e.flags);
            break;
        case CScriptEvent::Press:
            engine.Press(e.point, e.flags);
            break;
        case CScriptEvent::Release:
            engine.Release(e.point, e.flags);
            break;
        case CScriptEvent::Move:
            engine.Move(e.point, e.flags);
            break;
        case CScriptEvent::Key:
            engine.Key(e.code, e.flags);
            break;
        case CScriptEvent::Wheel:
            engine.Wheel(e.code, e.flags);
            break;
        case CScriptEvent::Answer:
            answers.Push(e.answer);
            break;
        }
    }
}
