// The simulated string and menu layer behaves as user32 does, and CopyMenuItems
// carries every kind of item over.
#include <gtest/gtest.h>

#include <string>

#include "exports/catalogue.h"
#include "platform/resource_access.h"
#include "platform/resource_access_sim.h"

namespace zandrel {
namespace {

namespace res = resources;

std::u16string TextAt(MenuHandle menu, std::uint32_t item, std::uint32_t flags)
{
    char16_t text[128] = u"unchanged";
    res::MenuText(menu, item, text, 128, flags);
    return text;
}

TEST(CopyMenuItems, CarriesSeparatorsNestedPopupsStatesAndCutsLongTexts)
{
    const int menusBefore = res::sim::LiveMenuCount();
    const std::u16string longText(100, u'x');
    MenuHandle source = res::NewPopupMenu();
    MenuHandle inner = res::NewPopupMenu();
    MenuHandle innermost = res::NewPopupMenu();
    ASSERT_TRUE(res::AppendMenuItem(innermost, res::kString, 301, u"deep"));
    ASSERT_TRUE(res::AppendMenuItem(inner, res::kString | res::kChecked, 201, u"checked"));
    ASSERT_TRUE(res::AppendMenuItem(inner, res::kPopup, reinterpret_cast<std::uintptr_t>(innermost), u"more"));
    ASSERT_TRUE(res::AppendMenuItem(source, res::kSeparator, 0, nullptr));
    ASSERT_TRUE(res::AppendMenuItem(source, res::kString | res::kGrayed, 101, u"grey"));
    ASSERT_TRUE(res::AppendMenuItem(source, res::kPopup, reinterpret_cast<std::uintptr_t>(inner), u"sub"));
    ASSERT_TRUE(res::AppendMenuItem(source, res::kString | res::kDisabled, 102, longText.c_str()));

    MenuHandle copy = res::NewPopupMenu();
    CopyMenuItems(copy, source);
    ASSERT_EQ(res::MenuItemCount(copy), 4);
    EXPECT_EQ(res::MenuItemId(copy, 0), 0u);
    EXPECT_EQ(res::MenuState(copy, 0, res::kByPosition), res::kSeparator);
    EXPECT_EQ(res::MenuItemId(copy, 1), 101u);
    EXPECT_EQ(res::MenuState(copy, 1, res::kByPosition), res::kGrayed);
    EXPECT_EQ(TextAt(copy, 1, res::kByPosition), u"grey");
    EXPECT_EQ(res::MenuItemId(copy, 2), res::kNoItem);
    EXPECT_EQ(TextAt(copy, 2, res::kByPosition), u"sub");
    EXPECT_EQ(res::MenuState(copy, 3, res::kByPosition), res::kDisabled);
    EXPECT_EQ(TextAt(copy, 3, res::kByPosition), longText.substr(0, kMenuTextRoom - 1));

    MenuHandle innerCopy = res::SubMenu(copy, 2);
    ASSERT_NE(innerCopy, nullptr);
    EXPECT_NE(innerCopy, inner);
    ASSERT_EQ(res::MenuItemCount(innerCopy), 2);
    EXPECT_EQ(res::MenuState(innerCopy, 0, res::kByPosition), res::kChecked);
    // By command the lookup reaches into popups, two levels down.
    EXPECT_EQ(TextAt(copy, 201, res::kByCommand), u"checked");
    EXPECT_EQ(TextAt(copy, 301, res::kByCommand), u"deep");
    EXPECT_EQ(TextAt(copy, 999, res::kByCommand), u"unchanged");
    EXPECT_EQ(res::MenuState(copy, 999, res::kByCommand), res::kNoItem);

    EXPECT_TRUE(res::FreeMenu(copy));
    EXPECT_TRUE(res::FreeMenu(source));
    EXPECT_FALSE(res::FreeMenu(source));
    EXPECT_EQ(res::sim::LiveMenuCount(), menusBefore);
}

TEST(CopyMenuItems, EmptyOrMissingSourceAppendsNothing)
{
    MenuHandle copy = res::NewPopupMenu();
    MenuHandle empty = res::NewPopupMenu();
    CopyMenuItems(copy, empty);
    int unknown = 0;
    CopyMenuItems(copy, &unknown);  // not a menu: a count of -1
    EXPECT_EQ(res::MenuItemCount(copy), 0);
    res::FreeMenu(copy);
    res::FreeMenu(empty);
}

TEST(LoadEventMenu, UnknownResourceGivesNoneAndLeaksNothing)
{
    const int menusBefore = res::sim::LiveMenuCount();
    EXPECT_EQ(LoadEventMenu(20003), nullptr);
    EXPECT_EQ(LoadEventMenu(0), nullptr);
    MenuHandle menu = LoadEventMenu(kConditionMenuResource);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(res::sim::LiveMenuCount(), menusBefore + 1);
    res::FreeMenu(menu);
    EXPECT_EQ(res::sim::LiveMenuCount(), menusBefore);
}

TEST(SimulatedStrings, CutToTheBufferAndMissingIdsAsUser32)
{
    const struct {
        std::uint32_t id;
        int length;
        int copied;
        std::u16string text;
    } cases[] = {
        {6000, 100, 18, u"%o: PressedKey(%0)"}, {6000, 5, 4, u"%o: "},
        {5510, 100, 9, u"filename "},           {6015, 100, 0, u""},  // same block of 16 as 6000: loads empty
        {9000, 100, 0, u"unchanged"},                                 // no such block: nothing written
    };
    for (const auto& c : cases) {
        char16_t buffer[100] = u"unchanged";
        EXPECT_EQ(res::LoadText(c.id, buffer, c.length), c.copied) << c.id;
        EXPECT_EQ(std::u16string(buffer), c.text) << c.id;
    }
}

}  // namespace
}  // namespace zandrel
