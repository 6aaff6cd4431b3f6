// The project jobs below the command line: Was-Is files read back what was
// written whatever the texts hold and refuse damaged files with the line at
// fault; numbering enables the fields its mode uses, stops writing back at
// a cancel and records one undoable change per document.
#include <gtest/gtest.h>

#include <random>

#include "app/partlistjob.h"
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
    static const char* const pieces[] = {"R", "x=",    "y=5",   "\"",   " ",   "=",
                                         ",", "\x83x", "\x81=", "Ref=", "10k", "\t"};
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
    ASSERT_TRUE(
        CWasIsFile::ParseSimple("# c\n; c\n/ c\nR1\tR2\nU1 ,, U7#x\n\nC1,C9;y\n", pairs, fault));
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

namespace {

// Mode 0 and mode 1 numbering of one sheet as the steps say it, with a plain
// list for the counters and a scan of the sheet for a package with room.
std::vector<std::string> LiteralNumbering(std::vector<CPart> parts, const CPartNoOptions& o)
{
    struct Split {
        std::string prefix, suffix;
        int number;
    };
    const auto split = [](const CPart& part) {
        CString prefix, suffix;
        int number;
        part.GetRefName(prefix, suffix, number);
        return Split{CString(prefix).MakeUpper().str(), CString(suffix).MakeUpper().str(), number};
    };
    const auto numbered = [](const CPart& p) { return p.GetRefName().Find('?') < 0; };
    if (o.mode == CPartNoOptions::kAll)
        for (CPart& part : parts)
            part.SetRefNo(0, 0);
    std::vector<std::pair<std::string, long long>> counters;
    const auto counter = [&counters](const std::string& prefix) -> long long* {
        for (auto& [p, n] : counters)
            if (p == prefix)
                return &n;
        return nullptr;
    };
    for (const CPart& part : parts) {
        const Split s = split(part);
        if (long long* n = counter(s.prefix))
            *n = std::max<long long>(*n, s.number);
        else
            counters.emplace_back(s.prefix, s.number);
    }
    for (auto& [prefix, n] : counters)
        n = std::max<long long>(n, o.start - 1);
    for (CPart& part : parts) {
        if (numbered(part))
            continue;
        const Split s = split(part);
        long long number = 0;
        if (part.GetPackageMax() >= 2)
            for (const CPart& other : parts) {
                const Split t = split(other);
                if (!numbered(other) || other.GetPackageMax() < 2 || t.prefix != s.prefix ||
                    other.GetPartName() != part.GetPartName() ||
                    other.GetValName() != part.GetValName())
                    continue;
                int gates = 0;
                bool taken = false;
                for (const CPart& gate : parts)
                    if (numbered(gate) && gate.GetPackageMax() >= 2 &&
                        split(gate).prefix == s.prefix && split(gate).number == t.number &&
                        gate.GetPartName() == part.GetPartName() &&
                        gate.GetValName() == part.GetValName()) {
                        ++gates;
                        taken |= split(gate).suffix == s.suffix;
                    }
                if (gates < other.GetPackageMax() && !taken) {
                    number = t.number;
                    break;
                }
            }
        if (number == 0)
            number = (*counter(s.prefix) += o.step);
        part.SetRefNo(int(number), 1);
    }
    std::vector<std::string> refs;
    for (const CPart& part : parts)
        refs.push_back(part.GetRefName().str());
    return refs;
}

} // namespace

TEST(PartNoJob, NumbersAsTheLiteralStepsDo)
{
    CAppTestEnv env;
    std::mt19937 rng(11);
    const char* const prefixes[] = {"R", "r", "C", "U", "IC"};
    for (int round = 0; round < 200; ++round) {
        CSheet sheet(CSheet::kDrawing);
        const int count = 1 + int(rng() % 30);
        for (int i = 0; i < count; ++i) {
            // Half the parts are gates of four-gate packages, sharing few numbers.
            const bool gate = rng() % 2;
            const char* prefix = gate ? "U" : prefixes[rng() % std::size(prefixes)];
            const int number = rng() % 3 ? 0 : 1 + int(rng() % (gate ? 3 : 12));
            const int package = gate ? 1 + int(rng() % 4) : 1;
            const std::string ref = prefix + (number ? std::to_string(number) : "?") +
                                    (gate ? std::string(1, char('A' + package - 1)) : "");
            CPart& part = AddPart(sheet, ref.c_str(), {{{i * 1000, 0}, 0, "", "1"}}, gate ? 4 : 1);
            part.SetPartName(rng() % 4 ? "A" : "B");
            part.SetPackage(package);
            part.CalcBoundRect(); // a centre of its own: the sheet is in reading order
        }
        CPartNoOptions options;
        options.mode = rng() % 2 ? CPartNoOptions::kAll : CPartNoOptions::kUndetermined;
        options.step = 1 + int(rng() % 2);
        options.start = 1 + int(rng() % 5);
        std::vector<CPart> before;
        for (const CPart& part : sheet.Parts())
            before.push_back(part);
        const std::vector<std::string> expected = LiteralNumbering(before, options);

        CPartNoJob job;
        job.documents.push_back({env / "s.dcd", &sheet, nullptr, 100000, 8000, &sheet});
        job.outputBase = env / "s";
        ASSERT_EQ(RunPartNoJob(options, job).status, CPartNoResult::Done);
        std::vector<std::string> refs;
        for (const CPart& part : sheet.Parts())
            refs.push_back(part.GetRefName().str());
        ASSERT_EQ(refs, expected) << "round " << round << " mode " << options.mode;
    }
}

