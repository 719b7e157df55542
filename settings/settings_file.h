// The settings file: one object's mapping, binding, calibration, tuning and its
// player's host control keys, as an 80-byte little-endian record with no header.
// The first 68 bytes are the 1.0 record, which a 1.0 reader reads as before.
//
//   offset  0  int32      player
//   offset  4  int32      padId
//   offset  8  int32      xinputIndex at the time of saving
//   offset 12  8 x int16  the host's control keys of that player, controls 0..7
//   offset 28  16 x uint8 keyMap
//   offset 44  16 x int8  virtualMap
//   offset 60  int32      centerX
//   offset 64  int32      centerY
//   offset 68  4 bytes    tag "zdr1"
//   offset 72  int32      dead-zone percent
//   offset 76  int32      trigger threshold
#pragma once

#include <cstddef>
#include <cstdint>

#include "events/routines.h"
#include "runtime/run_object.h"

namespace zandrel {

constexpr std::size_t kSettingsPlayer = 0;
constexpr std::size_t kSettingsPadId = 4;
constexpr std::size_t kSettingsXInputIndex = 8;
constexpr std::size_t kSettingsControlKeys = 12;
constexpr std::size_t kSettingsKeyMap = kSettingsControlKeys + 2 * kControlsPerPlayer;
constexpr std::size_t kSettingsVirtualMap = kSettingsKeyMap + kPadBits;
constexpr std::size_t kSettingsCenterX = kSettingsVirtualMap + kPadBits;
constexpr std::size_t kSettingsCenterY = kSettingsCenterX + 4;
constexpr std::size_t kSettingsTag = kSettingsCenterY + 4;
constexpr std::size_t kSettingsDeadZone = kSettingsTag + 4;
constexpr std::size_t kSettingsTriggerThreshold = kSettingsDeadZone + 4;
constexpr std::size_t kSettingsFileSize = kSettingsTriggerThreshold + 4;
static_assert(kSettingsKeyMap == 28 && kSettingsVirtualMap == 44 && kSettingsCenterX == 60, "settings offsets");
static_assert(kSettingsTag == 68 && kSettingsDeadZone == 72 && kSettingsTriggerThreshold == 76, "tuning offsets");
static_assert(kSettingsFileSize == 80, "settings file size");

constexpr std::uint8_t kSettingsTagBytes[4] = {'z', 'd', 'r', '1'};

// The record of `object`. The control keys are those of its player's row, or zeros
// when the player is outside 0..3 or the host has no table.
void EncodeSettings(const RunObject& object, std::uint8_t out[kSettingsFileSize]);

// Stores the fields that lie wholly within the first `length` bytes of `data` (a
// field the end cuts in two keeps its old value). The control keys go to the row of
// the player just stored, and are dropped when that player is outside 0..3. The
// tuning values count only in a whole 80-byte record with the tag, each one only
// when it lies in its action's range.
void DecodeSettings(const std::uint8_t* data, std::size_t length, RunObject& object);

// The two settings actions, codes 4 and 5: the file name is their one parameter.
std::int32_t ZANDREL_CALL SaveSetting(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL LoadSetting(RunObject* object, std::int32_t, std::int32_t);

}  // namespace zandrel
