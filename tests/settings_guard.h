// Loading a settings file into an object and a control-key table that both sit
// between guard bytes, then checking that nothing but the loaded fields changed.
// Shared by the unit tests and the fuzz target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "test_host.h"

namespace zandrel::testing {

constexpr std::uint8_t kGuardByte = 0xC3;

struct GuardedObject {
    std::uint8_t before[64];
    RunObject object;
    std::uint8_t after[64];
};

struct GuardedKeys {
    std::uint8_t before[64];
    HostControlKeys keys;
    std::uint8_t after[64];
};

inline bool GuardIntact(const std::uint8_t* guard, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (guard[i] != kGuardByte) {
            return false;
        }
    }
    return true;
}

inline std::u16string Utf16Of(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// Writes `data` to `path`, loads it into a fresh guarded object, runs a few frames
// and destroys it. Empty on success, else what went wrong.
inline std::string LoadGuarded(TestHost& host, const std::uint8_t* data, std::size_t size, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || (size != 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        return "cannot write " + path;
    }
    GuardedObject guarded;
    GuardedKeys keys;
    std::memset(&guarded, kGuardByte, sizeof guarded);
    std::memset(&keys, kGuardByte, sizeof keys);
    std::memset(keys.keys, 0, sizeof keys.keys);
    RunObject* object = host.CreateAt(&guarded.object, &keys.keys);
    object->keyState[7] = 0x80;
    object->controlEnabled[3] = 0;
    const RunObject before = *object;

    const std::u16string name = Utf16Of(path);
    host.Act(object, 5, {reinterpret_cast<HostParam>(name.c_str())});

    // Only the loaded fields (and the ids read afresh) may change.
    const auto same = [&](const void* a, const void* b, std::size_t n) { return std::memcmp(a, b, n) == 0; };
    if (!same(&before.header, &object->header, sizeof before.header) || before.padError != object->padError ||
        before.prevPadState != object->prevPadState ||
        !same(before.keyState, object->keyState, sizeof before.keyState) ||
        !same(before.prevKeyState, object->prevKeyState, sizeof before.prevKeyState) ||
        !same(before.controlEnabled, object->controlEnabled, sizeof before.controlEnabled) ||
        !same(before.reserved, object->reserved, sizeof before.reserved)) {
        return "a field the file does not hold changed";
    }
    if (object->xinputIndex != kXInputUnresolved) {
        return "xinputIndex not reset";
    }
    for (int frame = 0; frame < 3; ++frame) {
        object->prevPadState = static_cast<std::uint16_t>(0xFFFF >> frame);
        HandleRunObject(object);
    }
    object->prevPadState = 0xFFFF;
    DestroyRunObject(object, 0);
    if (!GuardIntact(guarded.before, sizeof guarded.before) || !GuardIntact(guarded.after, sizeof guarded.after) ||
        !GuardIntact(keys.before, sizeof keys.before) || !GuardIntact(keys.after, sizeof keys.after)) {
        return "write outside the object or the control-key table";
    }
    return {};
}

}  // namespace zandrel::testing
