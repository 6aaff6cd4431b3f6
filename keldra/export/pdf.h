// CPDF: a PDF document of finished pages and the fonts they use.
//
// Pages are numbered as they come (page object, page tree on the first
// page, content stream); WritePDF then numbers the fonts (two objects for a
// single-byte font, three for a Japanese one), the information dictionary
// and the catalog, and builds the whole file in memory: the caller writes it
// out (atomically) only when it is complete.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

#include "base/logfont.h"
#include "base/string.h"
#include "export/pdfpage.h"

class CPDFFont {
public:
    LOGFONT font;
    int no = 0;
};

class CPDF {
public:
    CPDF() { Init(); }

    void Init();
    // Stores the creation time and the three strings as PDF text strings.
    void SetInfo(const CString& title, const CString& subject, const CString& author,
                 std::time_t created = std::time(nullptr));
    void NewPage(const CPDFPage& page);
    // The number of the font matching charset, face, italic flag and weight;
    // a new font when none does.
    int GetFontNo(const LOGFONT& font);
    const std::vector<CPDFFont>& Fonts() const { return m_fonts; }
    int GetPageCount() const { return int(m_pages.size()); }

    // The whole document.
    std::vector<uint8_t> WritePDF() const;

    // "<FEFF...>" with the UTF-16 units of a CP932 text; empty stays empty.
    static std::string ConvShiftStr(const CString& text);
    // "/" and the face name as a name token: blanks removed, every byte that
    // is not a regular name character written as "#XX"; fallback when empty.
    static std::string NameToken(const CString& face, const CString& fallback);

private:
    int m_last = 0;
    int m_pagesNo = 0;
    std::time_t m_created = 0;
    std::string m_title, m_subject, m_author, m_creator;
    std::vector<int> m_pageNumbers;
    std::vector<CPDFPage> m_pages;
    std::vector<CPDFFont> m_fonts;
};
