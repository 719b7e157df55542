#include <gtest/gtest.h>

#include "tools/host/script.h"

namespace zandrel::host {
namespace {

EventDirectory TestDirectory()
{
    EventDirectory directory;
    directory.events[0] = {{"PressedKey", 0, {22}}, {"LoadFailed", 4, {}}};
    directory.events[1] = {{"SetPlayerAndPadID", 0, {22, 22}}, {"SaveSetting", 4, {45}}, {"ResetKey", 7, {}}};
    directory.events[2] = {{"getCFControlKey", 5, {1, 1}}, {"getPadID", 7, {}}};
    return directory;
}

Script Parse(const std::string& text)
{
    Script script;
    ParseError error;
    EXPECT_TRUE(ParseScript(text, TestDirectory(), &script, &error)) << error.line << ": " << error.message;
    return script;
}

struct BadLine {
    std::string script;
    int line;
    const char* message;
};

class ParseErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ParseErrors, NameTheLineAndWhatIsWrong)
{
    Script script;
    ParseError error;
    ASSERT_FALSE(ParseScript(GetParam().script, TestDirectory(), &script, &error));
    EXPECT_EQ(error.line, GetParam().line);
    EXPECT_EQ(error.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Script, ParseErrors,
    ::testing::Values(
        BadLine{"frobnicate", 1, "unknown command \"frobnicate\""},
        BadLine{"# c\n\n=> x", 3, "\"=>\" line before any command"},
        BadLine{"frame\n=>x", 2, "\"=>\" must be followed by a blank"},
        BadLine{"joystick 16", 1, "joystick id must be 0..15, got 16"},
        BadLine{"joystick 0 x=65536", 1, "x must be 0..65535, got 65536"},
        BadLine{"joystick 0 w=1", 1, "unknown field \"w\" (fields: vid, pid, x, y, z, r, u, v, pov, buttons)"},
        BadLine{"joystick 0 x=1 x=2", 1, "field \"x\" given twice"},
        BadLine{"joystick 0 x", 1, "expected name=value, got \"x\""},
        BadLine{"joystick 0 buttons=0x100000000", 1, "number does not fit 32 bits: 0x100000000"},
        BadLine{"joystick 0 buttons=-2147483649", 1, "number does not fit 32 bits: -2147483649"},
        BadLine{"joystick 0 buttons=12a", 1, "not a number: \"12a\""},
        BadLine{"joystick 0 buttons=0x", 1, "not a number: \"0x\""},
        BadLine{"joystick 0 buttons=-", 1, "not a number: \"-\""},
        BadLine{"xinput 4", 1, "XInput index must be 0..3, got 4"},
        BadLine{"xinput 0 lt=256", 1, "lt must be 0..255, got 256"},
        BadLine{"xinput 0 fail now", 1, "unexpected argument \"now\""},
        BadLine{"key down 256", 1, "key code must be 0..255, got 256"},
        BadLine{"key sideways 1", 1, "key direction must be down or up, got \"sideways\""},
        BadLine{"controls 0 1 2 3", 1, "missing control key"},
        BadLine{"controls 4 0 0 0 0 0 0 0 0", 1, "player must be 0..3, got 4"},
        BadLine{"controls 0 0 0 0 0 0 0 0 0 9", 1, "unexpected argument \"9\""},
        BadLine{"device id", 1, "device id must be a quoted word"},
        BadLine{"device \"open", 1, "unterminated quoted word"},
        BadLine{"device \"a\"b", 1, "a quoted word must end at a blank"},
        BadLine{"device a\"b\"", 1, "stray '\"' inside a word"},
        BadLine{"device \"\xC3\"", 1, "device id is not valid UTF-8"},
        BadLine{"devices maybe", 1, "devices argument must be clear, fail or ok, got \"maybe\""},
        BadLine{"registry 1 2 name", 1, "joystick name must be a quoted word"},
        BadLine{"truncate f.cfg 68", 1, "file name must be a quoted word"},
        BadLine{"truncate \"f.cfg\" 65536", 1, "length must be 0..65535, got 65536"},
        BadLine{"poke \"f.cfg\" 68", 1, "missing byte"},
        BadLine{"poke \"f.cfg\" 68 122 256", 1, "byte must be 0..255, got 256"},
        BadLine{"editor", 1, "missing editor version"},
        BadLine{"create pad\ncreate pad", 2, "object \"pad\" already exists"},
        BadLine{"create p-1", 1, "object names are letters, digits and '_', got \"p-1\""},
        BadLine{"destroy pad", 1, "unknown object \"pad\""},
        BadLine{"create pad\ndestroy pad\nframe\naction pad ResetKey", 4, "unknown object \"pad\""},
        BadLine{"frame -1", 1, "frame count must be 0..1000000, got -1"},
        BadLine{"create pad\naction pad Jump", 2, "unknown action \"Jump\""},
        BadLine{"create pad\ncondition pad ResetKey", 2, "unknown condition \"ResetKey\""},
        BadLine{"create pad\naction pad SetPlayerAndPadID 0", 2, "missing SetPlayerAndPadID parameter 2"},
        BadLine{"create pad\naction pad ResetKey 1", 2, "unexpected argument \"1\""},
        BadLine{"create pad\naction pad SaveSetting file", 2,
                "SaveSetting parameter 1 is a file name: write it in double quotes"},
        BadLine{"create pad\naction pad SetPlayerAndPadID \"0\" 0", 2,
                "SetPlayerAndPadID parameter 1 must be a number, not a quoted word"},
        BadLine{"create pad\non pad PressedKey", 2, "missing PressedKey parameter 1"},
        BadLine{"create pad\non pad PressedKey 1 do frame", 2,
                "\"do\" must be followed by an action, condition or expression line"},
        BadLine{"create pad\non pad PressedKey 1 do", 2,
                "\"do\" must be followed by an action, condition or expression line"},
        BadLine{"create pad\non pad PressedKey 1 do action other ResetKey", 2, "unknown object \"other\""},
        BadLine{"create pad\non pad PressedKey 1 do action pad ResetKey 1", 2, "unexpected argument \"1\""},
        BadLine{"create pad\non pad PressedKey 1 then", 2, "unexpected argument \"then\""},
        BadLine{"focus elsewhere", 1, "focus argument must be game or away, got \"elsewhere\""},
        BadLine{"menu widgets", 1, "event kind must be conditions, actions or expressions, got \"widgets\""},
        BadLine{"title expressions 0 1", 1, "an expression title takes no parameter index"},
        BadLine{"param 0", 1, "missing parameter index"}, BadLine{"runinfo now", 1, "unexpected argument \"now\""},
        BadLine{"\"frame\"", 1, "a command cannot be a quoted word"},
        BadLine{std::string("frame\0", 6), 1, "NUL character in line"}));

TEST(Script, ExpectationsBelongToTheCommandAbove)
{
    const Script script = Parse("frame\n=> key down 0x41\n  # between\n  => key up 0x41\n=>\nframe 0\n");
    ASSERT_EQ(script.commands.size(), 2u);
    const Command& frame = script.commands[0];
    ASSERT_EQ(frame.expected.size(), 3u);
    EXPECT_EQ(frame.expected[0].text, "key down 0x41");
    EXPECT_EQ(frame.expected[0].line, 2);
    EXPECT_EQ(frame.expected[1].text, "key up 0x41");
    EXPECT_EQ(frame.expected[2].text, "");
    EXPECT_TRUE(script.commands[1].expected.empty());
    EXPECT_EQ(script.commands[1].numbers[0], 0u);
}

TEST(Script, ExpectedTextKeepsItsBlanks)
{
    const Script script = Parse("frame\r\n=>   indented  \r\n");
    ASSERT_EQ(script.commands[0].expected.size(), 1u);
    EXPECT_EQ(script.commands[0].expected[0].text, "  indented  ");
}

TEST(Script, NumbersWrapTo32BitsAndEditorOperandsTo16)
{
    const Script script = Parse(
        "create pad\n"
        "action pad SetPlayerAndPadID -1 0xFFFFFFFF\n"
        "code actions 0x12345\n"
        "title conditions -1 65537\n");
    EXPECT_EQ(script.commands[1].arguments[0].value, 0xFFFFFFFFu);
    EXPECT_EQ(script.commands[1].arguments[1].value, 0xFFFFFFFFu);
    EXPECT_EQ(script.commands[2].numbers[0], 0x2345u);
    EXPECT_EQ(script.commands[3].numbers[0], 0xFFFFu);
    EXPECT_EQ(script.commands[3].numbers[1], 1u);
}

TEST(Script, QuotedWordsUnescapeAndBecomeUtf16)
{
    const Script script = Parse("create pad\naction pad SaveSetting \"a \\\"b\\\" \\\\ c\\d \xC3\xA9\"\n");
    const Argument& file = script.commands[1].arguments[0];
    ASSERT_TRUE(file.isText);
    EXPECT_EQ(file.text, u"a \"b\" \\ c\\d \u00E9");
}

TEST(Script, FieldsRecordWhichWereNamed)
{
    const Script script = Parse("joystick 3 pid=0x028E buttons=-1\nxinput 2 rt=31\n");
    const Command& joystick = script.commands[0];
    EXPECT_EQ(joystick.fieldMask, (1u << kPid) | (1u << kButtons));
    EXPECT_EQ(joystick.fields[kPid], 0x028Eu);
    EXPECT_EQ(joystick.fields[kButtons], 0xFFFFFFFFu);
    EXPECT_EQ(script.commands[1].fieldMask, 1u << kRightTrigger);
}

TEST(Script, ObjectNamesCanBeUsedAgainAfterDestroy)
{
    const Script script = Parse("create pad\ndestroy pad\ncreate pad\non pad LoadFailed\n");
    EXPECT_EQ(script.commands.size(), 4u);
    EXPECT_EQ(script.commands[3].code, 4);
}

TEST(Script, RemarksKeepTheirPlace)
{
    const Script script = Parse("# one\nframe\n\n# two\n");
    ASSERT_EQ(script.remarks.size(), 3u);
    EXPECT_EQ(script.remarks[0].before, 0u);
    EXPECT_EQ(script.remarks[1].before, 1u);
    EXPECT_EQ(script.remarks[2].text, "# two");
}

}  // namespace
}  // namespace zandrel::host
