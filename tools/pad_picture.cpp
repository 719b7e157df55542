// Draws docs/pad.svg, the guide's picture of the 16 pad bits, from the decoder's
// tables in input/pad_state.h and the built-in layout rows of input/pad_layouts.h: an
// XInput pad with each control marked with the bit it presses, and a table of what
// presses each bit on a plain pad, on an XInput pad and on a PlayStation pad with the
// standard layout.
//
//   make_pad_picture FILE           write the picture to FILE
//   make_pad_picture --check FILE   exit 1 when FILE differs from what would be written
#include <sstream>
#include <string>

#include "input/pad_layouts.h"
#include "input/pad_names.h"
#include "input/pad_state.h"
#include "tools/generated_file.h"
#include "tools/pad_drawing.h"

namespace {

using zandrel::PadBitSource;
using zandrel::PadInput;
using zandrel::drawing::FindSpot;
using zandrel::drawing::Shape;
using zandrel::drawing::Spot;

// How the system's joystick service numbers the buttons of an XInput pad; its
// D-pad is the hat and its left stick the X and Y axes.
struct XInputButton {
    std::uint8_t button;
    const char* name;
    const char* label;  // as printed on the pad
};

constexpr XInputButton kXInputButtons[] = {
    {1, "A", "A"},
    {2, "B", "B"},
    {3, "X", "X"},
    {4, "Y", "Y"},
    {5, "left bumper", "LB"},
    {6, "right bumper", "RB"},
    {7, "Back", "Back"},
    {8, "Start", "Start"},
    {9, "left stick press", "LS"},
    {10, "right stick press", "RS"},
};

const XInputButton* FindXInputButton(std::uint8_t button)
{
    for (const XInputButton& entry : kXInputButtons) {
        if (entry.button == button) {
            return &entry;
        }
    }
    return nullptr;
}

const char* DirectionName(PadInput input)
{
    switch (input) {
        case PadInput::kUp:
            return "up";
        case PadInput::kDown:
            return "down";
        case PadInput::kLeft:
            return "left";
        default:
            return "right";
    }
}

bool IsDirection(PadInput input)
{
    return input == PadInput::kUp || input == PadInput::kDown || input == PadInput::kLeft || input == PadInput::kRight;
}

std::string PlainMeaning(const PadBitSource& source)
{
    if (IsDirection(source.input)) {
        return std::string(DirectionName(source.input)) + ": stick, hat or button " + std::to_string(source.button);
    }
    return "button " + std::to_string(source.button);
}

std::string XInputMeaning(const PadBitSource& source)
{
    const std::string threshold = " past " + std::to_string(zandrel::kTriggerThreshold) + " of 255 by default";
    switch (source.input) {
        case PadInput::kLeftTrigger:
            return "left trigger (LT)" + threshold;
        case PadInput::kRightTrigger:
            return "right trigger (RT)" + threshold;
        case PadInput::kButton: {
            const XInputButton* named = FindXInputButton(source.button);
            const std::string number = "button " + std::to_string(source.button);
            return named != nullptr ? std::string(named->name) + " (" + number + ")" : number;
        }
        default:
            // An XInput pad has no joystick button beyond its named ones.
            return std::string(DirectionName(source.input)) + ": left stick or D-pad";
    }
}

std::string PlayStationName(const zandrel::PadLayout& row, int bit)
{
    char16_t name[zandrel::kPadBitNameRoom];
    zandrel::PadBitName(zandrel::PadType::kPlayStation, &row, true, bit, name);
    std::string text;
    for (const char16_t* c = name; *c != 0; ++c) {
        text.push_back(static_cast<char>(*c));
    }
    return text;
}

// A DualShock 4 through its built-in row (the four PlayStation rows are alike), and
// what a DualSense calls the same button.
std::string PlayStationMeaning(int bit)
{
    const zandrel::PadLayout& row = zandrel::kBuiltInPadLayoutRows[0];
    const int button = row.buttons[bit];
    if (bit < 4) {
        const std::string direction = DirectionName(zandrel::kPlainPadBits[bit].input);
        return direction + ": stick or hat" + (button != 0 ? " or button " + std::to_string(button) : "");
    }
    if (button == 0) {
        return "none";
    }
    const std::string name = PlayStationName(row, bit);
    const std::string dualSense = PlayStationName(zandrel::kBuiltInPadLayoutRows[2], bit);
    return name + (dualSense != name ? " or " + dualSense : "") + " (button " + std::to_string(button) + ")";
}

// Colours: a direction, a bit both kinds of pad press alike, a bit they press differently.
constexpr const char* kDirectionColour = "#2f6db5";
constexpr const char* kAlikeColour = "#2b8a57";
constexpr const char* kDifferentColour = "#d9731a";

const char* BitColour(int bit)
{
    const PadBitSource& plain = zandrel::kPlainPadBits[bit];
    const PadBitSource& xinput = zandrel::kXInputPadBits[bit];
    if (IsDirection(plain.input)) {
        return kDirectionColour;
    }
    return plain.input == xinput.input && plain.button == xinput.button ? kAlikeColour : kDifferentColour;
}

constexpr int kPadX = zandrel::drawing::kPadX;  // the pad's middle, in the drawing's own coordinates
// The drawing sits in the middle of a picture wide enough for three table columns.
constexpr int kPictureWidth = 1200;
constexpr int kShift = kPictureWidth / 2 - kPadX;
constexpr int kMiddle = kPictureWidth / 2;

std::string SpotLabel(const Spot& spot)
{
    switch (spot.input) {
        case PadInput::kLeftTrigger:
            return "LT";
        case PadInput::kRightTrigger:
            return "RT";
        case PadInput::kButton:
            return FindXInputButton(spot.button)->label;
        default:
            return "";
    }
}

struct Svg {
    std::ostringstream out;

