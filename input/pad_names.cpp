#include "input/pad_names.h"

namespace zandrel {

namespace {

constexpr int kFirstButtonBit = 4;
constexpr std::uint16_t kDualSense = 0x0CE6;
constexpr std::uint16_t kDualSenseEdge = 0x0DF2;
constexpr int kBackItem = 12;

void Put(const char* text, char16_t* out)
{
    int i = 0;
    for (; text[i] != 0 && i < kPadBitNameRoom - 1; ++i) {
        out[i] = static_cast<char16_t>(text[i]);
    }
    out[i] = 0;
}

// The label of layout item `item` (a pad bit) on a pad with this row.
const char* ItemName(const PadLayout& row, int item)
{
    if (item < kFirstButtonBit) {
        return kDirectionNames[item];
    }
    if (row.vendor != kPlayStationVendor) {
        return kXInputButtonNames[item - kFirstButtonBit];
    }
    if (item == kBackItem && (row.product == kDualSense || row.product == kDualSenseEdge)) {
        return "Create";
    }
    return kPlayStationButtonNames[item - kFirstButtonBit];
}

void PutButtonNumber(std::uint32_t button, char16_t* out)
{
    Put("Button ", out);
    char16_t* at = out + 7;
    if (button >= 10) {
        *at++ = static_cast<char16_t>(u'0' + button / 10);
    }
    *at++ = static_cast<char16_t>(u'0' + button % 10);
    *at = 0;
}

}  // namespace

void PadBitName(PadType type, const PadLayout* row, bool standardLayout, std::int32_t bit,
                char16_t out[kPadBitNameRoom])
{
    out[0] = 0;
    if (type == PadType::kNone || bit < 0 || bit >= kPadBitCount) {
        return;
    }
    if (bit < kFirstButtonBit) {
        Put(kDirectionNames[bit], out);
        return;
    }
    if (type == PadType::kXInput) {
        Put(kXInputButtonNames[bit - kFirstButtonBit], out);
        return;
    }
    if (row == nullptr) {
        PutButtonNumber(static_cast<std::uint32_t>(bit - 3), out);
        return;
    }
    if (standardLayout) {
        if (row->buttons[bit] != 0) {
            Put(ItemName(*row, bit), out);
        }
        return;
    }
    // In the pad's own order bit 4 + n is joystick button 1 + n: the row tells what it is.
    const auto button = static_cast<std::uint32_t>(bit - 3);
    for (int item = 0; item < kPadBitCount; ++item) {
        if (row->buttons[item] == button) {
            Put(ItemName(*row, item), out);
            return;
        }
    }
    PutButtonNumber(button, out);
}

}  // namespace zandrel
