#include "input/pad_state.h"

#include "input/pad_layouts.h"
#include "input/xinput_devices.h"

namespace zandrel {

bool ReadBoundPadIds(std::int32_t padId, platform::JoyIds* ids)
{
    return padId >= 0 && platform::ReadJoystickIds(static_cast<std::uint32_t>(padId), ids) == 0;
}

XInputLookup LookUpXInput(std::uint32_t joystickId)
{
    XInputLookup lookup{false, {0, 0}, -1};
    const XInputDeviceList& list = TheXInputDeviceList();
    if (list.count <= 0) {
        return lookup;
    }
    if (platform::ReadJoystickIds(joystickId, &lookup.ids) != 0) {
        return lookup;
    }
    lookup.idsRead = true;
    lookup.position = FindXInputDevice(list, MakeXInputDeviceId(lookup.ids.vendor, lookup.ids.product));
    return lookup;
}

void JoystickReadFailed(std::uint32_t id, PadFetch* fetch)
{
    fetch->reading = platform::JoyReading{};
    ForgetXInputConfirmations(static_cast<std::int32_t>(id));
}

void PlaceOtherPad(std::uint32_t id, bool standardLayout, PadFetch* fetch)
{
    const XInputLookup lookup = LookUpXInput(id);
    if (lookup.position >= 0) {
        XInputReads reads;
        fetch->xinputIndex = GuessXInputIndex(static_cast<std::int32_t>(id), lookup.position, reads, nullptr);
        fetch->xinputAnswered = reads.Read(static_cast<std::uint32_t>(fetch->xinputIndex), &fetch->xinput);
        return;
    }
    if (!standardLayout) {
        return;
    }
    platform::JoyIds ids = lookup.ids;
    if (lookup.idsRead || platform::ReadJoystickIds(id, &ids) == 0) {
        const PadLayoutTable& table = ThePadLayoutTable();
        const std::int32_t row = FindPadLayout(table, ids.vendor, ids.product);
        fetch->layout = row >= 0 ? &table.rows[row] : nullptr;
    }
}

std::int32_t StickAxisValue(std::int32_t centred, std::int32_t deadZone)
{
    if (centred > -deadZone && centred < deadZone) {
        return 0;
    }
    // 64-bit: a loaded calibration offset can put the centred value anywhere in 32 bits.
    const std::int64_t magnitude = centred < 0 ? -static_cast<std::int64_t>(centred) : centred;
    const std::int64_t scaled = 1 + (magnitude - deadZone) * 999 / (kAxisFull - deadZone);
    const auto value = static_cast<std::int32_t>(scaled < 1000 ? scaled : 1000);
    return centred < 0 ? -value : value;
}

std::int32_t PlainAxisValue(std::uint32_t raw)
{
    const std::int64_t value = (static_cast<std::int64_t>(raw) - kAxisFull) * 1000 / kAxisFull;
    return static_cast<std::int32_t>(value < -1000 ? -1000 : (value > 1000 ? 1000 : value));
}

}  // namespace zandrel
