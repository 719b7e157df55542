#include <climits>

#include "event_fixture.h"
#include "platform/joystick_key.h"

namespace zandrel {
namespace {

enum Expression {
    kGetDeviceName,
    kGetAnyPadID,
    kGetInputKeyCode,
    kGetInputPadButtonNumber,
    kGetVantorSetting,
    kGetCFControlKey,
    kIsXInput,
    kGetPadID,
    kIsError,
    kGetVirtualButtonSetting,
    kGetVirtualToReal,
};

using Expressions = testing::EventTest;

TEST_F(Expressions, FreshObject)
{
    EXPECT_EQ(host.Evaluate(object, kIsXInput), 0);
    EXPECT_EQ(host.Evaluate(object, kGetPadID), -1);
    EXPECT_EQ(host.Evaluate(object, kIsError), 0);
    for (int i = 0; i < kPadBits; ++i) {
        EXPECT_EQ(host.Evaluate(object, kGetVirtualButtonSetting, {i}), i);
        EXPECT_EQ(host.Evaluate(object, kGetVirtualToReal, {i}), i);
        EXPECT_EQ(host.Evaluate(object, kGetVantorSetting, {i}), i < 8 ? testing::kPlayerOneKeys[i] : 0);
    }
    object->xinputIndex = -2;
    EXPECT_EQ(host.Evaluate(object, kIsXInput), 0);
    object->xinputIndex = 0;
    EXPECT_EQ(host.Evaluate(object, kIsXInput), 1);
}

TEST_F(Expressions, IndexParametersOutOfRangeGiveMinusOne)
{
    object->keyMap[15] = 0xFE;
    host.controlKeys[3][7] = 0xFFFF;
    const struct {
        Expression code;
        std::int32_t first, second;
        HostParam expected;
    } cases[] = {
        {kGetVantorSetting, 15, 0, 0xFE},      {kGetVantorSetting, 16, 0, -1},
        {kGetVantorSetting, -1, 0, -1},        {kGetVantorSetting, INT_MIN, 0, -1},
        {kGetCFControlKey, 3, 7, 0xFFFF},      {kGetCFControlKey, 0, 8, -1},
        {kGetCFControlKey, 4, 0, -1},          {kGetCFControlKey, -1, 0, -1},
        {kGetCFControlKey, 0, -1, -1},         {kGetVirtualButtonSetting, 16, 0, -1},
        {kGetVirtualButtonSetting, -1, 0, -1}, {kGetVirtualToReal, -1, 0, -1},
        {kGetVirtualToReal, 16, 0, -1},        {kGetInputPadButtonNumber, 4, 0, -1},
        {kGetInputPadButtonNumber, -1, 0, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(host.Evaluate(object, c.code, {c.first, c.second}), c.expected) << c.code << " " << c.first;
        const int declared = c.code == kGetCFControlKey ? 2 : 1;
        EXPECT_EQ(host.expressionParametersFetched, declared);
        EXPECT_EQ(host.firstExpressionFetches, 1);
        EXPECT_EQ(host.nextExpressionFetches, declared - 1);
        EXPECT_EQ(host.lastExpressionHandle, testing::TestHost::kParameterHandle);
    }
    object->header.controlKeys = nullptr;
    EXPECT_EQ(host.Evaluate(object, kGetCFControlKey, {0, 0}), -1);
}

TEST_F(Expressions, VirtualMapReadsAsBytesAndReverseLookupTakesTheHighestBit)
{
    object->virtualMap[5] = -1;
    EXPECT_EQ(host.Evaluate(object, kGetVirtualButtonSetting, {5}), 255);
    EXPECT_EQ(host.Evaluate(object, kGetVirtualToReal, {5}), -1);
    object->virtualMap[2] = 4;
    object->virtualMap[7] = 4;
    object->virtualMap[4] = 0;
    EXPECT_EQ(host.Evaluate(object, kGetVirtualToReal, {4}), 7);
    EXPECT_EQ(host.Evaluate(object, kGetVirtualToReal, {0}), 4);
    EXPECT_EQ(host.Evaluate(object, kGetVirtualToReal, {-1}), -1);  // off bits never match
}

TEST_F(Expressions, InputKeyCodeReportsTheLowestListedKey)
{
    const struct {
        std::vector<std::uint8_t> down;
        HostParam expected;
    } cases[] = {
        {{}, -1},
        {{'A', 0xA0}, 0x10},       // left Shift marks the generic Shift code too
        {{0xA1}, 0x10},            // so does right Shift
        {{0xA3}, 0x11},            // right Ctrl
        {{'A', 0x0D}, 0x0D},       // lowest code wins
        {{0x01, 0x02, 0x04}, -1},  // mouse buttons are not listed
        {{0x6C, 0x5B, 0xFF}, -1},  // separator, Windows key, 0xFF
        {{0xE2, 0xDE}, 0xDE},
        {{0x5A}, 0x5A},
    };
    for (const auto& c : cases) {
        host.world().Reset();
        for (const std::uint8_t key : c.down) {
            host.world().SetKey(key, true);
        }
        EXPECT_EQ(host.Evaluate(object, kGetInputKeyCode), c.expected);
    }
    host.world().SetKey('A', true);
    object->keyState['B'] = 0x80;  // the object's snapshot is not used
    host.world().keyboardFails = true;
    EXPECT_EQ(host.Evaluate(object, kGetInputKeyCode), -1);
}

TEST_F(Expressions, PadButtonNumberOnPlainAndXInputPads)
{
    sim::Joystick& pad = Plug(1);
    const auto number = [&] { return host.Evaluate(object, kGetInputPadButtonNumber, {1}); };
    EXPECT_EQ(number(), -1);
    pad.x = 0;
    pad.buttons = 0x1;
    EXPECT_EQ(number(), 2);  // left, not button 1
    pad.x = 32767;
    EXPECT_EQ(number(), 4);
    pad.buttons = 0x1000;  // button 13 doubles as up
    EXPECT_EQ(number(), 0);
    pad.buttons = 0x800;  // button 12 is bit 15 on a plain pad
    EXPECT_EQ(number(), 15);

    // The object's centre applies to any joystick it asks about.
    object->centerX = -20000;
    pad.buttons = 0;
    EXPECT_EQ(number(), 3);
    object->centerX = 0;

    PlugXInput(1);
    host.world().xinput[0].leftTrigger = 31;
    EXPECT_EQ(number(), 10);
    host.world().joysticks[1].buttons = 0x40;  // button 7 moves to bit 12
    host.world().xinput[0].leftTrigger = 30;
    EXPECT_EQ(number(), 12);
    host.world().joysticks[1].capsFail = true;  // ids unreadable: a plain pad, button 7 in bit 10
    EXPECT_EQ(number(), 10);
    host.world().joysticks[1].capsFail = false;
    host.world().xinput[0].answers = false;  // the buttons stay, the triggers go
    EXPECT_EQ(number(), 12);
    host.world().joysticks[1].pov = 0;
    EXPECT_EQ(number(), 0);
    EXPECT_EQ(object->xinputIndex, -1);  // nothing cached in the object
    EXPECT_EQ(object->vid, 0);

    object->padError = 1;
    EXPECT_EQ(number(), -1);
    EXPECT_EQ(host.expressionParametersFetched, 1);
    object->padError = 0;
    host.world().joysticks[1].present = false;
    EXPECT_EQ(number(), -1);
    EXPECT_EQ(object->padError, 0);
}

TEST_F(Expressions, AnyPadIDCountsButtonsNotDirections)
{
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), -1);
    Plug(0, 1, 1).x = 0;  // only tilted
    Plug(1, 1, 2).buttons = 0x2;
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), 1);
    host.world().joysticks[1].buttons = 0x8000;  // button 16, a direction in the pad state
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), 1);
    host.world().joysticks[1].buttons = 0x08000000;  // button 28: uncut 32 bits
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), 1);
    host.world().joysticks[1].buttons = 0x10000000;  // button 29 shifts out
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), -1);

    object->padError = 1;  // does not block it
    PlugXInput(2);
    host.world().xinput[0].rightTrigger = 31;
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), 2);
    host.world().xinput[0].rightTrigger = 0;
    host.world().joysticks[2].buttons = 0x02000000;  // button 26 folds to bit 31
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), 2);
    host.world().xinput[0].answers = false;  // a failing XInput read keeps the buttons
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), 2);
    host.world().joysticks[2].buttons = 0;
    host.world().xinput[0].answers = true;
    host.world().xinput[0].rightTrigger = 31;
    host.world().xinput[0].answers = false;  // and loses the triggers
    EXPECT_EQ(host.Evaluate(object, kGetAnyPadID), -1);
}

