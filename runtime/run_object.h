// The per-object record the host allocates (GetRunObjectDataSize: 1000 bytes) and hands
// to every runtime entry. The first 912 bytes are the 1.0 record, unchanged.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/host_interface.h"
#include "input/pad_layouts.h"
#include "input/pad_names.h"
#include "input/pad_state.h"
#include "input/xinput_devices.h"

namespace zandrel {

constexpr int kPadBits = 16;
constexpr int kKeyCount = 256;

// xinputIndex values besides a list position 0..3.
constexpr std::int32_t kXInputUnresolved = -1;
constexpr std::int32_t kNotXInput = -2;

// Axes of a joystick read, in getAxis order.
enum Axis { kAxisX, kAxisY, kAxisZ, kAxisR, kAxisU, kAxisV, kAxisCount };

constexpr std::uint32_t kHatCentred = 65535;

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
    // Added in 1.1.
    std::int32_t deadZonePercent;    // 1..99
    std::int32_t deadZone;           // the same in axis units, as the decoder uses it
    std::int32_t triggerThreshold;   // 0..254
    std::int32_t readValid;          // 1 while axes and pov hold a read of the bound pad
    std::uint32_t axes[kAxisCount];  // the latest successful joystick read, raw
    std::uint32_t pov;
    std::int16_t triggers[2];  // the latest frame's XInput read, left and right; -1 = none answered
    // Added in 1.2.
    std::int32_t keysInBackground;      // 1: keys whatever window is in front; 0: only while the game is
    std::int16_t rumbleIndex;           // kNoRumble; 1.3 keeps every index running in `rumbling`
    std::uint16_t bindings;             // counts bindings (wrapping), so an event's caller sees a new one
    std::uint8_t standardLayout;        // 1: a plain pad with a layout row decodes through it
    std::uint8_t padIdsRead;            // 1 while vid and pid are the bound pad's, read from it
    std::int16_t padLayout;             // the shared table's row for vid and pid, -1 = none
    std::uint32_t padLayoutGeneration;  // the table's generation padLayout was found in
    // Added in 1.3.
    std::uint8_t heldKeys[kPadBits];  // the key each pad bit sent down, valid where heldBits has the bit
    std::uint16_t heldBits;           // pad bits that hold a key down
    std::uint16_t rumbling;           // XInput indexes 0..3 this object set running, one bit each
    std::int8_t loneXInput;           // the index that alone agreed with the last good frame's press, -1 = none
    std::uint8_t guessAnswered;       // the XInput indexes (one bit each) that answered at the last guess
    std::uint8_t guessDue;            // 1: the next good frame guesses the XInput index again
    std::uint8_t searchWait;          // frames in error until the other joystick ids are searched again
};

constexpr std::int16_t kNoRumble = -1;

static_assert(sizeof(RunObject) == 1000, "RunObject size");
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
static_assert(offsetof(RunObject, reserved) == 896, "reserved");
static_assert(offsetof(RunObject, deadZonePercent) == 912, "deadZonePercent");
static_assert(offsetof(RunObject, deadZone) == 916, "deadZone");
static_assert(offsetof(RunObject, triggerThreshold) == 920, "triggerThreshold");
static_assert(offsetof(RunObject, readValid) == 924, "readValid");
static_assert(offsetof(RunObject, axes) == 928, "axes");
static_assert(offsetof(RunObject, pov) == 952, "pov");
static_assert(offsetof(RunObject, triggers) == 956, "triggers");
static_assert(offsetof(RunObject, keysInBackground) == 960, "keysInBackground");
static_assert(offsetof(RunObject, rumbleIndex) == 964, "rumbleIndex");
static_assert(offsetof(RunObject, bindings) == 966, "bindings");
static_assert(offsetof(RunObject, standardLayout) == 968, "standardLayout");
static_assert(offsetof(RunObject, padIdsRead) == 969, "padIdsRead");
static_assert(offsetof(RunObject, padLayout) == 970, "padLayout");
static_assert(offsetof(RunObject, padLayoutGeneration) == 972, "padLayoutGeneration");
static_assert(offsetof(RunObject, heldKeys) == 976, "heldKeys");
static_assert(offsetof(RunObject, heldBits) == 992, "heldBits");
static_assert(offsetof(RunObject, rumbling) == 994, "rumbling");
static_assert(offsetof(RunObject, loneXInput) == 996, "loneXInput");
static_assert(offsetof(RunObject, guessAnswered) == 997, "guessAnswered");
static_assert(offsetof(RunObject, guessDue) == 998, "guessDue");
static_assert(offsetof(RunObject, searchWait) == 999, "searchWait");

// The two tuning values; false (and nothing changed) for a value outside its range.
inline bool ApplyDeadZonePercent(RunObject& object, std::int32_t percent)
{
    if (percent < kLowestDeadZonePercent || percent > kHighestDeadZonePercent) {
        return false;
    }
    object.deadZonePercent = percent;
    object.deadZone = DeadZoneOfPercent(percent);
    return true;
}

inline bool ApplyTriggerThreshold(RunObject& object, std::int32_t threshold)
{
    if (threshold < 0 || threshold > kHighestTriggerThreshold) {
        return false;
    }
    object.triggerThreshold = threshold;
    return true;
}

