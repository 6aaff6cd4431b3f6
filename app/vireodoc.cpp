#include "app/vireodoc.h"

#include <atomic>

#include "app/docmessages.h"
#include "base/codepage.h"
#include "app/settings.h"
#include "base/profile.h"
#include "sheet/cleanup.h"

namespace {

std::atomic<uint64_t> g_nextSerial{1};

}  // namespace

CVIREODoc::CVIREODoc() : m_serial(g_nextSerial++)
{
    m_header.version = CSchematicFile::kVersion;
    m_history.onRecordClosed = [this](int kind) {
        if (kind != CUndoHistory::kNew && SettingInt("FileSave", "AutoSave") != 0)
            ++m_editCount;
    };
}

bool CVIREODoc::IsModified() const
{
    return m_history.StateId() != m_savedState || m_propertiesChanged || m_modifiedFlag;
}

void CVIREODoc::MarkSaved()
{
    m_savedState = m_history.StateId();
    m_modifiedFlag = false;
    m_propertiesChanged = false;
    m_editCount = 0;
}

CString CVIREODoc::TitleText(bool minimised) const
{
    CString name = m_defaultTitle;
    if (!m_path.empty())
        name = FromUtf8(minimised || SettingInt("Sheet", "FullPath") == 0 ? m_path.filename().string()
                                                                           : m_path.string());
    if (minimised)
        return name;
    const CString mark = docmsg::ModifiedMark();
    if (IsModified() && name.Right(mark.GetLength()) != mark)
        name += mark;
    return name;
}

void CVIREODoc::DeleteContents()
{
    m_main.DeleteContents();
    m_title.DeleteContents();
}

void CVIREODoc::ResetFromSettings()
{
    const CDocumentHeader fresh = CSchematicFile::NewDocumentHeader();
    m_header.width = fresh.width;
    m_header.height = fresh.height;
    m_header.sizeCode = fresh.sizeCode;
    m_header.visibleArea = fresh.visibleArea;
    m_titleFile = CSchematicFile::TitleFileName(m_header.sizeCode);
    m_propertiesChanged = false;
}

void CVIREODoc::SetTitleFileProperty(const CString& titleFile)
{
    auto& props = m_header.properties;
    for (auto it = props.begin(); it != props.end(); ++it) {
        if (it->str().starts_with("&TitleFile&")) {
            props.erase(it);
            break;
        }
    }
    m_titleFile = CSchematicFile::TitleFileName(m_header.sizeCode);
    if (!titleFile.IsEmpty() && titleFile != m_titleFile) {
        m_titleFile = titleFile;
        props.insert(props.begin(), "&TitleFile&" + titleFile);
    }
}

void CVIREODoc::OnNewDocument(int sizeIndex, const CString& titleFile)
{
    DeleteContents();
    m_history.Clear();
    m_header = CDocumentHeader();
    m_header.version = CSchematicFile::kVersion;
    Profile().WriteInt("Sheet", "Work", ClampSetting(*FindSetting("Sheet", "Work"), sizeIndex));
    ResetFromSettings();
    SetTitleFileProperty(titleFile);
    LoadTitleBlock();
    creationTime = accessTime = modificationTime = std::time(nullptr);
    MarkSaved();
}

CString CVIREODoc::TitleFileOf(const CDocumentHeader& header)
{
    for (const CString& p : header.properties)
        if (p.str().starts_with("&TitleFile&"))
            return p.Mid(11);
    return CSchematicFile::TitleFileName(header.sizeCode);
}

bool CVIREODoc::IsValidTitleFileName(const CString& name)
{
    if (name.IsEmpty() || name == "." || name == ".." || name.GetLength() > 255)
        return false;
    // A stored name must not lead out of the data folder: no separators of
    // either system, no drive, no control characters.
    for (int i = 0; i < name.GetLength(); i += name.CharLengthAt(i)) {
        const unsigned char c = (unsigned char)name[i];
        if (name.CharLengthAt(i) == 1 && (c == '/' || c == '\\' || c == ':' || c < 0x20))
            return false;
    }
    return true;
}

// --- selection ------------------------------------------------------------------------------

void CVIREODoc::SelectItem(const CItemRef& item)
{
    if (m_selection.GetItemCount() == 0)
        m_reselect.DeleteContents();
    m_selection.AddItem(item);
    m_reselect.AddItem(item);
    m_main.DeleteItem(item);
}

void CVIREODoc::DeselectItem(const CItemRef& item)
{
    m_main.AddItem(item);
    m_reselect.DeleteItem(item);
    m_selection.DeleteItem(item);
}

void CVIREODoc::ReturnSelection()
{
    m_main += m_selection;
    m_selection.DeleteContents();
}

// --- recorded changes --------------------------------------------------------------------------

int CVIREODoc::TakeLastRecord(CSheet& into, bool dropJunctions)
{
    return m_history.TakeLastRecord(into, dropJunctions, m_main);
}

void CVIREODoc::AddToMainSheet(CSheet& items, bool emptySource)
{
    m_main += items;
    if (emptySource)
        items.DeleteContents();
}

void CVIREODoc::AddItems(const CSheet& items)
{
    m_main += items;
    m_history.Record(items, CUndoHistory::kAdded);
}

void CVIREODoc::RemoveItems(const CSheet& items)
{
    RemoveEqualItems(m_main, items);
    m_history.Record(items, CUndoHistory::kRemoved);
}

void CVIREODoc::ChangeItems(const CSheet& oldItems, const CSheet& newItems)
{
    RemoveEqualItems(m_main, oldItems);
    m_main += newItems;
    m_history.Record(oldItems, CUndoHistory::kOld);
    m_history.Record(newItems, CUndoHistory::kNew);
}

bool CVIREODoc::Undo()
{
    if (m_selection.GetItemCount() != 0)
        return false;
    return m_history.Undo(m_main, m_reselect) >= 0;
}

bool CVIREODoc::Redo()
{
    if (m_selection.GetItemCount() != 0)
        return false;
    return m_history.Redo(m_main, m_reselect) >= 0;
}

namespace {

// What the clean-up may touch: every item but the parts, and the parts too
// when items outside the sheet are removed.
void CopyTidiedItems(const CSheet& from, bool withParts, CSheet& to)
{
    for (const CItemList<CLine>* list : {&from.Wires(), &from.Buses(), &from.Lines()})
        for (const CLine& line : *list)
            to.NewLine(line);
    for (const CArc& arc : from.Arcs())
        to.NewArc(arc);
    for (const CText& text : from.Texts())
        to.NewText(text);
    for (const CJunc& junc : from.Juncs())
        to.NewJunc(junc);
    for (const CPin& pin : from.Pins())
        to.NewPin(pin);
    if (withParts)
        for (const CPart& part : from.Parts())
            to.NewPart(part);
}

}  // namespace

int CVIREODoc::CleanUpDocument()
{
    return CleanUpDrawing(m_main, CSize(m_header.width, m_header.height),
                          CCleanUpOptions::FromSettings(), &m_history);
}

int CVIREODoc::CleanUpDrawing(CSheet& main, const CSize& size, const CCleanUpOptions& options,
                              CUndoHistory* history)
{
    CSheet before;
    if (history)
        CopyTidiedItems(main, options.over, before);
    if (!main.CleanUpDocument(size, options))
        return 0;
    if (!history)
        return 1;
    // One change for undo: the old state out, the new state in.
    CSheet after;
    CopyTidiedItems(main, options.over, after);
    history->Record(before, CUndoHistory::kOld);
    history->Record(after, CUndoHistory::kNew);
    return 1;
}
