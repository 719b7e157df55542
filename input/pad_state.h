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
constexpr std::int32_t kAxisFull = 32767;
constexpr std::uint32_t kHatStep = 4500;

// The stick's dead zone in percent of a half axis, and in axis units.
constexpr std::int32_t kLowestDeadZonePercent = 1;
constexpr std::int32_t kHighestDeadZonePercent = 99;
constexpr std::int32_t kDeadZonePercent = 40;
constexpr std::int32_t DeadZoneOfPercent(std::int32_t percent)
{
    return percent * kAxisFull / 100;
}
constexpr std::int32_t kDeadZone = DeadZoneOfPercent(kDeadZonePercent);
static_assert(kDeadZone == 13106, "default dead zone");

// An XInput trigger counts as pressed above its threshold.
constexpr std::int32_t kHighestTriggerThreshold = 254;
constexpr std::int32_t kTriggerThreshold = 30;

// Bits 0..3 from the stick (around the object's calibrated centre), joystick
// buttons 13..16 and the hat.
PadState DirectionBits(const platform::JoyReading& reading, std::int32_t centerX, std::int32_t centerY,
                       std::int32_t deadZone = kDeadZone);

// A stick axis as the direction bits see it: raw - calibration offset - 32000,
// in wrapping 32-bit arithmetic (a loaded offset may be anything).
inline std::int32_t CentredAxis(std::uint32_t raw, std::int32_t offset)
{
    return static_cast<std::int32_t>(raw - static_cast<std::uint32_t>(offset) -
                                     static_cast<std::uint32_t>(kAxisCentre));
}

// -1000..1000 for a centred stick value: 0 inside the dead zone, so non-zero exactly
// when the value alone sets its direction bit, then rising from 1 to 1000 at full tilt.
std::int32_t StickAxisValue(std::int32_t centred, std::int32_t deadZone);

// -1000..1000 for a raw axis of 0..65535 around 32767 (no dead zone).
std::int32_t PlainAxisValue(std::uint32_t raw);

// Joystick buttons 1..12 into bits 4..15, cut to 16 bits.
inline PadState ComposePlain(PadState directions, std::uint32_t buttons)
{
    return static_cast<PadState>(directions | (buttons << 4));
}

// An XInput pad's button word: joystick buttons 7 and up move two bits higher to make
// room for the triggers in bits 10 and 11. 32-bit, uncut.
inline std::uint32_t FoldXInput(std::uint32_t shifted, const platform::XInputTriggers& triggers,
                                std::int32_t triggerThreshold = kTriggerThreshold)
{
    std::uint32_t folded = (shifted & 0x3FFu) | ((shifted & 0xFFFFFC00u) << 2);
    if (triggers.left > triggerThreshold) {
        folded |= 0x400u;
    }
    if (triggers.right > triggerThreshold) {
        folded |= 0x800u;
    }
    return folded;
}

// XInput pad: `triggers` null when XInputGetState failed, which leaves the
// directions alone.
inline PadState ComposeXInput(PadState directions, std::uint32_t buttons, const platform::XInputTriggers* triggers,
                              std::int32_t triggerThreshold = kTriggerThreshold)
{
    if (triggers == nullptr) {
        return directions;
    }
    return static_cast<PadState>(FoldXInput(directions | (buttons << 4), *triggers, triggerThreshold));
}

// wMid/wPid of the joystick an object is bound to; false when they cannot be read.
// A negative id names no joystick: the system answers id -1 with its registry key
// alone, whether a device is present or not.
bool ReadBoundPadIds(std::int32_t padId, platform::JoyIds* ids);

// The trigger values one composition read, each -1 when no XInput read answered.
struct SeenTriggers {
    std::int16_t left;
    std::int16_t right;
};

// Reads XInput user index `xinputIndex` and composes (directions alone when it does
// not answer). `seen`, when given, gets what that read gave.
PadState ComposeXInputRead(PadState directions, std::uint32_t buttons, std::uint32_t xinputIndex,
                           std::int32_t triggerThreshold, SeenTriggers* seen);

// The plain composition for an index below 0 (no triggers seen), otherwise the
// XInput one.
inline PadState ComposePad(PadState directions, std::uint32_t buttons, std::int32_t xinputIndex,
                           std::int32_t triggerThreshold = kTriggerThreshold, SeenTriggers* seen = nullptr)
{
    if (xinputIndex >= 0) {
        return ComposeXInputRead(directions, buttons, static_cast<std::uint32_t>(xinputIndex), triggerThreshold, seen);
    }
    if (seen != nullptr) {
        *seen = SeenTriggers{-1, -1};
    }
    return ComposePlain(directions, buttons);
}

// XInputDeviceList lookup of a joystick by its ids.
struct XInputLookup {
    bool idsRead;           // joyGetDevCapsW succeeded
    platform::JoyIds ids;   // valid when idsRead
    std::int32_t position;  // 0..3, or -1 when no entry matches (or ids not read)
};

// Only queries the joystick while the list holds entries; with an empty list the
// answer is "ids not read".
XInputLookup LookUpXInput(std::uint32_t joystickId);

// What one object decodes its pad with.
struct PadTuning {
    std::int32_t centerX;
    std::int32_t centerY;
    std::int32_t deadZone;
    std::int32_t triggerThreshold;
};

// Full PadState of joystick `joystickId` for an expression (no caching): reads the
// stick with the given tuning, looks the pad up afresh, composes. False when the
// joystick read fails.
bool ReadPadState(std::uint32_t joystickId, const PadTuning& tuning, PadState* state);

}  // namespace zandrel
