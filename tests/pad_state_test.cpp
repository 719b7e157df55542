#include <gtest/gtest.h>

#include "input/pad_state.h"

namespace zandrel {
namespace {

platform::JoyReading At(std::uint32_t x, std::uint32_t y, std::uint32_t pov = 65535, std::uint32_t buttons = 0)
{
    return platform::JoyReading{x, y, buttons, pov, 32767, 32767, 32767, 32767};
}

struct AxisCase {
    std::uint32_t raw;
    std::int32_t center;
    PadState expectedX;  // bits from the X axis at this raw value
    PadState expectedY;  // bits from the Y axis at this raw value
};

class DeadZone : public ::testing::TestWithParam<AxisCase> {};

TEST_P(DeadZone, ThresholdsFollowTheCalibratedCentre)
{
    const AxisCase c = GetParam();
    EXPECT_EQ(DirectionBits(At(c.raw, 32767), c.center, 767), c.expectedX) << "raw X " << c.raw;
    EXPECT_EQ(DirectionBits(At(32767, c.raw), 767, c.center), c.expectedY) << "raw Y " << c.raw;
}

INSTANTIATE_TEST_SUITE_P(Uncalibrated, DeadZone,
                         ::testing::Values(AxisCase{32000 - 13106, 0, kPadLeft, kPadUp},
                                           AxisCase{32000 - 13105, 0, 0, 0},
                                           AxisCase{32000 + 13106, 0, kPadRight, kPadDown},
                                           AxisCase{32000 + 13105, 0, 0, 0}, AxisCase{0, 0, kPadLeft, kPadUp},
                                           AxisCase{65535, 0, kPadRight, kPadDown}, AxisCase{32000, 0, 0, 0}));

INSTANTIATE_TEST_SUITE_P(CalibratedAt32767, DeadZone,
                         ::testing::Values(AxisCase{32767 - 13106, 767, kPadLeft, kPadUp},
                                           AxisCase{32767 - 13105, 767, 0, 0},
                                           AxisCase{32767 + 13106, 767, kPadRight, kPadDown},
                                           AxisCase{32767 + 13105, 767, 0, 0},
                                           // The uncalibrated right/down threshold no longer triggers.
                                           AxisCase{32000 + 13106, 767, 0, 0}));

TEST(Hat, EveryOctantAndTheCentre)
{
    const struct {
        std::uint32_t pov;
        PadState expected;
    } cases[] = {
        {0, kPadUp},
        {4499, kPadUp},
        {4500, kPadUp | kPadRight},
        {9000, kPadRight},
        {13500, kPadDown | kPadRight},
        {18000, kPadDown},
        {22500, kPadDown | kPadLeft},
        {27000, kPadLeft},
        {31500, kPadUp | kPadLeft},
        {35999, kPadUp | kPadLeft},
        {36000, 0},  // octant 8: no direction
        {65535, 0},  // centred
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectionBits(At(32000, 32000, c.pov), 0, 0), c.expected) << "pov " << c.pov;
    }
}

TEST(Hat, OnlyAddsToTheStick)
{
    // Stick left, hat right: both stay.
    EXPECT_EQ(DirectionBits(At(0, 32000, 9000), 0, 0), kPadLeft | kPadRight);
}

TEST(ButtonsAsDirections, ThirteenToSixteen)
{
    const struct {
        std::uint32_t buttons;
        PadState expected;
    } cases[] = {
        {0x1000, kPadUp},
        {0x2000, kPadRight},
        {0x4000, kPadDown},
        {0x8000, kPadLeft},
        {0xA000, kPadLeft | kPadRight},  // opposites are not resolved
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectionBits(At(32000, 32000, 65535, c.buttons), 0, 0), c.expected) << std::hex << c.buttons;
    }
}

