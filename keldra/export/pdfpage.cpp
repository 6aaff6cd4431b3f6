#include "export/pdfpage.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "export/numberformat.h"

namespace {

constexpr double kPi = 3.14159265358979;

bool InRange(double v, double low, double high)
{
    return std::isfinite(v) && v >= low && v <= high;
}

} // namespace

void CPDFPage::PageSizePoints(int index, int& width, int& height)
{
    static constexpr int kSizes[kPageSizes][2] = {{1684, 1191}, {1191, 842}, {842, 595},
                                                  {1191, 1684}, {842, 1191}, {595, 842}};
    if (index < 0 || index >= kPageSizes)
        index = 2;
    width = kSizes[index][0];
    height = kSizes[index][1];
}

std::string CPDFPage::Plain(double value)
{
    std::string s = FormatFixed(value, 3);
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    if (s.size() > 2 && s[0] == '0' && s[1] == '.')
        s.erase(0, 1);
    if (s.empty() || s == "-0")
        s = "0";
    return s + " ";
}

std::string CPDFPage::Number(double sheetValue)
{
    return Plain(sheetValue * 72.0 / 1000.0);
}

std::string CPDFPage::ColorText(COLORREF color)
{
    std::string out;
    for (int c : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
        if (c == 0)
            out += "0 ";
        else if (c == 255)
            out += "1 ";
        else
            out += FormatFixed(c / 256.0, 4) + " ";
    }
    return out;
}

