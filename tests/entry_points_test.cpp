#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "exports/routine_tables.h"
#include "exports/run_info.h"
#include "host/exports.h"

namespace zandrel {
namespace {

struct RecordingEditor {
    EditorServices services{};
    std::uint32_t version = 0x02000000u | 249u;
    struct Call {
        void* editData;
        std::int32_t function;
        HostParam a, b, c;
    };
    std::vector<Call> calls;

    explicit RecordingEditor(bool hasVersion = true)
    {
        services.GetVersion = hasVersion ? &Version : nullptr;
        services.GeneralCall = &General;
    }
    static std::uint32_t ZANDREL_CALL Version(EditorServices* self)
    {
        return reinterpret_cast<RecordingEditor*>(self)->version;
    }
    static HostParam ZANDREL_CALL General(EditorServices* self, void* editData, std::int32_t function, HostParam a,
                                          HostParam b, HostParam c)
    {
        reinterpret_cast<RecordingEditor*>(self)->calls.push_back({editData, function, a, b, c});
        return 0;
    }
};

TEST(GetInfos, AnswersEachQuery)
{
    const std::pair<std::int32_t, std::uint32_t> cases[] = {{0, 0x300}, {1, 0}, {2, 0x100}, {5, 0}, {6, 2},
                                                            {7, 249},   {8, 1}, {9, 0},     {-1, 0}};
    for (const auto& [query, answer] : cases) {
        EXPECT_EQ(GetInfos(query), answer) << query;
    }
}

TEST(GetRunObjectInfos, FillsTablesCountsAndIdentityLeavingOtherBytes)
{
    unsigned char bytes[sizeof(RunInfo) + 8];
    std::memset(bytes, 0xCC, sizeof bytes);
    auto* info = reinterpret_cast<RunInfo*>(bytes);
    EXPECT_EQ(GetRunObjectInfos(nullptr, info), 1);
    EXPECT_EQ(info->conditions, kConditionRoutines);
    EXPECT_EQ(info->actions, kActionRoutines);
    EXPECT_EQ(info->expressions, kExpressionRoutines);
    EXPECT_EQ(info->conditionCount, 8);
    EXPECT_EQ(info->actionCount, 16);
    EXPECT_EQ(info->expressionCount, 17);
    EXPECT_EQ(info->editDataSize, 20);
    EXPECT_EQ(info->hostValue20, 0);
    EXPECT_EQ(info->hostValue24, 100);
    EXPECT_EQ(info->hostValue26, 0);
    EXPECT_EQ(std::string(info->identifier, 4), "QXRV");
    EXPECT_EQ(info->hostValue32, 1);
    EXPECT_EQ(bytes[RunInfoOffset(25)], 0xCC);
    for (std::size_t i = RunInfoOffset(34); i < sizeof bytes; ++i) {
        EXPECT_EQ(bytes[i], 0xCC) << i;
    }
    EXPECT_EQ(kConditionRoutines[kConditionCount], nullptr);
    EXPECT_EQ(kActionRoutines[kActionCount], nullptr);
    EXPECT_EQ(kExpressionRoutines[kExpressionCount], nullptr);
    EXPECT_EQ(GetRunObjectInfos(nullptr, nullptr), 0);
}

TEST(CreateObject, ResizesTheEditDataOnlyForCompatibleEditors)
{
    const struct {
        std::uint32_t version;
        bool hasVersion;
        std::int32_t result;
    } cases[] = {
        {0x02000000u | 249u, true, 0},  {0x0205ABCDu & ~0x8000u, true, 0}, {0x020080F9u, true, -1},
        {0x02000000u | 248u, true, -1}, {0x01FF00F9u, true, -1},           {0x020000F9u, false, -1},
    };
    for (const auto& c : cases) {
        RecordingEditor editor(c.hasVersion);
        editor.version = c.version;
        unsigned char editData[20];
        EXPECT_EQ(CreateObject(&editor.services, nullptr, editData), c.result) << std::hex << c.version;
        if (c.result == 0) {
            ASSERT_EQ(editor.calls.size(), 1u);
            EXPECT_EQ(editor.calls[0].editData, editData);
            EXPECT_EQ(editor.calls[0].function, 5);
            EXPECT_EQ(editor.calls[0].a, reinterpret_cast<HostParam>(editData));
            EXPECT_EQ(editor.calls[0].b, 20);
            EXPECT_EQ(editor.calls[0].c, 0);
        } else {
            EXPECT_TRUE(editor.calls.empty());
        }
    }
    EXPECT_EQ(CreateObject(nullptr, nullptr, nullptr), -1);
}

TEST(EditorExports, PropertiesRectHelpAndObjectTexts)
{
    RecordingEditor editor;
    unsigned char editData[20];
    EXPECT_EQ(GetProperties(&editor.services, editData, nullptr), 1);
    ASSERT_EQ(editor.calls.size(), 1u);
    EXPECT_EQ(editor.calls[0].function, 1);
    EXPECT_EQ(*reinterpret_cast<const std::int32_t*>(editor.calls[0].a), 0);  // empty list
    EXPECT_EQ(editor.calls[0].b, 1);
    EXPECT_EQ(editor.calls[0].c, 1);
    EXPECT_EQ(GetProperties(nullptr, editData, nullptr), 1);

    HostRect rect{-7, 3, 0, 0};
    GetObjectRect(&editor.services, &rect, nullptr, nullptr);
    EXPECT_EQ(rect.right, 25);
    EXPECT_EQ(rect.bottom, 35);
    GetObjectRect(&editor.services, nullptr, nullptr, nullptr);

    EXPECT_EQ(std::u16string(GetHelpFileName()), u"Help\\MyExt.chm");

    char16_t name[255] = {}, author[255] = {}, legal[255] = {}, comment[1024] = {}, web[255] = {};
    GetObjInfos(&editor.services, editData, name, author, legal, comment, web);
    EXPECT_EQ(std::u16string(name), u"zandrel Extension");
    for (const char16_t* text : {author, legal, comment, web}) {
        EXPECT_GT(std::u16string(text).size(), 0u);
    }
    GetObjInfos(&editor.services, editData, nullptr, author, nullptr, nullptr, nullptr);
}

TEST(TrivialExports, AnswerTheirFixedValues)
{
    EXPECT_EQ(GetDependencies(), nullptr);
    ASSERT_NE(GetDebugTree(nullptr), nullptr);
    EXPECT_EQ(GetDebugTree(nullptr)[0], 0xFFFF);
    const std::int32_t ones[] = {SaveRunObject(nullptr, nullptr), LoadRunObject(nullptr, nullptr),
                                 GetTextFont(nullptr, nullptr, nullptr, nullptr, nullptr),
                                 SetTextFont(nullptr, nullptr, nullptr, nullptr),
                                 IsPropEnabled(nullptr, nullptr, nullptr)};
    for (std::int32_t value : ones) {
        EXPECT_EQ(value, 1);
    }
    const std::int32_t zeros[] = {DisplayRunObject(nullptr),
                                  PauseRunObject(nullptr),
                                  ContinueRunObject(nullptr),
                                  Initialize(nullptr, 0),
                                  Free(nullptr),
                                  EditObject(nullptr, nullptr, nullptr, nullptr),
                                  LoadObject(nullptr, nullptr, nullptr, nullptr),
                                  GetFilters(nullptr, nullptr, nullptr, nullptr),
                                  UsesFile(nullptr, nullptr),
                                  UpdateEditStructure(nullptr, nullptr),
                                  GetTextCaps(nullptr, nullptr),
                                  GetTextAlignment(nullptr, nullptr),
                                  GetTextClr(nullptr, nullptr),
                                  IsTransparent(nullptr, nullptr, nullptr, 0, 0),
                                  GetPropValue(nullptr, nullptr, nullptr),
                                  GetPropCheck(nullptr, nullptr, nullptr),
                                  GetPropCreateParam(nullptr, nullptr, nullptr),
                                  EditProp(nullptr, nullptr, nullptr)};
    for (std::int32_t value : zeros) {
        EXPECT_EQ(value, 0);
    }
}

}  // namespace
}  // namespace zandrel