TEST(Compose, PlainJoystickShiftsButtonsAndCutsToSixteenBits)
{
    EXPECT_EQ(ComposePlain(0, 0x1), 0x10);      // button 1 -> bit 4
    EXPECT_EQ(ComposePlain(0, 0x800), 0x8000);  // button 12 -> bit 15
    EXPECT_EQ(ComposePlain(0, 0x1000), 0);      // button 13 only through the direction rule
    EXPECT_EQ(ComposePlain(DirectionBits(At(32000, 32000, 65535, 0x1000), 0, 0), 0x1000), kPadUp);
    EXPECT_EQ(ComposePlain(kPadDown, 0x41), 0x412);
}

TEST(Compose, XInputFoldsTriggersAndMovesUpperButtons)
{
    const struct {
        std::uint32_t buttons;
        std::uint8_t left;
        std::uint8_t right;
        PadState expected;
    } cases[] = {
        {0, 30, 0, 0},         {0, 31, 0, 0x400},    {0, 0, 30, 0},
        {0, 0, 31, 0x800},     {0, 255, 255, 0xC00}, {0x3F, 0, 0, 0x3F0},  // buttons 1..6 stay in bits 4..9
        {0x40, 0, 0, 0x1000},                                              // button 7 -> bit 12
        {0x200, 0, 0, 0x8000},                                             // button 10 -> bit 15
        {0xC00, 0, 0, 0},                                                  // buttons 11 and 12 drop out
    };
    for (const auto& c : cases) {
        const platform::XInputTriggers triggers{c.left, c.right, 0};
        EXPECT_EQ(ComposeXInput(0, c.buttons, &triggers), c.expected)
            << std::hex << "buttons " << c.buttons << " triggers " << int{c.left} << "/" << int{c.right};
    }
}

TEST(Compose, FailedXInputReadKeepsTheButtonsAndLosesOnlyTheTriggers)
{
    EXPECT_EQ(ComposeXInput(kPadLeft | kPadUp, 0xFFF, nullptr), kPadLeft | kPadUp | 0x3F0 | 0xF000);
}

// The extremes a loaded calibration or a wild driver can give: no overflow, values
// held to -1000..1000, and the stick's value non-zero exactly at its bit's edge.
TEST(AxisValues, EdgesAndExtremes)
{
    const std::int32_t narrow = DeadZoneOfPercent(1);
    const std::int32_t wide = DeadZoneOfPercent(99);
    const struct {
        std::int32_t centred;
        std::int32_t deadZone;
        std::int32_t expected;
    } sticks[] = {
        {kDeadZone - 1, kDeadZone, 0},
        {kDeadZone, kDeadZone, 1},
        {-kDeadZone, kDeadZone, -1},
        {kAxisFull, kDeadZone, 1000},
        {narrow, narrow, 1},
        {wide - 1, wide, 0},
        {kAxisFull, wide, 1000},
        {INT32_MAX, kDeadZone, 1000},
        {INT32_MIN, kDeadZone, -1000},
        {INT32_MIN, narrow, -1000},
        {-(kAxisFull - 1), kDeadZone, -999},
    };
    for (const auto& c : sticks) {
        EXPECT_EQ(StickAxisValue(c.centred, c.deadZone), c.expected) << c.centred << " dz " << c.deadZone;
        const PadState bits =
            DirectionBits(At(static_cast<std::uint32_t>(c.centred) + 32000u, 32000), 0, 0, c.deadZone);
        EXPECT_EQ((bits & (kPadLeft | kPadRight)) != 0, c.expected != 0) << c.centred << " dz " << c.deadZone;
    }
    const struct {
        std::uint32_t raw;
        std::int32_t expected;
    } plain[] = {{0, -1000}, {32767, 0}, {65535, 1000}, {0xFFFFFFFFu, 1000}, {100000, 1000}};
    for (const auto& c : plain) {
        EXPECT_EQ(PlainAxisValue(c.raw), c.expected) << c.raw;
    }
}

}  // namespace
}  // namespace zandrel
