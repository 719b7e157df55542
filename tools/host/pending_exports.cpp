// Stand-ins for exports that are not built yet (removed once they are).
#include "tools/host/pending_exports.h"

#include "tools/host/extension.h"

namespace {

struct StubItem {
    std::uint16_t id;
    const char* text;
};

struct StubMenu {
    const StubItem* items;
    int count;
};

const StubItem kConditionItems[] = {{0, ""}, {26002, "PressedButton"}, {26003, "RepeatPressedButton"},
                                    {0, ""}, {26000, "PressedKey"},    {26001, "RepeatPressedKey"},
                                    {0, ""}, {26004, "LoadFailed"},    {0, ""}};
const StubItem kActionItems[] = {{0, ""},
                                 {25000, "SetPlayerAndPadID"},
                                 {0, ""},
                                 {25002, "XInputSetVibration"},
                                 {25003, "SetVantor"},
                                 {25001, "SetCFControlKey"},
                                 {25006, "SetVirtualButton"},
                                 {25007, "ResetKey"},
                                 {0, ""},
                                 {25008, "ReLoadDeviceList"},
                                 {25004, "SaveSetting"},
                                 {25005, "LoadSetting"},
                                 {0, ""},
                                 {25009, "POVZeroIN"},
                                 {25010, "EnableControl"},
                                 {0, ""}};
const StubItem kExpressionItems[] = {{0, ""},
                                     {27000, "getDeviceName"},
                                     {27007, "getPadID"},
                                     {0, ""},
                                     {27002, "getInputKeyCode"},
                                     {27003, "getInputPadButtonNumber"},
                                     {0, ""},
                                     {27004, "getVantorSetting"},
                                     {27005, "getCFControlKey"},
                                     {27009, "getVirtualButtonSetting"},
                                     {27010, "getVirtualToReal"},
                                     {0, ""},
                                     {27001, "getAnyPadID"},
                                     {0, ""},
                                     {27006, "IsXInput"},
                                     {27008, "IsError"},
                                     {0, ""}};
StubMenu kMenus[3] = {{kConditionItems, 9}, {kActionItems, 16}, {kExpressionItems, 17}};

// code, flags, count, types..., titles...
const std::int16_t kConditionRecords[5][4] = {
    {0, 0, 1, 22}, {1, 0x220, 1, 22}, {2, 0, 1, 22}, {3, 0x220, 1, 22}, {4, 0, 0, 0}};
const std::int16_t kActionRecords[11][6] = {
    {0, 0, 2, 22, 22}, {1, 0, 3, 22, 22, 22}, {2, 0, 2, 22, 22}, {3, 0, 2, 22, 22}, {4, 0, 1, 45},
    {5, 0, 1, 45},     {6, 0, 2, 22, 22},     {7, 0, 0},         {8, 0, 0},         {9, 0, 0},
    {10, 0, 2, 22, 22}};
const std::int16_t kExpressionRecords[11][5] = {{0, 1, 1, 1}, {1, 0, 0},       {2, 0, 0},    {3, 0, 1, 1},
                                                {4, 0, 1, 1}, {5, 0, 2, 1, 1}, {6, 0, 0},    {7, 0, 0},
                                                {8, 0, 0},    {9, 0, 1, 1},    {10, 0, 1, 1}};

std::int32_t CodeFromMenu(int kind, std::uint16_t id)
{
    const StubMenu& menu = kMenus[kind];
    for (int i = 0; i < menu.count; ++i) {
        if (menu.items[i].id != 0 && menu.items[i].id == id) {
            return id % 1000;
        }
    }
    return -1;
}

}  // namespace

namespace zandrel::host {

bool ReadStubMenu(MenuHandle handle, std::vector<MenuItem>* items)
{
    const StubMenu* menu = static_cast<const StubMenu*>(handle);
    items->clear();
    for (int i = 0; i < menu->count; ++i) {
        MenuItem item;
        item.separator = menu->items[i].id == 0;
        item.id = menu->items[i].id;
        item.text = menu->items[i].text;
        items->push_back(item);
    }
    return true;
}

}  // namespace zandrel::host

std::uint32_t ZANDREL_CALL GetInfos(std::int32_t)
{
    return 0;
}

std::int32_t ZANDREL_CALL GetRunObjectInfos(void*, zandrel::RunInfo* info)
{
    info->conditions = zandrel::kConditionRoutines;
    info->actions = zandrel::kActionRoutines;
    info->expressions = zandrel::kExpressionRoutines;
    info->conditionCount = 5;
    info->actionCount = 11;
    info->expressionCount = 11;
    info->editDataSize = 20;
    info->identifier[0] = 'Q';
    info->identifier[1] = 'X';
    info->identifier[2] = 'R';
    info->identifier[3] = 'V';
    return 1;
}

void ZANDREL_CALL GetObjInfos(zandrel::EditorServices*, void*, char16_t*, char16_t*, char16_t*, char16_t*, char16_t*) {}

zandrel::MenuHandle ZANDREL_CALL GetConditionMenu(zandrel::EditorServices*, void*, void*)
{
    return &kMenus[0];
}
zandrel::MenuHandle ZANDREL_CALL GetActionMenu(zandrel::EditorServices*, void*, void*)
{
    return &kMenus[1];
}
zandrel::MenuHandle ZANDREL_CALL GetExpressionMenu(zandrel::EditorServices*, void*, void*)
{
    return &kMenus[2];
}
std::int32_t ZANDREL_CALL GetConditionCodeFromMenu(zandrel::EditorServices*, std::uint16_t id)
{
    return CodeFromMenu(0, id);
}
std::int32_t ZANDREL_CALL GetActionCodeFromMenu(zandrel::EditorServices*, std::uint16_t id)
{
    return CodeFromMenu(1, id);
}
std::int32_t ZANDREL_CALL GetExpressionCodeFromMenu(zandrel::EditorServices*, std::uint16_t id)
{
    return CodeFromMenu(2, id);
}
const std::int16_t* ZANDREL_CALL GetConditionInfos(zandrel::EditorServices*, std::int16_t code)
{
    return code >= 0 && code < 5 ? kConditionRecords[code] : nullptr;
}
const std::int16_t* ZANDREL_CALL GetActionInfos(zandrel::EditorServices*, std::int16_t code)
{
    return code >= 0 && code < 11 ? kActionRecords[code] : nullptr;
}
const std::int16_t* ZANDREL_CALL GetExpressionInfos(zandrel::EditorServices*, std::int16_t code)
{
    return code >= 0 && code < 11 ? kExpressionRecords[code] : nullptr;
}
void ZANDREL_CALL GetConditionString(zandrel::EditorServices*, std::int16_t, char16_t*, std::uint16_t) {}
void ZANDREL_CALL GetActionString(zandrel::EditorServices*, std::int16_t, char16_t*, std::uint16_t) {}
void ZANDREL_CALL GetExpressionString(zandrel::EditorServices*, std::int16_t, char16_t*, std::uint16_t) {}
void ZANDREL_CALL GetConditionTitle(zandrel::EditorServices*, std::int16_t, std::int16_t, char16_t*, std::uint16_t) {}
void ZANDREL_CALL GetActionTitle(zandrel::EditorServices*, std::int16_t, std::int16_t, char16_t*, std::uint16_t) {}
void ZANDREL_CALL GetExpressionTitle(zandrel::EditorServices*, std::int16_t, char16_t*, std::uint16_t) {}
void ZANDREL_CALL GetExpressionParam(zandrel::EditorServices*, std::int16_t, std::int16_t, char16_t*, std::uint16_t) {}
