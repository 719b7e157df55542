#include <cstring>

#include "host/exports.h"
#include "platform/platform.h"
#include "runtime/run_object.h"

using zandrel::RunObject;

namespace zandrel {

void ReleaseHeldKeys(RunObject& object)
{
    ForEachHeldKey(object, [](std::uint8_t key) { platform::SendKey(key, platform::kKeyUp); });
    object.heldBits = 0;
    object.prevPadState = 0;
}

void StopRumble(RunObject& object)
{
    unsigned running = object.rumbling;
    object.rumbling = 0;
    for (; running != 0; running &= running - 1) {
        platform::SetXInputVibration(static_cast<std::uint32_t>(__builtin_ctz(running)), 0, 0);
    }
}

bool RaiseWatchingBinding(RunObject& object, std::int32_t code)
{
    const std::uint16_t before = object.bindings;
    RaiseCondition(object, code);
    return object.bindings != before;
}

void FindBoundPadLayout(RunObject& object, const PadLayoutTable& table)
{
    object.padLayout =
        static_cast<std::int16_t>(PadIdsKnown(object) ? FindPadLayout(table, object.vid, object.pid) : -1);
    object.padLayoutGeneration = table.generation;
}

void NoteBoundPadIds(RunObject& object, platform::JoyIds ids)
{
    object.vid = ids.vendor;
    object.pid = ids.product;
    object.padIdsRead = 1;
    FindBoundPadLayout(object, ThePadLayoutTable());
}

void ForgetBoundPadIds(RunObject& object)
{
    object.padIdsRead = 0;
    FindBoundPadLayout(object, ThePadLayoutTable());
}

PadType BoundPadType(RunObject& object)
{
    return PadTypeOf(object.padId >= 0 && object.padError == 0, DecodesAsXInput(object), BoundPadLayout(object));
}

}  // namespace zandrel

std::int32_t ZANDREL_CALL GetRunObjectDataSize(void*, void*)
{
    return static_cast<std::int32_t>(sizeof(RunObject));
}

std::int32_t ZANDREL_CALL CreateRunObject(RunObject* object, void*, void*)
{
    if (object == nullptr) {
        return 0;
    }
    object->player = -1;
    object->padId = -1;
    object->xinputIndex = zandrel::kXInputUnresolved;
    object->padError = 0;
    std::memset(object->keyMap, 0, sizeof object->keyMap);
    object->prevPadState = 0;
    std::memset(object->keyState, 0, sizeof object->keyState);
    // Cleared too, so the first frame cannot report presses from whatever the
    // host's memory held.
    std::memset(object->prevKeyState, 0, sizeof object->prevKeyState);
    for (int i = 0; i < zandrel::kPadBits; ++i) {
        object->controlEnabled[i] = 1;
        object->virtualMap[i] = static_cast<std::int8_t>(i);
    }
    object->vid = 0;
    object->pid = 0;
    object->centerX = 0;
    object->centerY = 0;
    ApplyDeadZonePercent(*object, zandrel::kDeadZonePercent);
    ApplyTriggerThreshold(*object, zandrel::kTriggerThreshold);
    std::memset(object->axes, 0, sizeof object->axes);
    object->pov = zandrel::kHatCentred;
    zandrel::ForgetPadReading(*object);
    object->keysInBackground = 0;
    object->rumbleIndex = zandrel::kNoRumble;
    std::memset(object->heldKeys, 0, sizeof object->heldKeys);
    object->heldBits = 0;
    object->rumbling = 0;
    object->loneXInput = -1;
    object->guessAnswered = 0;
    object->guessDue = 0;
    object->searchWait = 0;
    object->bindings = 0;
    object->standardLayout = 0;
    zandrel::ForgetBoundPadIds(*object);
    if (object->header.controlKeys != nullptr) {
        const zandrel::HostControlKeys& hostKeys = *object->header.controlKeys;
        for (int i = 0; i < zandrel::kControlsPerPlayer; ++i) {
            object->keyMap[i] = static_cast<std::uint8_t>(hostKeys[0][i]);
        }
    }
    return 0;
}

std::int32_t ZANDREL_CALL DestroyRunObject(RunObject* object, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    zandrel::ReleaseHeldKeys(*object);
    zandrel::StopRumble(*object);
    zandrel::LeaveBinding(*object);
    return 0;
}
