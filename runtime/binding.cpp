// Where an object's pad is: binding it (SetPlayerAndPadID, LoadSetting), finding it
// again at its id or another, and reloading the device list. Each of them keeps and
// resets here, and only here:
//
//              | keys, motors      | vid, pid            | xinputIndex    | rescan
//   action     | other id: stopped | read, or kept       | -1, or kept    | when the ids read
//   settings   | other id: stopped | read, or 0          | -1             | when the ids read
//   same pad   | kept              | kept                | kept           | no
//   recovery   | (stopped at loss) | read                | guessed again  | when they were unknown
//   following  | (stopped at loss) | the same            | guessed again  | no
//   reload     | kept              | kept                | -1             | always
//
// A failed SetPlayerAndPadID keeping vid, pid and the XInput index, and a LoadSetting
// whose pad cannot be read clearing them, are the two bindings' old behaviour, kept on
// purpose. The same pad is the bound id whose ids read as the object holds them.
#include "input/pad_state.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"
#include "runtime/run_object.h"

namespace zandrel {

namespace {

constexpr std::int32_t kJoystickIds = 16;

// Live objects per joystick id.
std::int32_t g_boundTo[kJoystickIds] = {};

bool CountedId(std::int32_t padId)
{
    return padId >= 0 && padId < kJoystickIds;
}

void MoveCount(std::int32_t from, std::int32_t to)
{
    if (from == to) {
        return;
    }
    if (CountedId(from) && g_boundTo[from] > 0) {
        --g_boundTo[from];
    }
    if (CountedId(to)) {
        ++g_boundTo[to];
    }
}

// A new place for the pad: nothing learnt of its XInput index at the old one counts.
void ForgetPlace(RunObject& object)
{
    object.loneXInput = -1;
    object.guessAnswered = 0;
}

}  // namespace

bool PadIdsKnown(const RunObject& object)
{
    return object.padIdsRead != 0 && (object.vid != 0 || object.pid != 0);
}

bool IsOwnPad(const RunObject& object, const platform::JoyIds& ids)
{
    return PadIdsKnown(object) && ids.vendor == object.vid && ids.product == object.pid;
}

bool DecodesAsXInput(const RunObject& object)
{
    if (object.xinputIndex != kXInputUnresolved) {
        return object.xinputIndex >= 0;
    }
    // As the first frame will find it.
    const XInputDeviceList& list = TheXInputDeviceList();
    return list.count > 0 && PadIdsKnown(object) &&
           FindXInputDevice(list, MakeXInputDeviceId(object.vid, object.pid)) >= 0;
}

std::int32_t ObjectsBoundTo(std::int32_t padId)
{
    return CountedId(padId) ? g_boundTo[padId] : 0;
}

void ResetPadBindings()
{
    for (std::int32_t& count : g_boundTo) {
        count = 0;
    }
}

BindingBefore BeginBinding(RunObject& object, std::int32_t newPadId)
{
    if (newPadId != object.padId) {
        ReleaseHeldKeys(object);
        StopRumble(object);
    }
    return BindingBefore{object.padId, object.xinputIndex};
}

void BindPad(RunObject& object, const BindingBefore& before, BindingBy by)
{
    MoveCount(before.padId, object.padId);
    platform::JoyIds ids{};
    const bool idsRead = ReadBoundPadIds(object.padId, &ids);
    if (object.padId == before.padId && idsRead && IsOwnPad(object, ids)) {
        // A game that binds every frame pays no device-inventory query for it.
        object.xinputIndex = before.xinputIndex;
        return;
    }
    // The binding count moves on, so a RaiseWatchingBinding under way learns of it.
    ++object.bindings;
    ForgetPadReading(object);  // the values of a former pad are not this one's
    ForgetPlace(object);
    object.guessDue = 0;
    if (idsRead) {
        NoteBoundPadIds(object, ids);
        object.xinputIndex = kXInputUnresolved;
        RescanXInputDevices();
        return;
    }
    ForgetBoundPadIds(object);
    if (by == BindingBy::kSettings) {
        object.vid = 0;
        object.pid = 0;
        object.xinputIndex = kXInputUnresolved;
    }
}

void RecoverPad(RunObject& object, const platform::JoyIds* ids)
{
    const bool idsWereKnown = PadIdsKnown(object);
    // The ids first, so the game's answer to the event can name the pad.
    if (ids != nullptr) {
        NoteBoundPadIds(object, *ids);
    }
    object.padError = 0;
    // An answer that bound the object again leaves a whole binding: nothing more to do.
    if (RaiseWatchingBinding(object, kPadReconnectedCode) || idsWereKnown || ids == nullptr) {
        return;
    }
    RescanXInputDevices();
    object.xinputIndex = kXInputUnresolved;
}

void FollowPad(RunObject& object, std::int32_t padId)
{
    ForgetXInputConfirmations(object.padId);
    MoveCount(object.padId, padId);
    object.padId = padId;
    object.padError = 0;
    object.guessDue = 1;
    ForgetPlace(object);
    RaiseCondition(object, kPadReconnectedCode);
}

void ReloadDevices(RunObject& object)
{
    platform::JoystickConfigChanged();
    object.xinputIndex = kXInputUnresolved;
    RescanXInputDevices();
}

void LeaveBinding(RunObject& object)
{
    MoveCount(object.padId, -1);
}

}  // namespace zandrel
