#include <gtest/gtest.h>

#include "event_fixture.h"

namespace zandrel {
namespace {

using sim::Effect;
using testing::ConfigChanged;
using testing::Effects;
using testing::KeyDown;
using testing::KeyUp;
using testing::RescanStarted;

constexpr const char16_t* kPadDeviceId = testing::kXInputPadId;

class FrameCycle : public testing::EventTest {
protected:
    void Bind(int padId)
    {
        object->player = 0;
        object->padId = padId;
    }
};

TEST_F(FrameCycle, HeldButtonSendsOneDownAndOneUp)
{
    sim::Joystick& pad = Plug(0);
    Bind(0);
    EXPECT_EQ(Frames(), Effects{});
    pad.buttons = 0x1;  // button 1 -> bit 4 -> slot 4 -> 'Z'
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    EXPECT_EQ(Frames(10), Effects{});
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{KeyUp('Z')});
    EXPECT_EQ(object->prevPadState, 0);
}

TEST_F(FrameCycle, EdgesGoOutInAscendingBitOrder)
{
    sim::Joystick& pad = Plug(0);
    Bind(0);
    pad.x = 0;            // left, bit 2
    pad.buttons = 0x102;  // buttons 2 and 9 -> bits 5 and 12 (slot 12 key 0)
    EXPECT_EQ(Frames(), (Effects{KeyDown(0x25), KeyDown('X'), KeyDown(0)}));
    pad.x = 32767;
    pad.buttons = 0;
    EXPECT_EQ(Frames(), (Effects{KeyUp(0x25), KeyUp('X'), KeyUp(0)}));
}

TEST_F(FrameCycle, TwoBitsOnOneSlotHoldTheSharedKeyTogether)
{
    sim::Joystick& pad = Plug(0);
    Bind(0);
    object->virtualMap[5] = 4;
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    pad.buttons = 0x3;
    EXPECT_EQ(Frames(), Effects{});
    pad.buttons = 0x2;  // bit 4 let go while bit 5 holds the same key
    EXPECT_EQ(Frames(), Effects{});
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{KeyUp('Z')});
}

TEST_F(FrameCycle, DisabledControlLetsGoOfItsKeyThenSendsNothingButStateFollowsThePad)
{
    sim::Joystick& pad = Plug(0);
    Bind(0);
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    object->controlEnabled[4] = 0;
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{KeyUp('Z')});  // the player held it down
    EXPECT_EQ(object->prevPadState, 0);
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{});
    EXPECT_EQ(object->prevPadState, 0x10);
    object->controlEnabled[4] = 1;
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{});  // that press sent nothing to let go
}

TEST_F(FrameCycle, SwitchedOffOrOutOfRangeSlotSendsNothing)
{
    sim::Joystick& pad = Plug(0);
    Bind(0);
    object->virtualMap[4] = -1;
    object->virtualMap[5] = 16;
    object->virtualMap[6] = -128;
    pad.buttons = 0x7;
    EXPECT_EQ(Frames(), Effects{});
    EXPECT_EQ(object->prevPadState, 0x70);
}

TEST_F(FrameCycle, ReleaseAfterRemapLetsGoOfTheKeyThePressSent)
{
    sim::Joystick& pad = Plug(0);
    Bind(0);
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    object->keyMap[4] = 'Q';
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{KeyUp('Z')});
}

TEST_F(FrameCycle, UnplugErrorProbeRecoveryWithUnknownIds)
{
    sim::Joystick& pad = Plug(0);
    pad.capsFail = true;
    Bind(0);
    pad.buttons = 0x1;
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});
    EXPECT_EQ(object->vid, 0);  // capabilities unreadable: ids never read

    pad.present = false;
    EXPECT_EQ(Frames(), (Effects{KeyUp('Z'), ConfigChanged()}));
    EXPECT_EQ(object->padError, 1);
    EXPECT_EQ(Frames(3), Effects{});  // only probes
    EXPECT_EQ(object->prevPadState, 0);

    host.world().devices = {kPadDeviceId};
    pad.present = true;
    pad.capsFail = false;
    pad.buttons = 0;
    EXPECT_EQ(Frames(), Effects{RescanStarted()});  // recovery frame: ids read, list rebuilt, no keys
    EXPECT_EQ(object->padError, 0);
    EXPECT_EQ(object->vid, 0x045E);
    EXPECT_EQ(object->pid, 0x028E);
    EXPECT_EQ(object->xinputIndex, -1);
    EXPECT_EQ(TheXInputDeviceList().count, 1);

    host.world().xinput[0].answers = true;
    EXPECT_EQ(Frames(), Effects{});  // reads again, resolves as XInput pad 0
    EXPECT_EQ(object->xinputIndex, 0);
}

