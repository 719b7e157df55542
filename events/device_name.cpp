// getDeviceName: the bound joystick's registry name as a string result.
#include "events/parameters.h"
#include "events/routines.h"
#include "input/device_name.h"

namespace zandrel {

namespace {

constexpr char16_t kNoName[] = u"";

HostParam AsResult(const char16_t* text)
{
    return reinterpret_cast<HostParam>(text);
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
    char16_t value[kDeviceNameRoom] = {};
    const char16_t* name = ReadDeviceName(object->vid, object->pid, value);
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
