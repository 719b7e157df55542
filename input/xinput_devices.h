// The module-wide list of XInput pads found in the device inventory. A pad's
// position in the list is taken as its XInput user index.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace zandrel {

constexpr int kMaxXInputDevices = 4;

// (product id << 16) | vendor id.
using XInputDeviceId = std::uint32_t;

inline XInputDeviceId MakeXInputDeviceId(std::uint16_t vendor, std::uint16_t product)
{
    return (static_cast<std::uint32_t>(product) << 16) | vendor;
}

struct XInputDeviceList {
    std::int32_t count;
    XInputDeviceId ids[kMaxXInputDevices];
};

XInputDeviceList& TheXInputDeviceList();

// First position 0..count-1 holding `id`, or -1.
std::int32_t FindXInputDevice(const XInputDeviceList& list, XInputDeviceId id);

// Parses a Plug-and-Play device id. False unless it names an XInput pad (contains
// "IG_"); then `id` gets the ids after the first "VID_" and "PID_" (at most four
// hex digits each, 0 where a marker or its digits are missing).
bool ParseXInputDeviceId(const char16_t* deviceId, XInputDeviceId* id);

// Adds one device id to the list when it is an XInput pad and the list has room.
void AddXInputDevice(XInputDeviceList& list, const char16_t* deviceId);

// Empties the list and refills it from the device inventory. Returns 0.
std::int32_t RescanXInputDevices();

namespace detail {
// The joystick each XInput index was confirmed for, -1 = none; asked every frame, so
// the lookup is inline.
inline std::int32_t xinputConfirmedFor[kMaxXInputDevices] = {-1, -1, -1, -1};
}  // namespace detail

// Which joystick each XInput index has been confirmed for: a press seen alike on both.
// The joystick id, or -1 (also for an index outside 0..3).
inline std::int32_t XInputConfirmedFor(std::uint32_t index)
{
    return index < kMaxXInputDevices ? detail::xinputConfirmedFor[index] : -1;
}

// Confirms `index` for `joystick`, which then holds no other index.
void ConfirmXInput(std::uint32_t index, std::int32_t joystick);

// Every confirmation held for `joystick` is lost.
void ForgetXInputConfirmations(std::int32_t joystick);

// The list empty and nothing confirmed, as at loading.
void ResetXInputDevices();

// True when `index` may be taken by `joystick`: not confirmed for another one.
inline bool XInputFreeFor(std::uint32_t index, std::int32_t joystick)
{
    const std::int32_t confirmed = XInputConfirmedFor(index);
    return confirmed < 0 || confirmed == joystick;
}

// The XInput reads of one fetch, each index read at most once. A read that fails
// loses the index its confirmation.
class XInputReads {
public:
    // True when index `index` (0..3) answers.
    bool Answers(std::uint32_t index) { return Read(index, nullptr); }
    // The answer of index `index`, read if it was not yet; false when it fails. Inline:
    // a frame asks its own index twice, and only the first asks the system.
    bool Read(std::uint32_t index, platform::XInputTriggers* state)
    {
        if (index >= kMaxXInputDevices) {
            return false;
        }
        const auto bit = static_cast<std::uint8_t>(1u << index);
        if ((read_ & bit) == 0) {
            ReadIndex(index);
        }
        if ((answered_ & bit) == 0) {
            return false;
        }
        if (state != nullptr) {
            *state = states_[index];
        }
        return true;
    }

private:
    void ReadIndex(std::uint32_t index)
    {
        const auto bit = static_cast<std::uint8_t>(1u << index);
        read_ = static_cast<std::uint8_t>(read_ | bit);
        if (platform::ReadXInputTriggers(index, &states_[index]) == 0) {
            answered_ = static_cast<std::uint8_t>(answered_ | bit);
        } else {
            detail::xinputConfirmedFor[index] = -1;
        }
    }

    std::uint8_t read_ = 0;  // one bit per index
    std::uint8_t answered_ = 0;
    platform::XInputTriggers states_[kMaxXInputDevices] = {};
};

// The XInput index for `joystick`, which the list gives position `position` (0..3):
// an index confirmed for it that answers (reading no other); else the position, when
// it answers and is not confirmed for another joystick; else the lowest such index;
// else the position. `answered`, when given, gets the indexes that answered (one bit
// each), and every index is read; otherwise only what the answer needs.
std::int32_t GuessXInputIndex(std::int32_t joystick, std::int32_t position, XInputReads& reads, std::uint8_t* answered);

}  // namespace zandrel
