#include "settings/settings_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "events/parameters.h"
#include "input/pad_state.h"
#include "input/xinput_devices.h"
#include "platform/platform.h"

namespace zandrel {

namespace {

constexpr std::int32_t kSaveFailedCode = 7;
// A save is written here first and put in place of the target once it is complete.
constexpr char16_t kTemporarySuffix[] = u".zandrel-tmp";

void Put16(std::uint8_t* out, std::uint16_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::uint16_t Get16(const std::uint8_t* in)
{
    return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

std::int32_t Get32(const std::uint8_t* in)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

// The host's control-key row of `player`, or null when there is none.
std::uint16_t* ControlKeyRow(const RunObject& object, std::int32_t player)
{
    if (player < 0 || player >= kPlayers || object.header.controlKeys == nullptr) {
        return nullptr;
    }
    return (*object.header.controlKeys)[player];
}

// The temporary name lives in memory of its own: a file name has no length limit, and
// plain malloc keeps the shipped library free of the C++ runtime's allocation pieces.
struct FreeDeleter {
    void operator()(char16_t* p) const { std::free(p); }
};
using OwnedName = std::unique_ptr<char16_t[], FreeDeleter>;

// `name` followed by kTemporarySuffix; null when memory runs out.
OwnedName TemporaryName(const char16_t* name)
{
    std::size_t length = 0;
    while (name[length] != 0) {
        ++length;
    }
    OwnedName out(static_cast<char16_t*>(std::malloc(length * sizeof(char16_t) + sizeof kTemporarySuffix)));
    if (out != nullptr) {
        std::memcpy(out.get(), name, length * sizeof(char16_t));
        std::memcpy(out.get() + length, kTemporarySuffix, sizeof kTemporarySuffix);
    }
    return out;
}

}  // namespace

void EncodeSettings(const RunObject& object, std::uint8_t out[kSettingsFileSize])
{
    std::memset(out, 0, kSettingsFileSize);
    Put32(out + kSettingsPlayer, object.player);
    Put32(out + kSettingsPadId, object.padId);
    Put32(out + kSettingsXInputIndex, object.xinputIndex);
    if (const std::uint16_t* row = ControlKeyRow(object, object.player)) {
        for (int c = 0; c < kControlsPerPlayer; ++c) {
            Put16(out + kSettingsControlKeys + 2 * c, row[c]);
        }
    }
    std::memcpy(out + kSettingsKeyMap, object.keyMap, kPadBits);
    std::memcpy(out + kSettingsVirtualMap, object.virtualMap, kPadBits);
    Put32(out + kSettingsCenterX, object.centerX);
    Put32(out + kSettingsCenterY, object.centerY);
    std::memcpy(out + kSettingsTag, kSettingsTagBytes, sizeof kSettingsTagBytes);
    Put32(out + kSettingsDeadZone, object.deadZonePercent);
    Put32(out + kSettingsTriggerThreshold, object.triggerThreshold);
}

void DecodeSettings(const std::uint8_t* data, std::size_t length, RunObject& object)
{
    const auto holds = [length](std::size_t offset, std::size_t size) { return offset + size <= length; };
    if (holds(kSettingsPlayer, 4)) {
        object.player = Get32(data + kSettingsPlayer);
    }
    if (holds(kSettingsPadId, 4)) {
        object.padId = Get32(data + kSettingsPadId);
    }
    if (holds(kSettingsXInputIndex, 4)) {
        object.xinputIndex = Get32(data + kSettingsXInputIndex);
    }
    if (std::uint16_t* row = ControlKeyRow(object, object.player)) {
        for (int c = 0; c < kControlsPerPlayer; ++c) {
            const std::size_t offset = kSettingsControlKeys + 2 * static_cast<std::size_t>(c);
            if (holds(offset, 2)) {
                row[c] = Get16(data + offset);
            }
        }
    }
    if (holds(kSettingsKeyMap, kPadBits)) {
        std::memcpy(object.keyMap, data + kSettingsKeyMap, kPadBits);
    }
    // Entries outside -1..15 are kept as read; the key lookup never follows them.
    if (holds(kSettingsVirtualMap, kPadBits)) {
        std::memcpy(object.virtualMap, data + kSettingsVirtualMap, kPadBits);
    }
    if (holds(kSettingsCenterX, 4)) {
        object.centerX = Get32(data + kSettingsCenterX);
    }
    if (holds(kSettingsCenterY, 4)) {
        object.centerY = Get32(data + kSettingsCenterY);
    }
    if (length >= kSettingsFileSize &&
        std::memcmp(data + kSettingsTag, kSettingsTagBytes, sizeof kSettingsTagBytes) == 0) {
        ApplyDeadZonePercent(object, Get32(data + kSettingsDeadZone));
        ApplyTriggerThreshold(object, Get32(data + kSettingsTriggerThreshold));
    }
}

namespace {

// True when the whole record reached the file `name`. A save that fails part-way
// leaves the settings the file held.
bool WriteSettingsFile(const RunObject& object, const char16_t* name)
{
    if (name == nullptr || name[0] == 0) {
        return false;
    }
    std::uint8_t record[kSettingsFileSize];
    EncodeSettings(object, record);
    const OwnedName temporary = TemporaryName(name);
    std::FILE* file = temporary != nullptr ? platform::OpenSettingsFile(temporary.get(), "wb") : nullptr;
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(record, 1, sizeof record, file) == sizeof record;
    const bool closed = std::fclose(file) == 0;
    if (written && closed && platform::ReplaceSettingsFile(temporary.get(), name)) {
        return true;
    }
    platform::RemoveSettingsFile(temporary.get());
    return false;
}

}  // namespace

std::int32_t ZANDREL_CALL SaveSetting(RunObject* object, std::int32_t, std::int32_t)
{
    if (object != nullptr && !WriteSettingsFile(*object, NextActionFileName(*object))) {
        RaiseCondition(*object, kSaveFailedCode);
    }
    return 0;
}

std::int32_t ZANDREL_CALL LoadSetting(RunObject* object, std::int32_t, std::int32_t)
{
    if (object == nullptr) {
        return 0;
    }
    std::FILE* file = OpenActionFileToRead(*object);
    if (file == nullptr) {
        return 0;
    }
    std::uint8_t record[kSettingsFileSize];
    const std::size_t length = std::fread(record, 1, sizeof record, file);
    std::fclose(file);
    const bool holdsPadId = length >= kSettingsPadId + 4;
    const BindingBefore before = BeginBinding(*object, holdsPadId ? Get32(record + kSettingsPadId) : object->padId);
    DecodeSettings(record, length, *object);
    BindPad(*object, before, BindingBy::kSettings);
    return 0;
}

}  // namespace zandrel
