#pragma once
// Value types shared by every component: colours, fonts, alignment, modal results, message ids.
#include <cstdint>
#include <string>

namespace ui {

// Virtual key codes of OnKeyDown: letters and digits are their upper-case character codes.
inline constexpr int VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18;
inline constexpr int VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36;
inline constexpr int VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46;
inline constexpr int VK_F1 = 112, VK_F3 = 114, VK_F12 = 123;

// The modifier keys held with a key.
struct ShiftState {
    bool Shift = false;
    bool Alt = false;
    bool Ctrl = false;
};

// Colours are 0x00BBGGRR; system colours have the high byte 0xFF and a system index in the low byte.
using Color = int32_t;
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clOlive = 0x008080;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clPurple = 0x800080;
inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clSilver = 0xC0C0C0;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clLime = 0x00FF00;
inline constexpr Color clYellow = 0x00FFFF;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clFuchsia = 0xFF00FF;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clScrollBar = static_cast<Color>(0xFF000000);
inline constexpr Color clBackground = static_cast<Color>(0xFF000001);
inline constexpr Color clActiveCaption = static_cast<Color>(0xFF000002);
inline constexpr Color clMenu = static_cast<Color>(0xFF000004);
inline constexpr Color clWindow = static_cast<Color>(0xFF000005);
inline constexpr Color clWindowFrame = static_cast<Color>(0xFF000006);
inline constexpr Color clMenuText = static_cast<Color>(0xFF000007);
inline constexpr Color clWindowText = static_cast<Color>(0xFF000008);
inline constexpr Color clHighlight = static_cast<Color>(0xFF00000D);
inline constexpr Color clHighlightText = static_cast<Color>(0xFF00000E);
inline constexpr Color clBtnFace = static_cast<Color>(0xFF00000F);
inline constexpr Color clBtnShadow = static_cast<Color>(0xFF000010);
inline constexpr Color clGrayText = static_cast<Color>(0xFF000011);
inline constexpr Color clBtnText = static_cast<Color>(0xFF000012);
inline constexpr Color clInfoBk = static_cast<Color>(0xFF000018);

inline constexpr bool IsSystemColor(Color c) { return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }

struct Font {
    std::string Name;      // empty: the platform's default family
    int Size = 8;          // points; used when Height is 0
    int Height = 0;        // character height in pixels, written negative as in form resources (-11)
    ui::Color Color = clWindowText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Charset = 0;  // how the control turns text bytes into characters: 0 one per byte, 128 Shift-JIS
};

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const Rect&) const = default;
};

// Enumerations use short prefixed value names ("alClient", "bsDialog") that read the same in every form.
enum Align { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum Alignment { taLeftJustify, taRightJustify, taCenter };
enum BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum FormPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum CloseAction { caNone, caHide, caFree, caMinimize };
enum BevelCut { bvNone, bvLowered, bvRaised };
enum StaticBorder { sbsNone, sbsSingle, sbsSunken };
enum ComboStyle { csDropDown, csDropDownList };
enum ScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Modal results; the values are those of the message-box answers.
using ModalResult = int;
inline constexpr ModalResult mrNone = 0;
inline constexpr ModalResult mrOk = 1;
inline constexpr ModalResult mrCancel = 2;
inline constexpr ModalResult mrAbort = 3;
inline constexpr ModalResult mrRetry = 4;
inline constexpr ModalResult mrIgnore = 5;
inline constexpr ModalResult mrYes = 6;
inline constexpr ModalResult mrNo = 7;

// Window messages posted to forms (PostMessage).
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_NEXTDLGCTL = 0x0028;
inline constexpr unsigned WM_APP = 0x8000;

}  // namespace ui
