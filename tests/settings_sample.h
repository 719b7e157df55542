// One object's settings and the 80 bytes a save of them must give, the same in
// the native build and in zandrel.mfx under Wine.
#pragma once

#include <cstdint>

#include "host/host_interface.h"
#include "runtime/run_object.h"

namespace zandrel::testing {

inline void FillSampleSettings(RunObject& object, HostControlKeys& controlKeys)
{
    static constexpr std::uint16_t kPlayerTwoKeys[8] = {0x0101, 0x26, 0x28, 0x25, 0x27, 0x1234, 0x20, 0xFFFF};
    object.player = 2;
    object.padId = 3;
    object.xinputIndex = kNotXInput;
    for (int c = 0; c < kControlsPerPlayer; ++c) {
        controlKeys[2][c] = kPlayerTwoKeys[c];
    }
    for (int i = 0; i < kPadBits; ++i) {
        object.keyMap[i] = static_cast<std::uint8_t>(0x41 + i);
        object.virtualMap[i] = static_cast<std::int8_t>(i);
    }
    object.virtualMap[5] = -1;
    object.virtualMap[7] = 4;
    object.centerX = 767;
    object.centerY = -1234;
}

constexpr std::uint8_t kSampleSettingsFile[80] = {
    0x02, 0x00, 0x00, 0x00,                          // player
    0x03, 0x00, 0x00, 0x00,                          // padId
    0xFE, 0xFF, 0xFF, 0xFF,                          // xinputIndex
    0x01, 0x01, 0x26, 0x00, 0x28, 0x00, 0x25, 0x00,  // player 2's control keys
    0x27, 0x00, 0x34, 0x12, 0x20, 0x00, 0xFF, 0xFF,  //
    0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,  // keyMap
    0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50,  //
    0x00, 0x01, 0x02, 0x03, 0x04, 0xFF, 0x06, 0x04,  // virtualMap
    0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,  //
    0xFF, 0x02, 0x00, 0x00,                          // centerX
    0x2E, 0xFB, 0xFF, 0xFF,                          // centerY
    'z',  'd',  'r',  '1',                           // tag of the tuning values
    0x28, 0x00, 0x00, 0x00,                          // dead-zone percent
    0x1E, 0x00, 0x00, 0x00,                          // trigger threshold
};

}  // namespace zandrel::testing
