// The event catalogue as the editor sees it, through the real user32 menu and
// string functions over the library's own resources.
#include "tests/catalogue_expectations.h"
#include "tests/wine/wine_host.h"

namespace ce = catalogue_expectations;

namespace {

constexpr std::uint16_t kRoom = 256;

std::u16string MenuTextAt(HMENU menu, int position)
{
    wchar_t text[kRoom] = {};
    GetMenuStringW(menu, position, text, kRoom, MF_BYPOSITION);
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace

WINE_CHECK_GROUP(EditorMenus)
{
    wine_host::Editor editor(ce::kGoodVersion);
    for (const ce::KindMenu& expected : ce::kMenus) {
        auto menu = static_cast<HMENU>(ce::CallMenu(mfx, expected.kind, editor.get()));
        if (!EXPECT_TRUE(menu != nullptr)) {
            continue;
        }
        if (EXPECT_SAME(expected.count, GetMenuItemCount(menu))) {
            for (int position = 0; position < expected.count; ++position) {
                const ce::MenuItem& item = expected.items[position];
                EXPECT_SAME(static_cast<UINT>(item.id), GetMenuItemID(menu, position));
                const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
                if (item.id == 0) {
                    EXPECT_SAME(static_cast<UINT>(MF_SEPARATOR), state & MF_SEPARATOR);
                    continue;
                }
                EXPECT_SAME(std::u16string(item.text), MenuTextAt(menu, position));
                EXPECT_SAME(0u, state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR));
                // The code behind each command id is found through the id alone.
                EXPECT_SAME(item.id - expected.menuBase, ce::CallCodeFromMenu(mfx, expected.kind, item.id));
            }
        }
        EXPECT_TRUE(DestroyMenu(menu) != FALSE);
    }
    for (const ce::CodeCase& c : ce::kForeignIds) {
        EXPECT_SAME(c.code, ce::CallCodeFromMenu(mfx, c.kind, c.menuId));
    }
}

WINE_CHECK_GROUP(EventInfoBlocks)
{
    for (const ce::InfoCase& c : ce::kInfos) {
        const std::int16_t* block = ce::CallInfos(mfx, c.kind, c.code);
        if (!EXPECT_TRUE(block != nullptr)) {
            continue;
        }
        for (int i = 0; c.words[i] != -1; ++i) {
            EXPECT_SAME(c.words[i], block[i]);
        }
    }
    for (const ce::KindMenu& kind : ce::kMenus) {
        for (std::int16_t code : ce::kForeignCodes) {
            EXPECT_TRUE(ce::CallInfos(mfx, kind.kind, code) == nullptr);
        }
    }
}

WINE_CHECK_GROUP(DisplayStringsAndTitles)
{
    wine_host::Editor editor(ce::kGoodVersion);
    for (const ce::TextCase& c : ce::kTexts) {
        char16_t buffer[kRoom] = u"unchanged";
        ce::CallText(mfx, editor.get(), c.which, c.code, c.index, buffer, kRoom);
        EXPECT_SAME(std::u16string(c.expected != nullptr ? c.expected : u"unchanged"), wine_host::TextOf(buffer));
    }
    // Short buffers: texts are cut to length - 1; one character holds only the terminator.
    char16_t buffer[8] = u"#######";
    mfx.GetActionString(editor.get(), 0, buffer, 5);
    EXPECT_SAME(std::u16string(u"SetP"), wine_host::TextOf(buffer));
    std::fill(buffer, buffer + 7, u'#');
    mfx.GetExpressionTitle(editor.get(), 0, buffer, 4);
    EXPECT_SAME(std::u16string(u"get"), wine_host::TextOf(buffer));
    std::fill(buffer, buffer + 7, u'#');
    mfx.GetConditionTitle(editor.get(), 2, 0, buffer, 1);
    EXPECT_SAME(0, buffer[0]);
    EXPECT_SAME(u'#', buffer[1]);
    std::fill(buffer, buffer + 7, u'#');
    mfx.GetExpressionParam(editor.get(), 5, 1, buffer, 0);
    EXPECT_SAME(u'#', buffer[0]);
    mfx.GetActionString(editor.get(), 0, nullptr, 100);
}

WINE_CHECK_GROUP(CatalogueEditorGate)
{
    std::vector<wine_host::Editor> refused;
    for (std::uint32_t version : ce::kRefusedVersions) {
        refused.emplace_back(version);
    }
    refused.emplace_back(ce::kGoodVersion, false);
    for (wine_host::Editor& editor : refused) {
        for (const ce::KindMenu& kind : ce::kMenus) {
            EXPECT_TRUE(ce::CallMenu(mfx, kind.kind, editor.get()) == nullptr);
        }
        char16_t buffer[kRoom] = u"unchanged";
        mfx.GetActionString(editor.get(), 0, buffer, kRoom);
        mfx.GetConditionString(editor.get(), 0, buffer, kRoom);
        mfx.GetExpressionString(editor.get(), 0, buffer, kRoom);
        EXPECT_SAME(std::u16string(u"unchanged"), wine_host::TextOf(buffer));
        // Titles, infos and codes answer all the same.
        mfx.GetConditionTitle(editor.get(), 2, 0, buffer, kRoom);
        EXPECT_SAME(std::u16string(u"Button (0-16)"), wine_host::TextOf(buffer));
        EXPECT_TRUE(mfx.GetConditionInfos(editor.get(), 3) != nullptr);
        EXPECT_SAME(3, mfx.GetActionCodeFromMenu(editor.get(), 25003));
    }
}
