// The host's side of the boundary, against a small fake extension: how it prints
// menus, records, texts and results, and what it reports of an extension that
// misbehaves (texts without terminator, writes past a buffer, missing routines).
#include <gtest/gtest.h>

#include <cstring>

#include "tools/host/host.h"

namespace zandrel::host {
namespace {

// The fake's state, read back by the tests.
std::vector<HostParam> takenParameters;
std::u16string takenFileName;

struct FakeMenu {};
FakeMenu fakeMenu;

const std::int16_t kConditionRecord[] = {0, 0, 1, 22, 100};
const std::int16_t kActionRecord[] = {0, 0, 2, 22, 45, 200, 201};
const std::int16_t kExpressionRecords[3][8] = {{0, 1, 1, 1, 300}, {1, 1, 0}, {2, 0, 2, 1, 1, 301, 302}};

std::int32_t ZANDREL_CALL Odd(RunObject*, std::int32_t value, std::int32_t)
{
    return (value & 1) != 0 ? 2 : 0;
}

std::int32_t ZANDREL_CALL Take(RunObject* object, std::int32_t, std::int32_t)
{
    HostServices* services = object->header.services;
    takenParameters.push_back(services->NextActionParameter(object, -1, 0));
    const HostParam name = services->NextActionParameter(object, -1, 0);
    takenFileName = reinterpret_cast<const char16_t*>(name);
    takenParameters.push_back(services->NextActionParameter(object, -1, 0));  // one too many: 0
    return 0;
}

HostParam ZANDREL_CALL Echo(RunObject* object, HostParam handle)
{
    HostServices* services = object->header.services;
    const std::int32_t length = services->FirstExpressionParameter(object, 0, handle);
    char16_t* buffer = services->StringResultBuffer(object, 0, kStringResultRoom);
    for (std::int32_t i = 0; i < length; ++i) {
        buffer[i] = u'"';
    }
    buffer[length] = u'\0';
    object->header.flags |= kStringResultFlag;
    return reinterpret_cast<HostParam>(buffer);
}

HostParam ZANDREL_CALL Empty(RunObject* object, HostParam)
{
    static const char16_t kEmpty[] = u"";
    object->header.flags |= kStringResultFlag;
    return reinterpret_cast<HostParam>(kEmpty);
}

HostParam ZANDREL_CALL Difference(RunObject* object, HostParam handle)
{
    HostServices* services = object->header.services;
    const std::int32_t first = services->FirstExpressionParameter(object, 0, handle);
    const std::int32_t second = services->NextExpressionParameter(object, 0, handle);
    return first - second;
}

ConditionRoutine const kConditions[] = {&Odd, nullptr};
ActionRoutine const kActions[] = {&Take, nullptr, nullptr};
ExpressionRoutine const kExpressions[] = {&Echo, &Empty, &Difference, nullptr};

std::int32_t ZANDREL_CALL RunObjectInfos(void*, RunInfo* info)
{
    info->conditions = kConditions;
    info->actions = kActions;
    info->expressions = kExpressions;
    info->conditionCount = 1;
    info->actionCount = 2;  // code 1 has no routine
    info->expressionCount = 3;
    info->editDataSize = 20;
    std::memcpy(info->identifier,
                "AB\x01"
                "D",
                4);
    return 1;
}

MenuHandle ZANDREL_CALL Menu(EditorServices* editor, void*, void*)
{
    return IsEditorCompatible(editor) ? &fakeMenu : nullptr;
}

// Each kind's menu: a separator, an event, and a popup holding the others.
std::vector<MenuItem> MenuItems(std::uint32_t base)
{
    MenuItem separator;
    separator.separator = true;
    MenuItem first;
    first.id = base;
    first.text = "First";
    MenuItem second;
    second.id = base + 1;
    second.text = "Second";
    MenuItem third;
    third.id = base + 2;
    third.text = "Third";
    MenuItem deeper;
    deeper.popup = true;
    deeper.text = "Deeper";
    deeper.children = {third, separator};
    MenuItem more;
    more.popup = true;
    more.text = "More";
    more.children = {second, deeper};
    return {separator, first, more};
}

std::uint32_t menuBase = 0;

bool ReadMenu(MenuHandle, std::vector<MenuItem>* items)
{
    *items = MenuItems(menuBase);
    return true;
}

std::int32_t ZANDREL_CALL CodeFromMenu(EditorServices*, std::uint16_t id)
{
    return id >= 1000 && id < 1003 ? id - 1000 : -1;
}

const std::int16_t* ZANDREL_CALL ConditionInfos(EditorServices*, std::int16_t code)
{
    return code == 0 ? kConditionRecord : nullptr;
}
const std::int16_t* ZANDREL_CALL ActionInfos(EditorServices*, std::int16_t code)
{
    return code == 0 || code == 1 ? kActionRecord : nullptr;
}
const std::int16_t* ZANDREL_CALL ExpressionInfos(EditorServices*, std::int16_t code)
{
    return code >= 0 && code < 3 ? kExpressionRecords[code] : nullptr;
}

// Code 0 fills the buffer without a terminator, code 1 writes one past it, others nothing.
void ZANDREL_CALL String(EditorServices*, std::int16_t code, char16_t* buffer, std::uint16_t length)
{
    if (code == 0) {
        std::fill(buffer, buffer + length, u'x');
    } else if (code == 1) {
        buffer[0] = u'\0';
        buffer[length] = u'!';
    }
}

void ZANDREL_CALL Title(EditorServices*, std::int16_t code, std::int16_t index, char16_t* buffer, std::uint16_t)
{
    const char16_t* text = index == 0 ? u"a \"quoted\" \\ title \u00e9" : u"";
    if (code == 0) {
        std::memcpy(buffer, text, (std::char_traits<char16_t>::length(text) + 1) * sizeof(char16_t));
    }
}

class HostSide : public ::testing::Test {
protected:
    HostSide()
    {
        takenParameters.clear();
        takenFileName.clear();
        menuBase = 1000;
        extension.GetRunObjectInfos = &RunObjectInfos;
        extension.GetRunObjectDataSize = &::GetRunObjectDataSize;
        extension.CreateRunObject = &::CreateRunObject;
        extension.DestroyRunObject = &::DestroyRunObject;
        extension.HandleRunObject = &::HandleRunObject;
        for (auto& menu : extension.GetMenu) {
            menu = &Menu;
        }
        for (auto& code : extension.GetCodeFromMenu) {
            code = &CodeFromMenu;
        }
        extension.GetEventInfos[0] = &ConditionInfos;
        extension.GetEventInfos[1] = &ActionInfos;
        extension.GetEventInfos[2] = &ExpressionInfos;
        for (auto& string : extension.GetString) {
            string = &String;
        }
        extension.GetConditionTitle = &Title;
        extension.ReadAndFreeMenu = &ReadMenu;
    }

