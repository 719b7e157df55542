// In-memory menus and string table, fed from resources/texts.inc and
// resources/menus.inc, answering as the user32 functions do.
#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/resource_access.h"
#include "platform/resource_access_sim.h"
#include "zandrel_version.h"

namespace zandrel::resources {

namespace {

struct TextEntry {
    std::uint32_t id;
    const char16_t* text;
};

constexpr TextEntry kTexts[] = {
#define ZANDREL_STRING(id, text) {id, u"" text},
#include "resources/texts.inc"
#undef ZANDREL_STRING
};

struct MenuSourceItem {
    std::uint32_t id;  // 0 with no text: a separator
    const char16_t* text;
};

#define ZANDREL_MENU_BEGIN(id) constexpr MenuSourceItem kMenu##id[] = {
#define ZANDREL_MENU_SEPARATOR() {0, nullptr},
#define ZANDREL_MENU_ITEM(id, text) {id, u"" text},
#define ZANDREL_MENU_END() \
    }                      \
    ;
#include "resources/menus.inc"
#undef ZANDREL_MENU_BEGIN
#undef ZANDREL_MENU_SEPARATOR
#undef ZANDREL_MENU_ITEM
#undef ZANDREL_MENU_END

struct MenuSource {
    std::uint32_t id;
    const MenuSourceItem* items;
    std::size_t count;
};

constexpr MenuSource kMenus[] = {
#define ZANDREL_MENU_BEGIN(id) {id, kMenu##id, std::size(kMenu##id)},
#define ZANDREL_MENU_SEPARATOR()
#define ZANDREL_MENU_ITEM(id, text)
#define ZANDREL_MENU_END()
#include "resources/menus.inc"
#undef ZANDREL_MENU_BEGIN
#undef ZANDREL_MENU_SEPARATOR
#undef ZANDREL_MENU_ITEM
#undef ZANDREL_MENU_END
};

struct Menu;

struct MenuItem {
    std::uint32_t flags;  // kSeparator, kPopup and the state bits
    std::uint32_t id;
    Menu* submenu;
    bool hasText;
    std::u16string text;
};

struct Menu {
    std::vector<MenuItem> items;
};

// Every live menu, owned here; a handle is the address of its Menu.
std::map<const void*, std::unique_ptr<Menu>>& LiveMenus()
{
    static std::map<const void*, std::unique_ptr<Menu>> menus;
    return menus;
}

Menu* Find(MenuHandle handle)
{
    auto& menus = LiveMenus();
    auto found = menus.find(handle);
    return found == menus.end() ? nullptr : found->second.get();
}

Menu* Create()
{
    auto menu = std::make_unique<Menu>();
    Menu* raw = menu.get();
    LiveMenus().emplace(raw, std::move(menu));
    return raw;
}

MenuItem* ItemAt(Menu* menu, std::uint32_t position)
{
    return menu != nullptr && position < menu->items.size() ? &menu->items[position] : nullptr;
}

// By command the search goes into popups too, as user32's does.
MenuItem* ItemById(Menu* menu, std::uint32_t id)
{
    if (menu == nullptr) {
        return nullptr;
    }
    for (MenuItem& item : menu->items) {
        if (item.submenu != nullptr) {
            if (MenuItem* inner = ItemById(item.submenu, id)) {
                return inner;
            }
        } else if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

MenuItem* Locate(MenuHandle handle, std::uint32_t item, std::uint32_t flags)
{
    Menu* menu = Find(handle);
    return (flags & kByPosition) != 0 ? ItemAt(menu, item) : ItemById(menu, item);
}

int TextLength(const char16_t* text)
{
    return static_cast<int>(std::char_traits<char16_t>::length(text));
}

}  // namespace

void StoreInstance(void*) {}

int LoadText(std::uint32_t id, char16_t* buffer, int length)
{
    // user32 keeps strings in blocks of 16: a missing id of an existing block
    // loads as an empty text, one of a missing block loads nothing.
    const TextEntry* found = nullptr;
    bool blockExists = false;
    for (const TextEntry& entry : kTexts) {
        blockExists = blockExists || (entry.id >> 4) == (id >> 4);
        if (entry.id == id) {
            found = &entry;
        }
    }
    if (buffer == nullptr || length <= 0 || !blockExists) {
        return 0;
    }
    const int copied = found == nullptr ? 0 : std::min(length - 1, TextLength(found->text));
    if (copied > 0) {
        std::copy(found->text, found->text + copied, buffer);
        buffer[copied] = 0;
    } else if (length > 1) {
        buffer[0] = 0;
    }
    return copied;
}

MenuHandle LoadMenuResource(std::uint32_t id)
{
    const MenuSource* source = nullptr;
    for (const MenuSource& menu : kMenus) {
        if (menu.id == id) {
            source = &menu;
        }
    }
    if (source == nullptr) {
        return nullptr;
    }
    Menu* bar = Create();
    Menu* popup = Create();
    bar->items.push_back({kPopup, kNoItem, popup, true, u""});
    for (std::size_t i = 0; i < source->count; ++i) {
        const MenuSourceItem& item = source->items[i];
        if (item.text == nullptr) {
            popup->items.push_back({kSeparator, 0, nullptr, false, {}});
        } else {
            popup->items.push_back({kString, item.id, nullptr, true, item.text});
        }
    }
    return bar;
}

MenuHandle SubMenu(MenuHandle menu, int position)
{
    MenuItem* item = position < 0 ? nullptr : ItemAt(Find(menu), static_cast<std::uint32_t>(position));
    return item == nullptr ? nullptr : item->submenu;
}

int MenuItemCount(MenuHandle menu)
{
    Menu* found = Find(menu);
    return found == nullptr ? -1 : static_cast<int>(found->items.size());
}

std::uint32_t MenuItemId(MenuHandle menu, int position)
{
    MenuItem* item = position < 0 ? nullptr : ItemAt(Find(menu), static_cast<std::uint32_t>(position));
    return item == nullptr || item->submenu != nullptr ? kNoItem : item->id;
}

int MenuText(MenuHandle menu, std::uint32_t item, char16_t* buffer, int length, std::uint32_t flags)
{
    MenuItem* found = Locate(menu, item, flags);
    if (found == nullptr) {
        return 0;
    }
    if (buffer == nullptr || length <= 0) {
        return found->hasText ? static_cast<int>(found->text.size()) : 0;
    }
    const int copied = found->hasText ? std::min(length - 1, static_cast<int>(found->text.size())) : 0;
    std::copy(found->text.begin(), found->text.begin() + copied, buffer);
    buffer[copied] = 0;
    return copied;
}

std::uint32_t MenuState(MenuHandle menu, std::uint32_t item, std::uint32_t flags)
{
    MenuItem* found = Locate(menu, item, flags);
    if (found == nullptr) {
        return kNoItem;
    }
    if (found->submenu != nullptr) {
        // A popup answers its item count in the high byte.
        return static_cast<std::uint32_t>(found->submenu->items.size()) << 8 | (found->flags & 0xFF);
    }
    return found->flags;
}

MenuHandle NewPopupMenu()
{
    return Create();
}

bool AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char16_t* text)
{
    Menu* target = Find(menu);
    if (target == nullptr) {
        return false;
    }
    MenuItem item{flags & ~kByPosition, static_cast<std::uint32_t>(idOrSubmenu), nullptr, false, {}};
    if ((flags & kPopup) != 0) {
        item.submenu = Find(reinterpret_cast<MenuHandle>(idOrSubmenu));
        if (item.submenu == nullptr || item.submenu == target) {
            return false;
        }
        item.id = kNoItem;
    }
    if ((flags & kSeparator) == 0 && text != nullptr) {
        item.hasText = true;
        item.text = text;
    }
    target->items.push_back(std::move(item));
    return true;
}

bool FreeMenu(MenuHandle menu)
{
    auto& menus = LiveMenus();
    auto found = menus.find(menu);
    if (found == menus.end()) {
        return false;
    }
    std::unique_ptr<Menu> owned = std::move(found->second);
    menus.erase(found);
    // Submenus go with their menu.
    for (const MenuItem& item : owned->items) {
        if (item.submenu != nullptr) {
            FreeMenu(item.submenu);
        }
    }
    return true;
}

namespace sim {

int LiveMenuCount()
{
    return static_cast<int>(LiveMenus().size());
}

}  // namespace sim

}  // namespace zandrel::resources
