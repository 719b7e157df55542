// Turning one joystick read (and, for an XInput pad, one XInput read) into the
// 16-bit PadState: bits 0..3 up, down, left, right; bits 4..15 buttons.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace zandrel {

using PadState = std::uint16_t;

// What presses each of the 16 pad bits, on a plain pad and on an XInput pad. The
// decoder takes its direction bits, direction buttons and trigger bits from these
// tables, and the pad picture (docs/pad.svg, drawn by tools/pad_picture.cpp) draws them.
enum class PadInput : std::uint8_t { kUp, kDown, kLeft, kRight, kButton, kLeftTrigger, kRightTrigger };

struct PadBitSource {
    PadInput input;
    std::uint8_t button;  // joystick button (1-based) that presses the bit; 0 for none
};

constexpr int kPadBitCount = 16;
using PadBitTable = PadBitSource[kPadBitCount];

// A direction is pressed by the stick, the hat or its joystick button.
constexpr PadBitTable kPlainPadBits = {
    {PadInput::kUp, 13},    {PadInput::kDown, 15},   {PadInput::kLeft, 16},   {PadInput::kRight, 14},
    {PadInput::kButton, 1}, {PadInput::kButton, 2},  {PadInput::kButton, 3},  {PadInput::kButton, 4},
    {PadInput::kButton, 5}, {PadInput::kButton, 6},  {PadInput::kButton, 7},  {PadInput::kButton, 8},
    {PadInput::kButton, 9}, {PadInput::kButton, 10}, {PadInput::kButton, 11}, {PadInput::kButton, 12},
};

// Bits 10 and 11 go to the triggers, which the joystick service does not report as
// buttons; the buttons from 7 up move two bits higher.
constexpr PadBitTable kXInputPadBits = {
    {PadInput::kUp, 13},    {PadInput::kDown, 15},  {PadInput::kLeft, 16},       {PadInput::kRight, 14},
    {PadInput::kButton, 1}, {PadInput::kButton, 2}, {PadInput::kButton, 3},      {PadInput::kButton, 4},
    {PadInput::kButton, 5}, {PadInput::kButton, 6}, {PadInput::kLeftTrigger, 0}, {PadInput::kRightTrigger, 0},
    {PadInput::kButton, 7}, {PadInput::kButton, 8}, {PadInput::kButton, 9},      {PadInput::kButton, 10},
};

// The bit `input` presses in `table` (the first, for a button).
constexpr PadState BitOf(const PadBitTable& table, PadInput input)
{
    for (int bit = 0; bit < kPadBitCount; ++bit) {
        if (table[bit].input == input) {
            return static_cast<PadState>(1u << bit);
        }
    }
    return 0;
}

// The joystick button that presses direction `input` (the same on both kinds of pad).
constexpr std::uint32_t DirectionButton(PadInput input)
{
    for (const PadBitSource& source : kPlainPadBits) {
        if (source.input == input) {
            return 1u << (source.button - 1);
        }
    }
    return 0;
}

constexpr PadState kPadUp = BitOf(kPlainPadBits, PadInput::kUp);
constexpr PadState kPadDown = BitOf(kPlainPadBits, PadInput::kDown);
constexpr PadState kPadLeft = BitOf(kPlainPadBits, PadInput::kLeft);
constexpr PadState kPadRight = BitOf(kPlainPadBits, PadInput::kRight);
static_assert(kPadUp == 0x1 && kPadDown == 0x2 && kPadLeft == 0x4 && kPadRight == 0x8, "direction bits");

constexpr std::uint32_t kXInputLeftTrigger = BitOf(kXInputPadBits, PadInput::kLeftTrigger);
constexpr std::uint32_t kXInputRightTrigger = BitOf(kXInputPadBits, PadInput::kRightTrigger);
// Button bits below the triggers stay; the rest move above the two trigger bits.
constexpr std::uint32_t kXInputKeptBits = kXInputLeftTrigger - 1;
static_assert(kXInputRightTrigger == kXInputLeftTrigger << 1, "the trigger bits are neighbours");