    // Every output line of the script, in order.
    std::vector<std::string> Run(const std::string& text)
    {
        Host host(extension);
        std::string error;
        EXPECT_TRUE(host.Start(&error)) << error;
        Script script;
        ParseError parseError;
        EXPECT_TRUE(ParseScript(text, host.directory(), &script, &parseError))
            << parseError.line << ": " << parseError.message;
        std::vector<std::string> output;
        for (const Command& command : script.commands) {
            host.Execute(command, &output);
        }
        return output;
    }

    Extension extension;
};

using Lines = std::vector<std::string>;

TEST_F(HostSide, MenusPrintNestedPopupsIndented)
{
    EXPECT_EQ(Run("menu actions\n"),
              (Lines{"-", "1000 First", "> More", "  1001 Second", "  > Deeper", "    1002 Third", "    -"}));
    EXPECT_EQ(Run("editor 0x02008000\nmenu actions\n"), (Lines{"= none"}));
}

TEST_F(HostSide, EventsInsidePopupsHaveNames)
{
    EXPECT_EQ(Run("create o\nexpression o Third 7 2\nexpression o First 3\nexpression o Second\n"),
              (Lines{"= 5", "= \"\\\"\\\"\\\"\"", "= \"\""}));
}

TEST_F(HostSide, RecordsAndRunInfo)
{
    EXPECT_EQ(Run("info actions 1\ninfo conditions 1\nruninfo\n"),
              (Lines{"= code 0 flags 0x0 params 2 types 22 45 titles 200 201", "= none",
                     "= conditions 1 actions 2 expressions 3 editdata 20 code AB?D"}));
}

TEST_F(HostSide, ConditionsPrintTheirValueAndFireWhenNonZero)
{
    EXPECT_EQ(Run("create o\ncondition o First 3\ncondition o First 4\n"), (Lines{"= 2", "= 0"}));
    EXPECT_EQ(Run("create o\non o First 3\non o First 4\non o First 5\nframe\n"),
              (Lines{"fired o First 3", "fired o First 5"}));
}

TEST_F(HostSide, ActionParametersArriveInOrderAndFileNamesAsText)
{
    EXPECT_EQ(Run("create o\naction o First -5 \"caf\xC3\xA9.cfg\"\n"), Lines{});
    EXPECT_EQ(takenParameters, (std::vector<HostParam>{-5, 0}));
    EXPECT_EQ(takenFileName, u"caf\u00e9.cfg");
}

TEST_F(HostSide, MissingRoutineIsReported)
{
    EXPECT_EQ(Run("create o\naction o Second 1 \"f\"\n"), (Lines{"! no routine for action Second"}));
}

TEST_F(HostSide, TextFaultsAreReported)
{
    const Lines lines = Run("string conditions 0\nstring conditions 1\nstring conditions 2\ntitle conditions 0\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "= \"" + std::string(256, 'x') + "\"");
    EXPECT_EQ(lines[1], "! text without terminator in 256 characters");
    EXPECT_EQ(lines[2], "= \"\"");
    EXPECT_EQ(lines[3], "! text written past 256 characters");
    EXPECT_EQ(lines[4], "= unchanged");
    EXPECT_EQ(lines[5], "= \"a \\\"quoted\\\" \\\\ title \xC3\xA9\"");
}

TEST_F(HostSide, StringResultWrittenPastItsRoomIsReported)
{
    std::string quotes;
    for (int i = 0; i < 65; ++i) {
        quotes += "\\\"";
    }
    EXPECT_EQ(Run("create o\nexpression o First 65\n"), (Lines{"= \"" + quotes + "\""}));
    const Lines lines = Run("create o\nexpression o First 70\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "! string result without terminator");
    EXPECT_EQ(lines[2], "! string result written past its 66 characters");
}

}  // namespace
}  // namespace zandrel::host
