// The tables behind qt_input_map.h. Key codes follow the classic virtual-key table on a US
// layout, since that is what KeyDown and KeyUp handlers written for the control test against
// (32 space, 37..40 arrows, 65..90 letters). Characters are numbered as the classic Western
// code page numbers them, the one such handlers were written for.
#include "button/widget/qt_input_map.h"

#include "button/paint/types.h"

#include <array>
#include <utility>

namespace chameleon {

namespace {

constexpr std::int16_t kShiftBit = 1;
constexpr std::int16_t kCtrlBit = 2;
constexpr std::int16_t kAltBit = 4;

// Keys whose code is not their own character code.
constexpr auto kKeyTable = std::to_array<std::pair<int, std::int16_t>>({
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, VkSpace},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, VkLeft},
    {Qt::Key_Up, VkUp},
    {Qt::Key_Right, VkRight},
    {Qt::Key_Down, VkDown},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // Shifted digits on a US layout report the symbol; the key is the digit's.
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
});

// Keypad keys have codes of their own.
constexpr std::int16_t kKeypadDigitBase = 96; // keypad 0
constexpr std::array<std::pair<int, std::int16_t>, 5> kKeypadTable = {{
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Slash, 111},
}};

constexpr std::int16_t kFunctionKeyBase = 112; // F1
constexpr int kFunctionKeyCount = 24;

// MousePointer numbers 1..15.
constexpr std::array<Qt::CursorShape, 15> kPointerShapes = {
    Qt::ArrowCursor,     //  1 arrow
    Qt::CrossCursor,     //  2 cross
    Qt::IBeamCursor,     //  3 I-beam
    Qt::ArrowCursor,     //  4 icon (no such shape here: the arrow)
    Qt::SizeAllCursor,   //  5 size, four arrows
    Qt::SizeBDiagCursor, //  6 size NE-SW
    Qt::SizeVerCursor,   //  7 size N-S
    Qt::SizeFDiagCursor, //  8 size NW-SE
    Qt::SizeHorCursor,   //  9 size W-E
    Qt::UpArrowCursor,   // 10 up arrow
    Qt::WaitCursor,      // 11 hourglass
    Qt::ForbiddenCursor, // 12 no drop
    Qt::BusyCursor,      // 13 arrow and hourglass
    Qt::WhatsThisCursor, // 14 arrow and question mark
    Qt::SizeAllCursor,   // 15 size all
};

// Keys of other layouts: Latin-1 codes from the no-break space up.
constexpr int kFirstLatin1Key = 0xA0;
constexpr int kLastLatin1Key = 0xFF;
// The code of a key that neither the table nor its character gives one.
constexpr std::int16_t kNoKeyCode = 0;
// What the classic code page makes of a character it cannot hold.
constexpr int kUnmappable = '?';

// The characters the classic Western code page (Windows-1252) puts at 0x80..0x9F; 0 where it
// has none.
constexpr std::array<char16_t, 32> kAnsiHighRow = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
constexpr int kAnsiHighRowStart = 0x80;

// A character's code in the classic Western code page: itself up to 0xFF (outside
// 0x80..0x9F), the page's own code for the 27 characters it adds there (€ 128), and '?' for
// every other character.
int ansiCodeOf(char16_t ch) {
    if (ch < kAnsiHighRowStart || (ch > kAnsiHighRowStart + 31 && ch <= 0xFF)) return ch;
    for (std::size_t i = 0; i < kAnsiHighRow.size(); ++i)
        if (kAnsiHighRow[i] != 0 && kAnsiHighRow[i] == ch)
            return kAnsiHighRowStart + static_cast<int>(i);
    return kUnmappable;
}

template <std::size_t N>
std::optional<std::int16_t> lookUp(const std::array<std::pair<int, std::int16_t>, N>& table,
                                   int key) {
    for (const auto& [qtKey, code] : table)
        if (qtKey == key) return code;
    return std::nullopt;
}

} // namespace

std::int16_t mouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseLeft;
    case Qt::RightButton:
        return MouseRight;
    case Qt::MiddleButton:
        return MouseMiddle;
    default:
        return 0;
    }
}

std::int16_t mouseButtonsHeld(Qt::MouseButtons buttons) {
    std::int16_t held = 0;
    if (buttons & Qt::LeftButton) held |= MouseLeft;
    if (buttons & Qt::RightButton) held |= MouseRight;
    if (buttons & Qt::MiddleButton) held |= MouseMiddle;
    return held;
}

std::int16_t shiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= kShiftBit;
    if (modifiers & Qt::ControlModifier) mask |= kCtrlBit;
    if (modifiers & Qt::AltModifier) mask |= kAltBit;
    return mask;
}

std::int16_t virtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return static_cast<std::int16_t>(kKeypadDigitBase + (key - Qt::Key_0));
        if (auto code = lookUp(kKeypadTable, key)) return *code;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeyCount)
        return static_cast<std::int16_t>(kFunctionKeyBase + (key - Qt::Key_F1));
    if (auto code = lookUp(kKeyTable, key)) return *code;
    // Qt names the keys of other layouts by their Latin-1 capital (É 201, Ä 196, ß 223, § 167).
    if (key >= kFirstLatin1Key && key <= kLastLatin1Key) return static_cast<std::int16_t>(key);
    const QString text = event.text();
    if (!text.isEmpty()) {
        const int ansi = ansiCodeOf(text.at(0).toUpper().unicode());
        if (ansi >= kAnsiHighRowStart && ansi != kUnmappable)
            return static_cast<std::int16_t>(ansi);
    }
    return kNoKeyCode;
}

std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    return static_cast<std::int16_t>(ansiCodeOf(text.at(0).unicode()));
}

std::optional<Qt::CursorShape> pointerShapeCursor(std::int16_t shape) {
    if (shape < 1 || shape > static_cast<std::int16_t>(kPointerShapes.size())) return std::nullopt;
    return kPointerShapes[static_cast<std::size_t>(shape - 1)];
}

std::optional<std::int16_t> pointerShapeOf(Qt::CursorShape cursor) {
    for (std::size_t i = 0; i < kPointerShapes.size(); ++i)
        if (kPointerShapes[i] == cursor) return static_cast<std::int16_t>(i + 1);
    return std::nullopt;
}

} // namespace chameleon
