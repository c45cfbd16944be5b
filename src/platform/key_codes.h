// The program's own vocabulary for keys: virtual key codes of physical key positions
// (ANSI layout) and modifier flag bits. Keyboard adapters translate to and from it;
// on Linux Command is Ctrl, Option is Alt and Control is Super.
#pragma once

#include <cstdint>

namespace oskel {

using KeyCode = std::int64_t;
using ModifierFlags = std::uint64_t;

namespace keys {
inline constexpr KeyCode kV = 9;
inline constexpr KeyCode kJ = 38;
inline constexpr KeyCode kTab = 48;
inline constexpr KeyCode kEscape = 53;
}  // namespace keys

namespace modifiers {
inline constexpr ModifierFlags kCapsLock = 0x10000;
inline constexpr ModifierFlags kShift = 0x20000;
inline constexpr ModifierFlags kControl = 0x40000;
inline constexpr ModifierFlags kOption = 0x80000;
inline constexpr ModifierFlags kCommand = 0x100000;
inline constexpr ModifierFlags kNumericPad = 0x200000;
inline constexpr ModifierFlags kFunction = 0x800000;
// The four modifiers that shortcut tests look at; every other bit is ignored.
inline constexpr ModifierFlags kShortcutMask = kShift | kControl | kOption | kCommand;
}  // namespace modifiers

}  // namespace oskel
