// The project jobs below the command line: Was-Is files read back what was
// written whatever the texts hold and refuse damaged files with the line at
// fault; numbering enables the fields its mode uses, stops writing back at
// a cancel and records one undoable change per document.
#include <gtest/gtest.h>

#include <random>

#include "app/partnumberjob.h"
#include "app/undohistory.h"
#include "app/wasisfile.h"
#include "apptestenv.h"
#include "net/netdesign.h"

namespace {

CString RandomText(std::mt19937& rng)
{
    // Quotes, blanks, "x=" and "y=", CP932 lead bytes followed by 'x' or '=':
    // everything a reader could mistake for the file's own syntax.
    static const char* const pieces[] = {"R", "x=", "y=5", "\"", " ", "=", ",", "\x83x",
                                         "\x81=", "Ref=", "10k", "\t"};
    std::string s;
    for (int n = int(rng() % 6); n > 0; --n)
        s += pieces[rng() % std::size(pieces)];
    return CString(s);
}

} // namespace

TEST(WasIsFile, FullRecordsReadBackWhatWasWritten)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        CPart part;
        const CString name = RandomText(rng) + "N", ref = RandomText(rng), value = RandomText(rng);
        part.SetPartName(name);
        part.SetRefName(CText(ref, CPoint(), CText::kDefaultSize, CText::kDefaultAttr));
        part.SetValue(CText(value, CPoint(), CText::kDefaultSize, CText::kDefaultAttr));
        const CString text = CWasIsFile::FullHead("/p/board.dpj") +
                             CWasIsFile::SheetComment("/p/a b.dcd [3]") +
                             CWasIsFile::Record("/p/a b.dcd [3]", part);
        std::vector<CWasIsRecord> records;
        CWasIsFault fault;
        ASSERT_TRUE(CWasIsFile::ParseFull(text.str(), records, fault)) << text.str();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].file, "/p/a b.dcd");
        EXPECT_EQ(records[0].before, (CWasIsPart{name, ref, value})) << text.str();
        EXPECT_EQ(records[0].after, records[0].before);
        EXPECT_EQ(records[0].at, part.GetCenter());
    }
}

TEST(WasIsFile, DamagedFilesNameTheirFault)
{
    const std::string head = "VIREO Was-Is File Version 1.03\n#\n";
    const std::string file = "File:\"a.dcd [1]\"\n";
    const std::string old = "Old:Name=\"RES\" Ref=\"R1\" x=10 y=-20\n";
    const std::string now = "New:Name=\"RES\" Ref=\"R2\"\n";
    const struct {
        std::string text;
        CWasIsFault::Kind kind;
        int line;
    } cases[] = {
        {head + file + old + now, CWasIsFault::None, 0},
        {"\n# comment\n" + head + file + "\n#\n" + old + now, CWasIsFault::None, 0},
        {"VIREO Was-Is File Version 1.02\n" + file + old + now, CWasIsFault::WrongVersion, 1},
        {"R1\tR2\n", CWasIsFault::WrongVersion, 1},
        {head + old + now, CWasIsFault::Irregular, 3},
        {head + file + now, CWasIsFault::Irregular, 4},
        {head + file + old + file, CWasIsFault::Irregular, 5},
        {head + file + old, CWasIsFault::Irregular, 4},
        {head + file + "Old:Name=\"RES\" Ref=\"R1\"\n" + now, CWasIsFault::Irregular, 4},
        {head + file + "Old:Name=\"RES\" Ref=\"R1\" x=1 y=\n" + now, CWasIsFault::Irregular, 4},
        {head + file + "Old:Name=\"RES x=1 y=2\n" + now, CWasIsFault::Irregular, 4},
        {head + file + "Old:Name=\"RES\" x=99999999999 y=1\n" + now, CWasIsFault::Irregular, 4},
    };
    for (const auto& c : cases) {
        std::vector<CWasIsRecord> records;
        CWasIsFault fault;
        EXPECT_EQ(CWasIsFile::ParseFull(c.text, records, fault), c.kind == CWasIsFault::None)
            << c.text;
        EXPECT_EQ(fault.kind, c.kind) << c.text;
        if (c.kind == CWasIsFault::Irregular) {
            EXPECT_EQ(fault.line, c.line) << c.text;
        }
    }
    std::vector<CWasIsRecord> records;
    CWasIsFault fault;
    ASSERT_TRUE(CWasIsFile::ParseFull(head + file + old + now, records, fault));
    EXPECT_EQ(records[0].at, CPoint(10, -20));
    EXPECT_EQ(records[0].after.ref, "R2");
}

