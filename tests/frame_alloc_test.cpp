// A steady frame must not touch the heap.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Replacing the global operator new and delete pair; GCC cannot see they match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include "test_host.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace zandrel {
namespace {

// A key of its own for every slot, so every edge sends one.
RunObject* CreateWithDistinctKeys(testing::TestHost& host)
{
    RunObject* object = host.Create();
    for (int slot = 0; slot < kPadBits; ++slot) {
        object->keyMap[slot] = static_cast<std::uint8_t>(0x41 + slot);
    }
    return object;
}

TEST(FrameAllocations, SteadyFramesAllocateNothing)
{
    testing::TestHost host;
    host.world().devices = {u"HID\\VID_045E&PID_028E&IG_00"};
    RescanXInputDevices();
    host.world().joysticks[0] = sim::Joystick{true, 0x045E, 0x028E, 32767, 32767, 65535, 0};
    host.world().xinput[0].answers = true;
    RunObject* object = CreateWithDistinctKeys(host);
    object->padId = 0;
    HandleRunObject(object);  // resolves the XInput index

    const long before = g_allocations.load();
    for (std::uint32_t frame = 0; frame < 1000; ++frame) {
        host.world().joysticks[0].buttons = frame & 0x3FF;
        host.world().joysticks[0].x = (frame * 7919u) & 0xFFFF;
        host.world().xinput[0].leftTrigger = static_cast<std::uint8_t>(frame);
        HandleRunObject(object);
    }
    EXPECT_EQ(g_allocations.load() - before, 0);
    EXPECT_GT(host.world().LogTotal(), 1000u);  // keys really were sent
}

TEST(FrameAllocations, FramesThroughALayoutRowAllocateNothing)
{
    testing::TestHost host;
    host.world().joysticks[0] = sim::Joystick{true, 0x054C, 0x05C4, 32767, 32767, 65535, 0};
    RunObject* object = CreateWithDistinctKeys(host);
    object->padId = 0;
    NoteBoundPadIds(*object, platform::JoyIds{0x054C, 0x05C4});
    object->standardLayout = 1;

    const long before = g_allocations.load();
    for (std::uint32_t frame = 0; frame < 1000; ++frame) {
        host.world().joysticks[0].buttons = frame & 0x3FFF;
        host.world().joysticks[0].pov = (frame & 4) != 0 ? 9000 : 65535;
        HandleRunObject(object);
    }
    EXPECT_EQ(g_allocations.load() - before, 0);
    EXPECT_GT(host.world().LogTotal(), 1000u);
}

}  // namespace
}  // namespace zandrel
