// The key and button tests work on the two keyboard snapshots the frame cycle takes;
// none of them calls the platform.
#include "events/parameters.h"
#include "events/routines.h"

namespace zandrel {

namespace {

bool NewlyDown(const RunObject& object, std::uint8_t key)
{
    return IsKeyDown(object.keyState, key) && !IsKeyDown(object.prevKeyState, key);
}

// The key of button slot `button`, when the slot exists and its control is enabled.
bool EnabledButtonKey(const RunObject& object, std::int32_t button, std::uint8_t* key)
{
    if (!InRange(button, kPadBits - 1) || object.controlEnabled[button] == 0) {
        return false;
    }
    *key = object.keyMap[button];
    return true;
}

}  // namespace

std::int32_t ZANDREL_CALL PressedKey(RunObject* object, std::int32_t key, std::int32_t)
{
    if (object == nullptr || !InRange(key, kKeyCount - 1)) {
        return 0;
    }
    return NewlyDown(*object, static_cast<std::uint8_t>(key)) ? 1 : 0;
}

std::int32_t ZANDREL_CALL RepeatPressedKey(RunObject* object, std::int32_t key, std::int32_t)
{
    if (object == nullptr || !InRange(key, kKeyCount - 1)) {
        return 0;
    }
    return IsKeyDown(object->keyState, static_cast<std::uint8_t>(key)) ? 1 : 0;
}

std::int32_t ZANDREL_CALL PressedButton(RunObject* object, std::int32_t button, std::int32_t)
{
    std::uint8_t key = 0;
    if (object == nullptr || !EnabledButtonKey(*object, button, &key)) {
        return 0;
    }
    return NewlyDown(*object, key) ? 1 : 0;
}

std::int32_t ZANDREL_CALL RepeatPressedButton(RunObject* object, std::int32_t button, std::int32_t)
{
    std::uint8_t key = 0;
    if (object == nullptr || !EnabledButtonKey(*object, button, &key)) {
        return 0;
    }
    return IsKeyDown(object->keyState, key) ? 1 : 0;
}

// These four are true whenever evaluated: they are only ever evaluated when the
// extension raises them (a failed load, a failed read of the bound pad, its recovery,
// a failed save).
std::int32_t ZANDREL_CALL LoadFailed(RunObject*, std::int32_t, std::int32_t)
{
    return 1;
}

std::int32_t ZANDREL_CALL PadDisconnected(RunObject*, std::int32_t, std::int32_t)
{
    return 1;
}

std::int32_t ZANDREL_CALL PadReconnected(RunObject*, std::int32_t, std::int32_t)
{
    return 1;
}

std::int32_t ZANDREL_CALL SaveFailed(RunObject*, std::int32_t, std::int32_t)
{
    return 1;
}

}  // namespace zandrel