TEST(WasIsFile, SimplePairs)
{
    std::vector<CWasIsPair> pairs;
    CWasIsFault fault;
    ASSERT_TRUE(CWasIsFile::ParseSimple("# c\n; c\n/ c\nR1\tR2\nU1 ,, U7#x\n\nC1,C9;y\n", pairs,
                                        fault));
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[1].before, "U1");
    EXPECT_EQ(pairs[1].after, "U7");
    EXPECT_EQ(pairs[2].after, "C9");
    EXPECT_FALSE(CWasIsFile::ParseSimple("R1\n", pairs, fault));
}

TEST(PartNoOptions, FieldsFollowTheMode)
{
    using F = CPartNoOptions::Fields;
    const auto fields = [](int mode) {
        const F f = CPartNoOptions::FieldsOf(mode);
        return std::vector<bool>{f.start, f.step, f.pageOffset, f.eachSheet, f.simpleWasIs};
    };
    EXPECT_EQ(fields(0), (std::vector<bool>{true, true, false, true, false}));
    EXPECT_EQ(fields(1), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(fields(2), (std::vector<bool>{false, false, false, false, true}));
    EXPECT_EQ(fields(3), (std::vector<bool>{false, false, false, false, true}));
}

TEST(PartNoJob, CancelStopsTheWriteBackAndEachDocumentIsOneUndoStep)
{
    CAppTestEnv env;
    CSheet sheets[3]{CSheet(CSheet::kDrawing), CSheet(CSheet::kDrawing), CSheet(CSheet::kDrawing)};
    CUndoHistory histories[3];
    CPartNoJob job;
    for (int d = 0; d < 3; ++d) {
        for (int i = 0; i < 4; ++i)
            AddPart(sheets[d], "R?", {{{i * 1000, 0}, 0, "", "1"}});
        job.documents.push_back({env / ("s" + std::to_string(d) + ".dcd"), &sheets[d], nullptr,
                                 10000, 8000, &sheets[d], nullptr, &histories[d]});
    }
    job.outputBase = env / "s0";
    CPartNoOptions options;

    const auto numbered = [](const CSheet& sheet) {
        int n = 0;
        for (const CPart& part : sheet.Parts())
            n += part.GetRefName().Find('?') < 0;
        return n;
    };
    // A dry run counts the steps; the last twelve are the write-back's.
    job.dryRun = true;
    ASSERT_EQ(RunPartNoJob(options, job).changes.size(), 12u);
    job.dryRun = false;
    const int steps = env->stepsReported;
    env->stepsReported = 0;
    env->cancelAfterSteps = steps - 12 + 2;
    const CPartNoResult cancelled = RunPartNoJob(options, job);
    EXPECT_EQ(cancelled.status, CPartNoResult::Cancelled);
    EXPECT_EQ(numbered(sheets[0]), 2);
    EXPECT_EQ(numbered(sheets[1]) + numbered(sheets[2]), 0);
    const int oneChange = 2 * CUndoHistory::kRecordInts; // a kind-3 and a kind-4 record
    EXPECT_EQ(histories[0].UndoDepth(), oneChange);
    EXPECT_EQ(histories[1].UndoDepth(), 0);

    env->cancelAfterSteps = -1;
    env->cancelled = false;
    const CPartNoResult done = RunPartNoJob(options, job);
    ASSERT_EQ(done.status, CPartNoResult::Done);
    EXPECT_EQ(done.changes.size(), 10u);
    for (const CSheet& sheet : sheets)
        EXPECT_EQ(numbered(sheet), 4);
    EXPECT_EQ(histories[0].UndoDepth(), 2 * oneChange);
    EXPECT_EQ(histories[2].UndoDepth(), oneChange);
}
