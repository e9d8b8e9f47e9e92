// The vocabulary of the window procedure: message numbers, their parameters and how the
// parameters pack values. The numbers are those of the Windows messages the procedure's table
// was written for, so that traces read the same on every platform layer.
#pragma once

#include <cstdint>

namespace window {

using WParam = uintptr_t;
using LParam = intptr_t;
using MessageResult = intptr_t;

enum Message : uint32_t {
    MsgCreate = 1,
    MsgDestroy = 2,
    MsgMove = 3,
    MsgSize = 5,
    MsgActivate = 6,
    MsgPaint = 15,
    MsgClose = 16,
    MsgEraseBackground = 20,
    MsgSetCursor = 32,
    MsgGetMinMaxInfo = 36,
    MsgWindowPosChanging = 70,
    MsgWindowPosChanged = 71,
    MsgDisplayChange = 126,
    MsgNcCreate = 129,
    MsgNcDestroy = 130,
    MsgKeyDown = 256,
    MsgKeyUp = 257,
    MsgChar = 258,
    MsgSysKeyDown = 260,
    MsgSysKeyUp = 261,
    MsgSysCommand = 274,
    MsgTimer = 275,
    MsgMouseMove = 512,
    MsgLButtonDown = 513,
    MsgLButtonUp = 514,
    MsgRButtonDown = 516,
    MsgRButtonUp = 517,
    MsgCaptureChanged = 533,
    MsgPowerBroadcast = 536,
    // Private messages of the frame and its components.
    MsgTakeFocus = 1124,
    MsgExit = 1125,
    MsgLostDevice = 1296,
    MsgShowWindow = 1297,
    // Nothing can draw the frame any more: it says so and ends the program.
    MsgGraphicsFailed = 1298,
};

// wParam of MsgSize.
enum SizeKind : WParam { SizeRestored = 0, SizeMinimised = 1, SizeMaximised = 2 };

// wParam of MsgActivate (low word).
enum ActivateKind : WParam { Inactive = 0, Active = 1, ClickActive = 2 };

// wParam of MsgSysCommand.
enum SystemCommand : WParam {
    CommandMinimise = 0xF020,
    CommandMaximise = 0xF030,
    CommandClose = 0xF060,
    CommandRestore = 0xF120,
};

// wParam of MsgPowerBroadcast.
enum PowerEvent : WParam { PowerResumeCritical = 2, PowerSuspend = 4, PowerResumeSuspend = 7 };

// wParam bits of the mouse messages.
enum MouseKeys : WParam { MouseLeft = 1, MouseRight = 2, MouseShift = 4, MouseControl = 8 };

// lParam bits of the key messages.
constexpr LParam KeyAltDown = LParam(1) << 29;
constexpr LParam KeyWasDown = LParam(1) << 30;

// lParam of MsgSetCursor: the hit (client area) in the low word, the mouse message above.
constexpr int32_t HitClient = 1;

// Virtual-key codes that the procedure and the shortcuts look at.
enum VirtualKey : int32_t {
    VkBack = 8,
    VkTab = 9,
    VkReturn = 13,
    VkShift = 16,
    VkControl = 17,
    VkMenu = 18,
    VkEscape = 27,
    VkLeft = 37,
    VkUp = 38,
    VkRight = 39,
    VkDown = 40,
    VkDelete = 46,
    VkF1 = 0x70,
    VkF4 = 0x73,
    VkF11 = 0x7A,
    VkF15 = 0x7E,
};

inline LParam makeLParam(int32_t low, int32_t high)
{
    return LParam(uint32_t(uint16_t(low)) | (uint32_t(uint16_t(high)) << 16));
}

// The signed 16-bit halves of an lParam, as the mouse and move messages pack coordinates.
inline int32_t lowSigned(LParam value) { return int16_t(uint16_t(value & 0xFFFF)); }
inline int32_t highSigned(LParam value) { return int16_t(uint16_t((value >> 16) & 0xFFFF)); }
inline int32_t lowWord(WParam value) { return int32_t(value & 0xFFFF); }

// lParam of MsgGetMinMaxInfo points at one of these (sizes of the outer window).
struct MinMaxInfo {
    int32_t maxSizeWidth = 0, maxSizeHeight = 0;
    int32_t maxPositionX = 0, maxPositionY = 0;
    int32_t minTrackWidth = 0, minTrackHeight = 0;
    int32_t maxTrackWidth = 0, maxTrackHeight = 0;
};

// lParam of MsgWindowPosChanging points at one of these; the handler may add the
// suppression flags.
struct WindowPos {
    enum Flags : uint32_t { NoSize = 1, NoMove = 2 };
    int32_t x = 0, y = 0, width = 0, height = 0;
    uint32_t flags = 0;
};

} // namespace window
