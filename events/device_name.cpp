// The string results: the bound joystick's registry name and its buttons' labels.
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

// Copies `text` into the host's string result buffer; null when the host gives none.
HostParam StringResult(RunObject& object, const char16_t* text)
{
    HostServices* services = object.header.services;
    char16_t* buffer = services != nullptr && services->StringResultBuffer != nullptr
                           ? services->StringResultBuffer(&object, 0, kStringResultRoom)
                           : nullptr;
    if (buffer == nullptr) {
        return 0;
    }
    CopyCut(text, buffer, kStringResultRoom);
    return AsResult(buffer);
}

void MarkStringResult(RunObject& object)
{
    object.header.flags = static_cast<std::uint16_t>(object.header.flags | kStringResultFlag);
}

}  // namespace

HostParam ZANDREL_CALL getDeviceName(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return AsResult(kNoName);
    }
    const std::int32_t which = FirstExpressionParameter(*object, parameters);
    MarkStringResult(*object);
    if (!InRange(which, 2) || object->padError != 0 || object->vid == 0 || object->pid == 0) {
        return AsResult(kNoName);
    }
    char16_t value[kDeviceNameRoom] = {};
    const char16_t* name = ReadDeviceName(object->vid, object->pid, value);
    return StringResult(*object, name != nullptr ? name : kNoName);
}

HostParam ZANDREL_CALL getButtonName(RunObject* object, HostParam parameters)
{
    if (object == nullptr) {
        return AsResult(kNoName);
    }
    const std::int32_t bit = FirstExpressionParameter(*object, parameters);
    MarkStringResult(*object);
    char16_t name[kPadBitNameRoom] = {};
    // An XInput pad's names need no ids; a plain pad's come with its layout row.
    if (PadIdsKnown(*object) || DecodesAsXInput(*object)) {
        PadBitName(BoundPadType(*object), BoundPadLayout(*object), object->standardLayout != 0, bit, name);
    }
    return StringResult(*object, name);
}

}  // namespace zandrel
