// Random edit sequences through the document, then as many undos: the drawing
// must come back item for item, and redo must give the edited drawing again.
// Lists may come back in another order (restored items are appended), so
// drawings are compared as sorted lists of item records.
#include <algorithm>
#include <array>
#include <random>

#include <gtest/gtest.h>

#include "app/vireodoc.h"
#include "apptestenv.h"
#include "base/archive.h"

namespace {

std::string Record(const CItemRef& item)
{
    CSheet one;
    if (item.kind == CItemRef::Part) {
        // Comparing parts sorts their pins; the order of pins is no difference.
        CPart part(*static_cast<const CPart*>(item.item));
        part.SortPin();
        one.NewPart(part);
    } else {
        one.AddItem(item);
    }
    CArchive ar;
    one.SerializeText(ar);
    return std::string(ar.Bytes().begin(), ar.Bytes().end());
}

std::vector<std::string> Canonical(const CSheet& sheet)
{
    std::vector<std::string> items;
    for (const CLine& x : sheet.Wires())
        items.push_back("W" + Record(x));
    for (const CLine& x : sheet.Buses())
        items.push_back("B" + Record(x));
    for (const CLine& x : sheet.Lines())
        items.push_back("L" + Record(x));
    for (const CJunc& x : sheet.Juncs())
        items.push_back("J" + Record(x));
    for (const CPin& x : sheet.Pins())
        items.push_back("P" + Record(x));
    for (const CText& x : sheet.Texts())
        items.push_back("T" + Record(x));
    for (const CArc& x : sheet.Arcs())
        items.push_back("A" + Record(x));
    for (const CPart& x : sheet.Parts())
        items.push_back("R" + Record(x));
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items.size(), sheet.GetItemCount());
    return items;
}

class EditFuzzer {
public:
    EditFuzzer(CVIREODoc& doc, unsigned seed) : m_doc(doc), m_rng(seed) {}

    CPoint Point() { return CPoint(Int(0, 40) * 50, Int(0, 40) * 50); }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    void AddRandomItem(CSheet& s)
    {
        switch (Int(0, 7)) {
        case 0:
            s.NewWire(Point(), Point());
            break;
        case 1:
            s.NewBus(Point(), Point());
            break;
        case 2:
            s.NewLine(Point(), Point());
            break;
        case 3:
            s.NewJunc(Point());
            break;
        case 4:
            s.NewText(Int(0, 3) == 0 ? "Name" : ("T" + std::to_string(Int(0, 99))).c_str(), Point(),
                      70, 0);
            break;
        case 5:
            s.NewArc(Point(), unsigned(Int(1, 10) * 50), 0, 90 * Int(0, 3), 0, 8);
            break;
        case 6: {
            const CPoint p = Point();
            s.NewPin(p, p + CPoint(200, 0), 0);
            break;
        }
        default: {
            const CPoint p = Point();
            CPart part(p, p, p + CPoint(400, 300), 0, 0, 0, 0);
            part.SetRefName(CString::Formatted("U%d", Int(1, 9)), p + CPoint(0, 350),
                            CText::kDefaultAttr);
            part.SetPartName("74HC00", p + CPoint(0, -100), CText::kDefaultAttr);
            part.NewPin(p, p + CPoint(-200, 0), 0);
            part.NewLine(p, p + CPoint(400, 0), 1);
            part.CalcBoundRect(1);
            s.NewPart(part);
        }
        }
    }

    // A copy of some items of the drawing (at least one when it has any).
    void Pick(CSheet& picked)
    {
        std::vector<CItemRef> all;
        const CSheet& m = m_doc.MainSheet();
        for (const CLine& x : m.Wires())
            all.push_back(x);
        for (const CLine& x : m.Buses())
            all.push_back(x);
        for (const CLine& x : m.Lines())
            all.push_back(x);
        for (const CJunc& x : m.Juncs())
            all.push_back(x);
        for (const CPin& x : m.Pins())
            all.push_back(x);
        for (const CText& x : m.Texts())
            all.push_back(x);
        for (const CArc& x : m.Arcs())
            all.push_back(x);
        for (const CPart& x : m.Parts())
            all.push_back(x);
        std::shuffle(all.begin(), all.end(), m_rng);
        const int n = all.empty() ? 0 : Int(1, std::min<int>(3, int(all.size())));
        for (int i = 0; i < n; ++i)
            picked.AddItem(all[size_t(i)]);
    }

