// The per-object record the host allocates (912 bytes) and hands to every runtime entry.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/host_interface.h"

namespace zandrel {

constexpr int kPadBits = 16;
constexpr int kKeyCount = 256;

// xinputIndex values besides a list position 0..3.
constexpr std::int32_t kXInputUnresolved = -1;
constexpr std::int32_t kNotXInput = -2;

struct RunObject {
    HostHeader header;
    std::int32_t player;            // 0..3, -1 = not set
    std::int32_t padId;             // system joystick id, -1 = no pad bound
    std::int32_t xinputIndex;       // position in the XInput device list, or -1 / -2 above
    std::int32_t padError;          // 1 after a failed joystick read
    std::uint8_t keyMap[kPadBits];  // key code per button slot
    std::uint16_t prevPadState;
    std::uint8_t keyState[kKeyCount];  // snapshot of this frame, bit 0x80 = down
    std::uint8_t prevKeyState[kKeyCount];
    std::int8_t virtualMap[kPadBits];  // button slot per real pad bit, -1 = off
    std::uint8_t controlEnabled[kPadBits];
    std::uint16_t vid;
    std::uint16_t pid;
    std::int32_t centerX;
    std::int32_t centerY;
    std::uint8_t reserved[16];
};

static_assert(sizeof(RunObject) == 912, "RunObject size");
static_assert(offsetof(RunObject, player) == 304, "player");
static_assert(offsetof(RunObject, padId) == 308, "padId");
static_assert(offsetof(RunObject, xinputIndex) == 312, "xinputIndex");
static_assert(offsetof(RunObject, padError) == 316, "padError");
static_assert(offsetof(RunObject, keyMap) == 320, "keyMap");
static_assert(offsetof(RunObject, prevPadState) == 336, "prevPadState");
static_assert(offsetof(RunObject, keyState) == 338, "keyState");
static_assert(offsetof(RunObject, prevKeyState) == 594, "prevKeyState");
static_assert(offsetof(RunObject, virtualMap) == 850, "virtualMap");
static_assert(offsetof(RunObject, controlEnabled) == 866, "controlEnabled");
static_assert(offsetof(RunObject, vid) == 882, "vid");
static_assert(offsetof(RunObject, pid) == 884, "pid");
static_assert(offsetof(RunObject, centerX) == 888, "centerX");
static_assert(offsetof(RunObject, centerY) == 892, "centerY");

// Key code of real pad bit `bit` through virtualMap and keyMap; false when the bit
// is switched off or its entry lies outside 0..15 (a loaded file may hold any byte).
inline bool KeyOfPadBit(const RunObject& object, int bit, std::uint8_t* key)
{
    const int slot = object.virtualMap[bit];
    if (slot < 0 || slot >= kPadBits) {
        return false;
    }
    *key = object.keyMap[slot];
    return true;
}

// GenerateEvent(object, code, 0); nothing when the host left the service out.
inline void RaiseCondition(RunObject& object, std::int32_t code)
{
    HostServices* services = object.header.services;
    if (services != nullptr && services->GenerateEvent != nullptr) {
        services->GenerateEvent(&object, code, 0);
    }
}

}  // namespace zandrel
