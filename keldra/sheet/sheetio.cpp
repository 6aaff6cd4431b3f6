// The stored forms of a whole sheet: the binary sheet record of schematic
// files, clipboard and undo stores, and the plain text form.
//
// Binary sheet record: sheet type, item count, then eight counted lists in a
// fixed order (wires, buses, plain lines, junctions, pins, texts, arcs,
// parts) and a closing 0.  Each item writes and reads its own record; the
// sheet only decides where a record read goes (a line goes to the list its
// type word selects, whatever list it was written from) and which records are
// dropped (empty free texts).
//
// Text form: one record per line ("Line ...", "Pin ...", "Part ..." up to
// "PartEnd", ...), some followed by the lines of their texts ("Name ", "No ",
// "Ref ", "Val ", "NetIndex ", "Font ").  The reader keeps a current part, a
// current line or pin and the text read last, and hands each text line to
// whichever of them it belongs to.  The first line that is not a record ends
// the records: from there on every line is a free text, stacked downwards, so
// that any text file can be read in.
//
// Both readers take stored data as hostile: counts are checked against the
// bytes left before anything is read (CArchive::ReadCount), and the items
// reject or clamp coordinates that no drawing can have.

#include <memory>
#include <vector>

#include "base/archive.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "sheet/sheet.h"

// --- binary sheet record -----------------------------------------------------------------------

namespace {

template <class T> void WriteList(CArchive& ar, const CItemList<T>& list)
{
    ar << int32_t(list.GetCount());
    for (const T& item : list)
        item.DataWrite(ar);
}

} // namespace

void CSheet::DataWrite(CArchive& ar) const
{
    // The count field is informational (readers skip it); write the number of
    // items actually stored.
    const uint32_t items =
        uint32_t(m_wires.GetCount() + m_buses.GetCount() + m_lines.GetCount() + m_juncs.GetCount() +
                 m_pins.GetCount() + m_texts.GetCount() + m_arcs.GetCount() + m_parts.GetCount());
    ar << int32_t(m_type) << items;
    WriteList(ar, m_wires);
    WriteList(ar, m_buses);
    WriteList(ar, m_lines);
    WriteList(ar, m_juncs);
    WriteList(ar, m_pins);
    WriteList(ar, m_texts);
    WriteList(ar, m_arcs);
    ar << int32_t(m_parts.GetCount());
    for (const CPart& part : m_parts)
        part.DataWrite(ar);
    ar << int32_t(0);
}

void CSheet::DataRead(CArchive& ar, int version)
{
    // The items read are counted from 0 and the count the sheet had is added
    // back at the end, also when the read fails half-way, so that the count
    // always matches the lists.
    const uint32_t previous = m_count;
    m_count = 0;
    struct Restore {
        uint32_t& count;
        uint32_t previous;
        ~Restore() { count += previous; }
    } restore{m_count, previous};

    m_type = ar.ReadInt();
    ar.ReadInt(); // item count when written

    // Three line lists; every record goes to the list its own type selects.
    for (int list = 0; list < 3; ++list) {
        for (int32_t n = ar.ReadCount(CLine::kMinStoredSize); n > 0; --n) {
            CLine line;
            line.DataRead(ar, version);
            NewLine(line);
        }
    }
    for (int32_t n = ar.ReadCount(CJunc::kMinStoredSize); n > 0; --n) {
        CJunc junc;
        junc.DataRead(ar);
        NewJunc(junc);
    }
    for (int32_t n = ar.ReadCount(CPin::kMinStoredSize); n > 0; --n) {
        CPin pin;
        pin.DataRead(ar, version);
        NewPin(pin);
    }
    for (int32_t n = ar.ReadCount(CText::kMinStoredSize); n > 0; --n) {
        CText text;
        text.DataRead(ar, version);
        if (!text.IsEmpty())
            NewText(text);
    }
    for (int32_t n = ar.ReadCount(CArc::kMinStoredSize); n > 0; --n) {
        CArc arc;
        arc.DataRead(ar, version);
        NewArc(arc);
    }
    for (int32_t n = ar.ReadCount(CPart::kMinStoredSize); n > 0; --n) {
        // Read in place of its list entry: a part is big, and a copy of each
        // would cost as much as reading it.
        auto part = std::make_unique<CPart>();
        // CPart reads its pins with the file version on purpose (see there).
        part->DataRead(ar, true, version);
        MarkOpenPinsStale();
        m_parts.AddTail(std::move(part));
        ++m_count;
    }
    if (version > 7)
        ar.ReadInt();

    // Outlines are never trusted from a file.
    for (CPart& part : m_parts)
        part.CalcBoundRect();
}

