// The document commands: change size, property, make part, part
// decomposition, reset part reference, and when each is enabled.
#include <algorithm>
#include <cstring>

#include "app/docmessages.h"
#include "app/settings.h"
#include "app/vireodoc.h"
#include "library/library.h"
#include "base/host.h"
#include "base/messages.h"
#include "base/profile.h"

namespace {

constexpr const char* kAuthor = "&Author&";
constexpr const char* kComment = "&Comment&";
constexpr const char* kTitleFile = "&TitleFile&";

int ClampSizeIndex(int index)
{
    return std::clamp(index, 0, 5);
}

// A reference that carries a number (half- or full-width digits) and no "?".
bool HasNumberedReference(const CPart& part)
{
    const CString& ref = part.GetRefName();
    if (part.GetRefNo() < 0)
        return false;
    for (int i = 0; i < ref.GetLength(); i += ref.CharLengthAt(i)) {
        const unsigned char c = (unsigned char)ref[i];
        if (ref.CharLengthAt(i) == 1 && c >= '0' && c <= '9')
            return true;
        if (c == 0x82 && (unsigned char)ref[i + 1] >= 0x4F && (unsigned char)ref[i + 1] <= 0x58)
            return true;
    }
    return false;
}

bool AnyNumberedReference(const CSheet& sheet)
{
    for (const CPart& part : sheet.Parts())
        if (HasNumberedReference(part))
            return true;
    return false;
}

const CText* FindNamedText(const CSheet& sheet, const char* name)
{
    for (const CText& t : sheet.Texts())
        if (t.GetName().CompareNoCase(name) == 0)
            return &t;
    return nullptr;
}

// The lower-left corner of what a sheet holds.
CPoint LowerLeft(const CSheet& sheet)
{
    const CRect r = sheet.GetBoundingRect();
    return CPoint(std::min(r.left, r.right), std::min(r.top, r.bottom));
}

}  // namespace

CString CVIREODoc::GetProperty(const char* tag) const
{
    for (const CString& p : m_header.properties)
        if (p.str().starts_with(tag))
            return p.Mid(int(std::strlen(tag)));
    return CString();
}

void CVIREODoc::ChangeSize(int sizeIndex, const CString& titleFile)
{
    sizeIndex = ClampSizeIndex(sizeIndex);
    const CString chosen = titleFile.IsEmpty() ? CSchematicFile::TitleFileName(sizeIndex) : titleFile;
    if (sizeIndex == m_header.sizeCode && chosen == m_titleFile)
        return;
    Profile().WriteInt("Sheet", "Work", sizeIndex);
    ResetFromSettings();
    SetTitleFileProperty(chosen);
    m_modifiedFlag = true;
    LoadTitleBlock();
}

void CVIREODoc::SetProperties(const CString& author, const CString& comment, int sizeIndex,
                              const CString& titleFile)
{
    sizeIndex = ClampSizeIndex(sizeIndex);
    const CString defaultTitle = CSchematicFile::TitleFileName(sizeIndex);
    const CString explicitTitle = titleFile == defaultTitle ? CString() : titleFile;
    const CString newTitle = explicitTitle.IsEmpty() ? defaultTitle : explicitTitle;
    const bool changed = author != GetProperty(kAuthor) || comment != GetProperty(kComment) ||
                         sizeIndex != m_header.sizeCode || newTitle != m_titleFile;

    // The three entries the dialog shows are rebuilt; the entries it does
    // not know about stay as they were read.
    std::vector<CString> others;
    for (const CString& p : m_header.properties)
        if (!p.str().starts_with(kAuthor) && !p.str().starts_with(kComment) &&
            !p.str().starts_with(kTitleFile))
            others.push_back(p);
    std::vector<CString> list;
    if (!explicitTitle.IsEmpty())
        list.push_back(kTitleFile + explicitTitle);
    if (!comment.IsEmpty())
        list.push_back(kComment + comment);
    if (!author.IsEmpty())
        list.push_back(kAuthor + author);
    list.insert(list.end(), others.begin(), others.end());
    m_header.properties = std::move(list);

    if (sizeIndex != m_header.sizeCode) {
        Profile().WriteInt("Sheet", "Work", sizeIndex);
        ResetFromSettings();
    }
    m_titleFile = newTitle;
    if (changed) {
        m_propertiesChanged = true;
        m_modifiedFlag = true;
    }
    LoadTitleBlock();
}

