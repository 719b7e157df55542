#include "platform/sim_world.h"

#include <cstring>

#include "platform/joystick_key.h"

namespace zandrel::sim {

void World::Reset()
{
    for (Joystick& joystick : joysticks) {
        joystick = Joystick{};
    }
    for (XInputPad& pad : xinput) {
        pad = XInputPad{};
    }
    keyboardFails = false;
    gameInFront = true;
    devices.clear();
    devicesFail = false;
    joystickNames.clear();
    std::memset(keys_, 0, sizeof keys_);
    logSize_ = 0;
    listener_ = nullptr;
    listenerContext_ = nullptr;
    readObserver = nullptr;
}

void World::SetJoystickName(std::uint16_t vid, std::uint16_t pid, const std::u16string& name)
{
    char16_t path[kKeyPathRoom];
    FormatJoystickKeyPath(vid, pid, path);
    RegistryValue value;
    for (const char16_t c : name) {
        value.data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        value.data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    joystickNames[path] = value;
}

void World::Snapshot(std::uint8_t state[256]) const
{
    std::memcpy(state, keys_, sizeof keys_);
    // VK_SHIFT/VK_CONTROL/VK_MENU follow their left and right keys (0xA0..0xA5); one
    // look at all six first, since a frame asks for the keyboard every time.
    std::uint64_t sides = 0;
    std::memcpy(&sides, keys_ + 0xA0, 6);
    if (sides == 0) {
        return;
    }
    for (int generic = 0; generic < 3; ++generic) {
        if ((keys_[0xA0 + 2 * generic] | keys_[0xA1 + 2 * generic]) != 0) {
            state[0x10 + generic] = 0x80;
        }
    }
}

std::vector<Effect> World::TakeLog()
{
    std::vector<Effect> taken(log_, log_ + LogSize());
    logSize_ = 0;
    return taken;
}

void World::Tell(EffectKind kind, std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    listener_(listenerContext_, Effect{kind, a, b, c});
}

void World::SetListener(EffectListener listener, void* context)
{
    listener_ = listener;
    listenerContext_ = context;
}

World theWorld;

}  // namespace zandrel::sim