// Forgets the pad's latest values, as before its first read.
inline void ForgetPadReading(RunObject& object)
{
    object.readValid = 0;
    object.triggers[0] = -1;
    object.triggers[1] = -1;
}

// The bound pad's ids were read from it: they are kept and its layout row is found.
void NoteBoundPadIds(RunObject& object, platform::JoyIds ids);

// A new binding whose ids could not be read: no row until they are.
void ForgetBoundPadIds(RunObject& object);

// The row of the object's ids in the table as it is now; none while the ids are unread.
void FindBoundPadLayout(RunObject& object, const PadLayoutTable& table);

// The bound pad's layout row, or null. Searched again only after the table changed;
// inline, since a frame with the standard layout asks for it.
inline const PadLayout* BoundPadLayout(RunObject& object)
{
    const PadLayoutTable& table = ThePadLayoutTable();
    if (object.padLayoutGeneration != table.generation) {
        FindBoundPadLayout(object, table);
    }
    const std::int32_t row = object.padLayout;
    return row >= 0 && row < table.count ? &table.rows[row] : nullptr;
}

PadType BoundPadType(RunObject& object);

inline PadTuning TuningOf(const RunObject& object)
{
    return PadTuning{object.centerX, object.centerY, object.deadZone, object.triggerThreshold,
                     object.standardLayout != 0};
}

// Completes a fetch of the bound pad as the object has placed it: the XInput read of
// its index through `reads`, or its layout row. Inline: every frame completes one.
inline void FetchAsBound(RunObject& object, XInputReads& reads, PadFetch* fetch)
{
    if (object.xinputIndex >= 0) {
        fetch->xinputIndex = object.xinputIndex;
        fetch->xinputAnswered = reads.Read(static_cast<std::uint32_t>(object.xinputIndex), &fetch->xinput);
        return;
    }
    fetch->layout = object.standardLayout != 0 ? BoundPadLayout(object) : nullptr;
}

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

// True when one of the pad bits `bits` (held ones) holds `key` down.
inline bool KeyHeldAmong(const RunObject& object, unsigned bits, std::uint8_t key)
{
    for (; bits != 0; bits &= bits - 1) {
        if (object.heldKeys[__builtin_ctz(bits)] == key) {
            return true;
        }
    }
    return false;
}

// True when a pad bit of the object holds `key` down.
inline bool HoldsKey(const RunObject& object, std::uint8_t key)
{
    return KeyHeldAmong(object, object.heldBits, key);
}

// Calls `visit(key)` once for each key the object holds, in the order of the lowest bit holding it.
template <typename Visit>
void ForEachHeldKey(const RunObject& object, Visit visit)
{
    const unsigned held = object.heldBits;
    for (unsigned bits = held; bits != 0; bits &= bits - 1) {
        const int bit = __builtin_ctz(bits);
        const std::uint8_t key = object.heldKeys[bit];
        if (!KeyHeldAmong(object, held & ((1u << bit) - 1), key)) {
            visit(key);
        }
    }
}

// A key-up for every key the object holds down, once each, in the order of the lowest
// bit holding it; then it holds none and prevPadState is 0, so a button still pressed
// goes down again at the next frame that sends keys.
void ReleaseHeldKeys(RunObject& object);

// Both motors of every XInput index the object set running to 0, lowest index first, once each.
void StopRumble(RunObject& object);

constexpr std::int32_t kPadDisconnectedCode = 5;
constexpr std::int32_t kPadReconnectedCode = 6;

// True when the bound pad's vendor and product ids were read from it and are not both 0.
bool PadIdsKnown(const RunObject& object);

// True when the ids are known and `ids` are they: the pad at an id is the object's.
bool IsOwnPad(const RunObject& object, const platform::JoyIds& ids);

// True when the bound pad decodes as an XInput pad, or will at its first frame.
bool DecodesAsXInput(const RunObject& object);

// How many live objects are bound to joystick id `padId` (0 for an id outside 0..15);
// an object in error still counts for its id.
std::int32_t ObjectsBoundTo(std::int32_t padId);

// No object bound anywhere, as at loading.
void ResetPadBindings();

// Binding, recovering, following and reloading have their one home in binding.cpp.

// What a binding needs to know of the one before it.
struct BindingBefore {
    std::int32_t padId;
    std::int32_t xinputIndex;
};

// Called by SetPlayerAndPadID and LoadSetting before they change anything: a binding
// to another pad id or none releases the object's keys and stops its motors.
BindingBefore BeginBinding(RunObject& object, std::int32_t newPadId);

enum class BindingBy { kAction, kSettings };

// Completes the binding to the padId now stored.
void BindPad(RunObject& object, const BindingBefore& before, BindingBy by);

// The bound pad answered its probe; `ids` null when its capabilities did not.
void RecoverPad(RunObject& object, const platform::JoyIds* ids);

// The object's pad came back at joystick id `padId`.
void FollowPad(RunObject& object, std::int32_t padId);

// ReLoadDeviceList.
void ReloadDevices(RunObject& object);

// A destroyed object is bound nowhere.
void LeaveBinding(RunObject& object);

// RaiseCondition; true when the game's answer to the event bound the object again.
bool RaiseWatchingBinding(RunObject& object, std::int32_t code);

}  // namespace zandrel
