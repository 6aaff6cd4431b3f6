// CText: numbering, properties, rectangles, transforms and stored forms.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/codepage.h"
#include "base/memoryprofile.h"
#include "base/textmetrics.h"
#include "items/geometry.h"
#include "items/text.h"
#include "support/printers.h"

namespace {

const CPoint kAt(1000, 2000);

CText T(const CString& s, uint32_t attr = CText::kDefaultAttr, CPoint p = kAt, int size = 70)
{
    return CText(s, p, size, attr);
}

int Width(const CString& s, int size = 70)
{
    return TextMetrics().TextWidth(s, size, nullptr);
}

int Height(int size = 70)
{
    return TextMetrics().Height(size, nullptr);
}

CString Incremented(const CString& s, int step)
{
    CText t = T(s);
    t.IncName(step);
    return t.GetName();
}

// Shift-JIS bytes of full-width letters and digits.
const char kFullA[] = "\x82\x60";
const char kFull0[] = "\x82\x4F";
const char kFull1[] = "\x82\x50";
const char kFull2[] = "\x82\x51";
const char kFull7[] = "\x82\x56";
const char kFull9[] = "\x82\x58";
const char kHyo[] = "\x95\x5C"; // a kanji whose trail byte is '\\'
const char kSo[] = "\x83\x5C";  // katakana SO, trail '\\'

CString Cat(std::initializer_list<const char*> parts)
{
    CString s;
    for (const char* p : parts)
        s += p;
    return s;
}

LOGFONT SampleFont()
{
    LOGFONT f;
    f.lfHeight = -70;
    f.lfWidth = 3;
    f.lfEscapement = 900;
    f.lfOrientation = 900;
    f.lfWeight = 700;
    f.lfItalic = 1;
    f.lfUnderline = 1;
    f.lfCharSet = SHIFTJIS_CHARSET;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = CLIP_LH_ANGLES;
    f.lfQuality = 1;
    f.lfPitchAndFamily = FF_SWISS | 1;
    f.SetFaceName(FromUtf8("ＭＳ ゴシック"));
    return f;
}

} // namespace

// --- numbering -----------------------------------------------------------------

TEST(CTextIncName, AsciiNumbers)
{
    struct Case {
        const char* text;
        int step;
        const char* expected;
    };
    const Case cases[] = {
        {"A12", 1, "A13"}, {"A09", 1, "A10"},    {"A009", 1, "A010"}, {"A99", 1, "A100"},
        {"099", 1, "100"}, {"A1", -2, "A"},      {"A10", -20, "A0"},  {"A100", -101, "A00"},
        {"A10", -3, "A7"}, {"A007", -1, "A006"}, {"12", 5, "17"},     {"R1B2", 1, "R1B3"},
        {"Q~", 1, "Q1~"},  {"R9~", 1, "R10~"},   {"A", 1, "A1"},      {"A", 3, "A3"},
        {"A", -1, "A"},    {"~", 1, "1~"},       {"~~", 1, "~1~"},    {"U1A", 1, "U1A1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.step));
        EXPECT_EQ(Incremented(c.text, c.step), c.expected);
    }

    // Texts with "?" (unnumbered references), an empty text and step 0 stay.
    for (const char* fixed : {"R?", "U?3", "A?1"}) {
        CText t = T(fixed);
        EXPECT_FALSE(t.IncName(1));
        EXPECT_EQ(t.GetName(), fixed);
    }
    CText empty;
    EXPECT_FALSE(empty.IncName(1));
    EXPECT_TRUE(empty.IsEmpty());
    CText zero = T("A1");
    EXPECT_FALSE(zero.IncName(0));
    EXPECT_EQ(zero.GetName(), "A1");

    // A number too long for any integer is left alone rather than wrapped.
    const CString huge = "A" + CString('9', 30);
    EXPECT_EQ(Incremented(huge, 1), huge);
    EXPECT_EQ(Incremented("A9223372036854775799", 1000), "A9223372036854775799");
    EXPECT_EQ(Incremented("A9223372036854775799", -1), "A9223372036854775798");

    // The rectangle follows the new string.
    CText grown = T("A9");
    EXPECT_TRUE(grown.IncName(1));
    EXPECT_EQ(grown.GetTextBoundingRect().Width(), Width("A10"));
}

TEST(CTextIncName, DegenerateResultsKeepTheText)
{
    // "~~" with a negative step would come out as "~~": the tilde set aside
    // is dropped and the rest stays.
    EXPECT_EQ(Incremented("~~", -1), "~");
    // A lone "~" must not vanish: an empty text would be dropped from the
    // sheet.
    CText tilde = T("~");
    EXPECT_FALSE(tilde.IncName(-1));
    EXPECT_EQ(tilde.GetName(), "~");
}

TEST(CTextIncName, FullWidthNumbersAfterDoubleByteCharacters)
{
    // "Ａ０９" + 1 = "Ａ１０"
    EXPECT_EQ(Incremented(Cat({kFullA, kFull0, kFull9}), 1), Cat({kFullA, kFull1, kFull0}));
    // A kanji ending in '\\' followed by "９": + 2 = "１１"
    EXPECT_EQ(Incremented(Cat({kHyo, kFull9}), 2), Cat({kHyo, kFull1, kFull1}));
    // No number after a double-byte character: a full-width step is appended.
    EXPECT_EQ(Incremented(kHyo, 2), Cat({kHyo, kFull2}));
    EXPECT_EQ(Incremented(Cat({kSo, "~"}), 1), Cat({kSo, kFull1, "~"}));
    // ASCII digits before a double-byte character are not the number.
    EXPECT_EQ(Incremented(Cat({"A12", kHyo}), 1), Cat({"A12", kHyo, kFull1}));
    // Full-width digits before an ASCII letter are not the number either.
    EXPECT_EQ(Incremented(Cat({kFull1, kFull2, "A"}), 1), Cat({kFull1, kFull2, "A1"}));
    // Below zero the full-width number shrinks by one zero digit.
    EXPECT_EQ(Incremented(Cat({kFullA, kFull1, kFull2}), -20), Cat({kFullA, kFull0}));
}

TEST(CTextIncName, NumberLength)
{
    EXPECT_EQ(T("A009").GetNumberLen(), 3);
    EXPECT_EQ(T("R12~").GetNumberLen(), 2);
    EXPECT_EQ(T(Cat({kFullA, kFull0, kFull9})).GetNumberLen(), 2);
    EXPECT_EQ(T("AB").GetNumberLen(), 0);
    EXPECT_EQ(CText().GetNumberLen(), -1);

    struct Case {
        CString text;
        int digits;
        CString expected;
    };
    const Case cases[] = {
        {"A7", 3, "A007"},
        {"A0007", 0, "A7"},
        {"A0007", -1, "A7"},
        {"A123", 2, "A123"},
        {"R5~", 2, "R05~"},
        {"AB", 3, "AB"},
        {Cat({kFullA, kFull7}), 2, Cat({kFullA, kFull0, kFull7})},
    };
    for (const Case& c : cases) {
        CText t = T(c.text);
        t.SetNumberLen(c.digits);
        EXPECT_EQ(t.GetName(), c.expected);
    }
}

// --- size, anchor, frame -------------------------------------------------------------

TEST(CText, ChangeSizeStaysWithinLimits)
{
    struct Case {
        int size;
        int up;
        bool changed;
        int expected;
    };
    const Case cases[] = {
        {298, 1, true, 300}, {300, 1, false, 300}, {310, 1, false, 310}, {70, 2, true, 75},
        {22, 0, true, 20},   {21, -1, true, 20},   {20, 0, false, 20},   {300, 0, true, 295},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + (c.up >= 1 ? " up" : " down"));
        CText t = T("R1", CText::kDefaultAttr, kAt, c.size);
        EXPECT_EQ(t.ChangeSize(c.up), c.changed);
        EXPECT_EQ(t.GetSize(), c.expected);
        EXPECT_EQ(t.GetTextBoundingRect().Height(), Height(c.expected));
    }
    CText hidden = T("R1", CText::kDefaultAttr | CText::kHidden);
    EXPECT_FALSE(hidden.ChangeSize(1));
    EXPECT_EQ(hidden.GetSize(), 70);
    CText empty;
    EXPECT_FALSE(empty.ChangeSize(1));
}

