#include <gtest/gtest.h>

#include "input/xinput_devices.h"
#include "platform/sim_world.h"
#include "test_host.h"

namespace zandrel {
namespace {

TEST(ParseDeviceId, Table)
{
    const struct {
        const char16_t* id;
        bool isXInput;
        XInputDeviceId expected;
    } cases[] = {
        {u"HID\\VID_045E&PID_028E&IG_00\\7&1", true, 0x028E045E},
        {u"HID\\VID_045e&PID_028e&IG_00", true, 0x028E045E},      // digits of either case
        {u"HID\\VID_12&PID_3&IG_00", true, 0x00030012},           // short runs: just those digits
        {u"HID\\VID_123456&PID_ABCDEF&IG_00", true, 0xABCD1234},  // long runs: first four
        {u"HID\\VID_045E&IG_00", true, 0x0000045E},               // no PID_: high half 0
        {u"HID\\PID_028E&IG_00", true, 0x028E0000},               // no VID_: low half 0
        {u"IG_", true, 0},
        {u"HID\\VID_&PID_xyz&IG_00", true, 0},                       // markers without digits
        {u"HID\\IG_00&PID_0001&VID_0002", true, 0x00010002},         // order in the string is free
        {u"HID\\VID_0001&PID_0002&PID_0003&IG_", true, 0x00020001},  // first marker wins
        {u"HID\\VID_045E&PID_028E&ig_00", false, 0},                 // marker is case-sensitive
        {u"HID\\VID_045E&PID_028E", false, 0},
        {u"", false, 0},
        {nullptr, false, 0},
    };
    for (const auto& c : cases) {
        XInputDeviceId id = 0xDEADBEEF;
        const bool isXInput = ParseXInputDeviceId(c.id, &id);
        const std::u16string text = c.id != nullptr ? c.id : u"(null)";
        EXPECT_EQ(isXInput, c.isXInput) << std::string(text.begin(), text.end());
        if (c.isXInput) {
            EXPECT_EQ(id, c.expected) << std::hex << std::string(text.begin(), text.end());
        }
    }
}

TEST(ParseDeviceId, ScanfStyleSignAndPrefix)
{
    XInputDeviceId id = 0;
    ASSERT_TRUE(ParseXInputDeviceId(u"VID_ 1F&PID_-1&IG_", &id));
    EXPECT_EQ(id, 0xFFFF001Fu);  // blanks skipped; a sign is part of the four characters
    ASSERT_TRUE(ParseXInputDeviceId(u"VID_0x1F2&IG_", &id));
    EXPECT_EQ(id, 0x1Fu);  // the 0x prefix counts toward the width
}

class DeviceList : public ::testing::Test {
protected:
    testing::TestHost host;
    XInputDeviceList& list = TheXInputDeviceList();
};

TEST_F(DeviceList, KeepsTheFirstFourXInputPadsInInventoryOrder)
{
    host.world().devices = {u"USB\\VID_0001&PID_0001",       u"HID\\VID_0001&PID_0011&IG_00",
                            u"HID\\VID_0002&PID_0012&IG_01", u"HID\\VID_0003&PID_0013&IG_02",
                            u"HID\\VID_0004&PID_0014&IG_03", u"HID\\VID_0005&PID_0015&IG_04"};
    RescanXInputDevices();
    ASSERT_EQ(list.count, 4);
    EXPECT_EQ(list.ids[0], 0x00110001u);
    EXPECT_EQ(list.ids[3], 0x00140004u);
    EXPECT_EQ(FindXInputDevice(list, 0x00150005u), -1);  // the fifth never enters
}

TEST_F(DeviceList, DuplicatesResolveToTheFirstPosition)
{
    host.world().devices = {u"HID\\VID_045E&PID_028E&IG_00", u"HID\\VID_045E&PID_028E&IG_01"};
    RescanXInputDevices();
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(FindXInputDevice(list, 0x028E045Eu), 0);
}

TEST_F(DeviceList, FailedConnectionEmptiesAListThatHeldEntries)
{
    host.world().devices = {u"HID\\VID_045E&PID_028E&IG_00"};
    RescanXInputDevices();
    ASSERT_EQ(list.count, 1);
    host.world().devicesFail = true;
    RescanXInputDevices();
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(host.world().LogSize(), 2u);  // both scans started
}

}  // namespace
}  // namespace zandrel
