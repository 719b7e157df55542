// One frame of one object with a bound pad whose buttons change every frame.
#include <benchmark/benchmark.h>

#include "test_host.h"

namespace zandrel {
namespace {

enum class Pad { kPlain, kXInput, kStandardLayout };

void RunFrames(benchmark::State& state, Pad kind)
{
    testing::TestHost host;
    if (kind == Pad::kXInput) {
        host.world().devices = {u"HID\\VID_045E&PID_028E&IG_00"};
        RescanXInputDevices();
        host.world().xinput[0].answers = true;
    }
    host.world().joysticks[0] = sim::Joystick{true, 0x045E, 0x028E, 32767, 32767, 65535, 0};
    for (int c = 0; c < kControlsPerPlayer; ++c) {
        host.controlKeys[0][c] = static_cast<std::uint16_t>(0x41 + c);
    }
    RunObject* object = host.Create();
    object->player = 0;
    object->padId = 0;
    if (kind == Pad::kStandardLayout) {
        // A DualShock 4 through its built-in row.
        NoteBoundPadIds(*object, platform::JoyIds{0x054C, 0x05C4});
        object->standardLayout = 1;
    }
    HandleRunObject(object);
    std::uint32_t frame = 0;
    for (auto _ : state) {
        sim::Joystick& pad = host.world().joysticks[0];
        pad.buttons = (frame & 1) != 0 ? 0x5 : 0x0;  // two buttons pressed and released
        pad.pov = (frame & 2) != 0 ? 9000 : 65535;
        HandleRunObject(object);
        host.world().ClearLog();
        ++frame;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FramePlainPad(benchmark::State& state)
{
    RunFrames(state, Pad::kPlain);
}
void BM_FrameXInputPad(benchmark::State& state)
{
    RunFrames(state, Pad::kXInput);
}
void BM_FrameStandardLayout(benchmark::State& state)
{
    RunFrames(state, Pad::kStandardLayout);
}

BENCHMARK(BM_FramePlainPad);
BENCHMARK(BM_FrameXInputPad);
BENCHMARK(BM_FrameStandardLayout);

}  // namespace
}  // namespace zandrel
