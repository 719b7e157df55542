#include <gtest/gtest.h>

#include "test_host.h"

namespace zandrel {
namespace {

using testing::KeyUp;

TEST(CreateRunObject, DefaultsSeedKeysFromPlayerOne)
{
    testing::TestHost host;
    for (int c = 0; c < kControlsPerPlayer; ++c) {
        host.controlKeys[0][c] = static_cast<std::uint16_t>(0x141 + c);  // high byte dropped
        host.controlKeys[1][c] = 0x99;
    }
    RunObject* object = host.Create();
    EXPECT_EQ(object->player, -1);
    EXPECT_EQ(object->padId, -1);
    EXPECT_EQ(object->xinputIndex, -1);
    EXPECT_EQ(object->padError, 0);
    EXPECT_EQ(object->prevPadState, 0);
    EXPECT_EQ(object->vid, 0);
    EXPECT_EQ(object->pid, 0);
    EXPECT_EQ(object->centerX, 0);
    EXPECT_EQ(object->centerY, 0);
    for (int i = 0; i < kPadBits; ++i) {
        EXPECT_EQ(object->keyMap[i], i < 8 ? 0x41 + i : 0) << i;
        EXPECT_EQ(object->virtualMap[i], i);
        EXPECT_EQ(object->controlEnabled[i], 1);
    }
    for (int k = 0; k < kKeyCount; ++k) {
        ASSERT_EQ(object->keyState[k], 0) << k;
        ASSERT_EQ(object->prevKeyState[k], 0) << k;  // not the host's leftovers
    }
    EXPECT_EQ(GetRunObjectDataSize(nullptr, nullptr), 1000);
}

TEST(DestroyRunObject, ReleasesEachHeldKeyOnceWhateverTheMappingSaysNow)
{
    testing::TestHost host;
    RunObject* object = host.Create();
    object->prevPadState = 0x0001 | 0x0010 | 0x0020 | 0x0040 | 0x8000;
    object->heldBits = 0x0001 | 0x0010 | 0x0040 | 0x8000;  // bit 5 was off when pressed
    object->heldKeys[0] = 0x30;
    object->heldKeys[4] = 0x37;
    object->heldKeys[6] = 0x36;
    object->heldKeys[15] = 0x30;  // shares bit 0's key
    object->virtualMap[4] = -1;
    object->controlEnabled[6] = 0;
    DestroyRunObject(object, 0);
    EXPECT_EQ(host.world().TakeLog(), (std::vector<sim::Effect>{KeyUp(0x30), KeyUp(0x37), KeyUp(0x36)}));
    EXPECT_EQ(object->heldBits, 0);
}

TEST(DestroyRunObject, NothingHeldSendsNothing)
{
    testing::TestHost host;
    RunObject* object = host.Create();
    DestroyRunObject(object, 0);
    EXPECT_EQ(host.world().LogSize(), 0u);
}

TEST(NullObject, EntriesDoNothing)
{
    EXPECT_EQ(CreateRunObject(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(HandleRunObject(nullptr), 0);
    EXPECT_EQ(DestroyRunObject(nullptr, 0), 0);
}

}  // namespace
}  // namespace zandrel
