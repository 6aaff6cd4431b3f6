#include "app/edit/editids.h"

#include <cctype>
#include <cstdlib>

namespace {

struct Named {
    const char* name;
    int id;
};

const Named kCommands[] = {
    {"wire", editcmd::kWire},
    {"bus", editcmd::kBus},
    {"line", editcmd::kLine},
    {"part", editcmd::kPart},
    {"text", editcmd::kText},
    {"pin", editcmd::kPin},
    {"curve", editcmd::kCurve},
    {"move", editcmd::kMove},
    {"copy", editcmd::kCopy},
    {"moveattribute", editcmd::kMoveAttribute},
    {"modify", editcmd::kModify},
    {"erase", editcmd::kErase},
    {"cancel", editcmd::kCancel},
    {"grid", editcmd::kGrid},
    {"fliphorizontal", editcmd::kFlipHorizontal},
    {"flipvertical", editcmd::kFlipVertical},
    {"rotation", editcmd::kRotation},
    {"invert", editcmd::kInvert},
    {"nextgate", editcmd::kNextGate},
    {"beforegate", editcmd::kBeforeGate},
    {"changeclockstyle", editcmd::kClockStyle},
    {"changedotstyle", editcmd::kDotStyle},
    {"leftsidepin", editcmd::kLeftSidePin},
    {"undersidepin", editcmd::kUnderSidePin},
    {"rightsidepin", editcmd::kRightSidePin},
    {"uppersidepin", editcmd::kUpperSidePin},
    {"selectall", editcmd::kSelectAll},
    {"reselect", editcmd::kReselect},
    {"undo", editcmd::kUndo},
    {"redo", editcmd::kRedo},
    {"cut", editcmd::kCut},
    {"copyclipboard", editcmd::kCopyClipboard},
    {"paste", editcmd::kPaste},
    {"find", editcmd::kFind},
    {"findnext", editcmd::kFindNext},
    {"makepart", editcmd::kMakePart},
    {"partdecomposition", editcmd::kDecompose},
    {"library", editcmd::kLibrary},
    {"resetpartreference", editcmd::kResetReference},
    {"ascend", editcmd::kAscend},
    {"descend", editcmd::kDescend},
    {"numberingreference", editcmd::kNumbering},
    {"cleanup", editcmd::kCleanUp},
};

const Named kKeys[] = {
    {"backspace", editkey::kBackspace},
    {"enter", editkey::kEnter},
    {"return", editkey::kEnter},
    {"escape", editkey::kEscape},
    {"esc", editkey::kEscape},
    {"delete", editkey::kDelete},
    {"space", editkey::kSpace},
    {"left", editkey::kLeft},
    {"right", editkey::kRight},
    {"up", editkey::kUp},
    {"down", editkey::kDown},
    {"pageup", editkey::kPageUp},
    {"pagedown", editkey::kPageDown},
    {"application", editkey::kApplication},
    {"f5", editkey::kF5},
    {"f6", editkey::kF6},
    {"f7", editkey::kF7},
    {"f8", editkey::kF8},
    {"f9", editkey::kF9},
};

std::string Lower(const std::string& s)
{
    std::string out;
    for (char c : s)
        out += char(std::tolower((unsigned char)c));
    return out;
}

} // namespace

int EditCommandId(const std::string& name)
{
    if (!name.empty() && std::isdigit((unsigned char)name[0])) {
        char* end = nullptr;
        const long id = std::strtol(name.c_str(), &end, 10);
        if (*end == '\0' && id > 0 && id < 65536)
            return int(id);
        return 0;
    }
    const std::string lower = Lower(name);
    for (const Named& c : kCommands)
        if (lower == c.name)
            return c.id;
    return 0;
}

std::string EditCommandName(int id)
{
    for (const Named& c : kCommands)
        if (c.id == id)
            return c.name;
    return std::string();
}

int EditKeyCode(const std::string& name)
{
    if (name.size() == 1) {
        const unsigned char c = (unsigned char)name[0];
        if (std::isalnum(c))
            return std::toupper(c);
        if (c == '+' || c == '-' || c == '/')
            return c;
        return 0;
    }
    const std::string lower = Lower(name);
    for (const Named& k : kKeys)
        if (lower == k.name)
            return k.id;
    if (lower.size() == 4 && lower.starts_with("num") && lower[3] >= '1' && lower[3] <= '9')
        return editkey::kNum1 + (lower[3] - '1');
    return 0;
}
