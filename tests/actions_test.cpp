#include <climits>

#include "event_fixture.h"

namespace zandrel {
namespace {

using testing::ConfigChanged;
using testing::Effects;
using testing::KeyDown;
using testing::KeyUp;
using testing::RescanStarted;
using testing::Vibration;

enum Action {
    kSetPlayerAndPadID,
    kSetCFControlKey,
    kXInputSetVibration,
    kSetVantor,
    kSaveSetting,
    kLoadSetting,
    kSetVirtualButton,
    kResetKey,
    kReLoadDeviceList,
    kPOVZeroIN,
    kEnableControl,
};

using Actions = testing::EventTest;

TEST_F(Actions, RejectedActionsStillFetchEveryParameter)
{
    const struct {
        Action code;
        int count;
    } cases[] = {
        {kSetCFControlKey, 3}, {kXInputSetVibration, 2}, {kSetVantor, 2}, {kSetVirtualButton, 2}, {kEnableControl, 2},
    };
    object->player = -1;  // fails every player gate
    const RunObject before = *object;
    for (const auto& c : cases) {
        EXPECT_EQ(host.Act(object, c.code, {-1, -1, -1}), 0);
        EXPECT_EQ(host.actionParametersFetched, c.count) << c.code;
    }
    EXPECT_EQ(0, std::memcmp(&before, object, sizeof before));
    EXPECT_EQ(host.world().TakeLog(), Effects{});
}

TEST_F(Actions, SetCFControlKeyWritesOnlyValidRowsCutTo16Bits)
{
    const struct {
        std::int32_t player, button, key;
        bool written;
        std::uint16_t stored;
    } cases[] = {
        {3, 7, 0x41, true, 0x41}, {0, 0, 0x12345, true, 0x2345}, {1, 2, -1, true, 0xFFFF}, {-1, 0, 0x41, false, 0},
        {4, 0, 0x41, false, 0},   {0, -1, 0x41, false, 0},       {0, 8, 0x41, false, 0},   {INT_MIN, 0, 1, false, 0},
    };
    for (const auto& c : cases) {
        HostControlKeys before;
        std::memcpy(before, host.controlKeys, sizeof before);
        host.Act(object, kSetCFControlKey, {c.player, c.button, c.key});
        if (c.written) {
            EXPECT_EQ(host.controlKeys[c.player][c.button], c.stored);
            before[c.player][c.button] = c.stored;
        }
        EXPECT_EQ(0, std::memcmp(before, host.controlKeys, sizeof before)) << c.player << " " << c.button;
    }
    EXPECT_EQ(object->keyMap[0], 0x26);  // the object's own map is not updated
    object->header.controlKeys = nullptr;
    host.Act(object, kSetCFControlKey, {0, 0, 1});
}

TEST_F(Actions, SlotAndVirtualMapEditsAreRangeTestedAndCut)
{
    object->player = 3;
    const struct {
        Action code;
        std::int32_t index, value;
        int slot;  // changed entry, -1 = none
        int stored;
    } cases[] = {
        {kSetVantor, 15, 0x141, 15, 0x41}, {kSetVantor, 0, -1, 0, 0xFF},      {kSetVantor, 16, 1, -1, 0},
        {kSetVantor, -1, 1, -1, 0},        {kSetVirtualButton, 5, -1, 5, -1}, {kSetVirtualButton, 0, 15, 0, 15},
        {kSetVirtualButton, 1, 16, -1, 0}, {kSetVirtualButton, 1, -2, -1, 0}, {kSetVirtualButton, 16, 0, -1, 0},
        {kSetVirtualButton, -1, 0, -1, 0},
    };
    for (const auto& c : cases) {
        const RunObject before = *object;
        host.Act(object, c.code, {c.index, c.value});
        if (c.code == kSetVantor) {
            if (c.slot >= 0) {
                EXPECT_EQ(object->keyMap[c.slot], c.stored);
                object->keyMap[c.slot] = before.keyMap[c.slot];
            }
        } else if (c.slot >= 0) {
            EXPECT_EQ(object->virtualMap[c.slot], c.stored);
            object->virtualMap[c.slot] = before.virtualMap[c.slot];
        }
        EXPECT_EQ(0, std::memcmp(&before, object, sizeof before)) << c.code << " " << c.index << " " << c.value;
    }
    EXPECT_EQ(host.world().TakeLog(), Effects{});
}

TEST_F(Actions, PlayerGateIsTheObjectsOwnField)
{
    for (const std::int32_t player : {-1, 4, 7}) {
        object->player = player;
        host.Act(object, kSetVantor, {0, 0x41});
        host.Act(object, kSetVirtualButton, {0, 3});
        host.Act(object, kEnableControl, {0, 0});
        EXPECT_EQ(object->keyMap[0], 0x26);
        EXPECT_EQ(object->virtualMap[0], 0);
        EXPECT_EQ(object->controlEnabled[0], 1);
    }
}

TEST_F(Actions, SetPlayerAndPadIDWithAnUnknownPadStoresOnlyTheBinding)
{
    // -1 is no pad either, although the system answers its capability query (it
    // names only the service's registry key).
    for (const std::int32_t padId : {5, 16, -1, -2, INT_MIN}) {
        object->vid = 0x1111;
        object->pid = 0x2222;
        object->xinputIndex = 2;
        host.Act(object, kSetPlayerAndPadID, {9, padId});
        EXPECT_EQ(object->player, 9);
        EXPECT_EQ(object->padId, padId);
        EXPECT_EQ(object->vid, 0x1111) << padId;
        EXPECT_EQ(object->pid, 0x2222) << padId;
        EXPECT_EQ(object->xinputIndex, 2) << padId;
        EXPECT_EQ(host.world().TakeLog(), Effects{}) << padId;
    }
}

TEST_F(Actions, SetPlayerAndPadIDWithAKnownPadReadsIdsAndRescans)
{
    Plug(2);
    host.world().devices = {testing::kXInputPadId};
    host.world().xinput[0].answers = true;
    object->xinputIndex = -2;
    host.Act(object, kSetPlayerAndPadID, {7, 2});
    EXPECT_EQ(object->vid, 0x045E);
    EXPECT_EQ(object->pid, 0x028E);
    EXPECT_EQ(object->xinputIndex, -1);
    EXPECT_EQ(TheXInputDeviceList().count, 1);
    EXPECT_EQ(host.world().TakeLog(), Effects{RescanStarted()});
    EXPECT_EQ(object->keyMap[4], 'Z');  // not reseeded from the new player

    // Player 7: the pad drives keys, the player-gated actions do nothing.
    host.world().joysticks[2].buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    EXPECT_EQ(object->xinputIndex, 0);
    host.Act(object, kXInputSetVibration, {100, 200});
    EXPECT_EQ(host.world().TakeLog(), Effects{});
}

TEST_F(Actions, VibrationNeedsAPlayerAndAnXInputPadAndCuts)
{
    object->player = 1;
    for (const std::int32_t index : {-1, -2}) {
        object->xinputIndex = index;
        host.Act(object, kXInputSetVibration, {1000, 1000});
    }
    EXPECT_EQ(host.world().TakeLog(), Effects{});
    object->xinputIndex = 3;
    host.Act(object, kXInputSetVibration, {65535, 65536});
    host.Act(object, kXInputSetVibration, {-1, 0x12345});
    EXPECT_EQ(host.world().TakeLog(), (Effects{Vibration(3, 65535, 0), Vibration(3, 65535, 0x2345)}));
}

TEST_F(Actions, EnableControlSwitchesBitsAndClearsBothSnapshots)
{
    object->player = 0;
    const auto holdAll = [&] {
        for (int k = 0; k < kKeyCount; ++k) {
            object->keyState[k] = object->prevKeyState[k] = 0x80;
        }
    };
    holdAll();
    host.Act(object, kEnableControl, {5, 0});
    EXPECT_EQ(object->controlEnabled[5], 0);
    EXPECT_EQ(object->keyState['X'], 0);
    EXPECT_EQ(object->prevKeyState['X'], 0);
    EXPECT_EQ(object->keyState['Z'], 0x80);

    for (const std::int32_t value : {0, 256}) {  // only the low byte counts
        holdAll();
        host.Act(object, kEnableControl, {-1, value});
        for (int bit = 0; bit < kPadBits; ++bit) {
            EXPECT_EQ(object->controlEnabled[bit], 0);
            EXPECT_EQ(object->keyState[object->keyMap[bit]], 0);
            EXPECT_EQ(object->prevKeyState[object->keyMap[bit]], 0);
        }
        EXPECT_EQ(object->keyState['A'], 0x80);  // not the key of any slot
    }
    host.Act(object, kEnableControl, {3, 2});
    EXPECT_EQ(object->controlEnabled[3], 2);
    EXPECT_EQ(object->keyState[0x27], 0);  // enabling clears nothing
    holdAll();
    host.Act(object, kEnableControl, {16, 0});
    host.Act(object, kEnableControl, {-2, 0});
    EXPECT_EQ(object->controlEnabled[3], 2);
    EXPECT_EQ(host.world().TakeLog(), Effects{});
}

TEST_F(Actions, DisablingAHeldButtonReleasesItsKeyOnlyWithTheButton)
{
    sim::Joystick& pad = Plug(0);
    object->player = 0;
    object->padId = 0;
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    host.Act(object, kEnableControl, {4, 0});
    EXPECT_EQ(host.world().TakeLog(), Effects{});
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{KeyUp('Z')});
    EXPECT_EQ(host.Test(object, 3, 4), 0);
}

TEST_F(Actions, ResetKeyReleasesEverySlotAndKeepsThePadState)
{
    sim::Joystick& pad = Plug(0);
    object->padId = 0;
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    object->prevKeyState['Q'] = 0x80;
    host.Act(object, kResetKey);
    Effects releases;
    for (int slot = 0; slot < kPadBits; ++slot) {
        releases.push_back(KeyUp(slot < 8 ? static_cast<std::uint8_t>(testing::kPlayerOneKeys[slot]) : 0));
    }
    EXPECT_EQ(host.world().TakeLog(), releases);
    for (int k = 0; k < kKeyCount; ++k) {
        ASSERT_EQ(object->keyState[k] | object->prevKeyState[k], 0) << k;
    }
    EXPECT_EQ(object->prevPadState, 0x10);
    EXPECT_EQ(Frames(3), Effects{});  // still held: no new press
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{});  // and nothing left to let go
}

