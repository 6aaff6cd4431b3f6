// The command ids, keys, buttons and modifier flags the editing engine takes.
//
// Command ids are those of the menus, tool bars and pop-up menus, so that a
// menu entry, a tool button, a pop-up entry and a script line all reach the
// same handler.  Keys are upper-case ASCII letters and digits, '+', '-', '/',
// and the codes below for the keys without a character.
#pragma once

#include <string>
#include <vector>

namespace editcmd {
// Input tools.
constexpr int kWire = 32777, kBus = 32778, kLine = 32779, kPart = 32780, kText = 32781;
constexpr int kPin = 32782, kCurve = 32783;
// Edits of the selection.
constexpr int kModify = 32787, kMove = 32788, kCopy = 32803, kMoveAttribute = 32809;
constexpr int kErase = 57632, kCopyClipboard = 57634, kCut = 57635, kPaste = 57637;
constexpr int kCancel = 32790, kGrid = 32791;
constexpr int kFlipHorizontal = 32794, kFlipVertical = 32795, kRotation = 32796;
constexpr int kInvert = 32797, kNextGate = 32822, kBeforeGate = 32853;
constexpr int kLibrary = 32799, kMakePart = 32786, kDecompose = 32802, kResetReference = 32821;
constexpr int kAscend = 32850, kDescend = 32849, kNumbering = 32852;
// The drawing's clean-up as one undoable step (Tool menu).
constexpr int kCleanUp = 32870;
// The net index jump menu: entry i is kNetJumpFirst + i.
constexpr int kNetJumpFirst = 2201, kNetJumpLast = 2299, kNetJumpMax = 30;
// Pins.
constexpr int kClockStyle = 1003, kDotStyle = 1004;
constexpr int kLeftSidePin = 1005, kUnderSidePin = 1006, kRightSidePin = 1007, kUpperSidePin = 1008;
// Selection and history.
// Find.
constexpr int kFind = 57636, kFindNext = 57640;
constexpr int kSelectAll = 57642, kReselect = 32864, kUndo = 57643, kRedo = 57644;
} // namespace editcmd

namespace editstate {
// Editing states besides the input tools (whose state is their command id).
constexpr int kIdle = 0;
constexpr int kMovePending = 9;  // waiting for the base point
constexpr int kMoving = 10;      // the selection follows the cursor
constexpr int kCopyPending = 11; // waiting for the base point of the copies
constexpr int kCopyPlacing = 12; // every click places one more copy
constexpr int kSelectBox = 32789;
} // namespace editstate

namespace editkey {
constexpr int kBackspace = 0x100, kEnter = 0x101, kEscape = 0x102, kDelete = 0x103;
constexpr int kSpace = 0x104, kLeft = 0x105, kRight = 0x106, kUp = 0x107, kDown = 0x108;
constexpr int kPageUp = 0x109, kPageDown = 0x10A, kApplication = 0x10B;
constexpr int kF5 = 0x115, kF6 = 0x116, kF7 = 0x117, kF8 = 0x118, kF9 = 0x119;
constexpr int kNum1 = 0x121; // kNum1 .. kNum1 + 8: the numeric pad's digits
} // namespace editkey

// Mouse buttons and modifier keys of an event.
namespace editflag {
constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
constexpr int kShift = 0x10, kCtrl = 0x20;
} // namespace editflag

// A command by its name in lower case without blanks or punctuation
// ("fliphorizontal") or by its number; 0 when unknown.
int EditCommandId(const std::string& name);
// The name of a command id; empty when it has none.
std::string EditCommandName(int id);
// A key by its name ("A", "+", "Backspace", "F6", "Num3" ...); 0 when unknown.
int EditKeyCode(const std::string& name);
