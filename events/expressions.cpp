// Integer expressions: queries of the pads, the keyboard, the mappings and the
// object's state. None changes anything; -1 answers "no answer".
#include "events/parameters.h"
#include "events/routines.h"
#include "input/pad_layouts.h"
#include "input/pad_state.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"

namespace zandrel {

namespace {

constexpr HostParam kNoAnswer = -1;

// The keys getInputKeyCode may report: editing, navigation, digits, letters, numpad,
// function and punctuation keys, and the generic (not left/right) modifiers.
constexpr std::uint8_t kInputKeyCandidates[] = {
    0x08, 0x09, 0x0D, 0x10, 0x11, 0x12, 0x13, 0x14, 0x1B, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27,
    0x28, 0x2D, 0x2E, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x41, 0x42, 0x43, 0x44,
    0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55,
    0x56, 0x57, 0x58, 0x59, 0x5A, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B,
    0x6D, 0x6E, 0x6F, 0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x90, 0x91,
    0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE, 0xE2,
};
static_assert(sizeof kInputKeyCandidates == 97, "candidate key count");

struct KeySet {
    bool member[kKeyCount];
};

constexpr KeySet MakeCandidateSet()
{
    KeySet set{};
    for (const std::uint8_t key : kInputKeyCandidates) {
        set.member[key] = true;
    }
    return set;
}

constexpr KeySet kCandidateSet = MakeCandidateSet();

// The bound pad's latest values answer only while it is bound and out of error.
bool HasPadReading(const RunObject& object)
{
    return object.padId >= 0 && object.padError == 0 && object.readValid != 0;
}

}  // namespace

HostParam ZANDREL_CALL getAnyPadID(RunObject* object, HostParam)
{
    const std::int32_t triggerThreshold = object != nullptr ? object->triggerThreshold : kTriggerThreshold;
    for (std::uint32_t id = 0; id < 4; ++id) {
        PadFetch fetch;
        if (!FetchJoystick(id, &fetch)) {
            continue;
        }
        PlaceOtherPad(id, false, &fetch);
        if (AnyPadButtons(fetch, triggerThreshold) != 0) {
            return static_cast<HostParam>(id);
        }
    }
    return kNoAnswer;
}

HostParam ZANDREL_CALL getInputKeyCode(RunObject*, HostParam)
{
    std::uint8_t snapshot[kKeyCount] = {};
    if (platform::ReadKeyboard(snapshot) == 0) {
        return kNoAnswer;
    }
    for (int key = 0; key < kKeyCount; ++key) {
        if (kCandidateSet.member[key] && IsKeyDown(snapshot, static_cast<std::uint8_t>(key))) {
            return key;
        }
    }
    return kNoAnswer;
}

HostParam ZANDREL_CALL getInputPadButtonNumber(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return kNoAnswer;
    }
    const std::int32_t id = FirstExpressionParameter(*object, parameters);
    if (object->padError != 0 || !InRange(id, 3)) {
        return kNoAnswer;
    }
    PadFetch fetch;
    if (!FetchJoystick(static_cast<std::uint32_t>(id), &fetch)) {
        return kNoAnswer;
    }
    // The bound pad as the frame decodes it; another joystick as its own ids and row say.
    if (id == object->padId && object->xinputIndex != kXInputUnresolved) {
        XInputReads reads;
        FetchAsBound(*object, reads, &fetch);
    } else {
        PlaceOtherPad(static_cast<std::uint32_t>(id), object->standardLayout != 0, &fetch);
    }
    const PadState state = ComposeRead(fetch, TuningOf(*object), nullptr);
    for (int bit = 0; bit < kPadBits; ++bit) {
        if ((state & (1u << bit)) != 0) {
            return bit;
        }
    }
    return kNoAnswer;
}

HostParam ZANDREL_CALL getVantorSetting(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return kNoAnswer;
    }
    const std::int32_t slot = FirstExpressionParameter(*object, parameters);
    if (!InRange(slot, kPadBits - 1)) {
        return kNoAnswer;
    }
    return object->keyMap[slot];
}

HostParam ZANDREL_CALL getCFControlKey(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return kNoAnswer;
    }
    const std::int32_t player = FirstExpressionParameter(*object, parameters);
    const std::int32_t control = NextExpressionParameter(*object, parameters);
    const HostControlKeys* keys = object->header.controlKeys;
    if (!InRange(player, kPlayers - 1) || !InRange(control, kControlsPerPlayer - 1) || keys == nullptr) {
        return kNoAnswer;
    }
    return (*keys)[player][control];
}

HostParam ZANDREL_CALL IsXInput(RunObject* object, HostParam)
{
    return object != nullptr && object->xinputIndex >= 0 ? 1 : 0;
}

HostParam ZANDREL_CALL getPadID(RunObject* object, HostParam)
{
    return object != nullptr ? object->padId : kNoAnswer;
}

HostParam ZANDREL_CALL IsError(RunObject* object, HostParam)
{
    return object != nullptr ? object->padError : 0;
}

HostParam ZANDREL_CALL getVirtualButtonSetting(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return kNoAnswer;
    }
    const std::int32_t real = FirstExpressionParameter(*object, parameters);
    if (!InRange(real, kPadBits - 1)) {
        return kNoAnswer;
    }
    return static_cast<std::uint8_t>(object->virtualMap[real]);
}

HostParam ZANDREL_CALL getVirtualToReal(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return kNoAnswer;
    }
    const std::int32_t slot = FirstExpressionParameter(*object, parameters);
    if (!InRange(slot, kPadBits - 1)) {
        return kNoAnswer;
    }
    HostParam real = kNoAnswer;
    for (int bit = 0; bit < kPadBits; ++bit) {
        if (static_cast<std::uint8_t>(object->virtualMap[bit]) == slot) {
            real = bit;
        }
    }
    return real;
}

HostParam ZANDREL_CALL getAxis(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t axis = FirstExpressionParameter(*object, parameters);
    if (!InRange(axis, kAxisCount - 1) || !HasPadReading(*object)) {
        return 0;
    }
    // The stick through the object's present centre and dead zone, as the next frame decodes it.
    switch (axis) {
        case kAxisX:
            return StickAxisValue(CentredAxis(object->axes[kAxisX], object->centerX), object->deadZone);
        case kAxisY:
            return StickAxisValue(CentredAxis(object->axes[kAxisY], object->centerY), object->deadZone);
        default:
            return PlainAxisValue(object->axes[axis]);
    }
}

HostParam ZANDREL_CALL getTrigger(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return kNoAnswer;
    }
    const std::int32_t side = FirstExpressionParameter(*object, parameters);
    if (!InRange(side, 1) || object->padId < 0 || object->padError != 0 || object->xinputIndex < 0) {
        return kNoAnswer;
    }
    return object->triggers[side];
}

HostParam ZANDREL_CALL getPOV(RunObject* object, HostParam)
{
    constexpr std::uint32_t kFullCircle = 36000;
    if (object == nullptr || !HasPadReading(*object) || object->pov >= kFullCircle) {
        return kNoAnswer;
    }
    return static_cast<HostParam>(object->pov);
}

HostParam ZANDREL_CALL getPadState(RunObject* object, HostParam)
{
    return object != nullptr ? object->prevPadState : 0;
}

HostParam ZANDREL_CALL getPadType(RunObject* object, HostParam)
{
    return object != nullptr ? static_cast<HostParam>(BoundPadType(*object)) : kNoAnswer;
}

}  // namespace zandrel
