#include "app/docmessages.h"

#include "base/codepage.h"
#include "base/messages.h"

namespace {

CString PathText(const std::filesystem::path& path)
{
    // Shown text is CP932 inside; the path's name is UTF-8.
    return FromUtf8(path.string());
}

bool Japanese()
{
    return GetMessageLanguage() == MessageLanguage::Japanese;
}

CString Pick(const char* english, const char* japaneseUtf8)
{
    return Japanese() ? FromUtf8(japaneseUtf8) : CString(english);
}

}  // namespace

namespace docmsg {

CString ModifiedMark()
{
    return FromUtf8(" (更新)");
}

CString CannotOpen(const std::filesystem::path& path)
{
    return FormatMessage(2903, PathText(path));
}

CString CannotCreate(const std::filesystem::path& path)
{
    return FormatMessage(2902, PathText(path));
}

CString FailedToSave(const std::filesystem::path& path, const std::string& reason)
{
    return Pick("Failed to save document ", "ドキュメントを保存できませんでした ") + PathText(path) +
           (reason.empty() ? CString() : CString(" (" + reason + ")"));
}

CString OldTextForm(const std::filesystem::path& path)
{
    return PathText(path) + FromUtf8("\nこのファイルは読込めません。\nバージョン０．６０以前のプログラムで"
                                     "セーブし直して下さい。");
}

CString SaveAsFirst(const std::filesystem::path& path)
{
    return PathText(path) + Pick("\nThis document was read from another format: save it under a new name.",
                                 "\n別形式から読み込んだ図面です。名前を付けて保存して下さい。");
}

CString ChangedOnDisk(const std::filesystem::path& path)
{
    return PathText(path) +
           Pick("\nThis file was changed by another program since it was opened.\n"
                "Overwrite it (Yes), save under another name (No), or cancel?",
                "\nこのファイルは開いた後にほかのプログラムで変更されています。\n"
                "上書き(はい)、名前を付けて保存(いいえ)、取消(キャンセル)のどれにしますか？");
}

CString NoPath()
{
    return Pick("The document has no file name yet: save it under a name.",
                "図面にファイル名がありません。名前を付けて保存して下さい。");
}

CString ReadOnlyNotAutosaved()
{
    return FromUtf8("読み込み専用ファイルは自動保存の対象外です");
}

CString AskDecompose()
{
    return FromUtf8("部品を分解しますか？");
}

CString AskResetReference()
{
    return FromUtf8("選択された部品の参照番号をリセットしますか？");
}

CString BadTitleFileName(const CString& name)
{
    return Pick("Not a title file name of the data folder: ", "データフォルダの図枠ファイル名ではありません: ") +
           name;
}

CString NotASheet(const std::filesystem::path& path)
{
    return PathText(path) + Pick("\nis neither a schematic sheet nor a Tango schematic.",
                                 "\n図面ファイルでもTangoファイルでもありません。");
}

CString NotAProject(const std::filesystem::path& path)
{
    return FormatMessage(2903, PathText(path)) +
           Pick(" (not a project file)", "（プロジェクトファイルではありません）");
}

CString NoSheetsInProject(const std::filesystem::path& path)
{
    return PathText(path) + Pick("\nThe project names no sheet to convert.",
                                 "\nプロジェクトに変換する図面がありません。");
}

CString OutputIsInput(const std::filesystem::path& path)
{
    return PathText(path) +
           Pick("\nis one of the files being converted; choose another output file.",
                "\nは変換元のファイルです。別の出力ファイルを指定して下さい。");
}

CString BadPdfSetting(const char* key, const CString& value, const CString& used)
{
    return Pick("PDF setting ", "PDF設定 ") + CString(key) + " = \"" + value + "\"" +
           Pick(" is out of range; used: ", " は範囲外です。使用する値: ") + used;
}

}  // namespace docmsg
