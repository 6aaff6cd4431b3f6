#include "app/edit/clipboardcommands.h"

#include <cctype>
#include <string_view>

#include "app/edit/editengine.h"
#include "app/edit/selectionedits.h"
#include "app/vireodoc.h"
#include "base/archive.h"
#include "base/codepage.h"
#include "base/exception.h"
#include "base/host.h"
#include "sheet/sheet.h"

std::string CClipboardCommands::SheetText(const CSheet& sheet)
{
    CArchive ar;
    // Storing only reads the items.
    const_cast<CSheet&>(sheet).SerializeText(ar);
    const std::vector<uint8_t>& bytes = ar.Bytes();
    return std::string(bytes.begin(), bytes.end());
}

namespace {

// A record line of the text form: one of its keywords in any case after
// leading blanks.
bool IsRecordLine(std::string_view line)
{
    static const char* const kKeywords[] = {"line ", "junc ", "partend",  "part ", "pin ",
                                            "name ", "ref ",  "val ",     "no ",   "arc ",
                                            "text ", "font ", "netindex "};
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    for (const char* k : kKeywords) {
        const std::string_view key(k);
        if (line.size() < key.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < key.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(line[i])) == key[i];
        if (same)
            return true;
    }
    return false;
}

} // namespace

size_t CClipboardCommands::PlainLines(const std::string& text)
{
    size_t count = 0;
    bool records = true;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (records && !IsRecordLine(line))
            records = false;
        if (!records && !line.empty())
            ++count;
        start = end + 1;
    }
    return count;
}

bool CClipboardCommands::ReadSheetText(const std::string& text, CSheet& items)
{
    items.DeleteContents();
    if (text.empty() || text.size() > kMaxText || PlainLines(text) > kMaxPlainLines)
        return false;
    try {
        CArchive ar(reinterpret_cast<const uint8_t*>(text.data()), text.size());
        items.SerializeText(ar);
    } catch (const CException&) {
        items.DeleteContents();
        return false;
    }
    return items.GetItemCount() != 0;
}

bool CClipboardCommands::CanCutOrCopy() const
{
    const int s = m_e.State();
    return m_e.Selection().GetItemCount() != 0 &&
           (s == editstate::kMovePending || s == editstate::kCopyPending ||
            s == editcmd::kMoveAttribute || s == editstate::kIdle);
}

bool CClipboardCommands::CanPaste() const
{
    return m_e.State() != editcmd::kMakePart && !m_e.InputInProgress() &&
           const_cast<CEditEngine&>(m_e).Host().ClipboardHasText();
}

void CClipboardCommands::Cut()
{
    if (!CanCutOrCopy())
        return;
    // What goes is what was taken from the drawing (Erase removes the
    // reselect copy), so that is what the clipboard gets too.
    const bool resting = m_e.Edits().IsResting();
    CVIREODoc& doc = m_e.Doc();
    m_e.Host().SetClipboardText(SheetText(resting ? doc.SelectionSheet() : doc.ReselectSheet()));
    m_e.Edits().Erase();
}

void CClipboardCommands::Copy()
{
    if (!CanCutOrCopy())
        return;
    m_e.Host().SetClipboardText(SheetText(m_e.Selection()));
    // The selection goes back where the history has it.
    m_e.Command(editcmd::kCancel);
}

void CClipboardCommands::Paste()
{
    if (!CanPaste())
        return;
    const std::string text = m_e.Host().ClipboardText();
    if (text.size() > kMaxText || PlainLines(text) > kMaxPlainLines) {
        Host().Message(FromUtf8("クリップボードの文字列が大きすぎます"));
        return;
    }
    CSheet items;
    if (!ReadSheetText(text, items))
        return; // nothing to paste changes nothing
    // A selection goes back into the drawing first: emptying it would lose
    // the items it took out of the drawing.
    m_e.Finish();
    CVIREODoc& doc = m_e.Doc();
    doc.SelectionSheet() += items;
    const CPoint pivot = m_e.Snap(items.GetBoundingRect().CenterPoint());
    m_e.Edits().StartPaste(pivot);
    m_e.Host().MoveCursor(pivot);
}
