// Standard layouts: which joystick button presses each pad bit of a pad that is not
// XInput, so bit 4 is the bottom face button on every pad. Rows come in the text
// format game-controller mapping databases share:
//
//   GUID,NAME,ITEM:VALUE,...,
//
// GUID is 32 hex digits holding the vendor id in bytes 4..5 and the product id in
// bytes 8..9, little-endian. Only the items of the 16 pad bits with a button value
// `bN` (joystick button N + 1) count; a row for another platform is skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "input/pad_state.h"

namespace zandrel {

// The row item of each pad bit, in bit order: the d-pad, then the XInput pad's order.
constexpr const char* kPadLayoutItems[kPadBitCount] = {
    "dpup",         "dpdown",        "dpleft",      "dpright",      "a",    "b",     "x",         "y",
    "leftshoulder", "rightshoulder", "lefttrigger", "righttrigger", "back", "start", "leftstick", "rightstick",
};

constexpr int kJoystickButtons = 32;

struct PadLayout {
    std::uint16_t vendor;
    std::uint16_t product;
    std::uint8_t buttons[kPadBitCount];  // joystick button 1..32 that presses each bit; 0 for none
    // The same turned around for the frame, which then looks only at pressed buttons:
    // the bits joystick button n + 1 presses.
    PadState bitsOfButton[kJoystickButtons];
};

// Fills bitsOfButton from buttons.
constexpr PadLayout WithBitsOfButtons(PadLayout row)
{
    for (PadState& bits : row.bitsOfButton) {
        bits = 0;
    }
    for (int bit = 0; bit < kPadBitCount; ++bit) {
        if (row.buttons[bit] != 0) {
            row.bitsOfButton[row.buttons[bit] - 1] |= static_cast<PadState>(1u << bit);
        }
    }
    return row;
}

constexpr std::uint16_t kPlayStationVendor = 0x054C;

// Square, Cross, Circle, Triangle, L1, R1, L2, R2, Share, Options, L3, R3 are the
// PlayStation pads' buttons 1..12; the d-pad is their hat.
constexpr PadLayout PlayStationLayout(std::uint16_t product)
{
    return WithBitsOfButtons(
        PadLayout{kPlayStationVendor, product, {0, 0, 0, 0, 2, 3, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {}});
}

constexpr int kBuiltInPadLayouts = 4;
constexpr PadLayout kBuiltInPadLayoutRows[kBuiltInPadLayouts] = {
    PlayStationLayout(0x05C4),  // DualShock 4
    PlayStationLayout(0x09CC),  // DualShock 4, second model
    PlayStationLayout(0x0CE6),  // DualSense
    PlayStationLayout(0x0DF2),  // DualSense Edge
};

// Rows loads may add beyond the built-in ones; a row replacing one takes no place.
// Shared mapping files run to about a thousand rows for this platform.
constexpr int kMostAddedPadLayouts = 2048;
// Longer lines are skipped (the line end not counted).
constexpr std::size_t kLongestPadLayoutLine = 1024;

// The one table every object shares, kept until the library is unloaded.
struct PadLayoutTable {
    std::int32_t count;
    std::int32_t added;
    std::uint32_t generation;  // moves on whenever rows may have changed
    PadLayout rows[kBuiltInPadLayouts + kMostAddedPadLayouts];
};

PadLayoutTable& ThePadLayoutTable();

// Back to the built-in rows alone, as at loading.
void ResetPadLayouts(PadLayoutTable& table);

// Position of the row for these ids, or -1.
std::int32_t FindPadLayout(const PadLayoutTable& table, std::uint16_t vendor, std::uint16_t product);

// Parses one line without its line end; false when it is not a row, a row for
// another platform, or one whose vendor and product are both 0 (older GUID forms keep
// the ids elsewhere, and such a row would apply to every pad that reports none).
// `otherwise`, when given, gets the bits whose items the row gives as something other
// than a button (an axis trigger, say) and no button.
bool ParsePadLayoutRow(const char* line, std::size_t length, PadLayout* row, PadState* otherwise = nullptr);

// Replaces the row of the same ids, or appends while fewer than kMostAddedPadLayouts
// were added; false when the row was skipped. A replaced row's buttons stay for the
// bits of `otherwise`: a row naming the triggers as axes keeps L2 and R2 pressing them.
bool AddPadLayout(PadLayoutTable& table, const PadLayout& row, PadState otherwise = 0);

// Adds every row of a text file (UTF-8, LF or CR LF line ends) and moves the
// generation on. Lines that are not rows, comments and blank lines are skipped.
void ReadPadLayouts(std::FILE* file, PadLayoutTable& table);

// Decodes a plain pad's read through a layout: bits 4..15 from the row's buttons, bits
// 0..3 from `stickAndHat` and the row's d-pad items (joystick buttons 13..16 press no
// direction unless the row maps them).
constexpr PadState ComposeWithLayout(PadState stickAndHat, std::uint32_t buttons, const PadLayout& layout)
{
    PadState state = stickAndHat;
    for (std::uint32_t rest = buttons; rest != 0; rest &= rest - 1) {
        state = static_cast<PadState>(state | layout.bitsOfButton[__builtin_ctz(rest)]);
    }
    return state;
}

// The pad bits of one fetch: through its layout row when it has one (a plain pad with
// the standard layout, no triggers seen), else in the pad's own order, plain or XInput.
// `seen`, when given, gets the triggers the XInput read gave.
inline PadState ComposeRead(const PadFetch& fetch, const PadTuning& tuning, SeenTriggers* seen)
{
    const PadState stickAndHat = StickAndHatBits(fetch.reading, tuning.centerX, tuning.centerY, tuning.deadZone);
    const std::uint32_t buttons = fetch.reading.buttons;
    const bool triggersSeen = fetch.xinputIndex >= 0 && fetch.xinputAnswered;
    if (seen != nullptr) {
        *seen = triggersSeen ? SeenTriggers{fetch.xinput.left, fetch.xinput.right} : SeenTriggers{-1, -1};
    }
    if (fetch.layout != nullptr) {
        return ComposeWithLayout(stickAndHat, buttons, *fetch.layout);
    }
    const auto directions = static_cast<PadState>(stickAndHat | DirectionButtonBits(buttons));
    if (fetch.xinputIndex < 0) {
        return ComposePlain(directions, buttons);
    }
    return ComposeXInput(directions, buttons, triggersSeen ? &fetch.xinput : nullptr, tuning.triggerThreshold);
}

}  // namespace zandrel
