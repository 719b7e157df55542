// The event routines the host calls through the routine tables.
#pragma once

#include <cstdint>

#include "host/host_interface.h"
#include "runtime/run_object.h"

namespace zandrel {

using ConditionRoutine = std::int32_t(ZANDREL_CALL*)(RunObject* object, std::int32_t param1, std::int32_t param2);
using ActionRoutine = std::int32_t(ZANDREL_CALL*)(RunObject* object, std::int32_t unused1, std::int32_t unused2);
// Pointer-sized result: a 32-bit value, or for a string result the string's address
// (the same register on 32-bit Windows; a whole pointer on 64-bit builds).
using ExpressionRoutine = HostParam(ZANDREL_CALL*)(RunObject* object, HostParam parameters);

// Conditions (events/conditions.cpp), codes 0..7.
std::int32_t ZANDREL_CALL PressedKey(RunObject* object, std::int32_t key, std::int32_t);
std::int32_t ZANDREL_CALL RepeatPressedKey(RunObject* object, std::int32_t key, std::int32_t);
std::int32_t ZANDREL_CALL PressedButton(RunObject* object, std::int32_t button, std::int32_t);
std::int32_t ZANDREL_CALL RepeatPressedButton(RunObject* object, std::int32_t button, std::int32_t);
std::int32_t ZANDREL_CALL LoadFailed(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL PadDisconnected(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL PadReconnected(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SaveFailed(RunObject* object, std::int32_t, std::int32_t);

// Actions (events/actions.cpp), codes 0..15; the two settings actions, 4 and 5, are
// declared in settings/settings_file.h.
std::int32_t ZANDREL_CALL SetPlayerAndPadID(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SetCFControlKey(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL XInputSetVibration(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SetVantor(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SetVirtualButton(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL ResetKey(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL ReLoadDeviceList(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL POVZeroIN(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL EnableControl(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SetDeadZone(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SetTriggerThreshold(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL SetKeysInBackground(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL LoadPadLayouts(RunObject* object, std::int32_t, std::int32_t);
std::int32_t ZANDREL_CALL UseStandardLayout(RunObject* object, std::int32_t, std::int32_t);

// Expressions (events/expressions.cpp; the string results in events/device_name.cpp), codes 0..16.
HostParam ZANDREL_CALL getDeviceName(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getAnyPadID(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getInputKeyCode(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getInputPadButtonNumber(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getVantorSetting(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getCFControlKey(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL IsXInput(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getPadID(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL IsError(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getVirtualButtonSetting(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getVirtualToReal(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getAxis(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getTrigger(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getPOV(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getPadState(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getButtonName(RunObject* object, HostParam parameters);
HostParam ZANDREL_CALL getPadType(RunObject* object, HostParam parameters);

}  // namespace zandrel
