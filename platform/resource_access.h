// The string and menu functions the catalogue uses, one function per user32 call.
// Windows: resource_access_win32.cpp, the real user32 over the module's own
// resources. Native: resource_access_sim.cpp, in-memory menus and a string table
// built from resources/texts.inc and resources/menus.inc, behaving like user32.
#pragma once

#include <cstdint>

#include "host/exports.h"

namespace zandrel::resources {

// user32 flag values, the same in both builds.
constexpr std::uint32_t kByCommand = 0x0000;    // MF_BYCOMMAND
constexpr std::uint32_t kByPosition = 0x0400;   // MF_BYPOSITION
constexpr std::uint32_t kString = 0x0000;       // MF_STRING
constexpr std::uint32_t kGrayed = 0x0001;       // MF_GRAYED
constexpr std::uint32_t kDisabled = 0x0002;     // MF_DISABLED
constexpr std::uint32_t kChecked = 0x0008;      // MF_CHECKED
constexpr std::uint32_t kPopup = 0x0010;        // MF_POPUP
constexpr std::uint32_t kSeparator = 0x0800;    // MF_SEPARATOR
constexpr std::uint32_t kNoItem = 0xFFFFFFFFu;  // GetMenuItemID of a popup or a missing item; failed GetMenuState

// The module's instance handle, kept from process attach (Windows only; the
// simulated resources belong to no module).
void StoreInstance(void* instance);

// As LoadStringW: copies at most length - 1 characters and a terminator; returns the
// characters copied. `length` must be at least 1.
int LoadText(std::uint32_t id, char16_t* buffer, int length);
MenuHandle LoadMenuResource(std::uint32_t id);
MenuHandle SubMenu(MenuHandle menu, int position);
int MenuItemCount(MenuHandle menu);
std::uint32_t MenuItemId(MenuHandle menu, int position);
int MenuText(MenuHandle menu, std::uint32_t item, char16_t* buffer, int length, std::uint32_t flags);
std::uint32_t MenuState(MenuHandle menu, std::uint32_t item, std::uint32_t flags);
MenuHandle NewPopupMenu();
bool AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char16_t* text);
bool FreeMenu(MenuHandle menu);

// A loaded menu resource, destroyed when the owner goes out of scope.
class LoadedMenu {
public:
    explicit LoadedMenu(std::uint32_t id) : menu_(LoadMenuResource(id)) {}
    ~LoadedMenu()
    {
        if (menu_ != nullptr) {
            FreeMenu(menu_);
        }
    }
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;
    MenuHandle get() const { return menu_; }

private:
    MenuHandle menu_;
};

}  // namespace zandrel::resources
