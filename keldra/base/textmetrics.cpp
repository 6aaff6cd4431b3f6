#include "base/textmetrics.h"

#include <climits>

namespace {

// Widths of 0x20..0x7E in 1/1000 em for the standard sans face.
const short kAsciiWidths[95] = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // ' '../
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0..?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @..O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P.._
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // `..o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,      // p..~
};

std::unique_ptr<CTextMetrics>& Slot()
{
    static std::unique_ptr<CTextMetrics> metrics;
    return metrics;
}

// Results are kept within the largest coordinate an item may hold (2^28,
// see items/geometry.h), so that a text rectangle built from them cannot
// overflow however long the string or however large the size.
constexpr long long kMaxExtent = 1LL << 28;

// Scales 1/1000-em units to sheet units, rounding to nearest.  The operands
// are bounded first so that the product fits 64 bits (2^33 * 2^28).
int Scale(long long milliEm, int size)
{
    const long long em = milliEm < 0 ? 0 : milliEm > (1LL << 33) ? (1LL << 33) : milliEm;
    const long long s = size < -kMaxExtent ? -kMaxExtent : size > kMaxExtent ? kMaxExtent : size;
    const long long v = (em * s + 500) / 1000;
    return int(v < -kMaxExtent ? -kMaxExtent : v > kMaxExtent ? kMaxExtent : v);
}

} // namespace

int CTextMetrics::CharWidth(unsigned char c)
{
    if (c >= 0x20 && c <= 0x7E)
        return kAsciiWidths[c - 0x20];
    if (IsCp932Kana(c))
        return 500;
    if (c < 0x20 || c == 0x7F)
        return 0;
    return 556;
}

bool CTextMetrics::IsProportionalFace(const LOGFONT& font)
{
    switch (font.lfPitchAndFamily & 3) {
    case 1:
        return false; // fixed pitch
    case 2:
        return true; // variable pitch
    default:
        break;
    }
    const CString face = font.FaceName();
    // "ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝", "ＭＳ ＵＩ Gothic", "IPAPGothic", "IPAPMincho".
    return face.Find("\x82\x6F") >= 0 || face.Find("\x82\x74\x82\x68") >= 0 ||
           face.Find("UI Gothic") >= 0 || face.Left(4) == "IPAP";
}

bool CTextMetrics::IsJapaneseSetting(const CString& text, const LOGFONT* font)
{
    return text.HasJapanese() || (font && font->lfCharSet == SHIFTJIS_CHARSET);
}

bool CTextMetrics::IsHalfWidthSetting(const CString& text, const LOGFONT* font)
{
    if (!IsJapaneseSetting(text, font))
        return false;
    // Only a face of the Japanese character set can be a proportional one: a
    // single-byte face gives way to the default Japanese face.
    return !(font && font->lfCharSet == SHIFTJIS_CHARSET && IsProportionalFace(*font));
}

int CTextMetrics::TextWidth(const CString& text, int size, const LOGFONT* font) const
{
    const bool halfWidth = IsHalfWidthSetting(text, font);
    long long total = 0;
    for (int p = 0; p < text.GetLength(); p += text.CharLengthAt(p)) {
        const unsigned char c = static_cast<unsigned char>(text[p]);
        if (text.CharLengthAt(p) == 2)
            total += 1000;
        else if (halfWidth && c >= 0x20)
            total += 500;
        else
            total += CharWidth(c);
    }
    return Scale(total, size);
}

int CTextMetrics::Ascent(int size, const LOGFONT* /*font*/) const
{
    return Scale(905, size);
}

int CTextMetrics::Descent(int size, const LOGFONT* /*font*/) const
{
    return Scale(212, size);
}

const CTextMetrics& TextMetrics()
{
    std::unique_ptr<CTextMetrics>& slot = Slot();
    if (!slot)
        slot = std::make_unique<CTextMetrics>();
    return *slot;
}

std::unique_ptr<CTextMetrics> SetTextMetrics(std::unique_ptr<CTextMetrics> metrics)
{
    std::unique_ptr<CTextMetrics> previous = std::move(Slot());
    Slot() = std::move(metrics);
    return previous;
}
