// What the editor must see of the event catalogue, written out independently of
// the resources; shared by the native unit tests and the host test under Wine,
// which call the same exports (directly or through GetProcAddress).
#pragma once

#include <cstdint>

#include "host/host_interface.h"

namespace catalogue_expectations {

enum class Kind { kCondition, kAction, kExpression };

struct MenuItem {
    std::uint16_t id;  // 0: a separator
    const char16_t* text;
};

constexpr MenuItem kActionMenu[] = {
    {0, nullptr},
    {25000, u"SetPlayerAndPadID"},
    {0, nullptr},
    {25002, u"XInputSetVibration"},
    {25003, u"SetVantor"},
    {25001, u"SetCFControlKey"},
    {25006, u"SetVirtualButton"},
    {25007, u"ResetKey"},
    {0, nullptr},
    {25008, u"ReLoadDeviceList"},
    {25004, u"SaveSetting"},
    {25005, u"LoadSetting"},
    {0, nullptr},
    {25009, u"POVZeroIN"},
    {25010, u"EnableControl"},
    {0, nullptr},
    {25011, u"SetDeadZone"},
    {25012, u"SetTriggerThreshold"},
    {0, nullptr},
    {25013, u"SetKeysInBackground"},
    {25014, u"LoadPadLayouts"},
    {25015, u"UseStandardLayout"},
    {0, nullptr},
};

constexpr MenuItem kConditionMenu[] = {
    {0, nullptr},
    {26002, u"PressedButton"},
    {26003, u"RepeatPressedButton"},
    {0, nullptr},
    {26000, u"PressedKey"},
    {26001, u"RepeatPressedKey"},
    {0, nullptr},
    {26004, u"LoadFailed"},
    {0, nullptr},
    {26005, u"PadDisconnected"},
    {26006, u"PadReconnected"},
    {0, nullptr},
    {26007, u"SaveFailed"},
    {0, nullptr},
};

constexpr MenuItem kExpressionMenu[] = {
    {0, nullptr},
    {27000, u"getDeviceName"},
    {27007, u"getPadID"},
    {0, nullptr},
    {27002, u"getInputKeyCode"},
    {27003, u"getInputPadButtonNumber"},
    {0, nullptr},
    {27004, u"getVantorSetting"},
    {27005, u"getCFControlKey"},
    {27009, u"getVirtualButtonSetting"},
    {27010, u"getVirtualToReal"},
    {0, nullptr},
    {27001, u"getAnyPadID"},
    {0, nullptr},
    {27006, u"IsXInput"},
    {27008, u"IsError"},
    {0, nullptr},
    {27011, u"getAxis"},
    {27012, u"getTrigger"},
    {27013, u"getPOV"},
    {27014, u"getPadState"},
    {0, nullptr},
    {27015, u"getButtonName"},
    {27016, u"getPadType"},
    {0, nullptr},
};

// Code from menu id: each kind's own ids give id - base; foreign ids and separators -1.
struct CodeCase {
    Kind kind;
    std::uint16_t menuId;
    std::int32_t code;
};
constexpr CodeCase kForeignIds[] = {
    {Kind::kCondition, 25003, -1},  {Kind::kCondition, 0, -1},       {Kind::kCondition, 26008, -1},
    {Kind::kAction, 26000, -1},     {Kind::kAction, 27000, -1},      {Kind::kAction, 24999, -1},
    {Kind::kAction, 25016, -1},     {Kind::kExpression, 0, -1},      {Kind::kExpression, 25003, -1},
    {Kind::kExpression, 27017, -1}, {Kind::kExpression, 0xFFFF, -1},
};

// Whole info blocks, from the code field on; -1 ends the list.
struct InfoCase {
    Kind kind;
    std::int16_t code;
    std::int16_t words[10];
};
constexpr InfoCase kInfos[] = {
    {Kind::kCondition, 0, {0, 0, 1, 22, 6501, -1}},
    {Kind::kCondition, 3, {3, 0x220, 1, 22, 6504, -1}},
    {Kind::kCondition, 4, {4, 0, 0, -1}},
    {Kind::kCondition, 5, {5, 0, 0, -1}},
    {Kind::kCondition, 6, {6, 0, 0, -1}},
    {Kind::kAction, 0, {0, 0, 2, 22, 22, 5501, 5502, -1}},
    {Kind::kAction, 1, {1, 0, 3, 22, 22, 22, 5503, 5504, 5505, -1}},
    {Kind::kAction, 5, {5, 0, 1, 45, 5511, -1}},
    {Kind::kAction, 8, {8, 0, 0, -1}},
    {Kind::kAction, 10, {10, 0, 2, 22, 22, 5514, 5515, -1}},
    {Kind::kAction, 11, {11, 0, 1, 22, 5516, -1}},
    {Kind::kAction, 12, {12, 0, 1, 22, 5517, -1}},
    {Kind::kAction, 13, {13, 0, 1, 22, 5518, -1}},
    {Kind::kAction, 14, {14, 0, 1, 45, 5519, -1}},
    {Kind::kAction, 15, {15, 0, 1, 22, 5520, -1}},
    {Kind::kCondition, 7, {7, 0, 0, -1}},
    {Kind::kExpression, 0, {0, 1, 1, 1, 0, -1}},
    {Kind::kExpression, 5, {5, 0, 2, 1, 1, 7502, 7503, -1}},
    {Kind::kExpression, 8, {8, 0, 0, -1}},
    {Kind::kExpression, 10, {10, 0, 1, 1, 7506, -1}},
    {Kind::kExpression, 11, {11, 0, 1, 1, 7507, -1}},
    {Kind::kExpression, 12, {12, 0, 1, 1, 7508, -1}},
    {Kind::kExpression, 13, {13, 0, 0, -1}},
    {Kind::kExpression, 14, {14, 0, 0, -1}},
    {Kind::kExpression, 15, {15, 1, 1, 1, 7509, -1}},
    {Kind::kExpression, 16, {16, 0, 0, -1}},
};
// Codes outside each kind's table.
constexpr std::int16_t kForeignCodes[] = {-1, -32768, 17, 100, 32767};

enum class Text {
    kConditionString,
    kActionString,
    kExpressionString,
    kConditionTitle,
    kActionTitle,
    kExpressionTitle,
    kExpressionParam
};

// expected == nullptr: the buffer is left as it was.
struct TextCase {
    Text which;
    std::int16_t code;
    std::int16_t index;
    const char16_t* expected;
};
constexpr TextCase kTexts[] = {
    {Text::kConditionString, 0, 0, u"%o: PressedKey(%0)"},
    {Text::kConditionString, 4, 0, u"%o: LoadFailed"},
    {Text::kActionString, 0, 0, u"SetPlayerAndPadID : player=%0 pad_id=%1 "},
    {Text::kActionString, 10, 0, u"EnableControl( pad_button=%0 , value=%1 )"},
    {Text::kExpressionString, 0, 0, u"getDeviceName$("},
    {Text::kExpressionString, 10, 0, u"getVirtualToReal("},
    {Text::kConditionString, 5, 0, u"%o: PadDisconnected"},
    {Text::kConditionString, 6, 0, u"%o: PadReconnected"},
    {Text::kActionString, 11, 0, u"SetDeadZone ( percent=%0 )"},
    {Text::kActionString, 12, 0, u"SetTriggerThreshold ( value=%0 )"},
    {Text::kExpressionString, 11, 0, u"getAxis("},
    {Text::kExpressionString, 14, 0, u"getPadState("},
    {Text::kConditionString, 7, 0, u"%o: SaveFailed"},
    {Text::kConditionString, 8, 0, nullptr},
    {Text::kActionString, -1, 0, nullptr},
    {Text::kConditionTitle, 2, 0, u"Button (0-16)"},
    {Text::kConditionTitle, 0, 0, u"KeyCode"},
    {Text::kConditionTitle, 4, 0, u""},  // no parameters
    {Text::kConditionTitle, 2, 1, u""},
    {Text::kConditionTitle, 9, 0, nullptr},
    {Text::kActionTitle, 3, 0, u"pad_button (0~15) 0:up 1:down 2:left 3:right 4~15:buttons "},
    {Text::kActionTitle, 4, 0, u"filename "},
    {Text::kActionTitle, 5, 0, u"filename "},
    {Text::kActionTitle, 1, 2, u"key code"},
    {Text::kActionTitle, 1, 3, u""},
    {Text::kActionTitle, 1, -1, u""},
    {Text::kActionTitle, 11, 0, u"dead zone percent (1~99, default 40)"},
    {Text::kActionTitle, 12, 0, u"trigger threshold (0~254, default 30)"},
    {Text::kActionString, 13, 0, u"SetKeysInBackground ( on=%0 )"},
    {Text::kActionTitle, 13, 0, u"on (0: keys only while the game is in front, 1: always)"},
    {Text::kActionString, 14, 0, u"LoadPadLayouts ( file=%0 )"},
    {Text::kActionTitle, 14, 0, u"layouts file"},
    {Text::kActionTitle, 15, 0, u"on (0: the pad's own order, 1: standard layout)"},
    {Text::kActionTitle, 16, 0, nullptr},
    {Text::kExpressionString, 15, 0, u"getButtonName$("},
    {Text::kExpressionString, 16, 0, u"getPadType("},
    {Text::kExpressionTitle, 15, 0, u"pad_bit_0_15"},
    {Text::kExpressionTitle, 16, 0, u"getPadType"},
    {Text::kExpressionTitle, 0, 0, u"getDeviceName"},  // title id 0: the menu text
    {Text::kExpressionTitle, 5, 0, u"PlayerId_0_3"},
    {Text::kExpressionTitle, 1, 0, u"getAnyPadID"},  // no parameters: the menu text too
    {Text::kExpressionTitle, 8, 0, u"IsError"},
    {Text::kExpressionTitle, 11, 0, u"axis_0_5 (0:X 1:Y 2:Z 3:R 4:U 5:V)"},
    {Text::kExpressionTitle, 13, 0, u"getPOV"},
    {Text::kExpressionTitle, 17, 0, nullptr},
    {Text::kExpressionParam, 12, 0, u"side_0_1 (0:left 1:right)"},
    {Text::kConditionTitle, 5, 0, u""},
    {Text::kExpressionParam, 0, 0, u""},
    {Text::kExpressionParam, 5, 1, u"Button_0_7"},
    {Text::kExpressionParam, 3, 0, u"pad_num"},
    {Text::kExpressionParam, 3, 1, u""},
    {Text::kExpressionParam, 3, -1, u""},
    {Text::kExpressionParam, -5, 0, nullptr},
};

// Editor versions the gate refuses, besides an editor with no version query.
constexpr std::uint32_t kGoodVersion = 0x02000000u | 249u;
constexpr std::uint32_t kRefusedVersions[] = {
    kGoodVersion | 0x8000u,  // a variant editor
    0x02000000u | 248u,      // build below 249
    0x01FF0000u | 0x0FFFu,   // major below 2
};

// Calls the text export a case names. `E` holds the exports under their own names:
// the functions themselves natively, GetProcAddress pointers under Wine.
template <typename E>
void CallText(const E& e, zandrel::EditorServices* editor, Text which, std::int16_t code, std::int16_t index,
              char16_t* buffer, std::uint16_t length)
{
    switch (which) {
        case Text::kConditionString:
            e.GetConditionString(editor, code, buffer, length);
            break;
        case Text::kActionString:
            e.GetActionString(editor, code, buffer, length);
            break;
        case Text::kExpressionString:
            e.GetExpressionString(editor, code, buffer, length);
            break;
        case Text::kConditionTitle:
            e.GetConditionTitle(editor, code, index, buffer, length);
            break;
        case Text::kActionTitle:
            e.GetActionTitle(editor, code, index, buffer, length);
            break;
        case Text::kExpressionTitle:
            e.GetExpressionTitle(editor, code, buffer, length);
            break;
        case Text::kExpressionParam:
            e.GetExpressionParam(editor, code, index, buffer, length);
            break;
    }
}

template <typename E>
const std::int16_t* CallInfos(const E& e, Kind kind, std::int16_t code)
{
    switch (kind) {
        case Kind::kCondition:
            return e.GetConditionInfos(nullptr, code);
        case Kind::kAction:
            return e.GetActionInfos(nullptr, code);
        case Kind::kExpression:
            return e.GetExpressionInfos(nullptr, code);
    }
    return nullptr;
}

template <typename E>
std::int32_t CallCodeFromMenu(const E& e, Kind kind, std::uint16_t menuId)
{
    switch (kind) {
        case Kind::kCondition:
            return e.GetConditionCodeFromMenu(nullptr, menuId);
        case Kind::kAction:
            return e.GetActionCodeFromMenu(nullptr, menuId);
        case Kind::kExpression:
            return e.GetExpressionCodeFromMenu(nullptr, menuId);
    }
    return -2;
}

template <typename E>
void* CallMenu(const E& e, Kind kind, zandrel::EditorServices* editor)
{
    switch (kind) {
        case Kind::kCondition:
            return e.GetConditionMenu(editor, nullptr, nullptr);
        case Kind::kAction:
            return e.GetActionMenu(editor, nullptr, nullptr);
        case Kind::kExpression:
            return e.GetExpressionMenu(editor, nullptr, nullptr);
    }
    return nullptr;
}

struct KindMenu {
    Kind kind;
    const MenuItem* items;
    int count;
    std::uint16_t menuBase;
};
constexpr KindMenu kMenus[] = {
    {Kind::kCondition, kConditionMenu, 14, 26000},
    {Kind::kAction, kActionMenu, 23, 25000},
    {Kind::kExpression, kExpressionMenu, 25, 27000},
};

}  // namespace catalogue_expectations
