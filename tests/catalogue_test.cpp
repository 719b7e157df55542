#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_expectations.h"
#include "exports/catalogue.h"
#include "host/exports.h"
#include "platform/resource_access.h"
#include "platform/resource_access_sim.h"

namespace zandrel {
namespace {

namespace ce = catalogue_expectations;
namespace res = resources;

// The exports under their own names, as the shared expectations call them.
struct Exports {
#define NATIVE_EXPORT(name) decltype(&::name) name = &::name;
    NATIVE_EXPORT(GetConditionMenu)
    NATIVE_EXPORT(GetActionMenu)
    NATIVE_EXPORT(GetExpressionMenu)
    NATIVE_EXPORT(GetConditionCodeFromMenu)
    NATIVE_EXPORT(GetActionCodeFromMenu)
    NATIVE_EXPORT(GetExpressionCodeFromMenu)
    NATIVE_EXPORT(GetConditionInfos)
    NATIVE_EXPORT(GetActionInfos)
    NATIVE_EXPORT(GetExpressionInfos)
    NATIVE_EXPORT(GetConditionString)
    NATIVE_EXPORT(GetActionString)
    NATIVE_EXPORT(GetExpressionString)
    NATIVE_EXPORT(GetConditionTitle)
    NATIVE_EXPORT(GetActionTitle)
    NATIVE_EXPORT(GetExpressionTitle)
    NATIVE_EXPORT(GetExpressionParam)
#undef NATIVE_EXPORT
};
const Exports kExports;

struct FakeEditor {
    EditorServices services{};
    std::uint32_t version;
    explicit FakeEditor(std::uint32_t answer, bool hasVersion = true) : version(answer)
    {
        services.GetVersion = hasVersion ? &Version : nullptr;
    }
    static std::uint32_t ZANDREL_CALL Version(EditorServices* self)
    {
        return reinterpret_cast<FakeEditor*>(self)->version;
    }
};

std::u16string MenuTextAt(MenuHandle menu, int position)
{
    char16_t text[kMenuTextRoom] = {};
    res::MenuText(menu, static_cast<std::uint32_t>(position), text, kMenuTextRoom, res::kByPosition);
    return text;
}

TEST(EventMenus, HoldTheEditorsItemsInOrderWithSeparators)
{
    FakeEditor editor(ce::kGoodVersion);
    const int menusBefore = res::sim::LiveMenuCount();
    for (const ce::KindMenu& expected : ce::kMenus) {
        MenuHandle menu = ce::CallMenu(kExports, expected.kind, &editor.services);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(res::MenuItemCount(menu), expected.count);
        for (int position = 0; position < expected.count; ++position) {
            const ce::MenuItem& item = expected.items[position];
            EXPECT_EQ(res::MenuItemId(menu, position), item.id) << position;
            const std::uint32_t state = res::MenuState(menu, static_cast<std::uint32_t>(position), res::kByPosition);
            if (item.id == 0) {
                EXPECT_EQ(state, res::kSeparator);
            } else {
                EXPECT_EQ(MenuTextAt(menu, position), item.text);
                EXPECT_EQ(state, 0u) << position;
            }
        }
        EXPECT_TRUE(res::FreeMenu(menu));
    }
    // The loaded resource menus were released inside the exports.
    EXPECT_EQ(res::sim::LiveMenuCount(), menusBefore);
}

TEST(EventMenus, CodeOfEveryMenuIdAndMinusOneForOthers)
{
    for (const ce::KindMenu& kind : ce::kMenus) {
        int commands = 0;
        for (int position = 0; position < kind.count; ++position) {
            const ce::MenuItem& item = kind.items[position];
            if (item.id != 0) {
                ++commands;
                EXPECT_EQ(ce::CallCodeFromMenu(kExports, kind.kind, item.id), item.id - kind.menuBase);
            }
        }
        EXPECT_EQ(commands, CatalogueTable(static_cast<EventKind>(kind.kind)).count);
    }
    for (const ce::CodeCase& c : ce::kForeignIds) {
        EXPECT_EQ(ce::CallCodeFromMenu(kExports, c.kind, c.menuId), c.code) << c.menuId;
    }
}

TEST(EventInfos, BlocksFromTheCodeFieldOn)
{
    for (const ce::InfoCase& c : ce::kInfos) {
        const std::int16_t* block = ce::CallInfos(kExports, c.kind, c.code);
        ASSERT_NE(block, nullptr) << c.code;
        for (int i = 0; c.words[i] != -1; ++i) {
            EXPECT_EQ(block[i], c.words[i])
                << "kind " << static_cast<int>(c.kind) << " code " << c.code << " word " << i;
        }
    }
}

TEST(EventInfos, EveryRecordIsFoundAtItsCodeAndForeignCodesGetNone)
{
    for (const ce::KindMenu& kind : ce::kMenus) {
        const EventTable& table = CatalogueTable(static_cast<EventKind>(kind.kind));
        const std::int16_t* expected = table.words;
        for (std::int16_t code = 0; code < table.count; ++code) {
            EXPECT_EQ(ce::CallInfos(kExports, kind.kind, code), expected + kInfoCode);
            EXPECT_EQ(expected[kInfoMenuId], kind.menuBase + code);
            expected += kInfoTypes + 2 * ParamCount(expected);
        }
        EXPECT_EQ(expected, table.words + table.wordCount);
        for (std::int16_t code : ce::kForeignCodes) {
            EXPECT_EQ(ce::CallInfos(kExports, kind.kind, code), nullptr) << code;
        }
    }
}

TEST(EventInfos, TitleIdsNumberedAsTheEditorExpects)
{
    const struct {
        EventKind kind;
        std::vector<int> ids;
    } cases[] = {
        {EventKind::kCondition, {6501, 6502, 6503, 6504}},
        {EventKind::kAction, {5501, 5502, 5503, 5504, 5505, 5506, 5507, 5508, 5509, 5510,
                              5511, 5512, 5513, 5514, 5515, 5516, 5517, 5518, 5519, 5520}},
        {EventKind::kExpression, {0, 7500, 7501, 7502, 7503, 7505, 7506, 7507, 7508, 7509}},
    };
    for (const auto& c : cases) {
        const EventTable& table = CatalogueTable(c.kind);
        std::vector<int> ids;
        for (std::int16_t code = 0; code < table.count; ++code) {
            const std::int16_t* record = FindEventInfo(table, code);
            for (int i = 0; i < ParamCount(record); ++i) {
                ids.push_back(ParamTitleId(record, i));
            }
        }
        EXPECT_EQ(ids, c.ids);
    }
}

TEST(EventTexts, DisplayStringsAndTitlesWithTheirFallbacks)
{
    FakeEditor editor(ce::kGoodVersion);
    for (const ce::TextCase& c : ce::kTexts) {
        char16_t buffer[256] = u"unchanged";
        ce::CallText(kExports, &editor.services, c.which, c.code, c.index, buffer, 256);
        EXPECT_EQ(std::u16string(buffer), c.expected != nullptr ? c.expected : u"unchanged")
            << "text kind " << static_cast<int>(c.which) << " code " << c.code << " index " << c.index;
    }
}

TEST(EventTexts, EveryDisplayStringAndTitleExists)
{
    FakeEditor editor(ce::kGoodVersion);
    for (const ce::KindMenu& kind : ce::kMenus) {
        const EventTable& table = CatalogueTable(static_cast<EventKind>(kind.kind));
        for (std::int16_t code = 0; code < table.count; ++code) {
            const std::int16_t* record = FindEventInfo(table, code);
            char16_t text[256] = {};
            EXPECT_GT(res::LoadText(static_cast<std::uint16_t>(record[kInfoStringId]), text, 256), 0) << code;
            for (int i = 0; i < ParamCount(record); ++i) {
                const std::int16_t title = ParamTitleId(record, i);
                if (title != 0) {
                    EXPECT_GT(res::LoadText(static_cast<std::uint16_t>(title), text, 256), 0) << title;
                }
            }
        }
    }
}

TEST(EventTexts, SmallAndMissingBuffers)
{
    FakeEditor editor(ce::kGoodVersion);
    const struct {
        ce::Text which;
        std::int16_t code;
        std::int16_t index;
    } exportsUnderTest[] = {
        {ce::Text::kActionString, 0, 0},    {ce::Text::kConditionTitle, 2, 0},
        {ce::Text::kExpressionTitle, 0, 0},                                      // through the menu text
        {ce::Text::kExpressionParam, 5, 1}, {ce::Text::kExpressionParam, 0, 0},  // the empty title
    };
    for (const auto& e : exportsUnderTest) {
        char16_t buffer[4] = {u'#', u'#', u'#', 0};
        ce::CallText(kExports, &editor.services, e.which, e.code, e.index, buffer, 0);
        EXPECT_EQ(std::u16string(buffer), u"###");
        ce::CallText(kExports, &editor.services, e.which, e.code, e.index, buffer, 1);
        EXPECT_EQ(buffer[0], 0);
        EXPECT_EQ(buffer[1], u'#');
        ce::CallText(kExports, &editor.services, e.which, e.code, e.index, nullptr, 100);
    }
    char16_t cut[5] = {};
    GetActionString(&editor.services, 0, cut, 5);
    EXPECT_EQ(std::u16string(cut), u"SetP");
    GetExpressionTitle(&editor.services, 0, cut, 4);
    EXPECT_EQ(std::u16string(cut), u"get");
}

TEST(EditorGate, RefusedEditorsGetNoMenusOrDisplayStringsButEverythingElse)
{
    std::vector<FakeEditor> refused;
    for (std::uint32_t version : ce::kRefusedVersions) {
        refused.emplace_back(version);
    }
    refused.emplace_back(ce::kGoodVersion, false);
    for (FakeEditor& editor : refused) {
        for (const ce::KindMenu& kind : ce::kMenus) {
            EXPECT_EQ(ce::CallMenu(kExports, kind.kind, &editor.services), nullptr) << editor.version;
        }
        for (ce::Text which : {ce::Text::kConditionString, ce::Text::kActionString, ce::Text::kExpressionString}) {
            char16_t buffer[32] = u"unchanged";
            ce::CallText(kExports, &editor.services, which, 0, 0, buffer, 32);
            EXPECT_EQ(std::u16string(buffer), u"unchanged");
        }
        char16_t title[32] = {};
        GetConditionTitle(&editor.services, 2, 0, title, 32);
        EXPECT_EQ(std::u16string(title), u"Button (0-16)");
        EXPECT_NE(GetConditionInfos(&editor.services, 3), nullptr);
        EXPECT_EQ(GetActionCodeFromMenu(&editor.services, 25003), 3);
    }
    EXPECT_EQ(GetActionMenu(nullptr, nullptr, nullptr), nullptr);
}

}  // namespace
}  // namespace zandrel
