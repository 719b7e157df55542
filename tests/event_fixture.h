// A test host with player 1's control keys set, one object, and pads to plug in.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "test_host.h"

namespace zandrel::testing {

// Player 1's keys: up, down, left, right, Z, X, space, return.
constexpr std::uint16_t kPlayerOneKeys[8] = {0x26, 0x28, 0x25, 0x27, 'Z', 'X', ' ', 0x0D};
constexpr char16_t kXInputPadId[] = u"HID\\VID_045E&PID_028E&IG_00\\7&2";

using Effects = std::vector<sim::Effect>;

class EventTest : public ::testing::Test {
protected:
    EventTest()
    {
        for (int c = 0; c < kControlsPerPlayer; ++c) {
            host.controlKeys[0][c] = kPlayerOneKeys[c];
        }
        object = host.Create();
    }

    sim::Joystick& Plug(int id, std::uint16_t vid = 0x045E, std::uint16_t pid = 0x028E)
    {
        sim::Joystick& joystick = host.world().joysticks[id];
        joystick = sim::Joystick{};
        joystick.present = true;
        joystick.vid = vid;
        joystick.pid = pid;
        return joystick;
    }

    // Joystick `id` known to the device list as XInput pad 0, answering.
    sim::Joystick& PlugXInput(int id)
    {
        sim::Joystick& joystick = Plug(id);
        host.world().devices = {kXInputPadId};
        host.world().xinput[0].answers = true;
        RescanXInputDevices();
        return joystick;
    }

    Effects Frames(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            HandleRunObject(object);
        }
        return host.world().TakeLog();
    }

    TestHost host;
    RunObject* object = nullptr;
};

}  // namespace zandrel::testing
