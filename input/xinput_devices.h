// The module-wide list of XInput pads found in the device inventory. A pad's
// position in the list is taken as its XInput user index.
#pragma once

#include <cstdint>

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

}  // namespace zandrel