constexpr std::int32_t kAxisCentre = 32000;
constexpr std::int32_t kAxisFull = 32767;
constexpr std::uint32_t kHatStep = 4500;

// The stick's dead zone in percent of a half axis, and in axis units.
constexpr std::int32_t kLowestDeadZonePercent = 1;
constexpr std::int32_t kHighestDeadZonePercent = 99;
constexpr std::int32_t kDeadZonePercent = 40;
constexpr std::int32_t DeadZoneOfPercent(std::int32_t percent)
{
    return percent * kAxisFull / 100;
}
constexpr std::int32_t kDeadZone = DeadZoneOfPercent(kDeadZonePercent);
static_assert(kDeadZone == 13106, "default dead zone");

// An XInput trigger counts as pressed above its threshold.
constexpr std::int32_t kHighestTriggerThreshold = 254;
constexpr std::int32_t kTriggerThreshold = 30;

// Bits 0..3 from joystick buttons 13..16.
constexpr PadState DirectionButtonBits(std::uint32_t buttons)
{
    constexpr std::uint32_t kUpButton = DirectionButton(PadInput::kUp);
    constexpr std::uint32_t kDownButton = DirectionButton(PadInput::kDown);
    constexpr std::uint32_t kLeftButton = DirectionButton(PadInput::kLeft);
    constexpr std::uint32_t kRightButton = DirectionButton(PadInput::kRight);
    return static_cast<PadState>(
        ((buttons & kUpButton) != 0 ? kPadUp : 0) | ((buttons & kDownButton) != 0 ? kPadDown : 0) |
        ((buttons & kLeftButton) != 0 ? kPadLeft : 0) | ((buttons & kRightButton) != 0 ? kPadRight : 0));
}

// A stick axis as the direction bits see it: raw - calibration offset - 32000,
// in wrapping 32-bit arithmetic (a loaded offset may be anything).
inline std::int32_t CentredAxis(std::uint32_t raw, std::int32_t offset)
{
    return static_cast<std::int32_t>(raw - static_cast<std::uint32_t>(offset) -
                                     static_cast<std::uint32_t>(kAxisCentre));
}

// Hat octant 0..7 (0 = straight up, clockwise): directions it adds.
constexpr PadState kHatDirections[8] = {
    kPadUp,   kPadUp | kPadRight,  kPadRight, kPadDown | kPadRight,
    kPadDown, kPadDown | kPadLeft, kPadLeft,  kPadUp | kPadLeft,
};

// Bits 0..3 from the stick (around the object's calibrated centre) and the hat.
// Inline: every frame decodes one.
inline PadState StickAndHatBits(const platform::JoyReading& reading, std::int32_t centerX, std::int32_t centerY,
                                std::int32_t deadZone = kDeadZone)
{
    const std::int32_t dx = CentredAxis(reading.xpos, centerX);
    const std::int32_t dy = CentredAxis(reading.ypos, centerY);
    PadState bits = 0;
    if (dx <= -deadZone) {
        bits |= kPadLeft;
    }
    if (dx >= deadZone) {
        bits |= kPadRight;
    }
    if (dy <= -deadZone) {
        bits |= kPadUp;
    }
    if (dy >= deadZone) {
        bits |= kPadDown;
    }
    const std::uint32_t octant = reading.pov / kHatStep;
    if (octant < 8) {
        bits |= kHatDirections[octant];
    }
    return bits;
}

// Bits 0..3 from the stick, the hat and joystick buttons 13..16.
inline PadState DirectionBits(const platform::JoyReading& reading, std::int32_t centerX, std::int32_t centerY,
                              std::int32_t deadZone = kDeadZone)
{
    return static_cast<PadState>(StickAndHatBits(reading, centerX, centerY, deadZone) |
                                 DirectionButtonBits(reading.buttons));
}