TEST_F(Expressions, NullObject)
{
    for (const int code : {kGetInputPadButtonNumber, kGetVantorSetting, kGetCFControlKey, kGetPadID,
                           kGetVirtualButtonSetting, kGetVirtualToReal}) {
        EXPECT_EQ(host.Evaluate(nullptr, code, {0, 0}), -1) << code;
    }
    EXPECT_EQ(host.Evaluate(nullptr, kIsXInput), 0);
    EXPECT_EQ(host.Evaluate(nullptr, kIsError), 0);
}

// The device name: the string result of expression 0.
class DeviceName : public testing::EventTest {
protected:
    DeviceName()
    {
        object->vid = 0x045E;
        object->pid = 0x028E;
        host.world().SetJoystickName(0x045E, 0x028E, u"Game Pad");
        std::fill(std::begin(host.stringResult), std::end(host.stringResult), u'#');
    }

    std::u16string Name(std::int32_t which = 0)
    {
        object->header.flags = 0x0001;
        const HostParam result = host.Evaluate(object, kGetDeviceName, {which});
        EXPECT_EQ(object->header.flags, 0x8001);
        EXPECT_EQ(host.expressionParametersFetched, 1);
        const auto* text = reinterpret_cast<const char16_t*>(result);
        return text != nullptr ? std::u16string(text) : u"(null)";
    }

