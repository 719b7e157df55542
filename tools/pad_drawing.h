// Where a drawing of an XInput pad puts each control that presses a pad bit: one table
// for the guide's picture (tools/pad_picture.cpp, docs/pad.svg) and the pad checker's
// window (tools/pads/pad_window_win32.cpp), so the two cannot disagree.
#pragma once

#include <cstdint>

#include "input/pad_state.h"

namespace zandrel::drawing {

enum class Shape : std::uint8_t { kArm, kRound, kPill, kTrigger, kStick };

struct Spot {
    PadInput input;
    std::uint8_t button;  // for kButton
    Shape shape;
    int x, y;            // centre
    int labelX, labelY;  // the printed label, relative to the centre
};

struct Point {
    int x, y;
};

constexpr int kPadX = 450;  // the pad's middle

constexpr Spot kSpots[] = {
    {PadInput::kUp, 0, Shape::kArm, 375, 262, 0, 0},
    {PadInput::kDown, 0, Shape::kArm, 375, 322, 0, 0},
    {PadInput::kLeft, 0, Shape::kArm, 345, 292, 0, 0},
    {PadInput::kRight, 0, Shape::kArm, 405, 292, 0, 0},
    {PadInput::kButton, 1, Shape::kRound, 595, 238, 0, 36},
    {PadInput::kButton, 2, Shape::kRound, 633, 200, 34, 5},
    {PadInput::kButton, 3, Shape::kRound, 557, 200, -34, 5},
    {PadInput::kButton, 4, Shape::kRound, 595, 162, 0, -27},
    {PadInput::kButton, 5, Shape::kPill, 305, 90, -68, 5},
    {PadInput::kButton, 6, Shape::kPill, 595, 90, 68, 5},
    {PadInput::kLeftTrigger, 0, Shape::kTrigger, 305, 56, -54, 5},
    {PadInput::kRightTrigger, 0, Shape::kTrigger, 595, 56, 54, 5},
    {PadInput::kButton, 7, Shape::kRound, 413, 200, 0, 32},
    {PadInput::kButton, 8, Shape::kRound, 487, 200, 0, 32},
    {PadInput::kButton, 9, Shape::kStick, 300, 200, 0, 58},
    {PadInput::kButton, 10, Shape::kStick, 525, 292, 0, 58},
};

// Sizes of the shapes: an arm of the D-pad is a square, a pill a bumper, a trigger a
// rounded block; round buttons and sticks are circles.
constexpr int kArmSide = 30;
constexpr int kPillWidth = 100;
constexpr int kPillHeight = 22;
constexpr int kTriggerWidth = 68;
constexpr int kTriggerHeight = 30;
constexpr int kStickRadius = 21;
constexpr int kStickWellRadius = 38;
constexpr int kFaceRadius = 17;
constexpr int kSmallRadius = 15;  // Back and Start
// The guide button, which presses no bit.
constexpr Spot kGuide = {PadInput::kButton, 0, Shape::kRound, kPadX, 158, 0, 0};

// The body's outline: a start point, then Bézier curves of three points each.
constexpr Point kBody[] = {
    {300, 112}, {360, 98},  {540, 98},  {600, 112}, {690, 128}, {728, 200}, {752, 300}, {776, 396}, {744, 440},
    {700, 436}, {658, 432}, {632, 382}, {590, 352}, {530, 330}, {370, 330}, {310, 352}, {268, 382}, {242, 432},
    {200, 436}, {156, 440}, {124, 396}, {148, 300}, {172, 200}, {210, 128}, {300, 112},
};
constexpr int kBodyPoints = sizeof kBody / sizeof kBody[0];

constexpr int Radius(const Spot& spot)
{
    return spot.shape == Shape::kStick ? kStickRadius : spot.button >= 7 ? kSmallRadius : kFaceRadius;
}

constexpr const Spot* FindSpot(const PadBitSource& source)
{
    for (const Spot& spot : kSpots) {
        if (spot.input == source.input && (source.input != PadInput::kButton || spot.button == source.button)) {
            return &spot;
        }
    }
    return nullptr;
}

// The spot of each pad bit as an XInput pad presses it; every bit has one.
constexpr const Spot& SpotOfBit(int bit)
{
    return *FindSpot(kXInputPadBits[bit]);
}

constexpr bool EveryBitDrawn()
{
    for (int bit = 0; bit < kPadBitCount; ++bit) {
        if (FindSpot(kXInputPadBits[bit]) == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(EveryBitDrawn(), "each pad bit has its place in the drawing");

// A point inside the bit's shape, clear of the number drawn at its centre: where a
// picture of the pad shows whether the bit is lit.
constexpr Point LitPoint(int bit)
{
    const Spot& spot = SpotOfBit(bit);
    switch (spot.shape) {
        case Shape::kPill:
            return {spot.x - kPillWidth / 3, spot.y};
        case Shape::kTrigger:
            return {spot.x - kTriggerWidth / 3, spot.y};
        case Shape::kArm:
            return {spot.x - kArmSide / 3, spot.y - kArmSide / 3};
        default:
            return {spot.x - Radius(spot) * 2 / 3, spot.y};
    }
}

}  // namespace zandrel::drawing