    void Text(int x, int y, const std::string& text, const char* style)
    {
        out << "  <text x=\"" << x << "\" y=\"" << y << "\" class=\"" << style << "\">" << text << "</text>\n";
    }

    void Badge(int x, int y, int bit, int radius, const char* style = "num")
    {
        out << "  <circle cx=\"" << x << "\" cy=\"" << y << "\" r=\"" << radius << "\" fill=\"" << BitColour(bit)
            << "\" stroke=\"#ffffff\" stroke-width=\"2\"/>\n";
        Text(x, y + 5, std::to_string(bit), style);
    }
};

void DrawBody(Svg& svg)
{
    // Shoulders (bumpers and triggers) first, then the body over them.
    const zandrel::drawing::Point* body = zandrel::drawing::kBody;
    svg.out << "  <path d=\"M " << body[0].x << " " << body[0].y;
    for (int i = 1; i < zandrel::drawing::kBodyPoints; ++i) {
        svg.out << (i % 3 == 1 ? " C " : " ") << body[i].x << " " << body[i].y;
    }
    svg.out << " Z\" class=\"body\"/>\n";
    // The D-pad's cross and the two stick wells.
    svg.out << "  <path d=\"M 360 247 h 30 v 30 h 30 v 30 h -30 v 30 h -30 v -30 h -30 v -30 h 30 Z\" "
               "class=\"dpad\"/>\n";
    for (const Spot& spot : zandrel::drawing::kSpots) {
        if (spot.shape == Shape::kStick) {
            svg.out << "  <circle cx=\"" << spot.x << "\" cy=\"" << spot.y << "\" r=\""
                    << zandrel::drawing::kStickWellRadius << "\" class=\"well\"/>\n";
        }
    }
    // The guide button presses no bit.
    const Spot& guide = zandrel::drawing::kGuide;
    svg.out << "  <circle cx=\"" << guide.x << "\" cy=\"" << guide.y << "\" r=\"" << zandrel::drawing::kFaceRadius
            << "\" class=\"idle\"/>\n";
    // The left stick's arrows: it presses the direction bits too.
    const Spot& stick = *FindSpot(PadBitSource{PadInput::kButton, 9});
    const int arrows[4][6] = {
        {0, -32, -6, -24, 6, -24}, {0, 32, -6, 24, 6, 24}, {-32, 0, -24, -6, -24, 6}, {32, 0, 24, -6, 24, 6}};
    for (const auto& a : arrows) {
        svg.out << "  <path d=\"M " << stick.x + a[0] << " " << stick.y + a[1] << " L " << stick.x + a[2] << " "
                << stick.y + a[3] << " L " << stick.x + a[4] << " " << stick.y + a[5] << " Z\" fill=\""
                << kDirectionColour << "\"/>\n";
    }
}

void DrawControl(Svg& svg, const Spot& spot, int bit)
{
    using namespace zandrel::drawing;
    const char* colour = BitColour(bit);
    switch (spot.shape) {
        case Shape::kPill:
            svg.out << "  <rect x=\"" << spot.x - kPillWidth / 2 << "\" y=\"" << spot.y - kPillHeight / 2
                    << "\" width=\"" << kPillWidth << "\" height=\"" << kPillHeight << "\" rx=\"11\" fill=\"" << colour
                    << "\"/>\n";
            svg.Text(spot.x, spot.y + 5, std::to_string(bit), "num");
            break;
        case Shape::kTrigger:
            svg.out << "  <rect x=\"" << spot.x - kTriggerWidth / 2 << "\" y=\"" << spot.y - kTriggerHeight / 2 - 1
                    << "\" width=\"" << kTriggerWidth << "\" height=\"" << kTriggerHeight << "\" rx=\"12\" fill=\""
                    << colour << "\"/>\n";
            svg.Text(spot.x, spot.y + 5, std::to_string(bit), "num");
            break;
        case Shape::kStick:
        case Shape::kRound:
            svg.Badge(spot.x, spot.y, bit, zandrel::drawing::Radius(spot));
            break;
        case Shape::kArm:
            svg.Text(spot.x, spot.y + 5, std::to_string(bit), "armnum");
            return;
    }
    svg.Text(spot.x + spot.labelX, spot.y + spot.labelY, SpotLabel(spot), "label");
}

void DrawLegend(Svg& svg, int y)
{
    const struct {
        const char* colour;
        const char* text;
        int x;
    } entries[] = {
        {kDirectionColour, "a direction", 130},
        {kAlikeColour, "the same button on both kinds of pad", 290},
        {kDifferentColour, "not the same on a plain and an XInput pad", 610},
    };
    for (const auto& entry : entries) {
        svg.out << "  <circle cx=\"" << entry.x + kShift << "\" cy=\"" << y - 5 << "\" r=\"8\" fill=\"" << entry.colour
                << "\"/>\n";
        svg.Text(entry.x + kShift + 14, y, entry.text, "small");
    }
}

void DrawTable(Svg& svg, int top)
{
    constexpr int kRow = 28;
    constexpr int kLeft = 40;
    constexpr int kWidth = kPictureWidth - 2 * kLeft;
    constexpr int kPlainColumn = 80;
    constexpr int kXInputColumn = 350;
    constexpr int kPlayStationColumn = 750;
    svg.out << "  <rect x=\"" << kLeft << "\" y=\"" << top << "\" width=\"" << kWidth << "\" height=\"" << kRow
            << "\" fill=\"#343a40\"/>\n";
    svg.Text(kLeft + 34, top + 19, "bit", "head");
    svg.Text(kLeft + kPlainColumn, top + 19, "plain pad (joystick buttons)", "headl");
    svg.Text(kLeft + kXInputColumn, top + 19, "XInput pad", "headl");
    svg.Text(kLeft + kPlayStationColumn, top + 19, "PlayStation pad, standard layout", "headl");
    for (int bit = 0; bit < zandrel::kPadBitCount; ++bit) {
        const int y = top + kRow * (bit + 1);
        if (bit % 2 == 1) {
            svg.out << "  <rect x=\"" << kLeft << "\" y=\"" << y << "\" width=\"" << kWidth << "\" height=\"" << kRow
                    << "\" fill=\"#f1f3f5\"/>\n";
        }
        svg.Badge(kLeft + 34, y + kRow / 2, bit, 12, "tnum");
        svg.Text(kLeft + kPlainColumn, y + 19, PlainMeaning(zandrel::kPlainPadBits[bit]), "cell");
        svg.Text(kLeft + kXInputColumn, y + 19, XInputMeaning(zandrel::kXInputPadBits[bit]),
                 BitColour(bit) == kDifferentColour ? "cellhot" : "cell");
        svg.Text(kLeft + kPlayStationColumn, y + 19, PlayStationMeaning(bit), "cell");
    }
    const int bottom = top + kRow * (zandrel::kPadBitCount + 1);
    svg.out << "  <rect x=\"" << kLeft << "\" y=\"" << top << "\" width=\"" << kWidth << "\" height=\"" << bottom - top
            << "\" fill=\"none\" stroke=\"#343a40\"/>\n";
}

std::string Picture()
{
    constexpr int kTableTop = 596;
    constexpr int kHeight = kTableTop + 28 * 17 + 66;
    Svg svg;
    svg.out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!-- Generated by tools/pad_picture.cpp from the pad-bit tables of input/pad_state.h\n"
               "     and the built-in layout rows of input/pad_layouts.h.\n"
               "     Do not edit: build the target pad_picture of the native build instead. -->\n"
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kPictureWidth << "\" height=\"" << kHeight
            << "\" viewBox=\"0 0 " << kPictureWidth << " " << kHeight
            << "\" font-family=\"DejaVu Sans, Verdana, Arial, sans-serif\">\n"
            << "  <style>\n"
               "    text { text-anchor: middle; fill: #212529; }\n"
               "    .title { font-size: 24px; font-weight: bold; }\n"
               "    .sub { font-size: 14px; fill: #495057; }\n"
               "    .num { font-size: 14px; font-weight: bold; fill: #ffffff; }\n"
               "    .tnum { font-size: 12px; font-weight: bold; fill: #ffffff; }\n"
               "    .armnum { font-size: 15px; font-weight: bold; fill: #ffffff; }\n"
               "    .label { font-size: 14px; font-weight: bold; fill: #495057; }\n"
               "    .small { font-size: 13px; text-anchor: start; fill: #495057; }\n"
               "    .head { font-size: 14px; font-weight: bold; fill: #ffffff; }\n"
               "    .headl { font-size: 14px; font-weight: bold; fill: #ffffff; text-anchor: start; }\n"
               "    .cell { font-size: 14px; text-anchor: start; }\n"
               "    .cellhot { font-size: 14px; text-anchor: start; font-weight: bold; fill: #a84f00; }\n"
               "    .body { fill: #e9ecef; stroke: #495057; stroke-width: 3; }\n"
               "    .dpad { fill: "
            << kDirectionColour
            << "; }\n"
               "    .well { fill: #ced4da; stroke: #868e96; stroke-width: 2; }\n"
               "    .idle { fill: #ced4da; stroke: #868e96; stroke-width: 2; }\n"
               "  </style>\n"
               "  <rect width=\""
            << kPictureWidth << "\" height=\"" << kHeight << "\" fill=\"#ffffff\"/>\n";
    svg.Text(kMiddle, 36, "The 16 pad bits", "title");
    svg.Text(kMiddle, 60, "Each frame the bound pad is read into 16 bits; bit N presses button slot N", "sub");
    svg.Text(kMiddle, 78, "(unless SetVirtualButton routes it to another slot), and the slot's key is sent.", "sub");
    svg.out << "  <g transform=\"translate(" << kShift << " 60)\">\n";
    // Triggers and bumpers sit behind the body's top edge.
    for (int bit = 0; bit < zandrel::kPadBitCount; ++bit) {
        const Spot* spot = FindSpot(zandrel::kXInputPadBits[bit]);
        if (spot != nullptr && (spot->shape == Shape::kTrigger || spot->shape == Shape::kPill)) {
            DrawControl(svg, *spot, bit);
        }
    }
    DrawBody(svg);
    for (int bit = 0; bit < zandrel::kPadBitCount; ++bit) {
        const Spot* spot = FindSpot(zandrel::kXInputPadBits[bit]);
        if (spot != nullptr && spot->shape != Shape::kTrigger && spot->shape != Shape::kPill) {
            DrawControl(svg, *spot, bit);
        }
    }
    svg.out << "  </g>\n";
    svg.Text(kMiddle, 530, "An XInput pad: the D-pad and the left stick press bits 0 to 3; the right stick and the",
             "sub");
    svg.Text(kMiddle, 548, "middle button press none. A plain pad has no fixed layout: its buttons count from 1.",
             "sub");
    DrawLegend(svg, 580);
    DrawTable(svg, kTableTop);
    svg.Text(kMiddle, kHeight - 34,
             "Joystick buttons 13 to 16 press the directions; a plain pad's buttons beyond 16 press no bit.", "sub");
    svg.Text(kMiddle, kHeight - 16,
             "With the standard layout (UseStandardLayout 1) a pad that has a layout row takes its bits from the row.",
             "sub");
    svg.out << "</svg>\n";
    return svg.out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    zandrel::tools::GeneratedFile file;
    if (!zandrel::tools::ParseGeneratedFileArgs(argc, argv, "make_pad_picture", &file)) {
        return 2;
    }
    return zandrel::tools::WriteOrCheck(file, Picture(), "pad_picture");
}
