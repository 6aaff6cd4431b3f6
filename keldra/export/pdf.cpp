#include "export/pdf.h"

#include <cstdio>
#include <stdexcept>

#include <zlib.h>

#include "base/clock.h"
#include "base/codepage.h"
#include "base/textmetrics.h"
#include "export/drawcontext.h"

namespace {

// Object offsets are collected while the bytes are appended.
class CPdfWriter {
public:
    void Put(const std::string& s) { m_out.insert(m_out.end(), s.begin(), s.end()); }
    void Put(const std::vector<uint8_t>& b) { m_out.insert(m_out.end(), b.begin(), b.end()); }
    void Begin(int number)
    {
        if (number >= int(m_offsets.size()))
            m_offsets.resize(size_t(number) + 1, -1);
        m_offsets[size_t(number)] = int64_t(m_out.size());
        Put(std::to_string(number) + " 0 obj\n<<\n");
    }
    void End() { Put(">>\nendobj\n"); }
    size_t Size() const { return m_out.size(); }
    const std::vector<int64_t>& Offsets() const { return m_offsets; }
    std::vector<uint8_t>& Bytes() { return m_out; }

private:
    std::vector<uint8_t> m_out;
    std::vector<int64_t> m_offsets;
};

std::string Ref(int n)
{
    return std::to_string(n) + " 0 R";
}

std::vector<uint8_t> Deflate(const std::string& data)
{
    uLongf size = compressBound(uLong(data.size()));
    std::vector<uint8_t> out(size);
    if (compress2(out.data(), &size, reinterpret_cast<const Bytef*>(data.data()),
                  uLong(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress a page");
    out.resize(size);
    return out;
}

bool IsJapanese(const LOGFONT& f)
{
    return f.lfCharSet == SHIFTJIS_CHARSET;
}

// The style of a single-byte face as readers name it after a comma
// ("Arial,Bold"): they then take the bold or italic member of the family.
std::string StyleSuffix(const LOGFONT& f)
{
    const bool bold = f.lfWeight >= 600, italic = f.lfItalic != 0;
    return bold && italic ? ",BoldItalic" : bold ? ",Bold" : italic ? ",Italic" : "";
}

// Built-in metrics in 1/1000 em (see CTextMetrics).
constexpr int kAscent = 905, kDescent = 212, kLeading = 117;

} // namespace

void CPDF::Init()
{
    m_last = 0;
    m_pagesNo = 0;
    m_created = 0;
    m_title.clear();
    m_subject.clear();
    m_author.clear();
    m_creator = "(Tarnell)";
    m_pageNumbers.clear();
    m_pages.clear();
    m_fonts.clear();
}

void CPDF::SetInfo(const CString& title, const CString& subject, const CString& author,
                   std::time_t created)
{
    m_created = created;
    m_title = ConvShiftStr(title);
    m_subject = ConvShiftStr(subject);
    m_author = ConvShiftStr(author);
    m_creator = "(Tarnell)";
}

void CPDF::NewPage(const CPDFPage& page)
{
    m_pageNumbers.push_back(++m_last);
    if (m_pagesNo == 0)
        m_pagesNo = ++m_last;
    m_pages.push_back(page);
    m_pages.back().SetObjNo(++m_last);
}

int CPDF::GetFontNo(const LOGFONT& font)
{
    for (const CPDFFont& f : m_fonts)
        if (f.font.lfCharSet == font.lfCharSet && f.font.FaceName() == font.FaceName() &&
            f.font.lfItalic == font.lfItalic && f.font.lfWeight == font.lfWeight)
            return f.no;
    CPDFFont f;
    f.font = font;
    f.no = int(m_fonts.size());
    m_fonts.push_back(f);
    return f.no;
}

std::string CPDF::ConvShiftStr(const CString& text)
{
    if (text.IsEmpty())
        return std::string();
    std::string out = "<FEFF";
    char hex[5];
    for (char16_t unit : Cp932ToUtf16(text.str())) {
        std::snprintf(hex, sizeof hex, "%04X", unsigned(unit));
        out += hex;
    }
    return out + ">";
}

std::string CPDF::NameToken(const CString& face, const CString& fallback)
{
    CString name = face;
    name.Remove(' ');
    if (name.IsEmpty())
        name = fallback;
    std::string out = "/";
    char hex[4];
    for (unsigned char c : name.str()) {
        const bool delimiter = std::string("()<>[]{}/%#").find(char(c)) != std::string::npos;
        if (c < 0x21 || c > 0x7E || delimiter) {
            std::snprintf(hex, sizeof hex, "#%02X", c);
            out += hex;
        } else {
            out += char(c);
        }
    }
    return out;
}

std::vector<uint8_t> CPDF::WritePDF() const
{
    CPdfWriter w;
    w.Put("%PDF-1.2 \n");

    // Font numbers follow the pages.
    int last = m_last;
    std::vector<int> fontNumbers;
    for (const CPDFFont& f : m_fonts) {
        fontNumbers.push_back(last + 1);
        last += IsJapanese(f.font) ? 3 : 2;
    }
    const int infoNo = ++last;
    const int rootNo = ++last;

    std::string resources = "/Resources << /Font << ";
    for (size_t i = 0; i < m_fonts.size(); ++i)
        resources += "/F" + std::to_string(m_fonts[i].no) + " " + Ref(fontNumbers[i]) + " ";
    resources += ">> /ProcSet [/PDF /Text] >>\n";

    for (size_t i = 0; i < m_pages.size(); ++i) {
        const CPDFPage& page = m_pages[i];
        int width, height;
        CPDFPage::PageSizePoints(page.GetPageSize(), width, height);
        w.Begin(m_pageNumbers[i]);
        w.Put("/Type /Page\n/Parent " + Ref(m_pagesNo) + "\n" + resources);
        w.Put("/MediaBox [0 0 " + std::to_string(width) + " " + std::to_string(height) + " ]\n");
        w.Put("/Contents " + Ref(page.GetObjNo()) + "\n");
        w.End();

        const std::vector<uint8_t> packed = Deflate(page.GetStream());
        w.Begin(page.GetObjNo());
        w.Put("/Length " + std::to_string(packed.size()) + " /Filter /FlateDecode >>\nstream\n");
        w.Put(packed);
        w.Put("\nendstream\nendobj\n");
    }

    for (size_t i = 0; i < m_fonts.size(); ++i) {
        const LOGFONT& f = m_fonts[i].font;
        const int n = fontNumbers[i];
        const std::string fontNo = std::to_string(m_fonts[i].no);
        const std::string metrics = "/Ascent " + std::to_string(kAscent) + "\n/Descent -" +
                                    std::to_string(kDescent) + "\n/Leading " +
                                    std::to_string(kLeading) + "\n";
        if (!IsJapanese(f)) {
            const std::string name = NameToken(f.FaceName(), "Arial") + StyleSuffix(f);
            w.Begin(n);
            w.Put("/Type /Font\n/Subtype /TrueType\n/Encoding /WinAnsiEncoding\n/FirstChar "
                  "32\n/LastChar 255\n");
            w.Put("/BaseFont " + name + "\n/Name /F" + fontNo + "\n/Widths [\n");
            std::string widths;
            for (int c = 32; c <= 255; ++c) {
                widths +=
                    std::to_string(CTextMetrics::CharWidth(static_cast<unsigned char>(c))) + " ";
                if (c % 16 == 15)
                    widths += "\n";
            }
            w.Put(widths + "]\n/FontDescriptor " + Ref(n + 1) + "\n");
            w.End();
            w.Begin(n + 1);
            w.Put("/Type /FontDescriptor\n/Subtype /TrueType\n/Encoding /WinAnsiEncoding\n/Flags " +
                  std::to_string(f.lfItalic ? 32 + 64 : 32) + "\n");
            w.Put("/FontBBox [ -250 -212 1205 1000 ]\n/MissingWidth 275\n/FontName " + name + "\n");
            w.Put("/StemV 80\n/StemH 80\n/ItalicAngle " + std::string(f.lfItalic ? "-12" : "0") +
                  "\n/CapHeight " + std::to_string(kAscent) + "\n" + metrics +
                  "/MaxWidth 1004\n/AvgWidth 441\n");
            w.End();
        } else {
            const CString face = f.FaceName();
            const std::string name = NameToken(face, DefaultJapaneseFace());
            // The fixed-pitch CMap sets single-byte characters half an em wide
            // (CIDs 231..389 below); the proportional one maps ASCII to CIDs
            // 1..95, which get the widths of the standard sans face.
            const bool fixed = !CTextMetrics::IsProportionalFace(f);
            const bool vertical = !face.IsEmpty() && face[0] == '@';
            w.Begin(n);
            w.Put("/Type /Font\n/Subtype /Type0\n/BaseFont " + name + "\n/Name /F" + fontNo + "\n");
            w.Put("/DescendantFonts [" + Ref(n + 1) + "]\n");
            w.Put(std::string("/Encoding /") + (fixed ? "90ms-RKSJ-" : "90msp-RKSJ-") +
                  (vertical ? "V" : "H") + "\n");
            w.End();
            w.Begin(n + 1);
            w.Put("/Type /Font\n/Subtype /CIDFontType2\n/BaseFont " + name + "\n");
            w.Put("/WinCharSet 128/FontDescriptor " + Ref(n + 2) + "\n");
            w.Put("/CIDSystemInfo\n<<\n/Registry(Adobe)\n/Ordering(Japan1)\n/Supplement 2\n>>\n");
            std::string widths = "/DW 1000\n/W [\n";
            if (!fixed) {
                widths += "1 [";
                for (int c = 0x20; c <= 0x7E; ++c)
                    widths +=
                        std::to_string(CTextMetrics::CharWidth(static_cast<unsigned char>(c))) +
                        (c < 0x7E ? " " : "");
                widths += "]\n";
            }
            w.Put(widths + "231 389 500\n]\n");
            w.End();
            w.Begin(n + 2);
            w.Put("/Type /FontDescriptor\n/FontName " + name +
                  "\n/Flags 7\n/FontBBox [ -100 -141 1100 1000 ]\n");
            w.Put("/MissingWidth 500\n/StemV 91\n/StemH 91\n/ItalicAngle 0\n/CapHeight " +
                  std::to_string(kAscent) + "\n/XHeight 430\n" + metrics +
                  "/MaxWidth 1000\n/AvgWidth 500\n");
            w.End();
        }
    }

    if (m_pagesNo) {
        w.Begin(m_pagesNo);
        std::string kids = "/Type /Pages\n/Kids [";
        for (int n : m_pageNumbers)
            kids += Ref(n) + " ";
        w.Put(kids + "]\n/Count " + std::to_string(m_pageNumbers.size()) +
              "\n/MediaBox [0 0 842 595 ]\n");
        w.End();
    }

    w.Begin(infoNo);
    if (!m_title.empty())
        w.Put("/Title " + m_title + "\n");
    if (!m_subject.empty())
        w.Put("/Subject " + m_subject + "\n");
    if (!m_author.empty())
        w.Put("/Author " + m_author + "\n");
    w.Put("/Creator " + m_creator + "\n/Producer (VIREO to PDF Converter Ver1.00)\n");
    // Japan time whatever the machine's zone: the same input gives the same file.
    const std::tm local = JapanTime(m_created);
    char date[32];
    std::snprintf(date, sizeof date, "%04d%02d%02d%02d%02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    w.Put(std::string("/CreationDate (D:") + date + ")\n");
    w.End();

    w.Begin(rootNo);
    w.Put("/Type /Catalog\n");
    if (m_pagesNo)
        w.Put("/Pages " + Ref(m_pagesNo) + "\n");
    w.End();

    const size_t xref = w.Size();
    std::string table = "xref\n0 " + std::to_string(last + 1) + "\n0000000000 65535 f \n";
    char entry[32];
    for (int n = 1; n <= last; ++n) {
        const int64_t offset = n < int(w.Offsets().size()) ? w.Offsets()[size_t(n)] : -1;
        if (offset >= 0)
            std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", (long long)offset);
        else
            std::snprintf(entry, sizeof entry, "0000000000 65535 f \n");
        table += entry;
    }
    w.Put(table);
    w.Put("trailer\n<<\n/Size " + std::to_string(last + 1) + "\n/Root " + Ref(rootNo) + "\n/Info " +
          Ref(infoNo) + "\n>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");
    return std::move(w.Bytes());
}
