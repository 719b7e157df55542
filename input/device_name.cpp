#include "input/device_name.h"

#include "platform/platform.h"

namespace zandrel {

const char16_t* ReadDeviceName(std::uint16_t vid, std::uint16_t pid, char16_t* value)
{
    char16_t keyPath[kKeyPathRoom];
    FormatJoystickKeyPath(vid, pid, keyPath);
    std::uint32_t type = 0;
    std::uint32_t size = kNameValueBytes;
    if (platform::ReadJoystickName(keyPath, &type, reinterpret_cast<std::uint8_t*>(value), &size) != 0 ||
        type != kRegistryString) {
        return nullptr;
    }
    for (std::int32_t i = 0; i < kDeviceNameRoom; ++i) {
        if (value[i] == 0) {
            return value;
        }
    }
    return nullptr;
}

void CopyCut(const char16_t* text, char16_t* out, std::int32_t room)
{
    std::int32_t n = 0;
    while (n + 1 < room && text[n] != 0) {
        out[n] = text[n];
        ++n;
    }
    if (n > 0 && text[n] != 0 && out[n - 1] >= 0xD800 && out[n - 1] <= 0xDBFF) {
        --n;
    }
    out[n] = 0;
}

}  // namespace zandrel