TEST_F(Actions, ReLoadDeviceListResetsTheIndexAndRescansWithoutAPad)
{
    object->xinputIndex = 1;
    host.world().devices = {testing::kXInputPadId};
    host.Act(object, kReLoadDeviceList);
    EXPECT_EQ(object->xinputIndex, -1);
    EXPECT_EQ(TheXInputDeviceList().count, 1);
    EXPECT_EQ(host.world().TakeLog(), (Effects{ConfigChanged(), RescanStarted()}));
}

TEST_F(Actions, POVZeroINTakesTheRestPositionAsCentre)
{
    sim::Joystick& pad = Plug(1);
    object->padId = 1;
    host.Act(object, kPOVZeroIN);
    EXPECT_EQ(object->centerX, 767);
    EXPECT_EQ(object->centerY, 767);
    pad.x = 0;
    pad.y = 65535;
    host.Act(object, kPOVZeroIN);
    EXPECT_EQ(object->centerX, -32000);
    EXPECT_EQ(object->centerY, 33535);

    object->padError = 1;  // in error, unbound, or a failed read: unchanged
    host.Act(object, kPOVZeroIN);
    object->padError = 0;
    object->padId = -1;
    host.Act(object, kPOVZeroIN);
    object->padId = 1;
    pad.present = false;
    host.Act(object, kPOVZeroIN);
    EXPECT_EQ(object->centerX, -32000);
    EXPECT_EQ(object->padError, 0);
}

TEST_F(Actions, NullObjectAndMissingHostServicesAreHarmless)
{
    for (int code = 0; code < kActionCount; ++code) {
        EXPECT_EQ(kActionRoutines[code](nullptr, 0, 0), 0);
    }
    RunObject bare{};
    bare.player = 0;
    bare.padId = -1;
    for (int code = 0; code < kActionCount; ++code) {
        EXPECT_EQ(kActionRoutines[code](&bare, 0, 0), 0);
    }
}

}  // namespace
}  // namespace zandrel