    bool GuardIntact() const
    {
        for (std::size_t i = kStringResultRoom; i < std::size(host.stringResult); ++i) {
            if (host.stringResult[i] != u'#') {
                return false;
            }
        }
        return true;
    }
};

TEST_F(DeviceName, KeyPathUsesFourLowerCaseHexDigits)
{
    char16_t path[kKeyPathRoom];
    FormatJoystickKeyPath(0x0A1B, 0x00FF, path);
    EXPECT_EQ(std::u16string(path),
              u"System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\"
              u"VID_0a1b&PID_00ff");
}

TEST_F(DeviceName, OnlyParameters0To2NameTheBoundPad)
{
    const struct {
        std::int32_t which;
        std::u16string name;
    } cases[] = {{0, u"Game Pad"}, {1, u"Game Pad"}, {2, u"Game Pad"}, {3, u""}, {-1, u""}, {INT_MIN, u""}};
    for (const auto& c : cases) {
        EXPECT_EQ(Name(c.which), c.name) << c.which;
    }
}

TEST_F(DeviceName, EmptyWithoutIdsOrInErrorOrWithoutAUsableValue)
{
    object->padError = 1;
    EXPECT_EQ(Name(), u"");
    object->padError = 0;
    object->vid = 0;
    EXPECT_EQ(Name(), u"");
    object->vid = 0x045E;
    object->pid = 0;
    EXPECT_EQ(Name(), u"");
    object->pid = 0x028F;  // no such key
    EXPECT_EQ(Name(), u"");
    object->pid = 0x028E;

    char16_t path[kKeyPathRoom];
    FormatJoystickKeyPath(0x045E, 0x028E, path);
    sim::RegistryValue& value = host.world().joystickNames[path];
    value.type = 4;  // a number, not a string
    EXPECT_EQ(Name(), u"");
    value.type = kRegistryString;
    value.data.assign(kNameValueBytes, 'a');  // fills the buffer, no terminator
    EXPECT_EQ(Name(), u"");
    value.data.assign(kNameValueBytes + 2, 0);  // too big for the buffer
    EXPECT_EQ(Name(), u"");
    value.data = {'O', 0, 'K', 0};  // short, unterminated: the zeroed buffer ends it
    EXPECT_EQ(Name(), u"OK");
    EXPECT_TRUE(GuardIntact());
}

TEST_F(DeviceName, LongNamesAreCutToTheResultRoom)
{
    const std::u16string longName(129, u'n');  // the most the value buffer holds
    host.world().SetJoystickName(0x045E, 0x028E, longName);
    EXPECT_EQ(Name(), longName.substr(0, kStringResultRoom - 1));
    EXPECT_TRUE(GuardIntact());

    // A pair the cut would split is left out whole.
    const std::u16string paired = std::u16string(kStringResultRoom - 2, u'x') + u"\U0001F3AE" + u"tail";
    host.world().SetJoystickName(0x045E, 0x028E, paired);
    EXPECT_EQ(Name(), paired.substr(0, kStringResultRoom - 2));
    EXPECT_TRUE(GuardIntact());
}

TEST_F(DeviceName, NullBufferGivesANullResultAndNullObjectTheEmptyString)
{
    host.stringResultNull = true;
    EXPECT_EQ(Name(), u"(null)");
    const auto* empty = reinterpret_cast<const char16_t*>(host.Evaluate(nullptr, kGetDeviceName, {0}));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], 0);
}

}  // namespace
}  // namespace zandrel