// --- text form ---------------------------------------------------------------------------------

namespace {

// True when line (leading blanks already removed) starts with keyword,
// ignoring case.  A match means the compared bytes are all ASCII, so no
// double-byte character can be split or mistaken here.
bool IsKeyword(const CString& line, const CString& keyword)
{
    return line.GetLength() >= keyword.GetLength() &&
           line.Left(keyword.GetLength()).CompareNoCase(keyword) == 0;
}

// The distance between two stacked texts: the grid repeated until it reaches
// at least the text size (one grid at the least).
int StackStep(int grid, int size)
{
    if (grid <= 0)
        grid = 1;
    int64_t step = grid;
    if (size > grid)
        step = (int64_t(size) + grid - 1) / grid * grid;
    return ClampCoord(step);
}

} // namespace

void CSheet::SerializeText(CArchive& ar)
{
    if (ar.IsStoring()) {
        for (const CLine& line : m_wires)
            line.SerializeText(ar);
        for (const CLine& line : m_buses)
            line.SerializeText(ar);
        for (const CLine& line : m_lines)
            line.SerializeText(ar);
        for (const CJunc& junc : m_juncs)
            junc.SerializeText(ar);
        for (const CPin& pin : m_pins)
            pin.SerializeText(ar);
        for (const CText& text : m_texts)
            text.SerializeText(ar, "Text ");
        for (const CArc& arc : m_arcs)
            arc.SerializeText(ar);
        for (const CPart& part : m_parts)
            part.SerializeText(ar);
        return;
    }

    // No line can be longer than the whole input.
    std::vector<char> buffer(ar.Remaining() + 1);
    bool end = false;
    bool records = true;

    CPart* part = nullptr;     // the part the records go into, until "PartEnd"
    CLine* line = nullptr;     // the current line, for "Name " and "NetIndex "
    CPin* pin = nullptr;       // the current pin, for "Name " and "No "
    CText* lastText = nullptr; // the text read last, for "Font "

    // Plain lines become free texts stacked downwards.
    const int textSize =
        ClampCoord(Profile().GetInt("Default", "Text Height", CText::kDefaultSize));
    const int grid = Profile().GetInt("Sheet", "MainGrid", 100);
    CPoint stack(0, 0);
    int lastStep = 0;

    // Sets a text from a record line; the text becomes the one "Font " refers to.
    auto setText = [&](CText* text, const CString& record) {
        lastText = text;
        if (text)
            text->SetName(record);
    };

    while (SerazileSub(ar, buffer.data(), end) > 0) {
        const CString raw(buffer.data());
        if (records) {
            CString s = raw;
            s.TrimLeft();
            if (IsKeyword(s, "Line ")) {
                CLine item;
                item.ReadTextRecord(s);
                item.SetCheck(1);
                line = part ? part->NewLine(item) : NewLine(item);
                pin = nullptr;
            } else if (IsKeyword(s, "Junc ")) {
                CJunc item;
                item.ReadTextRecord(s);
                NewJunc(item);
            } else if (IsKeyword(s, "PartEnd")) {
                part = nullptr;
                line = nullptr;
                pin = nullptr;
            } else if (IsKeyword(s, "Part ")) {
                CPart item;
                item.ReadTextRecord(s);
                part = NewPart(item);
                line = nullptr;
                pin = nullptr;
            } else if (IsKeyword(s, "Pin ")) {
                CPin item;
                item.ReadTextRecord(s);
                pin = part ? part->NewPin(item) : NewPin(item);
                line = nullptr;
            } else if (IsKeyword(s, "Name ")) {
                if (line)
                    setText(&line->GetNameText(), s);
                else if (pin)
                    setText(&pin->GetNameText(), s);
                else
                    setText(part ? &part->GetPartNameText() : nullptr, s);
            } else if (IsKeyword(s, "Ref ")) {
                setText(part ? &part->GetRefNameText() : nullptr, s);
            } else if (IsKeyword(s, "Val ")) {
                setText(part ? &part->GetValNameText() : nullptr, s);
            } else if (IsKeyword(s, "No ")) {
                setText(pin ? &pin->GetNoText() : nullptr, s);
            } else if (IsKeyword(s, "NetIndex ")) {
                setText(line ? &line->GetCrossNameText() : nullptr, s);
            } else if (IsKeyword(s, "Arc ")) {
                CArc item;
                item.ReadTextRecord(s);
                if (part)
                    part->NewArc(item);
                else
                    NewArc(item);
            } else if (IsKeyword(s, "Text ")) {
                CText item;
                item.SetName(s);
                if (item.IsEmpty()) {
                    lastText = nullptr;
                } else if (part) {
                    lastText = part->NewText(item);
                } else {
                    item.Disp(true);
                    lastText = NewText(item);
                }
            } else if (IsKeyword(s, "Font ")) {
                if (lastText)
                    lastText->ReadFontRecord(s);
            } else {
                records = false;
            }
            if (records)
                continue;
        }
        if (raw.IsEmpty()) {
            stack.y = ClampCoord(int64_t(stack.y) - lastStep);
            continue;
        }
        NewText(raw.c_str(), stack, textSize, 0);
        lastStep = StackStep(grid, textSize);
        stack.y = ClampCoord(int64_t(stack.y) - lastStep);
    }

    // Outlines are never trusted from a file, in this form either.
    for (CPart& item : m_parts)
        item.CalcBoundRect();
}

