// Actions: every routine fetches all its parameters before it tests anything, fails
// silently, and cuts values to the width of the field that stores them.
#include <cstring>

#include "events/parameters.h"
#include "events/routines.h"
#include "input/pad_layouts.h"
#include "input/pad_state.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"

namespace zandrel {

namespace {

void SetControlEnabled(RunObject& object, int bit, std::uint8_t enabled)
{
    object.controlEnabled[bit] = enabled;
    if (enabled == 0) {
        // The slot's key must count as newly pressed once the control is back.
        const std::uint8_t key = object.keyMap[bit];
        object.keyState[key] = 0;
        object.prevKeyState[key] = 0;
    }
}

// A switch of the object's: the next parameter if it is 0 or 1; any other value changes nothing.
template <typename Field>
void TakeSwitch(RunObject& object, Field* field)
{
    const std::int32_t on = NextActionInteger(object);
    if (on == 0 || on == 1) {
        *field = static_cast<Field>(on);
    }
}

}  // namespace

std::int32_t ZANDREL_CALL SetPlayerAndPadID(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t player = NextActionInteger(*object);
    const std::int32_t padId = NextActionInteger(*object);
    const BindingBefore before = BeginBinding(*object, padId);
    object->player = player;
    object->padId = padId;
    BindPad(*object, before, BindingBy::kAction);
    return 0;
}

std::int32_t ZANDREL_CALL SetCFControlKey(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t player = NextActionInteger(*object);
    const std::int32_t button = NextActionInteger(*object);
    const std::int32_t key = NextActionInteger(*object);
    HostControlKeys* keys = object->header.controlKeys;
    if (!InRange(player, kPlayers - 1) || !InRange(button, kControlsPerPlayer - 1) || keys == nullptr) {
        return 0;
    }
    (*keys)[player][button] = static_cast<std::uint16_t>(key);
    return 0;
}

std::int32_t ZANDREL_CALL XInputSetVibration(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t left = NextActionInteger(*object);
    const std::int32_t right = NextActionInteger(*object);
    if (!HasPlayer(*object) || object->xinputIndex < 0) {
        return 0;
    }
    const auto leftSpeed = static_cast<std::uint16_t>(left);
    const auto rightSpeed = static_cast<std::uint16_t>(right);
    const auto index = static_cast<std::uint32_t>(object->xinputIndex);
    platform::SetXInputVibration(index, leftSpeed, rightSpeed);
    // Every index set running is remembered, so each stops with the object; stopping one by hand forgets it.
    if (index < static_cast<std::uint32_t>(kMaxXInputDevices)) {
        const auto bit = static_cast<std::uint16_t>(1u << index);
        object->rumbling = static_cast<std::uint16_t>(leftSpeed != 0 || rightSpeed != 0 ? object->rumbling | bit
                                                                                        : object->rumbling & ~bit);
    }
    return 0;
}

std::int32_t ZANDREL_CALL SetVantor(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t slot = NextActionInteger(*object);
    const std::int32_t key = NextActionInteger(*object);
    if (!HasPlayer(*object) || !InRange(slot, kPadBits - 1)) {
        return 0;
    }
    object->keyMap[slot] = static_cast<std::uint8_t>(key);
    return 0;
}

std::int32_t ZANDREL_CALL SetVirtualButton(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t real = NextActionInteger(*object);
    const std::int32_t slot = NextActionInteger(*object);
    if (!HasPlayer(*object) || !InRange(real, kPadBits - 1) || !InRangeOrOff(slot)) {
        return 0;
    }
    object->virtualMap[real] = static_cast<std::int8_t>(slot);
    return 0;
}

std::int32_t ZANDREL_CALL ResetKey(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    std::memset(object->keyState, 0, sizeof object->keyState);
    std::memset(object->prevKeyState, 0, sizeof object->prevKeyState);
    for (const std::uint8_t key : object->keyMap) {
        platform::SendKey(key, platform::kKeyUp);
    }
    // A key held since its slot was given another one is none of the slots' keys now.
    ForEachHeldKey(*object, [object](std::uint8_t key) {
        if (std::memchr(object->keyMap, key, sizeof object->keyMap) == nullptr) {
            platform::SendKey(key, platform::kKeyUp);
        }
    });
    object->heldBits = 0;
    return 0;
}

std::int32_t ZANDREL_CALL ReLoadDeviceList(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    ReloadDevices(*object);
    return 0;
}

std::int32_t ZANDREL_CALL POVZeroIN(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr || object->padId < 0 || object->padError != 0) {
        return 0;
    }
    platform::JoyReading reading{};
    if (platform::ReadJoystick(static_cast<std::uint32_t>(object->padId), &reading) != 0) {
        return 0;
    }
    // Wrapping 32-bit arithmetic, as the decoder subtracts the offsets again.
    object->centerX = static_cast<std::int32_t>(reading.xpos - static_cast<std::uint32_t>(kAxisCentre));
    object->centerY = static_cast<std::int32_t>(reading.ypos - static_cast<std::uint32_t>(kAxisCentre));
    return 0;
}

std::int32_t ZANDREL_CALL EnableControl(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    const std::int32_t bit = NextActionInteger(*object);
    const auto enabled = static_cast<std::uint8_t>(NextActionInteger(*object));
    if (!HasPlayer(*object) || !InRangeOrOff(bit)) {
        return 0;
    }
    if (bit >= 0) {
        SetControlEnabled(*object, bit, enabled);
        return 0;
    }
    for (int i = 0; i < kPadBits; ++i) {
        SetControlEnabled(*object, i, enabled);
    }
    return 0;
}

// Tuning belongs to the object, bound or not; a value outside its range changes nothing.
std::int32_t ZANDREL_CALL SetDeadZone(RunObject* object, std::int32_t, std::int32_t)
{
    if (object != nullptr) {
        ApplyDeadZonePercent(*object, NextActionInteger(*object));
    }
    return 0;
}

std::int32_t ZANDREL_CALL SetTriggerThreshold(RunObject* object, std::int32_t, std::int32_t)
{
    if (object != nullptr) {
        ApplyTriggerThreshold(*object, NextActionInteger(*object));
    }
    return 0;
}

// The game's choice, so it needs no player and is not saved; 0 and 1 only.
std::int32_t ZANDREL_CALL SetKeysInBackground(RunObject* object, std::int32_t, std::int32_t)
{
    if (object != nullptr) {
        TakeSwitch(*object, &object->keysInBackground);
    }
    return 0;
}

// The table is the library's: a load serves every object, bound already or later.
std::int32_t ZANDREL_CALL LoadPadLayouts(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    std::FILE* file = OpenActionFileToRead(*object);
    if (file == nullptr) {
        return 0;
    }
    ReadPadLayouts(file, ThePadLayoutTable());
    std::fclose(file);
    return 0;
}

// Like SetKeysInBackground: the game's choice, for this object, not saved.
std::int32_t ZANDREL_CALL UseStandardLayout(RunObject* object, std::int32_t, std::int32_t)
{
    if (object != nullptr) {
        TakeSwitch(*object, &object->standardLayout);
    }
    return 0;
}

}  // namespace zandrel
