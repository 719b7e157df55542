#include "input/xinput_devices.h"

#include "platform/platform.h"

namespace zandrel {

namespace {

XInputDeviceList g_xinputDevices = {0, {0, 0, 0, 0}};

const char16_t* FindText(const char16_t* haystack, const char16_t* needle)
{
    for (; *haystack != 0; ++haystack) {
        const char16_t* h = haystack;
        const char16_t* n = needle;
        while (*n != 0 && *h == *n) {
            ++h;
            ++n;
        }
        if (*n == 0) {
            return haystack;
        }
    }
    return nullptr;
}

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

bool IsScanSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// The conversion "%4X" of the scanf family: leading white space skipped, then at
// most four characters of an optionally signed, optionally 0x-prefixed hex number.
bool ScanHex4(const char16_t* text, std::uint32_t* value)
{
    while (IsScanSpace(*text)) {
        ++text;
    }
    int width = 4;
    bool negative = false;
    if (*text == u'+' || *text == u'-') {
        negative = *text == u'-';
        ++text;
        --width;
    }
    if (width >= 3 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X') && HexDigit(text[2]) >= 0) {
        text += 2;
        width -= 2;
    }
    std::uint32_t result = 0;
    int digits = 0;
    for (; digits < width && HexDigit(text[digits]) >= 0; ++digits) {
        result = result * 16 + static_cast<std::uint32_t>(HexDigit(text[digits]));
    }
    if (digits == 0) {
        return false;
    }
    *value = negative ? 0u - result : result;
    return true;
}

std::uint32_t IdAfterMarker(const char16_t* deviceId, const char16_t* marker)
{
    const char16_t* at = FindText(deviceId, marker);
    std::uint32_t value = 0;
    if (at == nullptr || !ScanHex4(at + 4, &value)) {
        return 0;
    }
    return value;
}

void AddDeviceToList(void* context, const char16_t* deviceId)
{
    AddXInputDevice(*static_cast<XInputDeviceList*>(context), deviceId);
}

}  // namespace

XInputDeviceList& TheXInputDeviceList()
{
    return g_xinputDevices;
}

std::int32_t FindXInputDevice(const XInputDeviceList& list, XInputDeviceId id)
{
    for (std::int32_t position = 0; position < list.count && position < kMaxXInputDevices; ++position) {
        if (list.ids[position] == id) {
            return position;
        }
    }
    return -1;
}

bool ParseXInputDeviceId(const char16_t* deviceId, XInputDeviceId* id)
{
    if (deviceId == nullptr || FindText(deviceId, u"IG_") == nullptr) {
        return false;
    }
    const std::uint32_t vendor = IdAfterMarker(deviceId, u"VID_");
    const std::uint32_t product = IdAfterMarker(deviceId, u"PID_");
    *id = MakeXInputDeviceId(static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product));
    return true;
}

void AddXInputDevice(XInputDeviceList& list, const char16_t* deviceId)
{
    XInputDeviceId id = 0;
    if (!ParseXInputDeviceId(deviceId, &id) || list.count >= kMaxXInputDevices) {
        return;
    }
    list.ids[list.count] = id;
    ++list.count;
}

std::int32_t RescanXInputDevices()
{
    // Emptied first: a scan that fails part-way keeps only what it found.
    g_xinputDevices.count = 0;
    platform::EnumerateDeviceIds(&AddDeviceToList, &g_xinputDevices);
    return 0;
}

void ConfirmXInput(std::uint32_t index, std::int32_t joystick)
{
    if (index >= kMaxXInputDevices) {
        return;
    }
    ForgetXInputConfirmations(joystick);
    detail::xinputConfirmedFor[index] = joystick;
}

void ForgetXInputConfirmations(std::int32_t joystick)
{
    for (std::int32_t& confirmed : detail::xinputConfirmedFor) {
        if (confirmed == joystick) {
            confirmed = -1;
        }
    }
}

void ResetXInputDevices()
{
    g_xinputDevices = XInputDeviceList{0, {0, 0, 0, 0}};
    for (std::int32_t& confirmed : detail::xinputConfirmedFor) {
        confirmed = -1;
    }
}

std::int32_t GuessXInputIndex(std::int32_t joystick, std::int32_t position, XInputReads& reads, std::uint8_t* answered)
{
    // Without `answered` no index needs reading once the answer is known.
    std::uint8_t unremembered = 0;
    if (answered == nullptr) {
        answered = &unremembered;
    }
    *answered = 0;
    // What a press showed beats any guess, and reads no other index.
    for (std::uint32_t index = 0; index < kMaxXInputDevices; ++index) {
        if (detail::xinputConfirmedFor[index] == joystick && reads.Answers(index)) {
            *answered = static_cast<std::uint8_t>(1u << index);
            return static_cast<std::int32_t>(index);
        }
    }
    const bool positionInRange = position >= 0 && position < kMaxXInputDevices;
    if (answered == &unremembered && positionInRange) {
        const auto at = static_cast<std::uint32_t>(position);
        if (XInputFreeFor(at, joystick) && reads.Answers(at)) {
            return position;
        }
    }
    std::int32_t lowest = -1;
    for (std::uint32_t index = 0; index < kMaxXInputDevices; ++index) {
        if (!reads.Answers(index)) {
            continue;
        }
        *answered = static_cast<std::uint8_t>(*answered | (1u << index));
        if (lowest < 0 && XInputFreeFor(index, joystick)) {
            lowest = static_cast<std::int32_t>(index);
        }
    }
    const bool positionQualifies = positionInRange && (*answered & (1u << position)) != 0 &&
                                   XInputFreeFor(static_cast<std::uint32_t>(position), joystick);
    return positionQualifies || lowest < 0 ? position : lowest;
}

}  // namespace zandrel