    void SelectAll(const CSheet& items)
    {
        CSheet copy;
        copy += items;
        for (const CLine& x : copy.Wires())
            m_doc.SelectItem(x);
        for (const CLine& x : copy.Buses())
            m_doc.SelectItem(x);
        for (const CLine& x : copy.Lines())
            m_doc.SelectItem(x);
        for (const CJunc& x : copy.Juncs())
            m_doc.SelectItem(x);
        for (const CPin& x : copy.Pins())
            m_doc.SelectItem(x);
        for (const CText& x : copy.Texts())
            m_doc.SelectItem(x);
        for (const CArc& x : copy.Arcs())
            m_doc.SelectItem(x);
        for (const CPart& x : copy.Parts())
            m_doc.SelectItem(x);
    }

    // How many edits of each kind were done.
    std::array<int, 8> done{};

    // One recorded edit; false when the drawing offered nothing to do it on.
    bool Edit()
    {
        const int op = Int(0, 7);
        const bool ok = EditOf(op);
        done[size_t(op)] += ok;
        return ok;
    }

    bool EditOf(int op)
    {
        if (op == 0 || m_doc.MainSheet().GetItemCount() == 0) {
            CSheet added;
            for (int n = Int(1, 3); n > 0; --n)
                AddRandomItem(added);
            m_doc.AddItems(added);
            return true;
        }
        CSheet old;
        Pick(old);
        CSheet changed;
        changed += old;
        switch (op) {
        case 1:
            m_doc.RemoveItems(old);
            return true;
        case 2:
            changed.OffsetItem(CPoint(Int(-4, 4) * 50, Int(-4, 4) * 50), true);
            break;
        case 3:
            changed.Rotate(old.GetBoundingRect().CenterPoint(), 1);
            break;
        case 4: {
            if (changed.Texts().IsEmpty())
                return false;
            changed.Texts().GetHead()->SetName(CString::Formatted("E%d", Int(0, 999)));
            break;
        }
        case 5: {
            // Make Part from plain lines, pins and texts, one of them "Name".
            CSheet sel;
            for (const CLine& x : m_doc.MainSheet().Lines())
                sel.NewLine(x);
            for (const CPin& x : m_doc.MainSheet().Pins())
                sel.NewPin(x);
            for (const CText& x : m_doc.MainSheet().Texts())
                sel.NewText(x);
            if (sel.GetItemCount() < 2 || sel.Texts().IsEmpty())
                return false;
            SelectAll(sel);
            const bool made = m_doc.MakePart([](CMakePartInput& in) {
                in.dialog.partName = "MADE";
                in.dialog.reference = "IC?";
                in.dialog.value = "V";
                return true;
            });
            m_doc.ReturnSelection();
            return made;
        }
        case 6:
        case 7: {
            if (m_doc.MainSheet().Parts().IsEmpty())
                return false;
            CSheet parts;
            parts.NewPart(*m_doc.MainSheet().GetHeadPart());
            SelectAll(parts);
            const bool done = op == 6 ? m_doc.DecomposeParts() : m_doc.ResetPartReference();
            m_doc.ReturnSelection();
            return done;
        }
        }
        m_doc.ChangeItems(old, changed);
        return true;
    }

private:
    CVIREODoc& m_doc;
    std::mt19937 m_rng;
};

} // namespace

