// The platform seam over the simulated world; files are the real ones of the host
// system, opened by their UTF-8 names as Windows opens them.
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.h"
#include "platform/sim_world.h"
#include "platform/utf8.h"

namespace zandrel::platform {

namespace {

sim::Joystick* PresentJoystick(std::uint32_t id)
{
    if (id >= static_cast<std::uint32_t>(sim::World::kJoysticks)) {
        return nullptr;
    }
    sim::Joystick& joystick = sim::TheWorld().joysticks[id];
    return joystick.present ? &joystick : nullptr;
}

// A file name as Windows reads it: `\` separates folders as `/` does.
bool NativePath(const char16_t* name, std::string* path)
{
    if (name == nullptr || !Utf16ToUtf8(name, path) || path->empty()) {
        return false;
    }
    for (char& c : *path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return true;
}

}  // namespace

std::uint32_t ReadJoystick(std::uint32_t id, JoyReading* out)
{
    const sim::Joystick* joystick = PresentJoystick(id);
    const std::uint32_t result = joystick == nullptr ? sim::kJoyUnplugged : 0;
    if (joystick != nullptr) {
        *out = JoyReading{joystick->x, joystick->y, joystick->buttons, joystick->pov,
                          joystick->z, joystick->r, joystick->u,       joystick->v};
    }
    if (const sim::ReadObserver* observer = sim::TheWorld().readObserver) {
        observer->joystick(observer->context, id, result, *out);
    }
    return result;
}

std::uint32_t ReadJoystickIds(std::uint32_t id, JoyIds* out)
{
    // As the system does: id -1 only asks for the service's registry key and
    // answers whether a device is present or not, with no ids.
    if (id == sim::kJoyRegistryKeyQuery) {
        *out = JoyIds{0, 0};
        return 0;
    }
    const sim::Joystick* joystick = PresentJoystick(id);
    const bool answers = joystick != nullptr && !joystick->capsFail;
    if (answers) {
        *out = JoyIds{joystick->vid, joystick->pid};
    }
    const std::uint32_t result = answers ? 0 : sim::kJoyUnplugged;
    if (const sim::ReadObserver* observer = sim::TheWorld().readObserver) {
        observer->joystickIds(observer->context, id, result, *out);
    }
    return result;
}

void JoystickConfigChanged()
{
    sim::TheWorld().Record(sim::EffectKind::JoyConfigChanged, 0);
}

std::uint32_t ReadXInputTriggers(std::uint32_t userIndex, XInputTriggers* out)
{
    const sim::World& world = sim::TheWorld();
    std::uint32_t result = sim::kXInputNotConnected;
    if (userIndex < static_cast<std::uint32_t>(sim::World::kXInputPads)) {
        const sim::XInputPad& pad = world.xinput[userIndex];
        const sim::Joystick* face = pad.faceOf >= 0 ? &world.joysticks[pad.faceOf] : nullptr;
        if (face != nullptr ? face->present : pad.answers) {
            // One store of the whole answer, which the caller reads back whole: two narrow
            // stores under one wide load stall the frame that reads it.
            const std::uint16_t word = face != nullptr ? sim::XInputButtonWord(face->buttons) : std::uint16_t{0};
            const std::uint32_t packed =
                pad.leftTrigger | (std::uint32_t{pad.rightTrigger} << 8) | (std::uint32_t{word} << 16);
            static_assert(sizeof packed == sizeof *out && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "one word");
            std::memcpy(out, &packed, sizeof packed);
            result = 0;
        }
    }
    if (world.readObserver != nullptr) {
        world.readObserver->xinput(world.readObserver->context, userIndex, result, *out);
    }
    return result;
}

void SetXInputVibration(std::uint32_t userIndex, std::uint16_t left, std::uint16_t right)
{
    sim::TheWorld().Record(sim::EffectKind::Vibration, userIndex, left, right);
}

void SendKey(std::uint8_t key, std::uint32_t flags)
{
    sim::World& world = sim::TheWorld();
    world.SetKey(key, (flags & 2u) == 0);
    world.Record(sim::EffectKind::KeyStroke, key, flags);
}

bool GameInFront()
{
    return sim::TheWorld().gameInFront;
}

int ReadKeyboard(std::uint8_t state[256])
{
    const sim::World& world = sim::TheWorld();
    if (world.keyboardFails) {
        return 0;
    }
    world.Snapshot(state);
    return 1;
}

void EnumerateDeviceIds(DeviceIdSink sink, void* context)
{
    sim::World& world = sim::TheWorld();
    world.Record(sim::EffectKind::RescanStarted, 0);
    if (world.devicesFail) {
        return;
    }
    for (const std::u16string& id : world.devices) {
        sink(context, id.c_str());
    }
}

std::uint32_t ReadJoystickName(const char16_t* keyPath, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size)
{
    constexpr std::uint32_t kNotFound = 2;    // ERROR_FILE_NOT_FOUND
    constexpr std::uint32_t kMoreData = 234;  // ERROR_MORE_DATA
    const auto& names = sim::TheWorld().joystickNames;
    const auto found = names.find(keyPath);
    if (found == names.end()) {
        return kNotFound;
    }
    const sim::RegistryValue& value = found->second;
    const auto stored = static_cast<std::uint32_t>(value.data.size());
    *type = value.type;
    if (stored > *size) {
        *size = stored;
        return kMoreData;
    }
    if (stored != 0) {
        std::memcpy(data, value.data.data(), stored);
    }
    *size = stored;
    return 0;
}

std::FILE* OpenSettingsFile(const char16_t* name, const char* mode)
{
    std::string path;
    if (!NativePath(name, &path)) {
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), mode);
    // A folder opens for reading here; on Windows it does not open as a file at all.
    struct stat status {};
    if (file != nullptr && (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

bool ReplaceSettingsFile(const char16_t* from, const char16_t* to)
{
    std::string source;
    std::string target;
    return NativePath(from, &source) && NativePath(to, &target) && std::rename(source.c_str(), target.c_str()) == 0;
}

void RemoveSettingsFile(const char16_t* name)
{
    std::string path;
    if (NativePath(name, &path)) {
        unlink(path.c_str());  // never a folder, as on Windows (std::remove takes empty ones)
    }
}

}  // namespace zandrel::platform
