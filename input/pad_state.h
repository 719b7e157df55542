// Turning one joystick read (and, for an XInput pad, one XInput read) into the
// 16-bit PadState: bits 0..3 up, down, left, right; bits 4..15 buttons.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace zandrel {

using PadState = std::uint16_t;

constexpr PadState kPadUp = 0x1;
constexpr PadState kPadDown = 0x2;
constexpr PadState kPadLeft = 0x4;
constexpr PadState kPadRight = 0x8;

constexpr std::int32_t kAxisCentre = 32000;
constexpr std::int32_t kDeadZone = 13106;
constexpr std::uint32_t kHatStep = 4500;
constexpr std::uint8_t kTriggerThreshold = 30;  // pressed above this

// Bits 0..3 from the stick (around the object's calibrated centre), joystick
// buttons 13..16 and the hat.
PadState DirectionBits(const platform::JoyReading& reading, std::int32_t centerX, std::int32_t centerY);

// Joystick buttons 1..12 into bits 4..15, cut to 16 bits.
inline PadState ComposePlain(PadState directions, std::uint32_t buttons)
{
    return static_cast<PadState>(directions | (buttons << 4));
}

// An XInput pad's button word: joystick buttons 7 and up move two bits higher to make
// room for the triggers in bits 10 and 11. 32-bit, uncut.
inline std::uint32_t FoldXInput(std::uint32_t shifted, const platform::XInputTriggers& triggers)
{
    std::uint32_t folded = (shifted & 0x3FFu) | ((shifted & 0xFFFFFC00u) << 2);
    if (triggers.left > kTriggerThreshold) {
        folded |= 0x400u;
    }
    if (triggers.right > kTriggerThreshold) {
        folded |= 0x800u;
    }
    return folded;
}

// XInput pad: `triggers` null when XInputGetState failed, which leaves the
// directions alone.
inline PadState ComposeXInput(PadState directions, std::uint32_t buttons, const platform::XInputTriggers* triggers)
{
    if (triggers == nullptr) {
        return directions;
    }
    return static_cast<PadState>(FoldXInput(directions | (buttons << 4), *triggers));
}

// wMid/wPid of the joystick an object is bound to; false when they cannot be read.
// A negative id names no joystick: the system answers id -1 with its registry key
// alone, whether a device is present or not.
bool ReadBoundPadIds(std::int32_t padId, platform::JoyIds* ids);

// The plain composition for an index below 0; otherwise reads XInput user index
// `xinputIndex` (directions alone when it does not answer).
PadState ComposePad(PadState directions, std::uint32_t buttons, std::int32_t xinputIndex);

// XInputDeviceList lookup of a joystick by its ids.
struct XInputLookup {
    bool idsRead;           // joyGetDevCapsW succeeded
    platform::JoyIds ids;   // valid when idsRead
    std::int32_t position;  // 0..3, or -1 when no entry matches (or ids not read)
};

// Only queries the joystick while the list holds entries; with an empty list the
// answer is "ids not read".
XInputLookup LookUpXInput(std::uint32_t joystickId);

// Full PadState of joystick `joystickId` for an expression (no caching): reads the
// stick with the given centre, looks the pad up afresh, composes. False when the
// joystick read fails.
bool ReadPadState(std::uint32_t joystickId, std::int32_t centerX, std::int32_t centerY, PadState* state);

}  // namespace zandrel