// -1000..1000 for a centred stick value: 0 inside the dead zone, so non-zero exactly
// when the value alone sets its direction bit, then rising from 1 to 1000 at full tilt.
std::int32_t StickAxisValue(std::int32_t centred, std::int32_t deadZone);

// -1000..1000 for a raw axis of 0..65535 around 32767 (no dead zone).
std::int32_t PlainAxisValue(std::uint32_t raw);

// Joystick buttons 1..12 into bits 4..15, cut to 16 bits.
constexpr PadState ComposePlain(PadState directions, std::uint32_t buttons)
{
    return static_cast<PadState>(directions | (buttons << 4));
}

// An XInput pad's button word: joystick buttons 7 and up move two bits higher to make
// room for the triggers in bits 10 and 11. 32-bit, uncut.
constexpr std::uint32_t FoldXInput(std::uint32_t shifted, const platform::XInputTriggers& triggers,
                                   std::int32_t triggerThreshold = kTriggerThreshold)
{
    std::uint32_t folded = (shifted & kXInputKeptBits) | ((shifted & ~kXInputKeptBits) << 2);
    if (triggers.left > triggerThreshold) {
        folded |= kXInputLeftTrigger;
    }
    if (triggers.right > triggerThreshold) {
        folded |= kXInputRightTrigger;
    }
    return folded;
}

// XInput pad: `triggers` null when XInputGetState failed, which keeps the buttons
// of the joystick read and loses only the trigger bits.
constexpr PadState ComposeXInput(PadState directions, std::uint32_t buttons, const platform::XInputTriggers* triggers,
                                 std::int32_t triggerThreshold = kTriggerThreshold)
{
    constexpr platform::XInputTriggers kNoTriggers{0, 0, 0};
    return static_cast<PadState>(
        FoldXInput(directions | (buttons << 4), triggers != nullptr ? *triggers : kNoTriggers, triggerThreshold));
}

// Each of the 32 joystick buttons, composed alone, presses exactly the bit its table
// names, or none when the table names none for it.
constexpr bool ButtonsLandAsTabled(const PadBitTable& table, bool xinput)
{
    constexpr platform::XInputTriggers released{0, 0, 0};
    for (std::uint32_t button = 1; button <= 32; ++button) {
        const std::uint32_t mask = 1u << (button - 1);
        const PadState state = xinput ? ComposeXInput(0, mask, &released) : ComposePlain(0, mask);
        PadState tabled = 0;
        for (int bit = 0; bit < kPadBitCount; ++bit) {
            if (table[bit].input == PadInput::kButton && table[bit].button == button) {
                tabled = static_cast<PadState>(tabled | (1u << bit));
            }
        }
        if (state != tabled) {
            return false;
        }
    }
    return true;
}
static_assert(ButtonsLandAsTabled(kPlainPadBits, false), "plain pad table");

constexpr bool DirectionsAlike()
{
    for (int bit = 0; bit < 4; ++bit) {
        if (kPlainPadBits[bit].input != kXInputPadBits[bit].input ||
            kPlainPadBits[bit].button != kXInputPadBits[bit].button) {
            return false;
        }
    }
    return true;
}
static_assert(DirectionsAlike(), "both kinds of pad take their directions alike");
static_assert(ButtonsLandAsTabled(kXInputPadBits, true), "XInput pad table");

// wMid/wPid of the joystick an object is bound to; false when they cannot be read.
// A negative id names no joystick: the system answers id -1 with its registry key
// alone, whether a device is present or not.
bool ReadBoundPadIds(std::int32_t padId, platform::JoyIds* ids);

// The trigger values one composition read, each -1 when no XInput read answered.
struct SeenTriggers {
    std::int16_t left;
    std::int16_t right;
};

// An XInput pad's button word bit of each of joystick buttons 1..10, the order in
// which the joystick service shows an XInput pad's buttons: A, B, X, Y, LB, RB, Back,
// Start, LS, RS.
constexpr int kXInputFaceButtonCount = 10;
constexpr std::uint16_t kXInputWordOfButton[kXInputFaceButtonCount] = {
    0x1000, 0x2000, 0x4000, 0x8000, 0x0100, 0x0200, 0x0020, 0x0010, 0x0040, 0x0080,
};
constexpr std::uint32_t kXInputFaceButtons = (1u << kXInputFaceButtonCount) - 1;