std::string CPDFPage::StringToken(const CString& text)
{
    std::string out;
    if (text.HasJapanese()) {
        out = "<";
        char hex[3];
        for (unsigned char c : text.str()) {
            std::snprintf(hex, sizeof hex, "%02X", c);
            out += hex;
        }
        return out + ">";
    }
    out = "(";
    for (char c : text.str()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '(':
            out += "\\(";
            break;
        case ')':
            out += "\\)";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + ")";
}

std::string CPDFPage::ShowText(const CString& text, int spaceWidth)
{
    if (!text.HasJapanese() || text.Find(' ') < 0)
        return StringToken(text) + " Tj";
    std::string out = "[";
    CString run;
    int blanks = 0;
    const auto flush = [&]() {
        if (!run.IsEmpty()) {
            // Hex like the whole text, whatever bytes this piece holds.
            char hex[3];
            out += "<";
            for (unsigned char c : run.str()) {
                std::snprintf(hex, sizeof hex, "%02X", c);
                out += hex;
            }
            out += "> ";
        }
        run = CString();
        if (blanks)
            out += std::to_string(-blanks * spaceWidth) + " ";
        blanks = 0;
    };
    for (int p = 0; p < text.GetLength(); p += text.CharLengthAt(p)) {
        const int n = text.CharLengthAt(p);
        if (n == 1 && text[p] == ' ') {
            if (!run.IsEmpty())
                flush();
            ++blanks;
            continue;
        }
        if (blanks)
            flush();
        run += text.Mid(p, n);
    }
    flush();
    out.pop_back();
    return out + "] TJ";
}

bool CPDFPage::IsValidScale(double scale)
{
    return InRange(scale, 0.01, 100);
}

bool CPDFPage::IsValidMargin(double mm)
{
    return InRange(mm, 0, 1000);
}

void CPDFPage::SetScale(double scale)
{
    m_scale = IsValidScale(scale) ? scale : 1.0;
}

void CPDFPage::SetOffset(const CRect& area, double left, double top)
{
    m_area = area;
    m_left = IsValidMargin(left) ? left : 15;
    m_top = IsValidMargin(top) ? top : 15;
}

void CPDFPage::CheckPen()
{
    if (m_penWidth != m_writtenWidth) {
        Put(Number(m_penWidth) + "w");
        m_writtenWidth = m_penWidth;
    }
    if (m_penStyle != m_writtenStyle) {
        static const char* const kDash[5] = {"[] 0 d", "[3 4] 0 d", "[1 2] 0 d", "[5 2 1 2] 0 d",
                                             "[5 2 1 2 1 2] 0 d"};
        Put(kDash[m_penStyle >= 0 && m_penStyle < 5 ? m_penStyle : 0]);
        m_writtenStyle = m_penStyle;
    }
    if (int64_t(m_penColor) != m_writtenPenColor) {
        Put(ColorText(m_penColor) + "RG");
        m_writtenPenColor = m_penColor;
    }
}

void CPDFPage::CheckBrush()
{
    if (int64_t(m_brushColor) != m_writtenBrushColor) {
        Put(ColorText(m_brushColor) + "rg");
        m_writtenBrushColor = m_brushColor;
    }
}

void CPDFPage::WriteInit(bool background, COLORREF color)
{
    int width, height;
    PageSizePoints(m_pageSize, width, height);
    if (background) {
        Put("q");
        Put("1 0 0 1 0 0 cm");
        Put(ColorText(color) + "RG");
        Put(ColorText(color) + "rg");
        Put("0 0 " + std::to_string(width) + " " + std::to_string(height) + " re");
        Put("B");
        Put("Q");
    }
    CRect area = m_area;
    area.NormalizeRect();
    const double s = m_scale;
    const double tx = m_left * 72 / 25.4 - s * area.left * 0.072;
    const double ty = height - s * area.bottom * 0.072 - m_top * 72 / 25.4;
    Put(Plain(s) + "0 0 " + Plain(s) + Plain(tx) + Plain(ty) + "cm");
    Put("0 0 0 RG");
    m_writtenPenColor = 0;
    Put("1 J");
    Put("1 j");
    CheckPen();
}

void CPDFPage::WriteLine(const CPoint& a, const CPoint& b)
{
    CheckPen();
    Put(Number(a.x) + Number(a.y) + "m");
    Put(Number(b.x) + Number(b.y) + "l");
    Put("S");
}

void CPDFPage::WritePolygon(const CPoint* points, int count, bool fill)
{
    if (count < 2)
        return;
    if (count == 2) {
        WriteLine(points[0], points[1]);
        return;
    }
    CheckPen();
    if (fill)
        CheckBrush();
    Put(Number(points[0].x) + Number(points[0].y) + "m");
    for (int i = 1; i < count; ++i)
        Put(Number(points[i].x) + Number(points[i].y) + "l");
    Put(fill ? "h\nb*" : "S");
}

void CPDFPage::WriteShortArc(double cx, double cy, double r, double a1, double a2)
{
    const double t1 = a1 * kPi / 180, t2 = a2 * kPi / 180;
    const double h = (t2 - t1) / 2;
    const double k = 4.0 / 3.0 * (1 - std::cos(h)) / std::sin(h);
    const double x1 = cx + r * (std::cos(t1) - k * std::sin(t1)),
                 y1 = cy + r * (std::sin(t1) + k * std::cos(t1));
    const double x2 = cx + r * (std::cos(t2) + k * std::sin(t2)),
                 y2 = cy + r * (std::sin(t2) - k * std::cos(t2));
    const double x3 = cx + r * std::cos(t2), y3 = cy + r * std::sin(t2);
    Put(Number(x1) + Number(y1) + Number(x2) + Number(y2) + Number(x3) + Number(y3) + "c");
}

void CPDFPage::WriteArc(const CPoint& centre, int radius, double start, double end, bool fill)
{
    if (!std::isfinite(start) || !std::isfinite(end))
        start = end = 0;
    start = std::fmod(start, 360.0);
    if (start < 0)
        start += 360;
    double sweep = std::fmod(end - start, 360.0);
    if (sweep < 0)
        sweep += 360;
    if (sweep <= 1e-9)
        sweep = 360;
    CheckPen();
    if (fill)
        CheckBrush();
    const double cx = centre.x, cy = centre.y, r = radius;
    const double t = start * kPi / 180;
    Put(Number(cx + r * std::cos(t)) + Number(cy + r * std::sin(t)) + "m");
    double a = start;
    const double last = start + sweep;
    while (last - a > 1e-9) {
        const double b = std::min(a + 90, last);
        WriteShortArc(cx, cy, r, a, b);
        a = b;
    }
    if (fill) {
        Put(Number(cx) + Number(cy) + "l");
        Put("h");
        Put("b*");
    } else {
        Put("S");
    }
}

void CPDFPage::WriteArc(const CPoint& centre, int radius, int64_t start, int64_t end, bool fill)
{
    // Whole degrees wrapped in 64 bits: no angle from a damaged file can
    // make the sweep longer than one turn.
    int64_t s = start % 360, e = end % 360;
    if (s < 0)
        s += 360;
    if (e < 0)
        e += 360;
    if (e <= s)
        e += 360;
    WriteArc(centre, radius, double(s), double(e), fill);
}

void CPDFPage::WriteCircle(const CPoint& centre, int radius, bool fill)
{
    CheckPen();
    if (fill)
        CheckBrush();
    const double cx = centre.x, cy = centre.y, r = radius;
    const double k = 4.0 / 3.0 * (std::sqrt(2.0) - 1) * r;
    Put(Number(cx + r) + Number(cy) + "m");
    Put(Number(cx + r) + Number(cy + k) + Number(cx + k) + Number(cy + r) + Number(cx) +
        Number(cy + r) + "c");
    Put(Number(cx - k) + Number(cy + r) + Number(cx - r) + Number(cy + k) + Number(cx - r) +
        Number(cy) + "c");
    Put(Number(cx - r) + Number(cy - k) + Number(cx - k) + Number(cy - r) + Number(cx) +
        Number(cy - r) + "c");
    Put(Number(cx + k) + Number(cy - r) + Number(cx + r) + Number(cy - k) + Number(cx + r) +
        Number(cy) + "c");
    Put(fill ? "h\nb*" : "S");
}

void CPDFPage::WriteText(const CString& text, const CPoint& origin, int size, uint32_t direction,
                         int fontNo, int spaceWidth)
{
    Put("BT");
    const std::string at = Number(origin.x) + Number(origin.y);
    switch (direction & 0x300) {
    case 0x100:
        Put("0 1 -1 0 " + at + "Tm");
        break;
    case 0x200:
        Put("-1 0 0 -1 " + at + "Tm");
        break;
    case 0x300:
        Put("0 -1 1 0 " + at + "Tm");
        break;
    default:
        Put(at + "TD");
        break;
    }
    CheckBrush();
    Put("/F" + std::to_string(fontNo) + " " + Number(size) + "Tf");
    Put("0 Tc 0 Tw " + ShowText(text, spaceWidth));
    Put("ET");
}

std::optional<double> TryParsePdfScale(const CString& text)
{
    CString t = text;
    t.Trim();
    double v = 0;
    const char* begin = t.c_str();
    const char* end = begin + t.GetLength();
    const auto r = std::from_chars(begin, end, v);
    if (r.ec != std::errc() || r.ptr != end || !CPDFPage::IsValidScale(v))
        return std::nullopt;
    return v;
}

double ParsePdfScale(const CString& text)
{
    return TryParsePdfScale(text).value_or(1.0);
}
