#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "input/pad_layouts.h"
#include "input/pad_names.h"

namespace zandrel {
namespace {

constexpr char kPlayStationItems[] =
    "a:b1,b:b2,x:b0,y:b3,leftshoulder:b4,rightshoulder:b5,lefttrigger:b6,righttrigger:b7,back:b8,start:b9,"
    "leftstick:b10,rightstick:b11,";

bool Parse(const std::string& line, PadLayout* row)
{
    return ParsePadLayoutRow(line.data(), line.size(), row);
}

bool SameRow(const PadLayout& a, const PadLayout& b)
{
    return a.vendor == b.vendor && a.product == b.product && std::memcmp(a.buttons, b.buttons, sizeof a.buttons) == 0 &&
           std::memcmp(a.bitsOfButton, b.bitsOfButton, sizeof a.bitsOfButton) == 0;
}

TEST(PadLayoutRows, TheBuiltInRowsAreThoseTheRowsSay)
{
    const char* guids[kBuiltInPadLayouts] = {
        "030000004c050000c405000000000000",
        "030000004c050000cc09000000000000",
        "030000004c050000e60c000000000000",
        "030000004c050000f20d000000000000",
    };
    for (int i = 0; i < kBuiltInPadLayouts; ++i) {
        PadLayout row{};
        ASSERT_TRUE(Parse(std::string(guids[i]) + ",PS pad," + kPlayStationItems, &row)) << i;
        EXPECT_TRUE(SameRow(row, kBuiltInPadLayoutRows[i])) << i;
    }
}

TEST(PadLayoutRows, WhatMakesARowAndWhatCounts)
{
    const std::string guid = "03000000AbCd000012ef000000000000";
    const struct {
        std::string line;
        bool row;
        int bit;              // the bit to look at
        std::uint8_t button;  // what it holds
    } cases[] = {
        {guid + ",Pad,a:b0,", true, 4, 1},
        {guid + ",Pad,dpleft:b31", true, 2, 32},  // no closing comma
        {guid + ",Pad,a:b32,", true, 4, 0},
        {guid + ",Pad,a:a2,b:+a1,x:h0.1,y:b3~,back:b,start:b-1,", true, 4, 0},
        {guid + ",Pad,x:h0.1,", true, 6, 0},
        {guid + ",Pad,guide:b5,misc1:b6,a,:b1,", true, 4, 0},
        {guid + ",Pad,a:b2,a:a0,", true, 4, 3},  // an ignored value changes nothing
        {guid + ",Pad,platform:Windows,a:b0,", true, 4, 1},
        {guid + ",Pad,a:b0,platform:Linux,", false, 0, 0},
        {guid + ",Pad,a:b0,platform:windows,", false, 0, 0},
        {guid + ",", true, 4, 0},
        {guid, false, 0, 0},
        {"030000004c050000c40500000000000,Pad,a:b0,", false, 0, 0},    // 31 digits
        {"030000004c050000c4050000000000000,Pad,a:b0,", false, 0, 0},  // 33 digits
        {"030000004c050000c40500000000000g,Pad,a:b0,", false, 0, 0},
        {"# 030000004c050000c405000000000000,Pad,a:b0,", false, 0, 0},
        {"", false, 0, 0},
        {" " + guid + ",Pad,a:b0,", false, 0, 0},
    };
    for (const auto& c : cases) {
        PadLayout row{};
        ASSERT_EQ(Parse(c.line, &row), c.row) << c.line;
        if (c.row) {
            EXPECT_EQ(row.vendor, 0xCDAB) << c.line;
            EXPECT_EQ(row.product, 0xEF12) << c.line;
            EXPECT_EQ(row.buttons[c.bit], c.button) << c.line;
        }
    }
}

// Reads `text` as a layout file into a fresh table.
PadLayoutTable ReadText(const std::string& text)
{
    PadLayoutTable table{};
    ResetPadLayouts(table);
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    const std::uint32_t generation = table.generation;
    ReadPadLayouts(file, table);
    std::fclose(file);
    EXPECT_NE(table.generation, generation);
    return table;
}

std::string RowFor(int product, const std::string& items)
{
    char guid[40];
    std::snprintf(guid, sizeof guid, "03000000d6200000%02x%02x000000000000", product & 0xFF, (product >> 8) & 0xFF);
    return std::string(guid) + ",Pad," + items;
}

TEST(PadLayoutFile, LinesCommentsLineEndsAndLengths)
{
    // Names that make a line exactly 1024 bytes, and one a byte longer.
    const std::string shortRow = RowFor(2, "a:b9,");
    const std::string longest = shortRow + std::string(1024 - shortRow.size(), 'x');
    const std::string longer = RowFor(3, "a:b3,") + std::string(1025 - shortRow.size(), 'x');
    ASSERT_EQ(longest.size(), 1024u);
    const std::string text = "\xEF\xBB\xBF" + RowFor(1, "a:b1,") + "\r\n# comment\r\n\n   \n" + longest + "\r\n" +
                             longer + "\n" + RowFor(4, "a:b4,") + "\nnot a row\n" + RowFor(5, "a:b5,");
    PadLayoutTable table = ReadText(text);
    // 1, 2 (CR LF, 1024 bytes), 3 (a longer line: skipped), 4, 5 (no LF at the end).
    EXPECT_EQ(table.added, 4);
    const struct {
        int product;
        int button;  // bit 4's, -1 for no row
    } expected[] = {{1, 2}, {2, 10}, {3, -1}, {4, 5}, {5, 6}};
    for (const auto& e : expected) {
        const std::int32_t at = FindPadLayout(table, 0x20D6, static_cast<std::uint16_t>(e.product));
        ASSERT_EQ(at >= 0, e.button >= 0) << e.product;
        if (at >= 0) {
            EXPECT_EQ(table.rows[at].buttons[4], e.button) << e.product;
        }
    }
}

TEST(PadLayoutFile, OverlongLineIsSkippedWhole)
{
    const std::string tooLong = RowFor(7, "a:b1,") + std::string(1024, 'x');
    PadLayoutTable table = ReadText(tooLong + "\n" + tooLong + "\r\n" + RowFor(8, "a:b0,") + "\n" + tooLong);
    EXPECT_EQ(table.added, 1);
    EXPECT_LT(FindPadLayout(table, 0x20D6, 7), 0);
    EXPECT_GE(FindPadLayout(table, 0x20D6, 8), 0);
}

TEST(PadLayoutFile, RowsReplaceTheirIdsAndAtMostTheLimitAreAdded)
{
    std::string text = "030000004c050000c405000000000000,Mine,a:b0,\n";
    for (int product = 0; product < kMostAddedPadLayouts + 44; ++product) {
        text += RowFor(0x1000 + product, "a:b0,") + "\n";
    }
    text += "030000004c050000cc09000000000000,Mine too,a:b2,\n";
    text += RowFor(0x1000, "a:b7,") + "\n";
    PadLayoutTable table = ReadText(text);
    EXPECT_EQ(table.added, kMostAddedPadLayouts);
    EXPECT_EQ(table.count, kBuiltInPadLayouts + kMostAddedPadLayouts);
    EXPECT_EQ(table.rows[0].buttons[4], 1);  // built-in rows replaced in place
    EXPECT_EQ(table.rows[1].buttons[4], 3);
    EXPECT_EQ(table.rows[FindPadLayout(table, 0x20D6, 0x1000)].buttons[4], 8);
    EXPECT_GE(FindPadLayout(table, 0x20D6, 0x1000 + kMostAddedPadLayouts - 1), 0);
    EXPECT_LT(FindPadLayout(table, 0x20D6, 0x1000 + kMostAddedPadLayouts), 0);
}

TEST(ComposeWithLayout, ButtonsThroughTheRowAndDirectionsOnlyWhereMapped)
{
    const PadLayout& ps = kBuiltInPadLayoutRows[0];
    EXPECT_EQ(ComposeWithLayout(0, 0x2, ps), 0x10);  // Cross: bit 4
    EXPECT_EQ(ComposeWithLayout(0, 0x1, ps), 0x40);  // Square: bit 6
    EXPECT_EQ(ComposeWithLayout(0, 0xF000, ps), 0);  // 13..16 press nothing
    EXPECT_EQ(ComposeWithLayout(kPadLeft, 0x800, ps), kPadLeft | 0x8000);
    const PadLayout dpad = WithBitsOfButtons(PadLayout{1, 2, {13, 14, 15, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}});
    EXPECT_EQ(ComposeWithLayout(0, 0x80001000u, dpad), kPadUp | kPadRight);
    EXPECT_EQ(ComposeWithLayout(0, 0x0FFF, dpad), 0);
}

TEST(PadBitName, LabelsByPadTypeAndLayout)
{
    const PadLayout& ds4 = kBuiltInPadLayoutRows[0];
    const PadLayout& sense = kBuiltInPadLayoutRows[2];
    const PadLayout other{0x20D6, 1, {0, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}};
    const struct {
        PadType type;
        const PadLayout* row;
        bool standard;
        std::int32_t bit;
        std::u16string name;
    } cases[] = {
        {PadType::kPlayStation, &ds4, false, 4, u"Square"}, {PadType::kPlayStation, &ds4, true, 4, u"Cross"},
        {PadType::kPlayStation, &ds4, true, 12, u"Share"},  {PadType::kPlayStation, &sense, true, 12, u"Create"},
        {PadType::kPlayStation, &ds4, true, 3, u"Right"},   {PadType::kPlayStation, &ds4, false, 15, u"R3"},
        {PadType::kOther, &other, true, 4, u"A"},           {PadType::kOther, &other, true, 5, u""},
        {PadType::kOther, &other, false, 4, u"X"},          {PadType::kOther, &other, false, 5, u"Button 2"},
        {PadType::kXInput, nullptr, true, 10, u"LT"},       {PadType::kPlain, nullptr, true, 15, u"Button 12"},
        {PadType::kPlain, nullptr, false, 16, u""},         {PadType::kNone, nullptr, false, 0, u""},
        {PadType::kXInput, nullptr, false, -1, u""},
    };
    for (const auto& c : cases) {
        char16_t name[kPadBitNameRoom];
        PadBitName(c.type, c.row, c.standard, c.bit, name);
        EXPECT_EQ(std::u16string(name), c.name) << static_cast<int>(c.type) << " bit " << c.bit;
    }
}

TEST(PadTypeOf, OrderOfTheAnswers)
{
    const PadLayout other{0x20D6, 1, {}, {}};
    EXPECT_EQ(PadTypeOf(false, true, &kBuiltInPadLayoutRows[0]), PadType::kNone);
    EXPECT_EQ(PadTypeOf(true, true, &kBuiltInPadLayoutRows[0]), PadType::kXInput);
    EXPECT_EQ(PadTypeOf(true, false, &kBuiltInPadLayoutRows[0]), PadType::kPlayStation);
    EXPECT_EQ(PadTypeOf(true, false, &other), PadType::kOther);
    EXPECT_EQ(PadTypeOf(true, false, nullptr), PadType::kPlain);
}

}  // namespace
}  // namespace zandrel
