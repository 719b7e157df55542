// A joystick's display name, looked up by its vendor and product ids.
#pragma once

#include <cstdint>

#include "platform/joystick_key.h"

namespace zandrel {

constexpr std::int32_t kDeviceNameRoom = kNameValueBytes / 2;  // wide characters

// The registry name of the joystick with these ids, read into `value` (kDeviceNameRoom
// wide characters); null when the value is missing, not a string, or fills the buffer
// without a terminator.
const char16_t* ReadDeviceName(std::uint16_t vid, std::uint16_t pid, char16_t* value);

// Copies `text` with its terminator into `out` of `room` wide characters, shortened
// to fit; a surrogate pair the cut would split is left out whole.
void CopyCut(const char16_t* text, char16_t* out, std::int32_t room);

}  // namespace zandrel