TEST_F(FrameCycle, RecoveryWithKnownIdsKeepsTheIndexAndDoesNotRescan)
{
    host.world().devices = {kPadDeviceId};
    RescanXInputDevices();
    host.world().ClearLog();
    sim::Joystick& pad = Plug(0);
    Bind(0);
    EXPECT_EQ(Frames(), Effects{});
    EXPECT_EQ(object->xinputIndex, 0);  // resolved: XInput pad 0, though index 0 fails to read

    object->xinputIndex = kNotXInput;  // as if resolved against an older list
    pad.present = false;
    EXPECT_EQ(Frames(), Effects{ConfigChanged()});
    pad.present = true;
    EXPECT_EQ(Frames(), Effects{});
    EXPECT_EQ(object->padError, 0);
    EXPECT_EQ(object->vid, 0x045E);
    EXPECT_EQ(object->xinputIndex, kNotXInput);
}

TEST_F(FrameCycle, XInputPadRecoversOnlyWhenItsJoystickReads)
{
    host.world().devices = {kPadDeviceId};
    RescanXInputDevices();
    host.world().ClearLog();
    sim::Joystick& pad = Plug(0);
    host.world().xinput[0].answers = true;
    Bind(0);
    Frames();
    ASSERT_EQ(object->xinputIndex, 0);

    // Joystick reads fail while XInput answers: the object stays in error.
    pad.present = false;
    EXPECT_EQ(Frames(), Effects{ConfigChanged()});
    EXPECT_EQ(object->padError, 1);
    EXPECT_EQ(Frames(3), Effects{});
    EXPECT_EQ(object->padError, 1);

    pad.present = true;
    EXPECT_EQ(Frames(), Effects{});
    EXPECT_EQ(object->padError, 0);
}

TEST_F(FrameCycle, IndexIsResolvedOnceAndCached)
{
    host.world().devices = {u"HID\\VID_0001&PID_0002&IG_00", kPadDeviceId};
    RescanXInputDevices();
    sim::Joystick& pad = Plug(0);
    Bind(0);
    Frames();
    EXPECT_EQ(object->xinputIndex, 1);
    pad.vid = 0x0001;  // now matches position 0, but the cache holds
    pad.pid = 0x0002;
    Frames();
    EXPECT_EQ(object->xinputIndex, 1);
    EXPECT_EQ(object->vid, 0x045E);

    RunObject* plain = host.Create();
    Plug(1, 0x0FFF, 0x0FFF);
    plain->padId = 1;
    HandleRunObject(plain);
    EXPECT_EQ(plain->xinputIndex, kNotXInput);
}

TEST_F(FrameCycle, CapabilityFailureLeavesTheIndexUnresolvedAndRetries)
{
    host.world().devices = {kPadDeviceId};
    RescanXInputDevices();
    host.world().ClearLog();
    sim::Joystick& pad = Plug(0);
    pad.capsFail = true;
    pad.buttons = 0x1;
    Bind(0);
    EXPECT_EQ(Frames(), Effects{KeyDown('Z')});  // read as a plain joystick meanwhile
    EXPECT_EQ(object->xinputIndex, -1);
    EXPECT_EQ(object->vid, 0);
    pad.capsFail = false;
    Frames();
    EXPECT_EQ(object->xinputIndex, 0);
    EXPECT_EQ(object->vid, 0x045E);
}

