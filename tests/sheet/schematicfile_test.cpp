#include "sheet/schematicfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/archive.h"
#include "base/codepage.h"
#include "base/fileio.h"
#include "base/host.h"
#include "base/memoryprofile.h"
#include "base/profile.h"
#include "items/geometry.h"
#include "sheet/sheet.h"
#include "support/samplefiles.h"

namespace {

class RecordingHost : public CSilentHost {
public:
    explicit RecordingHost(std::vector<CString>& messages) : m_messages(messages) {}
    void Message(const CString& text, Severity) override { m_messages.push_back(text); }

private:
    std::vector<CString>& m_messages;
};

class SchematicFileTest : public ::testing::Test {
protected:
    CScopedProfile profile{std::make_unique<MemoryProfile>()};
};

struct ReadResult {
    CSchematicFile::ReadStatus status;
    CDocumentHeader header;
};

ReadResult ReadInto(const std::vector<uint8_t>& bytes, CSheet& sheet, CSheet* title = nullptr,
                    CDocumentHeader header = CDocumentHeader())
{
    CArchive ar(bytes);
    const CSchematicFile::ReadStatus status = CSchematicFile::Read(ar, header, sheet, title);
    return ReadResult{status, header};
}

const CText* FindText(const CSheet& sheet, const char* s)
{
    for (const CText& t : sheet.Texts())
        if (t.GetName() == s)
            return &t;
    return nullptr;
}

template <class T> std::vector<const T*> Items(const CItemList<T>& list)
{
    std::vector<const T*> v;
    for (const T& item : list)
        v.push_back(&item);
    return v;
}

// The bytes of a v8 file with one wire and the given tail after the wire list
// (buses, lines, ... up to the end).
std::vector<uint8_t> FileWithCountsAfterHeader(const std::vector<int32_t>& ints)
{
    CArchive ar;
    rec::PutHeaderLine(ar, 8);
    rec::PutDocHeader(ar, 8, {}, 1000, 1000, 1, CRect(0, 0, 1000, 1000));
    for (int32_t v : ints)
        ar << v;
    return ar.Bytes();
}

} // namespace

// --- reading files of every version ------------------------------------------------------------

TEST_F(SchematicFileTest, SampleFilesOfEveryVersionReadTheSameDrawing)
{
    for (int version = 3; version <= 8; ++version) {
        SCOPED_TRACE(version);
        CSheet sheet(CSheet::kDrawing);
        const ReadResult r = ReadInto(SampleSchematic(version), sheet);
        ASSERT_EQ(r.status, CSchematicFile::ReadStatus::Ok);
        EXPECT_EQ(r.header.version, version);
        EXPECT_EQ(r.header.width, 16535);
        EXPECT_EQ(r.header.height, 11693);
        EXPECT_EQ(r.header.sizeCode, 1);

        const SampleCounts n = SampleSchematicCounts(version);
        EXPECT_EQ(sheet.Wires().GetCount(), n.wires);
        EXPECT_EQ(sheet.Buses().GetCount(), n.buses);
        EXPECT_EQ(sheet.Lines().GetCount(), n.lines);
        EXPECT_EQ(sheet.Juncs().GetCount(), n.juncs);
        EXPECT_EQ(sheet.Pins().GetCount(), n.pins);
        EXPECT_EQ(sheet.Texts().GetCount(), n.texts);
        EXPECT_EQ(sheet.Arcs().GetCount(), n.arcs);
        EXPECT_EQ(sheet.Parts().GetCount(), n.parts);
        EXPECT_EQ(sheet.GetItemCount(), 13u);
        EXPECT_EQ(sheet.GetSheetType(), CSheet::kDrawing);

        const auto wires = Items(sheet.Wires());
        EXPECT_EQ(wires[0]->GetName(), "CLK");
        EXPECT_EQ(wires[1]->GetType(), CLine::kPower);
        EXPECT_EQ(wires[1]->GetLineWidth(), 16); // from the settings, never stored
        EXPECT_EQ(sheet.GetHeadBus()->GetName(), "D[0..7]");
        EXPECT_EQ(sheet.GetHeadBus()->GetLineWidth(), 24);
        EXPECT_EQ(sheet.GetHeadPin()->GetName(), "IN");
        EXPECT_EQ(sheet.GetHeadPin()->GetElect(), 1u);
        const CArc& arc = *sheet.Arcs().GetHead();
        EXPECT_EQ(arc.GetCenter(), CPoint(7000, 3000));
        EXPECT_EQ(arc.GetRadial(), 500);
        EXPECT_EQ(arc.GetEndAngle(), 90);

        const CPart& part = *sheet.GetHeadPart();
        EXPECT_EQ(part.GetRefName(), "R1");
        EXPECT_EQ(part.GetValName(), "10k");
        EXPECT_EQ(part.GetPinCount(), 2);
        EXPECT_EQ(part.Pins().GetHead()->GetNo(), "1");
        // The plain lines of a part use the oldest layout below version 8.
        ASSERT_EQ(part.Lines().GetCount(), 4);
        EXPECT_EQ(part.Lines().GetTail()->GetStartPoint(), CPoint(2900, 650));
        ASSERT_EQ(part.Texts().GetCount(), 1); // the empty and the tag text are dropped
        EXPECT_EQ(part.Texts().GetHead()->GetName(), "&Footprint&R0805");
        // The stored outline (0,0)-(1,1) is replaced by the computed one.
        CPart recomputed = part;
        recomputed.CalcBoundRect();
        EXPECT_EQ(part.GetCorner1(), recomputed.GetCorner1());
        EXPECT_EQ(part.GetCorner2(), recomputed.GetCorner2());
        EXPECT_NE(part.GetCorner2(), CPoint(1, 1));
    }
}

