#include <windows.h>

#include "platform/resource_access.h"

namespace zandrel::resources {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide characters");
static_assert(kByPosition == MF_BYPOSITION && kSeparator == MF_SEPARATOR && kPopup == MF_POPUP &&
                  kGrayed == MF_GRAYED && kDisabled == MF_DISABLED && kChecked == MF_CHECKED,
              "user32 flags");

namespace {

// Null until process attach; LoadStringW and LoadMenuW then read the process's
// own image, which is right for a static link into a program.
HINSTANCE g_instance = nullptr;

HMENU AsMenu(MenuHandle menu)
{
    return static_cast<HMENU>(menu);
}
wchar_t* Wide(char16_t* text)
{
    return reinterpret_cast<wchar_t*>(text);
}

}  // namespace

void StoreInstance(void* instance)
{
    g_instance = static_cast<HINSTANCE>(instance);
}

int LoadText(std::uint32_t id, char16_t* buffer, int length)
{
    return LoadStringW(g_instance, id, Wide(buffer), length);
}

MenuHandle LoadMenuResource(std::uint32_t id)
{
    return LoadMenuW(g_instance, MAKEINTRESOURCEW(id));
}

MenuHandle SubMenu(MenuHandle menu, int position)
{
    return GetSubMenu(AsMenu(menu), position);
}

int MenuItemCount(MenuHandle menu)
{
    return GetMenuItemCount(AsMenu(menu));
}

std::uint32_t MenuItemId(MenuHandle menu, int position)
{
    return GetMenuItemID(AsMenu(menu), position);
}

int MenuText(MenuHandle menu, std::uint32_t item, char16_t* buffer, int length, std::uint32_t flags)
{
    return GetMenuStringW(AsMenu(menu), item, Wide(buffer), length, flags);
}

std::uint32_t MenuState(MenuHandle menu, std::uint32_t item, std::uint32_t flags)
{
    return GetMenuState(AsMenu(menu), item, flags);
}

MenuHandle NewPopupMenu()
{
    return CreatePopupMenu();
}

bool AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char16_t* text)
{
    return AppendMenuW(AsMenu(menu), flags, idOrSubmenu, reinterpret_cast<const wchar_t*>(text)) != FALSE;
}

bool FreeMenu(MenuHandle menu)
{
    return DestroyMenu(AsMenu(menu)) != FALSE;
}

}  // namespace zandrel::resources