bool CVIREODoc::MakePart(const std::function<bool(CMakePartInput&)>& dialog)
{
    const CText* nameText = FindNamedText(m_selection, "Name");
    if (!nameText || m_selection.GetItemCount() < 2)
        return false;
    const CString duplicate = CPart::FindDuplicatePinNo(m_selection.Pins());
    if (!duplicate.IsEmpty() && Host().Ask(FormatMessage(2101, duplicate), CHost::YesNo) != CHost::IDYES)
        return false;
    if (CPart::HasOnlyOneKindPowerPin(m_selection.Pins()) &&
        Host().Ask(LoadMessage(2102), CHost::YesNo) != CHost::IDYES)
        return false;

    CMakePartInput input;
    input.origin = LowerLeft(m_selection);
    input.dialog.partName = SettingString("MakePart", "Name");
    input.dialog.reference = SettingString("MakePart", "Ref") + "?";
    input.dialog.value = SettingString("MakePart", "Val");
    input.dialog.partNameDisp = SettingInt("MakePart", "NameDisp") != 0;
    input.dialog.referenceDisp = SettingInt("MakePart", "RefDisp") != 0;
    input.dialog.valueDisp = SettingInt("MakePart", "ValDisp") != 0;
    input.dialog.packageMax = SettingInt("MakePart", "Max");
    input.dialog.package = SettingInt("MakePart", "Pack");
    input.attr = SettingInt("MakePart", "Attr");
    if (!dialog(input))
        return false;
    const CPartDialogCheck check = CPart::CheckDialogInput(input.dialog);
    if (!check.Ok()) {
        Host().Message(check.Message(), CHost::Warning);
        return false;
    }

    // What the part takes: plain lines, pins, texts (the three placeholders
    // become its name texts) and arcs.  Wires, buses, junctions and parts
    // stay selected as they are.
    CSheet taken;
    for (const CLine& x : m_selection.Lines()) taken.NewLine(x);
    for (const CPin& x : m_selection.Pins()) taken.NewPin(x);
    for (const CText& x : m_selection.Texts()) taken.NewText(x);
    for (const CArc& x : m_selection.Arcs()) taken.NewArc(x);

    CPart part(input.origin, input.origin, input.origin, input.dialog.packageMax, input.dialog.package, 0,
               input.attr);
    // Each name text takes the place of its placeholder (or the origin).
    const CText* at[3] = {FindNamedText(taken, "Name"), FindNamedText(taken, "Ref"), FindNamedText(taken, "Val")};
    const auto point = [&](int i) { return at[i] ? at[i]->GetPoint() : input.origin; };
    const auto attr = [&](int i) { return at[i] ? at[i]->GetAngle() : CText::kDefaultAttr; };
    part.SetPartName(input.dialog.partName, point(0), attr(0));
    part.SetRefName(input.dialog.reference, point(1), attr(1));
    part.SetValue(input.dialog.value, point(2), attr(2));
    CSheet work;
    work += taken;
    work.MakePart(part);
    part.ApplyDialog(input.dialog, nullptr, false);
    part.SetPackageMax(input.dialog.packageMax);
    part.SetPackage(input.dialog.package);
    part.SortPin();
    part.CalcBoundRect(1);

    RemoveEqualItems(m_selection, taken);
    m_selection.NewPart(part);
    m_history.Record(taken, CUndoHistory::kOld);
    m_history.Record(CItemRef(part), CUndoHistory::kNew);
    return true;
}