TEST_F(SchematicFileTest, ItemLayoutsFollowTheFileVersion)
{
    for (int version = 5; version <= 8; ++version) {
        SCOPED_TRACE(version);
        CSheet sheet(CSheet::kDrawing);
        ASSERT_EQ(ReadInto(SampleSchematic(version), sheet).status, CSchematicFile::ReadStatus::Ok);
        // Plain lines carry their text flags (here a label) from version 6.
        const auto lines = Items(sheet.Lines());
        EXPECT_EQ(lines[1]->GetName(), version >= 6 ? "FRAME" : "");
        // ... and their arrows from version 7.
        EXPECT_EQ(lines[0]->GetEndArrow(), version >= 7 ? 100 : 0);
        EXPECT_EQ(lines[0]->GetStyle(), 2);
        // Arcs have arrows from version 8.
        EXPECT_EQ(sheet.Arcs().GetHead()->GetStartArrow(), version >= 8 ? 100 : 0);
        // Own fonts are stored from version 6; an older text with the font bit
        // reads no font bytes, and the records behind it still read right.
        const CText* fonted = FindText(sheet, "Line one\\nLine two");
        ASSERT_NE(fonted, nullptr);
        EXPECT_TRUE(fonted->HasOwnFont());
        EXPECT_EQ(fonted->GetFont().FaceName(), version >= 6 ? "Arial" : "");
        EXPECT_EQ(fonted->GetFont().lfItalic, version >= 6 ? 1 : 0);
        EXPECT_NE(FindText(sheet, "Sample sheet"), nullptr);
    }
}

TEST_F(SchematicFileTest, HeaderFieldsFollowTheFileVersion)
{
    CDocumentHeader before;
    before.properties = {"&Old&Value"};
    before.visibleArea = CRect(1, 2, 3, 4);
    for (int version : {3, 4, 6, 7, 8}) {
        SCOPED_TRACE(version);
        CSheet sheet(CSheet::kDrawing);
        const ReadResult r = ReadInto(SampleSchematic(version), sheet, nullptr, before);
        ASSERT_EQ(r.status, CSchematicFile::ReadStatus::Ok);
        // The property list is in the file from version 7; a drawing sheet's
        // read replaces the list either way.
        if (version >= 7) {
            ASSERT_EQ(r.header.properties.size(), 2u);
            EXPECT_EQ(r.header.properties[0], "&Author&Sample Author");
        } else {
            EXPECT_TRUE(r.header.properties.empty());
        }
        // The visible area is in the file from version 4; older files show the whole sheet.
        EXPECT_EQ(r.header.visibleArea,
                  version >= 4 ? CRect(100, 200, 8000, 6000) : CRect(0, 0, 16535, 11693));
    }
}

