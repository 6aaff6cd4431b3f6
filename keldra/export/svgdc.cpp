#include "export/svgdc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/codepage.h"
#include "base/textmetrics.h"
#include "export/itemgeometry.h"
#include "export/numberformat.h"
#include "items/geometry.h"

namespace {

constexpr double kPi = 3.14159265358979;

std::string Num(double v)
{
    std::string s = FormatFixed(v, 2);
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.')) {
        const bool point = s.back() == '.';
        s.pop_back();
        if (point)
            break;
    }
    return s == "-0" ? "0" : s;
}

std::string Escaped(const std::string& utf8)
{
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
        }
    }
    return out;
}

double AngleOf(const CPoint& centre, const CPoint& p)
{
    if (p == centre)
        return 0;
    return std::atan2(double(p.y) - centre.y, double(p.x) - centre.x) * 180 / kPi;
}

} // namespace

CSVGDC::CSVGDC(int width, int height) : m_width(std::max(1, width)), m_height(std::max(1, height))
{
}

std::string CSVGDC::Color(COLORREF c)
{
    char out[8];
    std::snprintf(out, sizeof out, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return out;
}

std::string CSVGDC::FontFamily(const CString& face)
{
    const std::string name = Escaped(ToUtf8(face));
    std::string stand;
    if (face.CompareNoCase("Arial") == 0 || face.CompareNoCase("Helvetica") == 0)
        stand = "'Liberation Sans', sans-serif";
    else if (face.CompareNoCase("Times New Roman") == 0)
        stand = "'Liberation Serif', serif";
    else if (face.CompareNoCase("Courier New") == 0)
        stand = "'Liberation Mono', monospace";
    else if (face.HasJapanese()) {
        LOGFONT f;
        f.SetFaceName(face);
        stand =
            CTextMetrics::IsProportionalFace(f) ? "IPAPGothic, sans-serif" : "IPAGothic, monospace";
    } else
        stand = "sans-serif";
    return name.empty() ? stand : "'" + name + "', " + stand;
}

std::string CSVGDC::Stroke() const
{
    // Hairlines of width 0 are as thin as the PDF draws them.
    const int width = m_pen.width > 0 ? m_pen.width : 4;
    std::string s = " stroke=\"" + Color(m_pen.color) + "\" stroke-width=\"" +
                    std::to_string(width) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    // The PDF page's dash patterns, in points, as sheet units (1 pt = 1000/72).
    static const char* const kDash[5] = {nullptr, "41.67 55.56", "13.89 27.78",
                                         "69.44 27.78 13.89 27.78",
                                         "69.44 27.78 13.89 27.78 13.89 27.78"};
    if (m_pen.style > 0 && m_pen.style < 5)
        s += std::string(" stroke-dasharray=\"") + kDash[m_pen.style] + "\"";
    return s;
}

std::string CSVGDC::Fill() const
{
    return m_brush.hollow ? " fill=\"none\"" : " fill=\"" + Color(m_brush.color) + "\"";
}

CPoint CSVGDC::MoveTo(const CPoint& p)
{
    const CPoint old = m_current;
    m_current = p;
    return old;
}

void CSVGDC::LineTo(const CPoint& p)
{
    if (m_rop == R2_COPYPEN && m_pen.style != PS_NULL)
        m_body += "<line x1=\"" + Num(m_current.x) + "\" y1=\"" + Num(Y(m_current.y)) + "\" x2=\"" +
                  Num(p.x) + "\" y2=\"" + Num(Y(p.y)) + "\"" + Stroke() + "/>\n";
    m_current = p;
}

void CSVGDC::ArcOrPie(const CRect& box, const CPoint& start, const CPoint& end, bool pie)
{
    CRect b = box;
    b.NormalizeRect();
    const CPoint c = b.CenterPoint();
    const double r = b.Width() / 2.0;
    const std::string stroke = m_pen.style == PS_NULL ? " stroke=\"none\"" : Stroke();
    const std::string fill = pie ? Fill() : " fill=\"none\"";
    if (start == end) {
        m_body += "<circle cx=\"" + Num(c.x) + "\" cy=\"" + Num(Y(c.y)) + "\" r=\"" + Num(r) +
                  "\"" + stroke + fill + "/>\n";
        return;
    }
    double a1 = AngleOf(c, start), a2 = AngleOf(c, end);
    if (m_arcDirection == AD_CLOCKWISE)
        std::swap(a1, a2);
    double sweep = std::fmod(a2 - a1, 360.0);
    if (sweep <= 0)
        sweep += 360;
    const double t1 = a1 * kPi / 180, t2 = (a1 + sweep) * kPi / 180;
    // Counter-clockwise on the sheet is counter-clockwise on the picture too,
    // which in y-down units is the negative sweep direction.
    std::string d = "M" + Num(c.x + r * std::cos(t1)) + " " + Num(Y(0) - (c.y + r * std::sin(t1))) +
                    " A" + Num(r) + " " + Num(r) + " 0 " + (sweep > 180 ? "1" : "0") + " 0 " +
                    Num(c.x + r * std::cos(t2)) + " " + Num(Y(0) - (c.y + r * std::sin(t2)));
    if (pie)
        d += " L" + Num(c.x) + " " + Num(Y(c.y)) + " Z";
    m_body += "<path d=\"" + d + "\"" + stroke + fill + "/>\n";
}

void CSVGDC::Arc(const CRect& box, const CPoint& start, const CPoint& end)
{
    ArcOrPie(box, start, end, false);
}

void CSVGDC::Pie(const CRect& box, const CPoint& start, const CPoint& end)
{
    ArcOrPie(box, start, end, true);
}

void CSVGDC::Ellipse(const CRect& box)
{
    CRect b = box;
    b.NormalizeRect();
    const CPoint c = b.CenterPoint();
    const std::string stroke = m_pen.style == PS_NULL ? " stroke=\"none\"" : Stroke();
    m_body += "<circle cx=\"" + Num(c.x) + "\" cy=\"" + Num(Y(c.y)) + "\" r=\"" +
              Num(b.Width() / 2.0) + "\"" + stroke + Fill() + "/>\n";
}

void CSVGDC::Polygon(const CPoint* points, int count)
{
    if (count < 2)
        return;
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? " " : "") + Num(points[i].x) + "," + Num(Y(points[i].y));
    const std::string stroke = m_pen.style == PS_NULL ? " stroke=\"none\"" : Stroke();
    m_body += "<polygon points=\"" + list + "\"" + stroke + Fill() + "/>\n";
}

