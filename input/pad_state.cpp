#include "input/pad_state.h"

#include "input/xinput_devices.h"

namespace zandrel {

namespace {

// Hat octant 0..7 (0 = straight up, clockwise): directions it adds.
constexpr PadState kHatDirections[8] = {
    kPadUp,   kPadUp | kPadRight,  kPadRight, kPadDown | kPadRight,
    kPadDown, kPadDown | kPadLeft, kPadLeft,  kPadUp | kPadLeft,
};

}  // namespace

PadState DirectionBits(const platform::JoyReading& reading, std::int32_t centerX, std::int32_t centerY)
{
    // Wrapping subtraction: raw axes are 0..65535, but a loaded centre may be anything.
    const std::int32_t dx = static_cast<std::int32_t>(reading.xpos - static_cast<std::uint32_t>(centerX) -
                                                      static_cast<std::uint32_t>(kAxisCentre));
    const std::int32_t dy = static_cast<std::int32_t>(reading.ypos - static_cast<std::uint32_t>(centerY) -
                                                      static_cast<std::uint32_t>(kAxisCentre));
    PadState bits = 0;
    if (dx <= -kDeadZone || (reading.buttons & DirectionButton(PadInput::kLeft)) != 0) {
        bits |= kPadLeft;
    }
    if (dx >= kDeadZone || (reading.buttons & DirectionButton(PadInput::kRight)) != 0) {
        bits |= kPadRight;
    }
    if (dy <= -kDeadZone || (reading.buttons & DirectionButton(PadInput::kUp)) != 0) {
        bits |= kPadUp;
    }
    if (dy >= kDeadZone || (reading.buttons & DirectionButton(PadInput::kDown)) != 0) {
        bits |= kPadDown;
    }
    const std::uint32_t octant = reading.pov / kHatStep;
    if (octant < 8) {
        bits |= kHatDirections[octant];
    }
    return bits;
}

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

bool ReadPadState(std::uint32_t joystickId, std::int32_t centerX, std::int32_t centerY, PadState* state)
{
    platform::JoyReading reading{};
    if (platform::ReadJoystick(joystickId, &reading) != 0) {
        return false;
    }
    const PadState directions = DirectionBits(reading, centerX, centerY);
    *state = ComposePad(directions, reading.buttons, LookUpXInput(joystickId).position);
    return true;
}

PadState ComposePad(PadState directions, std::uint32_t buttons, std::int32_t xinputIndex)
{
    if (xinputIndex < 0) {
        return ComposePlain(directions, buttons);
    }
    platform::XInputTriggers triggers{};
    const bool answered = platform::ReadXInputTriggers(static_cast<std::uint32_t>(xinputIndex), &triggers) == 0;
    return ComposeXInput(directions, buttons, answered ? &triggers : nullptr);
}

}  // namespace zandrel