int CSheet::SerazileSub(CArchive& ar, char* buffer, bool& end)
{
    if (end)
        return 0;
    int n = 0;
    for (;;) {
        const int c = ar.ReadByte();
        if (c <= 0) { // a NUL byte or the end of the input
            end = true;
            break;
        }
        if (c == '\n')
            break;
        if (c == '\r') {
            // CR LF is one line end.  A lone CR ends the line too, but the
            // byte after it belongs to the next line and is kept.
            if (ar.PeekByte() == '\n')
                ar.ReadByte();
            break;
        }
        buffer[n++] = char(c);
    }
    buffer[n] = '\0';
    if (end && n == 0)
        return 0;
    return n + 1;
}

// --- undo support ------------------------------------------------------------------------------

namespace {

// Moves up to n items from the tail of list into dest, last item first.
template <class T, class Add> void MoveTail(CItemList<T>& list, int n, Add add)
{
    for (; n > 0 && !list.IsEmpty(); --n) {
        add(*list.GetTail());
        list.RemoveAt(list.GetTailPosition());
    }
}

} // namespace

void CSheet::GetItemTail(const int counts[9], CSheet& dest)
{
    // The caller's own count of what it takes; never below zero.
    const int64_t count = int64_t(m_count) - counts[0];
    m_count = count < 0 ? 0 : count > int64_t(UINT32_MAX) ? UINT32_MAX : uint32_t(count);
    MoveTail(m_texts, counts[1], [&](const CText& x) { dest.NewText(x); });
    MoveTail(m_juncs, counts[2], [&](const CJunc& x) { dest.NewJunc(x); });
    MoveTail(m_arcs, counts[3], [&](const CArc& x) { dest.NewArc(x); });
    MoveTail(m_parts, counts[4], [&](const CPart& x) { dest.NewPart(x); });
    MoveTail(m_pins, counts[5], [&](const CPin& x) { dest.NewPin(x); });
    MoveTail(m_lines, counts[6], [&](const CLine& x) { dest.NewLine(x); });
    MoveTail(m_buses, counts[7], [&](const CLine& x) { dest.NewLine(x); });
    MoveTail(m_wires, counts[8], [&](const CLine& x) { dest.NewLine(x); });
}