TEST_F(FrameCycle, TransientXInputFailureDropsOnlyTheTriggers)
{
    host.world().devices = {kPadDeviceId};
    RescanXInputDevices();
    host.world().ClearLog();
    sim::Joystick& pad = Plug(0);
    sim::XInputPad& xpad = host.world().xinput[0];
    xpad.answers = true;
    Bind(0);
    pad.buttons = 0x1;
    pad.x = 0;
    xpad.leftTrigger = 200;  // bit 10, slot 10 key 0
    EXPECT_EQ(Frames(), (Effects{KeyDown(0x25), KeyDown('Z'), KeyDown(0)}));
    xpad.answers = false;
    EXPECT_EQ(Frames(), (Effects{KeyUp(0)}));  // the stick and the buttons still count
    xpad.answers = true;
    EXPECT_EQ(Frames(), (Effects{KeyDown(0)}));
}

// Platform calls an object in error makes in one frame, counted by the world.
struct CallCount {
    int reads = 0;
    int capabilities = 0;
    int xinput = 0;
};

TEST_F(FrameCycle, InErrorOneJoystickReadAFrameExceptTheSearchFrames)
{
    PlugXInput(0);
    Bind(0);
    object->vid = 0x045E;  // ids known, so the other ids are searched
    object->pid = 0x028E;
    object->padIdsRead = 1;
    Frames();
    static CallCount calls;
    static const sim::ReadObserver kCounter{
        nullptr, [](void*, std::uint32_t, std::uint32_t, const platform::JoyReading&) { ++calls.reads; },
        [](void*, std::uint32_t, std::uint32_t, const platform::JoyIds&) { ++calls.capabilities; },
        [](void*, std::uint32_t, std::uint32_t, const platform::XInputTriggers&) { ++calls.xinput; }};
    host.world().readObserver = &kCounter;
    host.world().joysticks[0].present = false;
    std::vector<int> searches;
    for (int frame = 0; frame < 121; ++frame) {
        calls = CallCount{};
        Frames();
        if (calls.capabilities > 0) {
            searches.push_back(frame);
            EXPECT_EQ(calls.capabilities, 15) << frame;  // every other id
        }
        EXPECT_EQ(calls.reads, 1) << frame;
        EXPECT_EQ(calls.xinput, 0) << frame;
    }
    EXPECT_EQ(searches, (std::vector<int>{0, 60, 120}));
    host.world().readObserver = nullptr;
}

TEST_F(FrameCycle, NegativePadIdInErrorStaysInError)
{
    Plug(0);
    Bind(0);
    host.world().joysticks[0].present = false;
    Frames();
    ASSERT_EQ(object->padError, 1);
    object->padId = -1;
    host.world().joysticks[0].present = true;
    EXPECT_EQ(Frames(3), Effects{});
    EXPECT_EQ(object->padError, 1);
}

struct PressSeen {
    int pressedKeyA = 0;
    int raisedCodes[2] = {0, 0};
};

TEST_F(FrameCycle, TailRaisesCodesZeroAndTwoBetweenSnapshotAndCopy)
{
    PressSeen seen;
    host.onRaiseContext = &seen;
    host.onRaise = [](RunObject* o, std::int32_t code, void* context) {
        auto* s = static_cast<PressSeen*>(context);
        ++s->raisedCodes[code == 0 ? 0 : 1];
        if (code == 0 && (o->keyState['A'] & 0x80) != 0 && (o->prevKeyState['A'] & 0x80) == 0) {
            ++s->pressedKeyA;
        }
    };
    // No pad bound: the keyboard side still runs every frame.
    Frames();
    host.world().SetKey('A', true);
    Frames(3);
    host.world().SetKey('A', false);
    Frames();
    EXPECT_EQ(seen.pressedKeyA, 1);
    EXPECT_EQ(seen.raisedCodes[0], 5);
    EXPECT_EQ(seen.raisedCodes[1], 5);
    ASSERT_EQ(host.raisedCount(), 10u);
    EXPECT_EQ(host.raised()[0].code, 0);
    EXPECT_EQ(host.raised()[1].code, 2);
    EXPECT_EQ(std::memcmp(object->keyState, object->prevKeyState, kKeyCount), 0);
}

}  // namespace
}  // namespace zandrel
