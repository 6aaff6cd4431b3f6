// CPlaceTool: pins and texts that follow the cursor until a click sets them.
//
// Pin: a click makes a pin of "Pin Length" from the click to its left; each
// further click adds it (one recorded addition) and attaches a copy whose
// name and number are stepped, so pins come numbered 1, 2, 3 ...
// Text: a click opens the text dialog on a new text (with the settings of a
// text under the click); the next click adds it and ends, so every text
// starts with the dialog.
// Part: a click asks for a part by name (preset with the part under the
// click) and takes its first gate from the libraries; every further click
// adds a copy where the cursor is; the copy at the cursor then becomes the
// package's next gate (a part of several gates) or takes the next reference.
#pragma once

#include "base/point.h"
#include "base/string.h"

class CEditEngine;
class CSheet;

class CPlaceTool {
public:
    explicit CPlaceTool(CEditEngine& engine) : m_e(engine) {}

    // flags: the click's modifiers; Shift while placing a part trims the
    // wires that run under its pins.
    void Click(const CPoint& p, int tool, int flags = 0);
    void Follow(const CPoint& p);
    // The pin being placed: side (direction bits 0, 0x100, 0x200, 0x300) and
    // the clock and dot bits.
    void SetSide(unsigned direction);
    void ToggleShape(unsigned bit);
    void Discard();
    // Ctrl+G / Shift+G: the part of that name attached to the cursor at p in
    // the Part tool; false (nothing changes) for an empty name or a part no
    // library holds.
    bool StartNamedPart(const CString& name, const CPoint& p);
    // The first gate of gates attached to the cursor at p in the Part tool
    // (gates become the part buffer).
    void StartWithGates(const CSheet& gates, const CPoint& p);

private:
    void StartPin(const CPoint& p);
    bool StartText(const CPoint& p);
    bool StartPart(const CPoint& p);
    CPoint Anchor() const;
    bool TrimUnderPart();
    void NextCopy();

    CEditEngine& m_e;
    int m_tool = 0;
};
