// The platform seam over the simulated world.
#include "input/platform.h"
#include "input/sim_world.h"

namespace zandrel::platform {

namespace {

sim::Joystick* PresentJoystick(std::uint32_t id)
{
    if (id >= static_cast<std::uint32_t>(sim::World::kJoysticks)) {
        return nullptr;
    }
    sim::Joystick& joystick = sim::TheWorld().joysticks[id];
    return joystick.present ? &joystick : nullptr;
}

}  // namespace

std::uint32_t ReadJoystick(std::uint32_t id, JoyReading* out)
{
    const sim::Joystick* joystick = PresentJoystick(id);
    if (joystick == nullptr) {
        return sim::kJoyUnplugged;
    }
    *out = JoyReading{joystick->x, joystick->y, joystick->buttons, joystick->pov};
    return 0;
}

std::uint32_t ReadJoystickIds(std::uint32_t id, JoyIds* out)
{
    const sim::Joystick* joystick = PresentJoystick(id);
    if (joystick == nullptr || joystick->capsFail) {
        return sim::kJoyUnplugged;
    }
    *out = JoyIds{joystick->vid, joystick->pid};
    return 0;
}

void JoystickConfigChanged()
{
    sim::TheWorld().Record({sim::EffectKind::JoyConfigChanged, 0, 0, 0});
}

std::uint32_t ReadXInputTriggers(std::uint32_t userIndex, XInputTriggers* out)
{
    if (userIndex >= static_cast<std::uint32_t>(sim::World::kXInputPads) ||
        !sim::TheWorld().xinput[userIndex].answers) {
        return sim::kXInputNotConnected;
    }
    const sim::XInputPad& pad = sim::TheWorld().xinput[userIndex];
    *out = XInputTriggers{pad.leftTrigger, pad.rightTrigger};
    return 0;
}

void SetXInputVibration(std::uint32_t userIndex, std::uint16_t left, std::uint16_t right)
{
    sim::TheWorld().Record({sim::EffectKind::Vibration, userIndex, left, right});
}

void SendKey(std::uint8_t key, std::uint32_t flags)
{
    sim::World& world = sim::TheWorld();
    world.Record({sim::EffectKind::KeyStroke, key, flags, 0});
    world.SetKey(key, (flags & 2u) == 0);
}

int ReadKeyboard(std::uint8_t state[256])
{
    const sim::World& world = sim::TheWorld();
    if (world.keyboardFails) {
        return 0;
    }
    world.Snapshot(state);
    return 1;
}

void EnumerateDeviceIds(DeviceIdSink sink, void* context)
{
    sim::World& world = sim::TheWorld();
    world.Record({sim::EffectKind::RescanStarted, 0, 0, 0});
    if (world.devicesFail) {
        return;
    }
    for (const std::u16string& id : world.devices) {
        sink(context, id.c_str());
    }
}

}  // namespace zandrel::platform
