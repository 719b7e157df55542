#include "tools/host/extension.h"
#include "tools/host/text.h"

namespace zandrel::host {

namespace {

constexpr int kMenuTextRoom = 256;

}  // namespace

bool ReadMenuItems(const MenuCalls& calls, MenuHandle menu, std::vector<MenuItem>* items)
{
    const int count = calls.count(menu);
    if (count < 0) {
        return false;
    }
    for (int position = 0; position < count; ++position) {
        MenuItem item;
        char16_t text[kMenuTextRoom] = {};
        calls.text(menu, position, text, kMenuTextRoom);
        text[kMenuTextRoom - 1] = u'\0';
        item.text = Utf16ToUtf8(text);
        const std::uint32_t id = calls.id(menu, position);
        MenuHandle submenu = calls.submenu(menu, position);
        if (submenu != nullptr) {
            item.popup = true;
            if (!ReadMenuItems(calls, submenu, &item.children)) {
                return false;
            }
        } else if (id == 0) {
            item.separator = true;
        } else {
            item.id = id;
        }
        items->push_back(std::move(item));
    }
    return true;
}

}  // namespace zandrel::host