TEST(UndoProperty, RandomEditsUndoToTheStartAndRedoToTheEnd)
{
    CAppTestEnv env;
    std::array<int, 8> done{};
    for (unsigned seed = 1; seed <= 60; ++seed) {
        CVIREODoc doc;
        EditFuzzer fuzz(doc, seed);
        CSheet start;
        for (int i = 0; i < 8; ++i)
            fuzz.AddRandomItem(start);
        doc.AddToMainSheet(start, false);
        const std::vector<std::string> original = Canonical(doc.MainSheet());

        int edits = 0;
        for (int tries = 0; tries < 40 && edits < 12; ++tries)
            edits += fuzz.Edit() ? 1 : 0;
        const std::vector<std::string> edited = Canonical(doc.MainSheet());

        for (int i = 0; i < edits; ++i)
            ASSERT_TRUE(doc.Undo()) << "seed " << seed << " undo " << i;
        EXPECT_FALSE(doc.Undo());
        ASSERT_EQ(Canonical(doc.MainSheet()), original) << "seed " << seed;

        for (int i = 0; i < edits; ++i)
            ASSERT_TRUE(doc.Redo()) << "seed " << seed << " redo " << i;
        EXPECT_FALSE(doc.Redo());
        ASSERT_EQ(Canonical(doc.MainSheet()), edited) << "seed " << seed;
        EXPECT_EQ(doc.History().RedoStore().GetItemCount(), 0u);
        for (size_t k = 0; k < done.size(); ++k)
            done[k] += fuzz.done[k];
    }
    // Every kind of edit took part: add, delete, move, rotate, edit text,
    // make part, decompose, reset references.
    for (size_t k = 0; k < done.size(); ++k)
        EXPECT_GT(done[k], 0) << "edit kind " << k;
}

TEST(UndoHistory, RecordLayoutAndUpdateRectangle)
{
    CAppTestEnv env;
    CVIREODoc doc;
    CSheet items;
    items.NewWire(CPoint(0, 0), CPoint(100, 0));
    items.NewBus(CPoint(0, 100), CPoint(100, 100));
    items.NewLine(CPoint(0, 200), CPoint(100, 200));
    items.NewJunc(CPoint(100, 0));
    items.NewText("A", CPoint(500, 500), 70, 0);
    doc.AddItems(items);
    // Nine counts, 9, kind: wires, buses, lines, pins, parts, arcs, juncs, texts, total.
    const std::vector<uint32_t> expected = {1, 1, 1, 0, 0, 0, 1, 1, 5, 9, 1};
    EXPECT_EQ(doc.History().UndoRecords(), expected);

    // A change pushes two records and one Undo reverts both.
    CSheet moved;
    moved += items;
    moved.OffsetItem(CPoint(1000, 0), true);
    doc.ChangeItems(items, moved);
    EXPECT_EQ(doc.History().UndoDepth(), 33);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.History().UndoDepth(), 11);
    // The redraw area covers the old and the new place.
    EXPECT_EQ(doc.UpdateRect(), items.GetBoundingRect() | moved.GetBoundingRect());
    EXPECT_EQ(doc.ReselectSheet().GetItemCount(), 5u);
    // Undo is refused while something is selected.
    doc.SelectItem(*doc.MainSheet().GetHeadText());
    EXPECT_FALSE(doc.Undo());
    EXPECT_FALSE(doc.CommandEnables(ViewActivity::Selecting, true).undo);
}

TEST(UndoHistory, ResetReferenceRecordsOnlyTheChangedParts)
{
    CAppTestEnv env;
    CVIREODoc doc;
    CSheet parts;
    for (const char* ref : {"U1", "U?", "R7"}) {
        CPart part(CPoint(0, 0), CPoint(0, 0), CPoint(100, 100), 0, 0, 0, 0);
        part.SetRefName(ref);
        parts.NewPart(part);
    }
    doc.AddToMainSheet(parts, false);
    for (const CPart& p : parts.Parts())
        doc.SelectItem(p);
    EXPECT_TRUE(doc.CommandEnables(ViewActivity::Selecting, true).resetReference);
    ASSERT_TRUE(doc.ResetPartReference());
    std::vector<std::string> refs;
    for (const CPart& p : doc.MainSheet().Parts())
        refs.push_back(p.GetRefName().str());
    std::sort(refs.begin(), refs.end());
    EXPECT_EQ(refs, (std::vector<std::string>{"R?", "U?", "U?"}));
    // Kind 3 and kind 4 each hold the two numbered parts, not the third.
    const auto& r = doc.History().UndoRecords();
    ASSERT_EQ(r.size(), 22u);
    EXPECT_EQ(r[4], 2u);
    EXPECT_EQ(r[10], 3u);
    EXPECT_EQ(r[15], 2u);
    EXPECT_EQ(r[21], 4u);
    ASSERT_TRUE(doc.Undo());
    refs.clear();
    for (const CPart& p : doc.MainSheet().Parts())
        refs.push_back(p.GetRefName().str());
    std::sort(refs.begin(), refs.end());
    EXPECT_EQ(refs, (std::vector<std::string>{"R7", "U1", "U?"}));
}
