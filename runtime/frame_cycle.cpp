#include <cstring>

#include "host/exports.h"
#include "input/pad_layouts.h"
#include "input/pad_state.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"
#include "runtime/run_object.h"

namespace zandrel {

namespace {

constexpr std::int32_t kPressedKeyCode = 0;
constexpr std::int32_t kPressedButtonCode = 2;
constexpr std::int32_t kPadDisconnectedCode = 5;
constexpr std::int32_t kPadReconnectedCode = 6;

// True when the game's answer to the event bound the object again.
bool Reconnected(RunObject& object)
{
    object.padError = 0;
    return RaiseWatchingBinding(object, kPadReconnectedCode);
}

// A pad in error is probed until it answers; no keys are sent meanwhile.
void ProbePad(RunObject& object)
{
    if (object.padId < 0) {
        return;
    }
    if (object.xinputIndex >= 0) {
        platform::XInputTriggers triggers{};
        if (platform::ReadXInputTriggers(static_cast<std::uint32_t>(object.xinputIndex), &triggers) == 0) {
            object.triggers[0] = triggers.left;
            object.triggers[1] = triggers.right;
            Reconnected(object);
        }
        return;
    }
    platform::JoyIds ids{};
    if (platform::ReadJoystickIds(static_cast<std::uint32_t>(object.padId), &ids) != 0) {
        return;
    }
    // The ids first, so the game's answer to the event can name the pad.
    const bool idsUnknown = object.vid == 0 && object.pid == 0;
    NoteBoundPadIds(object, ids);
    // An answer that bound the object again leaves a whole binding: nothing more to do.
    if (Reconnected(object) || !idsUnknown) {
        return;
    }
    RescanXInputDevices();
    object.xinputIndex = kXInputUnresolved;
}

// Reads the bound pad; false (and the object in error) when the read fails.
bool ReadBoundPad(RunObject& object, PadState* state)
{
    const auto padId = static_cast<std::uint32_t>(object.padId);
    platform::JoyReading reading{};
    if (platform::ReadJoystick(padId, &reading) != 0) {
        object.padError = 1;
        ForgetPadReading(object);
        // Nothing stays down, and no motor runs, while the pad is gone.
        ReleaseHeldKeys(object);
        StopRumble(object);
        platform::JoystickConfigChanged();
        RaiseCondition(object, kPadDisconnectedCode);
        return false;
    }
    object.readValid = 1;
    object.axes[kAxisX] = reading.xpos;
    object.axes[kAxisY] = reading.ypos;
    object.axes[kAxisZ] = reading.zpos;
    object.axes[kAxisR] = reading.rpos;
    object.axes[kAxisU] = reading.upos;
    object.axes[kAxisV] = reading.vpos;
    object.pov = reading.pov;
    if (object.xinputIndex == kXInputUnresolved && TheXInputDeviceList().count > 0) {
        const XInputLookup lookup = LookUpXInput(padId);
        if (lookup.idsRead) {
            NoteBoundPadIds(object, lookup.ids);
            object.xinputIndex = lookup.position >= 0 ? lookup.position : kNotXInput;
        }
    }
    const PadState stickAndHat = StickAndHatBits(reading, object.centerX, object.centerY, object.deadZone);
    const PadLayout* layout = object.standardLayout != 0 && object.xinputIndex < 0 ? BoundPadLayout(object) : nullptr;
    SeenTriggers seen{};
    *state = ComposeRead(stickAndHat, reading.buttons, layout, object.xinputIndex, object.triggerThreshold, &seen);
    object.triggers[0] = seen.left;
    object.triggers[1] = seen.right;
    return true;
}

// A press records the key it sends down; a release sends the key-up of the key its bit
// recorded, whatever the mapping says now. A key that two bits hold goes down with the
// first and up with the last.
void SendEdges(RunObject& object, PadState state)
{
    // Only the bits that changed, lowest first: most frames change none or one.
    unsigned changed = static_cast<PadState>(state ^ object.prevPadState);
    while (changed != 0) {
        const int bit = __builtin_ctz(changed);
        const unsigned mask = 1u << bit;
        changed &= changed - 1;
        if ((state & mask) == 0) {
            if ((object.heldBits & mask) == 0) {
                continue;
            }
            object.heldBits = static_cast<std::uint16_t>(object.heldBits & ~mask);
            const std::uint8_t key = object.heldKeys[bit];
            if (!HoldsKey(object, key)) {
                platform::SendKey(key, platform::kKeyUp);
            }
            continue;
        }
        std::uint8_t key = 0;
        if (object.controlEnabled[bit] == 0 || (object.heldBits & mask) != 0 || !KeyOfPadBit(object, bit, &key)) {
            continue;
        }
        const bool sharedDown = HoldsKey(object, key);
        object.heldKeys[bit] = key;
        object.heldBits = static_cast<std::uint16_t>(object.heldBits | mask);
        if (!sharedDown) {
            platform::SendKey(key, platform::kKeyDown);
        }
    }
    object.prevPadState = state;
}

bool Away(const RunObject& object)
{
    return object.keysInBackground == 0 && !platform::GameInFront();
}

// Keys go to the game only: while another program is in front nothing stays down
// there, no motor runs, and the keys still pressed come back with the game.
void LeaveNothingOn(RunObject& object)
{
    ReleaseHeldKeys(object);
    StopRumble(object);
}

void DeliverKeys(RunObject& object, PadState state)
{
    if (Away(object)) {
        LeaveNothingOn(object);
        return;
    }
    SendEdges(object, state);
}

// A frame without a good read sends no edges, but what the object holds is let go all
// the same while the game is not in front.
void LeaveNothingOnIfAway(RunObject& object)
{
    if ((object.heldBits | object.rumbling) != 0 && Away(object)) {
        LeaveNothingOn(object);
    }
}

}  // namespace

}  // namespace zandrel

std::int32_t ZANDREL_CALL HandleRunObject(zandrel::RunObject* object)
{
    using namespace zandrel;
    if (object == nullptr) {
        return 0;
    }
    PadState state = 0;
    if (object->padError != 0) {
        ProbePad(*object);
        LeaveNothingOnIfAway(*object);
    } else if (object->padId < 0) {
        LeaveNothingOnIfAway(*object);
    } else if (ReadBoundPad(*object, &state)) {
        DeliverKeys(*object, state);
    }
    platform::ReadKeyboard(object->keyState);
    RaiseCondition(*object, kPressedKeyCode);
    RaiseCondition(*object, kPressedButtonCode);
    std::memcpy(object->prevKeyState, object->keyState, sizeof object->keyState);
    return 0;
}
