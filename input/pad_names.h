// What a game may tell the player about a pad: its kind, and the label on the control
// that presses each pad bit.
#pragma once

#include <cstdint>

#include "input/pad_layouts.h"

namespace zandrel {

enum class PadType : std::int32_t {
    kNone = -1,        // no pad bound, or the pad in error
    kPlain = 0,        // a pad without a layout row
    kXInput = 1,       //
    kPlayStation = 2,  // vendor 0x054C with a row
    kOther = 3,        // another pad with a row
};

// `row` is the pad's layout row, null when the table has none for it.
constexpr PadType PadTypeOf(bool usable, bool xinput, const PadLayout* row)
{
    if (!usable) {
        return PadType::kNone;
    }
    if (xinput) {
        return PadType::kXInput;
    }
    if (row == nullptr) {
        return PadType::kPlain;
    }
    return row->vendor == kPlayStationVendor ? PadType::kPlayStation : PadType::kOther;
}

// Labels of bits 4..15, in bit order.
constexpr const char* kXInputButtonNames[kPadBitCount - 4] = {
    "A", "B", "X", "Y", "LB", "RB", "LT", "RT", "Back", "Start", "LS", "RS",
};
constexpr const char* kPlayStationButtonNames[kPadBitCount - 4] = {
    "Cross", "Circle", "Square", "Triangle", "L1", "R1", "L2", "R2", "Share", "Options", "L3", "R3",
};
constexpr const char* kDirectionNames[4] = {"Up", "Down", "Left", "Right"};

// The longest label, "Triangle" or "Button 32", with its terminator.
constexpr int kPadBitNameRoom = 10;

// The label of the control that presses `bit` of a pad of `type` with layout row
// `row`, decoded with the standard layout when `standardLayout` (which changes only a
// pad with a row that is not XInput). "" for a bit outside 0..15, a pad of type kNone,
// or a bit that no control presses.
void PadBitName(PadType type, const PadLayout* row, bool standardLayout, std::int32_t bit,
                char16_t out[kPadBitNameRoom]);

}  // namespace zandrel