bool CVIREODoc::DecomposeParts()
{
    if (m_selection.Parts().IsEmpty())
        return false;
    if (Host().Ask(docmsg::AskDecompose(), CHost::YesNo) != CHost::IDYES)
        return false;
    CSheet parts, freed;
    for (const CPart& part : m_selection.Parts()) {
        parts.NewPart(part);
        for (const CLine& x : part.Lines()) freed.NewLine(x);
        for (const CText& x : part.Texts()) freed.NewText(x);
        for (const CArc& x : part.Arcs()) freed.NewArc(x);
        for (const CPin& x : part.Pins()) freed.NewPin(x);
        // The name texts become the placeholders Make Part looks for.
        const std::pair<const CText*, const char*> names[] = {
            {&part.GetPartNameText(), "Name"}, {&part.GetRefNameText(), "Ref"}, {&part.GetValNameText(), "Val"}};
        for (const auto& [text, placeholder] : names) {
            CText t = *text;
            t.SetName(placeholder);
            t.Disp(true);
            t.SetTextSel(false);
            freed.NewText(t);
        }
    }
    // The last part's settings are the next Make Part's defaults.
    const CPart& last = *m_selection.GetLastPart();
    CString prefix, suffix;
    int number = 0;
    last.GetRefName(prefix, suffix, number);
    CProfile& profile = Profile();
    profile.WriteInt("MakePart", "NameDisp", last.GetPartNameText().IsDisp());
    profile.WriteString("MakePart", "Name", last.GetPartName());
    profile.WriteInt("MakePart", "RefDisp", last.GetRefNameText().IsDisp());
    profile.WriteString("MakePart", "Ref", prefix);
    profile.WriteInt("MakePart", "ValDisp", last.GetValNameText().IsDisp());
    profile.WriteString("MakePart", "Val", last.GetValName());
    profile.WriteInt("MakePart", "Max", last.GetPackageMax());
    profile.WriteInt("MakePart", "Pack", last.GetPackage());
    profile.WriteInt("MakePart", "Attr", last.GetAttr());

    while (!m_selection.Parts().IsEmpty())
        m_selection.DeletePart(*m_selection.GetHeadPart());
    m_main += freed;
    m_history.Record(parts, CUndoHistory::kOld);
    m_history.Record(freed, CUndoHistory::kNew);
    return true;
}

bool CVIREODoc::ResetPartReference()
{
    if (!AnyNumberedReference(m_selection))
        return false;
    if (Host().Ask(docmsg::AskResetReference(), CHost::OKCancel) != CHost::IDOK)
        return false;
    // Only the parts that change are recorded, both times, so that Undo puts
    // back exactly these.
    CSheet before, after;
    for (CPart& part : m_selection.Parts()) {
        if (!HasNumberedReference(part))
            continue;
        before.NewPart(part);
        part.SetRefNo(0, 1);
        part.CalcBoundRect();
        after.NewPart(part);
    }
    m_history.Record(before, CUndoHistory::kOld);
    m_history.Record(after, CUndoHistory::kNew);
    m_reselect = m_selection;
    ReturnSelection();
    return true;
}

bool CVIREODoc::RegisterLibrary(const std::function<bool(CLibraryRegisterInput&)>& dialog)
{
    if (m_selection.Parts().IsEmpty())
        return false;
    CLibraryRegisterInput input;
    input.packageName = m_selection.GetHeadPart()->GetPartName();
    CLibrary list;
    const std::vector<CString>& libraries = list.ReadLibraryList();
    if (!libraries.empty())
        input.library = libraries.front();
    if (!dialog(input) || input.library.IsEmpty() || input.packageName.IsEmpty())
        return false;

    CSheet copy(CSheet::kSelection);
    copy = m_selection;
    for (CPart& part : copy.Parts()) {
        for (const CString& name : input.dropProperties)
            part.DeleteProperty(name);
        part.CalcBoundRect();
    }
    CLibrary library;
    library.SetLibraryName(input.library);
    library.SetPackageName(input.packageName);
    if (!library.LockForUpdate() || !library.ReadFile() || !library.DelPart(true, false) ||
        !library.WritePart(&copy))
        return false;
    m_selection = copy;
    m_partBuffer = copy;
    return true;
}

CDocCommandEnables CVIREODoc::CommandEnables(ViewActivity activity, bool libraryListEmpty) const
{
    CDocCommandEnables e;
    const bool nothingSelected = m_selection.GetItemCount() == 0;
    const bool selecting = activity == ViewActivity::Selecting;
    const bool idleOrSelecting = selecting || activity == ViewActivity::Idle;
    const bool hasParts = !m_selection.Parts().IsEmpty();
    e.undo = m_history.CanUndo() && nothingSelected;
    e.redo = m_history.CanRedo() && nothingSelected;
    e.makePart = selecting && m_selection.GetItemCount() >= 2 && !m_selection.Texts().IsEmpty() &&
                 FindNamedText(m_selection, "Name") != nullptr;
    e.decompose = selecting && hasParts;
    e.library = idleOrSelecting && !libraryListEmpty && hasParts;
    e.editLibrary = nothingSelected && !libraryListEmpty;
    e.resetReference = idleOrSelecting && AnyNumberedReference(m_selection);
    return e;
}
