#include "library/librarymessages.h"

#include "base/codepage.h"
#include "base/filelock.h"
#include "base/messages.h"

namespace libmsg {

namespace {

// The maker's support address in the "Library data" message.
constexpr const char* kSupportAddress = "support@vireo.example";

CString WithReason(CString text, const std::string& reason)
{
    if (!reason.empty())
        text += CString("\n(") + FromUtf8(reason) + ")";
    return text;
}

} // namespace

CString BackupFile()
{
    return FromUtf8("バックアップファイルです。");
}

CString NotFoundCreate(const CString& path)
{
    return path + "\n" + FromUtf8("部品ファイルが見つかりません\n新規作成しますか？");
}

CString LibraryDataFault()
{
    return CString("Library data falt. Please mail ") + kSupportAddress;
}
CString SamePartExists()
{
    return FromUtf8("同名の部品が存在します。\n上書きしますか？");
}
CString CannotOpenText()
{
    return FromUtf8("ファイルが開けません");
}
CString NotTextLibrary()
{
    return FromUtf8("テキスト部品ファイルではありません。");
}

CString FormatError(int line)
{
    return FromUtf8("フォーマットが不正です。") + CString::Formatted("%d", line) + FromUtf8("行目");
}

CString SameSourceAndDestination()
{
    return FromUtf8("変換元と変換先が同じファイルです。");
}
CString WillDelete(const CString& name)
{
    return name + FromUtf8("を削除します[復活不可]");
}
CString AlreadyExists(const CString& name)
{
    return name + FromUtf8("は既に存在します。上書きしますか？");
}
CString EnterFileName()
{
    return FromUtf8("ファイル名を入力して下さい。");
}

CString FileExistsOverwrite(const CString& path)
{
    return FromUtf8("ファイル ") + path + FromUtf8(" は既にあります。上書きしますか。");
}

CString ConversionDone()
{
    return FromUtf8("変換終了");
}
CString NoLibraryRegistered()
{
    return FromUtf8("部品ファイルを登録していないと部品入力はできません");
}

CString CannotCreate(const CString& path, const std::string& reason)
{
    return WithReason(FormatMessage(2902, path), reason);
}

CString CannotOpen(const CString& path, const std::string& reason)
{
    return WithReason(FormatMessage(2903, path), reason);
}

CString BeingChanged(const CString& path)
{
    return path + " " + kBeingChanged;
}

CString Damaged(const CString& path, const std::string& reason)
{
    return WithReason(path + "\n" + LoadMessage(2906), reason);
}

} // namespace libmsg