// The button word an XInput pad shows for these joystick buttons (1..10 only): the
// table's moves done at once, since a frame with a press asks for it.
constexpr std::uint16_t XInputWordOfButtons(std::uint32_t buttons)
{
    return static_cast<std::uint16_t>(((buttons & 0x00Fu) << 12) | ((buttons & 0x030u) << 4) |
                                      ((buttons & 0x040u) >> 1) | ((buttons & 0x080u) >> 3) |
                                      ((buttons & 0x300u) >> 2));
}

// Each face button alone lands where the table says.
constexpr bool WordMatchesTable()
{
    for (int b = 0; b < kXInputFaceButtonCount; ++b) {
        if (XInputWordOfButtons(1u << b) != kXInputWordOfButton[b]) {
            return false;
        }
    }
    return XInputWordOfButtons(~kXInputFaceButtons) == 0;
}
static_assert(WordMatchesTable(), "XInput button word of the face buttons");
constexpr std::uint16_t kXInputFaceWord = XInputWordOfButtons(kXInputFaceButtons);

struct PadLayout;

// Everything one read of a pad fetched; decoding is plain functions over it.
struct PadFetch {
    platform::JoyReading reading;
    std::int32_t xinputIndex;  // the XInput index read; below 0 for a pad decoded as plain
    bool xinputAnswered;
    platform::XInputTriggers xinput;  // valid when xinputAnswered
    const PadLayout* layout;          // a plain pad with the standard layout: its row, else null
};

// What one object decodes its pad with.
struct PadTuning {
    std::int32_t centerX;
    std::int32_t centerY;
    std::int32_t deadZone;
    std::int32_t triggerThreshold;
    bool standardLayout;  // a plain pad with a layout row decodes through it
};

// getAnyPadID's buttons of one fetch: 32-bit, uncut, no directions; an XInput pad's
// folded with its triggers (none when its XInput read failed).
inline std::uint32_t AnyPadButtons(const PadFetch& fetch, std::int32_t triggerThreshold)
{
    const std::uint32_t shifted = fetch.reading.buttons << 4;
    if (fetch.xinputIndex < 0) {
        return shifted;
    }
    constexpr platform::XInputTriggers kNoTriggers{0, 0, 0};
    return FoldXInput(shifted, fetch.xinputAnswered ? fetch.xinput : kNoTriggers, triggerThreshold);
}

// XInputDeviceList lookup of a joystick by its ids.
struct XInputLookup {
    bool idsRead;           // joyGetDevCapsW succeeded
    platform::JoyIds ids;   // valid when idsRead
    std::int32_t position;  // 0..3, or -1 when no entry matches (or ids not read)
};

// Only queries the joystick while the list holds entries; with an empty list the
// answer is "ids not read".
XInputLookup LookUpXInput(std::uint32_t joystickId);

// A joystick read that failed: the joystick loses every XInput confirmation held for it.
void JoystickReadFailed(std::uint32_t id, PadFetch* fetch);

// Joystick read of `id` into `fetch` (nothing XInput yet, no row); false when it
// fails. Inline: every frame fetches once.
inline bool FetchJoystick(std::uint32_t id, PadFetch* fetch)
{
    fetch->xinputIndex = -1;
    fetch->xinputAnswered = false;
    fetch->layout = nullptr;
    if (platform::ReadJoystick(id, &fetch->reading) != 0) {
        JoystickReadFailed(id, fetch);
        return false;
    }
    return true;
}

// For an expression: the XInput index of a joystick that is not the object's own,
// guessed afresh as a frame guesses (confirming nothing), its XInput read, and with the
// standard layout a plain pad's row.
void PlaceOtherPad(std::uint32_t id, bool standardLayout, PadFetch* fetch);

}  // namespace zandrel