namespace {

// The part list as the passes say it: the NOPARTLIST and NOMOUNT scan, one
// line per new key with every later part of that key appended unless its
// reference is already on the line, references sorted by selection of the
// smallest, lines sorted by their key text the same way.
CPartList LiteralPartList(const std::vector<CPart>& parts, const CPartListOptions& options)
{
    CPartList out;
    const auto upper = [](CString s) { return s.MakeUpper(); };
    const auto listed = [&](const std::vector<CString>& list, const CString& ref) {
        return std::find(list.begin(), list.end(), upper(ref)) != list.end();
    };
    for (const CPart& part : parts) {
        const CString ref = upper(PartListReference(part));
        if (!options.force && part.IsProperty("NOPARTLIST") && !listed(out.noPartList, ref))
            out.noPartList.push_back(ref);
        if (part.IsProperty("NOMOUNT") && !listed(out.noMount, ref))
            out.noMount.push_back(ref);
    }
    const auto keyOf = [&options](const CPart& part) {
        std::vector<CString> key{part.GetPartName(), part.GetValName()};
        for (const CString& column : options.Columns())
            key.push_back(part.GetProperty(column));
        return key;
    };
    std::vector<std::vector<CString>> written;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::vector<CString> key = keyOf(parts[i]);
        const CString ref = PartListReference(parts[i]);
        if (listed(out.noPartList, ref) ||
            std::find(written.begin(), written.end(), key) != written.end())
            continue;
        written.push_back(key);
        CPartListRecord record{key, {ref}};
        std::string line = "," + upper(ref).str() + ",";
        ++out.usedParts;
        for (size_t j = i + 1; j < parts.size(); ++j) {
            const CString other = PartListReference(parts[j]);
            if (keyOf(parts[j]) != key || listed(out.noPartList, other))
                continue;
            const std::string mark = "," + upper(other).str() + ",";
            if (other.Find('?') < 0 && line.find(mark) != std::string::npos)
                continue;
            record.refs.push_back(other);
            line += upper(other).str() + ",";
            ++out.usedParts;
        }
        for (size_t a = 0; a < record.refs.size(); ++a) { // selection of the smallest
            size_t least = a;
            CPart x, y;
            for (size_t b = a + 1; b < record.refs.size(); ++b) {
                x.SetRefName(record.refs[b]);
                y.SetRefName(record.refs[least]);
                if (x.CompareRef(y) < 0)
                    least = b;
            }
            std::swap(record.refs[a], record.refs[least]);
        }
        out.records.push_back(record);
    }
    const auto text = [](const CPartListRecord& r) {
        std::string s;
        for (const CString& field : r.key)
            s += field.str() + ",";
        return s;
    };
    for (size_t a = 0; a < out.records.size(); ++a) {
        size_t least = a;
        for (size_t b = a + 1; b < out.records.size(); ++b)
            if (text(out.records[b]) < text(out.records[least]))
                least = b;
        std::swap(out.records[a], out.records[least]);
    }
    return out;
}

} // namespace

TEST(PartList, ListsAsTheLiteralPassesDo)
{
    CAppTestEnv env;
    std::mt19937 rng(5);
    const char* const refs[] = {"R1",  "R2",  "r2",  "R10", "R?", "C3",
                                "U1A", "U1B", "u1a", "U2A", "U?"};
    for (int round = 0; round < 300; ++round) {
        CSheet sheet;
        std::vector<CPart> parts;
        for (int i = 0, n = 1 + int(rng() % 25); i < n; ++i) {
            const char* ref = refs[rng() % std::size(refs)];
            CPart& part = AddPart(sheet, ref, {}, ref[0] == 'U' || ref[0] == 'u' ? 2 : 1);
            part.SetPartName(rng() % 3 ? "A" : "B");
            part.SetValue(CString(rng() % 2 ? "1k" : "2k"));
            for (const char* property : {"FOOTPRINT", "NOPARTLIST", "NOMOUNT"})
                if (rng() % 5 == 0) {
                    CText text;
                    text.SetProperty(property, rng() % 2 ? "X" : "Y");
                    part.NewText(text);
                }
            parts.push_back(part);
        }
        CPartListOptions options;
        options.properties = rng() % 2 ? " footprint," : "";
        options.force = rng() % 4 == 0;
        const CPartList expected = LiteralPartList(parts, options);
        CPartList list;
        ASSERT_FALSE(BuildPartList(sheet, options, list));
        EXPECT_EQ(list.noPartList, expected.noPartList);
        EXPECT_EQ(list.noMount, expected.noMount);
        EXPECT_EQ(list.usedParts, expected.usedParts);
        ASSERT_EQ(list.records.size(), expected.records.size()) << "round " << round;
        for (size_t i = 0; i < list.records.size(); ++i) {
            EXPECT_EQ(list.records[i].key, expected.records[i].key) << "round " << round;
            EXPECT_EQ(list.records[i].refs, expected.records[i].refs) << "round " << round;
        }
    }
}