TEST(CText, SetOrgFromTheKeypad)
{
    const uint32_t expected[9] = {8, 14, 10, 24, 30, 26, 0, 6, 2};
    for (int key = 97; key <= 105; ++key) {
        CText t = T("R1", 0x100 | 0x400);
        t.SetOrg(key);
        EXPECT_EQ(t.GetOrg(), expected[key - 97]) << key;
        EXPECT_EQ(t.GetAngle() & ~anchor::kMask, 0x500u); // direction and selection kept
    }
    CText other = T("R1", anchor::Center);
    other.SetOrg(96);
    other.SetOrg(106);
    other.SetOrg(49);
    EXPECT_EQ(other.GetOrg(), anchor::Center);

    CText hidden = T("R1", anchor::Center | CText::kHidden);
    hidden.SetOrg(97);
    EXPECT_EQ(hidden.GetOrg(), anchor::Center);
    CText empty("", kAt, 70, anchor::Center);
    empty.SetOrg(97);
    EXPECT_EQ(empty.GetOrg(), anchor::Center);
    // A hidden property shown as its value counts as displayed.
    CText shown = T("&Val&Val&10k", anchor::Center | CText::kHidden);
    shown.SetOrg(97);
    EXPECT_EQ(shown.GetOrg(), anchor::BottomLeft);
}

