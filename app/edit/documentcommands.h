// CDocumentCommands: the commands of the "EDIT" menu that work on the
// document as a whole rather than on item geometry - Make Part (a click
// gives the part's origin), Part Decomposition, Reset Part Reference,
// Library (register the selected part), Descend and Ascend through the
// sheets parts stand for, the net index jump of the right button, and the
// drawing's clean-up as one step.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/point.h"
#include "base/string.h"

class CEditEngine;
struct CDocCommandEnables;

class CDocumentCommands {
public:
    explicit CDocumentCommands(CEditEngine& engine) : m_e(engine) {}

    // True when the command is one of these and was handled.
    bool Command(int id);
    // True when the command is one of these; enabled is then set.
    bool IsEnabled(int id, bool& enabled) const;
    // The Make Part state's click: the origin of the part.
    void MakePartAt(const CPoint& origin);
    // The library files the Library command offers first (empty: the
    // settings' library list).
    void SetLibraries(std::vector<CString> libraries) { m_libraries = std::move(libraries); }
    bool LibraryListEmpty() const;
    // The library files in use: those set, else the settings' library list.
    std::vector<CString> Libraries() const;

    // The sheet the single selected part stands for (its "FILE" property,
    // relative to the document's folder); empty when there is none.
    std::filesystem::path DescendTarget() const;
    // The name of the wire of the drawing whose shown name holds p; empty
    // when there is none.
    CString WireNameAt(const CPoint& p) const;
    // The right button over a named wire that other sheets carry too: the
    // menu of those sheets, and the jump to the one chosen.  False when
    // there was no such wire (the ordinary menu is shown then).
    bool NetJumpMenu(const CPoint& p);
    // Tool > Clean Up; the status bar tells what changed.
    void CleanUp();

private:
    CDocCommandEnables Enables() const;

    CEditEngine& m_e;
    std::vector<CString> m_libraries;
};
