#include "exports/catalogue.h"

#include <iterator>

#include "exports/routine_tables.h"
#include "platform/resource_access.h"

namespace zandrel {

namespace {

constexpr std::int16_t kInt = 22;       // integer parameter of a condition or action
constexpr std::int16_t kFileName = 45;  // file-name parameter, delivered as a wide string
constexpr std::int16_t kExprInt = 1;    // expression parameter
constexpr std::int16_t kRepeating = 0x220;
constexpr std::int16_t kStringResult = 1;

// menu id, string id, code, flags, n, types..., title ids...
// clang-format off
constexpr std::int16_t kConditionInfos[] = {
    26000, 6000, 0, 0,          1, kInt, 6501,  // PressedKey
    26001, 6001, 1, kRepeating, 1, kInt, 6502,  // RepeatPressedKey
    26002, 6002, 2, 0,          1, kInt, 6503,  // PressedButton
    26003, 6003, 3, kRepeating, 1, kInt, 6504,  // RepeatPressedButton
    26004, 6004, 4, 0,          0,              // LoadFailed
    26005, 6005, 5, 0,          0,              // PadDisconnected
    26006, 6006, 6, 0,          0,              // PadReconnected
    26007, 6007, 7, 0,          0,              // SaveFailed
};

constexpr std::int16_t kActionInfos[] = {
    25000, 5000, 0,  0, 2, kInt,      kInt, 5501, 5502,              // SetPlayerAndPadID
    25001, 5001, 1,  0, 3, kInt,      kInt, kInt, 5503, 5504, 5505,  // SetCFControlKey
    25002, 5002, 2,  0, 2, kInt,      kInt, 5506, 5507,              // XInputSetVibration
    25003, 5003, 3,  0, 2, kInt,      kInt, 5508, 5509,              // SetVantor
    25004, 5004, 4,  0, 1, kFileName, 5510,                          // SaveSetting
    25005, 5005, 5,  0, 1, kFileName, 5511,                          // LoadSetting
    25006, 5006, 6,  0, 2, kInt,      kInt, 5512, 5513,              // SetVirtualButton
    25007, 5007, 7,  0, 0,                                           // ResetKey
    25008, 5008, 8,  0, 0,                                           // ReLoadDeviceList
    25009, 5009, 9,  0, 0,                                           // POVZeroIN
    25010, 5010, 10, 0, 2, kInt,      kInt, 5514, 5515,              // EnableControl
    25011, 5011, 11, 0, 1, kInt,      5516,                          // SetDeadZone
    25012, 5012, 12, 0, 1, kInt,      5517,                          // SetTriggerThreshold
    25013, 5013, 13, 0, 1, kInt,      5518,                          // SetKeysInBackground
    25014, 5014, 14, 0, 1, kFileName, 5519,                          // LoadPadLayouts
    25015, 5015, 15, 0, 1, kInt,      5520,                          // UseStandardLayout
};

constexpr std::int16_t kExpressionInfos[] = {
    27000, 7000, 0,  kStringResult, 1, kExprInt, 0,                     // getDeviceName$
    27001, 7001, 1,  0,             0,                                  // getAnyPadID
    27002, 7002, 2,  0,             0,                                  // getInputKeyCode
    27003, 7003, 3,  0,             1, kExprInt, 7500,                  // getInputPadButtonNumber
    27004, 7004, 4,  0,             1, kExprInt, 7501,                  // getVantorSetting
    27005, 7005, 5,  0,             2, kExprInt, kExprInt, 7502, 7503,  // getCFControlKey
    27006, 7006, 6,  0,             0,                                  // IsXInput
    27007, 7007, 7,  0,             0,                                  // getPadID
    27008, 7008, 8,  0,             0,                                  // IsError
    27009, 7009, 9,  0,             1, kExprInt, 7505,                  // getVirtualButtonSetting
    27010, 7010, 10, 0,             1, kExprInt, 7506,                  // getVirtualToReal
    27011, 7011, 11, 0,             1, kExprInt, 7507,                  // getAxis
    27012, 7012, 12, 0,             1, kExprInt, 7508,                  // getTrigger
    27013, 7013, 13, 0,             0,                                  // getPOV
    27014, 7014, 14, 0,             0,                                  // getPadState
    27015, 7015, 15, kStringResult, 1, kExprInt, 7509,                  // getButtonName$
    27016, 7016, 16, 0,             0,                                  // getPadType
};
// clang-format on

// Walks a table as the host does: records in code order, menu and string ids
// numbered from the kind's bases, no gaps, nothing left over.
template <std::size_t N>
constexpr bool IsWellFormed(const std::int16_t (&words)[N], int count, int menuBase, int stringBase)
{
    std::size_t at = 0;
    for (int code = 0; code < count; ++code) {
        if (at + kInfoTypes > N) {
            return false;
        }
        const int n = words[at + kInfoParamCount];
        if (words[at + kInfoMenuId] != menuBase + code || words[at + kInfoStringId] != stringBase + code ||
            words[at + kInfoCode] != code || n < 0 || n > kMaxEventParams) {
            return false;
        }
        at += kInfoTypes + 2 * static_cast<std::size_t>(n);
    }
    return at == N;
}

static_assert(IsWellFormed(kConditionInfos, kConditionCount, 26000, 6000), "condition table");
static_assert(IsWellFormed(kActionInfos, kActionCount, 25000, 5000), "action table");
static_assert(IsWellFormed(kExpressionInfos, kExpressionCount, 27000, 7000), "expression table");

constexpr EventTable kTables[] = {
    {kConditionInfos, std::size(kConditionInfos), kConditionCount, kConditionMenuResource},
    {kActionInfos, std::size(kActionInfos), kActionCount, kActionMenuResource},
    {kExpressionInfos, std::size(kExpressionInfos), kExpressionCount, kExpressionMenuResource},
};

}  // namespace

void CopyMenuItems(MenuHandle destination, MenuHandle source)
{
    // One text buffer per level: a nested copy takes its own.
    char16_t text[kMenuTextRoom] = {};
    const int count = resources::MenuItemCount(source);
    for (int position = 0; position < count; ++position) {
        const std::uint32_t id = resources::MenuItemId(source, position);
        if (id == 0) {
            resources::AppendMenuItem(destination, resources::kSeparator, 0, nullptr);
            continue;
        }
        resources::MenuText(source, static_cast<std::uint32_t>(position), text, kMenuTextRoom, resources::kByPosition);
        if (id == resources::kNoItem) {
            MenuHandle inner = resources::SubMenu(source, position);
            if (inner == nullptr) {
                continue;
            }
            MenuHandle copy = resources::NewPopupMenu();
            if (copy == nullptr) {
                continue;
            }
            if (!resources::AppendMenuItem(destination, resources::kPopup, reinterpret_cast<std::uintptr_t>(copy),
                                           text)) {
                resources::FreeMenu(copy);
                continue;
            }
            CopyMenuItems(copy, inner);
            continue;
        }
        std::uint32_t state =
            resources::MenuState(source, static_cast<std::uint32_t>(position), resources::kByPosition);
        if (state == resources::kNoItem) {
            state = 0;
        }
        resources::AppendMenuItem(destination, resources::kString | state, id, text);
    }
}

const EventTable& CatalogueTable(EventKind kind)
{
    return kTables[static_cast<int>(kind)];
}

const std::int16_t* FindEventInfo(const EventTable& table, std::int16_t code)
{
    std::size_t at = 0;
    for (int i = 0; i < table.count && at + kInfoTypes <= table.wordCount; ++i) {
        const std::int16_t* record = table.words + at;
        if (record[kInfoCode] == code) {
            return record;
        }
        at += kInfoTypes + 2 * static_cast<std::size_t>(ParamCount(record));
    }
    return nullptr;
}

MenuHandle LoadEventMenu(std::uint32_t menuResource)
{
    const resources::LoadedMenu loaded(menuResource);
    MenuHandle items = loaded.get() == nullptr ? nullptr : resources::SubMenu(loaded.get(), 0);
    if (items == nullptr) {
        return nullptr;
    }
    MenuHandle result = resources::NewPopupMenu();
    if (result != nullptr) {
        CopyMenuItems(result, items);
    }
    return result;
}

void LoadParameterTitle(const EventTable& table, std::int16_t code, std::int16_t index, char16_t* buffer,
                        std::uint16_t length, MissingTitle missing)
{
    const std::int16_t* record = FindEventInfo(table, code);
    if (record == nullptr || !HasTextRoom(buffer, length)) {
        return;
    }
    const bool inRange = index >= 0 && index < ParamCount(record);
    if (!inRange && missing == MissingTitle::kEmpty) {
        buffer[0] = 0;
        return;
    }
    const std::int16_t titleId = inRange ? ParamTitleId(record, index) : 0;
    if (titleId != 0) {
        resources::LoadText(static_cast<std::uint16_t>(titleId), buffer, length);
        return;
    }
    const resources::LoadedMenu menu(table.menuResource);
    if (menu.get() != nullptr) {
        resources::MenuText(menu.get(), static_cast<std::uint16_t>(record[kInfoMenuId]), buffer, length,
                            resources::kByCommand);
    }
}

}  // namespace zandrel
