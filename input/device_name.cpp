#include "input/device_name.h"

#include "events/parameters.h"
#include "events/routines.h"
#include "input/platform.h"

namespace zandrel {

namespace {

constexpr char16_t kNoName[] = u"";

HostParam AsResult(const char16_t* text)
{
    return reinterpret_cast<HostParam>(text);
}

// The name in the value buffer, or null when the value is missing, not a string, or
// fills the buffer without a terminator.
const char16_t* NameOf(std::uint16_t vid, std::uint16_t pid, char16_t* value)
{
    char16_t keyPath[kKeyPathRoom];
    FormatJoystickKeyPath(vid, pid, keyPath);
    std::uint32_t type = 0;
    std::uint32_t size = kNameValueBytes;
    if (platform::ReadJoystickName(keyPath, &type, reinterpret_cast<std::uint8_t*>(value), &size) != 0 ||
        type != kRegistryString) {
        return nullptr;
    }
    for (std::uint32_t i = 0; i < kNameValueBytes / 2; ++i) {
        if (value[i] == 0) {
            return value;
        }
    }
    return nullptr;
}

// Copies `text` with its terminator into `out` of `room` wide characters, shortened
// to fit; a surrogate pair the cut would split is left out whole.
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

}  // namespace

HostParam ZANDREL_CALL getDeviceName(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return AsResult(kNoName);
    }
    const std::int32_t which = FirstExpressionParameter(*object, parameters);
    object->header.flags = static_cast<std::uint16_t>(object->header.flags | kStringResultFlag);
    if (!InRange(which, 2) || object->padError != 0 || object->vid == 0 || object->pid == 0) {
        return AsResult(kNoName);
    }
    char16_t value[kNameValueBytes / 2] = {};
    const char16_t* name = NameOf(object->vid, object->pid, value);
    if (name == nullptr) {
        name = kNoName;
    }
    HostServices* services = object->header.services;
    char16_t* buffer = services != nullptr && services->StringResultBuffer != nullptr
                           ? services->StringResultBuffer(object, 0, kStringResultRoom)
                           : nullptr;
    if (buffer == nullptr) {
        return 0;
    }
    CopyCut(name, buffer, kStringResultRoom);
    return AsResult(buffer);
}

}  // namespace zandrel