void CSVGDC::TextOut(const CPoint& p, const CString& text)
{
    if (text.IsEmpty())
        return;
    // From the left end of the baseline, as the PDF page writes it.
    const int size = FontSize();
    const uint32_t direction = TextDirectionOfEscapement(m_font.lfEscapement);
    const long long width = TextMetrics().TextWidth(text, size, &m_font);
    const auto [dx, dy] = BaselineStartOffset(width, m_align, direction);
    const double x = double(p.x + dx), y = Y(int(p.y + dy));
    const int turn = direction == dir::k90    ? -90
                     : direction == dir::k180 ? 180
                     : direction == dir::k270 ? 90
                                              : 0;
    std::string e = "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" font-family=\"" +
                    FontFamily(m_font.FaceName()) + "\" font-size=\"" + std::to_string(size) +
                    "\" fill=\"" + Color(m_textColor) + "\"";
    if (m_font.lfWeight >= 600)
        e += " font-weight=\"bold\"";
    if (m_font.lfItalic)
        e += " font-style=\"italic\"";
    if (turn)
        e += " transform=\"rotate(" + std::to_string(turn) + " " + Num(x) + " " + Num(y) + ")\"";
    if (width > 0)
        e += " textLength=\"" + std::to_string(width) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    m_body += e + " xml:space=\"preserve\">" + Escaped(ToUtf8(text)) + "</text>\n";
}

std::string CSVGDC::Document() const
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           Num(m_width / 1000.0) + "in\" height=\"" + Num(m_height / 1000.0) +
           "in\" viewBox=\"0 0 " + std::to_string(m_width) + " " + std::to_string(m_height) +
           "\">\n<rect width=\"" + std::to_string(m_width) + "\" height=\"" +
           std::to_string(m_height) + "\" fill=\"#ffffff\"/>\n" + m_body + "</svg>\n";
}

std::string CSVGDC::Document(const CRect& frame, const std::string& fill) const
{
    const int left = std::min(frame.left, frame.right);
    const int high = std::max(frame.top, frame.bottom);
    const int w = std::max(1, std::abs(frame.right - frame.left));
    const int h = std::max(1, std::abs(frame.top - frame.bottom));
    const int top = m_height - high; // y runs downwards in the picture
    // One sheet unit is a thousandth of an inch: 2.54 hundredths of a millimetre.
    const std::string width = Num(w * 2.54 / 100.0 + 0.01) + "mm";
    const std::string height = Num(h * 2.54 / 100.0 + 0.01) + "mm";
    const std::string box = std::to_string(left) + " " + std::to_string(top) + " " +
                            std::to_string(w) + " " + std::to_string(h);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                      width + "\" height=\"" + height + "\" viewBox=\"" + box +
                      "\">\n"
                      "<desc>VIREO</desc>\n";
    if (!fill.empty())
        out += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) +
               "\" width=\"" + std::to_string(w) + "\" height=\"" + std::to_string(h) +
               "\" fill=\"" + fill + "\"/>\n";
    return out + m_body + "</svg>\n";
}