TEST_F(SchematicFileTest, TargetKeepsItsTypeAndTakesTheHeaderByType)
{
    CDocumentHeader before;
    before.version = 5;
    before.properties = {"&Keep&Me"};
    before.visibleArea = CRect(1, 2, 3, 4);

    // The file's sheet type is 0; a title sheet stays a title sheet, keeps
    // the document's properties, visible area and version, but takes the size.
    CSheet title(CSheet::kTitle);
    ReadResult r = ReadInto(SampleSchematic(7), title, nullptr, before);
    ASSERT_EQ(r.status, CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(title.GetSheetType(), CSheet::kTitle);
    EXPECT_EQ(r.header.properties, before.properties);
    EXPECT_EQ(r.header.visibleArea, before.visibleArea);
    EXPECT_EQ(r.header.version, 5);
    EXPECT_EQ(r.header.width, 16535);
    EXPECT_EQ(title.Wires().GetCount(), 3); // read with the file's version all the same

    // A selection sheet takes the properties but not the visible area.
    CSheet selection(CSheet::kSelection);
    r = ReadInto(SampleSchematic(7), selection, nullptr, before);
    EXPECT_EQ(selection.GetSheetType(), CSheet::kSelection);
    EXPECT_EQ(r.header.properties.size(), 2u);
    EXPECT_EQ(r.header.visibleArea, before.visibleArea);
    EXPECT_EQ(r.header.version, 5);

    // A drawing sheet takes everything; a stored type 3 does not change it.
    std::vector<uint8_t> bytes = SampleSchematic(8);
    CArchive head;
    rec::PutHeaderLine(head, 8);
    rec::PutDocHeader(head, 8, {"&Author&Sample Author", "&Comment&Hand-built sample"}, 16535,
                      11693, 1, CRect(100, 200, 8000, 6000));
    const size_t typeAt = head.Bytes().size();
    ASSERT_EQ(bytes[typeAt], 0);
    bytes[typeAt] = 3;
    CSheet drawing(CSheet::kDrawing);
    r = ReadInto(bytes, drawing, nullptr, before);
    ASSERT_EQ(r.status, CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(drawing.GetSheetType(), CSheet::kDrawing);
    EXPECT_EQ(r.header.version, 8);
    EXPECT_EQ(r.header.visibleArea, CRect(100, 200, 8000, 6000));
}

TEST_F(SchematicFileTest, NewerVersionsAreRefusedWithAMessageForeignFilesSilently)
{
    std::vector<CString> messages;
    const CScopedHost host(std::make_unique<RecordingHost>(messages));

    std::vector<uint8_t> newer = SampleSchematic(8);
    newer[23] = '9'; // "... Ver 0.09"
    CSheet sheet(CSheet::kDrawing);
    CDocumentHeader header;
    header.version = 6;
    ReadResult r = ReadInto(newer, sheet, nullptr, header);
    EXPECT_EQ(r.status, CSchematicFile::ReadStatus::UnsupportedVersion);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToUtf8(messages[0]), "サポートしていないバージョンのデータファイルです。\nＶＩＲＥＯ"
                                   "のバージョンを上げて下さい。");
    EXPECT_EQ(messages[0], CSchematicFile::UnsupportedVersionMessage());
    EXPECT_EQ(r.header.version, 6);
    EXPECT_EQ(sheet.GetItemCount(), 0u);

    messages.clear();
    const std::string foreign = "SOMETHING ELSE Ver 0.08\n";
    r = ReadInto(std::vector<uint8_t>(foreign.begin(), foreign.end()), sheet);
    EXPECT_EQ(r.status, CSchematicFile::ReadStatus::NotSchematic);
    r = ReadInto({}, sheet);
    EXPECT_EQ(r.status, CSchematicFile::ReadStatus::NotSchematic);
    EXPECT_TRUE(messages.empty());
}

TEST(CSchematicFileVersion, LastTwoCharactersOfALineNamingTheFormat)
{
    EXPECT_EQ(CSchematicFile::ParseVersion(CSchematicFile::kHeaderLine), 8);
    EXPECT_EQ(CSchematicFile::ParseVersion("VIREO DATA FILE Ver 0.05"), 5);
    EXPECT_EQ(CSchematicFile::ParseVersion("VIREO DATA FILE Ver 0.12"), 12);
    EXPECT_EQ(CSchematicFile::ParseVersion("xx VIREO"), 0); // "EO" is no number
    EXPECT_EQ(CSchematicFile::ParseVersion("VIREO-1"), -1); // nor is a negative one
    EXPECT_EQ(CSchematicFile::ParseVersion("vireo DATA FILE Ver 0.08"), -1);
}

// --- writing ---------------------------------------------------------------------------------

TEST_F(SchematicFileTest, WriterLaysOutTheNewestHeader)
{
    CDocumentHeader header;
    header.properties = {"&Author&Me"};
    header.width = 11693;
    header.height = 8268;
    header.sizeCode = 2;
    header.visibleArea = CRect(-5, 6, 700, 800);
    CSheet main(CSheet::kDrawing);
    CArchive out;
    CSchematicFile::Write(out, header, main, nullptr);

    CArchive expected;
    expected.Write("VIREO DATA FILE Ver 0.08\n", 25);
    expected << int32_t(900) << int32_t(1) << uint8_t(10);
    expected.Write("&Author&Me", 10);
    expected << int32_t(1) << int32_t(11693) << int32_t(8268) << int32_t(2) << int32_t(2)
             << int32_t(-5) << int32_t(6) << int32_t(700) << int32_t(800);
    expected << int32_t(0) << int32_t(0); // sheet type and item count
    for (int list = 0; list < 8; ++list)
        expected << int32_t(0);
    expected << int32_t(0); // end of the sheet
    expected << int32_t(0); // no title block
    EXPECT_EQ(out.Bytes(), expected.Bytes());
}

TEST_F(SchematicFileTest, TitleBlockIsStoredWhenAskedAndReadIntoItsSheet)
{
    CSheet main(CSheet::kDrawing);
    CArchive sample(SampleSchematic(8));
    CDocumentHeader header;
    ASSERT_EQ(CSchematicFile::Read(sample, header, main, nullptr), CSchematicFile::ReadStatus::Ok);
    CSheet title(CSheet::kTitle);
    title.NewText("TITLE", CPoint(100, 100), 70, 0);
    title.NewLine(CPoint(0, 0), CPoint(1000, 0));

    // Save leaves the title block out unless FileSave/TitleInclude is on.
    CArchive without;
    CSchematicFile::Save(without, header, main, title);
    Profile().WriteInt("FileSave", "TitleInclude", 1);
    CArchive with;
    CSchematicFile::Save(with, header, main, title);
    EXPECT_EQ(with.Bytes().size() > without.Bytes().size(), true);

    CSheet main2(CSheet::kDrawing), title2(CSheet::kTitle);
    ASSERT_EQ(ReadInto(with.Bytes(), main2, &title2).status, CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(main2.GetItemCount(), main.GetItemCount());
    EXPECT_EQ(title2.GetItemCount(), 2u);
    EXPECT_EQ(title2.GetSheetType(), CSheet::kTitle);
    EXPECT_NE(FindText(title2, "TITLE"), nullptr);

    // Without a title sheet to take it, the stored title block is skipped.
    CSheet main3(CSheet::kDrawing);
    ASSERT_EQ(ReadInto(with.Bytes(), main3, nullptr).status, CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(main3.GetItemCount(), main.GetItemCount());

    // Any value other than 1 after the main sheet ends the file.
    std::vector<uint8_t> other = without.Bytes();
    other[other.size() - 4] = 5;
    CSheet main4(CSheet::kDrawing), title4(CSheet::kTitle);
    ASSERT_EQ(ReadInto(other, main4, &title4).status, CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(title4.GetItemCount(), 0u);
}

TEST_F(SchematicFileTest, ReadAndWriteAgainIsByteIdentical)
{
    for (int version = 5; version <= 8; ++version) {
        SCOPED_TRACE(version);
        CSheet main(CSheet::kDrawing);
        CSheet title(CSheet::kTitle);
        CDocumentHeader header;
        CArchive first(SampleSchematic(version));
        ASSERT_EQ(CSchematicFile::Read(first, header, main, &title),
                  CSchematicFile::ReadStatus::Ok);
        CArchive once;
        CSchematicFile::Write(once, header, main, &title);

        CSheet main2(CSheet::kDrawing), title2(CSheet::kTitle);
        CDocumentHeader header2;
        CArchive in(once.Bytes());
        ASSERT_EQ(CSchematicFile::Read(in, header2, main2, &title2),
                  CSchematicFile::ReadStatus::Ok);
        EXPECT_TRUE(in.AtEnd());
        CArchive twice;
        CSchematicFile::Write(twice, header2, main2, &title2);
        EXPECT_EQ(once.Bytes(), twice.Bytes());
    }
}

// --- new documents ---------------------------------------------------------------------------

TEST_F(SchematicFileTest, NewDocumentTakesItsSizeFromTheSettings)
{
    CDocumentHeader h = CSchematicFile::NewDocumentHeader();
    EXPECT_EQ(h.sizeCode, 1);
    EXPECT_EQ(h.width, 16535);
    EXPECT_EQ(h.height, 11693);
    EXPECT_EQ(h.visibleArea, CRect(0, 0, 16535, 11693));
    EXPECT_EQ(h.version, 8);
    EXPECT_TRUE(h.properties.empty());

    Profile().WriteInt("Sheet", "Work", 5); // A4 portrait
    h = CSchematicFile::NewDocumentHeader();
    EXPECT_EQ(h.width, 8268);
    EXPECT_EQ(h.height, 11693);

    Profile().WriteInt("Sheet", "Work", 3); // A2 portrait
    Profile().WriteString("Sheet", "Work Width", "1000 2000 3000");
    Profile().WriteString("Sheet", "Work Height", "-4 99999999999");
    h = CSchematicFile::NewDocumentHeader();
    EXPECT_EQ(h.width, 0); // a negative size is no size
    EXPECT_EQ(h.height, 1000);
    Profile().WriteInt("Sheet", "Work", 4);
    EXPECT_EQ(CSchematicFile::NewDocumentHeader().width, kMaxCoord); // clamped
    Profile().WriteInt("Sheet", "Work", 2);
    EXPECT_EQ(CSchematicFile::NewDocumentHeader().height, 0); // missing third number

    Profile().WriteString("Sheet", "Work Width", "");
    Profile().WriteInt("Sheet", "Work", 9); // unknown: the default size
    h = CSchematicFile::NewDocumentHeader();
    EXPECT_EQ(h.sizeCode, 1);
    EXPECT_EQ(h.width, 0); // an empty setting gives no size
    EXPECT_EQ(h.height, kMaxCoord);
}

TEST(CSchematicFileTitle, NamesOfTheTitleBlockFiles)
{
    const char* names[] = {"Title.A2",  "Title.A3",  "Title.A4",
                           "Title.A2P", "Title.A3P", "Title.A4P"};
    for (int code = 0; code < 6; ++code)
        EXPECT_EQ(CSchematicFile::TitleFileName(code), names[code]);
    EXPECT_EQ(CSchematicFile::TitleFileName(-1), "Title.A3");
    EXPECT_EQ(CSchematicFile::TitleFileName(6), "Title.A3");
}

// --- hostile files ---------------------------------------------------------------------------

TEST_F(SchematicFileTest, TruncationAnywhereEndsTheReadWithEndOfFile)
{
    CSheet title(CSheet::kTitle);
    title.NewText("T", CPoint(1, 1), 70, 0);
    CSheet main(CSheet::kDrawing);
    CDocumentHeader header;
    CArchive sample(SampleSchematic(8));
    ASSERT_EQ(CSchematicFile::Read(sample, header, main, nullptr), CSchematicFile::ReadStatus::Ok);
    CArchive withTitle;
    CSchematicFile::Write(withTitle, header, main, &title);

    for (const std::vector<uint8_t>& file :
         {SampleSchematic(5), SampleSchematic(7), withTitle.Bytes()}) {
        for (size_t cut = 0; cut < file.size(); ++cut) {
            CArchive ar(file.data(), cut);
            CSheet sheet(CSheet::kDrawing), t(CSheet::kTitle);
            CDocumentHeader h;
            try {
                // Only a cut inside the word "VIREO" makes a file that is not ours.
                EXPECT_EQ(CSchematicFile::Read(ar, h, sheet, &t),
                          CSchematicFile::ReadStatus::NotSchematic)
                    << cut;
                EXPECT_LT(cut, 5u);
            } catch (const CArchiveException& e) {
                EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << cut;
            }
            // Whatever was read is counted.
            EXPECT_EQ(sheet.GetItemCount(),
                      uint32_t(sheet.Wires().GetCount() + sheet.Buses().GetCount() +
                               sheet.Lines().GetCount() + sheet.Juncs().GetCount() +
                               sheet.Pins().GetCount() + sheet.Texts().GetCount() +
                               sheet.Arcs().GetCount() + sheet.Parts().GetCount()));
        }
    }
}

TEST_F(SchematicFileTest, HugeCountsAndLengthsEndTheReadWithoutWork)
{
    auto expectEnd = [](const std::vector<uint8_t>& bytes, CArchiveException::Cause cause) {
        CSheet sheet(CSheet::kDrawing);
        CArchive ar(bytes);
        CDocumentHeader header;
        try {
            CSchematicFile::Read(ar, header, sheet, nullptr);
            ADD_FAILURE() << "read succeeded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, cause);
        }
    };
    // A property count of 2^31 - 1, and a property of 4 GiB.
    {
        CArchive ar;
        rec::PutHeaderLine(ar, 8);
        ar << int32_t(900) << int32_t(0x7FFFFFFF);
        expectEnd(ar.Bytes(), CArchiveException::endOfFile);
    }
    {
        CArchive ar;
        rec::PutHeaderLine(ar, 8);
        ar << int32_t(900) << int32_t(1) << uint8_t(0xFF) << uint16_t(0xFFFF)
           << uint32_t(0xFFFFFFFF);
        ar << int32_t(0) << int32_t(0) << int32_t(0);
        expectEnd(ar.Bytes(), CArchiveException::endOfFile);
    }
    { // the same length announced as UTF-16 text
        CArchive ar;
        rec::PutHeaderLine(ar, 8);
        ar << int32_t(900) << int32_t(1) << uint8_t(0xFF) << uint16_t(0xFFFE) << uint8_t(0xFF)
           << uint16_t(0xFFFF) << uint32_t(0x80000000);
        expectEnd(ar.Bytes(), CArchiveException::endOfFile);
    }
    // A wire count of 2^31 - 1 with a few wires behind it.
    std::vector<int32_t> ints = {0, 0, 0x7FFFFFFF};
    for (int i = 0; i < 20; ++i)
        ints.push_back(0);
    expectEnd(FileWithCountsAfterHeader(ints), CArchiveException::endOfFile);

    // Negative counts read nothing; the file is otherwise fine.
    CSheet sheet(CSheet::kDrawing);
    const std::vector<int32_t> negative = {0, 0, -1, INT32_MIN, -5, -1, -1, -1, -1, -1, 0, 0};
    CArchive ar(FileWithCountsAfterHeader(negative));
    CDocumentHeader header;
    EXPECT_EQ(CSchematicFile::Read(ar, header, sheet, nullptr), CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(sheet.GetItemCount(), 0u);
    EXPECT_TRUE(ar.AtEnd());

    // A part that claims 2^31 - 1 pins.
    {
        CArchive bytes;
        rec::PutHeaderLine(bytes, 8);
        rec::PutDocHeader(bytes, 8, {}, 1000, 1000, 1, CRect());
        bytes << int32_t(0) << int32_t(0);
        for (int list = 0; list < 7; ++list)
            bytes << int32_t(0);
        bytes << int32_t(1);
        rec::PutPartHead(bytes, 8, CPoint(), CPoint(), CPoint(), 0, 0, 0, 0, nullptr, nullptr,
                         nullptr);
        bytes << int32_t(0x7FFFFFFF);
        for (int i = 0; i < 40; ++i)
            bytes << int32_t(0);
        expectEnd(bytes.Bytes(), CArchiveException::endOfFile);
    }
}

TEST_F(SchematicFileTest, CoordinatesNoDrawingCanHaveMarkTheFileDamaged)
{
    auto fileWithJunction = [](CPoint p) {
        CArchive ar;
        rec::PutHeaderLine(ar, 8);
        rec::PutDocHeader(ar, 8, {}, 1000, 1000, 1, CRect());
        ar << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(0) << int32_t(1);
        rec::PutJunc(ar, p);
        for (int list = 0; list < 4; ++list)
            ar << int32_t(0);
        ar << int32_t(0) << int32_t(0);
        return ar.Bytes();
    };
    CSheet sheet(CSheet::kDrawing);
    EXPECT_EQ(ReadInto(fileWithJunction(CPoint(kMaxCoord, -kMaxCoord)), sheet).status,
              CSchematicFile::ReadStatus::Ok);
    for (CPoint bad : {CPoint(kMaxCoord + 1, 0), CPoint(0, INT32_MIN), CPoint(INT32_MAX, 0)}) {
        CSheet s(CSheet::kDrawing);
        try {
            ReadInto(fileWithJunction(bad), s);
            ADD_FAILURE() << "read succeeded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
            EXPECT_STREQ(e.what(), "coordinate out of range");
        }
    }
    // A part's outline is derived from its items and may reach further than
    // any point: what our writer stores for a part at the edge reads back.
    CSheet edge(CSheet::kDrawing);
    CPart part(CPoint(kMaxCoord, kMaxCoord), CPoint(), CPoint(), 0, 0, 0, 0);
    part.NewText(CText("WWWWWWWWWW", CPoint(kMaxCoord, kMaxCoord), kMaxCoord,
                       8 | (7u << CText::kFrameShift)));
    part.CalcBoundRect();
    ASSERT_GT(part.GetCorner2().x, kMaxCoord);
    edge.NewPart(part);
    CArchive written;
    CSchematicFile::Write(written, CDocumentHeader(), edge, nullptr);
    CSheet back(CSheet::kDrawing);
    EXPECT_EQ(ReadInto(written.Bytes(), back).status, CSchematicFile::ReadStatus::Ok);
    EXPECT_EQ(back.GetHeadPart()->GetCorner2(), part.GetCorner2());

    // The sheet size and the visible area are checked the same way.
    CArchive ar;
    rec::PutHeaderLine(ar, 8);
    rec::PutDocHeader(ar, 8, {}, 1000, 1000, 1, CRect(0, 0, INT32_MAX, 10));
    CArchive in(ar.Bytes());
    CDocumentHeader header;
    EXPECT_THROW(CSchematicFile::Read(in, header, sheet, nullptr), CArchiveException);
}

// --- sample files for the command-line tests ---------------------------------------------------

// The files under tests/data are made by the builder above.  Run with
// VIREO_WRITE_SAMPLES=1 to write them again after changing the builder.
TEST(SampleFiles, CommittedSamplesMatchTheBuilder)
{
    const std::filesystem::path dir = VIREO_TEST_DATA;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
    for (int version = 5; version <= 8; ++version)
        files.emplace_back("v" + std::to_string(version) + ".dcd", SampleSchematic(version));
    const std::string text = SampleTextForm();
    files.emplace_back("sample.txt", std::vector<uint8_t>(text.begin(), text.end()));

    const char* write = std::getenv("VIREO_WRITE_SAMPLES");
    for (const auto& [name, bytes] : files) {
        if (write && *write == '1')
            WriteFileAtomically(dir / name, bytes);
        EXPECT_EQ(ReadFileBytes(dir / name), bytes) << name;
    }
}
