#include "exports/routine_tables.h"

#include "settings/settings_file.h"

namespace zandrel {

ConditionRoutine const kConditionRoutines[kConditionCount + 1] = {
    PressedKey,     RepeatPressedKey, PressedButton, RepeatPressedButton, LoadFailed, PadDisconnected,
    PadReconnected, SaveFailed,       nullptr,
};

ActionRoutine const kActionRoutines[kActionCount + 1] = {
    SetPlayerAndPadID,
    SetCFControlKey,
    XInputSetVibration,
    SetVantor,
    SaveSetting,
    LoadSetting,
    SetVirtualButton,
    ResetKey,
    ReLoadDeviceList,
    POVZeroIN,
    EnableControl,
    SetDeadZone,
    SetTriggerThreshold,
    SetKeysInBackground,
    LoadPadLayouts,
    UseStandardLayout,
    nullptr,
};

ExpressionRoutine const kExpressionRoutines[kExpressionCount + 1] = {
    getDeviceName, getAnyPadID, getInputKeyCode, getInputPadButtonNumber, getVantorSetting, getCFControlKey,
    IsXInput,      getPadID,    IsError,         getVirtualButtonSetting, getVirtualToReal, getAxis,
    getTrigger,    getPOV,      getPadState,     getButtonName,           getPadType,       nullptr,
};

}  // namespace zandrel
