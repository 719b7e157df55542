// The native binding: the extension is linked in, its menus are the simulated ones.
#include "input/pad_layouts.h"
#include "input/xinput_devices.h"
#include "runtime/run_object.h"
#include "platform/resource_access.h"
#include "tools/host/extension.h"

namespace zandrel::host {

namespace {

const MenuCalls kSimulatedMenus = {
    &resources::MenuItemCount,
    &resources::MenuItemId,
    &resources::SubMenu,
    [](MenuHandle menu, int position, char16_t* buffer, int length) {
        resources::MenuText(menu, static_cast<std::uint32_t>(position), buffer, length, resources::kByPosition);
    },
};

bool ReadAndFreeMenu(MenuHandle menu, std::vector<MenuItem>* items)
{
    items->clear();
    const bool read = ReadMenuItems(kSimulatedMenus, menu, items);
    resources::FreeMenu(menu);
    return read;
}

}  // namespace

bool BindExtension(const std::string&, Extension* extension, std::string*)
{
    Extension& e = *extension;
    e.GetInfos = &::GetInfos;
    e.GetRunObjectInfos = &::GetRunObjectInfos;
    e.GetRunObjectDataSize = &::GetRunObjectDataSize;
    e.CreateRunObject = &::CreateRunObject;
    e.DestroyRunObject = &::DestroyRunObject;
    e.HandleRunObject = &::HandleRunObject;
    e.GetObjInfos = &::GetObjInfos;
    e.GetMenu[0] = &::GetConditionMenu;
    e.GetMenu[1] = &::GetActionMenu;
    e.GetMenu[2] = &::GetExpressionMenu;
    e.GetCodeFromMenu[0] = &::GetConditionCodeFromMenu;
    e.GetCodeFromMenu[1] = &::GetActionCodeFromMenu;
    e.GetCodeFromMenu[2] = &::GetExpressionCodeFromMenu;
    e.GetEventInfos[0] = &::GetConditionInfos;
    e.GetEventInfos[1] = &::GetActionInfos;
    e.GetEventInfos[2] = &::GetExpressionInfos;
    e.GetString[0] = &::GetConditionString;
    e.GetString[1] = &::GetActionString;
    e.GetString[2] = &::GetExpressionString;
    e.GetConditionTitle = &::GetConditionTitle;
    e.GetActionTitle = &::GetActionTitle;
    e.GetExpressionTitle = &::GetExpressionTitle;
    e.GetExpressionParam = &::GetExpressionParam;
    e.ReadAndFreeMenu = &ReadAndFreeMenu;
    return true;
}

bool ResetExtension(Extension*, std::string*)
{
    ResetXInputDevices();
    ResetPadBindings();
    ResetPadLayouts(ThePadLayoutTable());
    return true;
}

void UnbindExtension(Extension*) {}

}  // namespace zandrel::host
