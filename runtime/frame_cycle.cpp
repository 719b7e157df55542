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
constexpr std::int32_t kJoystickIds = 16;
// While in error the other joystick ids are searched once a second at 60 frames a
// second: asking an empty id is slow, and is also what makes the system look for pads.
constexpr std::uint8_t kSearchFrames = 60;

// The lowest other joystick id that answers with the object's ids, reads, and has no
// live object bound becomes its pad. Only a pad whose ids are known can be told apart.
void SearchPad(RunObject& object)
{
    if (!PadIdsKnown(object)) {
        return;
    }
    for (std::int32_t id = 0; id < kJoystickIds; ++id) {
        platform::JoyIds ids{};
        platform::JoyReading reading{};
        if (id == object.padId || platform::ReadJoystickIds(static_cast<std::uint32_t>(id), &ids) != 0 ||
            !IsOwnPad(object, ids) || ObjectsBoundTo(id) != 0 ||
            platform::ReadJoystick(static_cast<std::uint32_t>(id), &reading) != 0) {
            continue;
        }
        FollowPad(object, id);
        return;
    }
}

// False when the pad's XInput index answered at its last guess and fails now; an index
// that never answered (no XInput service for it) asks nothing of a recovery.
bool XInputFaceAnswers(const RunObject& object)
{
    const auto index = static_cast<std::uint32_t>(object.xinputIndex);
    platform::XInputTriggers state{};
    return object.xinputIndex < 0 || index >= kMaxXInputDevices || ((object.guessAnswered >> index) & 1u) == 0 ||
           platform::ReadXInputTriggers(index, &state) == 0;
}

// A pad in error is probed by reading it until it answers; no keys are sent meanwhile.
// A pulled pad's id soon reads again as another pad, even one of its kind: with its ids
// known only they, and for an XInput pad its XInput index answering, make it its own.
void ProbePad(RunObject& object)
{
    if (object.padId < 0) {
        return;
    }
    const auto padId = static_cast<std::uint32_t>(object.padId);
    PadFetch fetch;
    if (FetchJoystick(padId, &fetch)) {
        platform::JoyIds ids{};
        const bool idsRead = platform::ReadJoystickIds(padId, &ids) == 0;
        if ((!PadIdsKnown(object) || (idsRead && IsOwnPad(object, ids))) && XInputFaceAnswers(object)) {
            RecoverPad(object, idsRead ? &ids : nullptr);
            return;
        }
    }
    if (object.searchWait > 1) {
        --object.searchWait;
        return;
    }
    object.searchWait = kSearchFrames;
    SearchPad(object);
}

// The bound pad stopped answering: the object goes into error.
void LosePad(RunObject& object)
{
    object.padError = 1;
    object.guessDue = 1;
    ForgetPadReading(object);
    // Nothing stays down, and no motor runs, while the pad is gone.
    ReleaseHeldKeys(object);
    StopRumble(object);
    platform::JoystickConfigChanged();
    object.searchWait = kSearchFrames;
    if (!RaiseWatchingBinding(object, kPadDisconnectedCode)) {
        SearchPad(object);
    }
}

// With a press of buttons 1..10 on the pad, the indexes that agree are those whose
// button word shows exactly them and that no other joystick holds. One agreeing alone
// confirms the object's index, or, two good frames in a row, becomes it.
void CheckXInputIndex(RunObject& object, std::uint32_t buttons, XInputReads& reads)
{
    const std::uint32_t pressed = buttons & kXInputFaceButtons;
    if (pressed == 0) {
        object.loneXInput = -1;
        return;
    }
    const std::int32_t joystick = object.padId;
    const auto own = static_cast<std::uint32_t>(object.xinputIndex);
    // Reading an index with no pad is slow: only those that answered at the guess.
    unsigned candidates = 1u << own;
    if (XInputConfirmedFor(own) != joystick) {
        candidates |= object.guessAnswered;
    }
    const std::uint16_t word = XInputWordOfButtons(pressed);
    std::int32_t agreeing = -1;
    int agreements = 0;
    for (unsigned rest = candidates & ((1u << kMaxXInputDevices) - 1); rest != 0; rest &= rest - 1) {
        const auto index = static_cast<std::uint32_t>(__builtin_ctz(rest));
        platform::XInputTriggers state{};
        if (reads.Read(index, &state) && XInputFreeFor(index, joystick) && (state.buttons & kXInputFaceWord) == word) {
            agreeing = static_cast<std::int32_t>(index);
            ++agreements;
        }
    }
    const std::int32_t lone = agreements == 1 ? agreeing : -1;
    if (lone >= 0 && (lone == object.xinputIndex || lone == object.loneXInput)) {
        object.xinputIndex = lone;
        if (XInputConfirmedFor(static_cast<std::uint32_t>(lone)) != joystick) {
            ConfirmXInput(static_cast<std::uint32_t>(lone), joystick);
        }
    }
    object.loneXInput = static_cast<std::int8_t>(lone);
}

// Where the frame finds the pad's XInput index (or that it has none), before it decodes.
void PlaceBoundPad(RunObject& object, XInputReads& reads, std::uint32_t buttons)
{
    const std::int32_t joystick = object.padId;
    if (object.xinputIndex >= 0 &&
        (object.guessDue != 0 || !XInputFreeFor(static_cast<std::uint32_t>(object.xinputIndex), joystick))) {
        object.xinputIndex = kXInputUnresolved;
    }
    object.guessDue = 0;
    const auto padId = static_cast<std::uint32_t>(joystick);
    if (object.xinputIndex == kXInputUnresolved && TheXInputDeviceList().count > 0) {
        const XInputLookup lookup = LookUpXInput(padId);
        if (lookup.idsRead) {
            NoteBoundPadIds(object, lookup.ids);
            object.xinputIndex = lookup.position >= 0
                                     ? GuessXInputIndex(joystick, lookup.position, reads, &object.guessAnswered)
                                     : kNotXInput;
        }
    } else if (object.padIdsRead == 0) {
        // Ids the binding could not read are read by the first frame that reads the pad.
        platform::JoyIds ids{};
        if (platform::ReadJoystickIds(padId, &ids) == 0) {
            NoteBoundPadIds(object, ids);
        }
    }
    if (object.xinputIndex >= 0) {
        CheckXInputIndex(object, buttons, reads);
    }
}

// Reads the bound pad; false (and the object in error) when the read fails.
bool ReadBoundPad(RunObject& object, PadState* state)
{
    PadFetch fetch;
    if (!FetchJoystick(static_cast<std::uint32_t>(object.padId), &fetch)) {
        LosePad(object);
        return false;
    }
    const platform::JoyReading& reading = fetch.reading;
    object.readValid = 1;
    object.axes[kAxisX] = reading.xpos;
    object.axes[kAxisY] = reading.ypos;
    object.axes[kAxisZ] = reading.zpos;
    object.axes[kAxisR] = reading.rpos;
    object.axes[kAxisU] = reading.upos;
    object.axes[kAxisV] = reading.vpos;
    object.pov = reading.pov;
    XInputReads reads;
    PlaceBoundPad(object, reads, reading.buttons);
    FetchAsBound(object, reads, &fetch);
    SeenTriggers seen{};
    *state = ComposeRead(fetch, TuningOf(object), &seen);
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