TEST(CText, FrameChangeCycles)
{
    const std::vector<int> cycle = {1, 2, 3, 4, 5, 13, 14, 6, 7, 8, 9, 10, 11, 12, 0};
    CText t = T("R1", CText::kDefaultAttr | CText::kSelected);
    std::vector<int> seen;
    for (size_t i = 0; i < cycle.size(); ++i) {
        EXPECT_TRUE(t.FrameChange(0));
        seen.push_back(t.GetFrame());
    }
    EXPECT_EQ(seen, cycle);

    seen.clear();
    for (size_t i = 0; i < cycle.size(); ++i) {
        t.FrameChange(1);
        seen.push_back(t.GetFrame());
    }
    EXPECT_EQ(seen, (std::vector<int>{12, 11, 10, 9, 8, 7, 6, 14, 13, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(t.GetAngle() & ~CText::kFrameMask, CText::kDefaultAttr | CText::kSelected);

    // The frame rectangle follows the new kind.
    t.SetFrame(0);
    t.FrameChange(0);
    EXPECT_NE(t.GetFrameBoundingRect(), t.GetTextBoundingRect());

    CText outside = T("R1", CText::kDefaultAttr | CText::kSelected | (20u << 16));
    EXPECT_FALSE(outside.FrameChange(0));
    EXPECT_EQ(outside.GetFrame(), 20);
    CText unselected = T("R1");
    EXPECT_FALSE(unselected.FrameChange(0));
    EXPECT_EQ(unselected.GetFrame(), 0);
    CText hidden = T("R1", CText::kDefaultAttr | CText::kSelected | CText::kHidden);
    EXPECT_FALSE(hidden.FrameChange(0));
}

// --- rectangles -------------------------------------------------------------------------

TEST(CTextRect, AnchorsPlaceTheTextAroundThePoint)
{
    const int w = Width("R12");
    const int h = Height();
    const CPoint p = kAt;
    struct Case {
        uint32_t anchor;
        CRect expected;
    };
    // y grows upwards: a bottom anchor puts the text above the point.
    const Case cases[] = {
        {anchor::BottomLeft, CRect(p.x, p.y, p.x + w, p.y + h)},
        {anchor::TopLeft, CRect(p.x, p.y - h, p.x + w, p.y)},
        {anchor::BottomRight, CRect(p.x - w, p.y, p.x, p.y + h)},
        {anchor::TopRight, CRect(p.x - w, p.y - h, p.x, p.y)},
        {anchor::BottomCenter, CRect(p.x - w / 2, p.y, p.x - w / 2 + w, p.y + h)},
        {anchor::MiddleLeft, CRect(p.x, p.y - h / 2, p.x + w, p.y - h / 2 + h)},
        {anchor::Center, CRect(p.x - w / 2, p.y - h / 2, p.x - w / 2 + w, p.y - h / 2 + h)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.anchor);
        const CText t = T("R12", c.anchor);
        EXPECT_EQ(t.GetTextBoundingRect(), c.expected);
        EXPECT_EQ(t.GetFrameBoundingRect(), c.expected);
        EXPECT_EQ(t.GetBoundingRect(), c.expected);
    }
    // Overbar markers take no room.
    EXPECT_EQ(T("~RST~").GetTextBoundingRect(), T("RST").GetTextBoundingRect());
}

TEST(CTextRect, DirectionsTurnTheRectangle)
{
    const int w = Width("R12");
    const int h = Height();
    const CPoint p = kAt;
    // Bottom-left anchor: the text runs along its direction from the point,
    // its top towards the direction turned a further quarter.
    EXPECT_EQ(T("R12", 8 | dir::k90).GetTextBoundingRect(), CRect(p.x - h, p.y, p.x, p.y + w));
    EXPECT_EQ(T("R12", 8 | dir::k180).GetTextBoundingRect(), CRect(p.x - w, p.y - h, p.x, p.y));
    EXPECT_EQ(T("R12", 8 | dir::k270).GetTextBoundingRect(), CRect(p.x, p.y - w, p.x + h, p.y));
    // Top-right anchor at 90 degrees.
    EXPECT_EQ(T("R12", 2 | dir::k90).GetTextBoundingRect(), CRect(p.x, p.y - w, p.x + h, p.y));
}

TEST(CTextRect, MultiLineTextsGrowDownwardsInTheirOwnFrame)
{
    const int size = 70;
    const int h = Height(size);
    const int wide = Width("WIDE");
    const CPoint p = kAt;

    const CText two = T("WIDE\\nB");
    EXPECT_EQ(two.CalcLines(), 2);
    EXPECT_EQ(two.GetTextBoundingRect(), CRect(p.x, p.y - size, p.x + wide, p.y + h));
    // At 90 degrees the second line lies further along +x.
    EXPECT_EQ(T("WIDE\\nB", 8 | dir::k90).GetTextBoundingRect(),
              CRect(p.x - h, p.y, p.x + size, p.y + wide));
    EXPECT_EQ(T("WIDE\\nB", 8 | dir::k180).GetTextBoundingRect(),
              CRect(p.x - wide, p.y - h, p.x, p.y + size));
    EXPECT_EQ(T("WIDE\\nB", 8 | dir::k270).GetTextBoundingRect(),
              CRect(p.x - size, p.y - wide, p.x + h, p.y));

    // Trailing blanks do not widen a line; an empty line is measured as "A".
    EXPECT_EQ(T("B   \\nB").GetTextBoundingRect().Width(), Width("B"));
    EXPECT_EQ(T("\\nB").GetTextBoundingRect().Width(), Width("A"));
    EXPECT_EQ(T("A\\nB\\nC").CalcLines(), 3);
    EXPECT_EQ(T("A\\nB\\nC").GetTextBoundingRect().Height(), 2 * size + h);

    // "\\\\n" is an escaped backslash followed by n, not a line break.
    const CText escaped = T("A\\\\nB");
    EXPECT_EQ(escaped.CalcLines(), 1);
    EXPECT_EQ(escaped.GetLines(), (std::vector<CString>{"A\\nB"}));
    EXPECT_EQ(escaped.GetTextBoundingRect().Height(), h);
    // A trail byte '\\' followed by "n" is no line break either.
    EXPECT_EQ(T(Cat({kSo, "n"})).CalcLines(), 1);
}

TEST(CTextRect, FrameKindsEnlargeTheFrameRectangle)
{
    struct Case {
        int kind;
        uint32_t direction;
        int left, top, right, bottom; // how far each edge moves outwards
    };
    const Case cases[] = {
        {1, dir::k0, 58, 2, 58, 2},      {2, dir::k180, 58, 2, 58, 2},
        {1, dir::k90, 2, 58, 2, 58},     {3, dir::k0, 108, 2, 108, 2},
        {10, dir::k270, 2, 108, 2, 108}, {4, dir::k0, 58, 2, 108, 2},
        {13, dir::k180, 108, 2, 58, 2},  {4, dir::k90, 2, 58, 2, 108},
        {4, dir::k270, 2, 108, 2, 58},   {5, dir::k0, 108, 2, 58, 2},
        {14, dir::k180, 58, 2, 108, 2},  {5, dir::k90, 2, 108, 2, 58},
        {5, dir::k270, 2, 58, 2, 108},   {11, dir::k0, 8, 2, 8, 2},
        {12, dir::k90, 2, 8, 2, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " dir " + std::to_string(c.direction));
        const CText t = T("R12", anchor::Center | c.direction | (uint32_t(c.kind) << 16));
        const CRect& r = t.GetTextBoundingRect();
        const CRect& f = t.GetFrameBoundingRect();
        EXPECT_EQ(r.left - f.left, c.left);
        EXPECT_EQ(r.top - f.top, c.top);
        EXPECT_EQ(f.right - r.right, c.right);
        EXPECT_EQ(f.bottom - r.bottom, c.bottom);
        EXPECT_EQ(t.GetBoundingRect(), f);
    }
    // Kind 7 grows by half its (already inflated) width and height.
    const CText oval = T("R12", anchor::Center | (7u << 16));
    const CRect& r = oval.GetTextBoundingRect();
    const int fw = r.Width() + 16, fh = r.Height() + 4;
    EXPECT_EQ(oval.GetFrameBoundingRect(), CRect(r.left - 8 - fw / 2, r.top - 2 - fh / 2,
                                                 r.right + 8 + fw / 2, r.bottom + 2 + fh / 2));
}

TEST(CTextRect, HiddenAndEmptyTextsHaveNoBoundingRect)
{
    EXPECT_EQ(T("R1", 8 | CText::kHidden).GetBoundingRect(), CRect());
    EXPECT_EQ(CText().GetBoundingRect(), CRect());
    const CText empty("", kAt, 70, 8);
    EXPECT_EQ(empty.GetTextBoundingRect(), CRect(kAt, kAt));
    // A hidden property shown as its value is measured by that value.
    const CText shown = T("&Val&val&10k", 8 | CText::kHidden);
    EXPECT_EQ(shown.GetBoundingRect(), T("10k").GetBoundingRect());
}

// --- transforms ---------------------------------------------------------------------------

TEST(CTextTransform, RotateFlipsOnlyBetweenZeroAndNinety)
{
    const CPoint c(500, 500);
    CText t = T("R1", anchor::BottomLeft);
    t.Rotate(c, 1);
    EXPECT_EQ(t.GetPoint(), RotatePoint(kAt, c, 1));
    EXPECT_EQ(t.GetDir(), dir::k90);
    EXPECT_EQ(t.GetOrg(), anchor::BottomLeft); // 0 -> 90 counter-clockwise keeps the anchor
    EXPECT_EQ(t.GetTextBoundingRect(), T("R1", 8 | dir::k90, t.GetPoint()).GetTextBoundingRect());
    t.Rotate(c, 1);
    EXPECT_EQ(t.GetDir(), dir::k0);
    EXPECT_EQ(t.GetOrg(), anchor::TopRight); // 90 -> 0 counter-clockwise reflects it
    EXPECT_EQ(t.GetPoint(), CPoint(2 * c.x - kAt.x, 2 * c.y - kAt.y));

    // Clockwise: 0 -> 90 reflects, 90 -> 0 does not.
    CText cw = T("R1", anchor::BottomLeft);
    cw.Rotate(c, 0);
    EXPECT_EQ(cw.GetDir(), dir::k90);
    EXPECT_EQ(cw.GetOrg(), anchor::TopRight);
    cw.Rotate(c, 0);
    EXPECT_EQ(cw.GetDir(), dir::k0);
    EXPECT_EQ(cw.GetOrg(), anchor::TopRight);

    // Without re-anchoring the anchor never changes.
    CText keep = T("R1", anchor::BottomLeft | dir::k90);
    keep.Rotate(c, 1, 0);
    EXPECT_EQ(keep.GetAngle(), uint32_t(anchor::BottomLeft));

    // Every anchor reflects through the centre.
    const uint32_t pairs[][2] = {{0, 10}, {10, 0},  {2, 8},   {8, 2},  {6, 14},
                                 {14, 6}, {24, 26}, {26, 24}, {30, 30}};
    for (const auto& pair : pairs) {
        CText r = T("R1", pair[0] | dir::k90 | CText::kSelected);
        r.Rotate(c, 1);
        EXPECT_EQ(r.GetAngle(), pair[1] | CText::kSelected) << pair[0];
    }

    // 180 and 270 degree texts keep direction and anchor; only the point turns.
    for (uint32_t d : {dir::k180, dir::k270}) {
        CText other = T("R1", anchor::BottomLeft | d);
        other.Rotate(c, 1);
        EXPECT_EQ(other.GetAngle(), anchor::BottomLeft | d);
        EXPECT_EQ(other.GetPoint(), RotatePoint(kAt, c, 1));
    }

    // There and back again is the identity.
    const CText start = T("R1", anchor::MiddleRight | CText::kSelected | (3u << 16));
    CText back = start;
    back.Rotate(c, 1);
    back.Rotate(c, 0);
    EXPECT_EQ(back, start);
    EXPECT_EQ(back.GetAngle(), start.GetAngle());
    EXPECT_EQ(back.GetFrameBoundingRect(), start.GetFrameBoundingRect());
}

TEST(CTextTransform, RotateAWalksAllFourDirections)
{
    const CPoint c(-300, 700);
    CText t = T("R1", anchor::BottomRight | dir::k0);
    std::vector<uint32_t> dirs;
    for (int i = 0; i < 4; ++i) {
        t.RotateA(c, 1);
        dirs.push_back(t.GetDir());
        EXPECT_EQ(t.GetOrg(), anchor::BottomRight);
    }
    EXPECT_EQ(dirs, (std::vector<uint32_t>{0x100, 0x200, 0x300, 0}));
    EXPECT_EQ(t.GetPoint(), kAt);
    EXPECT_EQ(t.GetTextBoundingRect(), T("R1", anchor::BottomRight).GetTextBoundingRect());

    dirs.clear();
    for (int i = 0; i < 4; ++i) {
        t.RotateA(c, 0);
        dirs.push_back(t.GetDir());
    }
    EXPECT_EQ(dirs, (std::vector<uint32_t>{0x300, 0x200, 0x100, 0}));
    EXPECT_EQ(t.GetPoint(), kAt);
}

TEST(CTextTransform, MirrorReanchoring)
{
    const CPoint c(400, 900);
    struct Case {
        uint32_t attr;
        uint32_t afterX;
        uint32_t afterY;
    };
    const Case cases[] = {
        // 0 degrees: X swaps left/right, Y swaps top/bottom.
        {8, 10, 0},
        {0, 2, 8},
        {24, 26, 24},
        {6, 6, 14},
        {30, 30, 30},
        // 90 degrees: X swaps top/bottom, Y swaps left/right.
        {0x100 | 8, 0x100 | 0, 0x100 | 10},
        {0x100 | 2, 0x100 | 10, 0x100 | 0},
        {0x100 | 6, 0x100 | 14, 0x100 | 6},
        {0x100 | 24, 0x100 | 24, 0x100 | 26},
        // 180 and 270 degrees count as turned for X and as "other" for Y.
        {0x200 | 8, 0x200 | 0, 0x200 | 0},
        {0x300 | 2, 0x300 | 10, 0x300 | 10},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.attr);
        CText x = T("R1", k.attr);
        x.MirrorX(c, 1);
        EXPECT_EQ(x.GetPoint(), CPoint(2 * c.x - kAt.x, kAt.y));
        EXPECT_EQ(x.GetAngle(), k.afterX);
        CText y = T("R1", k.attr);
        y.MirrorY(c, 1);
        EXPECT_EQ(y.GetPoint(), CPoint(kAt.x, 2 * c.y - kAt.y));
        EXPECT_EQ(y.GetAngle(), k.afterY);

        // Twice is the identity, rectangles included.
        const CText start = T("R1", k.attr);
        x.MirrorX(c, 1);
        y.MirrorY(c, 1);
        for (const CText* twice : {&x, &y}) {
            EXPECT_EQ(*twice, start);
            EXPECT_EQ(twice->GetTextBoundingRect(), start.GetTextBoundingRect());
        }
    }
    CText plain = T("R1", 8);
    plain.MirrorX(c, 0);
    EXPECT_EQ(plain.GetAngle(), 8u);
}

TEST(CTextTransform, OffsetAndAttributeVariants)
{
    CText t = T("R1", 8 | (1u << 16));
    const CRect r = t.GetTextBoundingRect(), f = t.GetFrameBoundingRect();
    t.Offset(CPoint(10, -20));
    EXPECT_EQ(t.GetPoint(), kAt + CPoint(10, -20));
    CRect moved = r, movedFrame = f;
    moved.OffsetRect(10, -20);
    movedFrame.OffsetRect(10, -20);
    EXPECT_EQ(t.GetTextBoundingRect(), moved);
    EXPECT_EQ(t.GetFrameBoundingRect(), movedFrame);
    t.SetPoint(kAt);
    EXPECT_EQ(t.GetTextBoundingRect(), r);
    EXPECT_EQ(t.GetFrameBoundingRect(), f);

    // An empty text stays where it is.
    CText empty("", kAt, 70, 8);
    empty.Offset(CPoint(10, 10));
    EXPECT_EQ(empty.GetPoint(), kAt);

    // The attribute variants act on selected texts only.
    CText unselected = T("R1");
    unselected.OffsetAttr(CPoint(5, 5));
    unselected.RotateText(CPoint(0, 0), 1);
    unselected.MirrorXText(CPoint(0, 0));
    unselected.MirrorYText(CPoint(0, 0));
    EXPECT_EQ(unselected, T("R1"));
    CText selected = T("R1", 8 | CText::kSelected);
    selected.OffsetAttr(CPoint(5, 5));
    EXPECT_EQ(selected.GetPoint(), kAt + CPoint(5, 5));
    selected.RotateText(kAt + CPoint(5, 5), 1);
    EXPECT_EQ(selected.GetDir(), dir::k90);
    selected.MirrorYText(CPoint(0, 0));
    EXPECT_EQ(selected.GetOrg(), anchor::BottomRight);
}

// --- display, print, selection, comparison ------------------------------------------------

TEST(CText, DisplayPrintAndSelection)
{
    CText t = T("R1");
    EXPECT_TRUE(t.IsDisp());
    t.Disp(false);
    EXPECT_FALSE(t.IsDisp());
    EXPECT_EQ(t.GetAngle(), 8u | CText::kHidden);
    t.Disp(true);
    EXPECT_EQ(t.GetAngle(), 8u);

    // A hidden property is shown when its name equals its first value.
    EXPECT_TRUE(T("&Value&VALUE&10k", 8 | CText::kHidden).IsDisp());
    EXPECT_FALSE(T("&Value&10k", 8 | CText::kHidden).IsDisp());

    // Not printed: a text with its own font is struck out while it is.
    CText own = T("R1", 8 | CText::kOwnFont);
    own.SetFont(SampleFont());
    own.Print(false);
    EXPECT_FALSE(own.IsPrint());
    EXPECT_EQ(own.GetFont().lfStrikeOut, 1);
    own.Print(true);
    EXPECT_TRUE(own.IsPrint());
    EXPECT_EQ(own.GetFont().lfStrikeOut, 0);
    CText plain = T("R1");
    plain.SetFont(SampleFont());
    plain.Print(false);
    EXPECT_EQ(plain.GetAngle(), 8u | CText::kNoPrint);
    EXPECT_EQ(plain.GetFont().lfStrikeOut, 0);

    // Selection by a rectangle that meets the text.
    CText s = T("R1");
    EXPECT_FALSE(s.SetTextSel(CRect(0, 0, 500, 500)));
    EXPECT_FALSE(s.IsTextSel());
    EXPECT_TRUE(s.SetTextSel(
        CRect(kAt.x + 10, kAt.y + 200, kAt.x + 5, kAt.y + 10))); // corners in any order
    EXPECT_TRUE(s.IsTextSel());
    s.ResetTextSel();
    EXPECT_FALSE(s.IsTextSel());
    CText hidden = T("R1", 8 | CText::kHidden);
    EXPECT_FALSE(hidden.SetTextSel(CRect(-10000, -10000, 10000, 10000)));
}

TEST(CText, EqualityAndOrder)
{
    // Empty texts are equal wherever they are and whatever their attributes.
    EXPECT_EQ(CText("", CPoint(0, 0), 70, 8), CText("", CPoint(500, -20), 90, 0x8100));
    EXPECT_NE(CText("", kAt, 70, 8), T("A"));
    // The selection bit does not count; everything stored does.
    EXPECT_EQ(T("R1", 8 | CText::kSelected), T("R1", 8));
    EXPECT_NE(T("R1", 8 | CText::kHidden), T("R1", 8));
    EXPECT_NE(T("R1", 8, kAt, 70), T("R1", 8, kAt, 75));
    EXPECT_NE(T("R1", 8, kAt), T("R1", 8, kAt + CPoint(1, 0)));
    EXPECT_NE(T("R1"), T("r1"));

    // Greater y first; on one row, smaller x first.
    EXPECT_TRUE(T("a", 8, CPoint(900, 100)) < T("b", 8, CPoint(0, 50)));
    EXPECT_FALSE(T("b", 8, CPoint(0, 50)) < T("a", 8, CPoint(900, 100)));
    EXPECT_TRUE(T("a", 8, CPoint(10, 50)) < T("b", 8, CPoint(20, 50)));
    EXPECT_FALSE(T("a", 8, CPoint(10, 50)) < T("b", 8, CPoint(10, 50)));

    // Copies carry everything, rectangles and font included.
    CText original = T("R1", 8 | CText::kOwnFont | (2u << 16));
    original.SetFont(SampleFont());
    const CText copy = original;
    EXPECT_EQ(copy, original);
    EXPECT_TRUE(copy.GetFont() == original.GetFont());
    EXPECT_EQ(copy.GetFrameBoundingRect(), original.GetFrameBoundingRect());
}

// --- properties ------------------------------------------------------------------------------

TEST(CTextProperty, Parsing)
{
    const CText simple = T("&Name&Value");
    EXPECT_EQ(simple.IsProperty(), 1);
    EXPECT_EQ(simple.GetPropertyName(), "Name");
    EXPECT_EQ(simple.GetPropertyVal(1), "Value");
    EXPECT_EQ(simple.GetPropertyVal(0), "Value");
    EXPECT_EQ(simple.GetPropertyVal(2), "");
    EXPECT_EQ(simple.GetPropertyVal(-1), "");

    const CText several = T("& Part No &v1&v2\\&x&");
    EXPECT_EQ(several.IsProperty(), 3);
    EXPECT_EQ(several.GetPropertyName(), "Part No");
    EXPECT_EQ(several.GetPropertyVal(1), "v1");
    EXPECT_EQ(several.GetPropertyVal(2), "v2&x");
    EXPECT_EQ(several.GetPropertyVal(0), ""); // the last value is empty
    EXPECT_EQ(several.GetPropertyVal(4), "");

    for (const char* plain : {"Name&Value", "&Name", "&Na\\&me", "", "&"}) {
        EXPECT_EQ(T(plain).IsProperty(), 0) << plain;
        EXPECT_EQ(T(plain).GetPropertyName(), "") << plain;
        EXPECT_EQ(T(plain).GetPropertyVal(1), "") << plain;
    }
    EXPECT_EQ(T("&&").IsProperty(), 1);

    // A trail byte '\\' before "&" is part of its character, not an escape.
    const CText japanese = T(Cat({"&", kSo, "&", kHyo, "&x"}));
    EXPECT_EQ(japanese.IsProperty(), 2);
    EXPECT_EQ(japanese.GetPropertyName(), kSo);
    EXPECT_EQ(japanese.GetPropertyVal(1), kHyo);
    EXPECT_EQ(japanese.GetPropertyVal(2), "x");
    // ... while a real backslash after such a character still escapes.
    const CText escaped = T(Cat({"&N&", kHyo, "\\&x"}));
    EXPECT_EQ(escaped.IsProperty(), 1);
    EXPECT_EQ(escaped.GetPropertyVal(1), Cat({kHyo, "&x"}));

    // Shown on the sheet as its value when the name repeats (any case).
    const CText shown = T("&Value&VALUE&10k");
    EXPECT_TRUE(shown.IsDispProperty());
    EXPECT_EQ(shown.GetDispString(), "10k");
    EXPECT_FALSE(T("&Value&10k").IsDispProperty());
    EXPECT_FALSE(T("Value").IsDispProperty());
}

TEST(CTextProperty, Setting)
{
    CText t = T("R1");
    t.SetProperty("  Part No ", Cat({" A&B", kSo, "& "}));
    EXPECT_EQ(t.GetName(), Cat({"&Part No&A\\&B", kSo, "\\&"}));
    EXPECT_EQ(t.GetAngle() & CText::kHidden, CText::kHidden);
    EXPECT_EQ(t.IsProperty(), 1);
    EXPECT_EQ(t.GetPropertyVal(1), Cat({"A&B", kSo, "&"}));
    EXPECT_EQ(t.GetBoundingRect(), CRect());

    t.SetPropertyVal(2, "b&c");
    EXPECT_EQ(t.IsProperty(), 2);
    EXPECT_EQ(t.GetPropertyVal(2), "b&c");
    EXPECT_EQ(t.GetPropertyVal(1), Cat({"A&B", kSo, "&"}));
    t.SetPropertyVal(0, "last");
    EXPECT_EQ(t.GetPropertyVal(2), "last");
    t.SetPropertyVal(4, "far");
    EXPECT_EQ(t.IsProperty(), 4);
    EXPECT_EQ(t.GetPropertyVal(3), "");
    EXPECT_EQ(t.GetPropertyName(), "Part No");

    CText plain = T("R1");
    plain.SetPropertyVal(1, "x");
    EXPECT_EQ(plain.GetName(), "R1");
}

// --- search, settings ---------------------------------------------------------------------

TEST(CText, Find)
{
    CPoint found(-1, -1);
    const CText t = T("R10a");
    EXPECT_TRUE(t.Find("R1", true, false, false, found));
    EXPECT_EQ(found, kAt);
    EXPECT_FALSE(t.Find("R1", true, true, false, found));
    EXPECT_TRUE(t.Find("R10a", true, true, false, found));
    // The caller hands the search string in upper case unless case matters.
    EXPECT_TRUE(t.Find("R10A", false, true, false, found));
    EXPECT_FALSE(t.Find("R10A", true, true, false, found));

    CPoint untouched(7, 7);
    EXPECT_FALSE(CText("", kAt, 70, 8).Find("", false, false, true, untouched));
    EXPECT_EQ(untouched, CPoint(7, 7));

    const CText hidden = T("R10", 8 | CText::kHidden);
    EXPECT_FALSE(hidden.Find("R10", true, true, false, found));
    EXPECT_TRUE(hidden.Find("R10", true, true, true, found));

    // Upper-casing never touches a trail byte: katakana DI (trail 'a') does
    // not turn into katakana A (trail 'A').
    const CText kana = T("\x83\x61");
    EXPECT_FALSE(kana.Find("\x83\x41", false, false, false, found));
    EXPECT_TRUE(kana.Find("\x83\x61", false, true, false, found));
}

TEST(CText, SetAttributeOnlyWhenRemembering)
{
    CScopedProfile scoped(std::make_unique<MemoryProfile>());
    const CText t = T("R1", anchor::Center | dir::k180 | CText::kNoPrint | (5u << 16), kAt, 90);
    t.SetAttribute();
    EXPECT_EQ(Profile().GetInt("Text", "Text Height", -1), -1);
    EXPECT_EQ(Profile().GetInt("Text", "Text Frame", -1), -1);

    Profile().WriteInt("Text", "Remember Attr", 1);
    t.SetAttribute();
    EXPECT_EQ(Profile().GetInt("Text", "Text Height", -1), 90);
    EXPECT_EQ(Profile().GetInt("Text", "Text H Base", -1), 1);
    EXPECT_EQ(Profile().GetInt("Text", "Text V Base", -1), 1);
    EXPECT_EQ(Profile().GetInt("Text", "Text Direction", -1), 0x200);
    EXPECT_EQ(Profile().GetInt("Text", "Printable", -1), 0);
    EXPECT_EQ(Profile().GetInt("Text", "Text Frame", -1), 5);

    T("R1", anchor::TopRight).SetAttribute();
    EXPECT_EQ(Profile().GetInt("Text", "Text H Base", -1), 2);
    EXPECT_EQ(Profile().GetInt("Text", "Text V Base", -1), 0);
    EXPECT_EQ(Profile().GetInt("Text", "Printable", -1), 1);
    T("R1", anchor::BottomLeft).SetAttribute();
    EXPECT_EQ(Profile().GetInt("Text", "Text H Base", -1), 0);
    EXPECT_EQ(Profile().GetInt("Text", "Text V Base", -1), 2);
}

// --- stored forms --------------------------------------------------------------------------

TEST(CTextStore, BinaryRecordRoundTrip)
{
    CText t =
        T("R12\\nline", anchor::Center | dir::k90 | CText::kSelected | CText::kOwnFont | (4u << 16),
          CPoint(-1234, 5678), 85);
    t.SetFont(SampleFont());
    CArchive out;
    t.DataWrite(out);
    // string, point, size, attribute word, rectangle, 60 font bytes.
    EXPECT_EQ(out.Bytes().size(), 1 + 9 + 8 + 4 + 4 + 16 + 60u);
    EXPECT_EQ(out.Bytes()[0], 9);

    CArchive in(out.Bytes());
    CText back;
    back.DataRead(in, 8);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back, t);
    EXPECT_TRUE(back.IsTextSel());
    EXPECT_EQ(back.GetAngle(), t.GetAngle());
    EXPECT_TRUE(back.GetFont() == t.GetFont());
    EXPECT_EQ(back.GetTextBoundingRect(), t.GetTextBoundingRect());
    EXPECT_EQ(back.GetFrameBoundingRect(), t.GetFrameBoundingRect());

    // Without an own font there are no font bytes.
    CArchive plain;
    T("R1").DataWrite(plain);
    EXPECT_EQ(plain.Bytes().size(), 1 + 2 + 8 + 4 + 4 + 16u);
}

TEST(CTextStore, ReadingOlderVersionsAndFixUps)
{
    // A version 5 record with the own-font bit has no font bytes: what
    // follows must be read as the next field.
    CText own = T("R1", 8 | CText::kOwnFont);
    own.SetFont(SampleFont());
    CArchive out;
    own.DataWrite(out);
    std::vector<uint8_t> bytes(out.Bytes().begin(), out.Bytes().end() - LOGFONT::kStoredSize);
    for (uint8_t b : {0x39, 0x30, 0, 0}) // int 12345
        bytes.push_back(b);
    CArchive old(bytes);
    CText read5;
    read5.DataRead(old, 5);
    EXPECT_EQ(read5.GetName(), "R1");
    EXPECT_EQ(old.ReadInt(), 12345);

    // The stored rectangle is not trusted.
    CArchive bogus;
    bogus << CString("R1") << kAt << int32_t(70) << uint32_t(8) << CRect(1, 2, 3, 4);
    CArchive bogusIn(bogus.Bytes());
    CText recomputed;
    recomputed.DataRead(bogusIn, 8);
    EXPECT_EQ(recomputed.GetTextBoundingRect(), T("R1").GetTextBoundingRect());

    // "&A&A" from older files becomes "&A&A&"; other properties stay.
    struct Case {
        const char* stored;
        const char* read;
    };
    const Case cases[] = {
        {"&A&A", "&A&A&"},    {"&Value&Value", "&Value&Value&"},
        {"&A&a", "&A&a"},     {"&A&B", "&A&B"},
        {"&A&A&x", "&A&A&x"}, {"A&A", "A&A"},
    };
    for (const Case& c : cases) {
        CArchive w;
        T(c.stored).DataWrite(w);
        CArchive r(w.Bytes());
        CText back;
        back.DataRead(r, 8);
        EXPECT_EQ(back.GetName(), c.read) << c.stored;
    }

    // A damaged record raises instead of reading past the end.
    CArchive w;
    own.DataWrite(w);
    std::vector<uint8_t> cut(w.Bytes().begin(), w.Bytes().end() - 1);
    CArchive r(cut);
    CText damaged;
    EXPECT_THROW(damaged.DataRead(r, 8), CArchiveException);
}

TEST(CTextStore, TextFormRoundTrip)
{
    CText t = T(FromUtf8("回路 \"A\" ソ"),
                anchor::BottomRight | dir::k270 | CText::kOwnFont | CText::kHidden,
                CPoint(-50, 125), 100);
    LOGFONT f = SampleFont();
    f.lfStrikeOut = 1;
    f.lfHeight = -100;
    t.SetFont(f);
    CArchive out;
    t.SerializeText(out, "Text ");
    const std::string written(out.Bytes().begin(), out.Bytes().end());
    const std::string attr =
        std::to_string(anchor::BottomRight | dir::k270 | CText::kOwnFont | CText::kHidden);
    const std::string expected = "Text \"" + t.GetName().str() + "\" -50 125 100 " + attr + "\n" +
                                 "Font \"" + f.FaceName().str() +
                                 "\" 3 900 900 700 7 128 3 16 1 33\n";
    EXPECT_EQ(written, expected);

    // Read back the way the text form reader does: the record line without
    // its keyword, then the font line.
    CArchive in(out.Bytes());
    CString line;
    ASSERT_TRUE(in.ReadString(line));
    CText back;
    back.SetName(line.Mid(5));
    ASSERT_TRUE(in.ReadString(line));
    back.ReadFontRecord(line);
    EXPECT_EQ(back, t);
    EXPECT_TRUE(back.GetFont() == f);

    // Negative attribute words are written signed and read back.
    CText high = T("x", 0x80000008u);
    CArchive highOut;
    high.SerializeText(highOut, "Name ");
    EXPECT_EQ(std::string(highOut.Bytes().begin(), highOut.Bytes().end()),
              "Name \"x\" 1000 2000 70 -2147483640\n");
    CText highBack;
    highBack.SetName("\"x\" 1000 2000 70 -2147483640");
    EXPECT_EQ(highBack.GetAngle(), 0x80000008u);

    // A font line only applies to a text that has its own font.
    CText noFont = T("R1");
    noFont.ReadFontRecord("Font \"Courier\" 0 0 0 400 0 0 0 0 0 0");
    EXPECT_EQ(noFont.GetFont().FaceName(), "");
}

TEST(CTextStore, TextFormWritesRawLineBreaksAsShownBreaks)
{
    // Binary files may hold raw CR and LF in a text; a record must stay one
    // line, and the text must show the same lines after reading back.
    struct Case {
        CString raw;
        CString written;
        std::vector<CString> shown;
    };
    const CString lf("\n"), crlf("\r\n"), cr("\r"), shownBreak("\\n");
    const Case cases[] = {
        {"A" + lf + "B", "A" + shownBreak + "B", {"A", "B"}},
        {"A" + crlf + "B" + cr + "C", "A" + shownBreak + "B" + shownBreak + "C", {"A", "B", "C"}},
        // An odd run of backslashes before the break gets one more, so that
        // the run still shows one backslash and the break stays a break.
        {"A\\" + lf + "B", "A\\\\" + shownBreak + "B", {"A\\", "B"}},
        {"A\\\\" + lf, "A\\\\" + shownBreak, {"A\\", ""}},
        // A trail byte 0x5C is no backslash.
        {Cat({kHyo}) + lf + "x", Cat({kHyo}) + shownBreak + "x", {kHyo, "x"}},
        {"plain", "plain", {"plain"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raw.str());
        const CString written = CText::TextFormString(c.raw);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(written.Find('\n'), -1);
        EXPECT_EQ(written.Find('\r'), -1);
        EXPECT_EQ(T(written).GetLines(), c.shown);
    }
    // What no record can carry is refused rather than cut short.
    EXPECT_THROW(CText::TextFormString(CString("A\0B", 3)), CArchiveException);
    EXPECT_THROW(CText::TextFormString(CString("A\x81\n", 3)), CArchiveException);
    // A lead byte at the end would swallow the closing quote.
    EXPECT_THROW(CText::TextFormString("Line to\xE8"), CArchiveException);
    EXPECT_EQ(CText::TextFormString("\xE8\x22" "x"), "\xE8\x22" "x");  // a pair, read back as one
    CArchive out;
    EXPECT_THROW(T(CString("A\0B", 3)).SerializeText(out, "Text "), CArchiveException);
}

TEST(CTextIncName, NumberWidthIsClamped)
{
    CText wide = T("A7");
    wide.SetNumberLen(40);
    EXPECT_EQ(wide.GetName(), "A" + CString('0', 17) + "7");
    CText none = T("A007");
    none.SetNumberLen(-5);
    EXPECT_EQ(none.GetName(), "A7");
}

TEST(CText, SetNameRecordForm)
{
    CText t;
    t.SetName("\"say \"hi\"\" 100 -200 90 10");
    EXPECT_EQ(t.GetName(), "say \"hi\"");
    EXPECT_EQ(t.GetPoint(), CPoint(100, -200));
    EXPECT_EQ(t.GetSize(), 90);
    EXPECT_EQ(t.GetAngle(), 10u);
    EXPECT_EQ(t.GetTextBoundingRect(),
              T("say \"hi\"", 10, CPoint(100, -200), 90).GetTextBoundingRect());

    // Missing numbers keep what the text had.
    t.SetName("\"R2\" 5 6");
    EXPECT_EQ(t.GetName(), "R2");
    EXPECT_EQ(t.GetPoint(), CPoint(5, 6));
    EXPECT_EQ(t.GetSize(), 90);
    EXPECT_EQ(t.GetAngle(), 10u);

    // Without a quote the string is taken whole.
    t.SetName("plain 1 2 3 4");
    EXPECT_EQ(t.GetName(), "plain 1 2 3 4");
    EXPECT_EQ(t.GetPoint(), CPoint(5, 6));

    t.SetName("U1", CPoint(7, 8), 60, 0x100 | 24);
    EXPECT_EQ(t, T("U1", 0x100 | 24, CPoint(7, 8), 60));
}

TEST(CTextStore, ExtremeStoredValuesAreMeasuredWithoutOverflow)
{
    // A damaged file may hold any size and position.  Values no drawing can
    // have are refused as damage; the largest accepted ones must measure
    // without overflow (the sanitizer build checks).
    for (int32_t size : {INT32_MAX, INT32_MIN, kMaxCoord, -kMaxCoord, -70, 0}) {
        for (CPoint at : {CPoint(INT32_MAX - 5, INT32_MIN + 5), CPoint(kMaxCoord, -kMaxCoord)}) {
            for (uint32_t attr : {8u, 30u | dir::k90, 2u | dir::k180 | (7u << 16),
                                  24u | dir::k270 | (4u << 16)}) {
                CArchive out;
                out << CString("WIDE\\nline\\nthree") << at << size << attr << CRect();
                CArchive in(out.Bytes());
                CText t;
                if (!IsCoordInRange(at) || !IsCoordInRange(size)) {
                    EXPECT_THROW(t.DataRead(in, 8), CArchiveException);
                    continue;
                }
                t.DataRead(in, 8);
                const CRect r = t.GetTextBoundingRect();
                EXPECT_LE(r.left, r.right);
                EXPECT_LE(r.top, r.bottom);
            }
        }
    }
}

// The property split as it was first written, one character at a time: the
// reference for the faster split.
static std::vector<CString> LiteralSplit(const CString& s)
{
    std::vector<CString> fields;
    if (s.GetLength() < 1 || s[0] != '&')
        return fields;
    fields.emplace_back();
    for (int p = 1; p < s.GetLength(); p += s.CharLengthAt(p)) {
        const int len = s.CharLengthAt(p);
        if (len == 1 && s[p] == '\\' && s[p + 1] == '&') {
            fields.back() += "\\&";
            ++p;
            continue;
        }
        if (len == 1 && s[p] == '&') {
            fields.emplace_back();
            continue;
        }
        fields.back() += s.Mid(p, len);
    }
    return fields;
}

TEST(CTextProperty, SplitAndShownPropertyAgreeWithTheLiteralReading)
{
    // Ampersands, escapes, blanks, case, and double-byte characters whose
    // trail byte is a backslash or an ampersand-like byte.
    const char* pieces[] = {"&",    "\\",   "\\&",       "a",        "A",        " ",
                            "Foot", "foot", "\x82\xA0", "\x83\x5C", "\x81\x95", "x"};
    uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 5000; ++i) {
        std::string s = (next() >> 16) % 8 ? "&" : "";
        const int n = int((next() >> 16) % 9);
        for (int k = 0; k < n; ++k)
            s += pieces[(next() >> 16) % (sizeof pieces / sizeof *pieces)];
        const CText t(s.c_str(), CPoint(0, 0), 70, 8);
        const std::vector<CString> fields = LiteralSplit(CString(s));
        const int count = fields.size() >= 2 ? int(fields.size()) - 1 : 0;
        ASSERT_EQ(t.IsProperty(), count) << s;
        for (int k = 0; count && k <= count + 1; ++k) {
            CString want;
            const size_t index = k == 0 ? fields.size() - 1 : size_t(k);
            if (index < fields.size()) {
                want = fields[index];
                want.Replace("\\&", "&");
            }
            ASSERT_EQ(t.GetPropertyVal(k), want) << s << " field " << k;
        }
        const bool literalShown =
            t.IsProperty() && t.GetPropertyName().CompareNoCase(t.GetPropertyVal(1)) == 0;
        ASSERT_EQ(t.IsDispProperty(), literalShown) << s;
    }
}
