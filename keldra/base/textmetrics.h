// CTextMetrics: how wide and how tall a string is at a given text size.
//
// Text rectangles, frames and PDF widths are computed from these numbers.
// The built-in metrics are deterministic so that every machine computes the
// same rectangles and writes the same files: single-byte characters take the
// widths of the standard sans face (per 1000 units of the em), double-byte
// characters one em, half-width katakana half an em; the ascent is 0.905 em
// and the descent 0.212 em.  The editor may install metrics measured from its
// real fonts.
#pragma once

#include <climits>
#include <memory>

#include "base/logfont.h"
#include "base/string.h"

class CTextMetrics {
public:
    virtual ~CTextMetrics() = default;

    // Width in sheet units of a one-line string drawn at character height
    // size; font is the text's own font or null for the default face.  Widths,
    // ascents and descents never exceed 2^28 units (the item coordinate
    // limit), so that rectangles built from them cannot overflow.
    virtual int TextWidth(const CString& text, int size, const LOGFONT* font) const;
    virtual int Ascent(int size, const LOGFONT* font) const;
    virtual int Descent(int size, const LOGFONT* font) const;
    // Saturates at the int range (sizes from damaged files can be huge).
    int Height(int size, const LOGFONT* font) const
    {
        const long long h = (long long)Ascent(size, font) + Descent(size, font);
        return int(h > INT_MAX ? INT_MAX : h < INT_MIN ? INT_MIN : h);
    }

    // Width of one single-byte character in 1/1000 em.
    static int CharWidth(unsigned char c);
    // Whether a Japanese face sets its single-byte characters proportionally
    // (the "P" faces) rather than half an em each: the pitch bits when they
    // say, else the face's name.
    static bool IsProportionalFace(const LOGFONT& font);
    // Whether a string at that font is set in the Japanese face, and with
    // single-byte characters half an em wide: a string holding double-byte
    // characters or half-width katakana is set in the Japanese face whatever
    // its own face says (the default one is fixed-pitch).
    static bool IsJapaneseSetting(const CString& text, const LOGFONT* font);
    static bool IsHalfWidthSetting(const CString& text, const LOGFONT* font);
};

// The process-wide metrics (the built-in ones unless replaced).
const CTextMetrics& TextMetrics();
std::unique_ptr<CTextMetrics> SetTextMetrics(std::unique_ptr<CTextMetrics> metrics);
