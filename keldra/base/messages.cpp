#include "base/messages.h"

#include <cstdlib>
#include <cstring>
#include <optional>

#include "base/codepage.h"

namespace {

struct Entry {
    int id;
    const char* english;
    const char* japanese;  // UTF-8 here, CP932 when returned
};

const Entry kMessages[] = {
    {2001, "Input Part Name", "部品名を入力して下さい。"},
    {2002, "Part reference is empty", "部品番号が入力されていません。"},
    {2003, "Reference top character '?'", "部品番号の先頭文字が'?'です。"},
    {2004, "Part value is empty", "部品値が入力されていません。"},
    {2005, "package-max < package number or package number is 0",
     "パッケージ数がパッケージ番号より小さいか、パッケージ番号が0です。"},
    {2006, "Input Part Name", "部品名を入力して下さい。"},
    {2007, "package-max and package number is not 0 when invert",
     "反転時はパッケージ数とパッケージ番号を0以外にして下さい。"},
    {2008, "Character '?' allow only one in reference", "部品番号の'?'は1文字だけ使用できます。"},
    {2009, "Number step out of range", "番号の増分が範囲外です。"},
    {2101, "Pin No %1  duplicate\nContinue ?", "ピン番号 %1 が重複しています。\n続けますか？"},
    {2102, "Only one kind power pin\nContinue ?", "電源ピンが1種類しかありません。\n続けますか？"},
    {2901, "No project\nDo you make opened schematic sheets?",
     "プロジェクトがありません。\n開いている回路図で作成しますか？"},
    {2902, "Cannot create file %1", "ファイル %1 を作成できません。"},
    {2903, "Cannot open file %1", "ファイル %1 を開けません。"},
    {2904, "Cannot run tool program", "ツールプログラムを実行できません。"},
    {2905, "Save shematic file", "回路図ファイルを保存して下さい。"},
    {2906, "Irregular file format", "ファイルの形式が正しくありません。"},
};

std::optional<MessageLanguage>& Chosen()
{
    static std::optional<MessageLanguage> language;
    return language;
}

MessageLanguage FromLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::strncmp(value, "ja", 2) == 0 ? MessageLanguage::Japanese : MessageLanguage::English;
    }
    return MessageLanguage::English;
}

}  // namespace

MessageLanguage GetMessageLanguage()
{
    if (!Chosen())
        Chosen() = FromLocale();
    return *Chosen();
}

void SetMessageLanguage(MessageLanguage language)
{
    Chosen() = language;
}

CString LoadMessage(int id, MessageLanguage language)
{
    for (const Entry& e : kMessages)
        if (e.id == id)
            return language == MessageLanguage::Japanese ? FromUtf8(e.japanese) : CString(e.english);
    return CString();
}

CString LoadMessage(int id)
{
    return LoadMessage(id, GetMessageLanguage());
}

CString FormatMessage(int id, const CString& arg)
{
    CString text = LoadMessage(id);
    text.Replace("%1", arg);
    return text;
}
