// Fetching event parameters from the host, and the small gates the routines share.
// A host that left a service out gives 0 for every parameter.
#pragma once

#include <cstdint>
#include <cstdio>

#include "host/host_interface.h"
#include "platform/platform.h"
#include "runtime/run_object.h"

namespace zandrel {

// The next parameter of the running action: an integer, or a file-name pointer.
inline HostParam NextActionParameter(RunObject& object)
{
    HostServices* services = object.header.services;
    if (services == nullptr || services->NextActionParameter == nullptr) {
        return 0;
    }
    return services->NextActionParameter(&object, -1, 0);
}

// A file-name parameter arrives as a pointer to a wide string (null from a host without it).
inline const char16_t* NextActionFileName(RunObject& object)
{
    return reinterpret_cast<const char16_t*>(NextActionParameter(object));
}

constexpr std::int32_t kLoadFailedCode = 4;

// Opens the action's file-name parameter for reading; null, with LoadFailed raised,
// when there is no such file to open.
inline std::FILE* OpenActionFileToRead(RunObject& object)
{
    const char16_t* name = NextActionFileName(object);
    std::FILE* file = name != nullptr ? platform::OpenSettingsFile(name, "rb") : nullptr;
    if (file == nullptr) {
        RaiseCondition(object, kLoadFailedCode);
    }
    return file;
}

// Integer parameters arrive as signed 32-bit values.
inline std::int32_t NextActionInteger(RunObject& object)
{
    return static_cast<std::int32_t>(NextActionParameter(object));
}

inline std::int32_t FirstExpressionParameter(RunObject& object, HostParam handle)
{
    HostServices* services = object.header.services;
    if (services == nullptr || services->FirstExpressionParameter == nullptr) {
        return 0;
    }
    return services->FirstExpressionParameter(&object, 0, handle);
}

inline std::int32_t NextExpressionParameter(RunObject& object, HostParam handle)
{
    HostServices* services = object.header.services;
    if (services == nullptr || services->NextExpressionParameter == nullptr) {
        return 0;
    }
    return services->NextExpressionParameter(&object, 0, handle);
}

// Index ranges are tested unsigned, so every negative value is out of range.
inline bool InRange(std::int32_t value, std::uint32_t highest)
{
    return static_cast<std::uint32_t>(value) <= highest;
}

// -1..15: -1 wraps to 0, so the unsigned test covers both ends.
inline bool InRangeOrOff(std::int32_t value)
{
    return static_cast<std::uint32_t>(value) + 1u <= static_cast<std::uint32_t>(kPadBits);
}

inline bool HasPlayer(const RunObject& object)
{
    return object.player >= 0 && object.player < kPlayers;
}

inline bool IsKeyDown(const std::uint8_t* snapshot, std::uint8_t key)
{
    return (snapshot[key] & 0x80) != 0;
}

}  // namespace zandrel
