// Translations between Qt's input and pointer vocabulary and the numbers the control's events
// carry: mouse button numbers (1 left, 2 right, 4 middle), the modifier mask (1 Shift, 2 Ctrl,
// 4 Alt), key codes of the classic desktop's virtual-key table, and the numbered pointer
// shapes of MousePointer.
#pragma once

#include <QCursor>
#include <QKeyEvent>
#include <Qt>
#include <cstdint>
#include <optional>

namespace chameleon {

// 1, 2 or 4 for the left, right and middle buttons; 0 for any other button.
std::int16_t mouseButtonNumber(Qt::MouseButton button);
// The set of held buttons as the sum of their numbers (0 when none is held).
std::int16_t mouseButtonsHeld(Qt::MouseButtons buttons);
// Shift 1, Ctrl 2, Alt 4, summed.
std::int16_t shiftMask(Qt::KeyboardModifiers modifiers);
// The key code of a key event, for every key: the virtual-key table's code (letters and
// digits as their capitals, F1 112, the US punctuation keys 186..222); for a key of another
// layout, its Latin-1 capital as Qt names it (é 201, ä 196, ß 223, § 167), else the classic
// code-page code of its capital character (€ 128); 0 for keys with neither, such as dead keys.
std::int16_t virtualKeyCode(const QKeyEvent& event);
// The character code of a key event's text (KeyAscii) in the classic Western code page: a
// character up to 0xFF is its own code (é 233), the page's 27 additions have theirs (€ 128),
// and any other character is '?' (63); nothing for keys without text.
std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event);
// The Qt cursor for a numbered pointer shape 1..15; nothing for 0 (the default), 99 (custom)
// and numbers without a shape.
std::optional<Qt::CursorShape> pointerShapeCursor(std::int16_t shape);
// The first pointer shape number that shows as a Qt cursor shape; nothing for shapes without one.
std::optional<std::int16_t> pointerShapeOf(Qt::CursorShape cursor);

} // namespace chameleon
