#include <climits>

#include "event_fixture.h"
#include "settings/settings_file.h"

namespace zandrel {
namespace {

enum Condition { kPressedKey, kRepeatPressedKey, kPressedButton, kRepeatPressedButton, kLoadFailed };

// Evaluates `code` with `parameter` whenever the frame cycle raises `code`, as the
// host does for a raised condition.
class Conditions : public testing::EventTest {
protected:
    void Watch(std::int32_t code, std::int32_t parameter)
    {
        watchedCode = code;
        watchedParameter = parameter;
        host.onRaiseContext = this;
        host.onRaise = [](RunObject* raisedFor, std::int32_t raised, void* context) {
            auto* self = static_cast<Conditions*>(context);
            if (raised == self->watchedCode) {
                self->fired.push_back(self->host.Test(raisedFor, raised, self->watchedParameter));
            }
        };
    }

    // One frame with `key` held or not; what the watched condition answered in it.
    int Frame(std::uint8_t key, bool down)
    {
        host.world().SetKey(key, down);
        fired.clear();
        HandleRunObject(object);
        return fired.size() == 1 ? fired[0] : -1;
    }

    std::int32_t watchedCode = -1;
    std::int32_t watchedParameter = 0;
    std::vector<int> fired;
};

TEST_F(Conditions, ParametersOutOfRangeAreFalse)
{
    for (int k = 0; k < kKeyCount; ++k) {
        object->keyState[k] = 0x80;
    }
    for (int slot = 0; slot < kPadBits; ++slot) {
        object->keyMap[slot] = 0x41;
    }
    const struct {
        Condition code;
        std::int32_t parameter;
        int expected;
    } cases[] = {
        {kPressedKey, 255, 1},         {kPressedKey, 256, 0},         {kPressedKey, -1, 0},
        {kPressedKey, INT_MIN, 0},     {kPressedKey, 0x141, 0},       {kRepeatPressedKey, 0, 1},
        {kRepeatPressedKey, 256, 0},   {kRepeatPressedKey, -256, 0},  {kPressedButton, 15, 1},
        {kPressedButton, 16, 0},       {kPressedButton, -1, 0},       {kRepeatPressedButton, 0, 1},
        {kRepeatPressedButton, -1, 0}, {kRepeatPressedButton, 16, 0}, {kRepeatPressedButton, INT_MAX, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(host.Test(object, c.code, c.parameter), c.expected) << c.code << " " << c.parameter;
        EXPECT_EQ(host.Test(nullptr, c.code, c.parameter), 0);
    }
}

TEST_F(Conditions, OnlyBit0x80CountsAsDown)
{
    object->keyState['A'] = 0x7F;
    object->prevKeyState['B'] = 0x7F;
    object->keyState['B'] = 0x81;
    EXPECT_EQ(host.Test(object, kRepeatPressedKey, 'A'), 0);
    EXPECT_EQ(host.Test(object, kPressedKey, 'B'), 1);
}

TEST_F(Conditions, PressIsTrueInTheFirstFrameOnlyRepeatWhileHeld)
{
    Watch(kPressedKey, 'A');
    std::vector<int> pressed;
    std::vector<int> repeated;
    for (const bool down : {false, true, true, true, false, true}) {
        pressed.push_back(Frame('A', down));
        repeated.push_back(host.Test(object, kRepeatPressedKey, 'A'));
        EXPECT_EQ(host.Test(object, kPressedKey, 'A'), 0);  // outside the raise
    }
    EXPECT_EQ(pressed, (std::vector<int>{0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(repeated, (std::vector<int>{0, 1, 1, 1, 0, 1}));
}

TEST_F(Conditions, PressedButtonFollowsTheKeyOfARemappedSlot)
{
    sim::Joystick& pad = Plug(0);
    object->player = 0;
    object->padId = 0;
    object->virtualMap[4] = 6;  // button 1 drives slot 6: space
    Watch(kPressedButton, 6);
    EXPECT_EQ(Frame(0, false), 0);
    pad.buttons = 0x1;
    EXPECT_EQ(Frame(0, false), 1);
    EXPECT_EQ(host.Test(object, kPressedButton, 4), 0);  // slot 4's key 'Z' is not down
    EXPECT_EQ(host.Test(object, kRepeatPressedButton, 6), 1);
    EXPECT_EQ(Frame(0, false), 0);
    EXPECT_EQ(host.Test(object, kRepeatPressedButton, 6), 1);
}

TEST_F(Conditions, PressedButtonIsTrueForARealKeyStrokeAndForEverySlotOfTheKey)
{
    object->keyMap[9] = 'Z';  // slots 4 and 9 share 'Z'
    Watch(kPressedButton, 4);
    EXPECT_EQ(Frame('Z', true), 1);
    EXPECT_EQ(Frame('Z', true), 0);
    EXPECT_EQ(host.Test(object, kRepeatPressedButton, 4), 1);
    EXPECT_EQ(host.Test(object, kRepeatPressedButton, 9), 1);
    object->prevKeyState['Z'] = 0;
    EXPECT_EQ(host.Test(object, kPressedButton, 9), 1);
}

TEST_F(Conditions, DisabledControlIsFalseWhileItsKeyIsDown)
{
    Watch(kPressedButton, 5);
    object->controlEnabled[5] = 0;
    EXPECT_EQ(Frame('X', true), 0);
    EXPECT_EQ(host.Test(object, kRepeatPressedButton, 5), 0);
    EXPECT_EQ(host.Test(object, kRepeatPressedKey, 'X'), 1);
    object->controlEnabled[5] = 2;  // any non-zero value enables
    EXPECT_EQ(host.Test(object, kRepeatPressedButton, 5), 1);
}

TEST_F(Conditions, LoadFailedIsTrueWheneverEvaluated)
{
    EXPECT_EQ(host.Test(object, kLoadFailed), 1);
    EXPECT_EQ(host.Test(nullptr, kLoadFailed, -5), 1);
    Frame('A', true);
    for (std::size_t i = 0; i < host.raisedCount(); ++i) {
        EXPECT_NE(host.raised()[i].code, kLoadFailed);  // frames never raise it
    }
}

TEST(ConditionTable, RoutinesInCodeOrderThenNull)
{
    EXPECT_EQ(kConditionRoutines[0], &PressedKey);
    EXPECT_EQ(kConditionRoutines[4], &LoadFailed);
    EXPECT_EQ(kConditionRoutines[kConditionCount], nullptr);
    EXPECT_EQ(kActionRoutines[0], &SetPlayerAndPadID);
    EXPECT_EQ(kActionRoutines[4], &SaveSetting);
    EXPECT_EQ(kActionRoutines[10], &EnableControl);
    EXPECT_EQ(kActionRoutines[kActionCount], nullptr);
    EXPECT_EQ(kExpressionRoutines[0], &getDeviceName);
    EXPECT_EQ(kExpressionRoutines[10], &getVirtualToReal);
    EXPECT_EQ(kExpressionRoutines[kExpressionCount], nullptr);
}

}  // namespace
}  // namespace zandrel
