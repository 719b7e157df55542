// Where the registry keeps a joystick's display name: value "OEMName" of the current
// user's key named after the device's vendor and product ids.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zandrel {

constexpr std::size_t kKeyPathRoom = 260;       // wide characters
constexpr std::uint32_t kNameValueBytes = 260;  // 130 wide characters, terminator included
constexpr std::uint32_t kRegistryString = 1;    // REG_SZ

constexpr char16_t kJoystickKeyPrefix[] =
    u"System\\CurrentControlSet\\Control\\MediaProperties\\PrivateProperties\\Joystick\\OEM\\";

// "...\\OEM\\VID_%04x&PID_%04x": four lower-case hex digits each. `out` holds at least
// kKeyPathRoom wide characters.
inline void FormatJoystickKeyPath(std::uint16_t vid, std::uint16_t pid, char16_t* out)
{
    constexpr char16_t kHex[] = u"0123456789abcdef";
    std::size_t n = 0;
    for (const char16_t* p = kJoystickKeyPrefix; *p != 0; ++p) {
        out[n++] = *p;
    }
    const auto putId = [&](const char16_t* label, std::uint16_t id) {
        for (const char16_t* p = label; *p != 0; ++p) {
            out[n++] = *p;
        }
        for (int shift = 12; shift >= 0; shift -= 4) {
            out[n++] = kHex[(id >> shift) & 0xF];
        }
    };
    putId(u"VID_", vid);
    putId(u"&PID_", pid);
    out[n] = 0;
}

static_assert(sizeof kJoystickKeyPrefix / sizeof(char16_t) + 17 <= kKeyPathRoom, "key path fits its buffer");

}  // namespace zandrel
