// CClipboardCommands: Cut, Copy and Paste of the editing engine.
//
// Items travel through the clipboard as the plain text form of a sheet, so
// that they pass between sheets, between running editors and through any
// program that keeps text.  The engine's host owns the clipboard itself.
// Pasted items follow the cursor with the centre of their rectangle
// (snapped) on it, and each click places a copy of them, as Copy does.
#pragma once

#include <cstddef>
#include <string>

class CEditEngine;
class CSheet;

class CClipboardCommands {
public:
    // Larger clipboard texts are refused rather than turned into a flood of texts.
    static constexpr size_t kMaxText = 8u << 20;
    // Plain lines (after the records) become one text each: a long foreign
    // text would flood the sheet, so more than this is refused too.
    static constexpr size_t kMaxPlainLines = 2000;

    explicit CClipboardCommands(CEditEngine& engine) : m_e(engine) {}

    bool CanCutOrCopy() const;
    bool CanPaste() const;
    void Cut();
    void Copy();
    void Paste();

    // The text form of a sheet (CP932), as it goes on the clipboard.
    static std::string SheetText(const CSheet& sheet);
    // Reads a clipboard text into items; false (items left empty) when it
    // holds none, is too large or cannot be read.
    static bool ReadSheetText(const std::string& text, CSheet& items);
    // The non-empty lines of text that would be read as plain texts.
    static size_t PlainLines(const std::string& text);

private:
    CEditEngine& m_e;
};
